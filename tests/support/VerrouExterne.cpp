#include "support/VerrouExterne.h"

#include "support/BaseDeTest.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>

VerrouExterne::VerrouExterne(const QString& instructions, int tenue) {
    const QString mariadb = QStandardPaths::findExecutable(QStringLiteral("mariadb"));
    if (mariadb.isEmpty()) {
        erreurs_ = QStringLiteral("the mariadb command-line client is not installed");
        return;
    }
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("MYSQL_PWD"), ServeurDeTest::MotDePasse());
    client_.setProcessEnvironment(environnement);
    client_.start(
        mariadb,
        {QStringLiteral("--no-defaults"), QStringLiteral("-h") + ServeurDeTest::Hote(),
         QStringLiteral("-P") + ServeurDeTest::Port(), QStringLiteral("-u") + ServeurDeTest::Utilisateur(),
         QStringLiteral("--unbuffered"), QStringLiteral("-N"), QStringLiteral("-B"), QStringLiteral("-e"),
         instructions + QStringLiteral("; SELECT CONCAT('verrou tenu ', CONNECTION_ID()); SELECT SLEEP(%1)")
                            .arg(tenue)});
    QByteArray sortie;
    const QDeadlineTimer delai(15000);
    while (!delai.hasExpired() && client_.state() != QProcess::NotRunning) {
        client_.waitForReadyRead(200);
        sortie += client_.readAllStandardOutput();
        const qsizetype debut = sortie.indexOf("verrou tenu ");
        const qsizetype fin = sortie.indexOf('\n', debut);
        if (debut >= 0 && fin > debut) {
            session_ = QString::fromLatin1(sortie.mid(debut + 12, fin - debut - 12)).trimmed();
            tenu_ = true;
            return;
        }
    }
    erreurs_ = QString::fromUtf8(sortie + client_.readAllStandardError());
}

VerrouExterne::~VerrouExterne() {
    // The server notices a vanished client only when its sleep ends: its session is ended here.
    if (!session_.isEmpty()) {
        const QString nom = QStringLiteral("solvane_test_verrou");
        {
            QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), nom);
            base.setHostName(ServeurDeTest::Hote());
            base.setPort(ServeurDeTest::Port().toInt());
            base.setUserName(ServeurDeTest::Utilisateur());
            base.setPassword(ServeurDeTest::MotDePasse());
            if (base.open())
                QSqlQuery(base).exec(QStringLiteral("KILL CONNECTION ") + session_);
            base.close();
        }
        QSqlDatabase::removeDatabase(nom);
    }
    if (client_.state() != QProcess::NotRunning) {
        client_.kill();
        client_.waitForFinished(5000);
    }
}
