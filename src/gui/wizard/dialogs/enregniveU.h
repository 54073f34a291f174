#pragma once

#include "gui/wizard/dialogs/DialogueAjout.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TCNiveau;

// The new-level window. Opened by the wizard (Appel set), it only collects a code and a name and checks that
// both are there; used on its own (Appel false), it also refuses a level the year already has and stores the
// new one at rank OrdreCourant.
//
// Closing it (its buttons, its close box) hides it when Appel is set; otherwise it empties its two fields
// and is destroyed once control returns to the event loop.
class TEnregNive : public TDialogueAjout {
    Q_OBJECT
public:
    explicit TEnregNive(QWidget* parent = nullptr);
    ~TEnregNive() override;

    QLabel* Label1;
    QLineEdit* Edit2; // code, at most 10 characters
    QLabel* Label2;
    QLineEdit* Edit3; // name, at most 40 characters
    QLabel* Label3;
    QLineEdit* EditNiveauPrecedent; // disabled, read-only
    QPushButton* BitBtn1;           // "&Valider"
    QPushButton* BitBtn7;           // "&Annuler"

    // Rank (ordre) given to a stored level.
    int OrdreCourant = 0;
    // Set by the wizard when it opens the window.
    bool Appel = false;

    // Shows the name of the level after which the new one comes: that of Dernier, or "Aucun" without one.
    void AfficherNiveauPrecedent(const TCNiveau* Dernier);

public slots:
    void BitBtn1Click();
    void BitBtn7Click();

protected:
    // Every way of closing the window comes here.
    void done(int resultat) override;
};
