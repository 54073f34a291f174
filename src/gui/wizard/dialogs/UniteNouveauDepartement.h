#pragma once

#include "gui/wizard/dialogs/DialogueAjout.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The new-department window. It only collects the name the user types; both buttons close it, and closing
// only hides it. "&Valider" is the default button.
class TFormNouveauDepartement : public TDialogueAjout {
    Q_OBJECT
public:
    explicit TFormNouveauDepartement(QWidget* parent = nullptr);
    ~TFormNouveauDepartement() override;

    // The title the wizard gives the window: the application title followed by the window's role. The
    // window takes it when it is made.
    static QString Titre();

    QLabel* Label1;
    QLineEdit* EditNom; // at most 40 characters
    QPushButton* BitBtnValider;
    QPushButton* BitBtnAnnuler;

public slots:
    void BitBtnValiderClick();
    void BitBtnAnnulerClick();
};
