#pragma once

#include <QString>

// Sounds of the sign-in and of the level dialog. A sound plays asynchronously and only when its file exists;
// a missing file or no sound device is silent, never an error.
class ISons {
public:
    virtual ~ISons() = default;
    // chemin is relative to the current directory and may use "\" as separator ("son\echec.wav").
    virtual void Jouer(const QString& chemin) = 0;
};

// The player in use; none (silent) until one is installed: the program installs the Qt one (gui/SonsQt.h).
ISons& Sons();
void InstallerSons(ISons* sons);

// The sound file names of the system.
inline const QString SonEchec = QStringLiteral("son\\echec.wav");
inline const QString SonOuverture = QStringLiteral("son\\ouverture.wav");
inline const QString SonSucces = QStringLiteral("son\\succes.wav");

// The file a sound name designates on this platform ("\" read as the directory separator), relative to the
// current directory.
QString CheminSon(const QString& chemin);
