// The connection layer against the real server: configured values that would turn into connection options
// never reach the client library, and no session waits longer than the bound for a lock another session
// holds.
#include "base/KORVENTypesU.h"
#include "core/data/ConnexionSQL.h"
#include "core/data/OBDataModuleU.h"
#include "core/data/RequeteSQL.h"
#include "support/BaseDeTest.h"
#include "support/RelaisTcp.h"
#include "support/VerrouExterne.h"

#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

class TestConnexion : public QObject {
    Q_OBJECT

private slots:
    void valeursRefusees_data();
    void valeursRefusees();
    void attenteDesVerrous();
    void verrouTenuAilleurs_data();
    void verrouTenuAilleurs();
    void serveurMuet_data();
    void serveurMuet();
};

// Each value opened the connection before: the host as a string of options (the command ran, the library
// was looked for), the port modulo 65536 (the server answered on a port nobody configured).
void TestConnexion::valeursRefusees_data() {
    QTest::addColumn<QString>("serveur");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("valeurNommee"); // the message names it

    const QString p = ServeurDeTest::Port();
    const QString options = QStringLiteral("host=127.0.0.1;port=%1;user=solvane;password=solvane;"
                                           "init-command=CREATE DATABASE bd_injection")
                                .arg(p);
    QTest::newRow("command on every connection") << options << p << options;
    QTest::newRow("library of the attacker")
        << QStringLiteral("127.0.0.1;plugin-dir=/nonexistent;default-auth=evil") << p
        << QStringLiteral("plugin-dir");
    const QString auDela = QString::number(p.toInt() + 65536);
    QTest::newRow("port modulo 65536") << QStringLiteral("127.0.0.1") << auDela << auDela;
    QTest::newRow("empty port") << QStringLiteral("127.0.0.1") << QString() << QStringLiteral("port");
    QTest::newRow("negative port") << QStringLiteral("127.0.0.1") << QStringLiteral("-1")
                                   << QStringLiteral("-1");
    QTest::newRow("zero port") << QStringLiteral("127.0.0.1") << QStringLiteral("0")
                               << QStringLiteral("« 0 »");
    QTest::newRow("letters") << QStringLiteral("127.0.0.1") << QStringLiteral("abc") << QStringLiteral("abc");
    QTest::newRow("empty server") << QString() << p << QStringLiteral("serveur");
}

void TestConnexion::valeursRefusees() {
    QFETCH(QString, serveur);
    QFETCH(QString, port);
    QFETCH(QString, valeurNommee);

    BaseDeTest base(QStringList{});
    TSQLConnection connexion(QStringLiteral("Essai"), QStringLiteral("ESSAI_VALEURS"), nullptr);
    connexion.Params = {QStringLiteral("HostName=") + serveur, QStringLiteral("Database=korven"),
                        QStringLiteral("User_Name=") + ServeurDeTest::Utilisateur(),
                        QStringLiteral("Port=") + port,
                        QStringLiteral("Password=") + ServeurDeTest::MotDePasse()};
    QString message;
    try {
        connexion.Open();
    } catch (const EKorven& e) {
        message = e.Message();
    }
    QVERIFY2(!connexion.Connected(), "the connection opened");
    QVERIFY2(message.contains(valeurNommee), qPrintable(message));
    QVERIFY(base.Lignes(QStringLiteral("SHOW DATABASES LIKE 'bd\\_injection'")).isEmpty());
}

// Every session of both connections waits at most AttenteVerrous seconds for a lock, table or row; so does
// a session opened again after the server dropped the first.
void TestConnexion::attenteDesVerrous() {
    BaseDeTest base;
    TOBDataModule module;
    ServeurDeTest::Configurer(module.OBOrbelanSQLConnection, QStringLiteral("korven"));
    ServeurDeTest::Configurer(module.OBSQLConnection, QStringLiteral("bd_2025_2026"));
    const auto attentes = [](TSQLConnection* connexion) {
        QSqlQuery q(connexion->Base());
        if (!q.exec(
                QStringLiteral("SELECT @@SESSION.lock_wait_timeout, @@SESSION.innodb_lock_wait_timeout")) ||
            !q.next())
            return q.lastError().text();
        return q.value(0).toString() + QLatin1Char('|') + q.value(1).toString();
    };
    QCOMPARE(TSQLConnection::AttenteVerrous, 60);
    QCOMPARE(attentes(module.OBOrbelanSQLConnection), QStringLiteral("60|60"));
    QCOMPARE(attentes(module.OBSQLConnection), QStringLiteral("60|60"));
    module.OBSQLConnection->Close();
    QCOMPARE(attentes(module.OBSQLConnection), QStringLiteral("60|60"));
}

// A table locked by a backup (--lock-tables), or rows locked by another transaction: the statement fails
// with the server's lock-timeout text once the bound has passed, instead of waiting for a day.
void TestConnexion::verrouTenuAilleurs_data() {
    QTest::addColumn<bool>("maitre"); // the master connection; otherwise the year connection
    QTest::addColumn<QString>("verrou");
    QTest::addColumn<QString>("instruction");
    QTest::newRow("master table locked")
        << true << QStringLiteral("LOCK TABLES korven.annee_scolaire WRITE")
        << QStringLiteral("SELECT code, active, nom_etablissement FROM annee_scolaire WHERE active = '1'");
    QTest::newRow("year table locked") << false << QStringLiteral("LOCK TABLES bd_2025_2026.utilisateur READ")
                                       << QStringLiteral("UPDATE utilisateur SET etat = '1'");
    QTest::newRow("master rows locked")
        << true << QStringLiteral("START TRANSACTION; SELECT * FROM korven.annee_scolaire FOR UPDATE")
        << QStringLiteral("UPDATE annee_scolaire SET active = '0'");
}

void TestConnexion::verrouTenuAilleurs() {
    QFETCH(bool, maitre);
    QFETCH(QString, verrou);
    QFETCH(QString, instruction);

    BaseDeTest base;
    base.Executer(
        QStringLiteral("INSERT INTO korven.annee_scolaire (code, active) VALUES ('2025/2026', '1')"));
    base.Executer(
        QStringLiteral("INSERT INTO utilisateur (login, pass, etat, nom) VALUES ('admin', '', '1', 'A')"),
        QStringLiteral("bd_2025_2026"));
    TOBDataModule module;
    TSQLConnection* connexion = maitre ? module.OBOrbelanSQLConnection : module.OBSQLConnection;
    ServeurDeTest::Configurer(connexion, maitre ? QStringLiteral("korven") : QStringLiteral("bd_2025_2026"));
    const int avant = TSQLConnection::AttenteVerrous;
    TSQLConnection::AttenteVerrous = 1;
    connexion->Open();
    TSQLConnection::AttenteVerrous = avant;

    VerrouExterne autreSession(verrou);
    QVERIFY2(autreSession.Tenu(), qPrintable(autreSession.Erreurs()));
    QSqlQuery q(connexion->Base());
    QElapsedTimer chrono;
    chrono.start();
    QVERIFY2(!q.exec(instruction), "the statement ran while the lock was held elsewhere");
    QVERIFY2(q.lastError().databaseText().contains(QStringLiteral("Lock wait timeout")),
             qPrintable(q.lastError().text()));
    QVERIFY2(chrono.elapsed() < 10000, qPrintable(QString::number(chrono.elapsed())));
}

// A server (or a network) that accepts the connection and then stops answering, here a relay that lets the
// sign-in and the session's first statement through and nothing after: the next statement fails with an
// error once DelaiReponse has passed, instead of waiting for ever; outside a transaction the session is
// closed, so the statement after it connects afresh.
void TestConnexion::serveurMuet_data() {
    QTest::addColumn<bool>("maitre");
    QTest::addColumn<QString>("instruction");
    QTest::newRow("master connection, a read")
        << true
        << QStringLiteral("SELECT code, active, nom_etablissement FROM annee_scolaire WHERE active = '1'");
    QTest::newRow("year connection, a write") << false << QStringLiteral("UPDATE utilisateur SET etat = '1'");
}

void TestConnexion::serveurMuet() {
    QFETCH(bool, maitre);
    QFETCH(QString, instruction);

    BaseDeTest base;
    RelaisTcp relais(ServeurDeTest::Port().toInt());
    QVERIFY(!relais.Port().isEmpty());
    relais.CommandesTransmises = 1;
    TOBDataModule module;
    TSQLConnection* connexion = maitre ? module.OBOrbelanSQLConnection : module.OBSQLConnection;
    ServeurDeTest::Configurer(connexion, maitre ? QStringLiteral("korven") : QStringLiteral("bd_2025_2026"));
    connexion->Params.replaceInStrings(QStringLiteral("Port=") + ServeurDeTest::Port(),
                                       QStringLiteral("Port=") + relais.Port());
    const int avant = TSQLConnection::DelaiReponse;
    TSQLConnection::DelaiReponse = 2;
    TSQLQuery requete(nullptr, QStringLiteral("Essai"));
    requete.SQLConnection = connexion;
    requete.Preparer({instruction});
    QElapsedTimer chrono;
    chrono.start();
    QString erreur;
    try {
        requete.ExecSQL();
    } catch (const EKorven& e) {
        erreur = e.Message();
    }
    const qint64 duree = chrono.elapsed();
    TSQLConnection::DelaiReponse = avant;
    QVERIFY2(erreur.startsWith(QStringLiteral("Le serveur de base de données n'a pas répondu dans les 2 "
                                              "secondes")),
             qPrintable(erreur));
    QVERIFY2(duree >= 1500 && duree < 15000, qPrintable(QString::number(duree)));
    QVERIFY(!connexion->Connected());
    QCOMPARE(relais.Connexions(), 1);
}

QTEST_GUILESS_MAIN(TestConnexion)
#include "test_connexion.moc"
