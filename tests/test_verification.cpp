// "Vérifier": the whole year's change run inside a transaction that is always undone, against the real
// server. Its figures are those of the real run that follows; it leaves every database and the year
// connection as they were, shows no box, and reports what would stop the real run in the real run's words.
#include "core/data/OBDataModuleU.h"
#include "core/data/Requete.h"
#include "core/platform/Poste.h"
#include "core/transition/BilanTransition.h"
#include "core/transition/EtapesTransition.h"
#include "core/transition/RapportTransition.h"
#include "support/EnvironnementTransition.h"
#include "support/LecturePdf.h"

#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Ancienne = QStringLiteral("bd_2025_2026");
const QString Nouvelle = QStringLiteral("bd_2026_2027");
const QString Donnees = QStringLiteral(SOLVANE_TEST_DATA "/transition.sql");
const QString Rien = QStringLiteral("Rien n'a été modifié.");

// What the figures of one table say, in one line.
QStringList Lignes(const TBilanTransition& bilan) {
    QStringList lignes;
    for (const TLigneBilan& l : bilan.Lignes)
        lignes << QStringLiteral("%1 %2 %3/%4/%5 %6")
                      .arg(l.Numero)
                      .arg(l.Table)
                      .arg(l.Anciennes)
                      .arg(l.Nouvelles)
                      .arg(l.NonReportees)
                      .arg(l.Exemples.join(QStringLiteral(" | ")));
    return lignes;
}

// The figures of the step that fills that table of the new year.
const TLigneBilan* Ligne(const TBilanTransition& bilan, const QString& table) {
    for (const TLigneBilan& l : bilan.Lignes)
        if (l.Table == table)
            return &l;
    return nullptr;
}

// Every table of korven and both years, and the counters of the self-numbering tables.
QStringList Empreinte(EnvironnementTransition& env) {
    return env.Base.Empreinte(QStringLiteral("korven")) + env.Base.Empreinte(Ancienne) +
           env.Base.Empreinte(Nouvelle) +
           env.Base.Lignes(QStringLiteral("SELECT TABLE_SCHEMA, TABLE_NAME, AUTO_INCREMENT FROM "
                                          "information_schema.TABLES WHERE AUTO_INCREMENT IS NOT NULL AND "
                                          "TABLE_SCHEMA IN ('korven', '%1', '%2') ORDER BY 1, 2")
                               .arg(Ancienne, Nouvelle));
}

// Students of the closing year, placed in a class the change carries, and two left unplaced; the run's values
// point at them.
void Eleves(EnvironnementTransition& env, TDictionnaireDecisions& decisions, TOrdreEleves& ordre) {
    for (const char* m : {"E001", "E002", "E003"})
        env.AjouterEleve(QString::fromLatin1(m), QStringLiteral("Élève"), QString::fromLatin1(m),
                         QStringLiteral("6A"));
    env.AjouterEleve(QStringLiteral("E004"), QStringLiteral("N'Guessan"), QStringLiteral("Éloïse"),
                     QString());
    env.AjouterEleve(QStringLiteral("E005"), QStringLiteral("Abena"), QStringLiteral("Paul"), QString());
    for (const auto& [matricule, eleve] : env.Eleves) {
        decisions.insert(matricule,
                         matricule == QLatin1String("E005") ? QStringLiteral("E") : QStringLiteral("P"));
        ordre.push_back(eleve.get());
    }
    env.Parametres.DictionnaireEleves = &env.Eleves;
    env.Parametres.DictionnaireElevesNew = &env.Placement;
    env.Parametres.DictionnaireDecisions = &decisions;
    env.Parametres.Ordre = &ordre;
}

} // namespace

class TestVerification : public QObject {
    Q_OBJECT

private slots:
    void memesChiffresQueLeVraiChangement();
    void rienNeChange();
    void classesParNiveauPuisCode();
    void raisonsDesLignesNonReportees();
    void raisonDeChaqueCopie_data();
    void raisonDeChaqueCopie();
    void chaqueRaisonEprouvee();
    void blocages_data();
    void blocages();
};

// The students placed per class come by their level's rank, then by code, whatever the codes' own order
// ("2D" of the fifth level after "6A" of the first), in the preview and in the committed run's figures.
void TestVerification::classesParNiveauPuisCode() {
    EnvironnementTransition env(Donnees);
    TDictionnaireDecisions decisions;
    TOrdreEleves ordre;
    Eleves(env, decisions, ordre);
    env.Placement.insert(QStringLiteral("E001"), QStringLiteral("2D"));
    env.Placement.insert(QStringLiteral("E004"), QStringLiteral("2D"));
    const QList<QPair<QString, int>> attendu = {{QStringLiteral("6A"), 2}, {QStringLiteral("2D"), 2}};
    TTransitionAnnee apercu;
    const TBilanTransition previsions = apercu.Verifier(env.Parametres);
    QVERIFY2(previsions.Blocage.isEmpty(), qPrintable(previsions.Blocage));
    QCOMPARE(previsions.ElevesParClasse, attendu);
    QVERIFY2(TTransitionAnnee().Executer(env.Parametres) == TIssueTransition::Validee,
             qPrintable(env.Boites().join(QLatin1Char('\n'))));
    QCOMPARE(TTransitionAnnee::BilanApresValidation(env.Parametres).ElevesParClasse, attendu);
}

// The preview's figures are those of the real run that follows it.
void TestVerification::memesChiffresQueLeVraiChangement() {
    EnvironnementTransition env(Donnees);
    TDictionnaireDecisions decisions;
    TOrdreEleves ordre;
    Eleves(env, decisions, ordre);

    TTransitionAnnee apercu;
    const TBilanTransition previsions = apercu.Verifier(env.Parametres);
    QVERIFY2(previsions.Blocage.isEmpty(), qPrintable(previsions.Blocage));
    QVERIFY(env.Plateforme.Evenements.isEmpty());
    QVERIFY(previsions.Lignes.size() > 30);

    QList<TRapportTransition> rapports;
    TTransitionAnnee transition;
    transition.ApresValidation = [&rapports](const TRapportTransition& r) { rapports << r; };
    env.Parametres.NomUtilisateur = QStringLiteral("Administratrice");
    QVERIFY(transition.Executer(env.Parametres) == TIssueTransition::Validee);
    QCOMPARE(rapports.size(), 1);
    const TRapportTransition& rapport = rapports.first();
    QCOMPARE(Lignes(rapport.Bilan), Lignes(previsions));
    QVERIFY(rapport.Debut.isValid() && rapport.Fin.isValid() && rapport.Debut <= rapport.Fin);
    // Who ran it and where; the school of the closing year under the new year's code.
    QCOMPARE(rapport.Utilisateur, QStringLiteral("admin (Administratrice)"));
    QVERIFY2(rapport.Poste.startsWith(GetNomMachine()), qPrintable(rapport.Poste));
    QCOMPARE(rapport.AncienneAnnee, QStringLiteral("2025/2026"));
    QCOMPARE(rapport.NouvelleAnnee, QStringLiteral("2026/2027"));
    QCOMPARE(rapport.Entete.AnneeFr, QStringLiteral("Année scolaire: 2026/2027"));
    // The report comes before the closing box.
    QCOMPARE(env.Plateforme.Evenements.constLast(), QStringLiteral("Redémarrage"));

    // Students: placed per class, and those with a decision left behind.
    QCOMPARE(previsions.ElevesParClasse, (QList<QPair<QString, int>>{{QStringLiteral("6A"), 3}}));
    QCOMPARE(previsions.NonPlaces.size(), 2);
    QCOMPARE(previsions.NonPlaces.at(0).Nom, QStringLiteral("N'Guessan"));
    QCOMPARE(previsions.NonPlaces.at(1).Decision, QStringLiteral("E"));
    // A table copied, one carried only in part, the instalments made per student.
    const TLigneBilan* utilisateurs = Ligne(previsions, QStringLiteral("utilisateur"));
    QVERIFY(utilisateurs != nullptr);
    QCOMPARE(utilisateurs->Anciennes, 2);
    QCOMPARE(utilisateurs->NonReportees, 0);
    const TLigneBilan* tranches = Ligne(previsions, QStringLiteral("tranche_eleve"));
    QVERIFY(tranches != nullptr);
    QCOMPARE(tranches->Anciennes, -1);
    QCOMPARE(tranches->Nouvelles,
             env.Base.Valeur(QStringLiteral("SELECT COUNT(*) FROM tranche_eleve"), Nouvelle).toInt());

    // The run's report, drawn into a PDF file: the school's header, the figures, a class's head count, a
    // student left without a class.
    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("rapport.pdf"));
    {
        QPdfWriter ecrivain(pdf);
        PreparerPageRapportTransition(ecrivain);
        QVERIFY(DessinerRapportTransition(ecrivain, rapport) >= 1);
    }
    const QString texte = LecturePdf::Texte(pdf);
    QVERIFY2(texte.contains(QStringLiteral("Collège d'Akwa")), qPrintable(texte));
    QVERIFY(texte.contains(QStringLiteral("Année scolaire: 2026/2027")));
    QVERIFY(texte.contains(QStringLiteral("6B — Sixième B : salle non reportée")));
    QVERIFY(texte.contains(QStringLiteral("N'Guessan")));
    QVERIFY(texte.contains(QStringLiteral("2025/2026")));
    const QStringList lignes = LecturePdf::Lignes(pdf);
    bool effectif = false;
    for (const QString& ligne : lignes)
        effectif = effectif || ligne.contains(QRegularExpression(QStringLiteral("\\b6A 3\\b")));
    QVERIFY2(effectif, qPrintable(lignes.join(QLatin1Char('\n'))));
}

// Every byte of every database is as it was, the counters of self-numbering tables included; no box; the
// year connection points at the closing year again and the real run still works.
void TestVerification::rienNeChange() {
    EnvironnementTransition env(Donnees);
    TDictionnaireDecisions decisions;
    TOrdreEleves ordre;
    Eleves(env, decisions, ordre);
    const QStringList avant = Empreinte(env);
    const QStringList connexion = OBDataModule->OBSQLConnection->Params;

    TTransitionAnnee apercu;
    QVERIFY(apercu.Verifier(env.Parametres).Blocage.isEmpty());
    QVERIFY(apercu.Verifier(env.Parametres).Blocage.isEmpty());
    QCOMPARE(Empreinte(env), avant);
    QVERIFY(env.Plateforme.Evenements.isEmpty());
    QCOMPARE(OBDataModule->OBSQLConnection->Params, connexion);
    TRequete base(OBDataModule->OBSQLConnection, QStringLiteral("ProviderDonneeTest"));
    QCOMPARE(
        base.Ouvrir({QStringLiteral("SELECT DATABASE() AS b")}).FieldByName(QStringLiteral("b")).AsString(),
        Ancienne);

    QVERIFY(env.Executer());
    QCOMPARE(env.Base.Valeur(QStringLiteral("SELECT COUNT(*) FROM eleve"), Nouvelle).toInt(), 3);
    // The journal's first entry of the new year is its first number: the preview's were undone.
    QCOMPARE(env.Base.Lignes(QStringLiteral("SELECT numero FROM journal"), Nouvelle), QStringList{"1"});
}

// The rows left behind are named, first by key, with the reason the copy's conditions give: a class whose
// room is not carried, a member of staff without department, a class whose form teacher is not carried.
void TestVerification::raisonsDesLignesNonReportees() {
    EnvironnementTransition env(Donnees);
    TTransitionAnnee apercu;
    const TBilanTransition b = apercu.Verifier(env.Parametres);
    QVERIFY2(b.Blocage.isEmpty(), qPrintable(b.Blocage));
    const TLigneBilan* classes = Ligne(b, QStringLiteral("classe"));
    const TLigneBilan* personnel = Ligne(b, QStringLiteral("personnel"));
    const TLigneBilan* personnes = Ligne(b, QStringLiteral("personne"));
    QVERIFY(classes && personnel && personnes);
    const QString tout = classes->Exemples.join(QLatin1Char('\n'));
    QVERIFY2(tout.contains(QStringLiteral("6B — Sixième B : salle non reportée")), qPrintable(tout));
    QVERIFY2(tout.contains(QStringLiteral("3A — Troisième A : professeur titulaire non reporté")),
             qPrintable(tout));
    QCOMPARE(classes->NonReportees, classes->Exemples.size());
    QVERIFY(personnel->Exemples.contains(QStringLiteral("P2 — Sans Département : sans département")));
    QVERIFY(personnes->Exemples.contains(QStringLiteral("P2 — Sans Département : sans département")));
    // The staff's persons are compared with the staff's persons, not with every person.
    QCOMPARE(personnes->Anciennes, 3);
    QCOMPARE(personnes->Nouvelles, 2);
}

// One row of the closing year left behind by a copy, and the reason "Vérifier" gives for it: the copy's
// table, what makes the school of tests/data/transition.sql leave that row (empty: the school as it is), the
// line shown.
struct TRaison {
    const char* Table;
    const char* Preparation;
    const char* Exemple;
};

const QList<TRaison> Raisons = {
    {"series", "", "2 — C : nom déjà pris dans la nouvelle année"},
    {"examens", "INSERT INTO bd_2026_2027.examens (num, nom) VALUES (7, 'BEPC')",
     "1 — BEPC : nom déjà pris dans la nouvelle année"},
    {"langue", "INSERT INTO bd_2026_2027.langue (id, code, libelle) VALUES (8, 'EN', 'Anglais')",
     "2 — English : code déjà pris dans la nouvelle année"},
    {"langue", "INSERT INTO bd_2026_2027.langue (id, code, libelle) VALUES (8, 'GB', 'English')",
     "2 — English : libellé déjà pris dans la nouvelle année"},
    {"section", "", "4 — Section italienne : langue non reportée"},
    {"section",
     "INSERT INTO bd_2026_2027.section (id, code, libelle, id_langue) VALUES (8, 'SA', 'Autre', 1)",
     "2 — Anglophone section : code déjà pris dans la nouvelle année"},
    {"section",
     "INSERT INTO bd_2026_2027.section (id, code, libelle, id_langue) VALUES (8, 'SX', 'Anglophone section', "
     "1)",
     "2 — Anglophone section : libellé déjà pris dans la nouvelle année"},
    {"salle", "", "2 — Salle B : nom déjà pris dans la nouvelle année"},
    {"departement", "INSERT INTO bd_2026_2027.departement (num, nom) VALUES (8, 'Lettres')",
     "2 — Lettres : nom déjà pris dans la nouvelle année"},
    {"lecon", "INSERT INTO bd_2026_2027.lecon (code, intitule) VALUES ('L9', 'Algèbre')",
     "L1 — Algèbre : intitulé déjà pris dans la nouvelle année"},
    {"grade", "INSERT INTO bd_2026_2027.grade (id, code, intitule) VALUES (8, 'PLEG', 'Autre')",
     "1 — Professeur : code déjà pris dans la nouvelle année"},
    {"fonction", "INSERT INTO bd_2026_2027.fonction (id, code, nom) VALUES (8, 'ECO', 'Autre')",
     "2 — Économe : code déjà pris dans la nouvelle année"},
    {"fonction", "INSERT INTO bd_2026_2027.fonction (id, code, nom) VALUES (8, 'XXX', 'Économe')",
     "2 — Économe : nom déjà pris dans la nouvelle année"},
    {"personne", "", "P2 — Sans Département : sans département"},
    {"personne", "INSERT INTO bd_2026_2027.departement (num, nom) VALUES (8, 'Lettres')",
     "P3 — Ngo Irène : département non reporté"},
    {"personnel", "", "P2 — Sans Département : sans département"},
    {"personnel", "INSERT INTO bd_2026_2027.departement (num, nom) VALUES (8, 'Lettres')",
     "P3 — Ngo Irène : département non reporté"},
    {"classe", "", "XX — Sans niveau : niveau non reporté"},
    {"classe", "UPDATE bd_2025_2026.classe SET id_langue = 9 WHERE code = '3B'",
     "3B — Troisième B : langue non reportée"},
    {"classe", "", "6B — Sixième B : salle non reportée"},
    {"classe", "", "3A — Troisième A : professeur titulaire non reporté"},
    {"classe", "", "2C — Seconde C : série non reportée"},
    {"classe", "INSERT INTO bd_2026_2027.classe (code, lib, niv) VALUES ('Z1', 'Troisième B', '3E')",
     "3B — Troisième B : libellé déjà pris dans la nouvelle année"},
    {"matiere", "INSERT INTO bd_2026_2027.matiere (code, lib) VALUES ('M9', 'Français')",
     "FR — Français : libellé déjà pris dans la nouvelle année"},
    {"photos", "", "E9 — Non Placé : personne non reportée"},
    {"classe_lecon", "", "2 — 6B / L1 : classe non reportée"},
    {"classe_lecon", "INSERT INTO bd_2026_2027.lecon (code, intitule) VALUES ('L9', 'Algèbre')",
     "1 — 6A / L1 : leçon non reportée"},
    {"classe_lecon", "", "3 — 6A / L2 : enseignant non reporté"},
    {"classe_matiere", "", "3 — 3A / MATH : classe non reportée"},
    {"classe_matiere", "INSERT INTO bd_2026_2027.matiere (code, lib) VALUES ('M9', 'Mathématiques')",
     "1 — 6A / MATH : matière non reportée"},
    {"classe_matiere", "", "4 — 2D / FR : enseignant non reporté"},
    {"frais_niveau", "", "3 — 3 / 6E : frais non en vigueur"},
    {"frais_niveau", "", "5 — 9 / 2ND : frais non reporté"},
    {"frais_niveau", "", "4 — 1 / ZZ : niveau non reporté"},
    {"tranche", "", "4 : frais non reporté"},
    {"charge", "", "3 — Orpheline : catégorie non reportée"},
};

void TestVerification::raisonDeChaqueCopie_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("preparation");
    QTest::addColumn<QString>("exemple");
    for (const TRaison& r : Raisons)
        QTest::addRow("%s: %s", r.Table, r.Exemple)
            << QString::fromUtf8(r.Table) << QString::fromUtf8(r.Preparation) << QString::fromUtf8(r.Exemple);
}

void TestVerification::raisonDeChaqueCopie() {
    QFETCH(QString, table);
    QFETCH(QString, preparation);
    QFETCH(QString, exemple);
    EnvironnementTransition env(Donnees);
    if (!preparation.isEmpty())
        env.Base.Executer(preparation);
    TTransitionAnnee apercu;
    const TBilanTransition b = apercu.Verifier(env.Parametres);
    QVERIFY2(b.Blocage.isEmpty(), qPrintable(b.Blocage));
    const TLigneBilan* ligne = Ligne(b, table);
    QVERIFY(ligne != nullptr);
    QVERIFY2(ligne->Exemples.contains(exemple), qPrintable(ligne->Exemples.join(QLatin1Char('\n'))));
    QCOMPARE(ligne->NonReportees, ligne->Exemples.size());
}

// Every copy that can say why it leaves a row behind has its reasons tried above, each one.
void TestVerification::chaqueRaisonEprouvee() {
    for (const TEtapeCopie& etape : EtapesCopie()) {
        QStringList eprouvees;
        for (const TRaison& r : Raisons)
            if (QString::fromUtf8(r.Table) == etape.Tables.value(0))
                eprouvees << QString::fromUtf8(r.Exemple).section(QStringLiteral(" : "), -1);
        for (const TConditionCopie& condition : etape.Conditions)
            QVERIFY2(condition.Motif.isEmpty() || eprouvees.contains(condition.Motif),
                     qPrintable(etape.Tables.value(0) + QStringLiteral(": ") + condition.Motif +
                                QStringLiteral(" untried")));
    }
}

// What stops the real run is said in its words, followed by "Rien n'a été modifié.", and nothing changes.
void TestVerification::blocages_data() {
    QTest::addColumn<QString>("preparation"); // on the closing year (empty: none)
    QTest::addColumn<QString>("nouvelle");    // on the new year (empty: none)
    QTest::addColumn<QString>("debut");
    QTest::newRow("table absente") << QStringLiteral("DROP TABLE frais") << QString()
                                   << QStringLiteral("Une erreur est survenue : \r\n");
    QTest::newRow("table sans transactions")
        << QString() << QStringLiteral("ALTER TABLE banque ENGINE=MyISAM")
        << QStringLiteral(
               "Le changement d'année scolaire est impossible : ces tables ne prennent pas en charge");
    QTest::newRow("base de la nouvelle année absente")
        << QString() << QStringLiteral("DROP DATABASE bd_2026_2027")
        << QStringLiteral("Impossible de se connecter à la base de données : \r\n");
    QTest::newRow("matricule d'élève déjà pris par le personnel")
        << QStringLiteral("placement P1") << QString()
        << QStringLiteral("Une erreur est survenue : \r\nDuplicate entry");
    // Another workstation has just made the change: said as such, not in the server's words.
    QTest::newRow("nouvelle année déjà enregistrée")
        << QStringLiteral(
               "INSERT INTO korven.annee_scolaire (code, active, date_debut, nom_etablissement) VALUES "
               "('2026/2027', '0', CURDATE(), 'Collège d''Akwa')")
        << QString()
        << QStringLiteral(
               "L'année scolaire 2026/2027 est déjà enregistrée dans la base maîtresse "
               "(korven.annee_scolaire), probablement par un autre poste.\r\nRien n'a été modifié.");
    QTest::newRow("classe de placement non reportée")
        << QStringLiteral("placement 6B") << QString()
        << QStringLiteral("Une erreur est survenue : \r\nCes classes");
}

void TestVerification::blocages() {
    QFETCH(QString, preparation);
    QFETCH(QString, nouvelle);
    QFETCH(QString, debut);
    EnvironnementTransition env(Donnees);
    if (preparation == QLatin1String("placement 6B"))
        env.AjouterEleve(QStringLiteral("E001"), QStringLiteral("Kamga"), QStringLiteral("Luc"),
                         QStringLiteral("6B"));
    else if (preparation == QLatin1String("placement P1"))
        env.AjouterEleve(QStringLiteral("P1"), QStringLiteral("Homonyme"), QStringLiteral("du professeur"),
                         QStringLiteral("6A"));
    else if (!preparation.isEmpty())
        env.Base.Executer(preparation, Ancienne);
    if (!nouvelle.isEmpty())
        env.Base.Executer(nouvelle,
                          nouvelle.startsWith(QLatin1String("DROP DATABASE")) ? QString() : Nouvelle);
    env.Parametres.DictionnaireEleves = &env.Eleves;
    env.Parametres.DictionnaireElevesNew = &env.Placement;
    const QStringList avant = env.Base.Empreinte(QStringLiteral("korven")) + env.Base.Empreinte(Ancienne);
    TTransitionAnnee apercu;
    const TBilanTransition b = apercu.Verifier(env.Parametres);
    QVERIFY2(b.Blocage.startsWith(debut), qPrintable(b.Blocage));
    QVERIFY2(b.Blocage.endsWith(Rien), qPrintable(b.Blocage));
    QVERIFY(b.Lignes.isEmpty());
    QVERIFY(env.Plateforme.Evenements.isEmpty());
    QCOMPARE(env.Base.Empreinte(QStringLiteral("korven")) + env.Base.Empreinte(Ancienne), avant);

    // The real run stops with the same words.
    QVERIFY(!env.Executer());
    QCOMPARE(env.Plateforme.Messages().size() > 0, true);
    const QString reel = env.Plateforme.Messages().constLast();
    QVERIFY2(b.Blocage.startsWith(reel), qPrintable(reel + QStringLiteral(" / ") + b.Blocage));
}

QTEST_MAIN(TestVerification)
#include "test_verification.moc"
