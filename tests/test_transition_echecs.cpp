// A transition that fails at any step leaves the master table and the new year's database exactly as they
// were, tells the user, and can be run again once the cause is gone.
#include "core/data/OBDataModuleU.h"
#include "core/data/RequeteSQL.h"
#include "support/EnvironnementTransition.h"
#include "support/RelaisTcp.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString Nouvelle = QStringLiteral("bd_2026_2027");
const QString Donnees = QStringLiteral(SOLVANE_TEST_DATA "/transition.sql");
const QString Erreur = QStringLiteral("Une erreur est survenue : \r\n");

enum class Panne {
    HorlogeIndisponible,         // step 7: the master connection's server clock cannot be read
    TableAncienneAbsente,        // step 12: the closing year lacks heures
    LigneRefusee,                // step 30, second batch: a placed student's matricule is already a person
    EleveSansFiche,              // step 30: a placed student has no record
    FraisAbsents,                // step 35: the closing year lacks frais
    ParametresAbsents,           // step 44, the last statement: the closing year lacks parametres
    ConnexionTuee,               // the connection is killed while the box of step 43 waits
    ConnexionTueeAvantValidation // killed while the last box before the commit waits
};

} // namespace

Q_DECLARE_METATYPE(Panne)
Q_DECLARE_METATYPE(RelaisTcp::TCoupure)

class TestTransitionEchecs : public QObject {
    Q_OBJECT

private slots:
    void pannes_data();
    void pannes();
    void interblocageReessaye();
    void deuxPostesEnMemeTemps();
    void tableDesAnneesVerrouillee();
    void validationSansReponse_data();
    void validationSansReponse();
};

void TestTransitionEchecs::pannes_data() {
    QTest::addColumn<Panne>("panne");
    QTest::addColumn<QString>("texte"); // found in the error box after "Une erreur est survenue : \r\n"
    QTest::addColumn<QString>("derniereBoite"); // the last information box before the error
    QTest::newRow("horloge du serveur indisponible")
        << Panne::HorlogeIndisponible << QString()
        << QStringLiteral("Connexion réussie à la base de donnée.");
    QTest::newRow("table absente de l'ancienne année")
        << Panne::TableAncienneAbsente << QStringLiteral("heures")
        << QStringLiteral("Transfert des droits des utilisateurs terminé.");
    QTest::newRow("ligne refusée dans le second lot d'élèves")
        << Panne::LigneRefusee << QStringLiteral("Duplicate")
        << QStringLiteral("Transfert des Matieres terminé");
    QTest::newRow("élève placé sans fiche") << Panne::EleveSansFiche << QStringLiteral("FANTOME")
                                            << QStringLiteral("Transfert des Matieres terminé");
    QTest::newRow("frais absents") << Panne::FraisAbsents << QStringLiteral("frais")
                                   << QStringLiteral("Transfert des Matières par classe terminé");
    QTest::newRow("paramètres absents, dernière instruction")
        << Panne::ParametresAbsents << QStringLiteral("parametres")
        << QStringLiteral("Transfert des Cotes terminé");
    QTest::newRow("connexion coupée")
        << Panne::ConnexionTuee << QString() << QStringLiteral("Transfert des Cotes terminé");
    QTest::newRow("connexion coupée avant la validation")
        << Panne::ConnexionTueeAvantValidation << QString() << QStringLiteral("Update Parameters");
}

void TestTransitionEchecs::pannes() {
    QFETCH(Panne, panne);
    QFETCH(QString, texte);
    QFETCH(QString, derniereBoite);

    EnvironnementTransition env(Donnees);
    BaseDeTest& b = env.Base;
    // 301 students: the failure inside the transfer comes after a first batch of 300 was sent.
    for (int i = 0; i < 300; ++i)
        env.AjouterEleve(QStringLiteral("E%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("Élève"),
                         QStringLiteral("N°%1").arg(i), QStringLiteral("6A"));
    env.AjouterEleve(QStringLiteral("P1"), QStringLiteral("Homonyme"), QStringLiteral("du professeur"),
                     QStringLiteral("6A"));
    if (panne != Panne::LigneRefusee)
        env.Placement.remove(QStringLiteral("P1"));

    QStringList sauvegarde; // what to put back once the cause is gone
    switch (panne) {
    case Panne::HorlogeIndisponible:
        sauvegarde = OBDataModule->OBOrbelanSQLConnection->Params;
        OBDataModule->OBOrbelanSQLConnection->Params = {
            QStringLiteral("HostName=127.0.0.1"), QStringLiteral("Port=1"), QStringLiteral("User_Name=x")};
        break;
    case Panne::TableAncienneAbsente:
        b.Executer(QStringLiteral("RENAME TABLE bd_2025_2026.heures TO bd_2025_2026.h"));
        break;
    case Panne::LigneRefusee:
        break;
    case Panne::EleveSansFiche:
        env.Placement.insert(QStringLiteral("FANTOME"), QStringLiteral("6A"));
        break;
    case Panne::FraisAbsents:
        b.Executer(QStringLiteral("RENAME TABLE bd_2025_2026.frais TO bd_2025_2026.f"));
        break;
    case Panne::ParametresAbsents:
        b.Executer(QStringLiteral("RENAME TABLE bd_2025_2026.parametres TO bd_2025_2026.p"));
        break;
    case Panne::ConnexionTuee:
    case Panne::ConnexionTueeAvantValidation: {
        const QString boite = panne == Panne::ConnexionTuee ? QStringLiteral("Transfert des Cotes terminé")
                                                            : QStringLiteral("Update Parameters");
        env.Plateforme.PendantMessage = [&b, boite](const QString& message) {
            if (message != boite)
                return;
            const QStringList ids =
                b.Lignes(QStringLiteral("SELECT ID FROM information_schema.PROCESSLIST "
                                        "WHERE DB = 'bd_2026_2027' AND ID <> CONNECTION_ID()"));
            for (const QString& id : ids)
                b.Executer(QStringLiteral("KILL CONNECTION %1").arg(id));
        };
        break;
    }
    }

    const QStringList avant = env.Empreinte();
    QVERIFY(!env.Executer());

    // Nothing half-written: the master table and the new database are exactly as before.
    QCOMPARE(env.Empreinte(), avant);
    QVERIFY(!OBDataModule->Tx());
    QVERIFY(!env.Plateforme.Terminee);
    const QStringList boites = env.Boites();
    QVERIFY2(boites.constLast().startsWith(Erreur), qPrintable(boites.constLast()));
    QVERIFY2(boites.constLast().size() > Erreur.size(), "the error's own text is missing");
    QVERIFY2(boites.constLast().contains(texte, Qt::CaseInsensitive), qPrintable(boites.constLast()));
    QCOMPARE(boites.at(boites.size() - 2), derniereBoite);

    // The cause gone, a second run does everything from the start and succeeds.
    switch (panne) {
    case Panne::HorlogeIndisponible:
        OBDataModule->OBOrbelanSQLConnection->Params = sauvegarde;
        break;
    case Panne::TableAncienneAbsente:
        b.Executer(QStringLiteral("RENAME TABLE bd_2025_2026.h TO bd_2025_2026.heures"));
        break;
    case Panne::LigneRefusee:
        env.Placement.remove(QStringLiteral("P1"));
        break;
    case Panne::EleveSansFiche:
        env.Placement.remove(QStringLiteral("FANTOME"));
        break;
    case Panne::FraisAbsents:
        b.Executer(QStringLiteral("RENAME TABLE bd_2025_2026.f TO bd_2025_2026.frais"));
        break;
    case Panne::ParametresAbsents:
        b.Executer(QStringLiteral("RENAME TABLE bd_2025_2026.p TO bd_2025_2026.parametres"));
        break;
    case Panne::ConnexionTuee:
    case Panne::ConnexionTueeAvantValidation:
        env.Plateforme.PendantMessage = nullptr;
        break;
    }
    env.Plateforme.Vider();
    QVERIFY(env.Executer());
    QCOMPARE(env.Boites().first(), QStringLiteral("Connexion réussie à la base de donnée."));
    QCOMPARE(b.Valeur(QStringLiteral("SELECT COUNT(*) FROM eleve"), Nouvelle).toInt(), 300);
    QCOMPARE(b.Lignes(QStringLiteral("SELECT code FROM korven.annee_scolaire WHERE active = '1'")),
             QStringList{QStringLiteral("2026/2027")});
    QCOMPARE(b.Valeur(QStringLiteral("SELECT COUNT(*) FROM journal"), Nouvelle).toInt(), 1);
    QCOMPARE(b.Valeur(QStringLiteral("SELECT COUNT(*) FROM tranche_eleve"), Nouvelle).toInt(),
             900 + 1); // and the row that was already there
}

// A deadlock with another session, which the server settles by undoing the change's transaction: the change
// runs again from a fresh transaction, says so once, and succeeds; what it wrote is there once.
void TestTransitionEchecs::interblocageReessaye() {
    EnvironnementTransition env(Donnees);
    env.AjouterEleve(QStringLiteral("E001"), QStringLiteral("Élève"), QStringLiteral("Un"),
                     QStringLiteral("6A"));
    // Another session, heavier than the change's transaction (so the server undoes the change's): it holds
    // the new year's user "admin" that the change copies next, then asks for the master table's row the
    // change holds.
    if (QStandardPaths::findExecutable(QStringLiteral("mariadb")).isEmpty())
        QSKIP("the other session is the mariadb command-line client, which is not installed here");
    QProcess autre;
    autre.start(QStringLiteral("mariadb"),
                {QStringLiteral("--no-defaults"), QStringLiteral("-h127.0.0.1"),
                 QStringLiteral("-P") + ServeurDeTest::Port(), QStringLiteral("-usolvane"),
                 QStringLiteral("-psolvane"), QStringLiteral("-N"), QStringLiteral("-B"),
                 QStringLiteral("--unbuffered"), QStringLiteral("bd_2026_2027")});
    QVERIFY(autre.waitForStarted());
    bool engage = false;
    env.Plateforme.PendantMessage = [&](const QString& texte) {
        if (texte != QStringLiteral("Configuration") || engage)
            return;
        engage = true;
        autre.write("BEGIN;\n"
                    "INSERT INTO bd_2026_2027.journal (utilisateur) SELECT 'autre' FROM seq_1_to_2000;\n"
                    "INSERT INTO bd_2026_2027.utilisateur (login, pass, etat, nom, is_enseignant) "
                    "VALUES ('admin', 'x', '1', 'Autre session', '0');\n"
                    "SELECT 'pret';\n");
        while (!autre.readAllStandardOutput().contains("pret"))
            QVERIFY2(autre.waitForReadyRead(30000), autre.readAllStandardError().constData());
        autre.write("UPDATE korven.annee_scolaire SET nom_etablissement = 'autre' WHERE code = '2025/2026';\n"
                    "ROLLBACK;\nSELECT 'fin';\n");
        autre.closeWriteChannel();
        // Sent now: the change's next statement keeps this thread until the server settles the deadlock.
        autre.waitForBytesWritten(10000);
    };
    QStringList essais;
    TTransitionAnnee transition;
    transition.NouvelEssai = [&essais](const QString& texte) { essais << texte; };
    env.Parametres.DictionnaireEleves = &env.Eleves;
    env.Parametres.DictionnaireElevesNew = &env.Placement;
    QVERIFY2(transition.Executer(env.Parametres) == TIssueTransition::Validee,
             qPrintable(env.Boites().join(QLatin1Char('\n'))));
    QVERIFY(autre.waitForFinished(60000));
    QVERIFY(engage);
    QCOMPARE(essais.size(), 1);
    QVERIFY2(essais.first().contains(QStringLiteral("conflit")), qPrintable(essais.first()));
    BaseDeTest& b = env.Base;
    QCOMPARE(b.Lignes(QStringLiteral(
                 "SELECT code, active, nom_etablissement FROM korven.annee_scolaire ORDER BY code")),
             QStringList({QStringLiteral("2024/2025|0|Collège d'Akwa"),
                          QStringLiteral("2025/2026|0|Collège d'Akwa"),
                          QStringLiteral("2026/2027|1|Collège d'Akwa")}));
    QCOMPARE(b.Lignes(QStringLiteral("SELECT login, nom FROM utilisateur ORDER BY login"), Nouvelle),
             QStringList({QStringLiteral("admin|Administrateur"), QStringLiteral("prof|Nom gardé")}));
    QCOMPARE(b.Lignes(QStringLiteral("SELECT utilisateur FROM journal"), Nouvelle), QStringList{"admin"});
    QCOMPARE(b.Valeur(QStringLiteral("SELECT COUNT(*) FROM eleve"), Nouvelle).toInt(), 1);
}

// Another workstation finishes the same year while the change waits on a box: it waits for the change's
// transaction, then finds the year registered and says so; nothing of it is kept, the change's year stays.
void TestTransitionEchecs::deuxPostesEnMemeTemps() {
    EnvironnementTransition env(Donnees);
    QProcess autre;
    env.Plateforme.PendantMessage = [&](const QString& texte) {
        if (texte == QStringLiteral("Update Parameters") && autre.state() == QProcess::NotRunning)
            autre.start(QStringLiteral(SOLVANE_AIDE_CHANGEMENT), {QStringLiteral("directeur")});
    };
    QVERIFY(env.Executer());
    QVERIFY(autre.waitForFinished(120000));
    const QString sortie = QString::fromUtf8(autre.readAllStandardOutput());
    QCOMPARE(autre.exitCode(), 1);
    QVERIFY2(
        sortie.trimmed().endsWith(QStringLiteral(
            "L'année scolaire 2026/2027 est déjà enregistrée dans la base maîtresse (korven.annee_scolaire), "
            "probablement par un autre poste. / Rien n'a été modifié.")),
        qPrintable(sortie));
    BaseDeTest& b = env.Base;
    QCOMPARE(b.Lignes(QStringLiteral("SELECT code, active FROM korven.annee_scolaire ORDER BY code")),
             QStringList({QStringLiteral("2024/2025|0"), QStringLiteral("2025/2026|0"),
                          QStringLiteral("2026/2027|1")}));
    QCOMPARE(b.Lignes(QStringLiteral("SELECT utilisateur FROM journal"), Nouvelle), QStringList{"admin"});
}

// Another session holds the master table's row past the wait (another workstation stopped in the middle of
// the same change): the change says so in French, and keeps nothing.
void TestTransitionEchecs::tableDesAnneesVerrouillee() {
    EnvironnementTransition env(Donnees);
    if (QStandardPaths::findExecutable(QStringLiteral("mariadb")).isEmpty())
        QSKIP("the other session is the mariadb command-line client, which is not installed here");
    QProcess autre;
    autre.start(QStringLiteral("mariadb"),
                {QStringLiteral("--no-defaults"), QStringLiteral("-h127.0.0.1"),
                 QStringLiteral("-P") + ServeurDeTest::Port(), QStringLiteral("-usolvane"),
                 QStringLiteral("-psolvane"), QStringLiteral("-N"), QStringLiteral("-B"),
                 QStringLiteral("--unbuffered")});
    QVERIFY(autre.waitForStarted());
    autre.write(
        "BEGIN;\nUPDATE korven.annee_scolaire SET nom_etablissement = 'autre' WHERE code = '2025/2026';\n"
        "SELECT 'pret';\n");
    while (!autre.readAllStandardOutput().contains("pret"))
        QVERIFY2(autre.waitForReadyRead(30000), autre.readAllStandardError().constData());
    const QStringList avant = env.Empreinte();
    const int attente = TSQLConnection::AttenteVerrous;
    TSQLConnection::AttenteVerrous = 1;
    OBDataModule->OBSQLConnection->Close();
    const bool reussi = env.Executer();
    TSQLConnection::AttenteVerrous = attente;
    autre.write("ROLLBACK;\n");
    autre.closeWriteChannel();
    QVERIFY(autre.waitForFinished(30000));
    QVERIFY(!reussi);
    QCOMPARE(
        env.Boites().constLast(),
        QStringLiteral("Un autre poste est en train de changer l'année scolaire : la table des années "
                       "(korven.annee_scolaire) reste verrouillée. Réessayez quand il aura terminé.\r\nRien "
                       "n'a été modifié."));
    QCOMPARE(env.Empreinte(), avant);
}

// The connection is cut at the commit. Once the server has committed, its answer lost on the way, the run
// finds its own change on a fresh session and ends as after its commit: the report, the closing box, the
// restart (it used to say the change had failed, and a second run then blamed another workstation). Cut
// before the commit reaches the server, nothing is kept and the error box says why.
void TestTransitionEchecs::validationSansReponse_data() {
    QTest::addColumn<RelaisTcp::TCoupure>("coupure");
    QTest::addColumn<bool>("validee");
    QTest::newRow("answer to the commit lost") << RelaisTcp::TCoupure::ApresValidation << true;
    QTest::newRow("commit lost before the server") << RelaisTcp::TCoupure::AvantValidation << false;
}

void TestTransitionEchecs::validationSansReponse() {
    QFETCH(RelaisTcp::TCoupure, coupure);
    QFETCH(bool, validee);

    EnvironnementTransition env(Donnees);
    env.AjouterEleve(QStringLiteral("E001"), QStringLiteral("N'Guessan"), QStringLiteral("Éloïse"),
                     QStringLiteral("6A"));
    RelaisTcp relais(ServeurDeTest::Port().toInt());
    QVERIFY(!relais.Port().isEmpty());
    relais.Coupure = coupure;
    env.Parametres.Port = relais.Port();
    bool rapport = false;
    env.Parametres.DictionnaireEleves = &env.Eleves;
    env.Parametres.DictionnaireElevesNew = &env.Placement;
    TTransitionAnnee transition;
    transition.ApresValidation = [&rapport](const TRapportTransition&) { rapport = true; };
    const QStringList avant = env.Empreinte();

    const TIssueTransition issue = transition.Executer(env.Parametres);

    QCOMPARE(relais.Coupures(), 1);
    BaseDeTest& b = env.Base;
    const QStringList boites = env.Boites();
    if (!validee) {
        QVERIFY(issue == TIssueTransition::Echouee);
        QVERIFY(!rapport);
        QCOMPARE(env.Empreinte(), avant);
        QVERIFY2(boites.constLast().startsWith(Erreur), qPrintable(boites.constLast()));
        QVERIFY(!env.Plateforme.Terminee);
        return;
    }
    QVERIFY2(issue == TIssueTransition::Validee, qPrintable(boites.join(QLatin1Char('\n'))));
    QVERIFY(rapport);
    QCOMPARE(boites.constLast(), EnvironnementTransition::Fin);
    QCOMPARE(env.Plateforme.Evenements.constLast(), QStringLiteral("Redémarrage"));
    QCOMPARE(b.Lignes(QStringLiteral("SELECT code FROM korven.annee_scolaire WHERE active = '1'")),
             QStringList{QStringLiteral("2026/2027")});
    QCOMPARE(b.Lignes(QStringLiteral("SELECT utilisateur FROM journal"), Nouvelle), QStringList{"admin"});
    QCOMPARE(b.Lignes(QStringLiteral("SELECT nom, pnom FROM personne WHERE mat = 'E001'"), Nouvelle),
             QStringList{QStringLiteral("N'Guessan|Éloïse")});
}

QTEST_GUILESS_MAIN(TestTransitionEchecs)
#include "test_transition_echecs.moc"
