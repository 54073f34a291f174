#include "core/transition/TransitionAnnee.h"

#include "base/KORVENFonctionsU.h"
#include "base/KORVENTypesU.h"
#include "core/data/HeureServeur.h"
#include "core/data/OBDataModuleU.h"
#include "core/data/Requete.h"
#include "core/journal/EcritureJournal.h"
#include "core/model/OutilsModele.h"
#include "core/platform/FinApplication.h"
#include "core/platform/Messages.h"
#include "core/transition/EtapesTransition.h"
#include "core/transition/TransfertEleves.h"

namespace {

const QString FormatDate = QStringLiteral("yyyy/MM/dd");

// The tables the transition writes in the new year's database.
const QStringList TablesEcrites = {QStringLiteral("configuration"),
                                   QStringLiteral("utilisateur"),
                                   QStringLiteral("droits"),
                                   QStringLiteral("heures"),
                                   QStringLiteral("series"),
                                   QStringLiteral("examens"),
                                   QStringLiteral("examens_series"),
                                   QStringLiteral("langue"),
                                   QStringLiteral("section"),
                                   QStringLiteral("niveau"),
                                   QStringLiteral("salle"),
                                   QStringLiteral("appreciations"),
                                   QStringLiteral("generation_matricule"),
                                   QStringLiteral("departement"),
                                   QStringLiteral("lecon"),
                                   QStringLiteral("grade"),
                                   QStringLiteral("fonction"),
                                   QStringLiteral("personne"),
                                   QStringLiteral("personnel"),
                                   QStringLiteral("classe"),
                                   QStringLiteral("matiere"),
                                   QStringLiteral("eleve"),
                                   QStringLiteral("photos"),
                                   QStringLiteral("classe_lecon"),
                                   QStringLiteral("classe_matiere"),
                                   QStringLiteral("frais"),
                                   QStringLiteral("frais_niveau"),
                                   QStringLiteral("tranche"),
                                   QStringLiteral("banque"),
                                   QStringLiteral("tranche_eleve"),
                                   QStringLiteral("catcharge"),
                                   QStringLiteral("charge"),
                                   QStringLiteral("motif_reduction"),
                                   QStringLiteral("cotes"),
                                   QStringLiteral("parametres"),
                                   QStringLiteral("journal")};

// What each copy does, as the progress display shows it.
QString LibelleCopie(int numero) {
    switch (numero) {
    case 9:
        return QStringLiteral("Configuration de l'établissement");
    case 10:
        return QStringLiteral("Utilisateurs");
    case 11:
        return QStringLiteral("Droits des utilisateurs");
    case 12:
        return QStringLiteral("Plages horaires");
    case 13:
        return QStringLiteral("Séries");
    case 14:
        return QStringLiteral("Examens");
    case 15:
        return QStringLiteral("Séries des examens");
    case 16:
        return QStringLiteral("Langues");
    case 17:
        return QStringLiteral("Sections");
    case 18:
        return QStringLiteral("Niveaux d'étude");
    case 19:
        return QStringLiteral("Salles");
    case 20:
        return QStringLiteral("Appréciations");
    case 21:
        return QStringLiteral("Formats de matricule");
    case 22:
        return QStringLiteral("Départements");
    case 23:
        return QStringLiteral("Leçons");
    case 24:
        return QStringLiteral("Grades");
    case 25:
        return QStringLiteral("Fonctions du personnel");
    case 26:
        return QStringLiteral("Identité du personnel");
    case 27:
        return QStringLiteral("Personnel");
    case 28:
        return QStringLiteral("Classes");
    case 29:
        return QStringLiteral("Matières");
    case 31:
        return QStringLiteral("Photos");
    case 32:
        return QStringLiteral("Effectifs des classes");
    case 33:
        return QStringLiteral("Leçons par classe");
    case 34:
        return QStringLiteral("Matières par classe");
    case 35:
        return QStringLiteral("Frais");
    case 36:
        return QStringLiteral("Frais par niveau");
    case 37:
        return QStringLiteral("Tranches des frais");
    case 38:
        return QStringLiteral("Banques");
    case 39:
        return QStringLiteral("Tranches par élève");
    case 40:
        return QStringLiteral("Catégories de charges");
    case 41:
        return QStringLiteral("Charges");
    case 42:
        return QStringLiteral("Motifs de réduction");
    case 43:
        return QStringLiteral("Cotes");
    case 44:
        return QStringLiteral("Paramètres");
    default:
        return QString();
    }
}

void Informer(const QString& texte) {
    if (!texte.isEmpty())
        Messages().Information(texte);
}

} // namespace

QStringList TablesNonTransactionnelles(const QString& nouvelleBase) {
    TRequete requete(OBDataModule->OBSQLConnection, QStringLiteral("ProviderDonneeMoteursTransition"));
    QStringList noms;
    for (const QString& table : TablesEcrites)
        noms << QLatin1Char('\'') + table + QLatin1Char('\'');
    TClientDataSet& tables = requete.Ouvrir(
        {QStringLiteral("SELECT CONCAT(T.TABLE_SCHEMA, '.', T.TABLE_NAME) AS nom"),
         QStringLiteral("FROM information_schema.TABLES T LEFT JOIN information_schema.ENGINES E ON E.ENGINE "
                        "= T.ENGINE"),
         QStringLiteral("WHERE ((T.TABLE_SCHEMA = :base AND LOWER(T.TABLE_NAME) IN (") +
             noms.join(QLatin1Char(',')) + QStringLiteral("))"),
         QStringLiteral("   OR (T.TABLE_SCHEMA = 'korven' AND LOWER(T.TABLE_NAME) = 'annee_scolaire'))"),
         QStringLiteral("  AND COALESCE(E.TRANSACTIONS, 'NO') <> 'YES'"), QStringLiteral("ORDER BY nom")},
        {{QStringLiteral("base"), nouvelleBase}});
    QStringList resultat;
    for (tables.First(); !tables.Eof(); tables.Next())
        resultat << tables.FieldByName(QStringLiteral("nom")).AsString();
    return resultat;
}

void TTransitionAnnee::Etape(int numero, const QString& libelle) {
    if (Progression)
        Progression(numero, libelle, NombreEtapes - numero);
}

void TTransitionAnnee::Instruction(const QStringList& lignes, const TParams& parametres) {
    TSQLQuery* requete = OBDataModule->SQLQuery1;
    requete->Preparer(lignes, parametres);
    requete->ExecSQL();
}

bool TTransitionAnnee::Executer(const TParametresTransition& p) {
    // Connection switch.
    Etape(1, QStringLiteral("Connexion à la nouvelle base de données"));
    NouvelleBD = NomBaseAnnee(p.NouvelleAnnee);
    QString ancienneBase;
    try {
        // Both names are written into the statements as they are: only plain names may go there.
        Modele::BaseAnnee(p.NouvelleAnnee);
        ancienneBase = Modele::BaseAnnee(p.AnneeCourante);
    } catch (const EKorven& e) {
        Messages().Erreur(QStringLiteral("Une erreur est survenue : \r\n") + e.Message());
        return false;
    }
    TSQLConnection* connexion = OBDataModule->OBSQLConnection;
    connexion->Close();
    connexion->Params = {
        QStringLiteral("drivername=MYSQL"),           QStringLiteral("Database=") + NouvelleBD,
        QStringLiteral("hostname=") + p.Serveur,      QStringLiteral("password=") + p.MotDePasse,
        QStringLiteral("user_name=") + p.Utilisateur, QStringLiteral("port=") + p.Port};
    try {
        connexion->Open();
        connexion->Close();
    } catch (const EKorven& e) {
        connexion->Close();
        Messages().Erreur(QStringLiteral("Impossible de se connecter à la base de données : \r\n") +
                          e.Message());
        return false;
    }
    Messages().Information(QStringLiteral("Connexion réussie à la base de donnée."));

    // Rows written to a table without transactions would survive a rollback: refuse before writing anything.
    try {
        const QStringList tables = TablesNonTransactionnelles(NouvelleBD);
        if (!tables.isEmpty()) {
            Messages().Erreur(
                QStringLiteral(
                    "Le changement d'année scolaire est impossible : ces tables ne prennent pas en charge "
                    "les transactions, et une erreur y laisserait des données à moitié écrites :\r\n") +
                tables.join(QStringLiteral(", ")) +
                QStringLiteral(
                    "\r\nConvertissez-les au moteur InnoDB, puis recommencez. Rien n'a été modifié."));
            return false;
        }
    } catch (const EKorven& e) {
        connexion->Close();
        Messages().Erreur(QStringLiteral("Une erreur est survenue : \r\n") + e.Message());
        return false;
    }

    try {
        Etape(6, QStringLiteral("Ouverture de la transaction"));
        OBDataModule->StartTransaction();

        Etape(7, QStringLiteral("Clôture de l'année scolaire %1").arg(p.AnneeCourante));
        Instruction(
            {QStringLiteral("UPDATE korven.annee_scolaire set active = :active, date_fin = :date_fin WHERE "
                            "active = '1' ")},
            {{QStringLiteral("active"), QStringLiteral("0")},
             {QStringLiteral("date_fin"), GetDateHeureServeur().toString(FormatDate)}});

        Etape(8, QStringLiteral("Ouverture de l'année scolaire %1").arg(p.NouvelleAnnee));
        Instruction(
            {QStringLiteral("INSERT INTO korven.annee_scolaire(code, active, date_debut, nom_etablissement) "
                            "VALUE(:code, :active, :date_debut, :nom_etablissement)")},
            {{QStringLiteral("code"), p.NouvelleAnnee},
             {QStringLiteral("active"), QStringLiteral("1")},
             {QStringLiteral("date_debut"), GetDateHeureServeur().toString(FormatDate)},
             {QStringLiteral("nom_etablissement"), p.NomEtablissement}});

        const QList<TEtapeCopie> copies = EtapesCopie(ancienneBase);
        for (const TEtapeCopie& copie : copies) {
            if (copie.Numero == 31 && p.Eleves) {
                Etape(30, QStringLiteral("Élèves"));
                static const TDictionnairePlacement aucunPlacement;
                static const TDictionnaireEleves aucunEleve;
                TransfererEleves(OBDataModule->SQLQuery1,
                                 p.DictionnaireElevesNew ? *p.DictionnaireElevesNew : aucunPlacement,
                                 p.DictionnaireEleves ? *p.DictionnaireEleves : aucunEleve,
                                 QStringLiteral("0"));
                Messages().Information(QStringLiteral("Transfert des Eleves terminé"));
            }
            Etape(copie.Numero, LibelleCopie(copie.Numero));
            Instruction(copie.Lignes);
            Informer(copie.Boite);
        }

        Etape(45, QStringLiteral("Journal des opérations"));
        TEcritureJournal journal;
        journal.UpdateJournal(
            p.Login, QStringLiteral("Activation de la nouvelle année scolaire avec les paramétrages de base"),
            QStringLiteral("Ajout"), QStringLiteral("Administration de la Base de donnees"));

        Etape(46, QStringLiteral("Validation de la transaction"));
        OBDataModule->CommitTransaction();
    } catch (const std::exception& e) {
        const auto* erreur = dynamic_cast<const EKorven*>(&e);
        const QString texte = erreur ? erreur->Message() : QString::fromUtf8(e.what());
        try {
            OBDataModule->RollbackTransaction();
        } catch (const EKorven&) {
            // A lost connection has ended the transaction on the server already.
        }
        Messages().Erreur(QStringLiteral("Une erreur est survenue : \r\n") + texte);
        return false;
    }

    Etape(47, QStringLiteral("Terminé"));
    Messages().Information(
        QStringLiteral("Le processus de changement d'année scolaire est à présent terminé.\r\n"
                       "L'application va être redémarrée."));
    Etape(48, QStringLiteral("Redémarrage de l'application"));
    FinApplication().Redemarrer();
    return true;
}
