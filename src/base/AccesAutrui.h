#pragma once

#include <QString>

// Who else may change a file or a directory: a configuration that someone else may replace (or a directory in
// which they may put a file of their own under its name) points the program at whatever server they choose,
// and the administrator's typed password goes there at the sign-in.

// What makes a path changeable by others: the first file or directory, from the path up to the root, that
// someone other than root and the allowed owner may change.
struct TAccesAutrui {
    // Empty when nobody else may change anything along the path.
    QString Chemin;
    // The path belongs to another user; otherwise others may write into it (its group or anyone, a directory
    // without the sticky bit).
    bool AutreProprietaire = false;
    // Its permission bits, as ls shows them in octal (0777...), for the message.
    uint Droits = 0;
    // On Windows, the account that owns the path or that its access list lets change it ("BUILTIN\Users",
    // "Everyone"...), for the message (the access lists decide there, not the permission bits).
    QString Compte;
    // The path could not be looked at (why, in the system's words); Chemin names it.
    QString Erreur;

    bool Sur() const { return Chemin.isEmpty(); }
};

// The directory and every directory above it, for a file the running account is about to write there: each
// must belong to root or to the running account, and be written into by its owner only (or be shared with
// the sticky bit, so that nobody replaces the entries of others). reel receives the directory's path
// without symbolic links.
TAccesAutrui AccesAutruiDossier(const QString& dossier, QString& reel);

// The configuration file the program is about to read: the file itself (through any symbolic link), the
// directory that holds its name and every directory above the file, each owned by root or by the file's
// owner and written into by nobody else (a directory may be shared with the sticky bit).
TAccesAutrui AccesAutruiFichier(const QString& fichier);
