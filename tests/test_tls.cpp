// Encryption of the connections, against a private server of this test's own that offers TLS with a
// certificate for 127.0.0.1 signed by an authority made for the occasion (openssl command line), against the
// tests' server, which offers none, and through a relay that stands where an attacker would and removes the
// offer of TLS from the server's greeting. What the program's own session reports (Ssl_cipher) decides
// whether it is encrypted; what the relay saw decides whether the login crossed in clear.
#include "base/KORVENFonctionsU.h"
#include "base/KORVENTypesU.h"
#include "core/data/ConnexionSQL.h"
#include "core/data/OBDataModuleU.h"
#include "core/data/OuvertureMariaDB.h"
#include "core/session/Demarrage.h"
#include "support/BaseDeTest.h"
#include "support/RelaisTcp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

enum class Autorite {
    Aucune,
    Bonne,
    Autre,
    Absente,
    Relative,
    // A name that has no exact form in bytes (half of a surrogate pair).
    SansFormeExacte,
    // A name holding two spaces names the right authority; the same name with one space, another one.
    DeuxEspaces,
    // The other way round.
    DeuxEspacesAutre,
};

#ifndef Q_OS_WIN
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
#endif

} // namespace

Q_DECLARE_METATYPE(Autorite)

class TestTls : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void connexion_data();
    void connexion();
    void relais_data();
    void relais();
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
#ifdef Q_OS_WIN
    // Under Wine the Linux programs (openssl, scripts/db-server) cannot be run from here: ctest has
    // tests/serveur-tls-windows.sh make the same certificates and start the same server first, in
    // SOLVANE_TEST_TLS_DIR (the port in its file "port"). The test uses its copies of the certificates.
    const QDir prepare(qEnvironmentVariable("SOLVANE_TEST_TLS_DIR"));
    QVERIFY2(prepare.exists(QStringLiteral("port")), "no TLS server: ctest starts it (serveur_tls_windows)");
    for (const QString& nom : prepare.entryList({QStringLiteral("*.pem")}, QDir::Files))
        QVERIFY(QFile::copy(prepare.filePath(nom), dossier_.filePath(nom)));
    QFile fichierPort(prepare.filePath(QStringLiteral("port")));
    QVERIFY(fichierPort.open(QIODevice::ReadOnly));
    port_ = QString::fromLatin1(fichierPort.readAll()).trimmed();
    // Where the fixture takes its lock on that server's databases.
    QVERIFY(QDir(dossier_.path()).mkpath(QStringLiteral("serveur")));
#else
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
#endif
}

void TestTls::cleanupTestCase() {
    if (demarre_)
        Lancer(QStringLiteral(SOLVANE_SOURCE_DIR "/scripts/db-server"), {QStringLiteral("stop")}, Serveur());
}

void TestTls::connexion_data() {
    QTest::addColumn<bool>("offert"); // the server of this test (TLS); otherwise the tests' server (none)
    QTest::addColumn<QString>("hote");
    QTest::addColumn<bool>("exiger");
    QTest::addColumn<Autorite>("autorite");
    QTest::addColumn<QString>("refus"); // empty: the connection opens; otherwise a word of the reason

    const QString ip = QStringLiteral("127.0.0.1");
    // The tests' environment points the client library's default socket at nothing: "localhost" reaches a
    // server only over TCP, on the configured port.
    const QString local = QStringLiteral("localhost");
    QTest::newRow("offered, nothing asked") << true << ip << false << Autorite::Aucune << QString();
    QTest::newRow("not offered, nothing asked") << false << ip << false << Autorite::Aucune << QString();
    QTest::newRow("localhost, on the configured port")
        << true << local << false << Autorite::Aucune << QString();
    QTest::newRow("offered, required") << true << ip << true << Autorite::Aucune << QString();
    QTest::newRow("not offered, required")
        << false << ip << true << Autorite::Aucune << QStringLiteral("TLS");
    QTest::newRow("offered, its authority") << true << ip << true << Autorite::Bonne << QString();
    QTest::newRow("offered, another authority")
        << true << ip << true << Autorite::Autre << QStringLiteral("certificate");
    // The certificate, signed by the right authority, names 127.0.0.1, not the host configured.
    QTest::newRow("offered, its authority, another host name")
        << true << local << true << Autorite::Bonne << QStringLiteral("certificate");
    QTest::newRow("not offered, an authority")
        << false << ip << true << Autorite::Bonne << QStringLiteral("TLS");
    QTest::newRow("authority file missing")
        << true << ip << true << Autorite::Absente << QStringLiteral("introuvable");
    QTest::newRow("authority named relatively")
        << true << ip << true << Autorite::Relative << QStringLiteral("tel quel");
    QTest::newRow("authority name without an exact form in bytes")
        << true << ip << true << Autorite::SansFormeExacte << QStringLiteral("tel quel");
    // The file checked is the file loaded, spaces and all.
    QTest::newRow("authority under two spaces") << true << ip << true << Autorite::DeuxEspaces << QString();
    QTest::newRow("another authority under two spaces")
        << true << ip << true << Autorite::DeuxEspacesAutre << QStringLiteral("certificate");
}

void TestTls::connexion() {
    QFETCH(bool, offert);
    QFETCH(QString, hote);
    QFETCH(bool, exiger);
    QFETCH(Autorite, autorite);
    QFETCH(QString, refus);

    // Two directories whose names differ by a space, each with one of the authorities under the same name.
    const QString deux = dossier_.filePath(QStringLiteral("a  b/ca.pem"));
    const QString un = dossier_.filePath(QStringLiteral("a b/ca.pem"));
    const bool bonneSousDeux = autorite == Autorite::DeuxEspaces;
    if (bonneSousDeux || autorite == Autorite::DeuxEspacesAutre) {
        QVERIFY(QDir().mkpath(QFileInfo(deux).path()) && QDir().mkpath(QFileInfo(un).path()));
        QFile::remove(deux);
        QFile::remove(un);
        const QString bonne = dossier_.filePath(QStringLiteral("autorite.pem"));
        const QString autre = dossier_.filePath(QStringLiteral("autre.pem"));
        QVERIFY(QFile::copy(bonneSousDeux ? bonne : autre, deux));
        QVERIFY(QFile::copy(bonneSousDeux ? autre : bonne, un));
    }

    TSQLConnection c(QStringLiteral("Essai"), QStringLiteral("ESSAI_TLS"), nullptr);
    c.Params = {QStringLiteral("HostName=") + hote, QStringLiteral("Database="),
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
    case Autorite::Relative:
        c.Securite.AutoriteCertification = QStringLiteral("autorite.pem");
        break;
    case Autorite::SansFormeExacte:
        c.Securite.AutoriteCertification = dossier_.filePath(QStringLiteral("autorite.pem")) + QChar(0xD800);
        break;
    case Autorite::DeuxEspaces:
    case Autorite::DeuxEspacesAutre:
        c.Securite.AutoriteCertification = deux;
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

// An attacker between the workstation and the server changes the server's greeting: removes the offer of
// TLS, removes the list of sign-in methods (without which the client library starts its own method at once,
// login included), answers the login by asking for the password itself (mysql_clear_password), or offers
// TLS of its own with a certificate it made. With encryption required, or an authority configured, the
// program leaves before the login is sent wherever TLS is not in place, so the relay never sees it; with
// nothing asked it connects in clear as before, and the relay sees the login (which shows the relay would
// have seen it). In every mode the password itself never leaves: the program refuses to send it.
void TestTls::relais_data() {
    QTest::addColumn<bool>("retirerTls");
    QTest::addColumn<bool>("retirerMethodes");
    QTest::addColumn<bool>("demanderMotDePasse");
    QTest::addColumn<bool>("tlsPropre");
    QTest::addColumn<bool>("exiger");
    QTest::addColumn<bool>("autorite");
    // The reason given; empty when the connection opens, "*" for the client library's own words.
    QTest::addColumn<QString>("erreur");
    QTest::addColumn<bool>("loginVu"); // the relay saw the login (in clear, or decrypted by its own TLS)

    const QString ouverte;
    const QString bibliotheque = QStringLiteral("*");
    QTest::newRow("TLS removed, nothing asked")
        << true << false << false << false << false << false << ouverte << true;
    QTest::newRow("TLS removed, required")
        << true << false << false << false << true << false << MessageTlsExige << false;
    QTest::newRow("TLS removed, authority")
        << true << false << false << false << true << true << MessageTlsExige << false;
    QTest::newRow("TLS kept, required")
        << false << false << false << false << true << false << ouverte << false;
    QTest::newRow("TLS kept, authority")
        << false << false << false << false << true << true << ouverte << false;
    QTest::newRow("TLS and sign-in methods removed, required")
        << true << true << false << false << true << false << MessageTlsExige << false;
    QTest::newRow("TLS and sign-in methods removed, authority")
        << true << true << false << false << true << true << MessageTlsExige << false;
    QTest::newRow("sign-in methods removed, TLS kept, required")
        << false << true << false << false << true << false << MessageTlsInverifiable << false;
    QTest::newRow("TLS removed, password asked for, nothing asked")
        << true << false << true << false << false << false << MessageMethodeRefusee << true;
    QTest::newRow("TLS and sign-in methods removed, password asked for, nothing asked")
        << true << true << true << false << false << false << MessageMethodeRefusee << true;
    QTest::newRow("TLS and sign-in methods removed, password asked for, required")
        << true << true << true << false << true << false << MessageTlsExige << false;
    QTest::newRow("its own TLS, password asked for, nothing asked")
        << false << false << true << true << false << false << MessageMethodeRefusee << true;
    QTest::newRow("its own TLS, password asked for, required")
        << false << false << true << true << true << false << MessageMethodeRefusee << true;
    QTest::newRow("its own TLS, password asked for, authority")
        << false << false << true << true << true << true << bibliotheque << false;
}

void TestTls::relais() {
    QFETCH(bool, retirerTls);
    QFETCH(bool, retirerMethodes);
    QFETCH(bool, demanderMotDePasse);
    QFETCH(bool, tlsPropre);
    QFETCH(bool, exiger);
    QFETCH(bool, autorite);
    QFETCH(QString, erreur);
    QFETCH(bool, loginVu);

    RelaisTcp relais(port_.toInt());
    QVERIFY(!relais.Port().isEmpty());
    relais.RetirerTls = retirerTls;
    relais.RetirerPluginAuth = retirerMethodes;
    relais.DemanderMotDePasse = demanderMotDePasse;
    if (tlsPropre)
        relais.TlsPropre(dossier_.filePath(QStringLiteral("autre.pem")),
                         dossier_.filePath(QStringLiteral("autre-cle.pem")));
    // Where the relay stands for the server, an account of its own, whose password differs from its name.
    const QString utilisateur =
        demanderMotDePasse ? QStringLiteral("eleve_relais") : ServeurDeTest::Utilisateur();
    const QString motDePasse =
        demanderMotDePasse ? QStringLiteral("Mot-de-passe-secret-42") : ServeurDeTest::MotDePasse();
    TSQLConnection c(QStringLiteral("Essai"), QStringLiteral("ESSAI_RELAIS"), nullptr);
    c.Params = {QStringLiteral("HostName=127.0.0.1"), QStringLiteral("Database="),
                QStringLiteral("User_Name=") + utilisateur, QStringLiteral("Port=") + relais.Port(),
                QStringLiteral("Password=") + motDePasse};
    c.Securite.Exiger = exiger;
    if (autorite)
        c.Securite.AutoriteCertification = dossier_.filePath(QStringLiteral("autorite.pem"));

    QString obtenue;
    try {
        c.Open();
    } catch (const EKorven& e) {
        obtenue = e.Message();
    }
    QCOMPARE(relais.Connexions(), 1);
    const QByteArray vus = relais.EnvoisClient();
    QCOMPARE(vus.contains(utilisateur.toUtf8()), loginVu);
    if (demanderMotDePasse)
        QVERIFY2(!vus.contains(motDePasse.toUtf8()), "the relay received the password");
    if (erreur == QLatin1String("*")) {
        QVERIFY(!obtenue.isEmpty());
        QVERIFY(!c.Connected());
        return;
    }
    if (!erreur.isEmpty()) {
        QCOMPARE(obtenue, erreur);
        QVERIFY(!c.Connected());
        return;
    }
    QVERIFY2(obtenue.isEmpty(), qPrintable(obtenue));
    QSqlQuery q(c.Base());
    QVERIFY2(q.exec(QStringLiteral("SHOW SESSION STATUS LIKE 'Ssl_cipher'")) && q.next(),
             qPrintable(q.lastError().text()));
    QCOMPARE(q.value(1).toString().isEmpty(), loginVu);
}

// The whole start-up, with the configuration file naming the authority: both connections of the data module
// are encrypted, the year connection (where the sign-in statement carries the typed password) included.
void TestTls::demarrageChiffre() {
    const QByteArray portDesTests = qgetenv("SOLVANE_DB_PORT");
    const QByteArray dossierDesTests = qgetenv("SOLVANE_DB_DIR");
    qputenv("SOLVANE_DB_PORT", port_.toUtf8());
    qputenv("SOLVANE_DB_DIR", dossier_.filePath(QStringLiteral("serveur")).toUtf8());
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
    for (const auto& [nom, valeur] :
         {std::pair{"SOLVANE_DB_PORT", portDesTests}, std::pair{"SOLVANE_DB_DIR", dossierDesTests}}) {
        if (valeur.isNull())
            qunsetenv(nom);
        else
            qputenv(nom, valeur);
    }
}

QTEST_GUILESS_MAIN(TestTls)
#include "test_tls.moc"
