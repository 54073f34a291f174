#include "base/AccesAutrui.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include "base/AccesWindows.h"
#endif
#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_UNIX
namespace {

TAccesAutrui Erreur(const QByteArray& chemin) {
    TAccesAutrui acces;
    acces.Chemin = QFile::decodeName(chemin);
    acces.Erreur = QString::fromLocal8Bit(std::strerror(errno));
    return acces;
}

// The first of the path's entries, from the last one up to "/", that someone other than root and proprietaire
// may change. A symbolic link on the way counts for nothing itself (its own mode means nothing): the
// directory that holds it is one of the entries, and what it points to is checked by its real path.
TAccesAutrui Verifier(const QByteArray& chemin, uid_t proprietaire) {
    for (qsizetype fin = chemin.size();; fin = chemin.lastIndexOf('/', fin - 1)) {
        const QByteArray niveau = fin <= 0 ? QByteArray("/") : chemin.left(fin);
        struct stat etat {};
        if (::lstat(niveau.constData(), &etat) != 0)
            return Erreur(niveau);
        if (S_ISLNK(etat.st_mode))
            continue;
        TAccesAutrui acces;
        acces.Droits = etat.st_mode & 07777;
        const bool partage = S_ISDIR(etat.st_mode) && (etat.st_mode & S_ISVTX) != 0;
        if (etat.st_uid != 0 && etat.st_uid != proprietaire)
            acces.AutreProprietaire = true;
        else if ((etat.st_mode & (S_IWGRP | S_IWOTH)) == 0 || partage)
            acces.Droits = 0;
        if (acces.AutreProprietaire || acces.Droits != 0) {
            acces.Chemin = QFile::decodeName(niveau);
            return acces;
        }
        if (niveau == "/")
            return {};
    }
}

bool CheminReel(const QByteArray& chemin, QByteArray& reel) {
    char* resolu = ::realpath(chemin.constData(), nullptr);
    if (resolu == nullptr)
        return false;
    reel = QByteArray(resolu);
    std::free(resolu);
    return true;
}

} // namespace

TAccesAutrui AccesAutruiDossier(const QString& dossier, QString& reel) {
    const QByteArray nom = QFile::encodeName(dossier);
    QByteArray resolu;
    if (!CheminReel(nom, resolu))
        return Erreur(nom);
    reel = QFile::decodeName(resolu);
    return Verifier(resolu, ::geteuid());
}

TAccesAutrui AccesAutruiFichier(const QString& fichier) {
    const QByteArray nom = QFile::encodeName(QDir::cleanPath(QFileInfo(fichier).absoluteFilePath()));
    QByteArray resolu;
    if (!CheminReel(nom, resolu))
        return Erreur(nom);
    struct stat etat {};
    if (::stat(resolu.constData(), &etat) != 0)
        return Erreur(resolu);
    // The file where it really is, then, when a symbolic link leads there, the directories of the name as
    // given: whoever may change one of those may point the link elsewhere.
    TAccesAutrui acces = Verifier(resolu, etat.st_uid);
    if (acces.Sur() && resolu != nom)
        acces = Verifier(nom, etat.st_uid);
    return acces;
}

#else

// Windows: the access lists (base/AccesWindows). Root's part is played by the system, the administrators and
// TrustedInstaller; a link or a junction on the way is followed, then the path as given is checked too.
namespace {

TAccesAutrui Traduire(const TModifiableWindows& qui) {
    TAccesAutrui acces;
    acces.Chemin = qui.Chemin;
    acces.AutreProprietaire = qui.AutreProprietaire;
    acces.Compte = qui.Compte;
    acces.Erreur = qui.Erreur;
    return acces;
}

TAccesAutrui Erreur(const QString& chemin, const QString& erreur) {
    TAccesAutrui acces;
    acces.Chemin = QDir::toNativeSeparators(chemin);
    acces.Erreur = erreur;
    return acces;
}

} // namespace

TAccesAutrui AccesAutruiDossier(const QString& dossier, QString& reel) {
    QString erreur;
    reel = CheminReelWindows(dossier, erreur);
    if (reel.isEmpty())
        return Erreur(dossier, erreur);
    return Traduire(PremierModifiable(reel, SidCompteCourant()));
}

TAccesAutrui AccesAutruiFichier(const QString& fichier) {
    QString erreur;
    const QString reel = CheminReelWindows(fichier, erreur);
    if (reel.isEmpty())
        return Erreur(fichier, erreur);
    const TSid proprietaire = ProprietaireWindows(reel, erreur);
    if (proprietaire.isEmpty())
        return Erreur(reel, erreur);
    TAccesAutrui acces = Traduire(PremierModifiable(reel, proprietaire));
    const QString donne = QDir::toNativeSeparators(QFileInfo(fichier).absoluteFilePath());
    if (acces.Sur() && donne.compare(reel, Qt::CaseInsensitive) != 0)
        acces = Traduire(PremierModifiable(donne, proprietaire));
    return acces;
}

#endif
