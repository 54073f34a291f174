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
};

// Steps 9 to 44, in order, copying from the closing year's database (named ancienneBase, written unquoted
// into the statements) to the new one.
QList<TEtapeCopie> EtapesCopie(const QString& ancienneBase);
