#pragma once

#include <QString>
#include <QStringList>

// The school the benchmarks generate in the closing year's database bd_2025_2026: two sections of seven
// levels, about 40 students a class (and, when asked, one large class first), one member of staff for 20
// students (a tenth of them outside any teaching department), fees per level, decisions of every kind as the
// suite writes them, a third of the students with a series of orientation, photos. Deterministic: the same
// sizes always give the same rows.

struct TTaille {
    int Eleves;       // N
    int Classes;      // about 40 students a class, the large one apart
    int Personnel;    // one for 20 students
    int Enseignants;  // the staff of a teaching department; the others have none
    int GrandeClasse; // the students of the first class (6E-1), 0 when it is one like the others
};

// The sizes of a school of that many students, GrandeClasse of them in its first class (0: none apart).
TTaille Taille(int eleves, int grandeClasse = 0);

// The master table as the generated school has it: 2024/2025 closed, 2025/2026 active.
extern const QString AnneesMaitre;

// The statements that fill the closing year, run on bd_2025_2026.
QStringList InstructionsEcole(const TTaille& t);
