#include "OutilsBench.h"

#include "support/BaseDeTest.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

#include <cstdlib>

QTextStream& Sortie() {
    static QTextStream flux(stdout);
    return flux;
}

void Suivi(const QString& Texte) {
    QTextStream(stderr) << Texte << Qt::endl;
}

void Arreter(const QString& Texte) {
    Sortie().flush();
    const QString programme = QCoreApplication::applicationName();
    QTextStream(stderr) << (programme.isEmpty() ? QStringLiteral("bench") : programme) << ": " << Texte
                        << Qt::endl;
    std::exit(1);
}

double Millisecondes(qint64 Ns) {
    return static_cast<double>(Ns) / 1e6;
}

QString ClientMariadb() {
    static const QString chemin = [] {
        QString c = QStandardPaths::findExecutable(QStringLiteral("mariadb"));
        if (c.isEmpty())
            c = QStandardPaths::findExecutable(QStringLiteral("mysql"));
        if (c.isEmpty())
            Arreter(QStringLiteral("the mariadb command-line client is not installed"));
        return c;
    }();
    return chemin;
}

QStringList ArgumentsClient() {
    return {QStringLiteral("--no-defaults"),
            QStringLiteral("-h") + ServeurDeTest::Hote(),
            QStringLiteral("-P") + ServeurDeTest::Port(),
            QStringLiteral("-u") + ServeurDeTest::Utilisateur(),
            QStringLiteral("-p") + ServeurDeTest::MotDePasse(),
            QStringLiteral("--default-character-set=utf8mb4")};
}

QString ChargeMachine() {
    QFile fichier(QStringLiteral("/proc/loadavg"));
    if (!fichier.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(fichier.readAll()).section(QLatin1Char(' '), 0, 2);
}
