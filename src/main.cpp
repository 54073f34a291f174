// Solvane: closes one school year and opens the next.
#include "base/TitreApplication.h"
#include "gui/Fenetres.h"
#include "gui/MessagesQt.h"
#include "gui/SonsQt.h"
#include "gui/login/Upassword.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
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

    CreerFenetres();
    Password->show();
    const int code = QApplication::exec();
    DetruireFenetres();
    InstallerSons(nullptr);
    InstallerMessages(nullptr);
    return code;
}
