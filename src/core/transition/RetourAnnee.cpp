#include "core/transition/RetourAnnee.h"

#include "base/KORVENFonctionsU.h"
#include "base/KORVENTypesU.h"
#include "core/data/OBDataModuleU.h"
#include "core/data/RequeteSQL.h"
#include "core/journal/EcritureJournal.h"
#include "core/model/OutilsModele.h"
#include "core/platform/FinApplication.h"
#include "core/platform/Messages.h"
#include "core/platform/Poste.h"
#include "core/session/Identification.h"
#include "core/transition/EmpreinteAnnee.h"
#include "core/transition/EtapesTransition.h"

#include <QMap>

#include <algorithm>

namespace {

const QString FormatDate = QStringLiteral("yyyy/MM/dd");
const QString Rien = QStringLiteral("Rien n'a été modifié.");
const QString Korven = QStringLiteral("korven");
const QString TableAnnees = QStringLiteral("annee_scolaire");
const QString OperationRetour = QStringLiteral("Suppression");

// The server's numbers for the errors the undo tells apart (as the change does).
constexpr int AttenteVerrouDepassee = 1205;

// A refusal whose text says all the user needs, shown as it is.
class ERefus : public EKorven {
public:
    using EKorven::EKorven;
};

// The year was taken back by someone else: the run is over and the program starts again.
class EDejaRetiree : public ERefus {
public:
    using ERefus::ERefus;
};

QString DejaRetiree(const QString& annee) {
    return QStringLiteral(
               "L'année scolaire %1 a déjà été retirée de la base maîtresse (korven.annee_scolaire), "
               "probablement par un autre poste.\r\n")
               .arg(annee) +
           Rien;
}

ERefus AnneeVerrouillee() {
    return ERefus(
        QStringLiteral("Un autre poste est en train de changer l'année scolaire ou d'y revenir : la "
                       "table des années (korven.annee_scolaire) reste verrouillée. Réessayez quand il "
                       "aura terminé.\r\n") +
        Rien);
}

// A date of the server, as the program writes dates.
QString TexteDate(const QVariant& valeur) {
    if (valeur.isNull())
        return QString();
    const QDate date = valeur.typeId() == QMetaType::QDate || valeur.typeId() == QMetaType::QDateTime
                           ? valeur.toDate()
                           : QDate::fromString(valeur.toString().left(10), Qt::ISODate);
    return date.isValid() ? date.toString(FormatDate) : valeur.toString();
}

QString Lignes(qlonglong n) {
    return n <= 1 ? QStringLiteral("%1 ligne").arg(n) : QStringLiteral("%1 lignes").arg(n);
}

// The beginning of every refusal; the year to go back to is not known before the change's record is read.
QString Debut(const QString& ancienneAnnee) {
    return ancienneAnnee.isEmpty()
               ? QStringLiteral("Le retour à l'année scolaire précédente n'est pas possible, car ")
               : QStringLiteral("Le retour à l'année scolaire %1 n'est pas possible, car ")
                     .arg(ancienneAnnee);
}

QString SansTables() {
    return QStringLiteral(
               "la base maîtresse ne contient pas les tables où ce programme enregistre chaque "
               "changement d'année (korven.%1, korven.%2, korven.%3) : le compte de la configuration "
               "n'a peut-être pas le droit de les créer.")
        .arg(TableChangementRetour, TableTablesRetour, TableLignesRetour);
}

QString SansEnregistrement(const QString& annee) {
    return QStringLiteral(
               "l'année active %1 n'a pas été ouverte par un changement d'année que ce programme a "
               "enregistré.")
        .arg(annee);
}

// One table as the change's record keeps it.
struct TTableEnregistree {
    QString Base;
    QString Nom;
    bool Ecrite = false;
    QList<TColonneRetour> Colonnes;
    TEmpreinteTable Empreinte;
    qlonglong LignesAvant = 0;
    QString Cle() const { return Base + QLatin1Char('.') + Nom; }
};

// The change's record.
struct TEnregistrement {
    bool Trouve = false;
    QString Annee, AnneePrecedente, Base;
    qlonglong JournalMax = 0;
    QString Utilisateur, Poste;
    QDateTime Date;
    QList<TTableEnregistree> Tables;

    bool EstJournal(const TTableEnregistree& t) const {
        return t.Base == Base && t.Nom == QLatin1String("journal");
    }
    // The tables of the opened year's database the change wrote.
    int TablesEcrites() const {
        int n = 0;
        for (const TTableEnregistree& t : Tables)
            n += t.Ecrite && t.Base == Base ? 1 : 0;
        return n;
    }
};

// The record of the change that opened annee, read on the connection (locked for the transaction with
// verrou).
TEnregistrement LireEnregistrement(TSQLConnection* connexion, const QString& annee, bool verrou) {
    const QString pourMaj = verrou ? QStringLiteral(" FOR UPDATE") : QString();
    TEnregistrement e;
    const TResultat changement = LireSQL(
        connexion,
        QStringLiteral("SELECT annee_precedente, base, journal_max, utilisateur, poste, date_changement "
                       "FROM korven.") +
            TableChangementRetour + QStringLiteral(" WHERE annee = :annee") + pourMaj,
        {{QStringLiteral("annee"), annee}});
    if (changement.Lignes.isEmpty())
        return e;
    const QVariantList& c = changement.Lignes.first();
    e.Trouve = true;
    e.Annee = annee;
    e.AnneePrecedente = c.value(0).toString();
    e.Base = c.value(1).toString();
    e.JournalMax = c.value(2).toLongLong();
    e.Utilisateur = c.value(3).toString();
    e.Poste = c.value(4).toString();
    e.Date = c.value(5).toDateTime();
    for (const QVariantList& t :
         LireSQL(
             connexion,
             QStringLiteral("SELECT base, nom, ecrite, colonnes, lignes, somme, lignes_avant FROM korven.") +
                 TableTablesRetour + QStringLiteral(" WHERE annee = :annee ORDER BY rang") + pourMaj,
             {{QStringLiteral("annee"), annee}})
             .Lignes) {
        TTableEnregistree table;
        table.Base = t.value(0).toString();
        table.Nom = t.value(1).toString();
        table.Ecrite = t.value(2).toString() == QLatin1String("1");
        table.Colonnes = LireColonnes(t.value(3).toString());
        table.Empreinte = {t.value(4).toLongLong(), t.value(5).toString()};
        table.LignesAvant = t.value(6).toLongLong();
        e.Tables << table;
    }
    // Without the master table's rows of before there is nothing to go back to: no record.
    e.Trouve = std::any_of(e.Tables.cbegin(), e.Tables.cend(), [](const TTableEnregistree& t) {
        return t.Base == Korven && t.Nom == TableAnnees && t.Ecrite;
    });
    return e;
}

QString NomTable(const TTableEnregistree& t) {
    if (t.Base == Korven)
        return QStringLiteral("la table des années (korven.%1)").arg(t.Nom);
    return QStringLiteral("la table « %1 » de la base %2").arg(t.Nom, t.Base);
}

// How the rows of a table differ from those the change left.
QString Ecart(const TEmpreinteTable& avant, const TEmpreinteTable& maintenant) {
    const qlonglong n = maintenant.Lignes - avant.Lignes;
    if (n > 0)
        return QStringLiteral("%1 %2 (%3 au lieu de %4)")
            .arg(Lignes(n), n == 1 ? QStringLiteral("ajoutée") : QStringLiteral("ajoutées"),
                 Lignes(maintenant.Lignes))
            .arg(avant.Lignes);
    if (n < 0)
        return QStringLiteral("%1 %2 (%3 au lieu de %4)")
            .arg(Lignes(-n), n == -1 ? QStringLiteral("supprimée") : QStringLiteral("supprimées"),
                 Lignes(maintenant.Lignes))
            .arg(avant.Lignes);
    return QStringLiteral("des lignes modifiées (toujours %1, mais leur contenu a changé)")
        .arg(Lignes(maintenant.Lignes));
}

// What the databases hold set against what the change left: the first difference in words (to follow Debut),
// empty when there is none. With verrou, every row read is locked for the transaction. totaux receives, for
// every table, the rows it holds now (the journal's sign-in entries included).
QString Comparer(TSQLConnection* connexion, const TEnregistrement& e, bool verrou,
                 QMap<QString, qlonglong>& totaux) {
    const QString depuis = QStringLiteral(" depuis le changement d'année");
    const QMap<QString, QList<TColonneRetour>> colonnes = ColonnesTables(connexion, {Korven, e.Base});
    QList<TTableEmpreinte> tables;
    for (const TTableEnregistree& t : e.Tables) {
        if (!colonnes.contains(t.Cle()))
            return NomTable(t) + QStringLiteral(" n'existe plus.");
        if (colonnes.value(t.Cle()) != t.Colonnes)
            return NomTable(t) + QStringLiteral(" a changé de structure") + depuis +
                   QStringLiteral(" (colonnes ajoutées, retirées ou modifiées).");
        tables.append(
            {t.Base, t.Nom, t.Colonnes, e.EstJournal(t) ? ConditionHorsConnexions(e.JournalMax) : QString()});
    }
    // The sign-ins' entries of the journal since the change, last: they go with the rest.
    for (const TTableEnregistree& t : e.Tables)
        if (e.EstJournal(t))
            tables.append({t.Base, t.Nom, t.Colonnes, ConditionConnexions(e.JournalMax)});
    const QList<TEmpreinteTable> empreintes = EmpreintesTables(connexion, tables, verrou);
    for (int i = 0; i < e.Tables.size(); ++i) {
        const TTableEnregistree& t = e.Tables.at(i);
        if (!(empreintes.at(i) == t.Empreinte))
            return NomTable(t) + QStringLiteral(" a changé") + depuis + QStringLiteral(" : ") +
                   Ecart(t.Empreinte, empreintes.at(i)) + QLatin1Char('.');
        totaux.insert(t.Cle(), empreintes.at(i).Lignes +
                                   (e.EstJournal(t) ? empreintes.constLast().Lignes : qlonglong(0)));
    }
    // A table made in the opened year's database since the change, with rows in it.
    const QString prefixe = e.Base + QLatin1Char('.');
    for (auto it = colonnes.cbegin(); it != colonnes.cend(); ++it) {
        if (!it.key().startsWith(prefixe) || totaux.contains(it.key()))
            continue;
        const QString nom = it.key().mid(prefixe.size());
        const qlonglong n =
            ValeurSQL(connexion,
                      QStringLiteral("SELECT COUNT(*) FROM %1.%2").arg(Identifiant(e.Base), Identifiant(nom)))
                .toLongLong();
        if (n > 0)
            return QStringLiteral("la table « %1 » a été créée dans la base %2%3 et contient %4.")
                .arg(nom, e.Base, depuis, Lignes(n));
    }
    return QString();
}

// The figures of an undo that can be made: rows removed and given back per table of the opened year, the
// master table's two rows.
void Figures(TSQLConnection* connexion, const TEnregistrement& e, const QMap<QString, qlonglong>& totaux,
             TBilanRetour& bilan) {
    bilan.Tables.clear();
    for (const TTableEnregistree& t : e.Tables) {
        if (!t.Ecrite || t.Base != e.Base)
            continue;
        TTableRetour table;
        table.Table = t.Nom;
        table.Lignes = totaux.value(t.Cle());
        table.Retirees = table.Lignes - t.LignesAvant;
        // The rows kept from before the change that no row of the table matches now: the change updated them.
        if (t.LignesAvant > 0)
            table.Remises =
                ValeurSQL(connexion,
                          QStringLiteral(
                              "SELECT COUNT(*) FROM korven.%1 L WHERE L.annee = :annee AND L.base = :base "
                              "AND L.nom = :nom AND %2 NOT IN (SELECT %3 FROM %4.%5)")
                              .arg(TableLignesRetour, EmpreinteLigne(t.Colonnes, QStringLiteral("L.ligne")),
                                   EmpreinteLigne(t.Colonnes), Identifiant(t.Base), Identifiant(t.Nom)),
                          {{QStringLiteral("annee"), e.Annee},
                           {QStringLiteral("base"), t.Base},
                           {QStringLiteral("nom"), t.Nom}})
                    .toLongLong();
        bilan.Tables << table;
    }

    const TResultat retiree =
        LireSQL(connexion,
                QStringLiteral("SELECT code, active, date_debut, date_fin, nom_etablissement "
                               "FROM korven.annee_scolaire WHERE code = :code"),
                {{QStringLiteral("code"), e.Annee}});
    if (!retiree.Lignes.isEmpty()) {
        const QVariantList& l = retiree.Lignes.first();
        bilan.LigneRetiree = {l.value(0).toString(), l.value(1).toString(), TexteDate(l.value(2)),
                              TexteDate(l.value(3)), l.value(4).toString()};
    }
    // The closing year's row as it was before the change, from the kept rows of the master table.
    for (const TTableEnregistree& t : e.Tables) {
        if (t.Base != Korven || t.Nom != TableAnnees)
            continue;
        const QStringList noms = {QStringLiteral("code"), QStringLiteral("active"),
                                  QStringLiteral("date_debut"), QStringLiteral("date_fin"),
                                  QStringLiteral("nom_etablissement")};
        QStringList valeurs;
        for (const QString& nom : noms) {
            int i = 0;
            while (i < t.Colonnes.size() && t.Colonnes.at(i).Nom.compare(nom, Qt::CaseInsensitive) != 0)
                ++i;
            valeurs << (i < t.Colonnes.size() ? QStringLiteral("JSON_VALUE(ligne, '$[%1]')").arg(i)
                                              : QStringLiteral("NULL"));
        }
        for (const QVariantList& l :
             LireSQL(
                 connexion,
                 QStringLiteral("SELECT %1 FROM korven.%2 WHERE annee = :annee AND base = 'korven' AND nom = "
                                "'annee_scolaire'")
                     .arg(valeurs.join(QStringLiteral(", ")), TableLignesRetour),
                 {{QStringLiteral("annee"), e.Annee}})
                 .Lignes)
            if (l.value(0).toString() == e.AnneePrecedente)
                bilan.LigneRetablie = {l.value(0).toString(), l.value(1).toString(), TexteDate(l.value(2)),
                                       TexteDate(l.value(3)), l.value(4).toString()};
    }
}

void Enregistrement(const TEnregistrement& e, TBilanRetour& bilan) {
    bilan.AnneeRetiree = e.Annee;
    bilan.AnneeRetablie = e.AnneePrecedente;
    bilan.BaseRetiree = e.Base;
    bilan.Utilisateur = e.Utilisateur;
    bilan.Poste = e.Poste;
    bilan.Date = e.Date;
}

// Whether the server the year connection reaches is a node of a Galera cluster.
bool EstNoeudDeGrappe(TSQLConnection* connexion) {
    try {
        return ValeurSQL(connexion, QStringLiteral("SELECT @@GLOBAL.wsrep_on")).toInt() == 1;
    } catch (const EKorven&) {
        return false;
    }
}

// Whether the master table still holds that year (a record without it: the year was taken back already).
bool AnneePresente(TSQLConnection* connexion, const QString& annee) {
    return ValeurSQL(connexion,
                     QStringLiteral("SELECT COUNT(*) FROM korven.annee_scolaire WHERE code = :code"),
                     {{QStringLiteral("code"), annee}})
               .toInt() > 0;
}

QString PosteCourant() {
    try {
        return TEcritureJournal::Poste();
    } catch (const EKorven&) {
        return GetNomMachine();
    }
}

// The steps of a run, by number: the korven row first among the restored tables, then the opened year's.
constexpr int EtapeConnexion = 1;
constexpr int EtapeTransaction = 2;
constexpr int EtapeVerification = 3;
constexpr int EtapeAnnees = 4;

} // namespace

TParametresRetour TParametresRetour::Depuis(const TParametresTransition& p) {
    TParametresRetour r;
    r.AnneeActive = p.AnneeCourante;
    r.Serveur = p.Serveur;
    r.Port = p.Port;
    r.Utilisateur = p.Utilisateur;
    r.MotDePasse = p.MotDePasse;
    r.Login = p.Login;
    return r;
}

qlonglong TBilanRetour::TotalRetirees() const {
    qlonglong n = 0;
    for (const TTableRetour& t : Tables)
        n += t.Retirees;
    return n;
}

int TRetourAnnee::NombreEtapes(int tables) {
    // Connection, transaction, check, master table, the tables, journal, commit, closing box, restart.
    return EtapeAnnees + tables + 4;
}

TBilanRetour TRetourAnnee::Examiner(const QString& anneeActive) {
    TBilanRetour bilan;
    TSQLConnection* connexion = OBDataModule->OBOrbelanSQLConnection;
    try {
        Modele::BaseAnnee(anneeActive);
        if (!TablesRetourPresentes(connexion)) {
            bilan.Raison = Debut(QString()) + SansTables();
            return bilan;
        }
        const TEnregistrement e = LireEnregistrement(connexion, anneeActive, false);
        if (!e.Trouve) {
            bilan.Raison = Debut(QString()) + SansEnregistrement(anneeActive);
            return bilan;
        }
        Enregistrement(e, bilan);
        QMap<QString, qlonglong> totaux;
        const QString difference = Comparer(connexion, e, false, totaux);
        if (!difference.isEmpty()) {
            bilan.Raison = Debut(e.AnneePrecedente) + difference;
            return bilan;
        }
        Figures(connexion, e, totaux, bilan);
    } catch (const EKorven& erreur) {
        bilan.Tables.clear();
        bilan.Raison = Debut(bilan.AnneeRetablie) +
                       QStringLiteral("une erreur est survenue en le vérifiant : \r\n") + erreur.Message();
    }
    return bilan;
}

void TRetourAnnee::Etape(int numero, const QString& libelle) {
    if (Progression)
        Progression(numero, numero, libelle, NombreEtapes(tables_) - numero);
}

void TRetourAnnee::Signaler(const QString& texte) {
    if (!apercu_) {
        Messages().Erreur(texte);
        return;
    }
    bilan_.Raison = texte.endsWith(Rien) ? texte : texte + QStringLiteral("\r\n") + Rien;
}

namespace {

// Those of these tables (base.table, in quotes) whose engine has no transactions.
QStringList SansTransactions(TSQLConnection* connexion, const QStringList& tables) {
    QStringList refusees;
    for (const QVariantList& ligne :
         LireSQL(
             connexion,
             QStringLiteral("SELECT CONCAT(T.TABLE_SCHEMA, '.', T.TABLE_NAME) AS nom FROM "
                            "information_schema.TABLES T LEFT JOIN information_schema.ENGINES E ON E.ENGINE "
                            "= T.ENGINE WHERE LOWER(CONCAT(T.TABLE_SCHEMA, '.', T.TABLE_NAME)) IN (%1) AND "
                            "COALESCE(E.TRANSACTIONS, 'NO') <> 'YES' ORDER BY nom")
                 .arg(tables.join(QLatin1Char(','))))
             .Lignes)
        refusees << ligne.value(0).toString();
    return refusees;
}

} // namespace

TRetourAnnee::TConnexion TRetourAnnee::Connecter(const TParametresRetour& p) {
    tables_ = static_cast<int>(TablesEcritesTransition().size());
    Etape(EtapeConnexion, QStringLiteral("Connexion à la base de l'année précédente"));
    const TConnexion enregistrement = LireDepart(p);
    if (enregistrement != TConnexion::Prete)
        return enregistrement;
    if (!OuvrirAnnee(p) || !VerifierTables())
        return TConnexion::Echouee;
    return TConnexion::Prete;
}

TRetourAnnee::TConnexion TRetourAnnee::LireDepart(const TParametresRetour& p) {
    TSQLConnection* maitre = OBDataModule->OBOrbelanSQLConnection;
    ancienneAnnee_.clear();
    try {
        nouvelleBase_ = Modele::BaseAnnee(p.AnneeActive);
        if (!TablesRetourPresentes(maitre)) {
            Signaler(Debut(QString()) + SansTables() + QStringLiteral("\r\n") + Rien);
            return TConnexion::Echouee;
        }
        const TEnregistrement e = LireEnregistrement(maitre, p.AnneeActive, false);
        if (!e.Trouve) {
            if (!AnneePresente(maitre, p.AnneeActive)) {
                Signaler(DejaRetiree(p.AnneeActive));
                return TConnexion::DejaFaite;
            }
            Signaler(Debut(QString()) + SansEnregistrement(p.AnneeActive) + QStringLiteral("\r\n") + Rien);
            return TConnexion::Echouee;
        }
        Enregistrement(e, bilan_);
        ancienneAnnee_ = e.AnneePrecedente;
        ancienneBase_ = Modele::BaseAnnee(e.AnneePrecedente);
        if (e.Base != nouvelleBase_)
            throw EKorven(
                QStringLiteral("L'enregistrement du changement d'année nomme la base %1 au lieu de %2.")
                    .arg(e.Base, nouvelleBase_));
        tables_ = e.TablesEcrites();
    } catch (const EKorven& erreur) {
        Signaler(QStringLiteral("Une erreur est survenue : \r\n") + erreur.Message());
        return TConnexion::Echouee;
    }
    return TConnexion::Prete;
}

bool TRetourAnnee::OuvrirAnnee(const TParametresRetour& p) {
    TSQLConnection* connexion = OBDataModule->OBSQLConnection;
    connexion->Close();
    connexion->Params = {
        QStringLiteral("drivername=MYSQL"),           QStringLiteral("Database=") + ancienneBase_,
        QStringLiteral("hostname=") + p.Serveur,      QStringLiteral("password=") + p.MotDePasse,
        QStringLiteral("user_name=") + p.Utilisateur, QStringLiteral("port=") + p.Port};
    try {
        connexion->Open();
        connexion->Close();
    } catch (const EKorven& erreur) {
        connexion->Close();
        Signaler(QStringLiteral("Impossible de se connecter à la base de données : \r\n") + erreur.Message());
        return false;
    }
    return true;
}

bool TRetourAnnee::VerifierTables() {
    TSQLConnection* connexion = OBDataModule->OBSQLConnection;
    // Rows written to a table without transactions would survive a rollback: refuse before writing anything.
    compteurJournal_ = 0;
    try {
        QStringList ecrites = {QStringLiteral("'korven.annee_scolaire'"),
                               QStringLiteral("'korven.%1'").arg(TableChangementRetour),
                               QStringLiteral("'korven.%1'").arg(TableTablesRetour),
                               QStringLiteral("'korven.%1'").arg(TableLignesRetour),
                               QStringLiteral("'%1.journal'").arg(ancienneBase_)};
        for (const QString& table : TablesEcritesTransition())
            ecrites << QStringLiteral("'%1.%2'").arg(nouvelleBase_, table);
        const QStringList refusees = SansTransactions(connexion, ecrites);
        if (!refusees.isEmpty()) {
            Signaler(Debut(ancienneAnnee_) +
                     QStringLiteral("ces tables ne prennent pas en charge les transactions, et une erreur y "
                                    "laisserait des données à moitié écrites : ") +
                     refusees.join(QStringLiteral(", ")) +
                     QStringLiteral(". Convertissez-les au moteur InnoDB, puis recommencez.\r\n") + Rien);
            return false;
        }
        grappe_ = EstNoeudDeGrappe(connexion);
        // The preview's journal entry moves the journal's counter on; it is put back afterwards, but on a
        // cluster, whose counters are the node's own.
        if (apercu_ && !grappe_)
            compteurJournal_ =
                ValeurSQL(connexion,
                          QStringLiteral(
                              "SELECT AUTO_INCREMENT FROM information_schema.TABLES WHERE TABLE_SCHEMA = "
                              ":base AND TABLE_NAME = 'journal'"),
                          {{QStringLiteral("base"), ancienneBase_}})
                    .toULongLong();
    } catch (const EKorven& erreur) {
        connexion->Close();
        Signaler(QStringLiteral("Une erreur est survenue : \r\n") + erreur.Message());
        return false;
    }
    return true;
}

void TRetourAnnee::OuvrirTransaction() {
    Etape(EtapeTransaction, QStringLiteral("Ouverture de la transaction"));
    OBDataModule->StartTransaction();
}

namespace {

// The master table locked, the change's record read again under that lock, the account's right: the record,
// or why the undo cannot be made.
TEnregistrement Verrouiller(TSQLConnection* connexion, const TParametresRetour& p,
                            const QString& ancienneAnnee) {
    // The master table first, every row of it: a change or an undo on another workstation waits here, or
    // this one waits for it.
    try {
        LireSQL(connexion, QStringLiteral("SELECT code FROM korven.annee_scolaire FOR UPDATE"));
    } catch (const EKorven& e) {
        if (e.CodeServeur() == AttenteVerrouDepassee)
            throw AnneeVerrouillee();
        throw;
    }
    const TEnregistrement e = LireEnregistrement(connexion, p.AnneeActive, true);
    if (!e.Trouve) {
        if (!AnneePresente(connexion, p.AnneeActive))
            throw EDejaRetiree(DejaRetiree(p.AnneeActive));
        throw ERefus(Debut(ancienneAnnee) + SansEnregistrement(p.AnneeActive) + QStringLiteral("\r\n") +
                     Rien);
    }
    if (ValeurSQL(
            connexion,
            QStringLiteral("SELECT COUNT(*) FROM %1.droits WHERE utilisateur = :login AND droit = :droit")
                .arg(Identifiant(e.Base)),
            {{QStringLiteral("login"), p.Login}, {QStringLiteral("droit"), DroitActivation}})
            .toInt() == 0)
        throw ERefus(Debut(e.AnneePrecedente) +
                     QStringLiteral("le compte « %1 » ne détient pas le droit %2 dans l'année %3.\r\n")
                         .arg(p.Login, DroitActivation, e.Annee) +
                     Rien);
    return e;
}

// A table the change wrote holds again the rows it held before: all of its rows now (which are those the
// change left, the sign-ins' entries aside, locked before) go, those kept come back.
void Remettre(TSQLConnection* connexion, const TEnregistrement& e, const TTableEnregistree& t,
              qlonglong attendues) {
    const QString table = Identifiant(t.Base) + QLatin1Char('.') + Identifiant(t.Nom);
    ExecuterSQL(connexion, QStringLiteral("DELETE FROM ") + table);
    const qlonglong retirees = ValeurSQL(connexion, QStringLiteral("SELECT ROW_COUNT()")).toLongLong();
    if (retirees != attendues)
        throw ERefus(Debut(e.AnneePrecedente) + NomTable(t) +
                     QStringLiteral(" a changé pendant le retour : %1 au lieu de %2.\r\n")
                         .arg(Lignes(retirees))
                         .arg(attendues) +
                     Rien);
    if (t.LignesAvant == 0)
        return;
    QStringList colonnes, valeurs;
    for (int i = 0; i < t.Colonnes.size(); ++i) {
        colonnes << Identifiant(t.Colonnes.at(i).Nom);
        valeurs << ExpressionValeur(t.Colonnes.at(i), i, QStringLiteral("L.ligne"));
    }
    ExecuterSQL(
        connexion,
        QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM korven.%4 L WHERE L.annee = :annee AND L.base "
                       "= :base AND L.nom = :nom ORDER BY L.rang")
            .arg(table, colonnes.join(QStringLiteral(", ")), valeurs.join(QStringLiteral(", ")),
                 TableLignesRetour),
        {{QStringLiteral("annee"), e.Annee},
         {QStringLiteral("base"), t.Base},
         {QStringLiteral("nom"), t.Nom}});
    const qlonglong remises = ValeurSQL(connexion, QStringLiteral("SELECT ROW_COUNT()")).toLongLong();
    if (remises != t.LignesAvant)
        throw EKorven(QStringLiteral("%1 lignes de la table %2 ont été remises au lieu des %3 qu'elle avait "
                                     "avant le changement d'année.")
                          .arg(remises)
                          .arg(t.Nom)
                          .arg(t.LignesAvant));
}

// The undo's entry in the journal of the year active again, and the number the server gave it.
qlonglong EcrireEntreeJournal(TSQLConnection* connexion, const TParametresRetour& p, const TEnregistrement& e,
                              const QString& libelle) {
    TEcritureJournal journal;
    journal.UpdateJournal(p.Login, libelle, OperationRetour, DomaineConnexion);
    // The entry just written, by the number the server gave it: the trace of the undo, which must be there.
    const TResultat entree = LireSQL(
        connexion,
        QStringLiteral("SELECT numero FROM journal WHERE numero = LAST_INSERT_ID() AND utilisateur = :login "
                       "AND libelle = :libelle"),
        {{QStringLiteral("login"), p.Login}, {QStringLiteral("libelle"), libelle}});
    const qlonglong numero = entree.Lignes.isEmpty() ? 0 : entree.Lignes.first().value(0).toLongLong();
    if (numero <= 0 && ValeurSQL(connexion, QStringLiteral("SELECT @@in_transaction")).toInt() != 1)
        // The writer says nothing of its failure: the server undid the transaction to let another pass.
        throw EKorven(
            QStringLiteral("Le serveur a annulé la transaction : un autre poste modifiait les mêmes "
                           "données en même temps."),
            Interblocage);
    if (numero <= 0)
        throw EKorven(
            QStringLiteral("L'entrée du journal des opérations de l'année %1 n'a pas pu être écrite.")
                .arg(e.AnneePrecedente));
    return numero;
}

} // namespace

void TRetourAnnee::Corps(const TParametresRetour& p) {
    TSQLConnection* connexion = OBDataModule->OBSQLConnection;
    Etape(EtapeVerification, QStringLiteral("Vérification de ce que contient l'année %1").arg(p.AnneeActive));
    const TEnregistrement e = Verrouiller(connexion, p, ancienneAnnee_);
    QMap<QString, qlonglong> totaux;
    const QString difference = Comparer(connexion, e, true, totaux);
    if (!difference.isEmpty())
        throw ERefus(Debut(e.AnneePrecedente) + difference + QStringLiteral("\r\n") + Rien);
    if (apercu_)
        Figures(connexion, e, totaux, bilan_);

    int numero = EtapeAnnees;
    for (const TTableEnregistree& t : e.Tables) {
        if (!t.Ecrite)
            continue;
        Etape(numero++, t.Base == Korven
                            ? QStringLiteral("Réactivation de l'année scolaire %1").arg(e.AnneePrecedente)
                            : QStringLiteral("Retrait des lignes de la table %1").arg(t.Nom));
        Remettre(connexion, e, t, totaux.value(t.Cle()));
    }

    Etape(numero, QStringLiteral("Journal des opérations de l'année %1").arg(e.AnneePrecedente));
    libelleJournal_ =
        QStringLiteral(
            "Retour à l'année scolaire %1 : l'année %2 est retirée (par %3, poste %4) ; elle avait été "
            "ouverte le %5 par %6, poste %7.")
            .arg(e.AnneePrecedente, e.Annee, p.Login, PosteCourant(),
                 e.Date.toString(QStringLiteral("yyyy/MM/dd à hh:mm")), e.Utilisateur, e.Poste);
    numeroJournal_ = EcrireEntreeJournal(connexion, p, e, libelleJournal_);
    // The record goes with the change it recorded.
    for (const QString& table : {TableLignesRetour, TableTablesRetour, TableChangementRetour})
        ExecuterSQL(connexion, QStringLiteral("DELETE FROM korven.") + table);
}

void TRetourAnnee::Valider() {
    Etape(NombreEtapes(tables_) - 2, QStringLiteral("Validation de la transaction"));
    ValiderTransaction();
}

void TRetourAnnee::Annuler() {
    Etape(NombreEtapes(tables_) - 2, QStringLiteral("Lecture du bilan, puis annulation"));
    OBDataModule->RollbackTransaction();
    if (compteurJournal_ > 0) {
        try {
            ExecuterSQL(OBDataModule->OBSQLConnection,
                        QStringLiteral("ALTER TABLE %1.journal AUTO_INCREMENT = %2")
                            .arg(Identifiant(ancienneBase_))
                            .arg(compteurJournal_));
        } catch (const EKorven&) {
            // Without the right to alter the table the counter stays moved on: numbers skip, no row changes.
        }
    }
}

void TRetourAnnee::Echec(const std::exception& e) {
    const auto* erreur = dynamic_cast<const EKorven*>(&e);
    const QString texte = erreur ? erreur->Message() : QString::fromUtf8(e.what());
    try {
        OBDataModule->RollbackTransaction();
    } catch (const EKorven&) {
        // A lost connection has ended the transaction on the server already.
    }
    if (dynamic_cast<const ERefus*>(&e) != nullptr)
        Signaler(texte);
    else
        Signaler(QStringLiteral("Une erreur est survenue : \r\n") + texte);
}

TSuiteEchec TRetourAnnee::SuiteEchec(const std::exception& e, int essai, const TParametresRetour& p) {
    return ::SuiteEchec(e, essai,
                        {NouveauxEssais, [this, &p] { return ValideeMalgreTout(p); },
                         [this](const std::exception& erreur) { Echec(erreur); }, NouvelEssai});
}

bool TRetourAnnee::ValideeMalgreTout(const TParametresRetour& p) {
    // Without its journal entry's number nothing tells this run's undo from another's.
    if (numeroJournal_ <= 0)
        return false;
    try {
        // A session of its own: the failed one may be gone with what the server knew of it. A commit still
        // under way holds the master table's rows: the read waits for it to end one way or the other.
        TSQLConnection* connexion = OBDataModule->OBSQLConnection;
        connexion->Close();
        const TResultat annees = LireSQL(
            connexion,
            QStringLiteral("SELECT COALESCE(SUM(code = :nouvelle), 0), COALESCE(SUM(code = :ancienne AND "
                           "active = '1'), 0) FROM korven.annee_scolaire LOCK IN SHARE MODE"),
            {{QStringLiteral("nouvelle"), p.AnneeActive}, {QStringLiteral("ancienne"), ancienneAnnee_}});
        const QVariantList l = annees.Lignes.value(0);
        if (l.value(0).toInt() != 0 || l.value(1).toInt() != 1)
            return false;
        return ValeurSQL(connexion,
                         QStringLiteral(
                             "SELECT COUNT(*) FROM journal WHERE numero = :numero AND utilisateur = :login "
                             "AND libelle = :libelle AND poste = :poste"),
                         {{QStringLiteral("numero"), numeroJournal_},
                          {QStringLiteral("login"), p.Login},
                          {QStringLiteral("libelle"), libelleJournal_},
                          {QStringLiteral("poste"), PosteCourant()}})
                   .toInt() > 0;
    } catch (const EKorven&) {
        return false;
    }
}

void TRetourAnnee::Conclure() {
    Etape(NombreEtapes(tables_) - 1, QStringLiteral("Terminé"));
    // The last step is shown before the closing box, so that the progress reads its end while the box waits.
    Etape(NombreEtapes(tables_), QStringLiteral("Redémarrage de l'application"));
    Messages().Information(BoiteFinRetour(ancienneAnnee_, bilan_.AnneeRetiree));
    FinApplication().Redemarrer();
}

TIssueTransition TRetourAnnee::Executer(const TParametresRetour& p) {
    apercu_ = false;
    bilan_ = TBilanRetour();
    numeroJournal_ = 0;
    switch (Connecter(p)) {
    case TConnexion::Echouee:
        return TIssueTransition::Echouee;
    case TConnexion::DejaFaite:
        FinApplication().Redemarrer();
        return TIssueTransition::DejaFaite;
    case TConnexion::Prete:
        break;
    }
    for (int essai = 1;; ++essai) {
        try {
            numeroJournal_ = 0;
            OuvrirTransaction();
            Corps(p);
            Valider();
            break;
        } catch (const std::exception& e) {
            const TSuiteEchec suite = SuiteEchec(e, essai, p);
            if (suite == TSuiteEchec::Abandon) {
                if (dynamic_cast<const EDejaRetiree*>(&e) == nullptr)
                    return TIssueTransition::Echouee;
                FinApplication().Redemarrer();
                return TIssueTransition::DejaFaite;
            }
            if (suite == TSuiteEchec::ValideeMalgreTout)
                break;
        }
    }
    Conclure();
    return TIssueTransition::Validee;
}

TBilanRetour TRetourAnnee::Verifier(const TParametresRetour& p) {
    apercu_ = true;
    bilan_ = TBilanRetour();
    TSQLConnection* connexion = OBDataModule->OBSQLConnection;
    const QStringList parametres = connexion->Params;
    const bool ouverte = connexion->Connected();
    if (Connecter(p) == TConnexion::Prete) {
        try {
            OuvrirTransaction();
            Corps(p);
            Annuler();
        } catch (const std::exception& e) {
            Echec(e);
            Annuler();
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
    apercu_ = false;
    if (!bilan_.Possible())
        bilan_.Tables.clear();
    return bilan_;
}

QString BoiteFinRetour(const QString& anneeRetablie, const QString& anneeRetiree) {
    return QStringLiteral("Le retour à l'année scolaire %1 est terminé : l'année %2 a été retirée.\r\n"
                          "L'application va être redémarrée.")
        .arg(anneeRetablie, anneeRetiree);
}

QString ResumeRetour(const TBilanRetour& b) {
    if (!b.Possible())
        return b.Raison;
    QString texte =
        QStringLiteral(
            "Le dernier changement d'année (de %1 à %2, fait le %3 par %4, poste %5) peut être repris.\n")
            .arg(b.AnneeRetablie, b.AnneeRetiree, b.Date.toString(QStringLiteral("yyyy/MM/dd à hh:mm")),
                 b.Utilisateur, b.Poste);
    const auto date = [](const QString& d) { return d.isEmpty() ? QStringLiteral("aucune") : d; };
    texte += QStringLiteral("Table des années (korven.annee_scolaire) :\n");
    texte += QStringLiteral("  %1 : retirée (active, ouverte le %2)\n")
                 .arg(b.LigneRetiree.Code, date(b.LigneRetiree.DateDebut));
    texte += QStringLiteral("  %1 : de nouveau active, date de fin %2\n")
                 .arg(b.LigneRetablie.Code, date(b.LigneRetablie.DateFin));
    texte += QStringLiteral("Base %1 : %2 %3\n")
                 .arg(b.BaseRetiree, Lignes(b.TotalRetirees()),
                      b.TotalRetirees() > 1 ? QStringLiteral("retirées") : QStringLiteral("retirée"));
    for (const TTableRetour& t : b.Tables) {
        if (t.Retirees == 0 && t.Remises == 0)
            continue;
        texte += QStringLiteral("  %1 : %2 %3 sur %4")
                     .arg(t.Table, Lignes(t.Retirees),
                          t.Retirees > 1 ? QStringLiteral("retirées") : QStringLiteral("retirée"))
                     .arg(t.Lignes);
        if (t.Remises > 0)
            texte += QStringLiteral(", %1 %2 à %3 valeurs d'avant le changement")
                         .arg(Lignes(t.Remises),
                              t.Remises > 1 ? QStringLiteral("remises") : QStringLiteral("remise"),
                              t.Remises > 1 ? QStringLiteral("leurs") : QStringLiteral("ses"));
        texte += QLatin1Char('\n');
    }
    return texte;
}
