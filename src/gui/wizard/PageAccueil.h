#pragma once

#include "gui/wizard/PageAssistant.h"

#include <QPointer>

class QLineEdit;
class QPushButton;
class TChangementAnnee;
class TDialogueRetour;
class TJournal;

// The welcome page: the new year's code, the way to the operations journal of the year being closed, and,
// when the change that opened that year can still be taken back, the way to do it.
class TPageAccueil : public TPageAssistant {
    Q_OBJECT
public:
    // journal: the window "&Journal des opérations" opens (none: the button does nothing).
    TPageAccueil(TChangementAnnee& changement, TJournal* journal, QWidget* parent = nullptr);

    QLineEdit* EditAnneeScolaire;
    QPushButton* ButtonJournal;
    // "R&evenir à l'année 2025/2026...": shown only when the undo is possible.
    QPushButton* ButtonRetour;

    void initializePage() override;
    int nextId() const override;

public slots:
    // The operations journal of the current year.
    void ButtonJournalClick();
    // Opens the undo's window over the wizard (window-modal; it runs and ends the program itself).
    void ButtonRetourClick();

public:
    // The undo's window while it is open.
    TDialogueRetour* DialogueRetour() const;

private:
    TChangementAnnee& changement_;
    TJournal* journal_;
    QPointer<TDialogueRetour> dialogueRetour_;
};
