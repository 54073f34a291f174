// The "Ajouter" buttons of the levels, subjects and departments pages.
#include "gui/wizard/UAssistantNouvelleAnnee.h"

#include "gui/wizard/Garde.h"
#include "gui/wizard/ListeCochee.h"
#include "gui/wizard/dialogs/UniteNouveauDepartement.h"
#include "gui/wizard/dialogs/UniteNouvelleMatiere.h"
#include "gui/wizard/dialogs/enregniveU.h"

void TFAssistantNouvelleAnnee::ButtonNiveauAjouterClick() {
    Garder([this] {
        TEnregNive fenetre(this);
        fenetre.exec();
        CheckListBoxNiveaux->Modele->CocherTout(true);
        CheckListBoxNiveaux->MettreBoiteAJour();
    });
}

void TFAssistantNouvelleAnnee::ButtonMatiereAjouterClick() {
    Garder([this] {
        TFormNouvelleMatiere fenetre(this);
        fenetre.exec();
    });
}

void TFAssistantNouvelleAnnee::ButtonDepartementAjouterClick() {
    Garder([this] {
        TFormNouveauDepartement fenetre(this);
        fenetre.exec();
    });
}
