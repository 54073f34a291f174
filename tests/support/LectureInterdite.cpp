#include "support/LectureInterdite.h"

#include <QFile>
#include <QFileInfo>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t Personne = 65534;

unsigned Mode(const QString& chemin) {
    struct stat etat {};
    return ::stat(QFile::encodeName(chemin).constData(), &etat) == 0 ? etat.st_mode & 07777 : 0;
}

void ChangerMode(const QString& chemin, unsigned mode) {
    ::chmod(QFile::encodeName(chemin).constData(), static_cast<mode_t>(mode));
}

} // namespace

LectureInterdite::LectureInterdite(const QString& fichier)
    : fichier_(fichier), dossier_(QFileInfo(fichier).absolutePath()) {
    modeFichier_ = Mode(fichier_);
    modeDossier_ = Mode(dossier_);
    ChangerMode(fichier_, modeFichier_ & ~0444u);
    ChangerMode(dossier_, modeDossier_ | 0111u);
    if (::geteuid() == 0) {
        ::setfsuid(Personne);
        identite_ = true;
    }
}

LectureInterdite::~LectureInterdite() {
    if (identite_)
        ::setfsuid(0);
    ChangerMode(fichier_, modeFichier_);
    ChangerMode(dossier_, modeDossier_);
}
