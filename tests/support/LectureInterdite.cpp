#include "support/LectureInterdite.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>

#include <aclapi.h>

// Windows: an entry of the file's access list that denies reading to everyone, put first, then taken away.
LectureInterdite::LectureInterdite(const QString& fichier) : fichier_(fichier) {
    const std::wstring nom = fichier_.toStdWString();
    PACL liste = nullptr;
    PSECURITY_DESCRIPTOR descripteur = nullptr;
    if (GetNamedSecurityInfoW(nom.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                              &liste, nullptr, &descripteur) != ERROR_SUCCESS)
        return;
    BYTE tousLesComptes[SECURITY_MAX_SID_SIZE];
    DWORD taille = sizeof tousLesComptes;
    CreateWellKnownSid(WinWorldSid, nullptr, tousLesComptes, &taille);
    EXPLICIT_ACCESS_W refus{};
    refus.grfAccessPermissions = FILE_GENERIC_READ;
    refus.grfAccessMode = DENY_ACCESS;
    refus.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    refus.Trustee.ptstrName = reinterpret_cast<LPWSTR>(tousLesComptes);
    PACL nouvelle = nullptr;
    if (SetEntriesInAclW(1, &refus, liste, &nouvelle) == ERROR_SUCCESS) {
        // The list as it was, to put back.
        if (liste != nullptr)
            avant_ = QByteArray(reinterpret_cast<const char*>(liste), liste->AclSize);
        identite_ = SetNamedSecurityInfoW(const_cast<wchar_t*>(nom.c_str()), SE_FILE_OBJECT,
                                          DACL_SECURITY_INFORMATION, nullptr, nullptr, nouvelle,
                                          nullptr) == ERROR_SUCCESS;
        LocalFree(nouvelle);
    }
    LocalFree(descripteur);
}

LectureInterdite::~LectureInterdite() {
    if (!identite_)
        return;
    const std::wstring nom = fichier_.toStdWString();
    SetNamedSecurityInfoW(const_cast<wchar_t*>(nom.c_str()), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                          nullptr, nullptr,
                          avant_.isEmpty() ? nullptr : reinterpret_cast<PACL>(avant_.data()), nullptr);
}
#else
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
#endif
