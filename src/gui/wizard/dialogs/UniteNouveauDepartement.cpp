#include "gui/wizard/dialogs/UniteNouveauDepartement.h"
#include "base/TitreApplication.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

TFormNouveauDepartement::TFormNouveauDepartement(QWidget* parent) : TDialogueAjout(parent) {
    setObjectName(QStringLiteral("FormNouveauDepartement"));
    setWindowTitle(Titre());

    EditNom = Champ(Label1, QStringLiteral("Label1"), QStringLiteral("Nom :"), QStringLiteral("EditNom"), 40);

    BitBtnValider = Bouton(QStringLiteral("BitBtnValider"), QStringLiteral("&Valider"), true);
    BitBtnValider->setDefault(true);
    BitBtnAnnuler = Bouton(QStringLiteral("BitBtnAnnuler"), QStringLiteral("&Annuler"), false);
    connect(BitBtnValider, &QPushButton::clicked, this, &TFormNouveauDepartement::BitBtnValiderClick);
    connect(BitBtnAnnuler, &QPushButton::clicked, this, &TFormNouveauDepartement::BitBtnAnnulerClick);
}

TFormNouveauDepartement::~TFormNouveauDepartement() {}

QString TFormNouveauDepartement::Titre() {
    return TitreApplication() + QStringLiteral(" - Ajout dun nouveau département.");
}

void TFormNouveauDepartement::BitBtnValiderClick() {
    accept();
}

void TFormNouveauDepartement::BitBtnAnnulerClick() {
    reject();
}
