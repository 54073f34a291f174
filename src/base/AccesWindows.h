#pragma once

#include <QByteArray>
#include <QString>

// Windows only: who else may change a file or a directory, read from the access lists of the file system.
//
// An entry may be changed by whoever owns it (the owner may always rewrite the list), and by every account
// the list allows to write into a file (write or append), to delete or rename the entry, to delete the
// entries of a directory, or to change the list or the owner. To make a file or a directory in a directory
// is no change: nobody replaces an existing name that way. The system, the administrators and
// TrustedInstaller may change everything anyway; beside them one more account may be allowed (the file's
// owner, or the account that is about to write a file). Entries denied to an account are not subtracted: a
// list that allows and denies the same right to someone counts as allowing it.

// An account's security identifier, in its binary form.
using TSid = QByteArray;

// The account that runs the program.
TSid SidCompteCourant();

// The first entry that someone other than the system, the administrators, TrustedInstaller and permis may
// change, from the path itself up to the root of its drive or share.
struct TModifiableWindows {
    // Empty when nobody else may change anything along the path.
    QString Chemin;
    // The account that owns the entry or that may change it ("BUILTIN\Utilisateurs", "Tout le monde"...).
    QString Compte;
    // The entry belongs to that account; otherwise the access list lets it change the entry.
    bool AutreProprietaire = false;
    // The entry's owner or access list could not be read (why, in the system's words); Chemin names it.
    QString Erreur;
};

// The path checked as it is, each of its entries by its own name (a link along the way is an entry like the
// others: whoever may change it may point it elsewhere).
TModifiableWindows PremierModifiable(const QString& chemin, const TSid& permis);

// The owner of a file or a directory; empty with erreur set when it could not be read.
TSid ProprietaireWindows(const QString& chemin, QString& erreur);

// The path with every link and junction followed, as the system opens it ("C:\Windows\System32\..."); empty
// with erreur set when it cannot be opened.
QString CheminReelWindows(const QString& chemin, QString& erreur);

// The system's text for an error code (GetLastError), in the system's language.
QString TexteErreurWindows(unsigned long code);
