#include "gui/commun/SonsQt.h"

#include <QDir>
#include <QFileInfo>

// PlaySoundW (windows.h brings mmsystem.h).
#include <windows.h>

// Windows plays the file itself, in the background: the call returns at once, the sound that was playing
// stops, and a file it cannot play is silence (SND_NODEFAULT: not even the default beep).
void SonsQt::Jouer(const QString& chemin) {
    const QFileInfo fichier(CheminSon(chemin));
    if (!fichier.isFile())
        return;
    const std::wstring nom = QDir::toNativeSeparators(fichier.absoluteFilePath()).toStdWString();
    PlaySoundW(nom.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}
