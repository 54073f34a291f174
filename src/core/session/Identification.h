#pragma once

#include <QString>

// The sign-in, without a window: the look-up of the account, what each attempt leads to, the school's name
// and the right to activate a school year. Every statement runs on the data module's shared read chain
// (SQLQueryDonnees1 / ClientDataSetDonnees1) on the year connection; a database error is raised as EKorven.
// The login window counts the attempts, writes the journal, plays the sounds and shows the messages.

// The account whose login and password were typed, if any.
struct TCompte {
    bool Trouve = false;
    QString Nom;
    // "0": disabled; any other value, empty included, lets the account in.
    QString Etat;
};

// Looks up the enabled or disabled account of that login and password; the server computes the password's
// SHA-1 and compares it with the stored digest. The login is written into the statement as an SQL string
// literal, the password passed as a parameter: neither can change the statement.
TCompte ChercherCompte(const QString& login, const QString& motDePasse);

// What one attempt leads to, given the account found and the attempt's number n (the first is 1).
struct TIssueTentative {
    enum Genre { Refusee, Desactivee, Acceptee };
    Genre Issue = Refusee;
    // The description of its journal entry (operation OperationConnexion, domain DomaineConnexion).
    QString LibelleJournal;
    // Refused or disabled at the fifth attempt: the application ends, without a message.
    bool Fin = false;
    // The error box to show (after the failure sound), empty when there is none.
    QString Message;
    // The password field is emptied and gets the cursor.
    bool ViderMotDePasse = false;
};
TIssueTentative EvaluerTentative(const TCompte& compte, const QString& login, int n);

// The school's name in the year database's configuration (nom_fr of its first row; empty without a row).
QString NomEtablissementConfiguration();

// Whether the account holds the right to activate a school year.
bool PossedeDroitActivation(const QString& login);

// Closes the shared read chain after an accepted sign-in.
void FermerLectureConnexion();

inline const QString OperationConnexion = QStringLiteral("Connexion");
inline const QString DomaineConnexion = QStringLiteral("Administration de la Base de donnees");
inline const QString DroitActivation = QStringLiteral("ACTIVER_ANNEE_SCOLAIRE");
inline const QString MessageSansDroit =
    QStringLiteral("Vous ne disposez pas de privillèges pour exécuter ce programme.");
