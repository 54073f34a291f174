#pragma once

#include "core/journal/RequeteJournal.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// The statements the journal window reads its list with. They select the rows of the list's statement
// (TexteRequeteJournal), in its order, at less cost:
//   - only the columns the list shows (not the date and time joined, which the report prints);
//   - a contained text left empty is written as what it selects, every entry with a description;
//   - a period that covers most of the days the journal holds is read by going through the table, which
//     costs less than going through the index on the date row by row (the server cannot tell, the table's
//     statistics rounding any period above half the table down to half);
//   - the first rows of an order that starts with the date are sought in the first days of the period, a few
//     days at a time, instead of sorting the whole period;
//   - the first rows of an order that starts with a long text, over most of the journal, are sought in the
//     rows that hold its first value;
//   - the rest of a selection sorted by date is read from the day its first rows end on.

// What the reader knows of the table: whether an index starts with the date (else the date gives no way in),
// and the first and last days its entries hold (invalid when it is empty or that index is missing).
struct TTableJournal {
    bool IndexDate = false;
    QDate Premier;
    QDate Dernier;
};

// The columns of the window's statements, in their order.
enum ColonneLectureJournal {
    ColonneNumero,
    ColonnePoste,
    ColonneUtilisateur,
    ColonneDate,
    ColonneHeure,
    ColonneOperation,
    ColonneDomaine,
    ColonneLibelle
};

// The window's statement for the entries of Filtre dated from Debut to Fin: from row Decalage of its order
// on, at most Nombre rows (every row when Nombre < 0). Through the table (no index) when Parcours.
QString TexteLectureJournal(const TFiltreJournal& Filtre, const QDate& Debut, const QDate& Fin, bool Parcours,
                            qint64 Decalage, qint64 Nombre);

// Whether the period Debut..Fin is better read through the table: it covers more than half of the days from
// the journal's first entry to its last.
bool ParcoursJournal(const TTableJournal& Table, const QDate& Debut, const QDate& Fin);

// For an order that starts with a long text no index serves (the workstation, the domain, the kind of
// operation), over a period read through the table: the statement for the first rows of its first group,
// the rows whose text is the one the order starts with (the greatest when descending; when ascending, the
// rows without one, then the least), in the list's order, at most Nombre rows. When it gives Nombre rows,
// they are the selection's first rows, and the server has built a sort key for the rows of that group only
// (a key of a long text costs more than reading the row). Empty for any other order.
QString TextePremierGroupeJournal(const TFiltreJournal& Filtre, qint64 Nombre);

// A part of the period, a few days.
struct TTrancheJournal {
    QDate Debut;
    QDate Fin;
};

// When the list's order starts with the date: the parts of the filter's period to read one after the other
// for its first rows, from the end the order starts at (the last days when the newest come first), each
// three times as long as the one before, the first a week, the last reaching the other end of the period.
// Each part's rows all come, in the order, before those of the next, so that the rows of the parts read in
// turn are the first rows of the whole period. Nothing when the order does not start with the date or the
// period is empty.
QList<TTrancheJournal> TranchesJournal(const TFiltreJournal& Filtre);

// What remains to read of a selection whose first rows were read: the part of the period that holds the
// rest, and how many rows at its start were among the first rows. When the order starts with the date, the
// rest lies on the day of the last row read and beyond it (before it when the newest come first), behind the
// first rows of that day; otherwise it is the whole period behind all the first rows.
struct TSuiteJournal {
    QDate Debut;
    QDate Fin;
    qint64 Decalage = 0;
};
TSuiteJournal SuiteJournal(const TFiltreJournal& Filtre, const QList<QDate>& DatesLues);
