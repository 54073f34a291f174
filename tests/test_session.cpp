// The start-up check and the sign-in without a window, against the real server: accounts whose logins hold
// quotes, backslashes and SQL, and the encryption keys of the configuration file reaching both connections.
#include "base/KORVENTypesU.h"
#include "base/KorvenUtils.h"
#include "core/data/OBDataModuleU.h"
#include "core/session/Demarrage.h"
#include "core/session/Identification.h"
#include "support/EnvironnementModele.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestSession : public QObject, public EnvironnementModele {
    Q_OBJECT

private slots:
    void init() { Ouvrir(); }
    void cleanup() { Fermer(); }
    void comptesAuxLoginsHostiles_data();
    void comptesAuxLoginsHostiles();
    void chiffrementConfigure_data();
    void chiffrementConfigure();
};

namespace {
const QString Annee = QStringLiteral("bd_2025_2026");
}

// Every login below is a real account (with its own password, half of them with the right): each finds
// itself and nothing else, with its password only, whatever the login says in SQL.
void TestSession::comptesAuxLoginsHostiles_data() {
    QTest::addColumn<QString>("login");
    QTest::addColumn<bool>("droit");
    QTest::newRow("apostrophe") << QStringLiteral("O'Neil") << true;
    QTest::newRow("always true") << QStringLiteral("x' OR '1'='1") << false;
    QTest::newRow("comment") << QStringLiteral("admin' -- ") << false;
    QTest::newRow("hash comment") << QStringLiteral("admin'#") << true;
    QTest::newRow("backslash quote") << QStringLiteral("\\' OR 1=1 #") << false;
    QTest::newRow("trailing backslash") << QStringLiteral("admin\\") << true;
    QTest::newRow("parameter name") << QStringLiteral(":pas") << false;
    QTest::newRow("wildcards") << QStringLiteral("a%_") << true;
    QTest::newRow("union") << QStringLiteral("x' UNION SELECT 'a','admin','1") << false;
    QTest::newRow("accents") << QStringLiteral("Éloïse N'Guessan") << true;
}

void TestSession::comptesAuxLoginsHostiles() {
    QFETCH(QString, login);
    QFETCH(bool, droit);

    // admin, with the right, is the account the hostile logins aim at.
    base_->Executer(QStringLiteral("INSERT INTO utilisateur (login, pass, etat, nom) VALUES "
                                   "('admin', sha1('admin-secret'), '1', 'Administrateur')"),
                    Annee);
    base_->Executer(
        QStringLiteral("INSERT INTO droits (utilisateur, droit) VALUES ('admin', 'ACTIVER_ANNEE_SCOLAIRE')"),
        Annee);
    base_->Executer(
        QStringLiteral("INSERT INTO utilisateur (login, pass, etat, nom) VALUES (%1, sha1(%2), '1', "
                       "'Hostile')")
            .arg(ChaineSQL(login), ChaineSQL(login + QStringLiteral("-mdp"))),
        Annee);
    if (droit)
        base_->Executer(QStringLiteral("INSERT INTO droits (utilisateur, droit) VALUES (%1, "
                                       "'ACTIVER_ANNEE_SCOLAIRE')")
                            .arg(ChaineSQL(login)),
                        Annee);

    const TCompte trouve = ChercherCompte(login, login + QStringLiteral("-mdp"));
    QVERIFY(trouve.Trouve);
    QCOMPARE(trouve.Nom, QStringLiteral("Hostile"));
    QCOMPARE(trouve.Etat, QStringLiteral("1"));
    QVERIFY(!ChercherCompte(login, QStringLiteral("admin-secret")).Trouve);
    QVERIFY(!ChercherCompte(login, QString()).Trouve);
    QCOMPARE(PossedeDroitActivation(login), droit);
    // Every read went through the shared read chain of the year connection.
    QCOMPARE(fournisseurs_, QStringList(fournisseurs_.size(), QStringLiteral("DataSetProviderDonnees1")));
}

// The optional keys tls and tls_ca set the encryption of both connections; a value the check cannot use
// ends the start-up with the connection message and the reason. (The tests' server offers no TLS.)
void TestSession::chiffrementConfigure_data() {
    QTest::addColumn<QString>("tls");
    QTest::addColumn<QString>("autorite");
    QTest::addColumn<bool>("exiger");
    QTest::addColumn<QString>("raison"); // empty: the start-up succeeds
    QTest::newRow("absent") << QString() << QString() << false << QString();
    QTest::newRow("prefer") << QStringLiteral("prefer") << QString() << false << QString();
    QTest::newRow("require, server without TLS")
        << QStringLiteral("require") << QString() << true << QStringLiteral("TLS");
    QTest::newRow("CA, server without TLS")
        << QString() << QStringLiteral("*") << true << QStringLiteral("TLS");
    QTest::newRow("CA file missing") << QString() << QStringLiteral("/nonexistent/ca.pem") << true
                                     << QStringLiteral("introuvable");
    QTest::newRow("unknown tls value")
        << QStringLiteral("toujours") << QString() << false << QStringLiteral("« toujours »");
}

void TestSession::chiffrementConfigure() {
    QFETCH(QString, tls);
    QFETCH(QString, autorite);
    QFETCH(bool, exiger);
    QFETCH(QString, raison);

    base_->Executer(
        QStringLiteral("INSERT INTO korven.annee_scolaire (code, active) VALUES ('2025/2026', '1')"));
    QTemporaryDir dossier;
    BaseDeTest::EcrireConfigurationValide(dossier.path());
    if (autorite == QLatin1String("*")) { // a readable file: any PEM will do, the server offers no TLS
        autorite = dossier.filePath(QStringLiteral("ca.pem"));
        QFile f(autorite);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("-----BEGIN CERTIFICATE-----\n-----END CERTIFICATE-----\n");
    }
    if (!tls.isNull())
        BaseDeTest::AjouterCleConfiguration(dossier.path(), QStringLiteral("tls"), tls);
    if (!autorite.isNull())
        BaseDeTest::AjouterCleConfiguration(dossier.path(), QStringLiteral("TLS_CA"), autorite);
    module_->OBSQLConnection->Params.clear();
    module_->OBOrbelanSQLConnection->Params.clear();

    const TDemarrage d =
        VerifierDemarrage(*module_, QDir(dossier.path()).filePath(QStringLiteral("config_korven.ini")));
    if (raison.isEmpty()) {
        QCOMPARE(d.Issue, TIssueDemarrage::Reussi);
        QCOMPARE(d.AnneeCourante, QStringLiteral("2025/2026"));
    } else {
        QCOMPARE(d.Issue, TIssueDemarrage::Fatal);
        QVERIFY2(d.Message.startsWith(MessageConnexionImpossible), qPrintable(d.Message));
        QVERIFY2(d.Message.mid(MessageConnexionImpossible.size()).contains(raison), qPrintable(d.Message));
        // The check stopped at the master connection.
        QVERIFY(d.AnneeCourante.isEmpty());
        QVERIFY(module_->OBSQLConnection->Params.isEmpty());
        QVERIFY(!module_->OBOrbelanSQLConnection->Connected());
    }
    if (raison.startsWith(QStringLiteral("«")))
        return;
    for (TSQLConnection* c : {module_->OBOrbelanSQLConnection, module_->OBSQLConnection}) {
        QCOMPARE(c->Securite.Exiger, exiger);
        QCOMPARE(c->Securite.AutoriteCertification, autorite);
    }
}

QTEST_MAIN(TestSession)
#include "test_session.moc"
