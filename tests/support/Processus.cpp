#include "support/Processus.h"

#include <QProcess>

TFinProcessus AttendreProcessus(QProcess& processus, const QByteArray& entree) {
    TFinProcessus fin;
    if (!processus.waitForStarted(-1))
        return fin;
    if (!entree.isEmpty())
        processus.write(entree);
    processus.closeWriteChannel();
    if (!processus.waitForFinished(30000)) {
        processus.kill();
        processus.waitForFinished(-1);
        return fin;
    }
    if (processus.exitStatus() == QProcess::NormalExit)
        fin.Code = processus.exitCode();
    fin.Sortie = processus.readAllStandardOutput();
    fin.Erreurs = processus.readAllStandardError();
    return fin;
}
