#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class TSQLConnection;
struct TParametresTransition;

// What the program keeps in the master database about the last change of year, so that the change can be
// taken back as long as nothing else has been written into the year it opened. Three tables of its own, made
// the first time a change runs when the master database lacks them (sql/korven.sql holds the same):
//
//   solvane_changement  one row: the year the change opened and the year it closed, the opened year's
//                       database, the highest number of that database's journal once the change wrote its
//                       entry, who made the change, from which workstation, when (the server's clock);
//   solvane_table       one row per table of the opened year's database and one for korven.annee_scolaire:
//                       its columns, its rows as the change left them (how many, and their fingerprint), and
//                       for a table the change writes, how many rows it held before;
//   solvane_ligne       the rows each table the change writes held before the change, one per row.
//
// Only the last change is kept: a change replaces whatever an earlier one left there, and taking a change
// back removes its record.

inline const QString TableChangementRetour = QStringLiteral("solvane_changement");
inline const QString TableTablesRetour = QStringLiteral("solvane_table");
inline const QString TableLignesRetour = QStringLiteral("solvane_ligne");

// The statements that make the three tables in the master database (on a connection to it) when they are not
// there.
QStringList InstructionsTablesRetour();

// Whether the master database holds the three tables (as tables: a view of one of those names does not
// count). Read on the given connection; raises EKorven on a database error.
bool TablesRetourPresentes(TSQLConnection* connexion);

// A column of a table, as the record keeps it: its name and its type (information_schema.COLUMNS.DATA_TYPE,
// in lower case).
struct TColonneRetour {
    QString Nom;
    QString Type;
    bool operator==(const TColonneRetour&) const = default;
};

// The columns of every table of those databases, in their order, by "base.table" (the table's name in lower
// case). Raises EKorven on a database error.
QMap<QString, QList<TColonneRetour>> ColonnesTables(TSQLConnection* connexion, const QStringList& bases);
// The columns as one text ("nom type" parted by ", "), the form the record keeps them in, and back.
QString TexteColonnes(const QList<TColonneRetour>& colonnes);
QList<TColonneRetour> LireColonnes(const QString& texte);

// A name written into a statement: between backquotes, a backquote doubled.
QString Identifiant(const QString& nom);

// One row of a table as a JSON array of its values, in the order of the columns (binary values in
// hexadecimal, time stamps as Unix times): the form in which the record keeps a row. alias: the table's alias
// in the statement (none when empty).
QString ExpressionLigne(const QList<TColonneRetour>& colonnes, const QString& alias = QString());
// The value of the column of index i, read back from a kept row (the JSON array in ligne).
QString ExpressionValeur(const TColonneRetour& colonne, int i, const QString& ligne);

// The fingerprint of one row: a CRC-32 of its values as bytes, parted by a control character and followed by
// which of them are NULL. Of the table's own columns, or (ligne not empty) of the values of a kept row read
// back, which give the same number when the row is the same.
QString EmpreinteLigne(const QList<TColonneRetour>& colonnes, const QString& ligne = QString());

// The rows of a table, as the record compares them: how many, and the sum of their rows' fingerprints (which
// does not depend on the order of the rows, and counts a row twice when it is there twice).
struct TEmpreinteTable {
    qlonglong Lignes = 0;
    QString Somme;
    bool operator==(const TEmpreinteTable&) const = default;
};

// A table to take the fingerprint of: its columns, and which of its rows (all of them when empty).
struct TTableEmpreinte {
    QString Base;
    QString Nom;
    QList<TColonneRetour> Colonnes;
    QString Condition{};
};

// The fingerprints of those tables, in their order, read in one statement. With verrou, every row read is
// locked for the transaction under way (FOR UPDATE). Raises EKorven on a database error.
QList<TEmpreinteTable> EmpreintesTables(TSQLConnection* connexion, const QList<TTableEmpreinte>& tables,
                                        bool verrou = false);

// The entries of the opened year's journal that the program writes itself at every sign-in ("Tentative de
// connexion", operation Connexion), numbered above numeroMax, are not something written into the year: they
// may come after the change, and go with it. A condition on the journal's rows that leaves them out, and one
// that takes them alone.
QString ConditionHorsConnexions(qlonglong numeroMax);
QString ConditionConnexions(qlonglong numeroMax);

// Records the change whose transaction's body has just run (its journal entry written), inside that
// transaction, on the year connection of the calling thread's data module: what every table of the new year's
// database and korven.annee_scolaire hold now, and what the tables the change writes held before (read on the
// master connection's own session, which does not see the uncommitted change). When the master database lacks
// the program's tables they are made first, on the master connection (outside the transaction), except for
// the preview (apercu), which makes nothing.
//
// Never stops the change for its own sake: a master database without the tables (an account that may not
// make them, say) or any other failure of the record leaves the change as it would be without it (the
// record's statements undone to a savepoint), and the change cannot be taken back. A failure that has ended
// the transaction itself (a deadlock, a lost connection) is raised, for the change's own rules.
void EnregistrerChangement(const TParametresTransition& p, bool apercu);
