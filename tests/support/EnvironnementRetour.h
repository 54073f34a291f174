#pragma once

#include "core/transition/RetourAnnee.h"
#include "support/EnvironnementTransition.h"

#include <memory>

class TChangementAnnee;

// What taking a change back needs around it in a test: the change of tests/data/transition.sql made first
// (2025/2026 to 2026/2027, three students placed in 6A), then sign-ins to the new year as the login window
// writes them, and the undo's values for the test server.
class EnvironnementRetour : public EnvironnementTransition {
public:
    EnvironnementRetour();

    // Runs the change with its three students; true once committed. The boxes are emptied afterwards.
    bool Changer();
    // A sign-in to the year the year connection points at, its journal entry written as the login window
    // writes it (the account looked up, the attempt's outcome); whether the account was accepted.
    static bool SeConnecter(const QString& login, const QString& motDePasse, int essai = 1);
    // The undo's values: the active year 2026/2027, this server, that account.
    static TParametresRetour ParametresRetour(const QString& login = QStringLiteral("admin"));
    // The change a sign-in of "admin" to the new year opens (no students), the undo examined as the sign-in
    // does.
    std::unique_ptr<TChangementAnnee> ChangementNouvelleAnnee() const;
    // Runs the undo with ParametresRetour(login).
    TIssueTransition Revenir(const QString& login = QStringLiteral("admin"));

    // Every table of korven and of both years: name, rows, checksum.
    QStringList EmpreinteToutes();
    // The rows of every table of the new year's database and of korven.annee_scolaire, as texts in their
    // order, without the numbers the server generates (self-numbering columns) nor the journal's time.
    QStringList LignesSansNumeros();
};
