#pragma once

#include "gui/wizard/dialogs/DialogueAjout.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The new-subject window. It only collects what the user types; both buttons close it, and once closed it is
// destroyed when control returns to the event loop. No default button.
class TFormNouvelleMatiere : public TDialogueAjout {
    Q_OBJECT
public:
    explicit TFormNouvelleMatiere(QWidget* parent = nullptr);
    ~TFormNouvelleMatiere() override;

    // The title the wizard gives the window: the application title followed by the window's role. The
    // window takes it when it is made.
    static QString Titre();

    QLabel* Label1;
    QLineEdit* EditCode; // upper case, at most 40 characters
    QLabel* Label2;
    QLineEdit* EditLibelle; // at most 40 characters
    QPushButton* BitBtnValider;
    QPushButton* BitBtnAnnuler;

public slots:
    void BitBtnValiderClick();
    void BitBtnAnnulerClick();

protected:
    // Every way of closing the window comes here.
    void done(int resultat) override;
};
