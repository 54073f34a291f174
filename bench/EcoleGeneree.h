#pragma once

#include <QString>
#include <QStringList>

// The school the benchmarks generate in the closing year's database bd_2025_2026: two sections of seven
// levels, about 40 students a class, one member of staff for 20 students (a tenth of them outside any
// teaching department), fees per level, decisions of every kind, photos. Deterministic: the same N always
// gives the same rows.

struct TTaille {
    int Eleves;      // N
    int Classes;     // about 40 students a class
    int Personnel;   // one for 20 students
    int Enseignants; // the staff of a teaching department; the others have none
};

// The sizes of a school of that many students.
TTaille Taille(int eleves);

// The master table as the generated school has it: 2024/2025 closed, 2025/2026 active.
extern const QString AnneesMaitre;

// The statements that fill the closing year, run on bd_2025_2026.
QStringList InstructionsEcole(const TTaille& t);
