#include "core/transition/TransitionAnnee.h"

#include "base/KORVENFonctionsU.h"
#include "base/KORVENTypesU.h"
#include "core/data/HeureServeur.h"
#include "core/data/OBDataModuleU.h"
#include "core/data/Requete.h"
#include "core/document/EnteteDocument.h"
#include "core/journal/EcritureJournal.h"
#include "core/model/OutilsModele.h"
#include "core/platform/FinApplication.h"
#include "core/platform/Messages.h"
#include "core/platform/Poste.h"
#include "core/transition/BilanTransition.h"
#include "core/transition/EmpreinteAnnee.h"
#include "core/transition/EtapesTransition.h"
#include "core/transition/RapportTransition.h"
#include "core/transition/Reprise.h"
#include "core/transition/TransfertEleves.h"

namespace {

const QString FormatDate = QStringLiteral("yyyy/MM/dd");

// The server's numbers for the errors the change tells apart.
constexpr int CleEnDouble = 1062;
constexpr int AttenteVerrouDepassee = 1205;
// The client library's numbers for a connection gone while a statement was under way.

const QString LibelleJournal =
    QStringLiteral("Activation de la nouvelle année scolaire avec les paramétrages de base");

// An error whose text says all the user needs, shown as it is rather than after "Une erreur est survenue".
class EMessageClair : public EKorven {
public:
    using EKorven::EKorven;
};

// The year was registered by someone else: the run is over and the program starts again, so that nobody
// goes on working on a year that is closed.
class EAnneeDejaEnregistree : public EMessageClair {
public:
    using EMessageClair::EMessageClair;
};

// The new year is in the master table already: another workstation has just made the change, or it was made
// before. Told as such rather than in the server's words about a duplicate key.
EAnneeDejaEnregistree AnneeDejaEnregistree(const QString& annee) {
    return EAnneeDejaEnregistree(
        QStringLiteral("L'année scolaire %1 est déjà enregistrée dans la base maîtresse "
                       "(korven.annee_scolaire), probablement par un autre poste.\r\nRien n'a "
                       "été modifié.")
            .arg(annee));
}

// Another session holds the master table's row past the wait: most likely another workstation in the middle
// of the same change.
EMessageClair AnneeVerrouillee() {
    return EMessageClair(
        QStringLiteral("Un autre poste est en train de changer l'année scolaire : la table des années "
                       "(korven.annee_scolaire) "
                       "reste verrouillée. Réessayez quand il aura terminé.\r\nRien n'a été modifié."));
}

// Whether the server the year connection reaches is a node of a Galera cluster.
bool EstNoeudDeGrappe() {
    try {
        TRequete requete(OBDataModule->OBSQLConnection, QStringLiteral("ProviderDonneeGrappe"));
        TClientDataSet& ds = requete.Ouvrir({QStringLiteral("SELECT @@GLOBAL.wsrep_on AS grappe")});
        return ds.FieldByName(QStringLiteral("grappe")).AsInteger() == 1;
    } catch (const EKorven&) {
        return false;
    }
}

// The students' part of the figures, from the wizard's maps when they are given. The classes come in the
// order of their level in the closing year; when that cannot be read, in the order of their code.
void BilanDesEleves(TBilanTransition& bilan, const TParametresTransition& p) {
    if (p.DictionnaireEleves == nullptr || p.Ordre == nullptr || p.DictionnaireDecisions == nullptr)
        return;
    TRangsClasses rangs;
    try {
        rangs = RangsClasses(Modele::BaseAnnee(p.AnneeCourante));
    } catch (const EKorven&) {
        // The figures are worth more than their order.
    }
    BilanEleves(bilan, *p.Ordre, *p.DictionnaireDecisions,
                p.DictionnaireElevesNew ? *p.DictionnaireElevesNew : TDictionnairePlacement(), p.Eleves,
                rangs);
}

// The counters of the tables that number their rows themselves: a rolled-back insert moves them on all the
// same, so the preview puts them back.
QList<QPair<QString, qulonglong>> CompteursAutomatiques(const QString& nouvelleBase) {
    TRequete requete(OBDataModule->OBSQLConnection, QStringLiteral("ProviderDonneeCompteursTransition"));
    TClientDataSet& tables = requete.Ouvrir(
        {QStringLiteral(
            "SELECT CONCAT('`', TABLE_SCHEMA, '`.`', TABLE_NAME, '`') AS nom, AUTO_INCREMENT AS "
            "valeur FROM information_schema.TABLES WHERE (TABLE_SCHEMA = :base OR (TABLE_SCHEMA = "
            "'korven' AND LOWER(TABLE_NAME) = 'annee_scolaire')) AND AUTO_INCREMENT IS NOT NULL")},
        {{QStringLiteral("base"), nouvelleBase}});
    QList<QPair<QString, qulonglong>> compteurs;
    for (tables.First(); !tables.Eof(); tables.Next())
        compteurs.append({tables.FieldByName(QStringLiteral("nom")).AsString(),
                          tables.FieldByName(QStringLiteral("valeur")).Valeur().toULongLong()});
    return compteurs;
}

// Whether the preview may let the server fill the empty tables of the new year in bulk: with uniqueness and
// foreign-key checks left to the end of each statement, MariaDB (from 10.6) writes one undo record per empty
// table instead of one per row, so the rollback that ends every preview is immediate instead of lasting as
// long as the inserts. Only where that changes nothing the preview must see: no foreign key on the tables of
// the new year or of korven (their checks would be off), and no change buffering (with it, unique checks
// could be put off past the statement). Anything unexpected: the plain way.
bool RemplissageEnBloc(const QString& nouvelleBase) {
    try {
        TRequete requete(OBDataModule->OBSQLConnection,
                         QStringLiteral("ProviderDonneeRemplissageTransition"));
        TClientDataSet& serveur = requete.Ouvrir(
            {QStringLiteral(
                "SELECT VERSION() AS version, @@GLOBAL.innodb_change_buffering AS tampon, (SELECT "
                "COUNT(*) FROM information_schema.REFERENTIAL_CONSTRAINTS WHERE CONSTRAINT_SCHEMA IN "
                "(:base, 'korven') OR UNIQUE_CONSTRAINT_SCHEMA IN (:base, 'korven')) AS cles")},
            {{QStringLiteral("base"), nouvelleBase}});
        const QString version = serveur.FieldByName(QStringLiteral("version")).AsString();
        const QStringList chiffres = version.section(QLatin1Char('-'), 0, 0).split(QLatin1Char('.'));
        const int majeure = chiffres.value(0).toInt();
        const int mineure = chiffres.value(1).toInt();
        return version.contains(QLatin1String("MariaDB")) &&
               (majeure > 10 || (majeure == 10 && mineure >= 6)) &&
               serveur.FieldByName(QStringLiteral("tampon"))
                       .AsString()
                       .compare(QLatin1String("none"), Qt::CaseInsensitive) == 0 &&
               serveur.FieldByName(QStringLiteral("cles")).AsInteger() == 0;
    } catch (const EKorven&) {
        return false;
    }
}

// The report of a committed change: the school's identity from the year just closed (the new year's
// parameters are only those it already had) under the new year's code, who ran it and from where.
TRapportTransition RapportDuChangement(const TParametresTransition& p, const TBilanTransition& bilan,
                                       const QDateTime& debut, const QDateTime& fin) {
    TRapportTransition rapport;
    InitDocumentsHeader(true, rapport.Entete, p.AnneeCourante);
    rapport.Entete.AnneeFr = QStringLiteral("Année scolaire: ") + p.NouvelleAnnee;
    rapport.Entete.AnneeEn = QStringLiteral("Academic year: ") + p.NouvelleAnnee;
    rapport.Utilisateur = p.NomUtilisateur.isEmpty()
                              ? p.Login
                              : p.Login + QStringLiteral(" (") + p.NomUtilisateur + QLatin1Char(')');
    try {
        rapport.Poste = GetNomMachine() + QLatin1Char('-') + GetIP();
    } catch (const EKorven&) {
        rapport.Poste = GetNomMachine();
    }
    rapport.Debut = debut;
    rapport.Fin = fin;
    rapport.AncienneAnnee = p.AnneeCourante;
    rapport.NouvelleAnnee = p.NouvelleAnnee;
    rapport.Bilan = bilan;
    return rapport;
}

} // namespace

QStringList TablesNonTransactionnelles(const QString& nouvelleBase) {
    TRequete requete(OBDataModule->OBSQLConnection, QStringLiteral("ProviderDonneeMoteursTransition"));
    QStringList noms;
    for (const QString& table : TablesEcritesTransition())
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

void TTransitionAnnee::Etape(int numero, const QString& libelle, int dernier) {
    dernier = std::max(dernier, numero);
    if (Progression)
        Progression(numero, dernier, libelle, NombreEtapesTransition() - dernier);
}

void TTransitionAnnee::Instruction(const QStringList& lignes, const TParams& parametres) {
    TSQLQuery* requete = OBDataModule->SQLQuery1;
    requete->Preparer(lignes, parametres);
    requete->ExecSQL();
}

void TTransitionAnnee::Signaler(const QString& texte) {
    if (!apercu_) {
        Messages().Erreur(texte);
        return;
    }
    // The preview says what would stop the real run, in the same words, and that nothing changed.
    const QString rien = QStringLiteral("Rien n'a été modifié.");
    bilan_.Blocage = texte.endsWith(rien) ? texte : texte + QStringLiteral("\r\n") + rien;
}

void TTransitionAnnee::Informer(const QString& texte) {
    if (apercu_ || texte.isEmpty())
        return;
    if (!InformationEtape) {
        Messages().Information(texte);
        return;
    }
    etapes_ << texte;
    InformationEtape(texte);
}

TIssueTransition TTransitionAnnee::Executer(const TParametresTransition& p) {
    apercu_ = false;
    bilan_ = TBilanTransition();
    numeroJournal_ = 0;
    etapes_.clear();
    if (!Connecter(p))
        return TIssueTransition::Echouee;
    for (int essai = 1;; ++essai) {
        try {
            OuvrirTransaction();
            Corps(p);
            Valider();
            break;
        } catch (const std::exception& e) {
            const TSuiteEchec suite = SuiteEchec(e, essai, p);
            if (suite == TSuiteEchec::Abandon) {
                if (dynamic_cast<const EAnneeDejaEnregistree*>(&e) == nullptr)
                    return TIssueTransition::Echouee;
                FinApplication().Redemarrer();
                return TIssueTransition::DejaFaite;
            }
            if (suite == TSuiteEchec::ValideeMalgreTout)
                break;
        }
    }
    Conclure(p);
    return TIssueTransition::Validee;
}

TSuiteEchec TTransitionAnnee::SuiteEchec(const std::exception& e, int essai, const TParametresTransition& p) {
    return ::SuiteEchec(e, essai,
                        {NouveauxEssais, [this, &p] { return ValideeMalgreTout(p); },
                         [this](const std::exception& erreur) { Echec(erreur); }, NouvelEssai});
}

bool TTransitionAnnee::ValideeMalgreTout(const TParametresTransition& p) {
    // Without its journal entry's number nothing tells this run's change from another's.
    if (numeroJournal_ <= 0)
        return false;
    try {
        // A session of its own: the failed one may be gone with what the server knew of it.
        TSQLConnection* connexion = OBDataModule->OBSQLConnection;
        connexion->Close();
        // A commit still under way on the server (its answer lost on the way) holds the master table's new
        // row: the read waits for it to end one way or the other.
        TRequete annee(connexion, QStringLiteral("ProviderDonneeValidationTransition"));
        const bool active =
            annee
                .Ouvrir({QStringLiteral("SELECT COUNT(*) AS active FROM korven.annee_scolaire "
                                        "WHERE code = :code AND active = '1' LOCK IN SHARE MODE")},
                        {{QStringLiteral("code"), p.NouvelleAnnee}})
                .FieldByName(QStringLiteral("active"))
                .AsInteger() > 0;
        // The entry this run wrote, by the number the server gave it inside the transaction: no other run,
        // on this server or another node of a cluster, has that number.
        TRequete entree(connexion, QStringLiteral("ProviderDonneeEntreeTransition"));
        return active &&
               entree.Ouvrir({QStringLiteral("SELECT COUNT(*) AS entrees FROM journal WHERE numero = "
                                             ":numero AND utilisateur = :login AND libelle = :libelle "
                                             "AND poste = :poste")},
                             {{QStringLiteral("numero"), numeroJournal_},
                              {QStringLiteral("login"), p.Login},
                              {QStringLiteral("libelle"), LibelleJournal},
                              {QStringLiteral("poste"), TEcritureJournal::Poste()}})
                       .FieldByName(QStringLiteral("entrees"))
                       .AsInteger() > 0;
    } catch (const EKorven&) {
        // Unknown: the change runs again, and a year already there stops it with its own words.
        return false;
    }
}

TBilanTransition TTransitionAnnee::Verifier(const TParametresTransition& p) {
    apercu_ = true;
    bilan_ = TBilanTransition();
    // The connection goes back to where it pointed, whatever happens: the wizard goes on as if nothing ran.
    TSQLConnection* connexion = OBDataModule->OBSQLConnection;
    const QStringList parametres = connexion->Params;
    const bool ouverte = connexion->Connected();
    const QString nouvelleBD = NouvelleBD;
    if (Connecter(p)) {
        try {
            OuvrirTransaction();
            Corps(p);
            Annuler();
        } catch (const std::exception& e) {
            Echec(e);
        }
    }
    connexion->Close();
    connexion->Params = parametres;
    if (ouverte) {
        try {
            connexion->Open();
        } catch (const EKorven&) {
            // It opens again with the next statement that needs it.
        }
    }
    NouvelleBD = nouvelleBD;
    apercu_ = false;
    BilanDesEleves(bilan_, p);
    return bilan_;
}

TBilanTransition TTransitionAnnee::BilanApresValidation(const TParametresTransition& p) {
    TBilanTransition bilan;
    bilan.Lignes = BilanTables(Modele::BaseAnnee(p.AnneeCourante));
    BilanDesEleves(bilan, p);
    return bilan;
}

bool TTransitionAnnee::Connecter(const TParametresTransition& p) {
    Etape(NumeroEtape(TEtapeFixe::Connexion), QStringLiteral("Connexion à la nouvelle base de données"),
          EtapesConnexion);
    NouvelleBD = NomBaseAnnee(p.NouvelleAnnee);
    try {
        // Both names are written into the statements as they are: only plain names may go there.
        Modele::BaseAnnee(p.NouvelleAnnee);
        ancienneBase_ = Modele::BaseAnnee(p.AnneeCourante);
    } catch (const EKorven& e) {
        Signaler(QStringLiteral("Une erreur est survenue : \r\n") + e.Message());
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
        Signaler(QStringLiteral("Impossible de se connecter à la base de données : \r\n") + e.Message());
        return false;
    }
    Informer(BoiteConnexionReussie);

    // Rows written to a table without transactions would survive a rollback: refuse before writing anything.
    compteurs_.clear();
    enBloc_ = false;
    try {
        const QStringList tables = TablesNonTransactionnelles(NouvelleBD);
        if (!tables.isEmpty()) {
            Signaler(
                QStringLiteral(
                    "Le changement d'année scolaire est impossible : ces tables ne prennent pas en charge "
                    "les transactions, et une erreur y laisserait des données à moitié écrites :\r\n") +
                tables.join(QStringLiteral(", ")) +
                QStringLiteral(
                    "\r\nConvertissez-les au moteur InnoDB, puis recommencez. Rien n'a été modifié."));
            return false;
        }
        const bool grappe = EstNoeudDeGrappe();
        // On a cluster the preview replicates nothing: a rolled-back transaction never leaves its node, and
        // the counters are the node's own (spaced from the other nodes') and are not put back, which would
        // take a statement every node runs.
        if (apercu_ && !grappe) {
            compteurs_ = CompteursAutomatiques(NouvelleBD);
            enBloc_ = RemplissageEnBloc(NouvelleBD);
        }
    } catch (const EKorven& e) {
        connexion->Close();
        Signaler(QStringLiteral("Une erreur est survenue : \r\n") + e.Message());
        return false;
    }
    return true;
}

void TTransitionAnnee::OuvrirTransaction() {
    Etape(NumeroEtape(TEtapeFixe::Transaction), QStringLiteral("Ouverture de la transaction"));
    OBDataModule->StartTransaction();
    // The copies' conditions (the key the new year already holds, what a row refers to) are read as lookups
    // in each table, once per row copied. Flattened into joins, their order would follow the statistics of
    // the new year's tables, which say "empty" while this transaction fills them (a new database, or one a
    // change taken back has emptied): a plan that crosses classes, lessons and staff before the rows to copy,
    // minutes at 20,000 students instead of a fraction of a second.
    Instruction({QStringLiteral("SET SESSION optimizer_switch = 'semijoin=off'")});
    if (apercu_ && enBloc_)
        Instruction({QStringLiteral("SET SESSION unique_checks = 0, foreign_key_checks = 0")});
}

void TTransitionAnnee::Corps(const TParametresTransition& p) {
    Etape(NumeroEtape(TEtapeFixe::ClotureAnnee),
          QStringLiteral("Clôture de l'année scolaire %1").arg(p.AnneeCourante));
    debut_ = GetDateHeureServeur();
    try {
        Instruction(
            {QStringLiteral("UPDATE korven.annee_scolaire set active = :active, date_fin = :date_fin WHERE "
                            "active = '1' ")},
            {{QStringLiteral("active"), QStringLiteral("0")},
             {QStringLiteral("date_fin"), debut_.toString(FormatDate)}});
    } catch (const EKorven& e) {
        if (e.CodeServeur() == AttenteVerrouDepassee)
            throw AnneeVerrouillee();
        throw;
    }

    Etape(NumeroEtape(TEtapeFixe::OuvertureAnnee),
          QStringLiteral("Ouverture de l'année scolaire %1").arg(p.NouvelleAnnee));
    try {
        Instruction(
            {QStringLiteral("INSERT INTO korven.annee_scolaire(code, active, date_debut, nom_etablissement) "
                            "VALUE(:code, :active, :date_debut, :nom_etablissement)")},
            {{QStringLiteral("code"), p.NouvelleAnnee},
             {QStringLiteral("active"), QStringLiteral("1")},
             {QStringLiteral("date_debut"), GetDateHeureServeur().toString(FormatDate)},
             {QStringLiteral("nom_etablissement"), p.NomEtablissement}});
    } catch (const EKorven& e) {
        if (e.CodeServeur() == CleEnDouble)
            throw AnneeDejaEnregistree(p.NouvelleAnnee);
        if (e.CodeServeur() == AttenteVerrouDepassee)
            throw AnneeVerrouillee();
        throw;
    }

    for (const TEtapeCopie& etape : EtapesCopie()) {
        if (etape.Nature == TNatureEtape::Eleves) {
            if (!p.Eleves)
                continue;
            Etape(etape.Numero, etape.Libelle);
            static const TDictionnairePlacement aucunPlacement;
            static const TDictionnaireEleves aucunEleve;
            TransfererEleves(OBDataModule->SQLQuery1,
                             p.DictionnaireElevesNew ? *p.DictionnaireElevesNew : aucunPlacement,
                             p.DictionnaireEleves ? *p.DictionnaireEleves : aucunEleve, QStringLiteral("0"));
        } else {
            Etape(etape.Numero, etape.Libelle);
            Instruction(etape.Instruction(ancienneBase_));
        }
        Informer(etape.Boite);
    }

    Etape(NumeroEtape(TEtapeFixe::Journal), QStringLiteral("Journal des opérations"));
    TEcritureJournal journal;
    journal.UpdateJournal(p.Login, LibelleJournal, QStringLiteral("Ajout"),
                          QStringLiteral("Administration de la Base de donnees"));
    numeroJournal_ = NumeroEntreeJournal(p);
    // What the change wrote, kept for taking it back (never stops the change for its own sake).
    EnregistrerChangement(p, apercu_);
}

qlonglong TTransitionAnnee::NumeroEntreeJournal(const TParametresTransition& p) {
    // The number the server gave the entry just written, read back from the entry itself: the journal
    // writer never fails toward its caller, and a number left by an earlier insert must not be taken for it.
    // A failure here is one of the transaction's statements failing: the transaction's rules apply.
    TRequete requete(OBDataModule->OBSQLConnection, QStringLiteral("ProviderDonneeNumeroJournal"));
    TClientDataSet& ds = requete.Ouvrir(
        {QStringLiteral("SELECT numero FROM journal WHERE numero = LAST_INSERT_ID() AND utilisateur = :login "
                        "AND libelle = :libelle")},
        {{QStringLiteral("login"), p.Login}, {QStringLiteral("libelle"), LibelleJournal}});
    return ds.IsEmpty() ? 0 : ds.FieldByName(QStringLiteral("numero")).Valeur().toLongLong();
}

void TTransitionAnnee::Valider() {
    Etape(NumeroEtape(TEtapeFixe::Validation), QStringLiteral("Validation de la transaction"));
    ValiderTransaction();
}

void TTransitionAnnee::Annuler() {
    // Every step has run: the figures are read, then everything is undone.
    Etape(NumeroEtape(TEtapeFixe::Validation), QStringLiteral("Lecture du bilan, puis annulation"));
    bilan_.Lignes = BilanTables(ancienneBase_);
    OBDataModule->RollbackTransaction();
    RemettreVerifications();
    RemettreCompteurs();
}

void TTransitionAnnee::Echec(const std::exception& e) {
    const auto* erreur = dynamic_cast<const EKorven*>(&e);
    const QString texte = erreur ? erreur->Message() : QString::fromUtf8(e.what());
    try {
        OBDataModule->RollbackTransaction();
    } catch (const EKorven&) {
        // A lost connection has ended the transaction on the server already.
    }
    if (apercu_) {
        RemettreVerifications();
        RemettreCompteurs();
    }
    if (dynamic_cast<const EMessageClair*>(&e) != nullptr)
        Signaler(texte);
    else
        Signaler(QStringLiteral("Une erreur est survenue : \r\n") + texte);
}

void TTransitionAnnee::Conclure(const TParametresTransition& p) {
    if (ApresValidation) {
        // The change is done: what it carried is read now, for its report. A failure there leaves the change
        // as it is.
        try {
            bilan_ = BilanApresValidation(p);
            TRapportTransition rapport = RapportDuChangement(p, bilan_, debut_, GetDateHeureServeur());
            rapport.Etapes = etapes_;
            ApresValidation(rapport);
        } catch (const EKorven& e) {
            Messages().Erreur(
                QStringLiteral("Le rapport du changement d'année ne peut pas être établi : \r\n") +
                e.Message());
        }
    }

    Etape(NumeroEtape(TEtapeFixe::Fin), QStringLiteral("Terminé"));
    // The last step is reported before the closing box: the progress reads its last step while the box
    // waits, not the one before.
    Etape(NumeroEtape(TEtapeFixe::Redemarrage), QStringLiteral("Redémarrage de l'application"));
    Informer(BoiteFinTransition);
    FinApplication().Redemarrer();
}

void TTransitionAnnee::RemettreVerifications() {
    if (!enBloc_)
        return;
    enBloc_ = false;
    try {
        Instruction({QStringLiteral("SET SESSION unique_checks = 1, foreign_key_checks = 1")});
    } catch (const EKorven&) {
        // The session is gone; the next one starts with its checks on.
    }
}

void TTransitionAnnee::RemettreCompteurs() {
    for (const auto& [table, valeur] : compteurs_) {
        try {
            Instruction({QStringLiteral("ALTER TABLE %1 AUTO_INCREMENT = %2").arg(table).arg(valeur)});
        } catch (const EKorven&) {
            // Without the right to alter the table the counter stays moved on: numbers skip, no row changes.
        }
    }
}
