#pragma once

#include "core/transition/Dictionnaires.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// What a year's change carries, table by table, as the preview ("Vérifier") shows it before the run and the
// run report prints it after: the same figures, read the same way from the databases once every step has
// run (inside the preview's transaction, or after the real run's commit).

// One step that copies rows of the closing year (or, for the instalments per student, makes them).
struct TLigneBilan {
    int Numero = 0;       // the step
    QString Libelle;      // what the step copies, as the progress display calls it
    QString Table;        // the new year's table it fills
    int Anciennes = -1;   // rows of the closing year the step takes; -1: it takes none (it makes its rows)
    int Nouvelles = 0;    // rows the new year holds once the change is done
    int NonReportees = 0; // rows of the closing year found in the new year neither before nor after
    // The first rows not carried, by key (20 at most): their key, what names them, and why they are left
    // behind when the copy's conditions say it ("C9 — Terminale X : salle non reportée").
    QStringList Exemples;
};

// A student with a decision whom the change does not carry.
struct TEleveNonPlace {
    QString Matricule;
    QString Nom;
    QString Prenom;
    QString Classe;   // this year's class
    QString Decision; // "P", "R", "PE" or "E"
};

struct TBilanTransition {
    QList<TLigneBilan> Lignes;
    // Students placed in each class of the new year, by the rank of the class's level, then by class code.
    QList<QPair<QString, int>> ElevesParClasse;
    // Students with a decision and no class of the new year (all of them when "Elèves" is unticked), by
    // surname, first name and matricule.
    QList<TEleveNonPlace> NonPlaces;
    // What stops the real run, in the words "&Terminer" would show, ending with "Rien n'a été modifié.";
    // empty when nothing does.
    QString Blocage;
};

// The most rows not carried a line lists.
inline constexpr int NombreExemplesBilan = 20;

// The rank of each class's level (class code to the level's order); a class without one is missing.
using TRangsClasses = QHash<QString, int>;

// The students part of the figures, from the placement; the classes in the order of their level's rank
// (classes of no known rank last), then of their code.
void BilanEleves(TBilanTransition& Bilan, const TOrdreEleves& Ordre, const TDictionnaireDecisions& Decisions,
                 const TDictionnairePlacement& Placement, bool Eleves, const TRangsClasses& Rangs);

// The ranks of the classes of a year's database, read on the year connection. Raises EKorven on a database
// error.
TRangsClasses RangsClasses(const QString& base);

// The tables' figures, read on the year connection (attached to the new year's database) once every step of
// the change has run; ancienneBase is the closing year's database. Raises EKorven on a database error.
QList<TLigneBilan> BilanTables(const QString& ancienneBase);
