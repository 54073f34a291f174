// The start-up check: configuration file, master connection, the one active year, the year connection.
#include "gui/login/Upassword.h"

#include "base/Chiffrement.h"
#include "base/FichierIni.h"
#include "base/KORVENFonctionsU.h"
#include "base/KORVENTypesU.h"
#include "core/data/OBDataModuleU.h"
#include "core/platform/FinApplication.h"
#include "core/platform/Messages.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"

#include <QFileInfo>
#include <QTimer>

namespace {

const QString MessageConnexion =
    QStringLiteral("Impossible de se connecter au serveur de base de données.\r\n"
                   "Paramètres de connexion incorrectes.\r\n\r\n");

// Closes the connection, empties its list and adds the lines host, database, user, port, password.
void Configurer(TSQLConnection* connexion, const QString& hote, const QString& base,
                const QString& utilisateur, const QString& port, const QString& motDePasse) {
    connexion->Close();
    connexion->Params.clear();
    connexion->Params << QStringLiteral("HostName=") + hote << QStringLiteral("Database=") + base
                      << QStringLiteral("User_Name=") + utilisateur << QStringLiteral("Port=") + port
                      << QStringLiteral("Password=") + motDePasse;
}

// Opens and closes the connection at once; on failure shows the connection message and ends the
// application. Returns whether the connection answered.
bool Tester(TSQLConnection* connexion) {
    try {
        connexion->Open();
        connexion->Close();
        return true;
    } catch (const EKorven& e) {
        connexion->Close();
        Messages().Erreur(MessageConnexion + e.Message());
        FinApplication().Terminer();
        return false;
    }
}

} // namespace

void TPassword::Timer1Timer() {
    Timer1->stop();

    const QString chemin = GetFichierConfiguration();
    if (!QFileInfo(chemin).isFile()) {
        Messages().Erreur(QStringLiteral("Le fichier de configuration est introuvable."));
        FinApplication().Terminer();
        return;
    }

    TFAssistantNouvelleAnnee* assistant = FAssistantNouvelleAnnee;
    {
        const TFichierIni fichier(chemin);
        const auto lire = [&fichier](const char* cle) {
            return DecrypterTexte(fichier.LireChaine(QStringLiteral("database"), QString::fromLatin1(cle)),
                                  PhraseSecrete);
        };
        assistant->BDKorven = lire("name");
        assistant->ServeurKorven = lire("server");
        assistant->PortKorven = lire("port");
        assistant->UtilisateurKorven = lire("user");
        assistant->MotDePasseKorven = lire("password");
    }

    try {
        TSQLConnection* maitre = OBDataModule->OBOrbelanSQLConnection;
        Configurer(maitre, assistant->ServeurKorven, assistant->BDKorven, assistant->UtilisateurKorven,
                   assistant->PortKorven, assistant->MotDePasseKorven);
        if (!Tester(maitre))
            return;

        TSQLQuery* requete = OBDataModule->OrbelanSQLQueryDonnee;
        TClientDataSet* annees = OBDataModule->OrbelanClientDataSetDonnee;
        requete->Preparer({QStringLiteral(
            "SELECT code, active, nom_etablissement FROM annee_scolaire WHERE active = '1'")});
        annees->Close();
        annees->Open();
        if (annees->IsEmpty()) {
            Messages().Erreur(QStringLiteral("Aucune année n'est active, l'application va se terminer"));
            FinApplication().Terminer();
            return;
        }
        if (annees->RecordCount() > 1) {
            Messages().Erreur(QStringLiteral("Il y a plus d'une année, l'application va se terminer."));
            FinApplication().Terminer();
            return;
        }
        assistant->AnneeCourante = annees->FieldByName(QStringLiteral("code")).AsString();
        assistant->Serveur = assistant->ServeurKorven;
        assistant->Utilisateur = assistant->UtilisateurKorven;
        assistant->MotDePasse = assistant->MotDePasseKorven;
        assistant->BaseDeDonnees = NomBaseAnnee(assistant->AnneeCourante);
        assistant->Port = assistant->PortKorven;
        assistant->NomEtablissement = annees->FieldByName(QStringLiteral("nom_etablissement")).AsString();
        OBDataModule->CloseAllDataSet();
    } catch (const EKorven& e) {
        Messages().Erreur(QStringLiteral("Une erreur est survenue : \r\n") + e.Message());
        return;
    }

    Configurer(OBDataModule->OBSQLConnection, assistant->Serveur, assistant->BaseDeDonnees,
               assistant->Utilisateur, assistant->Port, assistant->MotDePasse);
    Tester(OBDataModule->OBSQLConnection);
}
