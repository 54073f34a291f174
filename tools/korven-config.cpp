// korven-config: prepares the encrypted configuration file config_korven.ini that the application reads at
// start-up, and shows what such a file holds.
//
//   korven-config --output FILE --server HOST --user USER [--name korven] [--port 3306] < password
//   korven-config --show FILE
//
// The password is read from standard input (one line), never from the command line, so that it does not
// show up in process listings or shell history. On a terminal it is asked for without echo.
//
// Exit codes: 0 success, 1 the file could not be read or written, 2 bad arguments.

#include "base/Chiffrement.h"
#include "base/FichierIni.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace {

constexpr int CodeErreurFichier = 1;
constexpr int CodeErreurArguments = 2;

const QString Section = QStringLiteral("database");
// The five keys, in the order the application reads them.
const QStringList Cles = {QStringLiteral("name"), QStringLiteral("server"), QStringLiteral("port"),
                          QStringLiteral("user"), QStringLiteral("password")};

void Ecrire(std::FILE* flux, const QString& texte) {
    const QByteArray octets = texte.toLocal8Bit();
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
    } else
#endif
    {
        lu = static_cast<bool>(std::getline(std::cin, ligne));
    }
    if (!lu)
        return false;
    if (!ligne.empty() && ligne.back() == '\r')
        ligne.pop_back();
    motDePasse = QString::fromUtf8(ligne.data(), static_cast<qsizetype>(ligne.size()));
    std::fill(ligne.begin(), ligne.end(), '\0');
    return true;
}

int EcrireFichier(const QString& chemin, const QStringList& valeurs) {
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly)) {
        Ecrire(stderr, QStringLiteral("korven-config : impossible d'écrire %1 : %2\n")
                           .arg(chemin, fichier.errorString()));
        return CodeErreurFichier;
    }
#ifdef Q_OS_UNIX
    // The file holds the database password, even if encrypted under a pass phrase that ships with the
    // program: owner only, set before anything is written into it.
    if (fchmod(fichier.handle(), S_IRUSR | S_IWUSR) != 0) {
        Ecrire(stderr,
               QStringLiteral("korven-config : impossible de restreindre les droits de %1\n").arg(chemin));
        fichier.cancelWriting();
        return CodeErreurFichier;
    }
#endif
    // CRLF, as the file has always been written for the platform the application comes from; the reader
    // accepts both line endings.
    QByteArray contenu = "[" + Section.toLatin1() + "]\r\n";
    for (qsizetype i = 0; i < Cles.size(); ++i)
        contenu +=
            Cles.at(i).toLatin1() + '=' + CrypterTexte(valeurs.at(i), PhraseSecrete).toLatin1() + "\r\n";
    fichier.write(contenu);
    if (!fichier.commit()) {
        Ecrire(stderr, QStringLiteral("korven-config : impossible d'écrire %1 : %2\n")
                           .arg(chemin, fichier.errorString()));
        return CodeErreurFichier;
    }
    return 0;
}

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
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korven-config"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Écrit le fichier de configuration chiffré config_korven.ini (section [database]) ou en affiche le "
        "contenu.\n"
        "Le mot de passe est lu sur l'entrée standard (une ligne), jamais sur la ligne de commande.\n\n"
        "  korven-config --output FICHIER --server HÔTE --user UTILISATEUR [--name korven] [--port 3306]\n"
        "  korven-config --show FICHIER"));
    parser.addHelpOption();
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
    const QCommandLineOption optMotDePasseStdin(
        QStringLiteral("password-stdin"),
        QStringLiteral(
            "Lit le mot de passe sur l'entrée standard (toujours le cas ; accepté pour la clarté)."));
    parser.addOptions(
        {optSortie, optMontrer, optNom, optServeur, optPort, optUtilisateur, optMotDePasseStdin});

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
    if (!parser.positionalArguments().isEmpty())
        return ErreurArguments(
            parser, QStringLiteral("argument inattendu : %1").arg(parser.positionalArguments().first()));

    const bool ecrire = parser.isSet(optSortie);
    const bool montrer = parser.isSet(optMontrer);
    if (ecrire == montrer)
        return ErreurArguments(parser, QStringLiteral("indiquez soit --output, soit --show"));

    if (montrer) {
        for (const QCommandLineOption* o :
             {&optNom, &optServeur, &optPort, &optUtilisateur, &optMotDePasseStdin})
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
    if (utilisateur.isEmpty())
        return ErreurArguments(parser, QStringLiteral("--user est obligatoire"));
    bool portOk = false;
    const uint numeroPort = port.toUInt(&portOk, 10);
    if (!portOk || numeroPort == 0 || numeroPort > 65535 || port != QString::number(numeroPort))
        return ErreurArguments(parser, QStringLiteral("port invalide : %1").arg(port));

    QString motDePasse;
    if (!LireMotDePasse(motDePasse))
        return ErreurArguments(parser, QStringLiteral("aucun mot de passe lu sur l'entrée standard"));

    return EcrireFichier(parser.value(optSortie), {nom, serveur, port, utilisateur, motDePasse});
}
