#include "core/session/Identification.h"

#include "base/KorvenUtils.h"
#include "core/data/OBDataModuleU.h"

namespace {

// Runs a statement on the shared read chain and leaves its rows there.
TClientDataSet* Lire(const QStringList& lignes, const TParams& parametres = {}) {
    OBDataModule->SQLQueryDonnees1->Preparer(lignes, parametres);
    TClientDataSet* resultat = OBDataModule->ClientDataSetDonnees1;
    resultat->Close();
    resultat->Open();
    return resultat;
}

} // namespace

TCompte ChercherCompte(const QString& login, const QString& motDePasse) {
    TClientDataSet* compte =
        Lire({QStringLiteral("SELECT nom, login, etat  FROM utilisateur WHERE login = ") + ChaineSQL(login) +
              QStringLiteral(" AND pass = sha1(:pas)")},
             {{QStringLiteral("pas"), motDePasse}});
    TCompte trouve;
    if (compte->IsEmpty())
        return trouve;
    trouve.Trouve = true;
    trouve.Nom = compte->FieldByName(QStringLiteral("nom")).AsString();
    trouve.Etat = compte->FieldByName(QStringLiteral("etat")).AsString();
    return trouve;
}

TIssueTentative EvaluerTentative(const TCompte& compte, const QString& login, int n) {
    const QString prefixe =
        QLatin1Char('[') + login + QStringLiteral("] - Solvane - Tentative de connexion, ");
    TIssueTentative issue;
    if (!compte.Trouve) {
        issue.Issue = TIssueTentative::Refusee;
        issue.LibelleJournal = prefixe + QStringLiteral("Essai %1. Login ou mot de passe incorrect.").arg(n);
        issue.Fin = n == 5;
        issue.ViderMotDePasse = !issue.Fin;
        if (!issue.Fin)
            issue.Message = n == 3 ? QStringLiteral("Nom d'utilisateur ou mot de passe incorrect...\r\n"
                                                    "Il vous reste 2 essais...")
                                   : QStringLiteral("Nom d'utilisateur ou mot de passe incorrect...");
        return issue;
    }
    if (compte.Etat == QStringLiteral("0")) {
        issue.Issue = TIssueTentative::Desactivee;
        issue.LibelleJournal = prefixe + QStringLiteral("Essai %1. Compte désactivé.").arg(n);
        issue.Fin = n == 5;
        if (!issue.Fin)
            issue.Message = n == 3 ? QStringLiteral("Votre compte n'est pas opérationnel...\r\n"
                                                    "Il vous reste 2 essais...")
                                   : QStringLiteral("Votre compte n'est pas opérationnel...");
        return issue;
    }
    issue.Issue = TIssueTentative::Acceptee;
    issue.LibelleJournal = prefixe + QStringLiteral("Nombre d'essais: %1. Connexion réussie.").arg(n);
    return issue;
}

QString NomEtablissementConfiguration() {
    TClientDataSet* configuration =
        Lire({QStringLiteral("SELECT nom_fr, nom_en, devise_fr, devise_en, logo FROM configuration")});
    return configuration->IsEmpty() ? QString()
                                    : configuration->FieldByName(QStringLiteral("nom_fr")).AsString();
}

bool PossedeDroitActivation(const QString& login) {
    TClientDataSet* droits =
        Lire({QStringLiteral("SELECT droit FROM droits WHERE utilisateur = ") + ChaineSQL(login) +
              QStringLiteral(" AND droit = ") + ChaineSQL(DroitActivation)});
    return !droits->IsEmpty();
}

void FermerLectureConnexion() {
    OBDataModule->ClientDataSetDonnees1->Close();
    OBDataModule->SQLQueryDonnees1->Close();
}
