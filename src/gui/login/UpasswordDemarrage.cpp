// The start-up check, as the login window runs it: core's check does the work; the window keeps the values it
// found in the wizard, shows its message and ends the application when it cannot go on.
#include "gui/login/Upassword.h"

#include "base/KORVENFonctionsU.h"
#include "core/data/OBDataModuleU.h"
#include "core/platform/FinApplication.h"
#include "core/platform/Messages.h"
#include "core/session/Demarrage.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"

#include <QTimer>

void TPassword::Timer1Timer() {
    Timer1->stop();

    const TDemarrage d = VerifierDemarrage(*OBDataModule, GetFichierConfiguration());

    TFAssistantNouvelleAnnee* assistant = FAssistantNouvelleAnnee;
    assistant->BDKorven = d.BDKorven;
    assistant->ServeurKorven = d.ServeurKorven;
    assistant->PortKorven = d.PortKorven;
    assistant->UtilisateurKorven = d.UtilisateurKorven;
    assistant->MotDePasseKorven = d.MotDePasseKorven;
    assistant->AnneeCourante = d.AnneeCourante;
    assistant->NomEtablissement = d.NomEtablissement;
    assistant->Serveur = d.Serveur;
    assistant->Port = d.Port;
    assistant->Utilisateur = d.Utilisateur;
    assistant->MotDePasse = d.MotDePasse;
    assistant->BaseDeDonnees = d.BaseDeDonnees;

    if (!d.Message.isEmpty())
        Messages().Erreur(d.Message);
    if (d.Issue == TIssueDemarrage::Fatal)
        FinApplication().TerminerEnEchec();
}
