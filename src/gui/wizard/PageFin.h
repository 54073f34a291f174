#pragma once

#include "gui/wizard/PageAssistant.h"

class QLabel;
class QProgressBar;

// The last page: "&Terminer" runs the year's change; the page shows which step runs and how far it has gone.
class TPageFin : public TPageAssistant {
    Q_OBJECT
public:
    explicit TPageFin(QWidget* parent = nullptr);

    QLabel* LabelProgression;
    QProgressBar* ProgressBarTransition;
};
