#pragma once

#include "core/data/RequeteSQL.h"
#include "core/transition/Dictionnaires.h"

#include <QString>
#include <functional>

// What the year transition takes from the wizard.
struct TParametresTransition {
    QString NouvelleAnnee; // text of EditAnneeScolaire, e.g. 2026/2027
    QString AnneeCourante; // the closing year, e.g. 2025/2026
    QString Serveur, Port, Utilisateur, MotDePasse;
    QString NomEtablissement;
    QString Login;
    bool Eleves = true; // "Elèves" ticked
    const TDictionnaireEleves* DictionnaireEleves = nullptr;
    const TDictionnairePlacement* DictionnaireElevesNew = nullptr;
};

// The year transition: points the year connection at the new year's database, then, in one transaction,
// closes the current year and registers the new one in korven.annee_scolaire, copies the closing year's
// data into the new database, inserts the placed students, recomputes head-counts, instalments and
// parameters, journals the operation and commits. Every step reports to the user through the message
// interface. Any error from the transaction on rolls everything back: the master table and the new database
// are then exactly as they were, and the transition can be run again.
class TTransitionAnnee {
public:
    // Called before each step runs: its number (1 to NombreEtapes), what it does, how many steps remain.
    std::function<void(int numero, const QString& libelle, int restantes)> Progression;

    // Runs the whole transition. Returns true once committed (the closing message shown and a restart
    // asked for); false when it stopped, after telling the user why.
    bool Executer(const TParametresTransition& parametres);

    // The new year's database, set at the start of every run.
    QString NouvelleBD;

    static constexpr int NombreEtapes = 48;

private:
    void Etape(int numero, const QString& libelle);
    void Instruction(const QStringList& lignes, const TParams& parametres = {});
};

// The tables the transition writes (in the new year's database, plus korven.annee_scolaire) that do not
// support transactions, as "base.table"; a failure would leave their rows behind after the rollback.
QStringList TablesNonTransactionnelles(const QString& nouvelleBase);
