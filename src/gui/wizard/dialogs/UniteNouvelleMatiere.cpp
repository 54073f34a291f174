#include "gui/wizard/dialogs/UniteNouvelleMatiere.h"
#include "base/TitreApplication.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

TFormNouvelleMatiere::TFormNouvelleMatiere(QWidget* parent) : TDialogueAjout(parent) {
    setObjectName(QStringLiteral("FormNouvelleMatiere"));
    setWindowTitle(Titre());

    EditCode =
        Champ(Label1, QStringLiteral("Label1"), QStringLiteral("Code :"), QStringLiteral("EditCode"), 40);
    ForcerMajuscules(EditCode);
    EditLibelle = Champ(Label2, QStringLiteral("Label2"), QStringLiteral("Intitulé :"),
                        QStringLiteral("EditLibelle"), 40);

    BitBtnValider = Bouton(QStringLiteral("BitBtnValider"), QStringLiteral("&Valider"), true);
    BitBtnAnnuler = Bouton(QStringLiteral("BitBtnAnnuler"), QStringLiteral("&Annuler"), false);
    connect(BitBtnValider, &QPushButton::clicked, this, &TFormNouvelleMatiere::BitBtnValiderClick);
    connect(BitBtnAnnuler, &QPushButton::clicked, this, &TFormNouvelleMatiere::BitBtnAnnulerClick);
}

TFormNouvelleMatiere::~TFormNouvelleMatiere() {}

QString TFormNouvelleMatiere::Titre() {
    return TitreApplication() + QStringLiteral(" - AJout d'une nouvelle matière.");
}

void TFormNouvelleMatiere::BitBtnValiderClick() {
    accept();
}

void TFormNouvelleMatiere::BitBtnAnnulerClick() {
    reject();
}

void TFormNouvelleMatiere::done(int resultat) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    TDialogueAjout::done(resultat);
}
