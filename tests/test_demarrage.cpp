// The start-up check against the real server: every fatal condition with its exact message and the end in
// failure, and the values a good start leaves in the wizard.
#include "base/KORVENFonctionsU.h"
#include "core/data/ConnexionSQL.h"
#include "core/data/OBDataModuleU.h"
#include "core/platform/FinApplication.h"
#include "core/session/Demarrage.h"
#include "gui/Fenetres.h"
#include "gui/login/Upassword.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"
#include "support/BaseDeTest.h"
#include "support/LectureInterdite.h"
#include "support/PlateformeScriptee.h"
#include "support/RelaisTcp.h"
#include "support/VerrouExterne.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString MessageConnexion =
    QStringLiteral("Impossible de se connecter au serveur de base de données.\r\n"
                   "Paramètres de connexion incorrectes.\r\n\r\n");

enum class Fichier {
    Absent,
    SansSection,
    MauvaisMotDePasse,
    ServeurArrete,
    Valide,
    Illisible,      // there, but the account that runs the program may not read it
    Tube,           // a named pipe in its place
    ServeurOptions, // a server value the client library would read as connection options
    PortAuDela,     // the port plus 65536, which the library used to read modulo 65536
    PortVide,
    ServeurMuet, // a server that signs in, answers its first statement, then nothing
};

} // namespace

Q_DECLARE_METATYPE(Fichier)

class TestDemarrage : public QObject {
    Q_OBJECT

private slots:
    void verification_data();
    void verification();
    void minuterieUnique();
    void anneesVerrouillees();
    void configurationModifiable_data();
    void configurationModifiable();
    void serveurMuetQuitter();
};

void TestDemarrage::verification_data() {
    QTest::addColumn<Fichier>("fichier");
    QTest::addColumn<QStringList>("preparation");
    // The one message expected; with a trailing "*" only its beginning is compared, and the rest (the
    // server's own text) must contain the word given after the "*".
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("fin");
    QTest::addColumn<QString>("anneeCourante");

    const QString uneAnnee = QStringLiteral(
        "INSERT INTO korven.annee_scolaire (code, active, nom_etablissement) VALUES "
        "('2024/2025', '0', 'Ancien nom'), ('2025/2026', '1', 'Collège Sainte-Thérèse d''Ébolowa')");

    QTest::newRow("fichier absent") << Fichier::Absent << QStringList{uneAnnee}
                                    << QStringLiteral("Le fichier de configuration est introuvable.") << true
                                    << QString();
    QTest::newRow("pas de section database") << Fichier::SansSection << QStringList{uneAnnee}
                                             << MessageConnexion + QStringLiteral("*") << true << QString();
    QTest::newRow("mauvais mot de passe")
        << Fichier::MauvaisMotDePasse << QStringList{uneAnnee}
        << MessageConnexion + QStringLiteral("*Access denied") << true << QString();
    QTest::newRow("serveur arrêté") << Fichier::ServeurArrete << QStringList{uneAnnee}
                                    << MessageConnexion + QStringLiteral("*connect") << true << QString();
    QTest::newRow("aucune année active")
        << Fichier::Valide
        << QStringList{QStringLiteral("INSERT INTO korven.annee_scolaire (code, active) VALUES "
                                      "('2024/2025', '0'), ('2025/2026', '0')")}
        << QStringLiteral("Aucune année n'est active, l'application va se terminer") << true << QString();
    QTest::newRow("deux années actives")
        << Fichier::Valide
        << QStringList{QStringLiteral("INSERT INTO korven.annee_scolaire (code, active) VALUES "
                                      "('2024/2025', '1'), ('2025/2026', '1')")}
        << QStringLiteral("Il y a plus d'une année, l'application va se terminer.") << true << QString();
    QTest::newRow("base de l'année absente")
        << Fichier::Valide
        << QStringList{QStringLiteral(
               "INSERT INTO korven.annee_scolaire (code, active) VALUES ('2030/2031', '1')")}
        << MessageConnexion + QStringLiteral("*bd_2030_2031") << true << QStringLiteral("2030/2031");
    // A statement on the master table that fails is as fatal as the rest: without the active year every
    // sign-in would fail.
    QTest::newRow("table des années absente")
        << Fichier::Valide << QStringList{QStringLiteral("DROP TABLE korven.annee_scolaire")}
        << QStringLiteral("Une erreur est survenue : \r\n*annee_scolaire") << true << QString();
    QTest::newRow("serveur muet") << Fichier::ServeurMuet << QStringList{uneAnnee}
                                  << QStringLiteral("Une erreur est survenue : \r\n*pas répondu") << true
                                  << QString();
    QTest::newRow("démarrage réussi")
        << Fichier::Valide << QStringList{uneAnnee} << QString() << false << QStringLiteral("2025/2026");
    // Said for what it is, not as a connection that cannot reach a socket.
    QTest::newRow("fichier illisible")
        << Fichier::Illisible << QStringList{uneAnnee}
        << QStringLiteral("Le fichier de configuration « *existe mais ne peut pas être lu") << true
        << QString();
    QTest::newRow("tube nommé") << Fichier::Tube << QStringList{uneAnnee}
                                << QStringLiteral("Le fichier de configuration « *pas un fichier ordinaire")
                                << true << QString();
    QTest::newRow("serveur porteur d'options")
        << Fichier::ServeurOptions << QStringList{uneAnnee}
        << MessageConnexion + QStringLiteral("*init-command") << true << QString();
    QTest::newRow("port au-delà de 65535")
        << Fichier::PortAuDela << QStringList{uneAnnee}
        << MessageConnexion + QStringLiteral("*") + QString::number(ServeurDeTest::Port().toInt() + 65536)
        << true << QString();
    QTest::newRow("port vide") << Fichier::PortVide << QStringList{uneAnnee}
                               << MessageConnexion + QStringLiteral("*port") << true << QString();
}

void TestDemarrage::verification() {
    QFETCH(Fichier, fichier);
    QFETCH(QStringList, preparation);
    QFETCH(QString, message);
    QFETCH(bool, fin);
    QFETCH(QString, anneeCourante);

    BaseDeTest base;
    for (const QString& sql : preparation)
        base.Executer(sql);

    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    qputenv("KORVEN_SYSTEM_DIR", dossier.path().toUtf8());
    // Between the program and the server: lets each session's first statement through (the one that sets
    // its lock wait), not the reading of the master table.
    RelaisTcp relais(ServeurDeTest::Port().toInt());
    relais.CommandesTransmises = 1;
    const int delaiReponse = TSQLConnection::DelaiReponse;
    TSQLConnection::DelaiReponse = 2;
    const auto remettre = qScopeGuard([delaiReponse] { TSQLConnection::DelaiReponse = delaiReponse; });
    const QString hote = ServeurDeTest::Hote(), port = ServeurDeTest::Port();
    const QString utilisateur = ServeurDeTest::Utilisateur(), mdp = ServeurDeTest::MotDePasse();
    switch (fichier) {
    case Fichier::Absent:
        break;
    case Fichier::SansSection: {
        QFile f(dossier.filePath(QStringLiteral("config_korven.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[autre]\r\nname=a29ydmVu\r\n");
        break;
    }
    case Fichier::MauvaisMotDePasse:
        BaseDeTest::EcrireConfiguration(dossier.path(), QStringLiteral("korven"), hote, port, utilisateur,
                                        QStringLiteral("pas le bon"));
        break;
    case Fichier::ServeurArrete:
        // Nothing listens on port 1.
        BaseDeTest::EcrireConfiguration(dossier.path(), QStringLiteral("korven"), hote, QStringLiteral("1"),
                                        utilisateur, mdp);
        break;
    case Fichier::Valide:
    case Fichier::Illisible:
        BaseDeTest::EcrireConfigurationValide(dossier.path());
        break;
    case Fichier::Tube:
        QVERIFY(::mkfifo(QFile::encodeName(dossier.filePath(QStringLiteral("config_korven.ini"))).constData(),
                         0600) == 0);
        break;
    case Fichier::ServeurOptions:
        BaseDeTest::EcrireConfiguration(
            dossier.path(), QStringLiteral("korven"),
            QStringLiteral("host=%1;port=%2;init-command=CREATE DATABASE bd_injection").arg(hote, port), port,
            utilisateur, mdp);
        break;
    case Fichier::PortAuDela:
        BaseDeTest::EcrireConfiguration(dossier.path(), QStringLiteral("korven"), hote,
                                        QString::number(port.toInt() + 65536), utilisateur, mdp);
        break;
    case Fichier::PortVide:
        BaseDeTest::EcrireConfiguration(dossier.path(), QStringLiteral("korven"), hote, QString(),
                                        utilisateur, mdp);
        break;
    case Fichier::ServeurMuet:
        BaseDeTest::EcrireConfiguration(dossier.path(), QStringLiteral("korven"), hote, relais.Port(),
                                        utilisateur, mdp);
        break;
    }

    PlateformeScriptee plateforme;
    auto fenetres = std::make_unique<TFenetres>();
    TPassword* Password = &fenetres->Login();
    {
        std::optional<LectureInterdite> sansDroit;
        if (fichier == Fichier::Illisible)
            sansDroit.emplace(dossier.filePath(QStringLiteral("config_korven.ini")));
        Password->Timer1Timer();
        QVERIFY(QTest::qWaitFor([Password] { return !Password->VerificationEnCours(); }, 120000));
    }

    const QStringList messages = plateforme.Messages();
    if (message.isEmpty()) {
        QCOMPARE(messages, QStringList());
    } else {
        QCOMPARE(messages.size(), 1);
        const qsizetype etoile = message.indexOf(QLatin1Char('*'));
        if (etoile < 0) {
            QCOMPARE(messages.first(), message);
        } else {
            QVERIFY2(messages.first().startsWith(message.left(etoile)), qPrintable(messages.first()));
            const QString reste = messages.first().mid(etoile);
            QVERIFY2(!reste.trimmed().isEmpty(), "the server's own text is missing");
            QVERIFY2(reste.contains(message.mid(etoile + 1), Qt::CaseInsensitive), qPrintable(reste));
        }
    }
    QCOMPARE(plateforme.Terminee, fin);
    // A fatal end is a failure for whoever started the program.
    QCOMPARE(plateforme.CodeSortie, fin ? CodeEchec : -1);
    QCOMPARE(Password->Demarrage().AnneeCourante, anneeCourante);
    QVERIFY(base.Lignes(QStringLiteral("SHOW DATABASES LIKE 'bd\\_injection'")).isEmpty());

    if (fichier == Fichier::Absent) {
        // No connection was attempted.
        QVERIFY(OBDataModule->OBOrbelanSQLConnection->Params.isEmpty());
    }
    if (fichier == Fichier::ServeurMuet ||
        QTest::currentDataTag() == QLatin1String("table des années absente")) {
        // The check stopped at the master table: the year connection was never configured.
        QVERIFY(OBDataModule->OBSQLConnection->Params.isEmpty());
    }
    if (anneeCourante == QLatin1String("2025/2026")) {
        const TDemarrage* a = &Password->Demarrage();
        QCOMPARE(a->BDKorven, QStringLiteral("korven"));
        QCOMPARE(a->ServeurKorven, hote);
        QCOMPARE(a->PortKorven, port);
        QCOMPARE(a->UtilisateurKorven, utilisateur);
        QCOMPARE(a->MotDePasseKorven, mdp);
        QCOMPARE(a->Serveur, hote);
        QCOMPARE(a->Port, port);
        QCOMPARE(a->Utilisateur, utilisateur);
        QCOMPARE(a->MotDePasse, mdp);
        QCOMPARE(a->BaseDeDonnees, QStringLiteral("bd_2025_2026"));
        QCOMPARE(a->NomEtablissement, QStringLiteral("Collège Sainte-Thérèse d'Ébolowa"));
        QCOMPARE(OBDataModule->OBSQLConnection->Params,
                 QStringList({QStringLiteral("HostName=") + hote, QStringLiteral("Database=bd_2025_2026"),
                              QStringLiteral("User_Name=") + utilisateur, QStringLiteral("Port=") + port,
                              QStringLiteral("Password=") + mdp}));
        QCOMPARE(OBDataModule->OBOrbelanSQLConnection->Params.at(1), QStringLiteral("Database=korven"));
        // The year connection was tested and closed again; the first statement opens it.
        QVERIFY(!OBDataModule->OBSQLConnection->Connected());
    }
    fenetres.reset();
}

// The check runs once, from the window's own 10 ms timer, when the event loop runs.
void TestDemarrage::minuterieUnique() {
    BaseDeTest base;
    base.Executer(
        QStringLiteral("INSERT INTO korven.annee_scolaire (code, active) VALUES ('2025/2026', '0')"));
    QTemporaryDir dossier;
    qputenv("KORVEN_SYSTEM_DIR", dossier.path().toUtf8());
    BaseDeTest::EcrireConfigurationValide(dossier.path());

    PlateformeScriptee plateforme;
    auto fenetres = std::make_unique<TFenetres>();
    TPassword* Password = &fenetres->Login();
    QVERIFY(Password->Timer1->isActive());
    QCOMPARE(Password->Timer1->interval(), 10);
    QTRY_COMPARE(plateforme.Messages().size(), 1);
    QTest::qWait(100);
    QCOMPARE(plateforme.Messages(),
             QStringList{QStringLiteral("Aucune année n'est active, l'application va se terminer")});
    QVERIFY(!Password->Timer1->isActive());
    // Only the login window is shown.
    QVERIFY(fenetres->Assistant() == nullptr);
    fenetres.reset();
}

// The table of years locked by another session (a maintenance that locks the tables): the check fails with
// the server's lock-timeout text in the usual box once the bound has passed, instead of freezing the window
// for as long as the lock lasts; then the program ends in failure, as after any other error of that phase.
void TestDemarrage::anneesVerrouillees() {
    BaseDeTest base;
    base.Executer(
        QStringLiteral("INSERT INTO korven.annee_scolaire (code, active) VALUES ('2025/2026', '1')"));
    QTemporaryDir dossier;
    qputenv("KORVEN_SYSTEM_DIR", dossier.path().toUtf8());
    BaseDeTest::EcrireConfigurationValide(dossier.path());

    PlateformeScriptee plateforme;
    auto fenetres = std::make_unique<TFenetres>();
    TPassword* Password = &fenetres->Login();
    const int avant = TSQLConnection::AttenteVerrous;
    TSQLConnection::AttenteVerrous = 1;
    {
        VerrouExterne autreSession(QStringLiteral("LOCK TABLES korven.annee_scolaire WRITE"));
        QVERIFY2(autreSession.Tenu(), qPrintable(autreSession.Erreurs()));
        Password->Timer1Timer();
        QVERIFY(QTest::qWaitFor([Password] { return !Password->VerificationEnCours(); }, 120000));
    }
    TSQLConnection::AttenteVerrous = avant;
    QCOMPARE(plateforme.Messages().size(), 1);
    QVERIFY2(plateforme.Messages().first().startsWith(QStringLiteral("Une erreur est survenue : \r\n")),
             qPrintable(plateforme.Messages().first()));
    QVERIFY2(plateforme.Messages().first().contains(QStringLiteral("Lock wait timeout")),
             qPrintable(plateforme.Messages().first()));
    QVERIFY(plateforme.Terminee);
    QCOMPARE(plateforme.CodeSortie, CodeEchec);
    QVERIFY(Password->Demarrage().AnneeCourante.isEmpty());
    fenetres.reset();
}

// A configuration that someone other than root and its owner may change, or put in the place of another, is
// not read: it could point the program at a server of theirs, which would receive the typed password. Each
// case changes one thing of a file that is read otherwise: the file's mode, its directory's, a symbolic link
// to it from a directory anyone may write into; the sticky bit (no one may replace another's entries) and a
// group that may only read are accepted.
void TestDemarrage::configurationModifiable_data() {
    QTest::addColumn<uint>("droitsFichier");
    QTest::addColumn<uint>("droitsDossier");
    QTest::addColumn<bool>("parUnLien"); // read through a link that lies in a directory anyone may write into
    QTest::addColumn<QString>("coupable"); // the path the message names; empty: the file is read

    QTest::newRow("owner only") << 0600u << 0700u << false << QString();
    QTest::newRow("its group may read") << 0640u << 0750u << false << QString();
    QTest::newRow("anyone may write the file")
        << 0666u << 0755u << false << QStringLiteral("korven/config_korven.ini");
    QTest::newRow("its group may write the file")
        << 0620u << 0755u << false << QStringLiteral("korven/config_korven.ini");
    QTest::newRow("anyone may write the directory") << 0600u << 0777u << false << QStringLiteral("korven");
    QTest::newRow("its group may write the directory") << 0600u << 0770u << false << QStringLiteral("korven");
    QTest::newRow("shared directory with the sticky bit") << 0600u << 01777u << false << QString();
    QTest::newRow("a link in a directory anyone may write")
        << 0600u << 0700u << true << QStringLiteral("partage");
}

void TestDemarrage::configurationModifiable() {
    QFETCH(uint, droitsFichier);
    QFETCH(uint, droitsDossier);
    QFETCH(bool, parUnLien);
    QFETCH(QString, coupable);

    BaseDeTest base;
    base.Executer(
        QStringLiteral("INSERT INTO korven.annee_scolaire (code, active) VALUES ('2025/2026', '1')"));
    QTemporaryDir racine;
    QVERIFY(racine.isValid());
    const QDir dossier(racine.path());
    const QString korven = dossier.filePath(QStringLiteral("korven"));
    BaseDeTest::EcrireConfigurationValide(korven);
    QString chemin = QDir(korven).filePath(QStringLiteral("config_korven.ini"));
    QCOMPARE(::chmod(QFile::encodeName(chemin).constData(), droitsFichier), 0);
    QCOMPARE(::chmod(QFile::encodeName(korven).constData(), droitsDossier), 0);
    if (parUnLien) {
        const QString partage = dossier.filePath(QStringLiteral("partage"));
        QVERIFY(dossier.mkdir(QStringLiteral("partage")));
        QCOMPARE(::chmod(QFile::encodeName(partage).constData(), 0777), 0);
        const QString lien = QDir(partage).filePath(QStringLiteral("config_korven.ini"));
        QVERIFY(QFile::link(chemin, lien));
        chemin = lien;
    }

    TOBDataModule module;
    const TDemarrage d = VerifierDemarrage(module, chemin);
    if (coupable.isEmpty()) {
        QVERIFY2(d.Issue == TIssueDemarrage::Reussi, qPrintable(d.Message));
        return;
    }
    QVERIFY(d.Issue == TIssueDemarrage::Fatal);
    QVERIFY2(d.Message.startsWith(
                 QStringLiteral("Le fichier de configuration « %1 » pourrait être remplacé").arg(chemin)),
             qPrintable(d.Message));
    QVERIFY2(d.Message.contains(QStringLiteral("« %1 »").arg(dossier.filePath(coupable))),
             qPrintable(d.Message));
    // Nothing was sent to the server.
    QVERIFY(module.OBOrbelanSQLConnection->Params.isEmpty());
}

// The server accepts the sign-in, then never answers the reading of the master table: the login window is
// shown, says what it waits for, keeps its fields closed, and "&Quitter" ends the program at once, without
// waiting for the check (it used to stay unpainted until the server's answer bound had passed).
void TestDemarrage::serveurMuetQuitter() {
    BaseDeTest base;
    base.Executer(
        QStringLiteral("INSERT INTO korven.annee_scolaire (code, active) VALUES ('2025/2026', '1')"));
    QTemporaryDir dossier;
    qputenv("KORVEN_SYSTEM_DIR", dossier.path().toUtf8());
    std::optional<RelaisTcp> relais(std::in_place, ServeurDeTest::Port().toInt());
    relais->CommandesTransmises = 1;
    BaseDeTest::EcrireConfiguration(dossier.path(), QStringLiteral("korven"), ServeurDeTest::Hote(),
                                    relais->Port(), ServeurDeTest::Utilisateur(),
                                    ServeurDeTest::MotDePasse());

    PlateformeScriptee plateforme;
    plateforme.Reponses = {true};
    auto fenetres = std::make_unique<TFenetres>();
    TPassword* Password = &fenetres->Login();
    Password->show();
    QVERIFY(QTest::qWaitForWindowExposed(Password));
    QTRY_VERIFY(Password->VerificationEnCours());
    QTest::qWait(300);
    // Still waiting, and the window answers.
    QVERIFY(Password->VerificationEnCours());
    QCOMPARE(TVerificationDemarrage::EnCours(), 1);
    QVERIFY(Password->LabelEtat->isVisible());
    QVERIFY(!Password->EditLogin->isEnabled());
    QVERIFY(!Password->BitBtn1->isEnabled());
    QVERIFY(Password->BitBtn3->isEnabled());
    QTest::mouseClick(Password->BitBtn3, Qt::LeftButton);
    QVERIFY(plateforme.Terminee);
    QCOMPARE(plateforme.CodeSortie, 0);
    QVERIFY(plateforme.Messages().first().startsWith(QStringLiteral("Êtes-vous sûr")));
    QCOMPARE(TVerificationDemarrage::EnCours(), 1);

    // The relay gone, the check ends (its connection cut) before the windows go.
    relais.reset();
    QTRY_COMPARE_WITH_TIMEOUT(TVerificationDemarrage::EnCours(), 0, 30000);
    fenetres.reset();
}

QTEST_MAIN(TestDemarrage)
#include "test_demarrage.moc"
