#pragma once

#include <QByteArray>

class QProcess;

// What a program the tests ran said and how it ended.
struct TFinProcessus {
    int Code = -1; // the exit status; -1 when it did not start, crashed or was stopped
    QByteArray Sortie;
    QByteArray Erreurs;
};

// Waits for a started program: Entree written to its standard input, which is then closed; a program still
// running after 30 s (blocked on something) is killed, so that it fails its test instead of hanging it.
TFinProcessus AttendreProcessus(QProcess& processus, const QByteArray& entree = {});
