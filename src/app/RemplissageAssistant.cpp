#include "app/RemplissageAssistant.h"

#include "app/KORVENFonctionsU.h"
#include "app/KORVENTypesU.h"
#include "app/Upassword.h"
#include "platform/FinApplication.h"
#include "platform/Messages.h"
#include "platform/Sons.h"
#include "wizard/UAssistantNouvelleAnnee.h"

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
