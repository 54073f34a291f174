#pragma once

#include "gui/wizard/PageAssistant.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

// The last page: "&Terminer" runs the year's change; the page shows which step runs and how far it has gone.
// "Vérifier" runs it without keeping anything and shows, table by table, what the change would carry.
class TPageFin : public TPageAssistant {
    Q_OBJECT
public:
    explicit TPageFin(QWidget* parent = nullptr);

    QLabel* LabelProgression;
    QProgressBar* ProgressBarTransition;
    QPushButton* ButtonVerifier;
    // What would stop the change, or the summary of what it would do.
    QLabel* LabelVerification;
    // Per table: rows of the closing year, of the new year, not carried (with the first of them); the
    // students per new class and those left without one.
    QTreeWidget* ArbreVerification;
};
