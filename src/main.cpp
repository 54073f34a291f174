// Solvane: closes one school year and opens the next.
#include "app/Fenetres.h"
#include "app/Upassword.h"
#include "platform/MessagesQt.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The title is the program's file name without folder and extension, every character after the first
    // in lower case.
    const QString nom = QFileInfo(QApplication::applicationFilePath()).completeBaseName();
    QApplication::setApplicationDisplayName(nom.left(1) + nom.mid(1).toLower());
    QApplication::setQuitOnLastWindowClosed(false);

    MessagesQt messages;
    InstallerMessages(&messages);

    CreerFenetres();
    Password->show();
    const int code = QApplication::exec();
    DetruireFenetres();
    InstallerMessages(nullptr);
    return code;
}
