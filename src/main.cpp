// Solvane: closes one school year and opens the next.
#include "app/Fenetres.h"
#include "app/Upassword.h"
#include "platform/MessagesQt.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The title is the program's name with its first letter in capitals: "Solvane".
    const QString nom = QFileInfo(QApplication::applicationFilePath()).completeBaseName().toLower();
    QApplication::setApplicationDisplayName(nom.left(1).toUpper() + nom.mid(1));
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
