// An undo that fails at any step leaves korven and both years exactly as they were, tells the user, and can
// be run again once the cause is gone; against another session that wins a deadlock it runs again; against a
// second workstation undoing at the same time, one undo is made and the other is told; a commit whose answer
// is lost is settled by what the database holds.
#include "core/data/OBDataModuleU.h"
#include "core/transition/EtapesTransition.h"
#include "support/EnvironnementRetour.h"
#include "support/RelaisTcp.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

namespace {

const QString Ancienne = QStringLiteral("bd_2025_2026");
const QString Nouvelle = QStringLiteral("bd_2026_2027");
const QString Erreur = QStringLiteral("Une erreur est survenue : \r\n");

int Etapes() {
    return TRetourAnnee::NombreEtapes(static_cast<int>(TablesEcritesTransition().size()));
}

// Another session on the test server, through the mariadb client, fed statement by statement.
class AutreSession {
public:
    AutreSession() {
        client_.start(QStringLiteral("mariadb"),
                      {QStringLiteral("--no-defaults"), QStringLiteral("-h127.0.0.1"),
                       QStringLiteral("-P") + ServeurDeTest::Port(), QStringLiteral("-usolvane"),
                       QStringLiteral("-psolvane"), QStringLiteral("-N"), QStringLiteral("-B"),
                       QStringLiteral("--unbuffered"), QStringLiteral("korven")});
    }
    ~AutreSession() {
        if (client_.state() != QProcess::NotRunning) {
            client_.closeWriteChannel();
            if (!client_.waitForFinished(30000))
                client_.kill();
        }
    }
    // Sends the statements, then waits until they have run.
    bool Executer(const QByteArray& sql) {
        client_.write(sql + "\nSELECT 'pret';\n");
        QByteArray lu;
        while (!lu.contains("pret")) {
            if (!client_.waitForReadyRead(60000))
                return false;
            lu += client_.readAllStandardOutput();
        }
        return true;
    }
    // Sends the statements and returns at once, the session to end after them.
    void Envoyer(const QByteArray& sql) {
        client_.write(sql + "\n");
        client_.closeWriteChannel();
        client_.waitForBytesWritten(10000);
    }
    bool Attendre() { return client_.waitForFinished(60000); }
    QByteArray Erreurs() { return client_.readAllStandardError(); }

private:
    QProcess client_;
};

} // namespace

class TestRetourEchecs : public QObject {
    Q_OBJECT

private slots:
    void connexionCoupee_data();
    void connexionCoupee();
    void verrous_data();
    void verrous();
    void interblocageReessaye();
    void changementAnnuleAvantSonEnregistrement();
    void deuxPostesEnMemeTemps();
    void validationSansReponse_data();
    void validationSansReponse();
};

void TestRetourEchecs::connexionCoupee_data() {
    QTest::addColumn<int>("etape");
    // From the first step that runs a statement of the transaction to the commit.
    for (int etape = 3; etape <= Etapes() - 2; ++etape)
        QTest::addRow("étape %d", etape) << etape;
}

// The year connection is killed when a step begins: nothing changed, the error box, no restart; the undo then
// runs from the start and succeeds.
void TestRetourEchecs::connexionCoupee() {
    QFETCH(int, etape);
    EnvironnementRetour env;
    QVERIFY(env.Changer());
    QVERIFY(EnvironnementRetour::SeConnecter(QStringLiteral("admin"), QStringLiteral("a")));
    const QStringList avant = env.EmpreinteToutes();
    BaseDeTest& b = env.Base;
    int tuees = 0;
    TRetourAnnee retour;
    retour.Progression = [&](int numero, int, const QString&, int) {
        if (numero != etape)
            return;
        for (const QString& id :
             b.Lignes(QStringLiteral("SELECT ID FROM information_schema.PROCESSLIST WHERE DB "
                                     "= 'bd_2025_2026' AND ID <> CONNECTION_ID()"))) {
            b.Executer(QStringLiteral("KILL CONNECTION %1").arg(id));
            ++tuees;
        }
    };
    QVERIFY(retour.Executer(EnvironnementRetour::ParametresRetour()) == TIssueTransition::Echouee);
    QCOMPARE(tuees, 1);
    QCOMPARE(env.EmpreinteToutes(), avant);
    QVERIFY(!OBDataModule->Tx());
    QVERIFY(!env.Plateforme.Terminee);
    QCOMPARE(env.Boites().size(), 1);
    QVERIFY2(env.Boites().constFirst().startsWith(Erreur) && env.Boites().constFirst().size() > Erreur.size(),
             qPrintable(env.Boites().constFirst()));

    env.Plateforme.Vider();
    QVERIFY2(env.Revenir() == TIssueTransition::Validee, qPrintable(env.Boites().join(QLatin1Char('\n'))));
    QCOMPARE(b.Lignes(QStringLiteral("SELECT code FROM korven.annee_scolaire WHERE active = '1'")),
             QStringList{QStringLiteral("2025/2026")});
    QCOMPARE(b.Valeur(QStringLiteral("SELECT COUNT(*) FROM journal"), Ancienne).toInt(), 1);
}

void TestRetourEchecs::verrous_data() {
    QTest::addColumn<QByteArray>("verrou"); // run by another session, which keeps its transaction open
    QTest::addColumn<QString>("boite");
    QTest::newRow("la table des années")
        << QByteArray(
               "BEGIN; UPDATE korven.annee_scolaire SET nom_etablissement = nom_etablissement WHERE code "
               "= '2024/2025';")
        << QStringLiteral(
               "Un autre poste est en train de changer l'année scolaire ou d'y revenir : la table des "
               "années (korven.annee_scolaire) reste verrouillée. Réessayez quand il aura terminé.\r\n"
               "Rien n'a été modifié.");
    QTest::newRow("l'enregistrement du changement")
        << QByteArray("BEGIN; SELECT annee FROM korven.solvane_changement FOR UPDATE;")
        << Erreur + QStringLiteral("Lock wait timeout exceeded; try restarting transaction");
    QTest::newRow("une ligne de la nouvelle année")
        << QByteArray("BEGIN; SELECT mat FROM bd_2026_2027.eleve WHERE mat = 'E002' FOR UPDATE;")
        << Erreur + QStringLiteral("Lock wait timeout exceeded; try restarting transaction");
    // Its whole index, the place of the next entry included (repeatable read, the client's default).
    QTest::newRow("le journal de l'année précédente")
        << QByteArray("BEGIN; SELECT COUNT(*) FROM bd_2025_2026.journal FOR UPDATE;")
        << Erreur + QStringLiteral(
                        "L'entrée du journal des opérations de l'année 2025/2026 n'a pas pu être écrite.");
}

// Another session holds what a step needs past the wait: that step stops the undo, nothing changed, the box
// says why; once the other session is done, the undo succeeds.
void TestRetourEchecs::verrous() {
    QFETCH(QByteArray, verrou);
    QFETCH(QString, boite);
    EnvironnementRetour env;
    QVERIFY(env.Changer());
    const QStringList avant = env.EmpreinteToutes();
    const int attente = TSQLConnection::AttenteVerrous;
    TSQLConnection::AttenteVerrous = 1;
    TIssueTransition issue;
    {
        AutreSession autre;
        QVERIFY2(autre.Executer(verrou), autre.Erreurs().constData());
        issue = env.Revenir();
        autre.Envoyer("ROLLBACK;");
        QVERIFY(autre.Attendre());
    }
    TSQLConnection::AttenteVerrous = attente;
    QVERIFY(issue == TIssueTransition::Echouee);
    QCOMPARE(env.Boites(), QStringList{boite});
    QCOMPARE(env.EmpreinteToutes(), avant);
    QVERIFY(!OBDataModule->Tx());
    QVERIFY(!env.Plateforme.Terminee);

    env.Plateforme.Vider();
    QVERIFY2(env.Revenir() == TIssueTransition::Validee, qPrintable(env.Boites().join(QLatin1Char('\n'))));
}

// A deadlock with a heavier session, which the server settles by undoing the undo's transaction (its journal
// entry waits for the other, which waits for the master table): the undo runs again from a fresh transaction,
// says so once, and succeeds; its entry is there once.
void TestRetourEchecs::interblocageReessaye() {
    EnvironnementRetour env;
    const QStringList avant = env.Base.Empreinte(QStringLiteral("korven")) + env.Base.Empreinte(Nouvelle);
    QVERIFY(env.Changer());
    AutreSession autre;
    bool engage = false;
    TRetourAnnee retour;
    const int journal = Etapes() - 3;
    retour.Progression = [&](int numero, int, const QString& libelle, int) {
        if (numero != journal || engage)
            return;
        QCOMPARE(libelle, QStringLiteral("Journal des opérations de l'année 2025/2026"));
        engage = true;
        QVERIFY(autre.Executer("BEGIN; INSERT INTO bd_2025_2026.journal (utilisateur) SELECT 'autre' FROM "
                               "seq_1_to_5000; SELECT COUNT(*) FROM bd_2025_2026.journal FOR UPDATE;"));
        // Sent now: the undo's next statement keeps this thread until the server settles the deadlock.
        autre.Envoyer("SELECT code FROM korven.annee_scolaire FOR UPDATE; ROLLBACK;");
    };
    QStringList essais;
    retour.NouvelEssai = [&essais](const QString& texte) { essais << texte; };
    QVERIFY2(retour.Executer(EnvironnementRetour::ParametresRetour()) == TIssueTransition::Validee,
             qPrintable(env.Boites().join(QLatin1Char('\n'))));
    QVERIFY(autre.Attendre());
    QVERIFY(engage);
    QCOMPARE(essais.size(), 1);
    QVERIFY2(essais.constFirst().startsWith(QStringLiteral(
                 "Nouvel essai 1 sur 2 : la transaction est entrée en conflit avec une autre")),
             qPrintable(essais.constFirst()));
    QCOMPARE(env.Base.Empreinte(QStringLiteral("korven")) + env.Base.Empreinte(Nouvelle), avant);
    QCOMPARE(env.Base.Lignes(QStringLiteral("SELECT utilisateur, operation FROM journal"), Ancienne),
             QStringList{QStringLiteral("admin|Suppression")});
}

// The server undoes the change's transaction at its journal entry to let a heavier session pass (the
// journal's writer says nothing of it): the record writes nothing outside the transaction (it used to write
// its rows one by one, each committed on its own, and then stop the change); the change runs again and
// records itself once.
void TestRetourEchecs::changementAnnuleAvantSonEnregistrement() {
    EnvironnementRetour env;
    AutreSession autre;
    bool engage = false;
    TTransitionAnnee transition;
    transition.Progression = [&](int numero, int, const QString&, int) {
        if (numero != NumeroEtape(TEtapeFixe::Journal) || engage)
            return;
        engage = true;
        QVERIFY(autre.Executer("BEGIN; INSERT INTO bd_2026_2027.journal (utilisateur) SELECT 'autre' FROM "
                               "seq_1_to_5000; SELECT COUNT(*) FROM bd_2026_2027.journal FOR UPDATE;"));
        autre.Envoyer("SELECT code FROM korven.annee_scolaire FOR UPDATE; ROLLBACK;");
    };
    QStringList essais;
    transition.NouvelEssai = [&essais](const QString& texte) { essais << texte; };
    env.Parametres.DictionnaireEleves = &env.Eleves;
    env.Parametres.DictionnaireElevesNew = &env.Placement;
    QVERIFY2(transition.Executer(env.Parametres) == TIssueTransition::Validee,
             qPrintable(env.Boites().join(QLatin1Char('\n'))));
    QVERIFY(autre.Attendre());
    QVERIFY(engage);
    QCOMPARE(essais.size(), 1);
    QCOMPARE(env.Base.Lignes(QStringLiteral("SELECT annee, utilisateur FROM korven.solvane_changement")),
             QStringList{QStringLiteral("2026/2027|admin")});
    const TBilanRetour bilan = TRetourAnnee::Examiner(QStringLiteral("2026/2027"));
    QVERIFY2(bilan.Possible(), qPrintable(bilan.Raison));
    QCOMPARE(env.Base.Lignes(QStringLiteral("SELECT utilisateur FROM journal"), Nouvelle),
             QStringList{"admin"});
}

// Another workstation takes the same change back while this one is about to commit: it waits for this one's
// transaction, then finds the year gone and says so; one undo is made, with one entry.
void TestRetourEchecs::deuxPostesEnMemeTemps() {
    EnvironnementRetour env;
    QVERIFY(env.Changer());
    BaseDeTest& b = env.Base;
    QProcess autre;
    bool enAttente = false;
    TRetourAnnee retour;
    retour.Progression = [&](int numero, int, const QString&, int) {
        if (numero != Etapes() - 2 || autre.state() != QProcess::NotRunning)
            return;
        autre.start(QStringLiteral(SOLVANE_AIDE_RETOUR), {QStringLiteral("admin")});
        // Until the other undo waits for this one's lock on the master table.
        QElapsedTimer chrono;
        chrono.start();
        while (!enAttente && chrono.elapsed() < 60000) {
            enAttente = b.Valeur(QStringLiteral("SELECT COUNT(*) FROM information_schema.INNODB_TRX WHERE "
                                                "trx_state = 'LOCK WAIT'"))
                            .toInt() > 0;
            // The server reads its list of transactions anew only after 100 ms without a look at it.
            QTest::qWait(250);
        }
    };
    QVERIFY(retour.Executer(EnvironnementRetour::ParametresRetour()) == TIssueTransition::Validee);
    QVERIFY(enAttente);
    QVERIFY(autre.waitForFinished(120000));
    const QString sortie = QString::fromUtf8(autre.readAllStandardOutput());
    QCOMPARE(autre.exitCode(), 1);
    QCOMPARE(sortie,
             QStringLiteral("L'année scolaire 2026/2027 a déjà été retirée de la base maîtresse "
                            "(korven.annee_scolaire), probablement par un autre poste. / Rien n'a été "
                            "modifié.\n"));
    QCOMPARE(b.Lignes(QStringLiteral("SELECT code, active FROM korven.annee_scolaire ORDER BY code")),
             QStringList({QStringLiteral("2024/2025|0"), QStringLiteral("2025/2026|1")}));
    QCOMPARE(b.Valeur(QStringLiteral("SELECT COUNT(*) FROM journal"), Ancienne).toInt(), 1);
}

// The connection is cut at the commit. Once the server has committed, its answer lost on the way, the run
// finds its own undo on a fresh session (by its journal entry's number) and ends as after its commit. Cut
// before the commit reaches the server, nothing is kept and the error box says why.
void TestRetourEchecs::validationSansReponse_data() {
    QTest::addColumn<RelaisTcp::TCoupure>("coupure");
    QTest::addColumn<bool>("validee");
    QTest::newRow("answer to the commit lost") << RelaisTcp::TCoupure::ApresValidation << true;
    QTest::newRow("commit lost before the server") << RelaisTcp::TCoupure::AvantValidation << false;
}

void TestRetourEchecs::validationSansReponse() {
    QFETCH(RelaisTcp::TCoupure, coupure);
    QFETCH(bool, validee);
    EnvironnementRetour env;
    const QStringList initial = env.Base.Empreinte(QStringLiteral("korven")) + env.Base.Empreinte(Nouvelle);
    QVERIFY(env.Changer());
    const QStringList avant = env.EmpreinteToutes();
    RelaisTcp relais(ServeurDeTest::Port().toInt());
    QVERIFY(!relais.Port().isEmpty());
    relais.Coupure = coupure;
    TParametresRetour p = EnvironnementRetour::ParametresRetour();
    p.Port = relais.Port();

    const TIssueTransition issue = TRetourAnnee().Executer(p);

    QCOMPARE(relais.Coupures(), 1);
    const QStringList boites = env.Boites();
    if (!validee) {
        QVERIFY(issue == TIssueTransition::Echouee);
        QCOMPARE(env.EmpreinteToutes(), avant);
        QCOMPARE(boites.size(), 1);
        QVERIFY2(boites.constFirst().startsWith(Erreur), qPrintable(boites.constFirst()));
        QVERIFY(!env.Plateforme.Terminee);
        return;
    }
    QVERIFY2(issue == TIssueTransition::Validee, qPrintable(boites.join(QLatin1Char('\n'))));
    QCOMPARE(boites, QStringList{BoiteFinRetour(QStringLiteral("2025/2026"), QStringLiteral("2026/2027"))});
    QCOMPARE(env.Plateforme.Evenements.constLast(), QStringLiteral("Redémarrage"));
    QCOMPARE(env.Base.Empreinte(QStringLiteral("korven")) + env.Base.Empreinte(Nouvelle), initial);
}

QTEST_GUILESS_MAIN(TestRetourEchecs)
#include "test_retour_echecs.moc"
