// Taking the last change of year back, against the real server: korven and the new year's database hold
// again exactly what they held before the change, pre-existing rows with their values of then; the journal of
// the year active again keeps a trace; the change can be made again. Refused, nothing changed, whenever
// anything was written into the new year since (the program's own sign-in entries aside), the master table
// changed, or the account lacks the right. Its preview, and what the program keeps to do it.
#include "core/data/OBDataModuleU.h"
#include "core/journal/EcritureJournal.h"
#include "core/transition/EmpreinteAnnee.h"
#include "core/transition/EtapesTransition.h"
#include "support/EnvironnementRetour.h"

#include <QDate>
#include <QTest>

namespace {

const QString Ancienne = QStringLiteral("bd_2025_2026");
const QString Nouvelle = QStringLiteral("bd_2026_2027");
const QString Rien = QStringLiteral("\r\nRien n'a été modifié.");
const QString Refus = QStringLiteral("Le retour à l'année scolaire 2025/2026 n'est pas possible, car ");

// A table's figures in one line: rows now, removed, given back.
QString Chiffres(const TBilanRetour& bilan, const QString& table) {
    for (const TTableRetour& t : bilan.Tables)
        if (t.Table == table)
            return QStringLiteral("%1/%2/%3").arg(t.Lignes).arg(t.Retirees).arg(t.Remises);
    return QStringLiteral("absente");
}

QString Ligne(const TAnneeMaitre& a) {
    return QStringList{a.Code, a.Active, a.DateDebut, a.DateFin, a.NomEtablissement}.join(QLatin1Char('|'));
}

// The tables of the new year's database a change writes, as the undo's steps count them.
int TablesEcrites() {
    return static_cast<int>(TablesEcritesTransition().size());
}

} // namespace

class TestRetour : public QObject {
    Q_OBJECT

private slots:
    void changementPuisRetour();
    void changementRetourChangement();
    void apercu();
    void refus_data();
    void refus();
    void dejaRetiree();
    void tablesDuProgrammeCreees();
    void tablesDuProgrammeInutilisables_data();
    void tablesDuProgrammeInutilisables();
};

// The change, two sign-ins to the new year (a wrong password, then the right one), the undo: korven and the
// new year's database as before the change, row for row (the user "prof", the instalment and the parameters
// that were there before with their values of then); the closing year untouched but for one journal entry
// that says what was taken back, by whom and from where; one box, the restart.
void TestRetour::changementPuisRetour() {
    EnvironnementRetour env;
    const QStringList avant = env.Base.Empreinte(QStringLiteral("korven")) + env.Base.Empreinte(Nouvelle);
    const QStringList ancienneAvant = env.Base.Empreinte(Ancienne);
    QVERIFY(env.Changer());
    QVERIFY(!EnvironnementRetour::SeConnecter(QStringLiteral("admin"), QStringLiteral("mauvais"), 1));
    QVERIFY(EnvironnementRetour::SeConnecter(QStringLiteral("admin"), QStringLiteral("a"), 2));
    QCOMPARE(env.Base.Valeur(QStringLiteral("SELECT COUNT(*) FROM journal"), Nouvelle).toInt(), 3);

    const TBilanRetour bilan = TRetourAnnee::Examiner(QStringLiteral("2026/2027"));
    QVERIFY2(bilan.Possible(), qPrintable(bilan.Raison));
    QCOMPARE(bilan.AnneeRetiree, QStringLiteral("2026/2027"));
    QCOMPARE(bilan.AnneeRetablie, QStringLiteral("2025/2026"));
    QCOMPARE(bilan.BaseRetiree, Nouvelle);
    QCOMPARE(bilan.Utilisateur, QStringLiteral("admin"));
    QCOMPARE(bilan.Poste, TEcritureJournal::Poste());
    QCOMPARE(bilan.Date.date(), QDate::currentDate());
    QCOMPARE(bilan.Tables.size(), TablesEcrites());
    QCOMPARE(bilan.Tables.constLast().Table, QStringLiteral("journal"));
    QCOMPARE(Chiffres(bilan, QStringLiteral("eleve")), QStringLiteral("3/3/0"));
    QCOMPARE(Chiffres(bilan, QStringLiteral("utilisateur")), QStringLiteral("2/1/0"));
    QCOMPARE(Chiffres(bilan, QStringLiteral("parametres")), QStringLiteral("3/0/2"));
    QCOMPARE(Chiffres(bilan, QStringLiteral("tranche_eleve")), QStringLiteral("9/8/0"));
    QCOMPARE(Chiffres(bilan, QStringLiteral("journal")), QStringLiteral("3/3/0"));
    QCOMPARE(Ligne(bilan.LigneRetiree),
             QStringLiteral("2026/2027|1|%1||Collège d'Akwa")
                 .arg(QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"))));
    QCOMPARE(Ligne(bilan.LigneRetablie), QStringLiteral("2025/2026|1|2025/09/01||Collège d'Akwa"));

    QList<int> numeros;
    QStringList libelles;
    TRetourAnnee retour;
    retour.Progression = [&](int premier, int dernier, const QString& libelle, int restantes) {
        QCOMPARE(dernier, premier);
        QCOMPARE(restantes, TRetourAnnee::NombreEtapes(TablesEcrites()) - premier);
        numeros << premier;
        libelles << libelle;
    };
    QVERIFY(retour.Executer(EnvironnementRetour::ParametresRetour()) == TIssueTransition::Validee);

    QCOMPARE(env.Boites(),
             QStringList{BoiteFinRetour(QStringLiteral("2025/2026"), QStringLiteral("2026/2027"))});
    QCOMPARE(env.Boites().constFirst(),
             QStringLiteral("Le retour à l'année scolaire 2025/2026 est terminé : l'année 2026/2027 a été "
                            "retirée.\r\nL'application va être redémarrée."));
    QCOMPARE(env.Plateforme.Evenements.constLast(), QStringLiteral("Redémarrage"));
    for (int i = 0; i < numeros.size(); ++i)
        QCOMPARE(numeros.at(i), i + 1);
    QCOMPARE(numeros.size(), TRetourAnnee::NombreEtapes(TablesEcrites()));
    QCOMPARE(libelles.at(3), QStringLiteral("Réactivation de l'année scolaire 2025/2026"));
    QVERIFY(libelles.contains(QStringLiteral("Retrait des lignes de la table eleve")));
    QCOMPARE(libelles.constLast(), QStringLiteral("Redémarrage de l'application"));

    QCOMPARE(env.Base.Empreinte(QStringLiteral("korven")) + env.Base.Empreinte(Nouvelle), avant);
    QCOMPARE(
        env.Base.Lignes(QStringLiteral("SELECT login, nom, pass = SHA1('q') FROM utilisateur"), Nouvelle),
        QStringList{QStringLiteral("prof|Nom gardé|1")});
    QCOMPARE(
        env.Base.Lignes(QStringLiteral("SELECT nom, valeur_text FROM parametres ORDER BY nom"), Nouvelle),
        QStringList({QStringLiteral("LOGO_BULLETIN|texte"), QStringLiteral("NOM_SMS|à remplacer"),
                     QStringLiteral("SEULEMENT_NOUVEAU|garde sa valeur")}));
    QCOMPARE(env.Base.Lignes(QStringLiteral("SELECT id, id_tranche, MAT_ELEVE FROM tranche_eleve"), Nouvelle),
             QStringList{QStringLiteral("1|1|E001")});
    QCOMPARE(
        env.Base.Lignes(QStringLiteral("SELECT code, active, date_fin FROM korven.annee_scolaire ORDER BY "
                                       "code")),
        QStringList({QStringLiteral("2024/2025|0|2025-07-31"), QStringLiteral("2025/2026|1|NULL")}));

    // The closing year: every table as it was, and one entry more in its journal.
    const QStringList ancienneApres = env.Base.Empreinte(Ancienne);
    QCOMPARE(ancienneApres.size(), ancienneAvant.size());
    for (qsizetype i = 0; i < ancienneAvant.size(); ++i)
        if (!ancienneAvant.at(i).startsWith(QLatin1String("journal:")))
            QCOMPARE(ancienneApres.at(i), ancienneAvant.at(i));
    const QStringList entree = env.Base.Lignes(
        QStringLiteral(
            "SELECT utilisateur, poste, operation, domaine, libelle, date = CURDATE() FROM journal"),
        Ancienne);
    QCOMPARE(entree.size(), 1);
    const QString poste = TEcritureJournal::Poste();
    QCOMPARE(
        entree.constFirst(),
        QStringLiteral("admin|%1|Suppression|Administration de la Base de donnees|Retour à l'année scolaire "
                       "2025/2026 : l'année 2026/2027 est retirée (par admin, poste %1) ; elle avait été "
                       "ouverte le %2 à %3 par admin, poste %1.|1")
            .arg(poste, bilan.Date.toString(QStringLiteral("yyyy/MM/dd")),
                 bilan.Date.toString(QStringLiteral("hh:mm"))));
    QVERIFY(!OBDataModule->Tx());

    // Nothing is left to take back: the year active again was not opened by a recorded change.
    QCOMPARE(TRetourAnnee::Examiner(QStringLiteral("2025/2026")).Raison,
             QStringLiteral("Le retour à l'année scolaire précédente n'est pas possible, car l'année active "
                            "2025/2026 n'a pas été ouverte par un changement d'année que ce programme a "
                            "enregistré."));
}

// After the undo the change runs again, and leaves the same rows as the first time, but for the numbers the
// server gives (the instalments per student, the journal's entries) and the journal's time.
void TestRetour::changementRetourChangement() {
    EnvironnementRetour env;
    QVERIFY(env.Changer());
    const QStringList une = env.LignesSansNumeros();
    const QString tranches =
        env.Base.Lignes(QStringLiteral("SELECT MAX(id) FROM tranche_eleve"), Nouvelle).value(0);
    QVERIFY(EnvironnementRetour::SeConnecter(QStringLiteral("admin"), QStringLiteral("a")));
    QVERIFY(env.Revenir() == TIssueTransition::Validee);
    env.Plateforme.Vider();
    QVERIFY(env.Changer());
    QCOMPARE(env.LignesSansNumeros(), une);
    // The numbers did move on: the first change's rows are gone, not kept.
    QVERIFY(env.Base.Lignes(QStringLiteral("SELECT MIN(id) FROM tranche_eleve WHERE id > 1"), Nouvelle)
                .value(0)
                .toInt() > tranches.toInt());
    QVERIFY(TRetourAnnee::Examiner(QStringLiteral("2026/2027")).Possible());
}

// "Vérifier" for the undo: the figures of Examiner, read inside a transaction that is always undone; every
// database as it was, the journal's counter included; no box; the year connection as it pointed. The undo
// then runs as if nothing had happened.
void TestRetour::apercu() {
    EnvironnementRetour env;
    QVERIFY(env.Changer());
    QVERIFY(EnvironnementRetour::SeConnecter(QStringLiteral("admin"), QStringLiteral("a")));
    const TBilanRetour examen = TRetourAnnee::Examiner(QStringLiteral("2026/2027"));
    QVERIFY2(examen.Possible(), qPrintable(examen.Raison));
    const auto compteurs = [&env] {
        return env.Base.Lignes(
            QStringLiteral("SELECT TABLE_SCHEMA, TABLE_NAME, AUTO_INCREMENT FROM "
                           "information_schema.TABLES WHERE AUTO_INCREMENT IS NOT NULL AND "
                           "TABLE_SCHEMA IN ('korven', '%1', '%2') ORDER BY 1, 2")
                .arg(Ancienne, Nouvelle));
    };
    const QStringList avant = env.EmpreinteToutes() + compteurs();
    const QStringList connexion = OBDataModule->OBSQLConnection->Params;

    const TBilanRetour apercu = TRetourAnnee().Verifier(EnvironnementRetour::ParametresRetour());
    QVERIFY2(apercu.Possible(), qPrintable(apercu.Raison));
    QCOMPARE(env.EmpreinteToutes() + compteurs(), avant);
    QVERIFY(env.Plateforme.Evenements.isEmpty());
    QCOMPARE(OBDataModule->OBSQLConnection->Params, connexion);
    QCOMPARE(apercu.Tables.size(), examen.Tables.size());
    for (qsizetype i = 0; i < examen.Tables.size(); ++i)
        QCOMPARE(Chiffres(apercu, apercu.Tables.at(i).Table), Chiffres(examen, examen.Tables.at(i).Table));
    QCOMPARE(Ligne(apercu.LigneRetablie), Ligne(examen.LigneRetablie));
    QCOMPARE(Ligne(apercu.LigneRetiree), Ligne(examen.LigneRetiree));
    QVERIFY(ResumeRetour(apercu).contains(QStringLiteral("  eleve : 3 lignes retirées sur 3\n")));

    // What stops the undo, in the words its box would use.
    env.Base.Executer(QStringLiteral("INSERT INTO eleve (mat) VALUES ('E999')"), Nouvelle);
    const QStringList bloque = env.EmpreinteToutes() + compteurs();
    const TBilanRetour refus = TRetourAnnee().Verifier(EnvironnementRetour::ParametresRetour());
    QCOMPARE(refus.Raison,
             Refus +
                 QStringLiteral("la table « eleve » de la base bd_2026_2027 a changé depuis le "
                                "changement d'année : 1 ligne ajoutée (4 lignes au lieu de 3).") +
                 Rien);
    QVERIFY(refus.Tables.isEmpty());
    QCOMPARE(env.EmpreinteToutes() + compteurs(), bloque);
    QVERIFY(env.Plateforme.Evenements.isEmpty());

    env.Base.Executer(QStringLiteral("DELETE FROM eleve WHERE mat = 'E999'"), Nouvelle);
    QVERIFY(env.Revenir() == TIssueTransition::Validee);
    QCOMPARE(env.Base.Lignes(QStringLiteral("SELECT numero FROM journal"), Ancienne), QStringList{"1"});
}

void TestRetour::refus_data() {
    QTest::addColumn<QString>("instruction"); // run on the new year's database after the change
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("examen"); // what Examiner says (empty: it can)
    QTest::addColumn<QString>("boite");  // the undo's error box, before "Rien n'a été modifié."

    const QString eleve =
        Refus + QStringLiteral("la table « eleve » de la base bd_2026_2027 a changé depuis le "
                               "changement d'année : 1 ligne ajoutée (4 lignes au lieu de 3).");
    QTest::newRow("une ligne ajoutée dans une table écrite")
        << QStringLiteral("INSERT INTO eleve (mat, idclasse) VALUES ('E999', '6A')")
        << QStringLiteral("admin") << eleve << eleve;
    const QString utilisateur =
        Refus +
        QStringLiteral("la table « utilisateur » de la base bd_2026_2027 a changé depuis le changement "
                       "d'année : des lignes modifiées (toujours 2 lignes, mais leur contenu a changé).");
    QTest::newRow("une ligne modifiée")
        << QStringLiteral("UPDATE utilisateur SET nom = 'Autre' WHERE login = 'prof'")
        << QStringLiteral("admin") << utilisateur << utilisateur;
    const QString classe =
        Refus + QStringLiteral("la table « classe » de la base bd_2026_2027 a changé depuis le "
                               "changement d'année : 1 ligne supprimée (2 lignes au lieu de 3).");
    QTest::newRow("une ligne supprimée") << QStringLiteral("DELETE FROM classe WHERE code = '3B'")
                                         << QStringLiteral("admin") << classe << classe;
    const QString decision =
        Refus + QStringLiteral("la table « decision » de la base bd_2026_2027 a changé depuis le changement "
                               "d'année : 1 ligne ajoutée (1 ligne au lieu de 0).");
    QTest::newRow("une ligne dans une table que le changement n'écrit pas")
        << QStringLiteral("INSERT INTO decision (mat, decision) VALUES ('E001', 'Admis')")
        << QStringLiteral("admin") << decision << decision;
    const QString journal =
        Refus + QStringLiteral("la table « journal » de la base bd_2026_2027 a changé depuis le "
                               "changement d'année : 1 ligne ajoutée (2 lignes au lieu de 1).");
    QTest::newRow("une opération dans le journal")
        << QStringLiteral(
               "INSERT INTO journal (utilisateur, libelle, operation, domaine) VALUES ('secretaire', "
               "'Inscription de E004', 'Ajout', 'Scolarité')")
        << QStringLiteral("admin") << journal << journal;
    QTest::newRow("la connexion d'un autre programme")
        << QStringLiteral("INSERT INTO journal (utilisateur, libelle, operation, domaine) VALUES ('admin', "
                          "'[admin] - Scolarité - Tentative de connexion, Essai 1.', 'Connexion', "
                          "'Administration de la Base de donnees')")
        << QStringLiteral("admin") << journal << journal;
    const QString annees =
        Refus +
        QStringLiteral("la table des années (korven.annee_scolaire) a changé depuis le changement "
                       "d'année : des lignes modifiées (toujours 3 lignes, mais leur contenu a changé).");
    QTest::newRow("la table des années modifiée")
        << QStringLiteral(
               "UPDATE korven.annee_scolaire SET nom_etablissement = 'Autre' WHERE code = '2024/2025'")
        << QStringLiteral("admin") << annees << annees;
    const QString uneAnneeDePlus =
        Refus + QStringLiteral("la table des années (korven.annee_scolaire) a changé depuis le changement "
                               "d'année : 1 ligne ajoutée (4 lignes au lieu de 3).");
    QTest::newRow("une année ajoutée à la table des années")
        << QStringLiteral("INSERT INTO korven.annee_scolaire (code, active) VALUES ('2027/2028', '0')")
        << QStringLiteral("admin") << uneAnneeDePlus << uneAnneeDePlus;
    const QString creee =
        Refus + QStringLiteral("la table « notes » a été créée dans la base bd_2026_2027 depuis "
                               "le changement d'année et contient 1 ligne.");
    QTest::newRow("une table créée depuis, avec une ligne")
        << QStringLiteral("CREATE TABLE notes (mat VARCHAR(30)) SELECT 'E001' AS mat")
        << QStringLiteral("admin") << creee << creee;
    const QString structure =
        Refus + QStringLiteral("la table « salle » de la base bd_2026_2027 a changé de structure depuis le "
                               "changement d'année (colonnes ajoutées, retirées ou modifiées).");
    QTest::newRow("une colonne ajoutée") << QStringLiteral("ALTER TABLE salle ADD COLUMN etage INT NULL")
                                         << QStringLiteral("admin") << structure << structure;
    const QString sansEnregistrement = QStringLiteral(
        "Le retour à l'année scolaire précédente n'est pas possible, car l'année active 2026/2027 "
        "n'a pas été ouverte par un changement d'année que ce programme a enregistré.");
    QTest::newRow("le changement n'est pas enregistré")
        << QStringLiteral("DELETE FROM korven.solvane_changement") << QStringLiteral("admin")
        << sansEnregistrement << sansEnregistrement;
    // The sign-in refuses such an account and ends the program; the undo refuses it all the same.
    QTest::newRow("un compte sans le droit")
        << QStringLiteral("DO 0") << QStringLiteral("prof") << QString()
        << Refus + QStringLiteral(
                       "le compte « prof » ne détient pas le droit ACTIVER_ANNEE_SCOLAIRE dans l'année "
                       "2026/2027.");
}

// Anything written into the new year since the change, or the master table changed, or an account without
// the right: the undo is refused in one box that names the first table that differs and how; nothing changes,
// no restart, no transaction left open. Examiner says the same without a box. Once the cause is gone, it
// works.
void TestRetour::refus() {
    QFETCH(QString, instruction);
    QFETCH(QString, login);
    QFETCH(QString, examen);
    QFETCH(QString, boite);

    EnvironnementRetour env;
    QVERIFY(env.Changer());
    QVERIFY(EnvironnementRetour::SeConnecter(QStringLiteral("admin"), QStringLiteral("a")));
    env.Base.Executer(instruction, Nouvelle);
    const QStringList avant = env.EmpreinteToutes();

    QCOMPARE(TRetourAnnee::Examiner(QStringLiteral("2026/2027")).Raison, examen);
    QVERIFY(env.Revenir(login) == TIssueTransition::Echouee);
    QCOMPARE(env.Boites(), QStringList{boite + Rien});
    QVERIFY(!env.Plateforme.Terminee);
    QVERIFY(!OBDataModule->Tx());
    QCOMPARE(env.EmpreinteToutes(), avant);
    QCOMPARE(TRetourAnnee().Verifier(EnvironnementRetour::ParametresRetour(login)).Raison, boite + Rien);
    QCOMPARE(env.EmpreinteToutes(), avant);
}

// The year was taken back already (another workstation, or an earlier run of this one): the undo says so and
// the program starts again to its sign-in, since the year it was opened on is gone.
void TestRetour::dejaRetiree() {
    EnvironnementRetour env;
    QVERIFY(env.Changer());
    QVERIFY(env.Revenir() == TIssueTransition::Validee);
    env.Plateforme.Vider();
    const QStringList avant = env.EmpreinteToutes();
    QVERIFY(env.Revenir() == TIssueTransition::DejaFaite);
    QCOMPARE(env.Boites(),
             QStringList{QStringLiteral("L'année scolaire 2026/2027 a déjà été retirée de la base "
                                        "maîtresse (korven.annee_scolaire), probablement par un "
                                        "autre poste.\r\nRien n'a été modifié.")});
    QCOMPARE(env.Plateforme.Evenements.constLast(), QStringLiteral("Redémarrage"));
    QCOMPARE(env.EmpreinteToutes(), avant);
}

// A master database without the program's tables: the preview makes none; the change makes them, the same as
// sql/korven.sql, and records itself in them.
void TestRetour::tablesDuProgrammeCreees() {
    EnvironnementRetour env;
    const auto definitions = [&env] {
        QStringList d;
        for (const QString& table : {TableChangementRetour, TableTablesRetour, TableLignesRetour})
            d << env.Base.Lignes(QStringLiteral("SHOW CREATE TABLE korven.") + table).value(0);
        return d;
    };
    const QStringList schema = definitions();
    QCOMPARE(schema.size(), 3);
    for (const QString& table : {TableChangementRetour, TableTablesRetour, TableLignesRetour})
        env.Base.Executer(QStringLiteral("DROP TABLE korven.") + table);
    const QStringList sansTables = env.Base.Empreinte(QStringLiteral("korven"));

    env.Parametres.DictionnaireEleves = &env.Eleves;
    env.Parametres.DictionnaireElevesNew = &env.Placement;
    QVERIFY(TTransitionAnnee().Verifier(env.Parametres).Blocage.isEmpty());
    QCOMPARE(env.Base.Empreinte(QStringLiteral("korven")), sansTables);

    QVERIFY(env.Changer());
    QCOMPARE(definitions(), schema);
    QVERIFY(TRetourAnnee::Examiner(QStringLiteral("2026/2027")).Possible());
}

void TestRetour::tablesDuProgrammeInutilisables_data() {
    QTest::addColumn<QStringList>("instructions"); // on korven, before the change
    QTest::addColumn<QString>("raison");           // why the undo is not offered
    QTest::newRow("une séquence à la place d'une table")
        << QStringList{QStringLiteral("DROP TABLE solvane_ligne"),
                       QStringLiteral("CREATE SEQUENCE solvane_ligne")}
        << QStringLiteral(
               "Le retour à l'année scolaire précédente n'est pas possible, car la base maîtresse ne "
               "contient pas les tables où ce programme enregistre chaque changement d'année "
               "(korven.solvane_changement, korven.solvane_table, korven.solvane_ligne) : le compte "
               "de la configuration n'a peut-être pas le droit de les créer.");
    QTest::newRow("une table sans la colonne des lignes")
        << QStringList{QStringLiteral("DROP TABLE solvane_ligne"),
                       QStringLiteral("CREATE TABLE solvane_ligne (annee VARCHAR(20) NOT NULL)")}
        << QStringLiteral(
               "Le retour à l'année scolaire précédente n'est pas possible, car l'année active "
               "2026/2027 n'a pas été ouverte par un changement d'année que ce programme a enregistré.");
}

// A master database where the program cannot keep its record (something else under one of its tables' names,
// or a table of another shape): the change runs exactly as without the record, every box in its place, and
// nothing of the record is kept; the undo is not offered, and says why.
void TestRetour::tablesDuProgrammeInutilisables() {
    QFETCH(QStringList, instructions);
    QFETCH(QString, raison);
    EnvironnementRetour env;
    for (const QString& instruction : instructions)
        env.Base.Executer(instruction, QStringLiteral("korven"));
    QVERIFY(env.Executer());
    QCOMPARE(env.Boites(), EnvironnementTransition::BoitesCompletes());
    QCOMPARE(env.Base.Lignes(QStringLiteral("SELECT code FROM korven.annee_scolaire WHERE active = '1'")),
             QStringList{QStringLiteral("2026/2027")});
    QCOMPARE(env.Base.Valeur(QStringLiteral("SELECT COUNT(*) FROM eleve"), Nouvelle).toInt(), 3);
    QCOMPARE(env.Base.Valeur(QStringLiteral("SELECT COUNT(*) FROM journal"), Nouvelle).toInt(), 1);
    QCOMPARE(env.Base.Valeur(QStringLiteral("SELECT COUNT(*) FROM korven.solvane_changement")).toInt(), 0);
    QCOMPARE(env.Base.Valeur(QStringLiteral("SELECT COUNT(*) FROM korven.solvane_table")).toInt(), 0);
    QCOMPARE(TRetourAnnee::Examiner(QStringLiteral("2026/2027")).Raison, raison);
    env.Plateforme.Vider();
    QVERIFY(env.Revenir() == TIssueTransition::Echouee);
    QCOMPARE(env.Boites(), QStringList{raison + Rien});
    QCOMPARE(env.Base.Lignes(QStringLiteral("SELECT code FROM korven.annee_scolaire WHERE active = '1'")),
             QStringList{QStringLiteral("2026/2027")});
}

QTEST_GUILESS_MAIN(TestRetour)
#include "test_retour.moc"
