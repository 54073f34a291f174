// Sign-in: the five tries, the journal entries, the right to activate a school year.
#include "gui/login/Upassword.h"

#include "base/KORVENTypesU.h"
#include "base/KorvenUtils.h"
#include "core/data/OBDataModuleU.h"
#include "core/platform/FinApplication.h"
#include "core/platform/Messages.h"
#include "core/platform/Sons.h"
#include "gui/journal/JournalU.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"

#include <QGuiApplication>
#include <QLineEdit>

namespace {

const QString Operation = QStringLiteral("Connexion");
const QString Domaine = QStringLiteral("Administration de la Base de donnees");
const QString DroitRequis = QStringLiteral("ACTIVER_ANNEE_SCOLAIRE");

// Runs a statement on the shared read chain and leaves its rows there.
TClientDataSet* Lire(const QStringList& lignes, const TParams& parametres = {}) {
    OBDataModule->SQLQueryDonnees1->Preparer(lignes, parametres);
    TClientDataSet* resultat = OBDataModule->ClientDataSetDonnees1;
    resultat->Close();
    resultat->Open();
    return resultat;
}

} // namespace

void TPassword::BitBtn1Click() {
    TFAssistantNouvelleAnnee* assistant = FAssistantNouvelleAnnee;
    const QString login = EditLogin->text();
    assistant->Login = login;

    TClientDataSet* compte = nullptr;
    try {
        compte = Lire({QStringLiteral("SELECT nom, login, etat  FROM utilisateur WHERE login = ") +
                       ChaineSQL(login) + QStringLiteral(" AND pass = sha1(:pas)")},
                      {{QStringLiteral("pas"), EditPassword->text()}});
    } catch (const EKorven& e) {
        // The attempt is not counted: nothing was checked.
        Messages().Erreur(e.Message());
        return;
    }

    const int n = ++NombreEssais;
    const QString prefixe =
        QLatin1Char('[') + login + QStringLiteral("] - Solvane - Tentative de connexion, ");

    if (compte->IsEmpty()) {
        Journal->UpdateJournal(login,
                               prefixe + QStringLiteral("Essai %1. Login ou mot de passe incorrect.").arg(n),
                               Operation, Domaine);
        Sons().Jouer(SonEchec);
        if (n == 5) {
            FinApplication().Terminer();
            return;
        }
        EditPassword->clear();
        EditPassword->setFocus();
        Messages().Erreur(n == 3 ? QStringLiteral("Nom d'utilisateur ou mot de passe incorrect...\r\n"
                                                  "Il vous reste 2 essais...")
                                 : QStringLiteral("Nom d'utilisateur ou mot de passe incorrect..."));
        return;
    }

    if (compte->FieldByName(QStringLiteral("etat")).AsString() == QStringLiteral("0")) {
        Journal->UpdateJournal(login, prefixe + QStringLiteral("Essai %1. Compte désactivé.").arg(n),
                               Operation, Domaine);
        Sons().Jouer(SonEchec);
        if (n == 5) {
            FinApplication().Terminer();
            return;
        }
        Messages().Erreur(n == 3 ? QStringLiteral("Votre compte n'est pas opérationnel...\r\n"
                                                  "Il vous reste 2 essais...")
                                 : QStringLiteral("Votre compte n'est pas opérationnel..."));
        return;
    }

    Journal->UpdateJournal(login, prefixe + QStringLiteral("Nombre d'essais: %1. Connexion réussie.").arg(n),
                           Operation, Domaine);
    assistant->Login = login;
    assistant->Password = EditPassword->text();
    assistant->Name = compte->FieldByName(QStringLiteral("nom")).AsString();

    try {
        TClientDataSet* configuration =
            Lire({QStringLiteral("SELECT nom_fr, nom_en, devise_fr, devise_en, logo FROM configuration")});
        const QString nomEcole = configuration->IsEmpty()
                                     ? QString()
                                     : configuration->FieldByName(QStringLiteral("nom_fr")).AsString();
        QGuiApplication::setApplicationDisplayName(QGuiApplication::applicationDisplayName() +
                                                   QStringLiteral(" - ") + nomEcole);

        TClientDataSet* droits =
            Lire({QStringLiteral("SELECT droit FROM droits WHERE utilisateur = ") +
                  ChaineSQL(assistant->Login) + QStringLiteral(" AND droit = ") + ChaineSQL(DroitRequis)});
        if (droits->IsEmpty()) {
            Messages().Erreur(
                QStringLiteral("Vous ne disposez pas de privillèges pour exécuter ce programme."));
            FinApplication().Terminer();
            return;
        }
        OBDataModule->ClientDataSetDonnees1->Close();
        OBDataModule->SQLQueryDonnees1->Close();
    } catch (const EKorven& e) {
        Messages().Erreur(e.Message());
        return;
    }

    RemplirAssistant();
}

void TPassword::BitBtn2Click() {
    EditLogin->clear();
    EditPassword->clear();
    EditLogin->setFocus();
}

void TPassword::BitBtn3Click() {
    if (Messages().Confirmation(QStringLiteral("Êtes-vous sûr de vouloir fermer le logiciel ?")))
        FinApplication().Terminer();
}
