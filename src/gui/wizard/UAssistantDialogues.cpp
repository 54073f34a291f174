// The "Ajouter" buttons of the levels, subjects and departments pages: each press makes a new window owned by
// the wizard and shows it modally.
#include "gui/wizard/UAssistantNouvelleAnnee.h"

#include "core/model/UniteCNiveau.h"
#include "gui/wizard/Garde.h"
#include "gui/wizard/ListeCochee.h"
#include "gui/wizard/dialogs/UniteNouveauDepartement.h"
#include "gui/wizard/dialogs/UniteNouvelleMatiere.h"
#include "gui/wizard/dialogs/enregniveU.h"

#include <QPointer>

void TFAssistantNouvelleAnnee::ButtonNiveauAjouterClick() {
    Garder([this] {
        QPointer<TEnregNive> fenetre = new TEnregNive(this);
        fenetre->Appel = true;
        const TModeleCoches& niveaux = *CheckListBoxNiveaux->Modele;
        fenetre->AfficherNiveauPrecedent(
            niveaux.Nombre() == 0 ? nullptr
                                  : static_cast<const TCNiveau*>(niveaux.At(niveaux.Nombre() - 1).Objet));
        fenetre->exec();
        CheckListBoxNiveaux->Modele->CocherTout(true);
        CheckListBoxNiveaux->MettreBoiteAJour();
        // Only hidden when it closes: the wizard keeps no reference to it.
        delete fenetre.data();
    });
}

void TFAssistantNouvelleAnnee::ButtonMatiereAjouterClick() {
    Garder([this] {
        // It releases itself once closed.
        auto* fenetre = new TFormNouvelleMatiere(this);
        fenetre->setWindowTitle(TFormNouvelleMatiere::Titre());
        fenetre->exec();
    });
}

void TFAssistantNouvelleAnnee::ButtonDepartementAjouterClick() {
    Garder([this] {
        QPointer<TFormNouveauDepartement> fenetre = new TFormNouveauDepartement(this);
        fenetre->setWindowTitle(TFormNouveauDepartement::Titre());
        fenetre->exec();
        delete fenetre.data();
    });
}
