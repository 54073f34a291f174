#pragma once

#include "core/transition/Dictionnaires.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <vector>

// "Proposer une répartition": a class of the new year for every student with a decision who is not placed
// yet, decided from the maps and the current year's classes and levels, without widgets.
//   - a repeater ("R") keeps the code of the class the student sits in, when that class is carried;
//   - a promoted student ("P") goes to a carried class of the same section whose level's rank is the next
//     one, preferring the class of the student's series of orientation, then the class whose code continues
//     the current one (6EA to 5EA: the part after the level's code), then the class that holds the fewest
//     placed students so far, then the smallest code;
//   - excluded students ("E", "PE"), students of the last level of a section and students for whom no class
//     fits are left for the administrator. Placed students are never moved.

// A class of the current year, with its level, section and series.
struct TClasseAnnee {
    QString Code;
    QString CodeNiveau;
    int OrdreNiveau = 0;
    int IdSection = 0;
    int NumSerie = 0; // 0: no series
    // Whether the year's change carries it into the new year.
    bool Reconduite = false;
};

// What a proposal is decided from, read once per press.
struct TClassesProposition {
    QHash<QString, TClasseAnnee> Classes; // by code
    // Ranks of the levels of each section.
    QHash<int, QSet<int>> OrdresParSection;
};

// The current year's classes and levels (AnneeCourante), and which of the classes the change to NouvelleAnnee
// will carry: the class copy's own conditions, read against both databases as they stand (a class already in
// the new year under its code is carried). One statement on the year connection; EKorven on failure.
TClassesProposition LireClassesProposition(const QString& AnneeCourante, const QString& NouvelleAnnee);

// Why a student was left for the administrator.
enum class MotifNonPropose {
    Exclu,
    DernierNiveau,
    AucuneClasseNiveauSuivant,
    AucuneClasseMemeCode,
    ClasseInconnue
};

struct TProposition {
    // The placements proposed: matricule -> class code.
    TDictionnairePlacement Placements;
    // How many were placed, per decision code.
    QMap<QString, int> PlacesParDecision;
    // How many are left, per reason.
    QMap<MotifNonPropose, int> Restants;
};

// The proposal for the students of Ordre not in Placement (which it does not change).
TProposition Proposer(const TOrdreEleves& Ordre, const TDictionnaireDecisions& Decisions,
                      const TDictionnairePlacement& Placement, const TClassesProposition& Classes);

// The summary shown after a press.
QString ResumeProposition(const TProposition& Proposition);
