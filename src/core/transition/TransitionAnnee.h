#pragma once

#include "core/data/RequeteSQL.h"
#include "core/transition/BilanTransition.h"
#include "core/transition/Dictionnaires.h"

#include <QDateTime>
#include <QList>
#include <QPair>
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
    // For the students part of the figures (preview and report): decisions and the list's order.
    const TDictionnaireDecisions* DictionnaireDecisions = nullptr;
    const TOrdreEleves* Ordre = nullptr;
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

    // Called once the change is committed, before the closing message, with what it carried and the server's
    // clock when it started and ended: the window offers the run's report there.
    std::function<void(const TBilanTransition& bilan, const QDateTime& debut, const QDateTime& fin)>
        ApresValidation;

    // Runs the whole transition. Returns true once committed (the closing message shown and a restart
    // asked for); false when it stopped, after telling the user why.
    bool Executer(const TParametresTransition& parametres);

    // The preview: the whole transition as Executer runs it, with the same values and statements, inside one
    // transaction that is always rolled back; no box, no journal entry kept, no restart. Gives what the
    // change would carry (read once every step has run), or what would stop it. The databases are left as
    // they were (the counters of self-numbering tables put back) and the year connection as it pointed.
    TBilanTransition Verifier(const TParametresTransition& parametres);

    // The figures of a committed change, as its report shows them: the tables' read on the year connection
    // (attached to the new year's database), the students' from the wizard's maps when they are given.
    // Raises EKorven on a database error.
    static TBilanTransition BilanApresValidation(const TParametresTransition& parametres);
    // The new year's database, set at the start of every run.
    QString NouvelleBD;

    static constexpr int NombreEtapes = 48;

private:
    bool Derouler(const TParametresTransition& p);
    void Etape(int numero, const QString& libelle);
    void Instruction(const QStringList& lignes, const TParams& parametres = {});
    // An error box (the preview keeps the text instead), an information box (none in the preview).
    void Signaler(const QString& texte);
    void Informer(const QString& texte);
    void RemettreCompteurs(const QList<QPair<QString, qulonglong>>& compteurs);
    void RemettreVerifications();

    bool apercu_ = false;
    bool enBloc_ = false; // the preview fills empty tables in bulk
    TBilanTransition bilan_;
};

// The tables the transition writes (in the new year's database, plus korven.annee_scolaire) that do not
// support transactions, as "base.table"; a failure would leave their rows behind after the rollback.
QStringList TablesNonTransactionnelles(const QString& nouvelleBase);
