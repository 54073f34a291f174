// korven-config: prepares the encrypted configuration file config_korven.ini that the application reads at
// start-up, and shows what such a file holds.
//
//   korven-config --output FILE --server HOST --user USER [--name korven] [--port 3306]
//                 [--tls require|prefer] [--ca FILE] [--force] < password
//   korven-config --show FILE
//   korven-config --version | --help
//
// The password is read from standard input (one line), never from the command line, so that it does not
// show up in process listings or shell history. On a terminal it is asked for without echo.
//
// The output is written owner-only into a new file beside it, then moved into place: an existing file is
// replaced only with --force, and a symbolic link in its place is refused (the tool, often run as root, never
// writes through one). A directory that others may change (written into by its group or by anyone without
// the sticky bit, or owned by another user), or one below such a directory, is refused: someone else could
// put their own file under the output's name. --show reads regular files of at most 1 MB only.
//
// On Windows the file's access list gives it to the system, the administrators and the account that writes
// it, and lets the local group korven read it; a directory that anyone else may change (its access list lets
// them delete or rename its entries, or they own it) is refused. The console shows every letter; a pipe
// carries UTF-8, as elsewhere.
//
// Exit codes: 0 success, 1 the file could not be read or written, 2 bad arguments.

#include "base/AccesAutrui.h"
#include "base/Chiffrement.h"
#include "base/FichierIni.h"
#include "base/KORVENTypesU.h"
#include "base/ValeursConnexion.h"
#include "base/Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include "base/AccesWindows.h"

#include <windows.h>

#include <sddl.h>
#endif

namespace {

constexpr int CodeErreurFichier = 1;
constexpr int CodeErreurArguments = 2;

const QString Section = QStringLiteral("database");
// The five keys, in the order the application reads them.
const QStringList Cles = {QStringLiteral("name"), QStringLiteral("server"), QStringLiteral("port"),
                          QStringLiteral("user"), QStringLiteral("password")};

void Ecrire(std::FILE* flux, const QString& texte) {
#ifdef Q_OS_WIN
    // A console is given the letters themselves (it shows them whatever its code page); a pipe or a file
    // receives UTF-8, as elsewhere.
    const HANDLE sortie = GetStdHandle(flux == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(sortie, &mode)) {
        std::fflush(flux);
        DWORD ecrits = 0;
        WriteConsoleW(sortie, texte.utf16(), static_cast<DWORD>(texte.size()), &ecrits, nullptr);
        return;
    }
    const QByteArray octets = texte.toUtf8();
#else
    const QByteArray octets = texte.toLocal8Bit();
#endif
    std::fwrite(octets.constData(), 1, static_cast<std::size_t>(octets.size()), flux);
}

int ErreurArguments(const QCommandLineParser& parser, const QString& message) {
    Ecrire(stderr, QStringLiteral("korven-config : %1\n\n").arg(message));
    Ecrire(stderr, parser.helpText());
    return CodeErreurArguments;
}

#ifdef Q_OS_UNIX
// Turns terminal echo off for as long as it lives.
class SansEcho {
public:
    SansEcho() {
        if (tcgetattr(STDIN_FILENO, &avant_) != 0)
            return;
        termios sans = avant_;
        sans.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        actif_ = tcsetattr(STDIN_FILENO, TCSAFLUSH, &sans) == 0;
    }
    ~SansEcho() {
        if (actif_)
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &avant_);
    }
    SansEcho(const SansEcho&) = delete;
    SansEcho& operator=(const SansEcho&) = delete;

private:
    termios avant_{};
    bool actif_ = false;
};
#endif

#ifdef Q_OS_WIN
// On a console: the line typed, without echo, read as the letters typed (whatever the console's code page).
// False when standard input is not a console.
bool LireMotDePasseConsole(std::string& ligne, bool& lu) {
    const HANDLE entree = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(entree, &mode))
        return false;
    Ecrire(stderr, QStringLiteral("Mot de passe : "));
    SetConsoleMode(entree, (mode | ENABLE_LINE_INPUT | ENABLE_PROCESSED_INPUT) & ~DWORD(ENABLE_ECHO_INPUT));
    std::wstring tape;
    wchar_t tampon[256];
    DWORD lus = 0;
    while (tape.find(L'\n') == std::wstring::npos && ReadConsoleW(entree, tampon, 256, &lus, nullptr) &&
           lus > 0)
        tape.append(tampon, lus);
    SetConsoleMode(entree, mode);
    Ecrire(stderr, QStringLiteral("\n"));
    lu = tape.find(L'\n') != std::wstring::npos;
    tape.resize(std::min(tape.find(L'\n'), tape.size()));
    ligne = QString::fromStdWString(tape).toStdString();
    std::fill(tape.begin(), tape.end(), L'\0');
    return true;
}
#endif

// Reads the password: the first line of standard input, without its line ending. An empty line is an empty
// password; no line at all is an error (returns false).
bool LireMotDePasse(QString& motDePasse) {
    std::string ligne;
    bool lu = false;
#ifdef Q_OS_UNIX
    if (isatty(STDIN_FILENO)) {
        Ecrire(stderr, QStringLiteral("Mot de passe : "));
        std::fflush(stderr);
        SansEcho sansEcho;
        lu = static_cast<bool>(std::getline(std::cin, ligne));
        Ecrire(stderr, QStringLiteral("\n"));
    } else {
        lu = static_cast<bool>(std::getline(std::cin, ligne));
    }
#else
    if (!LireMotDePasseConsole(ligne, lu))
        lu = static_cast<bool>(std::getline(std::cin, ligne));
#endif
    if (!lu)
        return false;
    if (!ligne.empty() && ligne.back() == '\r')
        ligne.pop_back();
    motDePasse = QString::fromUtf8(ligne.data(), static_cast<qsizetype>(ligne.size()));
    std::fill(ligne.begin(), ligne.end(), '\0');
    return true;
}

int ErreurEcriture(const QString& chemin, const QString& raison) {
    Ecrire(stderr, QStringLiteral("korven-config : impossible d'écrire %1 : %2\n").arg(chemin, raison));
    return CodeErreurFichier;
}

// The file's text: the section, then each key with its encrypted value, CRLF line ends (as the file has
// always been written for the platform the application comes from; the reader accepts both).
QByteArray Contenu(const QList<std::pair<QString, QString>>& valeurs) {
    QByteArray contenu = "[" + Section.toLatin1() + "]\r\n";
    for (const auto& [cle, valeur] : valeurs)
        contenu += cle.toLatin1() + '=' + CrypterTexte(valeur, PhraseSecrete).toLatin1() + "\r\n";
    return contenu;
}

#ifdef Q_OS_UNIX
QString TexteErrno() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Whether the directory, and every directory above it, may be changed by its owner and root only (or is
// shared with the sticky bit): anyone else who may write into one of them could put a file of their own under
// the output's name once it is written, or between two steps of writing it. reel receives the directory's
// name without symbolic links; raison, why it is refused.
bool DossierSur(const QByteArray& dossier, QByteArray& reel, QString& raison) {
    QString reelTexte;
    const TAccesAutrui acces = AccesAutruiDossier(QFile::decodeName(dossier), reelTexte);
    reel = QFile::encodeName(reelTexte);
    if (acces.Sur())
        return true;
    if (!acces.Erreur.isEmpty())
        raison = acces.Erreur;
    else if (acces.AutreProprietaire)
        raison = QStringLiteral("le dossier « %1 » appartient à un autre utilisateur, qui pourrait y "
                                "remplacer le fichier ; écrivez-le dans un dossier à vous ou à root")
                     .arg(acces.Chemin);
    else
        raison = QStringLiteral("d'autres utilisateurs peuvent écrire dans le dossier « %1 » (droits %2, "
                                "sans le sticky bit) et pourraient y remplacer le fichier ; écrivez-le dans "
                                "un dossier que seuls son propriétaire et root peuvent modifier")
                     .arg(acces.Chemin)
                     .arg(acces.Droits, 4, 8, QLatin1Char('0'));
    return false;
}

// Writes the file owner-only (it holds the database password, encrypted under a pass phrase that ships
// with the program), into a directory nobody else may change (DossierSur), opened once and used for every
// step. The text goes into a new file of that directory, created exclusively, then takes the final name: a
// rename replaces whatever is there without following it, and a link fails if anything (a file, a symbolic
// link) has taken the name meanwhile. A name that is already a symbolic link is always refused; an existing
// file is replaced only when remplacer is set.
int EcrireFichier(const QString& chemin, const QByteArray& contenu, bool remplacer) {
    const QFileInfo info(chemin);
    const QByteArray nomDossier = QFile::encodeName(info.absolutePath());
    const QByteArray nom = QFile::encodeName(info.fileName());
    QByteArray reel;
    QString raison;
    if (!DossierSur(nomDossier, reel, raison))
        return ErreurEcriture(chemin, raison);
    // The directory checked, by the name that holds no symbolic link.
    const int dossier = ::open(reel.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dossier < 0)
        return ErreurEcriture(chemin, TexteErrno());
    const auto fin = [dossier](int code) {
        ::close(dossier);
        return code;
    };

    struct stat etat {};
    if (fstatat(dossier, nom.constData(), &etat, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(etat.st_mode))
            return fin(
                ErreurEcriture(chemin, QStringLiteral("c'est un lien symbolique ; le fichier n'est jamais "
                                                      "écrit à travers un lien (donnez le chemin réel)")));
        if (!S_ISREG(etat.st_mode))
            return fin(ErreurEcriture(chemin, QStringLiteral("ce n'est pas un fichier ordinaire")));
        if (!remplacer)
            return fin(
                ErreurEcriture(chemin, QStringLiteral("le fichier existe déjà ; --force le remplace")));
    } else if (errno != ENOENT) {
        return fin(ErreurEcriture(chemin, TexteErrno()));
    }

    // A new name of the directory, taken exclusively (mode 0600).
    QByteArray temporaire;
    int fd = -1;
    for (int essai = 0; fd < 0 && essai < 100; ++essai) {
        temporaire = "." + nom + "." + QByteArray::number(QRandomGenerator::system()->generate64(), 36);
        fd = ::openat(dossier, temporaire.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      S_IRUSR | S_IWUSR);
        if (fd < 0 && errno != EEXIST)
            return fin(ErreurEcriture(chemin, TexteErrno()));
    }
    if (fd < 0)
        return fin(ErreurEcriture(chemin, TexteErrno()));
    const auto abandonner = [&](const QString& texte) {
        ::close(fd);
        ::unlinkat(dossier, temporaire.constData(), 0);
        return fin(ErreurEcriture(chemin, texte));
    };
    if (fchmod(fd, S_IRUSR | S_IWUSR) != 0)
        return abandonner(TexteErrno());
    qsizetype ecrits = 0;
    while (ecrits < contenu.size()) {
        const ssize_t n =
            ::write(fd, contenu.constData() + ecrits, static_cast<size_t>(contenu.size() - ecrits));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return abandonner(TexteErrno());
        ecrits += n;
    }
    if (::fsync(fd) != 0)
        return abandonner(TexteErrno());
    if (::close(fd) != 0) {
        fd = -1;
        ::unlinkat(dossier, temporaire.constData(), 0);
        return fin(ErreurEcriture(chemin, TexteErrno()));
    }
    if (remplacer) {
        if (::renameat(dossier, temporaire.constData(), dossier, nom.constData()) != 0) {
            const QString texte = TexteErrno();
            ::unlinkat(dossier, temporaire.constData(), 0);
            return fin(ErreurEcriture(chemin, texte));
        }
    } else {
        const bool lie = ::linkat(dossier, temporaire.constData(), dossier, nom.constData(), 0) == 0;
        const QString texte = lie ? QString()
                              : errno == EEXIST
                                  ? QStringLiteral("le fichier existe déjà ; --force le remplace")
                                  : TexteErrno();
        ::unlinkat(dossier, temporaire.constData(), 0);
        if (!lie)
            return fin(ErreurEcriture(chemin, texte));
    }
    return fin(0);
}
#else
// The access list the file is made with: full control to the system, the administrators and the account that
// writes it (its owner), reading to the local group korven, the people who use the program, and nothing to
// anyone else; nothing inherited from the directory (the system directory lets every user read what it
// holds). Without a group korven only the administrators may read it: avertissement says so.
QString ListeAcces(QString& avertissement) {
    QString liste = QStringLiteral("D:P(A;;FA;;;SY)(A;;FA;;;BA)");
    const TSid moi = SidCompteCourant();
    wchar_t* texte = nullptr;
    if (!moi.isEmpty() && ConvertSidToStringSidW(const_cast<char*>(moi.constData()), &texte)) {
        liste += QStringLiteral("(A;;FA;;;%1)").arg(QString::fromWCharArray(texte));
        LocalFree(texte);
    }
    BYTE groupe[SECURITY_MAX_SID_SIZE];
    DWORD taille = sizeof groupe;
    wchar_t domaine[256];
    DWORD tailleDomaine = 256;
    SID_NAME_USE usage;
    if (LookupAccountNameW(nullptr, L"korven", groupe, &taille, domaine, &tailleDomaine, &usage) &&
        (usage == SidTypeAlias || usage == SidTypeGroup || usage == SidTypeWellKnownGroup) &&
        ConvertSidToStringSidW(groupe, &texte)) {
        liste += QStringLiteral("(A;;FR;;;%1)").arg(QString::fromWCharArray(texte));
        LocalFree(texte);
    } else {
        avertissement = QStringLiteral(
            "korven-config : le groupe local « korven » n'existe pas : seuls les administrateurs pourront "
            "lire "
            "le fichier. Créez-le (net localgroup korven /add), mettez-y les utilisateurs de Solvane "
            "(net localgroup korven NOM /add), puis écrivez de nouveau le fichier (--force).\n");
    }
    return liste;
}

// Writes the file with the access list above into a directory that nobody but the system's accounts and the
// one running the tool may change (anyone else could replace the file once written), by way of a new file of
// that directory, created exclusively, that then takes the final name: without --force the move fails if
// anything has taken the name meanwhile; with it, it replaces whatever file is there, never writing through
// it. A name that is a link (symbolic link or junction) is always refused, and so is a directory.
int EcrireFichier(const QString& chemin, const QByteArray& contenu, bool remplacer) {
    const QFileInfo info(chemin);
    const QString dossier = QDir::toNativeSeparators(info.absolutePath());
    QString reel;
    const TAccesAutrui autrui = AccesAutruiDossier(dossier, reel);
    if (!autrui.Erreur.isEmpty())
        return ErreurEcriture(chemin, QStringLiteral("« %1 » : %2").arg(autrui.Chemin, autrui.Erreur));
    if (!autrui.Sur()) {
        const QString qui =
            autrui.AutreProprietaire
                ? QStringLiteral("le dossier « %1 » appartient à « %2 »").arg(autrui.Chemin, autrui.Compte)
                : QStringLiteral("« %2 » peut modifier le dossier « %1 »").arg(autrui.Chemin, autrui.Compte);
        return ErreurEcriture(chemin,
                              qui + QStringLiteral(", qui pourrait y remplacer le fichier ; écrivez-le "
                                                   "dans un dossier que seuls les administrateurs et "
                                                   "vous pouvez modifier"));
    }

    const QString nom = info.fileName();
    const std::wstring final = QDir::toNativeSeparators(QDir(reel).filePath(nom)).toStdWString();
    const DWORD attributs = GetFileAttributesW(final.c_str());
    if (attributs != INVALID_FILE_ATTRIBUTES) {
        if ((attributs & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
            return ErreurEcriture(chemin, QStringLiteral("c'est un lien symbolique ; le fichier n'est jamais "
                                                         "écrit à travers un lien (donnez le chemin réel)"));
        if ((attributs & FILE_ATTRIBUTE_DIRECTORY) != 0)
            return ErreurEcriture(chemin, QStringLiteral("ce n'est pas un fichier ordinaire"));
        if (!remplacer)
            return ErreurEcriture(chemin, QStringLiteral("le fichier existe déjà ; --force le remplace"));
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
        return ErreurEcriture(chemin, TexteErreurWindows(GetLastError()));
    }

    QString avertissement;
    PSECURITY_DESCRIPTOR descripteur = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
            ListeAcces(avertissement).toStdWString().c_str(), SDDL_REVISION_1, &descripteur, nullptr))
        return ErreurEcriture(chemin, TexteErreurWindows(GetLastError()));
    SECURITY_ATTRIBUTES securite{sizeof(SECURITY_ATTRIBUTES), descripteur, FALSE};

    // A new name of the directory, taken exclusively.
    std::wstring temporaire;
    HANDLE h = INVALID_HANDLE_VALUE;
    for (int essai = 0; h == INVALID_HANDLE_VALUE && essai < 100; ++essai) {
        temporaire =
            QDir::toNativeSeparators(QDir(reel).filePath(QStringLiteral(".%1.%2").arg(
                                         nom, QString::number(QRandomGenerator::system()->generate64(), 36))))
                .toStdWString();
        h = CreateFileW(temporaire.c_str(), GENERIC_WRITE, 0, &securite, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
        if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
            const QString texte = TexteErreurWindows(GetLastError());
            LocalFree(descripteur);
            return ErreurEcriture(chemin, texte);
        }
    }
    LocalFree(descripteur);
    if (h == INVALID_HANDLE_VALUE)
        return ErreurEcriture(chemin, TexteErreurWindows(GetLastError()));
    const auto abandonner = [&](DWORD code) {
        CloseHandle(h);
        DeleteFileW(temporaire.c_str());
        return ErreurEcriture(chemin, TexteErreurWindows(code));
    };
    DWORD ecrits = 0;
    if (!WriteFile(h, contenu.constData(), static_cast<DWORD>(contenu.size()), &ecrits, nullptr) ||
        ecrits != static_cast<DWORD>(contenu.size()))
        return abandonner(GetLastError());
    if (!FlushFileBuffers(h))
        return abandonner(GetLastError());
    CloseHandle(h);
    if (!MoveFileExW(temporaire.c_str(), final.c_str(),
                     MOVEFILE_WRITE_THROUGH | (remplacer ? MOVEFILE_REPLACE_EXISTING : 0))) {
        const DWORD code = GetLastError();
        DeleteFileW(temporaire.c_str());
        return ErreurEcriture(chemin, code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS
                                          ? QStringLiteral("le fichier existe déjà ; --force le remplace")
                                          : TexteErreurWindows(code));
    }
    if (!avertissement.isEmpty())
        Ecrire(stderr, avertissement);
    return 0;
}
#endif

int MontrerFichier(const QString& chemin) {
    // Read with the application's own reader, so that what is shown is what the application reads.
    const TFichierIni fichier(chemin);
    if (!fichier.Erreur().isEmpty()) {
        Ecrire(stderr,
               QStringLiteral("korven-config : impossible de lire %1 : %2\n").arg(chemin, fichier.Erreur()));
        return CodeErreurFichier;
    }
    for (qsizetype i = 0; i < Cles.size(); ++i) {
        const QString clair = DecrypterTexte(fichier.LireChaine(Section, Cles.at(i)), PhraseSecrete);
        if (Cles.at(i) == QStringLiteral("password"))
            Ecrire(stdout, QStringLiteral("password: %1\n")
                               .arg(clair.isEmpty() ? QStringLiteral("(empty)") : QStringLiteral("(set)")));
        else
            Ecrire(stdout, QStringLiteral("%1: %2\n").arg(Cles.at(i), clair));
    }
    // The encryption keys are optional: shown when present.
    for (const QString& cle : {CleTls, CleTlsAutorite}) {
        const QString chiffre = fichier.LireChaine(Section, cle);
        if (!chiffre.isEmpty())
            Ecrire(stdout, QStringLiteral("%1: %2\n").arg(cle, DecrypterTexte(chiffre, PhraseSecrete)));
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korven-config"));
    QCoreApplication::setApplicationVersion(VersionProgramme());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Écrit le fichier de configuration chiffré config_korven.ini (section [database]) ou en affiche le "
        "contenu.\n"
        "Le mot de passe est lu sur l'entrée standard (une ligne), jamais sur la ligne de commande.\n\n"
        "  korven-config --output FICHIER --server HÔTE --user UTILISATEUR [--name korven] [--port 3306]\n"
        "                [--tls require|prefer] [--ca FICHIER] [--force]\n"
        "  korven-config --show FICHIER"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption optSortie(QStringLiteral("output"), QStringLiteral("Fichier à écrire."),
                                       QStringLiteral("FICHIER"));
    const QCommandLineOption optMontrer(
        QStringLiteral("show"),
        QStringLiteral("Affiche les valeurs déchiffrées d'un fichier (sauf le mot "
                       "de passe)."),
        QStringLiteral("FICHIER"));
    const QCommandLineOption optNom(QStringLiteral("name"),
                                    QStringLiteral("Nom de la base de données maître (défaut : korven)."),
                                    QStringLiteral("BASE"), QStringLiteral("korven"));
    const QCommandLineOption optServeur(
        QStringLiteral("server"), QStringLiteral("Nom ou adresse du serveur MySQL."), QStringLiteral("HÔTE"));
    const QCommandLineOption optPort(QStringLiteral("port"),
                                     QStringLiteral("Port TCP du serveur (défaut : 3306)."),
                                     QStringLiteral("PORT"), QStringLiteral("3306"));
    const QCommandLineOption optUtilisateur(QStringLiteral("user"), QStringLiteral("Compte MySQL."),
                                            QStringLiteral("UTILISATEUR"));
    const QCommandLineOption optTls(
        QStringLiteral("tls"),
        QStringLiteral("require : refuser un serveur qui ne chiffre pas la connexion ; prefer (défaut) : "
                       "chiffrer chaque fois que le serveur le propose."),
        QStringLiteral("MODE"));
    const QCommandLineOption optCa(
        QStringLiteral("ca"),
        QStringLiteral("Chemin absolu, sur le poste, du certificat (PEM) de l'autorité "
                       "qui a signé celui du serveur ; implique --tls require."),
        QStringLiteral("FICHIER"));
    const QCommandLineOption optForce(QStringLiteral("force"),
                                      QStringLiteral("Remplace le fichier de sortie s'il existe déjà."));
    const QCommandLineOption optMotDePasseStdin(
        QStringLiteral("password-stdin"),
        QStringLiteral(
            "Lit le mot de passe sur l'entrée standard (toujours le cas ; accepté pour la clarté)."));
    parser.addOptions({optSortie, optMontrer, optNom, optServeur, optPort, optUtilisateur, optTls, optCa,
                       optForce, optMotDePasseStdin});

    if (!parser.parse(QCoreApplication::arguments())) {
        if (parser.unknownOptionNames().contains(QStringLiteral("password")))
            return ErreurArguments(
                parser, QStringLiteral("le mot de passe ne se donne pas sur la ligne de commande : "
                                       "il est lu sur l'entrée standard"));
        return ErreurArguments(parser, parser.errorText());
    }
    if (parser.isSet(QStringLiteral("help"))) {
        Ecrire(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        Ecrire(stdout, QStringLiteral("korven-config %1\n").arg(VersionProgramme()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return ErreurArguments(
            parser, QStringLiteral("argument inattendu : %1").arg(parser.positionalArguments().first()));

    const bool ecrire = parser.isSet(optSortie);
    const bool montrer = parser.isSet(optMontrer);
    if (ecrire == montrer)
        return ErreurArguments(parser, QStringLiteral("indiquez soit --output, soit --show"));

    if (montrer) {
        for (const QCommandLineOption* o : {&optNom, &optServeur, &optPort, &optUtilisateur, &optTls, &optCa,
                                            &optForce, &optMotDePasseStdin})
            if (parser.isSet(*o))
                return ErreurArguments(
                    parser, QStringLiteral("--%1 ne s'emploie pas avec --show").arg(o->names().first()));
        return MontrerFichier(parser.value(optMontrer));
    }

    const QString nom = parser.value(optNom);
    const QString serveur = parser.value(optServeur);
    const QString port = parser.value(optPort);
    const QString utilisateur = parser.value(optUtilisateur);
    if (parser.value(optSortie).isEmpty())
        return ErreurArguments(parser, QStringLiteral("--output demande un nom de fichier"));
    if (nom.isEmpty())
        return ErreurArguments(parser, QStringLiteral("--name ne peut pas être vide"));
    if (serveur.isEmpty())
        return ErreurArguments(parser, QStringLiteral("--server est obligatoire"));
    try {
        HoteServeur(serveur);
    } catch (const EKorven& e) {
        return ErreurArguments(parser, e.Message());
    }
    if (utilisateur.isEmpty())
        return ErreurArguments(parser, QStringLiteral("--user est obligatoire"));
    bool portOk = false;
    const uint numeroPort = port.toUInt(&portOk, 10);
    if (!portOk || numeroPort == 0 || numeroPort > 65535 || port != QString::number(numeroPort))
        return ErreurArguments(parser, QStringLiteral("port invalide : %1").arg(port));

    const QString tls = parser.value(optTls);
    const QString ca = parser.value(optCa);
    if (parser.isSet(optTls) && tls != TlsExige && tls != TlsPrefere)
        return ErreurArguments(parser, QStringLiteral("--tls vaut require ou prefer, pas « %1 »").arg(tls));
    if (parser.isSet(optCa) && !QDir::isAbsolutePath(ca))
        return ErreurArguments(parser,
                               QStringLiteral("--ca demande le chemin absolu du certificat sur le poste"));
    if (parser.isSet(optCa) && tls == TlsPrefere)
        return ErreurArguments(parser,
                               QStringLiteral("--ca exige le chiffrement : il ne va pas avec --tls prefer"));

    QString motDePasse;
    if (!LireMotDePasse(motDePasse))
        return ErreurArguments(parser, QStringLiteral("aucun mot de passe lu sur l'entrée standard"));

    QList<std::pair<QString, QString>> valeurs;
    const QStringList clairs = {nom, serveur, port, utilisateur, motDePasse};
    for (qsizetype i = 0; i < Cles.size(); ++i)
        valeurs.append({Cles.at(i), clairs.at(i)});
    // Without these keys the application encrypts whenever the server offers it.
    if (tls == TlsExige || !ca.isEmpty())
        valeurs.append({CleTls, TlsExige});
    if (!ca.isEmpty())
        valeurs.append({CleTlsAutorite, ca});
    return EcrireFichier(parser.value(optSortie), Contenu(valeurs), parser.isSet(optForce));
}
