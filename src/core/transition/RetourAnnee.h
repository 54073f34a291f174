#pragma once

#include "core/transition/TransitionAnnee.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>

// Taking back the last change of year: the year it closed active again with the end date it had, the year it
// opened gone from korven.annee_scolaire, and the tables of the opened year's database it wrote holding again
// exactly the rows they held before it (rows the change added removed, rows it updated given back their
// values, rows that were there before kept), in one transaction; then one entry in the journal of the year
// active again says what was taken back, by whom, from which workstation.
//
// Only while it is safe: the change was recorded (EmpreinteAnnee), and korven.annee_scolaire and every table
// of the opened year's database still hold exactly what the change left, but for the journal entries the
// program writes itself at each sign-in. Anything else written there since (a row added, changed or removed,
// in a table the change wrote or in any other) stops it, and the message names the first table that differs
// and how.

// What the undo takes from the window.
struct TParametresRetour {
    QString AnneeActive; // the active year, the one the change to take back opened, e.g. 2026/2027
    // The year connection's server and account (the connection is pointed at the year active again).
    QString Serveur, Port, Utilisateur, MotDePasse;
    // Who asks: an account of the active year holding ACTIVER_ANNEE_SCOLAIRE.
    QString Login;

    // The same from the change's values as the wizard holds them after the sign-in (its current year is the
    // active one).
    static TParametresRetour Depuis(const TParametresTransition& p);
};

// One table of the opened year's database the undo writes, with its figures.
struct TTableRetour {
    QString Table;
    qlonglong Lignes = 0;   // rows it holds now
    qlonglong Retirees = 0; // rows the undo removes: those the change added, and the sign-ins' entries since
    qlonglong Remises = 0;  // rows that were there before the change and get back the values they had then
};

// One row of korven.annee_scolaire, its values as texts (dates as yyyy/MM/dd, empty for NULL).
struct TAnneeMaitre {
    QString Code, Active, DateDebut, DateFin, NomEtablissement;
};

// Whether the last change can be taken back, and what the undo would do.
struct TBilanRetour {
    // Why it cannot (the message the user reads), empty when it can.
    QString Raison;
    bool Possible() const { return Raison.isEmpty(); }

    // Known once the change's record is found.
    QString AnneeRetiree;  // the year the change opened, which goes (2026/2027)
    QString AnneeRetablie; // the year it closed, active again (2025/2026)
    QString BaseRetiree;   // the opened year's database
    // Who made the change, from which workstation, when (the server's clock).
    QString Utilisateur, Poste;
    QDateTime Date;

    // Known when it can: every table of the opened year's database the change wrote (in the order of the
    // change's steps, the journal last), and the master table's two rows as they are now and as they will be.
    QList<TTableRetour> Tables;
    TAnneeMaitre LigneRetiree;  // the opened year's row, as it is now: it goes
    TAnneeMaitre LigneRetablie; // the closed year's row, as the undo puts it back

    qlonglong TotalRetirees() const;
};

// The undo. Every message goes through the message interface; its progress through Progression. It runs on
// the calling thread's data module (OBDataModule): its master connection, configured for korven, and its year
// connection, which the run points at the year active again (as the change points it at the new year).
class TRetourAnnee {
public:
    // Called before each step runs: its number, the same again, what it does, how many steps remain after it.
    std::function<void(int premier, int dernier, const QString& libelle, int restantes)> Progression;
    // Called when the transaction's body runs again from a fresh transaction, with the line that says why.
    std::function<void(const QString& texte)> NouvelEssai;

    static constexpr int NouveauxEssais = TTransitionAnnee::NouveauxEssais;

    // Whether the last change can be taken back while anneeActive is the active year, and what would be
    // removed; nothing written, no message, no transaction. Read on the master connection of the calling
    // thread's data module (the whole of the opened year's tables is read: a fraction of a second on a large
    // school). Raison says why not, a database error included.
    static TBilanRetour Examiner(const QString& anneeActive);

    // Runs the undo and says how it ended:
    //   Validee   committed: the closing box shown, the program restarting on the year active again;
    //   Echouee   not made, the user told why (a refusal, an error); nothing changed;
    //   DejaFaite the year was already taken back (another workstation was first): the user told, the program
    //             restarting, since the year it was opened on is gone.
    // A body refused for want of a turn (a deadlock, a cluster's certification failure, a node cut off from
    // the majority) runs again from a fresh transaction, at most NouveauxEssais times; a connection lost
    // while the commit was under way is settled on a fresh session by the journal entry this run wrote.
    TIssueTransition Executer(const TParametresRetour& parametres);

    // The preview: the undo as Executer runs it, inside one transaction that is always rolled back; no box,
    // no restart. Gives what it would remove, or in Raison what would stop it (ending with "Rien n'a été
    // modifié."). The databases are left as they were (the journal's counter put back) and the year
    // connection as it pointed.
    TBilanRetour Verifier(const TParametresRetour& parametres);

    // The steps of a run whose change wrote that many tables of the new year's database.
    static int NombreEtapes(int tables);

private:
    enum class TConnexion { Prete, Echouee, DejaFaite };
    TConnexion Connecter(const TParametresRetour& p);
    // The change's record read on the master connection (what the run restores, and which year).
    TConnexion LireDepart(const TParametresRetour& p);
    // The year connection pointed at the year active again, tried once.
    bool OuvrirAnnee(const TParametresRetour& p);
    // Every table the undo writes has transactions; whether the server is a cluster's node.
    bool VerifierTables();
    void OuvrirTransaction();
    void Corps(const TParametresRetour& p);
    void Valider();
    void Conclure();
    void Annuler();
    void Echec(const std::exception& e);
    TSuiteEchec SuiteEchec(const std::exception& e, int essai, const TParametresRetour& p);
    bool ValideeMalgreTout(const TParametresRetour& p);

    void Etape(int numero, const QString& libelle);
    void Signaler(const QString& texte);

    bool apercu_ = false;
    int tables_ = 0; // tables of the new year's database the run writes
    QString ancienneAnnee_, ancienneBase_, nouvelleBase_;
    QString libelleJournal_;
    qlonglong numeroJournal_ = 0;
    qulonglong compteurJournal_ = 0; // the preview puts the journal's counter back
    bool grappe_ = false;
    TBilanRetour bilan_;
};

// What Examiner found, in a few lines for a person at a terminal (solvane --undo-check): the change, what the
// undo would remove and put back, or why it cannot be made.
QString ResumeRetour(const TBilanRetour& bilan);

// The closing box of a committed undo.
QString BoiteFinRetour(const QString& anneeRetablie, const QString& anneeRetiree);
