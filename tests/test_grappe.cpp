// The year's change on a MariaDB Galera cluster of three nodes of its own (scripts/db-server cluster, in a
// scratch directory, on free ports), the program on node 1: every node holds the same data afterwards; the
// preview replicates nothing; a conflict with another node's edit runs the change again from a fresh
// transaction, once; a node dying during the run leaves the survivors agreeing; two workstations finishing
// the same year on two nodes make one new year; a node cut off from the others says so after its tries and
// keeps nothing. Taking the change back leaves every node as before the change; two workstations taking it
// back on two nodes make one undo, and the other is told.
#include "core/data/OBDataModuleU.h"
#include "core/transition/RapportTransition.h"
#include "support/EnvironnementRetour.h"
#include "support/EnvironnementTransition.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <random>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString Nouvelle = QStringLiteral("bd_2026_2027");
const QString Donnees = QStringLiteral(SOLVANE_TEST_DATA "/transition.sql");
const QString Script = QStringLiteral(SOLVANE_SOURCE_DIR "/scripts/db-server");

// Whether nothing listens on the port now.
bool Libre(int port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    adresse.sin_port = htons(static_cast<uint16_t>(port));
    const bool libre = ::bind(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0;
    ::close(s);
    return libre;
}

// The first of 19 ports in a row that nothing listens on: the nodes' client ports, then the cluster's own.
// Below the system's range for outgoing connections (from 32768), which could take one of them before its
// node binds it, and apart from the ports of the private server's checks (20000 to 24500), which may run at
// the same time.
int PortsLibres() {
    std::mt19937 hasard(std::random_device{}());
    for (int essai = 0; essai < 50; ++essai) {
        const int base = 25000 + static_cast<int>(hasard() % 4900);
        bool libres = true;
        for (int p = base; p < base + 19 && libres; ++p)
            libres = Libre(p);
        if (libres)
            return base;
    }
    return 0;
}

// The change's students: three placed in a class the change carries; the run's values point at them.
void Eleves(EnvironnementTransition& env) {
    for (const char* m : {"E001", "E002", "E003"})
        env.AjouterEleve(QString::fromLatin1(m), QStringLiteral("Élève"), QString::fromLatin1(m),
                         QStringLiteral("6A"));
    env.Parametres.DictionnaireEleves = &env.Eleves;
    env.Parametres.DictionnaireElevesNew = &env.Placement;
}

} // namespace

class TestGrappe : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void memesDonneesSurChaqueNoeud();
    void conflitAvecUnAutreNoeud();
    void noeudPerduPendantLeChangement();
    void deuxPostesSurDeuxNoeuds();
    void majoritePerdue();
    void retourSurChaqueNoeud();
    void deuxRetoursSurDeuxNoeuds();

private:
    QProcessEnvironment Grappe() const;
    bool Commande(const QStringList& arguments);
    QString Port(int noeud) const { return QString::number(base_ + noeud - 1); }
    // Runs SQL on a node as the test account, after every transaction the cluster has committed is applied
    // there; its rows, tab-separated.
    QString Sql(int noeud, const QString& sql);
    // Every table of korven and of the new year, with its row count and checksum, as a node holds them.
    QString Empreinte(int noeud);
    void Tuer(int noeud);
    qint64 DerniereValidation(int noeud);

    QTemporaryDir dossier_{QStringLiteral(SOLVANE_TEST_WORK "/grappe-XXXXXX")};
    int base_ = 0;
    bool demarree_ = false;
    QByteArray portDesTests_;
    QByteArray dossierDesTests_;
    QString sortie_;
};

QProcessEnvironment TestGrappe::Grappe() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SOLVANE_DB_DIR"), dossier_.filePath(QStringLiteral("grappe")));
    env.insert(QStringLiteral("SOLVANE_DB_PORT"), QString::number(base_));
    return env;
}

bool TestGrappe::Commande(const QStringList& arguments) {
    QProcess p;
    p.setProcessEnvironment(Grappe());
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(Script, QStringList{QStringLiteral("cluster")} + arguments);
    const bool fini = p.waitForFinished(300000);
    sortie_ = QString::fromLocal8Bit(p.readAll());
    return fini && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QString TestGrappe::Sql(int noeud, const QString& sql) {
    QProcess client;
    client.start(QStringLiteral("mariadb"),
                 {QStringLiteral("--no-defaults"), QStringLiteral("-h127.0.0.1"),
                  QStringLiteral("-P") + Port(noeud), QStringLiteral("-usolvane"),
                  QStringLiteral("-psolvane"), QStringLiteral("-N"), QStringLiteral("-B"),
                  QStringLiteral("-e"), QStringLiteral("SET SESSION wsrep_sync_wait = 15; ") + sql});
    if (!client.waitForFinished(120000) || client.exitCode() != 0)
        QTest::qFail(qPrintable(QStringLiteral("node %1: %2\n  -> %3")
                                    .arg(noeud)
                                    .arg(sql, QString::fromUtf8(client.readAllStandardError()))),
                     __FILE__, __LINE__);
    return QString::fromUtf8(client.readAllStandardOutput()).trimmed();
}

QString TestGrappe::Empreinte(int noeud) {
    const QStringList tables =
        Sql(noeud,
            QStringLiteral("SELECT CONCAT('`', TABLE_SCHEMA, '`.`', TABLE_NAME, '`') FROM "
                           "information_schema.TABLES WHERE TABLE_SCHEMA IN ('korven', '%1') ORDER BY 1")
                .arg(Nouvelle))
            .split(QLatin1Char('\n'));
    QStringList comptes;
    for (const QString& t : tables)
        comptes << QStringLiteral("(SELECT COUNT(*) FROM %1)").arg(t);
    return Sql(noeud, QStringLiteral("SELECT CONCAT_WS(' ', %1); CHECKSUM TABLE %2 EXTENDED")
                          .arg(comptes.join(QStringLiteral(", ")), tables.join(QStringLiteral(", "))));
}

void TestGrappe::Tuer(int noeud) {
    QFile fichier(dossier_.filePath(QStringLiteral("grappe/noeud%1/mariadbd.pid").arg(noeud)));
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    const pid_t pid = static_cast<pid_t>(fichier.readAll().trimmed().toInt());
    QVERIFY(pid > 0);
    QCOMPARE(::kill(pid, SIGKILL), 0);
}

qint64 TestGrappe::DerniereValidation(int noeud) {
    return Sql(noeud, QStringLiteral("SELECT VARIABLE_VALUE FROM information_schema.GLOBAL_STATUS WHERE "
                                     "VARIABLE_NAME = 'WSREP_LAST_COMMITTED'"))
        .toLongLong();
}

void TestGrappe::initTestCase() {
    QVERIFY(dossier_.isValid());
    base_ = PortsLibres();
    QVERIFY(base_ > 0);
    demarree_ = true;
    QVERIFY2(Commande({QStringLiteral("start")}), qPrintable(sortie_));
    // The program and the fixtures reach node 1 (the fixtures' lock in its directory).
    portDesTests_ = qgetenv("SOLVANE_DB_PORT");
    dossierDesTests_ = qgetenv("SOLVANE_DB_DIR");
    qputenv("SOLVANE_DB_PORT", Port(1).toUtf8());
    qputenv("SOLVANE_DB_DIR", dossier_.filePath(QStringLiteral("grappe/noeud1")).toUtf8());
}

void TestGrappe::cleanupTestCase() {
    for (const auto& [nom, valeur] :
         {std::pair{"SOLVANE_DB_PORT", portDesTests_}, std::pair{"SOLVANE_DB_DIR", dossierDesTests_}}) {
        if (valeur.isNull())
            qunsetenv(nom);
        else
            qputenv(nom, valeur);
    }
    if (demarree_)
        Commande({QStringLiteral("stop")});
}

// Every test starts on the three nodes; one a test killed comes back and catches up.
void TestGrappe::init() {
    QVERIFY2(Commande({QStringLiteral("start")}), qPrintable(sortie_));
}

// The change on node 1 leaves nodes 2 and 3 with the same tables, row for row; the preview's figures are
// those of the run, and the preview replicated nothing.
void TestGrappe::memesDonneesSurChaqueNoeud() {
    EnvironnementTransition env(Donnees);
    Eleves(env);

    const qint64 avant = DerniereValidation(1);
    const TBilanTransition previsions = TTransitionAnnee().Verifier(env.Parametres);
    QVERIFY2(previsions.Blocage.isEmpty(), qPrintable(previsions.Blocage));
    QCOMPARE(DerniereValidation(1), avant);

    QList<TRapportTransition> rapports;
    TTransitionAnnee transition;
    transition.ApresValidation = [&rapports](const TRapportTransition& r) { rapports << r; };
    QVERIFY2(transition.Executer(env.Parametres) == TIssueTransition::Validee,
             qPrintable(env.Boites().join(QLatin1Char('\n'))));
    QCOMPARE(rapports.size(), 1);
    QCOMPARE(rapports.first().Bilan.Lignes.size(), previsions.Lignes.size());
    for (qsizetype i = 0; i < previsions.Lignes.size(); ++i) {
        const TLigneBilan& a = previsions.Lignes.at(i);
        const TLigneBilan& b = rapports.first().Bilan.Lignes.at(i);
        QCOMPARE(
            QStringLiteral("%1 %2 %3 %4").arg(b.Table).arg(b.Anciennes).arg(b.Nouvelles).arg(b.NonReportees),
            QStringLiteral("%1 %2 %3 %4").arg(a.Table).arg(a.Anciennes).arg(a.Nouvelles).arg(a.NonReportees));
    }

    const QString premier = Empreinte(1);
    QCOMPARE(Empreinte(2), premier);
    QCOMPARE(Empreinte(3), premier);
    // The instalments and the journal whatever numbers the node gave them.
    QCOMPARE(Sql(3, QStringLiteral("SELECT COUNT(*) FROM %1.tranche_eleve WHERE MAT_ELEVE LIKE 'E00%'")
                        .arg(Nouvelle)),
             QStringLiteral("9"));
    QCOMPARE(Sql(3, QStringLiteral("SELECT utilisateur FROM %1.journal").arg(Nouvelle)),
             QStringLiteral("admin"));
}

// Another workstation edits the master table's row on node 3 while the change holds it on node 1: the cluster
// refuses the change's transaction, which runs again and succeeds, once.
void TestGrappe::conflitAvecUnAutreNoeud() {
    EnvironnementTransition env(Donnees);
    Eleves(env);
    bool modifiee = false;
    env.Plateforme.PendantMessage = [&](const QString& texte) {
        if (texte == QStringLiteral("Transfert des Classes terminé") && !modifiee) {
            modifiee = true;
            Sql(3, QStringLiteral(
                       "UPDATE korven.annee_scolaire SET nom_etablissement = 'Collège d''Akwa (siège)' "
                       "WHERE code = '2025/2026'"));
        }
    };
    QStringList essais;
    TTransitionAnnee transition;
    transition.NouvelEssai = [&essais](const QString& texte) { essais << texte; };
    QVERIFY2(transition.Executer(env.Parametres) == TIssueTransition::Validee,
             qPrintable(env.Boites().join(QLatin1Char('\n'))));
    QCOMPARE(essais.size(), 1);
    QVERIFY2(essais.first().startsWith(
                 QStringLiteral("Nouvel essai 1 sur 2 : la transaction est entrée en conflit")),
             qPrintable(essais.first()));
    // The whole body ran twice; the connection was checked once.
    QCOMPARE(env.Boites().count(QStringLiteral("Connexion réussie à la base de donnée.")), 1);
    QCOMPARE(env.Boites().count(QStringLiteral("Configuration")), 2);
    QCOMPARE(Sql(2, QStringLiteral(
                        "SELECT code, active, nom_etablissement FROM korven.annee_scolaire ORDER BY code")),
             QStringLiteral("2024/2025\t0\tCollège d'Akwa\n2025/2026\t0\tCollège d'Akwa (siège)\n"
                            "2026/2027\t1\tCollège d'Akwa"));
    QCOMPARE(Sql(2, QStringLiteral("SELECT COUNT(*) FROM %1.journal").arg(Nouvelle)), QStringLiteral("1"));
    QCOMPARE(Sql(2, QStringLiteral("SELECT COUNT(*) FROM %1.eleve").arg(Nouvelle)), QStringLiteral("3"));
    QCOMPARE(Empreinte(3), Empreinte(1));
}

// Node 2 dies in the middle of the change: the two others keep the cluster, the change commits, and they
// agree; node 2, started again, catches up.
void TestGrappe::noeudPerduPendantLeChangement() {
    EnvironnementTransition env(Donnees);
    Eleves(env);
    bool tue = false;
    env.Plateforme.PendantMessage = [&](const QString& texte) {
        if (texte == QStringLiteral("Transfert des Classes terminé") && !tue) {
            tue = true;
            Tuer(2);
        }
    };
    TTransitionAnnee transition;
    QVERIFY2(transition.Executer(env.Parametres) == TIssueTransition::Validee,
             qPrintable(env.Boites().join(QLatin1Char('\n'))));
    QVERIFY(tue);
    QCOMPARE(Sql(3, QStringLiteral("SELECT COUNT(*) FROM %1.eleve").arg(Nouvelle)), QStringLiteral("3"));
    QCOMPARE(Empreinte(3), Empreinte(1));
    QVERIFY2(Commande({QStringLiteral("start")}), qPrintable(sortie_));
    QCOMPARE(Empreinte(2), Empreinte(1));
}

// Two workstations finish the same year at once, with the same account and the same workstation name (a
// cloned machine), one on node 2 (it commits first), the other on node 1: one new year, once; the second is
// told the year is already registered, keeps nothing and starts again (it used to take the other's change,
// with the same account, workstation and minute in the journal, for its own).
void TestGrappe::deuxPostesSurDeuxNoeuds() {
    EnvironnementTransition env(Donnees);
    Eleves(env);
    QString autrePoste;
    int codeAutrePoste = -1;
    env.Plateforme.PendantMessage = [&](const QString& texte) {
        if (texte != QStringLiteral("Update Parameters") || codeAutrePoste != -1)
            return;
        QProcess aide;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("SOLVANE_DB_PORT"), Port(2));
        aide.setProcessEnvironment(e);
        aide.start(QStringLiteral(SOLVANE_AIDE_CHANGEMENT), {env.Parametres.Login});
        aide.waitForFinished(180000);
        autrePoste = QString::fromUtf8(aide.readAll());
        codeAutrePoste = aide.exitCode();
    };
    TTransitionAnnee transition;
    QVERIFY(transition.Executer(env.Parametres) == TIssueTransition::DejaFaite);
    QCOMPARE(codeAutrePoste, 0);
    QVERIFY2(autrePoste.contains(EnvironnementTransition::Fin.section(QStringLiteral("\r\n"), 0, 0)),
             qPrintable(autrePoste));
    QCOMPARE(
        env.Boites().constLast(),
        QStringLiteral("L'année scolaire 2026/2027 est déjà enregistrée dans la base maîtresse "
                       "(korven.annee_scolaire), probablement par un autre poste.\r\nRien n'a été modifié."));
    QCOMPARE(env.Plateforme.Evenements.constLast(), QStringLiteral("Redémarrage"));
    QCOMPARE(Sql(1, QStringLiteral("SELECT code, active FROM korven.annee_scolaire ORDER BY code")),
             QStringLiteral("2024/2025\t0\n2025/2026\t0\n2026/2027\t1"));
    QCOMPARE(Sql(1, QStringLiteral("SELECT utilisateur FROM %1.journal").arg(Nouvelle)),
             env.Parametres.Login);
    QCOMPARE(Sql(1, QStringLiteral("SELECT COUNT(*) FROM %1.eleve").arg(Nouvelle)), QStringLiteral("0"));
    QCOMPARE(Empreinte(2), Empreinte(1));
    QCOMPARE(Empreinte(3), Empreinte(1));
}

// Nodes 2 and 3 die during the change: node 1 is cut off from the cluster's majority. The change tries again
// twice, then says why in the usual box; once the cluster is whole again, nothing of it is anywhere.
void TestGrappe::majoritePerdue() {
    EnvironnementTransition env(Donnees);
    Eleves(env);
    const QString avant = Empreinte(1);
    bool tues = false;
    env.Plateforme.PendantMessage = [&](const QString& texte) {
        if (texte == QStringLiteral("Transfert des Classes terminé") && !tues) {
            tues = true;
            Tuer(2);
            Tuer(3);
        }
    };
    QStringList essais;
    TTransitionAnnee transition;
    transition.NouvelEssai = [&essais](const QString& texte) { essais << texte; };
    QVERIFY(transition.Executer(env.Parametres) != TIssueTransition::Validee);
    QCOMPARE(essais.size(), TTransitionAnnee::NouveauxEssais);
    QVERIFY2(essais.first().contains(QStringLiteral("majorité des serveurs de la grappe")),
             qPrintable(essais.first()));
    const QString erreur = env.Boites().constLast();
    QVERIFY2(erreur.startsWith(
                 QStringLiteral("Une erreur est survenue : \r\nLe serveur a perdu le contact avec la "
                                "majorité des serveurs de la grappe, encore après 2 nouveaux essais (")),
             qPrintable(erreur));
    QVERIFY(!OBDataModule->Tx());

    // The whole cluster again, from node 1.
    QVERIFY2(Commande({QStringLiteral("stop")}), qPrintable(sortie_));
    QVERIFY2(Commande({QStringLiteral("start")}), qPrintable(sortie_));
    QCOMPARE(Empreinte(1), avant);
    QCOMPARE(Empreinte(2), avant);
    QCOMPARE(Empreinte(3), avant);
}

// The change on node 1, a sign-in to the new year, then the undo on node 1: every node holds korven and the
// new year as they were before the change; the undo's preview replicated nothing.
void TestGrappe::retourSurChaqueNoeud() {
    EnvironnementTransition env(Donnees);
    Eleves(env);
    const QString initial = Empreinte(1);
    QVERIFY2(TTransitionAnnee().Executer(env.Parametres) == TIssueTransition::Validee,
             qPrintable(env.Boites().join(QLatin1Char('\n'))));
    QVERIFY(EnvironnementRetour::SeConnecter(QStringLiteral("admin"), QStringLiteral("a")));
    env.Plateforme.Vider();

    const qint64 avant = DerniereValidation(1);
    const TBilanRetour apercu = TRetourAnnee().Verifier(EnvironnementRetour::ParametresRetour());
    QVERIFY2(apercu.Possible(), qPrintable(apercu.Raison));
    QCOMPARE(DerniereValidation(1), avant);

    QVERIFY2(TRetourAnnee().Executer(EnvironnementRetour::ParametresRetour()) == TIssueTransition::Validee,
             qPrintable(env.Boites().join(QLatin1Char('\n'))));
    QCOMPARE(Empreinte(1), initial);
    QCOMPARE(Empreinte(2), initial);
    QCOMPARE(Empreinte(3), initial);
    QCOMPARE(Sql(3, QStringLiteral("SELECT utilisateur, operation FROM bd_2025_2026.journal")),
             QStringLiteral("admin\tSuppression"));
}

// Two workstations take the same change back at once, one on node 2 (it commits first), the other on node 1:
// the cluster refuses the second's transaction, which finds the year gone on its next try, says so and starts
// again; one undo, one entry, every node alike.
void TestGrappe::deuxRetoursSurDeuxNoeuds() {
    EnvironnementTransition env(Donnees);
    Eleves(env);
    const QString initial = Empreinte(1);
    QVERIFY2(TTransitionAnnee().Executer(env.Parametres) == TIssueTransition::Validee,
             qPrintable(env.Boites().join(QLatin1Char('\n'))));
    env.Plateforme.Vider();
    QString autrePoste;
    int codeAutrePoste = -1;
    TRetourAnnee retour;
    retour.Progression = [&](int, int, const QString& libelle, int) {
        if (!libelle.startsWith(QStringLiteral("Journal des opérations")) || codeAutrePoste != -1)
            return;
        QProcess aide;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("SOLVANE_DB_PORT"), Port(2));
        aide.setProcessEnvironment(e);
        aide.start(QStringLiteral(SOLVANE_AIDE_RETOUR), {QStringLiteral("admin")});
        aide.waitForFinished(180000);
        autrePoste = QString::fromUtf8(aide.readAll());
        codeAutrePoste = aide.exitCode();
    };
    QStringList essais;
    retour.NouvelEssai = [&essais](const QString& texte) { essais << texte; };
    QVERIFY(retour.Executer(EnvironnementRetour::ParametresRetour()) == TIssueTransition::DejaFaite);
    QCOMPARE(codeAutrePoste, 0);
    QVERIFY2(autrePoste.contains(QStringLiteral("Le retour à l'année scolaire 2025/2026 est terminé")),
             qPrintable(autrePoste));
    QCOMPARE(essais.size(), 1);
    QCOMPARE(env.Boites(), QStringList{QStringLiteral(
                               "L'année scolaire 2026/2027 a déjà été retirée de la base maîtresse "
                               "(korven.annee_scolaire), probablement par un autre poste.\r\nRien n'a été "
                               "modifié.")});
    QCOMPARE(env.Plateforme.Evenements.constLast(), QStringLiteral("Redémarrage"));
    QCOMPARE(Sql(1, QStringLiteral("SELECT COUNT(*) FROM bd_2025_2026.journal")), QStringLiteral("1"));
    QCOMPARE(Empreinte(1), initial);
    QCOMPARE(Empreinte(2), initial);
    QCOMPARE(Empreinte(3), initial);
}

QTEST_GUILESS_MAIN(TestGrappe)
#include "test_grappe.moc"
