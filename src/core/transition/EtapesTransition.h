#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One set-based copy of the year transition: its step number, its statement lines and the information box
// shown once it has run (none when Boite is empty).
struct TEtapeCopie {
    int Numero;
    QStringList Lignes;
    QString Boite;
};

// The copies from the closing year's database (named ancienneBase, written unquoted into the statements) to
// the new one, steps 9 to 44 without the students (step 30), in order.
QList<TEtapeCopie> EtapesCopie(const QString& ancienneBase);
