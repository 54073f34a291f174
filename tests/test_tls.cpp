// Encryption of the connections, against a private server of this test's own that offers TLS with a
// certificate signed by an authority made for the occasion (openssl command line), and against the tests'
// server, which offers none. What the program's own session reports (Ssl_cipher) decides.
#include "base/KORVENFonctionsU.h"
#include "base/KORVENTypesU.h"
#include "core/data/ConnexionSQL.h"
#include "core/data/OBDataModuleU.h"
#include "core/session/Demarrage.h"
#include "support/BaseDeTest.h"

#include <QDir>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

enum class Autorite { Aucune, Bonne, Autre, Absente };

// A port nothing listens on now, chosen by the system.
QString PortLibre() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t taille = sizeof adresse;
    QString port;
    if (::bind(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&adresse), &taille) == 0)
        port = QString::number(ntohs(adresse.sin_port));
    ::close(s);
    return port;
}

} // namespace

Q_DECLARE_METATYPE(Autorite)

class TestTls : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void connexion_data();
    void connexion();
    void demarrageChiffre();

private:
    // Runs a program to its end; its output, or the test fails.
    bool Lancer(const QString& programme, const QStringList& arguments, const QProcessEnvironment& env = {});
    QProcessEnvironment Serveur() const;

    QTemporaryDir dossier_{QStringLiteral(SOLVANE_TEST_WORK "/tls-XXXXXX")};
    QString port_;
    bool demarre_ = false;
    QString sortie_;
};

bool TestTls::Lancer(const QString& programme, const QStringList& arguments, const QProcessEnvironment& env) {
    QProcess p;
    p.setWorkingDirectory(dossier_.path());
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programme, arguments);
    const bool fini = p.waitForFinished(180000);
    sortie_ = QString::fromLocal8Bit(p.readAll());
    return fini && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QProcessEnvironment TestTls::Serveur() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SOLVANE_DB_DIR"), dossier_.filePath(QStringLiteral("serveur")));
    env.insert(QStringLiteral("SOLVANE_DB_PORT"), port_);
    env.insert(QStringLiteral("SOLVANE_DB_TLS_CERT"), dossier_.filePath(QStringLiteral("serveur-cert.pem")));
    env.insert(QStringLiteral("SOLVANE_DB_TLS_KEY"), dossier_.filePath(QStringLiteral("serveur-cle.pem")));
    return env;
}

void TestTls::initTestCase() {
    QVERIFY(dossier_.isValid());
    const QString openssl = QStringLiteral("openssl");
    // Two authorities, each certifying itself; the server's certificate is signed by the first.
    for (const char* nom : {"autorite", "autre"})
        QVERIFY2(
            Lancer(openssl, {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                             QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                             QStringLiteral("2"), QStringLiteral("-subj"),
                             QStringLiteral("/CN=Solvane test %1").arg(QLatin1String(nom)),
                             QStringLiteral("-keyout"), QStringLiteral("%1-cle.pem").arg(QLatin1String(nom)),
                             QStringLiteral("-out"), QStringLiteral("%1.pem").arg(QLatin1String(nom))}),
            qPrintable(sortie_));
    QVERIFY2(
        Lancer(openssl, {QStringLiteral("req"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
                         QStringLiteral("-nodes"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                         QStringLiteral("-keyout"), QStringLiteral("serveur-cle.pem"), QStringLiteral("-out"),
                         QStringLiteral("serveur.csr")}),
        qPrintable(sortie_));
    QVERIFY2(
        Lancer(openssl, {QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"),
                         QStringLiteral("serveur.csr"), QStringLiteral("-CA"), QStringLiteral("autorite.pem"),
                         QStringLiteral("-CAkey"), QStringLiteral("autorite-cle.pem"),
                         QStringLiteral("-CAcreateserial"), QStringLiteral("-days"), QStringLiteral("2"),
                         QStringLiteral("-out"), QStringLiteral("serveur-cert.pem")}),
        qPrintable(sortie_));

    port_ = PortLibre();
    QVERIFY(!port_.isEmpty());
    demarre_ = true;
    QVERIFY2(
        Lancer(QStringLiteral(SOLVANE_SOURCE_DIR "/scripts/db-server"), {QStringLiteral("start")}, Serveur()),
        qPrintable(sortie_));
}

void TestTls::cleanupTestCase() {
    if (demarre_)
        Lancer(QStringLiteral(SOLVANE_SOURCE_DIR "/scripts/db-server"), {QStringLiteral("stop")}, Serveur());
}

void TestTls::connexion_data() {
    QTest::addColumn<bool>("offert"); // the server of this test (TLS); otherwise the tests' server (none)
    QTest::addColumn<bool>("exiger");
    QTest::addColumn<Autorite>("autorite");
    QTest::addColumn<QString>("refus"); // empty: the connection opens; otherwise a word of the reason

    QTest::newRow("offered, nothing asked") << true << false << Autorite::Aucune << QString();
    QTest::newRow("not offered, nothing asked") << false << false << Autorite::Aucune << QString();
    QTest::newRow("offered, required") << true << true << Autorite::Aucune << QString();
    QTest::newRow("not offered, required") << false << true << Autorite::Aucune << QStringLiteral("TLS");
    QTest::newRow("offered, its authority") << true << true << Autorite::Bonne << QString();
    QTest::newRow("offered, another authority")
        << true << true << Autorite::Autre << QStringLiteral("certificate");
    QTest::newRow("not offered, an authority") << false << true << Autorite::Bonne << QStringLiteral("TLS");
    QTest::newRow("authority file missing")
        << true << true << Autorite::Absente << QStringLiteral("introuvable");
}

void TestTls::connexion() {
    QFETCH(bool, offert);
    QFETCH(bool, exiger);
    QFETCH(Autorite, autorite);
    QFETCH(QString, refus);

    TSQLConnection c(QStringLiteral("Essai"), QStringLiteral("ESSAI_TLS"), nullptr);
    c.Params = {QStringLiteral("HostName=127.0.0.1"), QStringLiteral("Database="),
                QStringLiteral("User_Name=") + ServeurDeTest::Utilisateur(),
                QStringLiteral("Port=") + (offert ? port_ : ServeurDeTest::Port()),
                QStringLiteral("Password=") + ServeurDeTest::MotDePasse()};
    c.Securite.Exiger = exiger;
    switch (autorite) {
    case Autorite::Aucune:
        break;
    case Autorite::Bonne:
        c.Securite.AutoriteCertification = dossier_.filePath(QStringLiteral("autorite.pem"));
        break;
    case Autorite::Autre:
        c.Securite.AutoriteCertification = dossier_.filePath(QStringLiteral("autre.pem"));
        break;
    case Autorite::Absente:
        c.Securite.AutoriteCertification = dossier_.filePath(QStringLiteral("absente.pem"));
        break;
    }

    QString erreur;
    try {
        c.Open();
    } catch (const EKorven& e) {
        erreur = e.Message();
    }
    if (!refus.isEmpty()) {
        QVERIFY2(erreur.contains(refus), qPrintable(erreur));
        QVERIFY(!c.Connected());
        return;
    }
    QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
    QSqlQuery q(c.Base());
    QVERIFY2(q.exec(QStringLiteral("SHOW SESSION STATUS LIKE 'Ssl_cipher'")) && q.next(),
             qPrintable(q.lastError().text()));
    // Encrypted whenever the server offers it; in clear otherwise, as before.
    QCOMPARE(!q.value(1).toString().isEmpty(), offert);
}

// The whole start-up, with the configuration file naming the authority: both connections of the data module
// are encrypted, the year connection (where the sign-in statement carries the typed password) included.
void TestTls::demarrageChiffre() {
    const QByteArray portDesTests = qgetenv("SOLVANE_DB_PORT");
    qputenv("SOLVANE_DB_PORT", port_.toUtf8());
    {
        BaseDeTest base;
        base.Executer(
            QStringLiteral("INSERT INTO korven.annee_scolaire (code, active) VALUES ('2025/2026', '1')"));
        QTemporaryDir configuration;
        BaseDeTest::EcrireConfigurationValide(configuration.path());
        BaseDeTest::AjouterCleConfiguration(configuration.path(), QStringLiteral("tls_ca"),
                                            dossier_.filePath(QStringLiteral("autorite.pem")));

        TOBDataModule module;
        const TDemarrage d =
            VerifierDemarrage(module, QDir(configuration.path()).filePath(NomFichierConfiguration));
        QVERIFY2(d.Issue == TIssueDemarrage::Reussi, qPrintable(d.Message));
        for (TSQLConnection* c : {module.OBOrbelanSQLConnection, module.OBSQLConnection}) {
            QSqlQuery q(c->Base());
            QVERIFY2(q.exec(QStringLiteral("SHOW SESSION STATUS LIKE 'Ssl_cipher'")) && q.next(),
                     qPrintable(q.lastError().text()));
            QVERIFY2(!q.value(1).toString().isEmpty(), qPrintable(c->objectName()));
        }
    }
    if (portDesTests.isNull())
        qunsetenv("SOLVANE_DB_PORT");
    else
        qputenv("SOLVANE_DB_PORT", portDesTests);
}

QTEST_GUILESS_MAIN(TestTls)
#include "test_tls.moc"
