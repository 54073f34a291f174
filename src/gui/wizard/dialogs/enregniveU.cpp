#include "gui/wizard/dialogs/enregniveU.h"

#include "base/KORVENTypesU.h"
#include "core/model/EnregistrementNiveau.h"
#include "core/model/UniteCNiveau.h"
#include "core/platform/Messages.h"
#include "core/platform/Sons.h"

#include <QLineEdit>
#include <QPushButton>

TEnregNive::TEnregNive(QWidget* parent) : TDialogueAjout(parent) {
    setObjectName(QStringLiteral("EnregNive"));
    setWindowTitle(QStringLiteral("EnregNive"));

    Edit2 = Champ(Label1, QStringLiteral("Label1"), QStringLiteral("Code :"), QStringLiteral("Edit2"), 10);
    Edit3 = Champ(Label2, QStringLiteral("Label2"), QStringLiteral("Libellé :"), QStringLiteral("Edit3"), 40);
    // Nobody types here: the limit of ten characters would only cut the name the wizard shows, so the field
    // takes the whole of it.
    EditNiveauPrecedent = Champ(Label3, QStringLiteral("Label3"), QStringLiteral("Niveau précédent :"),
                                QStringLiteral("EditNiveauPrecedent"), 32767);
    EditNiveauPrecedent->setReadOnly(true);
    EditNiveauPrecedent->setEnabled(false);

    BitBtn1 = Bouton(QStringLiteral("BitBtn1"), QStringLiteral("&Valider"), true);
    BitBtn7 = Bouton(QStringLiteral("BitBtn7"), QStringLiteral("&Annuler"), false);
    connect(BitBtn1, &QPushButton::clicked, this, &TEnregNive::BitBtn1Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TEnregNive::BitBtn7Click);
}

TEnregNive::~TEnregNive() {}

void TEnregNive::AfficherNiveauPrecedent(const TCNiveau* Dernier) {
    EditNiveauPrecedent->setText(Dernier == nullptr ? QStringLiteral("Aucun") : Dernier->GetNom());
}

void TEnregNive::BitBtn1Click() {
    if (Edit2->text().isEmpty()) {
        Sons().Jouer(SonEchec);
        Messages().Information(QStringLiteral("Veuillez saisir le code du niveau"));
        return;
    }
    if (Edit3->text().isEmpty()) {
        Sons().Jouer(SonEchec);
        Messages().Information(QStringLiteral("Veuillez saisir le libellé du niveau"));
        return;
    }
    if (!Appel) {
        try {
            if (NiveauExistant(Edit2->text(), Edit3->text())) {
                Sons().Jouer(SonEchec);
                Messages().Erreur(QStringLiteral("Il existe un niveau portant ce Nom ou ce Code."));
                return;
            }
            EnregistrerNiveau(Edit2->text(), Edit3->text(), OrdreCourant);
        } catch (const EKorven& e) {
            // Nothing was stored: the window stays open for another try.
            Messages().Erreur(e.Message());
            return;
        }
    }
    Sons().Jouer(SonSucces);
    accept();
}

void TEnregNive::BitBtn7Click() {
    reject();
}

void TEnregNive::done(int resultat) {
    if (!Appel) {
        Edit2->clear();
        Edit3->clear();
    }
    setAttribute(Qt::WA_DeleteOnClose, !Appel);
    TDialogueAjout::done(resultat);
}
