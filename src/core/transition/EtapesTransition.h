#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One step of the year transition between the master-table statements and the journal entry: its number,
// what the progress display calls it, its statement lines, the information box shown once it has run (none
// when Boite is empty) and the tables of the new year's database it writes. The student step has no
// statement of its own: its rows are written from the placement (TransfererEleves), and only when students
// are carried.
struct TEtapeCopie {
    int Numero;
    QString Libelle;
    QStringList Lignes;
    QString Boite;
    QStringList Tables;
    bool TransfertEleves = false;

    // How the figures of a change compare the two years for this step (see BilanTransition.h); Source empty:
    // the step copies no rows of the closing year. Conditions and expressions read the closing year's row as
    // O; unqualified names are the new year's tables.
    QString Source{};       // the closing year's table, qualified
    QStringList Cles{};     // its identifying columns, named the same in the new year's table
    QString FiltreSource{}; // which of the closing year's rows the step takes (empty: all)
    QString FiltreCible{};  // which of the new year's rows it fills (empty: all)
    QString Etiquette{};    // what names a row besides its key (empty: the key alone)
    QString Motif{}; // why a row is left behind, when the statement's conditions say it (NULL otherwise)
};

// Steps 9 to 44, in order, copying from the closing year's database (named ancienneBase, written unquoted
// into the statements) to the new one.
QList<TEtapeCopie> EtapesCopie(const QString& ancienneBase);
