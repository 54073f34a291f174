// The year change a sign-in opens, without any window: what it reads, which students each choice of the
// students page lists, what "&Valider", the proposal and its undoing do to the placement, "Elèves" unticked,
// and the values the change and its preview take. On the school of tests/data/assistant.sql (closing year
// 2025/2026).
#include "base/KORVENTypesU.h"
#include "core/data/OBDataModuleU.h"
#include "core/transition/ChangementAnnee.h"
#include "core/transition/TransitionAnnee.h"
#include "support/BaseDeTest.h"
#include "support/PlateformeScriptee.h"

#include <QTest>

namespace {

const QString Ancienne = QStringLiteral("bd_2025_2026");

TDemarrage DemarrageDeTest() {
    return ServeurDeTest::Demarrage(QStringLiteral("2025/2026"), Ancienne, QStringLiteral("Lycée d'Essos"));
}

// The lines a list shows, as "matricule" or "matricule*" for a placed student.
QStringList Lignes(const std::vector<TEleveListe>& lignes) {
    QStringList textes;
    for (const TEleveListe& l : lignes)
        textes << l.Eleve->GetMatricule() + (l.Place ? QStringLiteral("*") : QString());
    return textes;
}

QStringList Placement(const TChangementAnnee& c) {
    QStringList textes;
    for (auto it = c.Placement().cbegin(); it != c.Placement().cend(); ++it)
        textes << it.key() + QLatin1Char(':') + it.value();
    return textes;
}

TCriteresListe Criteres(const QString& classe, int filtre = FiltreIgnorer, bool nonPlaces = false) {
    TCriteresListe c;
    c.CodeAncienneClasse = classe;
    c.Filtre = filtre;
    c.SeulementNonPlaces = nonPlaces;
    return c;
}

} // namespace

class TestChangement : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ouverture();
    void ouvertureImpossible();
    void listes_data();
    void listes();
    void valider();
    void validerRefuse_data();
    void validerRefuse();
    void propositionPuisAnnulation();
    void elevesDecoches();

private:
    std::unique_ptr<BaseDeTest> base_;
    std::unique_ptr<PlateformeScriptee> plateforme_;
    std::unique_ptr<TOBDataModule> module_;
    std::unique_ptr<TChangementAnnee> Ouvrir();
};

void TestChangement::init() {
    base_ = std::make_unique<BaseDeTest>();
    base_->ExecuterFichier(QStringLiteral(SOLVANE_TEST_DATA "/assistant.sql"), Ancienne);
    plateforme_ = std::make_unique<PlateformeScriptee>();
    module_ = std::make_unique<TOBDataModule>();
    ServeurDeTest::Configurer(module_->OBSQLConnection, Ancienne);
    ServeurDeTest::Configurer(module_->OBOrbelanSQLConnection, QStringLiteral("korven"));
}

void TestChangement::cleanup() {
    module_.reset();
    plateforme_.reset();
    base_.reset();
}

std::unique_ptr<TChangementAnnee> TestChangement::Ouvrir() {
    return TChangementAnnee::Ouvrir(DemarrageDeTest(), QStringLiteral("admin"),
                                    QStringLiteral("Administrateur"));
}

// Every student with a decision, none placed; the new year follows the active one; the account and the
// start-up's values kept as given.
void TestChangement::ouverture() {
    const std::unique_ptr<TChangementAnnee> c = Ouvrir();
    QCOMPARE(c->DictionnaireEleves().size(), size_t(12));
    QCOMPARE(c->Ordre().size(), size_t(12));
    QVERIFY(!c->DictionnaireEleves().count(QStringLiteral("S08"))); // no decision
    QCOMPARE(c->Decisions().value(QStringLiteral("S06")), QStringLiteral("R"));
    QVERIFY(c->Placement().isEmpty());
    QVERIFY(!c->TousPlaces());
    QCOMPARE(c->NouvelleAnnee(), QStringLiteral("2026/2027"));
    QCOMPARE(c->Login(), QStringLiteral("admin"));
    QCOMPARE(c->NomUtilisateur(), QStringLiteral("Administrateur"));
    QVERIFY(c->Eleves());
    // Every student is listed for the first display, none placed.
    QCOMPARE(Lignes(c->TousLesEleves()).size(), 12);
    QVERIFY(!Lignes(c->TousLesEleves()).join(QString()).contains(QLatin1Char('*')));
}

// A school whose configuration cannot be read, or a student with two decisions: nothing is opened.
void TestChangement::ouvertureImpossible() {
    base_->Executer(QStringLiteral("ALTER TABLE configuration DROP COLUMN heure_du_edt"), Ancienne);
    QVERIFY_THROWS_EXCEPTION(EKorven, Ouvrir());
    base_->Executer(QStringLiteral("ALTER TABLE configuration ADD COLUMN heure_du_edt VARCHAR(10) NULL"),
                    Ancienne);
    base_->Executer(QStringLiteral("INSERT INTO decision (mat, decision) VALUES ('S01', 'Promu')"), Ancienne);
    try {
        Ouvrir();
        QFAIL("a student with two decisions was accepted");
    } catch (const EKorven& e) {
        QVERIFY2(e.Message().contains(QStringLiteral("S01")), qPrintable(e.Message()));
    }
}

// The students a class lists for each decision filter, with and without the placed ones.
void TestChangement::listes_data() {
    QTest::addColumn<QString>("classe");
    QTest::addColumn<int>("filtre");
    QTest::addColumn<bool>("nonPlaces");
    QTest::addColumn<QStringList>("lignes");
    // 6A: S01 P (placed), S02 P (empty decision), S03 R (placed), S04 E, S05 PE, S06 R (and excluded), S07 P.
    QTest::newRow("6A, tous") << "6A" << int(FiltreIgnorer) << false
                              << QStringList{"S01*", "S07", "S03*", "S04", "S06", "S05", "S02"};
    QTest::newRow("6A, non placés") << "6A" << int(FiltreIgnorer) << true
                                    << QStringList{"S07", "S04", "S06", "S05", "S02"};
    QTest::newRow("6A, promus") << "6A" << int(FiltrePromus) << false << QStringList{"S01*", "S07", "S02"};
    QTest::newRow("6A, redoublants") << "6A" << int(FiltreRedoublants) << false << QStringList{"S03*", "S06"};
    QTest::newRow("6A, exclus et promus") << "6A" << int(FiltreExclusPromus) << false << QStringList{"S05"};
    QTest::newRow("6A, exclus") << "6A" << int(FiltreExclusRedouble) << false << QStringList{"S04"};
    QTest::newRow("classe sans élève") << "5A" << int(FiltreIgnorer) << false << QStringList{};
}

void TestChangement::listes() {
    QFETCH(QString, classe);
    QFETCH(int, filtre);
    QFETCH(bool, nonPlaces);
    QFETCH(QStringList, lignes);
    const std::unique_ptr<TChangementAnnee> c = Ouvrir();
    c->Valider(false, {{QStringLiteral("S01"), true}, {QStringLiteral("S03"), true}}, QStringLiteral("5A"));
    QCOMPARE(Lignes(c->Lister(Criteres(classe, filtre, nonPlaces))), lignes);
}

// Ticked lines are placed in the class (an earlier placement replaced), unticked ones taken out; a placed
// student's line names its class.
void TestChangement::valider() {
    const std::unique_ptr<TChangementAnnee> c = Ouvrir();
    c->Valider(false, {{QStringLiteral("S01"), true}, {QStringLiteral("S02"), true}}, QStringLiteral("5A"));
    QCOMPARE(Placement(*c), QStringList({"S01:5A", "S02:5A"}));
    c->Valider(false, {{QStringLiteral("S01"), true}, {QStringLiteral("S02"), false}}, QStringLiteral("5B"));
    QCOMPARE(Placement(*c), QStringList({"S01:5B"}));
    QCOMPARE(c->Lister(Criteres(QStringLiteral("6A"), FiltrePromus)).front().Texte,
             QStringLiteral("[S01] - Abena Paul - 5B"));
}

// Nothing ticked, or no new class offered: the page's message, and the placement as it was.
void TestChangement::validerRefuse_data() {
    QTest::addColumn<bool>("aucunCoche");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("message");
    QTest::newRow("rien de coché") << true << "5A" << MessageAucunEleveCoche;
    QTest::newRow("aucune nouvelle classe") << false << QString() << MessageSansNouvelleClasse;
    QTest::newRow("ni l'un ni l'autre") << true << QString() << MessageAucunEleveCoche;
}

void TestChangement::validerRefuse() {
    QFETCH(bool, aucunCoche);
    QFETCH(QString, classe);
    QFETCH(QString, message);
    const std::unique_ptr<TChangementAnnee> c = Ouvrir();
    c->Valider(false, {{QStringLiteral("S31"), true}}, QStringLiteral("F2A"));
    try {
        c->Valider(aucunCoche, {{QStringLiteral("S31"), false}, {QStringLiteral("S01"), true}}, classe);
        QFAIL("accepted");
    } catch (const EKorven& e) {
        QCOMPARE(e.Message(), message);
    }
    QCOMPARE(Placement(*c), QStringList{"S31:F2A"});
}

// The proposal places every ordinary student not placed yet and leaves the hand-made places; taking it back
// removes exactly its own places, not those changed by hand since.
void TestChangement::propositionPuisAnnulation() {
    const std::unique_ptr<TChangementAnnee> c = Ouvrir();
    c->Valider(false, {{QStringLiteral("S21"), true}}, QStringLiteral("TLED"));
    QVERIFY(!c->PropositionEnCours());
    const TProposition p = c->Proposer();
    QCOMPARE(p.Placements.size(), 9);
    QVERIFY(c->PropositionEnCours());
    QCOMPARE(Placement(*c), QStringList({"S01:5A", "S02:5A", "S03:6A", "S06:6A", "S07:5B", "S11:2NDA",
                                         "S12:2NDC", "S13:2NDA", "S21:TLED", "S31:F2A"}));
    // S01 moved by hand is the user's decision now; S07 taken out by hand stays out.
    c->Valider(false, {{QStringLiteral("S01"), true}, {QStringLiteral("S07"), false}}, QStringLiteral("5B"));
    c->AnnulerProposition();
    QVERIFY(!c->PropositionEnCours());
    QCOMPARE(Placement(*c), QStringList({"S01:5B", "S21:TLED"}));
}

// "Elèves" unticked: the change carries no student; the values the run takes point into the change.
void TestChangement::elevesDecoches() {
    const std::unique_ptr<TChangementAnnee> c = Ouvrir();
    c->Valider(false, {{QStringLiteral("S01"), true}}, QStringLiteral("5A"));
    TParametresTransition p = c->ParametresTransition();
    QVERIFY(p.Eleves);
    QCOMPARE(p.DictionnaireElevesNew, &c->Placement());
    QCOMPARE(p.DictionnaireEleves, &c->DictionnaireEleves());
    QCOMPARE(p.NouvelleAnnee, QStringLiteral("2026/2027"));
    QCOMPARE(p.AnneeCourante, QStringLiteral("2025/2026"));
    QCOMPARE(p.Login, QStringLiteral("admin"));
    QCOMPARE(p.NomUtilisateur, QStringLiteral("Administrateur"));
    QCOMPARE(p.Port, ServeurDeTest::Port());
    c->DefinirEleves(false);
    p = c->ParametresTransition();
    QVERIFY(!p.Eleves);
    // The placement is kept: ticking the box again carries it.
    QCOMPARE(Placement(*c), QStringList{"S01:5A"});
}

QTEST_GUILESS_MAIN(TestChangement)
#include "test_changement.moc"
