// The rules of the students page, without windows or server: which level orders the new class comes from,
// which students a list shows, and what "&Valider" does to the placement map.
#include "core/model/UniteCSerie.h"
#include "core/transition/Placement.h"

#include <QTest>

namespace {

// A school of students: matricule -> (class, decision, orientation series or 0).
struct Eleve {
    const char* Matricule;
    const char* Nom;
    const char* Classe;
    const char* Decision;
    int Serie;
};

class Ecole {
public:
    explicit Ecole(std::initializer_list<Eleve> eleves) {
        for (const Eleve& e : eleves) {
            const TCPersonne personne(QString::fromUtf8(e.Matricule), QString::fromUtf8(e.Nom),
                                      QStringLiteral("P"), QString(), QString(), QString());
            auto eleve = std::make_unique<TCEleve>(personne, QString(), QString(), QString(), QString(),
                                                   QStringLiteral("0"), QStringLiteral("0"), QString(),
                                                   QString(), QString::fromUtf8(e.Classe),
                                                   QStringLiteral("F"), QString(), 0.0, QDate());
            if (e.Serie > 0)
                eleve->SetOrientationSerie(std::make_unique<TCSerie>(e.Serie, QStringLiteral("S")));
            Ordre.push_back(eleve.get());
            Decisions.insert(eleve->GetMatricule(), QString::fromUtf8(e.Decision));
            Eleves.emplace(eleve->GetMatricule(), std::move(eleve));
        }
    }

    QStringList Liste(const TCriteresListe& criteres) const {
        QStringList textes;
        for (const TEleveListe& ligne : ElevesListes(Decisions, Placement, Ordre, criteres))
            textes << ligne.Texte;
        return textes;
    }

    TDictionnaireEleves Eleves;
    TDictionnaireDecisions Decisions;
    TDictionnairePlacement Placement;
    TOrdreEleves Ordre;
};

TCriteresListe Criteres(const QString& classe, int filtre = FiltreIgnorer) {
    TCriteresListe c;
    c.CodeAncienneClasse = classe;
    c.Filtre = filtre;
    return c;
}

} // namespace

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void ordresDesNiveaux_data();
    void ordresDesNiveaux();
    void filtreDeDecision_data();
    void filtreDeDecision();
    void orientation_data();
    void orientation();
    void listeDUneClasse();
    void valider();
};

void TestPlacement::ordresDesNiveaux_data() {
    QTest::addColumn<int>("ordre");
    QTest::addColumn<bool>("examen");
    QTest::addColumn<int>("filtre");
    QTest::addColumn<QString>("liste");
    QTest::newRow("Ignorer") << 3 << false << int(FiltreIgnorer) << QStringLiteral("(3,4)");
    QTest::newRow("Promus") << 3 << false << int(FiltrePromus) << QStringLiteral("(4)");
    QTest::newRow("Exclus et Promus") << 3 << false << int(FiltreExclusPromus) << QStringLiteral("(4)");
    QTest::newRow("Redoublants") << 3 << false << int(FiltreRedoublants) << QStringLiteral("(3)");
    QTest::newRow("Exclus et Redouble") << 3 << false << int(FiltreExclusRedouble) << QStringLiteral("(3)");
    for (int filtre = FiltreIgnorer; filtre <= FiltreExclusRedouble; ++filtre)
        QTest::addRow("examen, filtre %d", filtre) << 4 << true << filtre << QStringLiteral("(4,5)");
    QTest::newRow("ordre à deux chiffres") << 10 << false << int(FiltrePromus) << QStringLiteral("(11)");
}

void TestPlacement::ordresDesNiveaux() {
    QFETCH(int, ordre);
    QFETCH(bool, examen);
    QFETCH(int, filtre);
    QFETCH(QString, liste);
    QCOMPARE(ListeOrdresNiveaux(ordre, examen, filtre), liste);
}

// Each filter lets exactly its code through; a text with "Redouble" and "Exclu" is "R", so it is a repeater.
void TestPlacement::filtreDeDecision_data() {
    QTest::addColumn<int>("filtre");
    QTest::addColumn<QStringList>("listes");
    const auto t = [](std::initializer_list<const char*> noms) {
        QStringList textes;
        for (const char* n : noms)
            textes << QStringLiteral("[%1] - %1 P").arg(QString::fromLatin1(n));
        return textes;
    };
    QTest::newRow("Ignorer") << int(FiltreIgnorer) << t({"P1", "R1", "E1", "PE1", "P2"});
    QTest::newRow("Promus") << int(FiltrePromus) << t({"P1", "P2"});
    QTest::newRow("Redoublants") << int(FiltreRedoublants) << t({"R1"});
    QTest::newRow("Exclus et Promus") << int(FiltreExclusPromus) << t({"PE1"});
    QTest::newRow("Exclus et Redouble") << int(FiltreExclusRedouble) << t({"E1"});
}

void TestPlacement::filtreDeDecision() {
    QFETCH(int, filtre);
    QFETCH(QStringList, listes);
    const Ecole ecole{{"P1", "P1", "6A", "P", 0},    {"R1", "R1", "6A", "R", 0}, {"E1", "E1", "6A", "E", 0},
                      {"PE1", "PE1", "6A", "PE", 0}, {"P2", "P2", "6A", "P", 0}, {"X", "X", "6B", "P", 0}};
    QCOMPARE(ecole.Liste(Criteres(QStringLiteral("6A"), filtre)), listes);
}

// Orientation asked for: a student oriented to another series than the new class's is hidden; a student or a
// class without a series always passes. Not asked for: everyone passes.
void TestPlacement::orientation_data() {
    QTest::addColumn<bool>("tenirCompte");
    QTest::addColumn<int>("serieClasse"); // 0: the new class has no series
    QTest::addColumn<QStringList>("matricules");
    QTest::newRow("série 2") << true << 2 << QStringList{"A", "C"};
    QTest::newRow("série 3") << true << 3 << QStringList{"B", "C"};
    QTest::newRow("classe sans série") << true << 0 << QStringList{"A", "B", "C"};
    QTest::newRow("orientation ignorée") << false << 3 << QStringList{"A", "B", "C"};
}

void TestPlacement::orientation() {
    QFETCH(bool, tenirCompte);
    QFETCH(int, serieClasse);
    QFETCH(QStringList, matricules);
    const Ecole ecole{{"A", "A", "3A", "P", 2}, {"B", "B", "3A", "P", 3}, {"C", "C", "3A", "P", 0}};
    const TCSerie serie(serieClasse, QStringLiteral("S"));
    TCriteresListe criteres = Criteres(QStringLiteral("3A"));
    criteres.TenirCompteOrientation = tenirCompte;
    criteres.SerieNouvelleClasse = serieClasse > 0 ? &serie : nullptr;
    QStringList listes;
    for (const TEleveListe& ligne : ElevesListes(ecole.Decisions, ecole.Placement, ecole.Ordre, criteres))
        listes << ligne.Eleve->GetMatricule();
    QCOMPARE(listes, matricules);
}

// Only the old class's students, in the list's order, placed ones with their class; hidden when asked; the
// class code compares exactly.
void TestPlacement::listeDUneClasse() {
    Ecole ecole{{"M2", "Zoé", "6A", "P", 0}, {"M1", "Ali", "6A", "P", 0}, {"M3", "Bob", "6a", "P", 0}};
    ecole.Placement.insert(QStringLiteral("M2"), QStringLiteral("5B"));
    TCriteresListe criteres = Criteres(QStringLiteral("6A"));
    QCOMPARE(ecole.Liste(criteres), QStringList({"[M2] - Zoé P - 5B", "[M1] - Ali P"}));
    const std::vector<TEleveListe> lignes =
        ElevesListes(ecole.Decisions, ecole.Placement, ecole.Ordre, criteres);
    QVERIFY(lignes[0].Place);
    QVERIFY(!lignes[1].Place);
    criteres.SeulementNonPlaces = true;
    QCOMPARE(ecole.Liste(criteres), QStringList({"[M1] - Ali P"}));
}

// Ticked students are placed (or moved), unticked ones are taken out, even when placed in another class.
void TestPlacement::valider() {
    TDictionnairePlacement placement;
    EnregistrerPlacement(placement, {{"A", true}, {"B", true}, {"C", true}, {"D", false}, {"E", false}},
                         QStringLiteral("5A"));
    QCOMPARE(placement, (TDictionnairePlacement{{"A", "5A"}, {"B", "5A"}, {"C", "5A"}}));
    EnregistrerPlacement(placement, {{"A", true}, {"B", false}, {"C", false}}, QStringLiteral("5B"));
    QCOMPARE(placement, (TDictionnairePlacement{{"A", "5B"}}));

    Ecole ecole{{"A", "A", "6A", "P", 0}, {"B", "B", "6A", "P", 0}};
    QCOMPARE(NombreNonPlaces(ecole.Eleves, placement), 1);
}

QTEST_GUILESS_MAIN(TestPlacement)
#include "test_placement.moc"
