#include "gui/wizard/dialogs/UniteNouvelleClasse.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

TFormNouvelleClasse::TFormNouvelleClasse(QWidget* parent) : TDialogueAjout(parent) {
    setObjectName(QStringLiteral("FormNouvelleClasse"));
    setWindowTitle(QStringLiteral("FormNouvelleClasse"));

    ComboBoxNiveau =
        Liste(Label1, QStringLiteral("Label1"), QStringLiteral("Niveau :"), QStringLiteral("ComboBoxNiveau"));
    EditCode =
        Champ(Label2, QStringLiteral("Label2"), QStringLiteral("Code :"), QStringLiteral("EditCode"), 15);
    ForcerMajuscules(EditCode);
    EditLibelle = Champ(Label3, QStringLiteral("Label3"), QStringLiteral("Libellé :"),
                        QStringLiteral("EditLibelle"), 40);
    ComboBoxSalle =
        Liste(Label4, QStringLiteral("Label4"), QStringLiteral("Salle : "), QStringLiteral("ComboBoxSalle"));
    ComboBoxLangue =
        Liste(Label5, QStringLiteral("Label5"), QStringLiteral("Langue :"), QStringLiteral("ComboBoxLangue"));

    BitBtnValider = Bouton(QStringLiteral("BitBtnValider"), QStringLiteral("&Valider"), true);
    BitBtnValider->setDefault(true);
    BitBtnAnnuler = Bouton(QStringLiteral("BitBtnAnnuler"), QStringLiteral("&Annuler"), false);
    connect(BitBtnValider, &QPushButton::clicked, this, &TFormNouvelleClasse::BitBtnValiderClick);
    connect(BitBtnAnnuler, &QPushButton::clicked, this, &TFormNouvelleClasse::BitBtnAnnulerClick);
}

TFormNouvelleClasse::~TFormNouvelleClasse() {}

void TFormNouvelleClasse::BitBtnValiderClick() {
    accept();
}

void TFormNouvelleClasse::BitBtnAnnulerClick() {
    reject();
}

void TFormNouvelleClasse::done(int resultat) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    TDialogueAjout::done(resultat);
}
