#include "gui/Fenetres.h"

#include "base/KORVENTypesU.h"
#include "core/data/OBDataModuleU.h"
#include "core/platform/FinApplication.h"
#include "core/platform/Messages.h"
#include "core/platform/Sons.h"
#include "core/transition/ChangementAnnee.h"
#include "gui/journal/JournalU.h"
#include "gui/journal/UniteImprimeJournal.h"
#include "gui/login/Upassword.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"
#include "gui/wizard/dialogs/UniteNouveauDepartement.h"
#include "gui/wizard/dialogs/UniteNouvelleClasse.h"
#include "gui/wizard/dialogs/UniteNouvelleMatiere.h"
#include "gui/wizard/dialogs/enregniveU.h"

TFenetres::TFenetres()
    : login_(std::make_unique<TPassword>()), journal_(std::make_unique<TJournal>()),
      departement_(std::make_unique<TFormNouveauDepartement>()),
      classe_(std::make_unique<TFormNouvelleClasse>()), matiere_(std::make_unique<TFormNouvelleMatiere>()),
      niveau_(std::make_unique<TEnregNive>()), rapport_(std::make_unique<TImprimeJournal>()),
      module_(std::make_unique<TOBDataModule>()) {
    login_->SessionOuverte = [this](std::unique_ptr<TChangementAnnee> changement) {
        OuvrirAssistant(std::move(changement));
    };
}

// In the reverse order of their making; the wizard (and the change it shows) first.
TFenetres::~TFenetres() {
    assistant_.reset();
    changement_.reset();
    module_.reset();
    rapport_.reset();
    niveau_.reset();
    matiere_.reset();
    classe_.reset();
    departement_.reset();
    journal_.reset();
    login_.reset();
}

void TFenetres::OuvrirAssistant(std::unique_ptr<TChangementAnnee> changement) {
    assistant_.reset();
    changement_ = std::move(changement);
    assistant_ = std::make_unique<TFAssistantNouvelleAnnee>(*changement_, journal_.get());
    try {
        assistant_->Remplir();
    } catch (const EKorven& e) {
        Messages().Erreur(e.Message());
        assistant_.reset();
        changement_.reset();
        return;
    }
    login_->hide();
    assistant_->exec();
    Sons().Jouer(SonOuverture);
    // The login window is not shown again: once the wizard is closed, nothing is left to do.
    FinApplication().Terminer();
}
