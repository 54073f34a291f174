#include "core/transition/EmpreinteAnnee.h"

#include "base/KORVENFonctionsU.h"
#include "base/KORVENTypesU.h"
#include "base/KorvenUtils.h"
#include "core/data/OBDataModuleU.h"
#include "core/data/RequeteSQL.h"
#include "core/journal/EcritureJournal.h"
#include "core/platform/Poste.h"
#include "core/session/Identification.h"
#include "core/transition/EtapesTransition.h"
#include "core/transition/TransitionAnnee.h"

#include <algorithm>
#include <optional>

namespace {

// The kept rows of a table go in statements of about this many characters.
constexpr qsizetype TailleLotLignes = 1 << 20;

const QString Savepoint = QStringLiteral("solvane_changement");

// The types whose values are bytes, not text: kept in hexadecimal.
bool Binaire(const QString& type) {
    static const QStringList types = {QStringLiteral("binary"),       QStringLiteral("varbinary"),
                                      QStringLiteral("tinyblob"),     QStringLiteral("blob"),
                                      QStringLiteral("mediumblob"),   QStringLiteral("longblob"),
                                      QStringLiteral("geometry"),     QStringLiteral("point"),
                                      QStringLiteral("linestring"),   QStringLiteral("polygon"),
                                      QStringLiteral("multipoint"),   QStringLiteral("multilinestring"),
                                      QStringLiteral("multipolygon"), QStringLiteral("geometrycollection")};
    return types.contains(type);
}

// A table of the new year's database (or korven.annee_scolaire) as the record takes it.
struct TTableChangement {
    QString Base;
    QString Nom;
    bool Ecrite = false;
    QList<TColonneRetour> Colonnes;
    QStringList Avant; // the rows it held before the change (a table the change writes)
};

// The tables to record: korven.annee_scolaire, the new year's tables the change writes in the order of its
// steps, then the others by name.
QList<TTableChangement> TablesChangement(TSQLConnection* connexion, const QString& base) {
    const QMap<QString, QList<TColonneRetour>> colonnes =
        ColonnesTables(connexion, {QStringLiteral("korven"), base});
    const QString prefixe = base + QLatin1Char('.');
    QStringList presentes;
    for (auto it = colonnes.cbegin(); it != colonnes.cend(); ++it)
        if (it.key().startsWith(prefixe))
            presentes << it.key().mid(prefixe.size());
    QList<TTableChangement> tables{
        {QStringLiteral("korven"), QStringLiteral("annee_scolaire"), true, {}, {}}};
    const QStringList ecrites = TablesEcritesTransition();
    for (const QString& table : ecrites)
        if (presentes.contains(table))
            tables.append({base, table, true, {}, {}});
    for (const QString& table : presentes)
        if (!ecrites.contains(table))
            tables.append({base, table, false, {}, {}});
    for (TTableChangement& table : tables)
        table.Colonnes = colonnes.value(table.Base + QLatin1Char('.') + table.Nom);
    return tables;
}

// The kept rows of one table, in statements of a bounded size.
void EcrireLignes(TSQLConnection* connexion, const QString& annee, const TTableChangement& table) {
    const QString entete = QStringLiteral("INSERT INTO korven.") + TableLignesRetour +
                           QStringLiteral(" (annee, base, nom, rang, ligne) VALUES ");
    const QString cle = QLatin1Char('(') + ChaineSQL(annee) + QStringLiteral(", ") + ChaineSQL(table.Base) +
                        QStringLiteral(", ") + ChaineSQL(table.Nom) + QStringLiteral(", ");
    QString texte;
    for (qsizetype rang = 0; rang < table.Avant.size(); ++rang) {
        texte += (texte.isEmpty() ? entete : QStringLiteral(", ")) + cle + QString::number(rang + 1) +
                 QStringLiteral(", ") + ChaineSQL(table.Avant.at(rang)) + QLatin1Char(')');
        if (texte.size() >= TailleLotLignes || rang + 1 == table.Avant.size()) {
            ExecuterSQL(connexion, texte);
            texte.clear();
        }
    }
}

QString PosteCourant() {
    try {
        return TEcritureJournal::Poste();
    } catch (const EKorven&) {
        return GetNomMachine();
    }
}

} // namespace

QStringList InstructionsTablesRetour() {
    const QString options = QStringLiteral(") ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin");
    return {QStringLiteral("CREATE TABLE IF NOT EXISTS korven.") + TableChangementRetour +
                QStringLiteral(" (annee VARCHAR(20) NOT NULL, annee_precedente VARCHAR(20) NOT NULL, "
                               "base VARCHAR(64) NOT NULL, journal_max BIGINT NOT NULL DEFAULT 0, "
                               "utilisateur VARCHAR(255) NULL DEFAULT NULL, poste VARCHAR(255) NULL "
                               "DEFAULT NULL, date_changement DATETIME NULL DEFAULT NULL, PRIMARY KEY "
                               "(annee)") +
                options,
            QStringLiteral("CREATE TABLE IF NOT EXISTS korven.") + TableTablesRetour +
                QStringLiteral(" (annee VARCHAR(20) NOT NULL, base VARCHAR(64) NOT NULL, nom VARCHAR(64) "
                               "NOT NULL, rang INT NOT NULL, ecrite CHAR(1) NOT NULL DEFAULT '0', colonnes "
                               "TEXT NOT NULL, lignes BIGINT NOT NULL, somme VARCHAR(30) NOT NULL, "
                               "lignes_avant BIGINT NULL DEFAULT NULL, PRIMARY KEY (annee, base, nom)") +
                options,
            QStringLiteral("CREATE TABLE IF NOT EXISTS korven.") + TableLignesRetour +
                QStringLiteral(" (annee VARCHAR(20) NOT NULL, base VARCHAR(64) NOT NULL, nom VARCHAR(64) "
                               "NOT NULL, rang INT NOT NULL, ligne LONGTEXT NOT NULL, PRIMARY KEY (annee, "
                               "base, nom, rang)") +
                options};
}

bool TablesRetourPresentes(TSQLConnection* connexion) {
    return LireSQL(
               connexion,
               QStringLiteral("SELECT COUNT(*) FROM information_schema.TABLES WHERE TABLE_SCHEMA = 'korven' "
                              "AND TABLE_TYPE = 'BASE TABLE' AND LOWER(TABLE_NAME) IN (:a, :b, :c)"),
               {{QStringLiteral("a"), TableChangementRetour},
                {QStringLiteral("b"), TableTablesRetour},
                {QStringLiteral("c"), TableLignesRetour}})
               .Lignes.value(0)
               .value(0)
               .toInt() == 3;
}

QMap<QString, QList<TColonneRetour>> ColonnesTables(TSQLConnection* connexion, const QStringList& bases) {
    QStringList noms;
    for (const QString& base : bases)
        noms << ChaineSQL(base);
    QMap<QString, QList<TColonneRetour>> colonnes;
    for (const QVariantList& ligne :
         LireSQL(connexion,
                 QStringLiteral(
                     "SELECT CONCAT(C.TABLE_SCHEMA, '.', LOWER(C.TABLE_NAME)), C.COLUMN_NAME, "
                     "LOWER(C.DATA_TYPE) FROM information_schema.COLUMNS C JOIN information_schema.TABLES "
                     "T ON T.TABLE_SCHEMA = C.TABLE_SCHEMA AND T.TABLE_NAME = C.TABLE_NAME WHERE "
                     "C.TABLE_SCHEMA IN (%1) AND T.TABLE_TYPE = 'BASE TABLE' ORDER BY C.TABLE_SCHEMA, "
                     "C.TABLE_NAME, C.ORDINAL_POSITION")
                     .arg(noms.join(QStringLiteral(", "))))
             .Lignes)
        colonnes[ligne.value(0).toString()].append({ligne.value(1).toString(), ligne.value(2).toString()});
    return colonnes;
}

QString TexteColonnes(const QList<TColonneRetour>& colonnes) {
    QStringList textes;
    for (const TColonneRetour& c : colonnes)
        textes << c.Nom + QLatin1Char(' ') + c.Type;
    return textes.join(QStringLiteral(", "));
}

QList<TColonneRetour> LireColonnes(const QString& texte) {
    QList<TColonneRetour> colonnes;
    if (texte.isEmpty())
        return colonnes;
    for (const QString& colonne : texte.split(QStringLiteral(", ")))
        colonnes.append({colonne.section(QLatin1Char(' '), 0, -2), colonne.section(QLatin1Char(' '), -1)});
    return colonnes;
}

QString Identifiant(const QString& nom) {
    return QLatin1Char('`') + QString(nom).replace(QLatin1Char('`'), QStringLiteral("``")) + QLatin1Char('`');
}

QString ExpressionLigne(const QList<TColonneRetour>& colonnes, const QString& alias) {
    QStringList valeurs;
    const QString prefixe = alias.isEmpty() ? QString() : alias + QLatin1Char('.');
    for (const TColonneRetour& c : colonnes) {
        const QString colonne = prefixe + Identifiant(c.Nom);
        if (Binaire(c.Type))
            valeurs << QStringLiteral("HEX(%1)").arg(colonne);
        else if (c.Type == QLatin1String("timestamp"))
            valeurs << QStringLiteral("UNIX_TIMESTAMP(%1)").arg(colonne);
        else if (c.Type == QLatin1String("bit"))
            valeurs << QStringLiteral("CAST(%1 AS UNSIGNED)").arg(colonne);
        else
            valeurs << colonne;
    }
    return QStringLiteral("JSON_ARRAY(") + valeurs.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString ExpressionValeur(const TColonneRetour& colonne, int i, const QString& ligne) {
    const QString valeur = QStringLiteral("JSON_VALUE(%1, '$[%2]')").arg(ligne).arg(i);
    if (Binaire(colonne.Type))
        return QStringLiteral("UNHEX(%1)").arg(valeur);
    if (colonne.Type == QLatin1String("timestamp"))
        return QStringLiteral("FROM_UNIXTIME(%1)").arg(valeur);
    if (colonne.Type == QLatin1String("bit"))
        return QStringLiteral("CAST(%1 AS UNSIGNED)").arg(valeur);
    return valeur;
}

QString EmpreinteLigne(const QList<TColonneRetour>& colonnes, const QString& ligne) {
    QStringList valeurs, nuls;
    for (int i = 0; i < colonnes.size(); ++i) {
        const QString valeur =
            ligne.isEmpty() ? Identifiant(colonnes.at(i).Nom) : ExpressionValeur(colonnes.at(i), i, ligne);
        // As bytes: the server would otherwise read a binary value among texts in their character set.
        valeurs << QStringLiteral("CAST(%1 AS BINARY)").arg(valeur);
        nuls << QStringLiteral("ISNULL(%1)").arg(valeur);
    }
    return QStringLiteral("CRC32(CONCAT_WS(CHAR(31), %1, CONCAT(%2)))")
        .arg(valeurs.join(QStringLiteral(", ")), nuls.join(QStringLiteral(", ")));
}

QList<TEmpreinteTable> EmpreintesTables(TSQLConnection* connexion, const QList<TTableEmpreinte>& tables,
                                        bool verrou) {
    if (tables.isEmpty())
        return {};
    QStringList parties;
    for (int i = 0; i < tables.size(); ++i) {
        const TTableEmpreinte& t = tables.at(i);
        parties << QStringLiteral(
                       "(SELECT %1 AS rang, COUNT(*) AS lignes, CAST(COALESCE(SUM(%2), 0) AS CHAR) AS "
                       "somme FROM %3.%4%5%6)")
                       .arg(i)
                       .arg(EmpreinteLigne(t.Colonnes), Identifiant(t.Base), Identifiant(t.Nom),
                            t.Condition.isEmpty() ? QString() : QStringLiteral(" WHERE ") + t.Condition,
                            verrou ? QStringLiteral(" FOR UPDATE") : QString());
    }
    QList<TEmpreinteTable> empreintes(tables.size());
    for (const QVariantList& ligne : LireSQL(connexion, parties.join(QStringLiteral(" UNION ALL "))).Lignes)
        empreintes[ligne.value(0).toInt()] = {ligne.value(1).toLongLong(), ligne.value(2).toString()};
    return empreintes;
}

QString ConditionConnexions(qlonglong numeroMax) {
    // The description EvaluerTentative gives every attempt: "[login] - Solvane - Tentative de connexion,
    // ...".
    return QStringLiteral("(numero > %1 AND operation <=> %2 AND domaine <=> %3 AND COALESCE(libelle LIKE "
                          "'[%] - Solvane - Tentative de connexion, %', 0))")
        .arg(numeroMax)
        .arg(ChaineSQL(OperationConnexion), ChaineSQL(DomaineConnexion));
}

QString ConditionHorsConnexions(qlonglong numeroMax) {
    return QStringLiteral("NOT ") + ConditionConnexions(numeroMax);
}

namespace {

// The tables to record with what the tables the change writes held before it, read outside the transaction
// on the master connection's session, which sees only what is committed; the program's tables made first.
// Nothing when there is to be no record.
std::optional<QList<TTableChangement>> TablesAvant(const QString& base, bool apercu) {
    TSQLConnection* annee = OBDataModule->OBSQLConnection;
    TSQLConnection* maitre = OBDataModule->OBOrbelanSQLConnection;
    try {
        if (!TablesRetourPresentes(maitre)) {
            if (apercu)
                return std::nullopt;
            for (const QString& instruction : InstructionsTablesRetour())
                ExecuterSQL(maitre, instruction);
            // Something else of one of those names (a view) is left alone.
            if (!TablesRetourPresentes(maitre))
                return std::nullopt;
        }
        QList<TTableChangement> tables = TablesChangement(annee, base);
        QStringList parties;
        for (int i = 0; i < tables.size(); ++i)
            if (tables.at(i).Ecrite)
                parties << QStringLiteral("(SELECT %1 AS rang, %2 AS ligne FROM %3.%4)")
                               .arg(i)
                               .arg(ExpressionLigne(tables.at(i).Colonnes), Identifiant(tables.at(i).Base),
                                    Identifiant(tables.at(i).Nom));
        for (const QVariantList& ligne : LireSQL(maitre, parties.join(QStringLiteral(" UNION ALL "))).Lignes)
            tables[ligne.value(0).toInt()].Avant << ligne.value(1).toString();
        return tables;
    } catch (const EKorven&) {
        // No record: the change goes on as it would without one.
        return std::nullopt;
    }
}

// The values of a table's row of the record.
QString LigneTableRetour(const QString& nouvelleAnnee, const TTableChangement& table, int rang,
                         const TEmpreinteTable& empreinte) {
    return QLatin1Char('(') +
           QStringList{ChaineSQL(nouvelleAnnee),
                       ChaineSQL(table.Base),
                       ChaineSQL(table.Nom),
                       QString::number(rang),
                       table.Ecrite ? QStringLiteral("'1'") : QStringLiteral("'0'"),
                       ChaineSQL(TexteColonnes(table.Colonnes)),
                       QString::number(empreinte.Lignes),
                       ChaineSQL(empreinte.Somme),
                       table.Ecrite ? QString::number(table.Avant.size()) : QStringLiteral("NULL")}
               .join(QStringLiteral(", ")) +
           QLatin1Char(')');
}

// The record itself, on the year connection inside the change's transaction.
void EcrireEnregistrement(const TParametresTransition& p, const QString& base,
                          const QList<TTableChangement>& tables) {
    TSQLConnection* annee = OBDataModule->OBSQLConnection;
    for (const QString& table : {TableLignesRetour, TableTablesRetour, TableChangementRetour})
        ExecuterSQL(annee, QStringLiteral("DELETE FROM korven.") + table);
    const qlonglong journalMax =
        LireSQL(annee,
                QStringLiteral("SELECT COALESCE(MAX(numero), 0) FROM %1.journal").arg(Identifiant(base)))
            .Lignes.value(0)
            .value(0)
            .toLongLong();
    ExecuterSQL(annee,
                QStringLiteral("INSERT INTO korven.") + TableChangementRetour +
                    QStringLiteral(" (annee, annee_precedente, base, journal_max, utilisateur, poste, "
                                   "date_changement) VALUES (:annee, :precedente, :base, :journal, :login, "
                                   ":poste, NOW())"),
                {{QStringLiteral("annee"), p.NouvelleAnnee},
                 {QStringLiteral("precedente"), p.AnneeCourante},
                 {QStringLiteral("base"), base},
                 {QStringLiteral("journal"), journalMax},
                 {QStringLiteral("login"), p.Login},
                 {QStringLiteral("poste"), PosteCourant()}});
    QList<TTableEmpreinte> aEmpreinter;
    for (const TTableChangement& table : tables)
        aEmpreinter.append({table.Base, table.Nom, table.Colonnes});
    const QList<TEmpreinteTable> empreintes = EmpreintesTables(annee, aEmpreinter);
    QStringList lignes;
    for (int i = 0; i < tables.size(); ++i)
        lignes << LigneTableRetour(p.NouvelleAnnee, tables.at(i), i + 1, empreintes.at(i));
    ExecuterSQL(annee, QStringLiteral("INSERT INTO korven.") + TableTablesRetour +
                           QStringLiteral(" (annee, base, nom, rang, ecrite, colonnes, lignes, somme, "
                                          "lignes_avant) VALUES ") +
                           lignes.join(QStringLiteral(", ")));
    for (const TTableChangement& table : tables)
        EcrireLignes(annee, p.NouvelleAnnee, table);
}

} // namespace

void EnregistrerChangement(const TParametresTransition& p, bool apercu) {
    TSQLConnection* annee = OBDataModule->OBSQLConnection;
    const QString base = NomBaseAnnee(p.NouvelleAnnee);
    const std::optional<QList<TTableChangement>> tables = TablesAvant(base, apercu);
    if (!tables)
        return;

    // Inside the transaction, undone to the savepoint when any of it fails. The journal's writer says nothing
    // of its own failure: a transaction the server has already undone (to let another pass) is left to the
    // change's check before its commit, and nothing is written outside it.
    if (LireSQL(annee, QStringLiteral("SELECT @@in_transaction")).Lignes.value(0).value(0).toInt() != 1)
        return;
    ExecuterSQL(annee, QStringLiteral("SAVEPOINT ") + Savepoint);
    try {
        EcrireEnregistrement(p, base, *tables);
        ExecuterSQL(annee, QStringLiteral("RELEASE SAVEPOINT ") + Savepoint);
    } catch (const EKorven& e) {
        try {
            ExecuterSQL(annee, QStringLiteral("ROLLBACK TO SAVEPOINT ") + Savepoint);
        } catch (const EKorven&) {
            // The transaction itself is gone with the error: the change's rules decide what follows.
            throw e;
        }
    }
}
