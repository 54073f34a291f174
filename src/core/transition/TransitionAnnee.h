#pragma once

#include "core/data/RequeteSQL.h"
#include "core/transition/BilanTransition.h"
#include "core/transition/Dictionnaires.h"
#include "core/transition/Reprise.h"

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <functional>

struct TRapportTransition;

// What the year transition takes from the wizard.
struct TParametresTransition {
    QString NouvelleAnnee; // text of EditAnneeScolaire, e.g. 2026/2027
    QString AnneeCourante; // the closing year, e.g. 2025/2026
    QString Serveur, Port, Utilisateur, MotDePasse;
    QString NomEtablissement;
    QString Login;
    QString NomUtilisateur; // the signed-in user's name, for the run's report
    bool Eleves = true;     // "Elèves" ticked
    const TDictionnaireEleves* DictionnaireEleves = nullptr;
    const TDictionnairePlacement* DictionnaireElevesNew = nullptr;
    // For the students part of the figures (preview and report): decisions and the list's order.
    const TDictionnaireDecisions* DictionnaireDecisions = nullptr;
    const TOrdreEleves* Ordre = nullptr;
};

// How a run of the change ended.
enum class TIssueTransition {
    // Committed: the report and the closing box shown, the program restarting.
    Validee,
    // Not made: the user was told why, nothing was kept; the wizard stays open to try again.
    Echouee,
    // The new year was already registered (another workstation, or an earlier run): the user was told, and
    // the program restarts, since the year it was opened on is closed.
    DejaFaite,
};

// The year transition: points the year connection at the new year's database, then, in one transaction,
// closes the current year and registers the new one in korven.annee_scolaire, copies the closing year's
// data into the new database, inserts the placed students, recomputes head-counts, instalments and
// parameters, journals the operation and commits. Every step reports to the user through the message
// interface. Any error from the transaction on rolls everything back: the master table and the new database
// are then exactly as they were, and the transition can be run again.
//
// A run goes in phases: the connection and its checks; the transaction's body (every step, nothing else);
// the commit; what follows the commit (the report, the closing box, the end).
class TTransitionAnnee {
public:
    // Called before each step runs: the numbers it covers (the same number but for the connection switch,
    // which counts as several steps), what it does, how many steps remain after it.
    std::function<void(int premier, int dernier, const QString& libelle, int restantes)> Progression;

    // Called once the change is committed, before the closing message, with its report (the school's header,
    // who ran it, from where, when it started and ended by the server's clock, what it carried): the window
    // offers it there.
    std::function<void(const TRapportTransition& rapport)> ApresValidation;

    // Called when the transaction's body runs again from a fresh transaction, with the line that says why.
    std::function<void(const QString& texte)> NouvelEssai;

    // When set, every message of a step (and the closing one) comes here instead of in a box, and the report
    // lists them: the whole change is then one press. Errors still come in boxes.
    std::function<void(const QString& texte)> InformationEtape;

    // How many times a body that failed for want of a turn (a deadlock, a cluster's certification failure, a
    // node cut off from the cluster's majority) runs again before the user is told.
    static constexpr int NouveauxEssais = 2;

    // Runs the whole transition and says how it ended. A connection lost while the commit was under way is
    // settled on a fresh session: the change is this run's when the new year is active with the journal
    // entry this run wrote (found by the number the server gave it).
    TIssueTransition Executer(const TParametresTransition& parametres);

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

private:
    // The connection switch and the checks made before anything is written. false once the user has been
    // told why the change cannot be made.
    bool Connecter(const TParametresTransition& p);
    // Opens the transaction the body runs in.
    void OuvrirTransaction();
    // The transaction's body, on a transaction open on the year connection: every step from the closing of
    // the year to the journal entry. Raises on the first error.
    void Corps(const TParametresTransition& p);
    void Valider();
    // What follows the commit: the report, the closing box, the end of the application.
    void Conclure(const TParametresTransition& p);
    // The preview's end, once the body has run: the figures read, then everything undone.
    void Annuler();
    // After a failed body: the transaction rolled back, the user told.
    void Echec(const std::exception& e);
    // What follows a failed body: the user told and the run over, another try, or the run done after all.
    TSuiteEchec SuiteEchec(const std::exception& e, int essai, const TParametresTransition& p);
    // Why a failed body may run again ("" when it may not).
    // Whether the change was committed after all, which the server may not have been able to say (a node
    // that lost the cluster's majority, an answer lost on the way): read on a fresh session, the new year
    // active in the master table with this run's journal entry.
    bool ValideeMalgreTout(const TParametresTransition& p);
    // The number of the journal entry the body just wrote; 0 when it was not written.
    static qlonglong NumeroEntreeJournal(const TParametresTransition& p);

    void Etape(int numero, const QString& libelle, int dernier = 0);
    void Instruction(const QStringList& lignes, const TParams& parametres = {});
    // An error box (the preview keeps the text instead), an information box (none in the preview).
    void Signaler(const QString& texte);
    void Informer(const QString& texte);
    void RemettreCompteurs();
    void RemettreVerifications();

    bool apercu_ = false;
    bool enBloc_ = false; // the preview fills empty tables in bulk
    QString ancienneBase_;
    QDateTime debut_;                             // the server's clock when the year was closed
    qlonglong numeroJournal_ = 0;                 // this run's journal entry
    QList<QPair<QString, qulonglong>> compteurs_; // the preview puts these counters back
    TBilanTransition bilan_;
    QStringList etapes_; // the steps' messages, when listed instead of shown
};

// The box that says the new year's database answered (after the connection switch), and the closing box of a
// committed change.
inline const QString BoiteConnexionReussie = QStringLiteral("Connexion réussie à la base de donnée.");
inline const QString BoiteFinTransition =
    QStringLiteral("Le processus de changement d'année scolaire est à présent terminé.\r\n"
                   "L'application va être redémarrée.");

// The tables the transition writes (in the new year's database, plus korven.annee_scolaire) that do not
// support transactions, as "base.table"; a failure would leave their rows behind after the rollback.
QStringList TablesNonTransactionnelles(const QString& nouvelleBase);
