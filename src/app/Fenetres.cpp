#include "app/Fenetres.h"

#include "app/OBDataModuleU.h"
#include "app/Upassword.h"
#include "journal/JournalU.h"
#include "journal/UniteImprimeJournal.h"
#include "wizard/UAssistantNouvelleAnnee.h"
#include "wizard/UniteNouveauDepartement.h"
#include "wizard/UniteNouvelleClasse.h"
#include "wizard/UniteNouvelleMatiere.h"
#include "wizard/enregniveU.h"

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
