#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <vector>

// What the benchmarks share: where they print, how they stop, their median, and the mariadb command-line
// client they set the program against.

// The figures (standard output).
QTextStream& Sortie();
// Progress of the benchmark itself, kept apart from the figures (standard error).
void Suivi(const QString& Texte);
// Stops the benchmark: the text on standard error after the program's name, exit status 1.
[[noreturn]] void Arreter(const QString& Texte);

double Millisecondes(qint64 Ns);

// The median of durations (integers: the mean of the middle two, rounded down) or of ratios; 0 for none.
template <typename T> T Mediane(std::vector<T> Valeurs) {
    if (Valeurs.empty())
        return T{};
    std::sort(Valeurs.begin(), Valeurs.end());
    const size_t milieu = Valeurs.size() / 2;
    return Valeurs.size() % 2 ? Valeurs[milieu] : (Valeurs[milieu - 1] + Valeurs[milieu]) / 2;
}

// The mariadb (or mysql) command-line client; stops the benchmark when neither is installed.
QString ClientMariadb();
// Its arguments for the benchmark's server (the tests' account), with no option file read and utf8mb4.
QStringList ArgumentsClient();

// The machine's load average over 1, 5 and 15 minutes ("?" where the system does not tell).
QString ChargeMachine();
