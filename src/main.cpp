// Solvane: closes one school year and opens the next.
#include "base/KORVENFonctionsU.h"
#include "base/LigneDeCommande.h"
#include "base/TitreApplication.h"
#include "base/Version.h"
#include "core/data/OBDataModuleU.h"
#include "core/platform/FinApplication.h"
#include "core/session/Demarrage.h"
#include "core/transition/RetourAnnee.h"
#include "gui/Fenetres.h"
#include "gui/commun/MessagesQt.h"
#include "gui/commun/SonsQt.h"
#include "gui/login/Upassword.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

void Ecrire(std::FILE* flux, const QString& texte) {
    const QByteArray octets = texte.toLocal8Bit();
    std::fwrite(octets.constData(), 1, static_cast<std::size_t>(octets.size()), flux);
}

// --check: the start-up check the login window runs, without any window, its result on the terminal.
int Verifier(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    TOBDataModule module;
    const QString chemin = GetFichierConfiguration();
    const TDemarrage d = VerifierDemarrage(module, chemin);
    if (d.Issue == TIssueDemarrage::Reussi) {
        Ecrire(stdout, ResumeDemarrage(d, chemin));
        return 0;
    }
    QString message = d.Message;
    Ecrire(stderr, QStringLiteral("solvane : ") +
                       message.replace(QStringLiteral("\r\n"), QStringLiteral("\n")) + QLatin1Char('\n'));
    return CodeEchec;
}

// --undo-check: the start-up check, then whether the last change of year can be taken back, without a window.
int VerifierRetour(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    TOBDataModule module;
    const TDemarrage d = VerifierDemarrage(module, GetFichierConfiguration());
    TBilanRetour bilan;
    if (d.Issue == TIssueDemarrage::Reussi)
        bilan = TRetourAnnee::Examiner(d.AnneeCourante);
    else
        bilan.Raison = d.Message;
    if (bilan.Possible()) {
        Ecrire(stdout, ResumeRetour(bilan));
        return 0;
    }
    QString message = bilan.Raison;
    Ecrire(stderr, QStringLiteral("solvane : ") +
                       message.replace(QStringLiteral("\r\n"), QStringLiteral("\n")) + QLatin1Char('\n'));
    return CodeEchec;
}

int Demarrer(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The title is the program's file name without folder and extension, every character after the first
    // in lower case.
    const QString nom = QFileInfo(QApplication::applicationFilePath()).completeBaseName();
    DefinirTitreApplication(nom.left(1) + nom.mid(1).toLower());
    QApplication::setQuitOnLastWindowClosed(false);

    // Dates and numbers follow the workstation's regional settings; one without any (the C locale) gets
    // French ones, the language of every text of the program.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    // Qt's own windows (file dialog, print preview) speak French too.
    QTranslator traductionQt;
    if (traductionQt.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);

    MessagesQt messages;
    InstallerMessages(&messages);
    SonsQt sons;
    InstallerSons(&sons);

    int code = 0;
    {
        TFenetres fenetres;
        fenetres.Login().show();
        code = QApplication::exec();
        // The user left while the start-up check still waited for a server that does not answer: the process
        // ends without waiting for it (nothing has been written anywhere).
        if (TVerificationDemarrage::EnCours() > 0)
            std::_Exit(code);
    }
    InstallerSons(nullptr);
    InstallerMessages(nullptr);
    return code;
}

} // namespace

int main(int argc, char* argv[]) {
    // The command line is read before any window-system connection is made: --version, --help and a refused
    // option answer on the terminal even where there is no display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const TLigneDeCommande ligne = AnalyserLigneDeCommande(arguments);
    switch (ligne.Action) {
    case TActionLigneDeCommande::Refus:
        Ecrire(stderr, ligne.Erreur + QLatin1Char('\n'));
        return CodeLigneDeCommandeRefusee;
    case TActionLigneDeCommande::Aide:
        Ecrire(stdout, TexteAide(GetFichierConfiguration()));
        return 0;
    case TActionLigneDeCommande::Version:
        Ecrire(stdout, QStringLiteral("solvane %1\n").arg(VersionProgramme()));
        return 0;
    case TActionLigneDeCommande::Verifier:
        return Verifier(argc, argv);
    case TActionLigneDeCommande::VerifierRetour:
        return VerifierRetour(argc, argv);
    case TActionLigneDeCommande::Demarrer:
        break;
    }
    return Demarrer(argc, argv);
}
