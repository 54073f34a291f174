#pragma once

#include "gui/wizard/PageAssistant.h"

class QLineEdit;
class QPushButton;

// The welcome page: the new year's code, and the way to the operations journal.
class TPageAccueil : public TPageAssistant {
    Q_OBJECT
public:
    explicit TPageAccueil(QWidget* parent = nullptr);

    QLineEdit* EditAnneeScolaire;
    QPushButton* ButtonJournal;
};
