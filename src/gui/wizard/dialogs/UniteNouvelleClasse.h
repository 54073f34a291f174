#pragma once

#include "gui/wizard/dialogs/DialogueAjout.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The new-class window. Nothing opens it and nothing fills its lists; it only collects what the user
// chooses and types. Both buttons close it, and once closed it is destroyed when control returns to the event
// loop. "&Valider" is the default button.
class TFormNouvelleClasse : public TDialogueAjout {
    Q_OBJECT
public:
    explicit TFormNouvelleClasse(QWidget* parent = nullptr);
    ~TFormNouvelleClasse() override;

    QLabel* Label1;
    QComboBox* ComboBoxNiveau; // sorted, choice from the list only, like the other two lists
    QLabel* Label2;
    QLineEdit* EditCode; // upper case, at most 15 characters
    QLabel* Label3;
    QLineEdit* EditLibelle; // at most 40 characters
    QLabel* Label4;
    QComboBox* ComboBoxSalle;
    QLabel* Label5;
    QComboBox* ComboBoxLangue;
    QPushButton* BitBtnValider;
    QPushButton* BitBtnAnnuler;

public slots:
    void BitBtnValiderClick();
    void BitBtnAnnulerClick();

protected:
    // Every way of closing the window comes here.
    void done(int resultat) override;
};
