// The students page driven through its controls, on the school of tests/data/assistant.sql: the lists each
// choice offers, the students listed, placing and un-placing, the page's messages.
#include "core/transition/ChangementAnnee.h"
#include "gui/wizard/ListeCochee.h"
#include "gui/wizard/PageEleves.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"
#include "support/Basculer.h"
#include "support/EnvironnementAssistant.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

namespace {

using Env = EnvironnementAssistant;

const QString SansCoche = QStringLiteral("Vous devez sélectionner au moins un élève.");
const QString SansClasse = QStringLiteral("Voues devez sélectionner la nouvelle classe.");

const QString S01 = QStringLiteral("[S01] - Abena Paul");
const QString S07 = QStringLiteral("[S07] - Abena Paul");
const QString S03 = QStringLiteral("[S03] - Bella Marc");
const QString S04 = QStringLiteral("[S04] - Ebogo Luc");
const QString S06 = QStringLiteral("[S06] - Essomba Jean");
const QString S05 = QStringLiteral("[S05] - Fouda Anne");
const QString S02 = QStringLiteral("[S02] - N'Guessan Éloïse");

// The codes of the classes a class list offers ("[code] - name" items), in order within each level.
QStringList Codes(const QComboBox* boite) {
    QStringList codes;
    for (const QString& texte : Env::Textes(boite))
        codes << texte.mid(1, texte.indexOf(QLatin1Char(']')) - 1);
    return codes;
}

// The students page on a class: section, level, old class, decision filter, in this order, as the user picks
// them.
void Classe(Env& env, const QString& section, const QString& niveau, const QString& ancienne,
            const QString& filtre = QStringLiteral("Ignorer")) {
    TPageEleves& a = env.Eleves();
    if (a.ComboBoxElevesSection->currentText() != section)
        Env::Choisir(a.ComboBoxElevesSection, section);
    if (a.ComboBoxElevesNiveau->currentText() != niveau)
        Env::Choisir(a.ComboBoxElevesNiveau, niveau);
    if (a.ComboBoxElevesAncienneClasse->currentText() != ancienne)
        Env::Choisir(a.ComboBoxElevesAncienneClasse, ancienne);
    if (a.ComboBoxElevesPromusRedoublantsExclus->currentText() != filtre)
        Env::Choisir(a.ComboBoxElevesPromusRedoublantsExclus, filtre);
}

} // namespace

class TestPageEleves : public QObject {
    Q_OBJECT

private slots:
    void etatInitial();
    void nouvellesClasses_data();
    void nouvellesClasses();
    void classesDUnNiveauParCode();
    void decisions_data();
    void decisions();
    void derniereClasseDUneSection();
    void orientation_data();
    void orientation();
    void placerPuisRetirer();
    void deplacerUnEleve();
    void masquerLesElevesPlaces_data();
    void masquerLesElevesPlaces();
    void validerSansCoche();
    void sectionSansNiveaux();
    void proposerUneRepartition();
    void pageSeule();
};

// As the sign-in leaves it, then as leaving the elements page shows it.
void TestPageEleves::etatInitial() {
    Env env;
    TPageEleves& a = env.Eleves();
    QCOMPARE(Env::Textes(a.ComboBoxElevesSection),
             QStringList({"Anglophone section", "Section francophone", "Section vide"}));
    QCOMPARE(a.ComboBoxElevesSection->currentIndex(), 0);
    QCOMPARE(Env::Textes(a.ComboBoxElevesNiveau), QStringList({"Form 1", "Form 2"}));
    QCOMPARE(a.ComboBoxElevesNiveau->currentIndex(), 0);
    QCOMPARE(Env::Textes(a.ComboBoxElevesAncienneClasse), QStringList{"Form 1 A"});
    QCOMPARE(a.ComboBoxElevesPromusRedoublantsExclus->currentText(), QStringLiteral("Ignorer"));
    QCOMPARE(Env::Textes(a.ComboBoxElevesPromusRedoublantsExclus),
             QStringList({"Ignorer", "Promus", "Redoublants", "Exclus et Promus", "Exclus et Redouble"}));
    QCOMPARE(Env::Textes(a.ComboBoxElevesNouvelleClasse),
             QStringList({"[F1A] - Form 1 A", "[F2A] - Form 2 A"}));
    QCOMPARE(a.ComboBoxElevesNouvelleClasse->currentIndex(), 0);
    // Every student, by name, none placed, all ticked.
    QCOMPARE(env.Lignes().size(), 12);
    QCOMPARE(env.Lignes().mid(0, 7),
             QStringList({S01, S07, QStringLiteral("[S31] - Ashu Joy"), S03, S04, S06, S05}));
    QVERIFY(!env.Coches().contains(false));
    QCOMPARE(a.CheckBoxElevesSelectionner->checkState(), Qt::Checked);
    QVERIFY(!a.CheckBoxSelectionBas->isChecked());
    QVERIFY(!a.CheckBoxTenirCompteOrientation->isChecked());
    QCOMPARE(env.Changement->NouvelleAnnee(), QStringLiteral("2026/2027"));

    env.AllerAuxEleves();
    QCOMPARE(env.Lignes(), QStringList{"[S31] - Ashu Joy"});
    QCOMPARE(env.Coches(), QList<bool>{false});
    QCOMPARE(a.CheckBoxElevesSelectionner->checkState(), Qt::Unchecked);
    QVERIFY(env.Plateforme.Messages().isEmpty());
}

// The classes offered as the new class: same level for the repeating filters, next level for the promoted
// ones, both for "Ignorer" and for a level whose examination decides the promotion; always of the section.
void TestPageEleves::nouvellesClasses_data() {
    QTest::addColumn<QString>("niveau");
    QTest::addColumn<QString>("ancienne");
    QTest::addColumn<QString>("filtre");
    QTest::addColumn<QStringList>("classes");
    const QStringList sixieme{"6A", "6B"}, cinquieme{"5A", "5B"};
    QTest::newRow("6e ignorer") << "Sixième"
                                << "Sixième A"
                                << "Ignorer" << sixieme + cinquieme;
    QTest::newRow("6e promus") << "Sixième"
                               << "Sixième A"
                               << "Promus" << cinquieme;
    QTest::newRow("6e exclus et promus") << "Sixième"
                                         << "Sixième A"
                                         << "Exclus et Promus" << cinquieme;
    QTest::newRow("6e redoublants") << "Sixième"
                                    << "Sixième A"
                                    << "Redoublants" << sixieme;
    QTest::newRow("6e exclus et redouble") << "Sixième"
                                           << "Sixième A"
                                           << "Exclus et Redouble" << sixieme;
    const QStringList troisieme{"3A", "2NDA", "2NDC"};
    for (const char* filtre : {"Ignorer", "Promus", "Redoublants", "Exclus et Promus", "Exclus et Redouble"})
        QTest::addRow("3e à examen, %s", filtre) << "Troisième"
                                                 << "Troisième A" << QString::fromUtf8(filtre) << troisieme;
    QTest::newRow("5e promus, pas de niveau d'ordre 3") << "Cinquième"
                                                        << "Cinquième B"
                                                        << "Promus" << QStringList{};
    QTest::newRow("terminale ignorer") << "Terminale"
                                       << "Terminale A"
                                       << "Ignorer" << QStringList{"TLEA", "TLED"};
    QTest::newRow("terminale promus") << "Terminale"
                                      << "Terminale A"
                                      << "Promus" << QStringList{};
}

void TestPageEleves::nouvellesClasses() {
    QFETCH(QString, niveau);
    QFETCH(QString, ancienne);
    QFETCH(QString, filtre);
    QFETCH(QStringList, classes);
    Env env;
    env.AllerAuxEleves();
    Classe(env, QStringLiteral("Section francophone"), niveau, ancienne, filtre);
    // By level, then by code.
    QCOMPARE(Codes(env.Eleves().ComboBoxElevesNouvelleClasse), classes);
    QCOMPARE(env.Eleves().ComboBoxElevesNouvelleClasse->currentIndex(), classes.isEmpty() ? -1 : 0);
    QVERIFY(env.Plateforme.Messages().isEmpty());
}

// Classes of one level come by code, in both lists, whatever order the server keeps them in: here they were
// added last and their names sort the other way round.
void TestPageEleves::classesDUnNiveauParCode() {
    Env env(false);
    env.Base.Executer(
        QStringLiteral("INSERT INTO classe (code, lib, niv, id_langue) VALUES ('F1C', 'Form 1 0', "
                       "'F1', 2), ('F1B', 'Form 1 00', 'F1', 2)"),
        QStringLiteral("bd_2025_2026"));
    env.Remplir();
    env.AllerAuxEleves();
    Classe(env, QStringLiteral("Anglophone section"), QStringLiteral("Form 1"), QStringLiteral("Form 1 A"));
    QCOMPARE(Env::Textes(env.Eleves().ComboBoxElevesAncienneClasse),
             QStringList({"Form 1 A", "Form 1 00", "Form 1 0"}));
    QCOMPARE(Codes(env.Eleves().ComboBoxElevesNouvelleClasse), QStringList({"F1A", "F1B", "F1C", "F2A"}));
}

// Each filter lists its own decisions; "Redouble et Exclu" is a repeater.
void TestPageEleves::decisions_data() {
    QTest::addColumn<QString>("filtre");
    QTest::addColumn<QStringList>("eleves");
    QTest::newRow("Ignorer") << "Ignorer" << QStringList{S01, S07, S03, S04, S06, S05, S02};
    QTest::newRow("Promus") << "Promus" << QStringList{S01, S07, S02};
    QTest::newRow("Redoublants") << "Redoublants" << QStringList{S03, S06};
    QTest::newRow("Exclus et Promus") << "Exclus et Promus" << QStringList{S05};
    QTest::newRow("Exclus et Redouble") << "Exclus et Redouble" << QStringList{S04};
}

void TestPageEleves::decisions() {
    QFETCH(QString, filtre);
    QFETCH(QStringList, eleves);
    Env env;
    env.AllerAuxEleves();
    Classe(env, QStringLiteral("Section francophone"), QStringLiteral("Sixième"), QStringLiteral("Sixième A"),
           filtre);
    QCOMPARE(env.Lignes(), eleves);
    QCOMPARE(env.Coches(), QList<bool>(eleves.size(), false));
}

// No class to go to: the list is emptied, the box keeps its state, and "&Valider" says why it cannot place.
void TestPageEleves::derniereClasseDUneSection() {
    Env env;
    TPageEleves& a = env.Eleves();
    env.AllerAuxEleves();
    Classe(env, QStringLiteral("Section francophone"), QStringLiteral("Terminale"),
           QStringLiteral("Terminale A"));
    QCOMPARE(env.Lignes(), QStringList{"[S21] - Tchoua Ruth"});
    env.CliquerToutSelectionner();
    QCOMPARE(a.CheckBoxElevesSelectionner->checkState(), Qt::Checked);
    Env::Choisir(a.ComboBoxElevesPromusRedoublantsExclus, QStringLiteral("Promus"));
    QCOMPARE(a.ComboBoxElevesNouvelleClasse->count(), 0);
    QVERIFY(env.Lignes().isEmpty());
    QCOMPARE(a.CheckBoxElevesSelectionner->checkState(), Qt::Checked);
    env.Valider();
    QCOMPARE(env.Plateforme.Messages(), QStringList{SansClasse});

    env.CliquerToutSelectionner();
    QCOMPARE(a.CheckBoxElevesSelectionner->checkState(), Qt::Unchecked);
    env.Plateforme.Vider();
    env.Valider();
    QCOMPARE(env.Plateforme.Messages(), QStringList{SansCoche});
    QVERIFY(env.Changement->Placement().isEmpty());
}

// With orientation asked for, a student oriented to another series than the new class's is hidden; a student
// without one, or a class without one, passes.
void TestPageEleves::orientation_data() {
    QTest::addColumn<bool>("tenirCompte");
    QTest::addColumn<QString>("nouvelle");
    QTest::addColumn<QStringList>("eleves");
    QTest::addColumn<Geste>("facon");
    const QString manga = QStringLiteral("[S11] - Manga Alice"),
                  ndzana = QStringLiteral("[S12] - Ndzana Chris"),
                  owona = QStringLiteral("[S13] - Owona Inès");
    QTest::newRow("seconde A") << true << "[2NDA] - Seconde A" << QStringList{manga, owona} << Geste::Souris;
    QTest::newRow("seconde C") << true << "[2NDC] - Seconde C" << QStringList{ndzana, owona} << Geste::Souris;
    QTest::newRow("classe sans série")
        << true << "[3A] - Troisième A" << QStringList{manga, ndzana, owona} << Geste::Souris;
    QTest::newRow("orientation ignorée")
        << false << "[2NDA] - Seconde A" << QStringList{manga, ndzana, owona} << Geste::Souris;
    // The list follows the box's state, whoever turns it over.
    QTest::newRow("seconde A, au clavier")
        << true << "[2NDA] - Seconde A" << QStringList{manga, owona} << Geste::Clavier;
    QTest::newRow("seconde A, par le programme")
        << true << "[2NDA] - Seconde A" << QStringList{manga, owona} << Geste::Programme;
    QTest::newRow("seconde A, par un lecteur d'écran")
        << true << "[2NDA] - Seconde A" << QStringList{manga, owona} << Geste::LecteurDEcran;
}

void TestPageEleves::orientation() {
    QFETCH(bool, tenirCompte);
    QFETCH(QString, nouvelle);
    QFETCH(QStringList, eleves);
    QFETCH(Geste, facon);
    Env env;
    TPageEleves& a = env.Eleves();
    env.AllerAuxEleves();
    Classe(env, QStringLiteral("Section francophone"), QStringLiteral("Troisième"),
           QStringLiteral("Troisième A"), QStringLiteral("Promus"));
    Env::Choisir(a.ComboBoxElevesNouvelleClasse, nouvelle);
    if (tenirCompte)
        Basculer(a.CheckBoxTenirCompteOrientation, facon);
    QCOMPARE(a.CheckBoxTenirCompteOrientation->isChecked(), tenirCompte);
    QCOMPARE(env.Lignes(), eleves);
}

// Three of five ticked and validated are placed (their lines end with the class, ticked), the two others are
// not; un-ticking two of the three and validating takes them out again.
void TestPageEleves::placerPuisRetirer() {
    Env env;
    TPageEleves& a = env.Eleves();
    env.AllerAuxEleves();
    Classe(env, QStringLiteral("Section francophone"), QStringLiteral("Sixième"), QStringLiteral("Sixième A"),
           QStringLiteral("Promus"));
    Env::Choisir(a.ComboBoxElevesPromusRedoublantsExclus, QStringLiteral("Ignorer"));
    Env::Choisir(a.ComboBoxElevesNouvelleClasse, QStringLiteral("[5A] - Cinquième A"));
    QCOMPARE(env.Lignes(), QStringList({S01, S07, S03, S04, S06, S05, S02}));
    // Five of them: the first five lines; three ticked.
    env.Cocher(0, true);
    env.Cocher(2, true);
    env.Cocher(4, true);
    QCOMPARE(a.CheckBoxElevesSelectionner->checkState(), Qt::PartiallyChecked);
    env.Valider();
    QCOMPARE(env.Placement(), QStringList({"S01:5A", "S03:5A", "S06:5A"}));
    QCOMPARE(env.Lignes(), QStringList({S01 + " - 5A", S07, S03 + " - 5A", S04, S06 + " - 5A", S05, S02}));
    QCOMPARE(env.Coches(), QList<bool>({true, false, true, false, true, false, false}));
    QCOMPARE(a.CheckBoxElevesSelectionner->checkState(), Qt::PartiallyChecked);

    env.Cocher(2, false);
    env.Cocher(4, false);
    env.Valider();
    QCOMPARE(env.Placement(), QStringList{"S01:5A"});
    QCOMPARE(env.Lignes(), QStringList({S01 + " - 5A", S07, S03, S04, S06, S05, S02}));
    QVERIFY(env.Plateforme.Messages().isEmpty());
}

// A student placed in one class and ticked again under another moves there; an unticked student placed
// elsewhere is taken out.
void TestPageEleves::deplacerUnEleve() {
    Env env;
    TPageEleves& a = env.Eleves();
    env.AllerAuxEleves();
    Classe(env, QStringLiteral("Section francophone"), QStringLiteral("Sixième"), QStringLiteral("Sixième A"),
           QStringLiteral("Promus"));
    Env::Choisir(a.ComboBoxElevesNouvelleClasse, QStringLiteral("[5A] - Cinquième A"));
    env.CliquerToutSelectionner();
    env.Valider();
    QCOMPARE(env.Placement(), QStringList({"S01:5A", "S02:5A", "S07:5A"}));

    Env::Choisir(a.ComboBoxElevesNouvelleClasse, QStringLiteral("[5B] - Cinquième B"));
    QCOMPARE(env.Lignes(), QStringList({S01 + " - 5A", S07 + " - 5A", S02 + " - 5A"}));
    QCOMPARE(env.Coches(), QList<bool>({true, true, true}));
    env.Cocher(1, false);
    env.Valider();
    QCOMPARE(env.Placement(), QStringList({"S01:5B", "S02:5B"}));
    QCOMPARE(env.Lignes(), QStringList({S01 + " - 5B", S07, S02 + " - 5B"}));
}

// "Afficher uniquement les élèves qui n'ont pas encore de classe": placed students leave the list, at once
// and after each "&Valider"; however the box is turned over.
void TestPageEleves::masquerLesElevesPlaces_data() {
    QTest::addColumn<Geste>("facon");
    QTest::newRow("souris") << Geste::Souris;
    QTest::newRow("clavier") << Geste::Clavier;
    QTest::newRow("programme") << Geste::Programme;
    QTest::newRow("lecteur d'écran") << Geste::LecteurDEcran;
}

void TestPageEleves::masquerLesElevesPlaces() {
    QFETCH(Geste, facon);
    Env env;
    TPageEleves& a = env.Eleves();
    env.AllerAuxEleves();
    Classe(env, QStringLiteral("Section francophone"), QStringLiteral("Sixième"), QStringLiteral("Sixième A"),
           QStringLiteral("Redoublants"));
    env.Cocher(0, true);
    env.Valider();
    QCOMPARE(env.Lignes(), QStringList({S03 + " - 6A", S06}));
    Basculer(a.CheckBoxSelectionBas, facon);
    QCOMPARE(env.Lignes(), QStringList{S06});
    env.Cocher(0, true);
    env.Valider();
    QVERIFY(env.Lignes().isEmpty());
    QCOMPARE(a.CheckBoxElevesSelectionner->checkState(), Qt::Unchecked);
    QCOMPARE(env.Placement(), QStringList({"S03:6A", "S06:6A"}));
    Basculer(a.CheckBoxSelectionBas, facon);
    QCOMPARE(env.Lignes(), QStringList({S03 + " - 6A", S06 + " - 6A"}));
}

// Nothing ticked: "&Valider" says so and changes nothing.
void TestPageEleves::validerSansCoche() {
    Env env;
    TPageEleves& a = env.Eleves();
    env.AllerAuxEleves();
    env.Changement->Valider(false, {{QStringLiteral("S31"), true}}, QStringLiteral("F2A"));
    Env::Choisir(a.ComboBoxElevesNouvelleClasse, QStringLiteral("[F2A] - Form 2 A"));
    QCOMPARE(env.Coches(), QList<bool>{true});
    env.Cocher(0, false);
    QCOMPARE(a.CheckBoxElevesSelectionner->checkState(), Qt::Unchecked);
    env.Valider();
    QCOMPARE(env.Plateforme.Messages(), QStringList{SansCoche});
    QCOMPARE(env.Placement(), QStringList{"S31:F2A"});
}

// A section without levels empties the level, old-class and new-class lists; the student list stays.
void TestPageEleves::sectionSansNiveaux() {
    Env env;
    TPageEleves& a = env.Eleves();
    env.AllerAuxEleves();
    Env::Choisir(a.ComboBoxElevesSection, QStringLiteral("Section francophone"));
    const QStringList avant = env.Lignes();
    QCOMPARE(avant.size(), 7);
    Env::Choisir(a.ComboBoxElevesSection, QStringLiteral("Section vide"));
    QCOMPARE(a.ComboBoxElevesNiveau->count(), 0);
    QCOMPARE(a.ComboBoxElevesAncienneClasse->count(), 0);
    QCOMPARE(a.ComboBoxElevesNouvelleClasse->count(), 0);
    QCOMPARE(env.Lignes(), avant);
    QVERIFY(env.Plateforme.Messages().isEmpty());
}

// "Proposer une répartition" (Alt+R) places every promoted and repeating student not yet placed, keeps the
// hand-made placements, says what it did in one box; "Annuler la proposition" takes back exactly its own
// placements, not those the user changed since.
void TestPageEleves::proposerUneRepartition() {
    Env env;
    TPageEleves& a = env.Eleves();
    env.AllerAuxEleves();
    QVERIFY(!a.ButtonAnnulerProposition->isEnabled());
    // By hand first: the Terminale student, whom no proposal would place.
    Classe(env, QStringLiteral("Section francophone"), QStringLiteral("Terminale"),
           QStringLiteral("Terminale A"));
    Env::Choisir(a.ComboBoxElevesNouvelleClasse, QStringLiteral("[TLED] - Terminale D"));
    env.Cocher(0, true);
    env.Valider();
    QCOMPARE(env.Placement(), QStringList{"S21:TLED"});

    // Alt+R is the proposal's; Alt+P stays "< &Précédent"'s on this page as on the others.
    QCOMPARE(a.ButtonProposer->shortcut(), QKeySequence(QStringLiteral("Alt+R")));
    QCOMPARE(env.Assistant->button(QWizard::BackButton)->shortcut(), QKeySequence(QStringLiteral("Alt+P")));
    QTest::mouseClick(a.ButtonProposer, Qt::LeftButton);
    QCOMPARE(env.Plateforme.Messages().size(), 1);
    const QString resume = env.Plateforme.Messages().first();
    QVERIFY2(resume.contains(QStringLiteral("placés par la proposition : 9 (promus : 7, redoublants : 2)")),
             qPrintable(resume));
    QVERIFY2(resume.contains(QStringLiteral("restant à placer vous-même : 2")), qPrintable(resume));
    QVERIFY(resume.contains(QStringLiteral("exclus : 2")));
    QCOMPARE(env.Placement(), QStringList({"S01:5A", "S02:5A", "S03:6A", "S06:6A", "S07:5B", "S11:2NDA",
                                           "S12:2NDC", "S13:2NDA", "S21:TLED", "S31:F2A"}));
    // The list shows them placed, ticked.
    QCOMPARE(env.Lignes(), QStringList{"[S21] - Tchoua Ruth - TLED"});
    Classe(env, QStringLiteral("Section francophone"), QStringLiteral("Sixième"), QStringLiteral("Sixième A"),
           QStringLiteral("Promus"));
    QCOMPARE(env.Lignes(), QStringList({S01 + " - 5A", S07 + " - 5B", S02 + " - 5A"}));
    QCOMPARE(env.Coches(), QList<bool>({true, true, true}));
    QVERIFY(a.ButtonAnnulerProposition->isEnabled());

    // A second press has nothing left to place.
    env.Plateforme.Vider();
    QTest::mouseClick(a.ButtonProposer, Qt::LeftButton);
    QVERIFY(env.Plateforme.Messages().first().contains(QStringLiteral("placés par la proposition : 0")));
    QCOMPARE(env.Placement().size(), 10);

    // S01 moved by hand is the user's decision now.
    Env::Choisir(a.ComboBoxElevesNouvelleClasse, QStringLiteral("[5B] - Cinquième B"));
    env.Cocher(1, false);
    env.Cocher(2, false);
    env.Valider();
    QTest::mouseClick(a.ButtonAnnulerProposition, Qt::LeftButton);
    QCOMPARE(env.Placement(), QStringList({"S01:5B", "S21:TLED"}));
    QVERIFY(!a.ButtonAnnulerProposition->isEnabled());
    QCOMPARE(env.Lignes(), QStringList({S01 + " - 5B", S07, S02}));
    env.Assistant->back();
    QCOMPARE(env.Assistant->button(QWizard::BackButton)->shortcut(), QKeySequence(QStringLiteral("Alt+P")));
}

// The page alone, without a wizard around it: filled from the change, it lists and places as in the wizard,
// and asks before leaving students without a class.
void TestPageEleves::pageSeule() {
    Env env;
    TPageEleves page(*env.Changement);
    page.Remplir();
    page.show();
    QCOMPARE(page.ListeEleves->Modele->Nombre(), 12);
    QCOMPARE(page.ListeEleves->Modele->NombreCoches(), 12);
    Env::Choisir(page.ComboBoxElevesSection, QStringLiteral("Section francophone"));
    Env::Choisir(page.ComboBoxElevesPromusRedoublantsExclus, QStringLiteral("Redoublants"));
    QCOMPARE(Codes(page.ComboBoxElevesNouvelleClasse), QStringList({"6A", "6B"}));
    QCOMPARE(page.ListeEleves->Modele->Nombre(), 2);
    page.ListeEleves->Modele->CocherTout(true);
    page.ListeEleves->MettreBoiteAJour();
    QTest::mouseClick(page.ButtonElevesValider, Qt::LeftButton);
    QCOMPARE(env.Placement(), QStringList({"S03:6A", "S06:6A"}));
    env.Plateforme.Reponses = {false};
    QVERIFY(!page.validatePage());
    QCOMPARE(env.Plateforme.Messages(), QStringList{QuestionElevesNonPlaces});
    QCOMPARE(page.nextId(), int(TFAssistantNouvelleAnnee::Etape8Fin));
}

QTEST_MAIN(TestPageEleves)
#include "test_page_eleves.moc"
