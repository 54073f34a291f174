#include "base/AccesWindows.h"

#include <QDir>
#include <QFileInfo>

#include <string>

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

namespace {

// The rights that change an entry, whatever it is: delete or rename it, rewrite its access list or its owner.
constexpr ACCESS_MASK ChangeEntree = DELETE | WRITE_DAC | WRITE_OWNER | GENERIC_ALL;
// Those that change a file's contents.
constexpr ACCESS_MASK ChangeFichier = FILE_WRITE_DATA | FILE_APPEND_DATA | GENERIC_WRITE;
// Those that let a directory's entries be deleted or renamed, whatever their own lists say.
constexpr ACCESS_MASK ChangeDossier = FILE_DELETE_CHILD;

// Releases what the security functions allocate for their caller.
class Liberation {
public:
    explicit Liberation(void* memoire) : memoire_(memoire) {}
    ~Liberation() {
        if (memoire_ != nullptr)
            LocalFree(memoire_);
    }
    Liberation(const Liberation&) = delete;
    Liberation& operator=(const Liberation&) = delete;

private:
    void* memoire_;
};

TSid Copie(PSID sid) {
    return TSid(static_cast<const char*>(sid), static_cast<qsizetype>(GetLengthSid(sid)));
}

bool Egal(PSID sid, const TSid& autre) {
    return !autre.isEmpty() && GetLengthSid(sid) == static_cast<DWORD>(autre.size()) &&
           EqualSid(sid, const_cast<char*>(autre.constData()));
}

TSid SidTexte(const wchar_t* texte) {
    PSID sid = nullptr;
    if (!ConvertStringSidToSidW(texte, &sid))
        return TSid();
    const Liberation liberation(sid);
    return Copie(sid);
}

// The accounts that may change anything on the machine whatever the lists say: the system, the
// administrators, and TrustedInstaller (which owns the system's own directories).
bool CompteDuSysteme(PSID sid) {
    static const TSid installateur =
        SidTexte(L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464");
    return IsWellKnownSid(sid, WinLocalSystemSid) || IsWellKnownSid(sid, WinBuiltinAdministratorsSid) ||
           Egal(sid, installateur);
}

// Entries of a list that stand for whoever owns the entry (OWNER RIGHTS, checked as the owner is) or that
// only serve to make the lists of new entries (CREATOR OWNER, CREATOR GROUP).
bool ProprietaireOuModele(PSID sid) {
    return IsWellKnownSid(sid, WinCreatorOwnerRightsSid) || IsWellKnownSid(sid, WinCreatorOwnerSid) ||
           IsWellKnownSid(sid, WinCreatorGroupSid);
}

// "DOMAINE\nom" as the system names the account, or its identifier's text when it has no name.
QString NomCompte(PSID sid) {
    wchar_t nom[256] = {};
    wchar_t domaine[256] = {};
    DWORD longueurNom = 256, longueurDomaine = 256;
    SID_NAME_USE usage;
    if (LookupAccountSidW(nullptr, sid, nom, &longueurNom, domaine, &longueurDomaine, &usage)) {
        const QString compte = QString::fromWCharArray(nom, static_cast<int>(longueurNom));
        return longueurDomaine == 0 ? compte
                                    : QString::fromWCharArray(domaine, static_cast<int>(longueurDomaine)) +
                                          QLatin1Char('\\') + compte;
    }
    wchar_t* texte = nullptr;
    if (!ConvertSidToStringSidW(sid, &texte))
        return QString();
    const Liberation liberation(texte);
    return QString::fromWCharArray(texte);
}

QString NomTousLesComptes() {
    BYTE tampon[SECURITY_MAX_SID_SIZE];
    DWORD taille = sizeof tampon;
    if (!CreateWellKnownSid(WinWorldSid, nullptr, tampon, &taille))
        return QStringLiteral("Tout le monde");
    return NomCompte(tampon);
}

// Whether someone other than the system's accounts and permis owns the entry or may change it; qui names
// them. An entry that cannot be looked at sets qui.Erreur.
bool AutreQuePermis(const QString& chemin, bool dossier, const TSid& permis, TModifiableWindows& qui) {
    const std::wstring nom = chemin.toStdWString();
    PSID proprietaire = nullptr;
    PACL liste = nullptr;
    PSECURITY_DESCRIPTOR descripteur = nullptr;
    const DWORD code = GetNamedSecurityInfoW(nom.c_str(), SE_FILE_OBJECT,
                                             OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
                                             &proprietaire, nullptr, &liste, nullptr, &descripteur);
    if (code != ERROR_SUCCESS) {
        qui.Erreur = TexteErreurWindows(code);
        return true;
    }
    const Liberation liberation(descripteur);
    if (proprietaire != nullptr && !CompteDuSysteme(proprietaire) && !Egal(proprietaire, permis)) {
        qui.Compte = NomCompte(proprietaire);
        qui.AutreProprietaire = true;
        return true;
    }
    // No list at all lets everybody do everything.
    if (liste == nullptr) {
        qui.Compte = NomTousLesComptes();
        return true;
    }
    const ACCESS_MASK change = ChangeEntree | (dossier ? ChangeDossier : ChangeFichier);
    for (DWORD i = 0; i < liste->AceCount; ++i) {
        void* entree = nullptr;
        if (!GetAce(liste, i, &entree))
            continue;
        const auto* entete = static_cast<const ACE_HEADER*>(entree);
        // Inherited by the entries made in a directory from now on, not in force for the directory itself.
        if ((entete->AceFlags & INHERIT_ONLY_ACE) != 0)
            continue;
        // A conditional entry is read as if its condition held.
        if (entete->AceType != ACCESS_ALLOWED_ACE_TYPE && entete->AceType != ACCESS_ALLOWED_CALLBACK_ACE_TYPE)
            continue;
        auto* autorisation = static_cast<ACCESS_ALLOWED_ACE*>(entree);
        PSID sid = &autorisation->SidStart;
        if ((autorisation->Mask & change) == 0 || CompteDuSysteme(sid) || ProprietaireOuModele(sid) ||
            Egal(sid, permis))
            continue;
        qui.Compte = NomCompte(sid);
        return true;
    }
    return false;
}

// The length of the root of an absolute path in Windows' form: "C:\" or "\\serveur\partage\".
qsizetype LongueurRacine(const QString& chemin) {
    if (!chemin.startsWith(QStringLiteral("\\\\")))
        return qMin<qsizetype>(3, chemin.size());
    const qsizetype serveur = chemin.indexOf(QLatin1Char('\\'), 2);
    const qsizetype partage = serveur < 0 ? -1 : chemin.indexOf(QLatin1Char('\\'), serveur + 1);
    return partage < 0 ? chemin.size() : partage + 1;
}

} // namespace

QString TexteErreurWindows(unsigned long code) {
    wchar_t* texte = nullptr;
    const DWORD longueur = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                              FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, code, 0, reinterpret_cast<wchar_t*>(&texte), 0, nullptr);
    if (longueur == 0)
        return QStringLiteral("erreur %1").arg(code);
    const Liberation liberation(texte);
    return QString::fromWCharArray(texte, static_cast<int>(longueur)).trimmed();
}

TSid SidCompteCourant() {
    HANDLE jeton = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &jeton))
        return TSid();
    QByteArray tampon(512, '\0');
    DWORD taille = 0;
    TSid sid;
    if (GetTokenInformation(jeton, TokenUser, tampon.data(), static_cast<DWORD>(tampon.size()), &taille))
        sid = Copie(reinterpret_cast<const TOKEN_USER*>(tampon.constData())->User.Sid);
    CloseHandle(jeton);
    return sid;
}

TSid ProprietaireWindows(const QString& chemin, QString& erreur) {
    const std::wstring nom = QDir::toNativeSeparators(chemin).toStdWString();
    PSID proprietaire = nullptr;
    PSECURITY_DESCRIPTOR descripteur = nullptr;
    const DWORD code = GetNamedSecurityInfoW(nom.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION,
                                             &proprietaire, nullptr, nullptr, nullptr, &descripteur);
    if (code != ERROR_SUCCESS) {
        erreur = TexteErreurWindows(code);
        return TSid();
    }
    const Liberation liberation(descripteur);
    return proprietaire == nullptr ? TSid() : Copie(proprietaire);
}

QString CheminReelWindows(const QString& chemin, QString& erreur) {
    const std::wstring nom = QDir::toNativeSeparators(chemin).toStdWString();
    // Opened to read its attributes only, whoever else has it open; a directory too (backup semantics).
    const HANDLE h =
        CreateFileW(nom.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        erreur = TexteErreurWindows(GetLastError());
        return QString();
    }
    std::wstring tampon(1024, L'\0');
    DWORD longueur =
        GetFinalPathNameByHandleW(h, tampon.data(), static_cast<DWORD>(tampon.size()), VOLUME_NAME_DOS);
    if (longueur >= tampon.size()) {
        tampon.assign(longueur + 1, L'\0');
        longueur =
            GetFinalPathNameByHandleW(h, tampon.data(), static_cast<DWORD>(tampon.size()), VOLUME_NAME_DOS);
    }
    const DWORD code = GetLastError();
    CloseHandle(h);
    if (longueur == 0 || longueur >= tampon.size()) {
        erreur = TexteErreurWindows(code);
        return QString();
    }
    QString reel = QString::fromWCharArray(tampon.data(), static_cast<int>(longueur));
    // The system gives the long form: "\\?\C:\..." or "\\?\UNC\serveur\partage\...".
    if (reel.startsWith(QStringLiteral("\\\\?\\UNC\\")))
        reel = QStringLiteral("\\\\") + reel.mid(8);
    else if (reel.startsWith(QStringLiteral("\\\\?\\")))
        reel = reel.mid(4);
    return reel;
}

TModifiableWindows PremierModifiable(const QString& chemin, const TSid& permis) {
    QString niveau = QDir::toNativeSeparators(QFileInfo(chemin).absoluteFilePath());
    const qsizetype racine = LongueurRacine(niveau);
    for (bool premier = true;; premier = false) {
        TModifiableWindows qui;
        bool dossier = true;
        if (premier) {
            const DWORD attributs = GetFileAttributesW(niveau.toStdWString().c_str());
            if (attributs == INVALID_FILE_ATTRIBUTES)
                qui.Erreur = TexteErreurWindows(GetLastError());
            dossier = (attributs & FILE_ATTRIBUTE_DIRECTORY) != 0;
        }
        if (!qui.Erreur.isEmpty() || AutreQuePermis(niveau, dossier, permis, qui)) {
            qui.Chemin = niveau;
            return qui;
        }
        if (niveau.size() <= racine)
            return {};
        niveau = niveau.left(qMax(niveau.lastIndexOf(QLatin1Char('\\')), racine));
    }
}
