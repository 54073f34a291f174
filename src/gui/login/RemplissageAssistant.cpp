#include "gui/login/RemplissageAssistant.h"

#include "base/KORVENFonctionsU.h"
#include "base/KORVENTypesU.h"
#include "core/platform/FinApplication.h"
#include "core/platform/Messages.h"
#include "core/platform/Sons.h"
#include "gui/login/Upassword.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"

#include <QLineEdit>

void RemplirEtOuvrirAssistant(TPassword* fenetreLogin) {
    TFAssistantNouvelleAnnee* assistant = FAssistantNouvelleAnnee;
    if (assistant == nullptr)
        return;
    try {
        assistant->EditAnneeScolaire->setText(GetAnneeScolaireSuivante(assistant->AnneeCourante));
    } catch (const EKorven& e) {
        Messages().Erreur(QStringLiteral("Une erreur est survenue : \r\n") + e.Message());
        return;
    }
    Sons().Jouer(SonOuverture);
    fenetreLogin->hide();
    assistant->exec();
    // The login window is not shown again: once the wizard is closed, nothing is left to do.
    FinApplication().Terminer();
}
