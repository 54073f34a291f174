#pragma once

#include "gui/wizard/PageAssistant.h"

class QLineEdit;
class QPushButton;
class TChangementAnnee;
class TJournal;

// The welcome page: the new year's code, and the way to the operations journal of the year being closed.
class TPageAccueil : public TPageAssistant {
    Q_OBJECT
public:
    // journal: the window "&Journal des opérations" opens (none: the button does nothing).
    TPageAccueil(TChangementAnnee& changement, TJournal* journal, QWidget* parent = nullptr);

    QLineEdit* EditAnneeScolaire;
    QPushButton* ButtonJournal;

    void initializePage() override;
    int nextId() const override;

public slots:
    // The operations journal of the current year.
    void ButtonJournalClick();

private:
    TChangementAnnee& changement_;
    TJournal* journal_;
};
