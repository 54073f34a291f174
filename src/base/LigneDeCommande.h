#pragma once

#include <QString>
#include <QStringList>

// The command line of solvane, read before anything of the window system is made: its own options, and those
// of Qt, which the application object takes and which stay allowed. Anything else is refused, so that a
// mistyped option never opens a window, even where there is no display.

enum class TActionLigneDeCommande {
    // No option of the program's own: the login window opens.
    Demarrer,
    // --check: the start-up check without a window, its result printed.
    Verifier,
    // --undo-check: the start-up check, then whether the last change of year can be taken back, printed.
    VerifierRetour,
    Version,
    Aide,
    // An unknown option, a Qt option without its value or an argument: Erreur says which, in one line.
    Refus,
};

struct TLigneDeCommande {
    TActionLigneDeCommande Action = TActionLigneDeCommande::Demarrer;
    QString Erreur;
};

// arguments: the command line without the program's name.
TLigneDeCommande AnalyserLigneDeCommande(const QStringList& arguments);

// The text of --help; cheminConfiguration is the file the program would read.
QString TexteAide(const QString& cheminConfiguration);

// The exit status of a refused command line.
inline constexpr int CodeLigneDeCommandeRefusee = 2;
