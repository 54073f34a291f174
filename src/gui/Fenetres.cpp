#include "gui/Fenetres.h"

#include "core/data/OBDataModuleU.h"
#include "gui/journal/JournalU.h"
#include "gui/journal/UniteImprimeJournal.h"
#include "gui/login/Upassword.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"
#include "gui/wizard/dialogs/UniteNouveauDepartement.h"
#include "gui/wizard/dialogs/UniteNouvelleClasse.h"
#include "gui/wizard/dialogs/UniteNouvelleMatiere.h"
#include "gui/wizard/dialogs/enregniveU.h"

void CreerFenetres() {
    new TPassword;
    new TJournal;
    new TFormNouveauDepartement;
    new TFormNouvelleClasse;
    new TFormNouvelleMatiere;
    new TEnregNive;
    new TImprimeJournal;
    new TOBDataModule;
    new TFAssistantNouvelleAnnee;
}

void DetruireFenetres() {
    // Each window clears its global pointer when it goes.
    delete FAssistantNouvelleAnnee;
    delete OBDataModule;
    delete ImprimeJournal;
    delete EnregNive;
    delete FormNouvelleMatiere;
    delete FormNouvelleClasse;
    delete FormNouveauDepartement;
    delete Journal;
    delete Password;
}
