// "Proposer une répartition" without windows: a table of schools for the rules, and, against the real server,
// the classes the proposal counts as carried compared with what the year's change really carries.
#include "core/model/UniteCSerie.h"
#include "core/transition/Proposition.h"
#include "support/EnvironnementTransition.h"

#include <QTest>

namespace {

// A class: code, level code, rank, section, series (0 none), carried.
TClasseAnnee Classe(const char* code, const char* niveau, int ordre, int section = 1, int serie = 0,
                    bool reconduite = true) {
    TClasseAnnee c;
    c.Code = QString::fromLatin1(code);
    c.CodeNiveau = QString::fromLatin1(niveau);
    c.OrdreNiveau = ordre;
    c.IdSection = section;
    c.NumSerie = serie;
    c.Reconduite = reconduite;
    return c;
}

// A student: matricule, current class, decision, series of orientation (0 none).
struct Eleve {
    const char* Matricule;
    const char* Classe;
    const char* Decision;
    int Serie = 0;
};

struct Ecole {
    QList<TClasseAnnee> Classes;
    QList<Eleve> Eleves;
    QStringList Places{}; // hand-made placements "matricule:class"
};

struct Resultat {
    QStringList Placements; // "matricule:class", by matricule
    QString Places;         // "P=n R=n"
    QString Restants;       // reasons, in their order: "exclu=n dernier=n suivant=n code=n inconnue=n"
};

Resultat Proposer(const Ecole& ecole) {
    TClassesProposition classes;
    for (const TClasseAnnee& c : ecole.Classes) {
        classes.Classes.insert(c.Code, c);
        classes.OrdresParSection[c.IdSection].insert(c.OrdreNiveau);
    }
    TDictionnaireEleves eleves;
    TDictionnaireDecisions decisions;
    TOrdreEleves ordre;
    for (const Eleve& e : ecole.Eleves) {
        const TCPersonne personne(QString::fromLatin1(e.Matricule), QStringLiteral("Nom"),
                                  QStringLiteral("P"), QString(), QString(), QString());
        auto eleve = std::make_unique<TCEleve>(personne, QString(), QString(), QString(), QString(),
                                               QStringLiteral("0"), QStringLiteral("0"), QString(), QString(),
                                               QString::fromLatin1(e.Classe), QStringLiteral("F"), QString(),
                                               0.0, QDate());
        if (e.Serie > 0)
            eleve->SetOrientationSerie(std::make_unique<TCSerie>(e.Serie, QStringLiteral("S")));
        ordre.push_back(eleve.get());
        decisions.insert(eleve->GetMatricule(), QString::fromLatin1(e.Decision));
        eleves.emplace(eleve->GetMatricule(), std::move(eleve));
    }
    TDictionnairePlacement placement;
    for (const QString& p : ecole.Places)
        placement.insert(p.section(QLatin1Char(':'), 0, 0), p.section(QLatin1Char(':'), 1));
    const TDictionnairePlacement avant = placement;
    const TProposition p = ::Proposer(ordre, decisions, placement, classes);
    Resultat r;
    for (auto it = p.Placements.cbegin(); it != p.Placements.cend(); ++it)
        r.Placements << it.key() + QLatin1Char(':') + it.value();
    r.Places = QStringLiteral("P=%1 R=%2")
                   .arg(p.PlacesParDecision.value(QStringLiteral("P")))
                   .arg(p.PlacesParDecision.value(QStringLiteral("R")));
    r.Restants = QStringLiteral("exclu=%1 dernier=%2 suivant=%3 code=%4 inconnue=%5")
                     .arg(p.Restants.value(MotifNonPropose::Exclu))
                     .arg(p.Restants.value(MotifNonPropose::DernierNiveau))
                     .arg(p.Restants.value(MotifNonPropose::AucuneClasseNiveauSuivant))
                     .arg(p.Restants.value(MotifNonPropose::AucuneClasseMemeCode))
                     .arg(p.Restants.value(MotifNonPropose::ClasseInconnue));
    // The proposal never changes what is placed already.
    if (placement != avant)
        r.Places = QStringLiteral("placement modifié");
    return r;
}

const QString AucunRestant = QStringLiteral("exclu=0 dernier=0 suivant=0 code=0 inconnue=0");

} // namespace

Q_DECLARE_METATYPE(Ecole)

class TestProposition : public QObject {
    Q_OBJECT

private slots:
    void ecoles_data();
    void ecoles();
    void secondePression();
    void resume();
    void classesReconduites();
};

void TestProposition::ecoles_data() {
    QTest::addColumn<Ecole>("ecole");
    QTest::addColumn<QStringList>("placements");
    QTest::addColumn<QString>("places");
    QTest::addColumn<QString>("restants");

    QTest::newRow("le code qui continue")
        << Ecole{{Classe("6EA", "6E", 1), Classe("6EB", "6E", 1), Classe("5EA", "5E", 2),
                  Classe("5EB", "5E", 2)},
                 {{"a", "6EA", "P"}, {"b", "6EB", "P"}, {"c", "6EB", "P"}}}
        << QStringList{"a:5EA", "b:5EB", "c:5EB"} << "P=3 R=0" << AucunRestant;
    QTest::newRow("1EREC vers TLEC") << Ecole{{Classe("1EREC", "1ERE", 6), Classe("TLEA", "TLE", 7),
                                               Classe("TLEC", "TLE", 7)},
                                              {{"a", "1EREC", "P"}}}
                                     << QStringList{"a:TLEC"} << "P=1 R=0" << AucunRestant;
    QTest::newRow("la série d'orientation avant le code")
        << Ecole{{Classe("2NDA", "2ND", 5, 1, 1), Classe("1EREA", "1ERE", 6, 1, 1),
                  Classe("1EREC", "1ERE", 6, 1, 2)},
                 {{"a", "2NDA", "P", 2}, {"b", "2NDA", "P", 1}, {"c", "2NDA", "P", 3}}}
        << QStringList{"a:1EREC", "b:1EREA", "c:1EREA"} << "P=3 R=0" << AucunRestant;
    QTest::newRow("répartis également, égalités par code")
        << Ecole{{Classe("CM1", "CM1", 4), Classe("X2", "CM2", 5), Classe("X1", "CM2", 5)},
                 {{"a", "CM1", "P"},
                  {"b", "CM1", "P"},
                  {"c", "CM1", "P"},
                  {"d", "CM1", "P"},
                  {"e", "CM1", "P"}}}
        << QStringList{"a:X1", "b:X2", "c:X1", "d:X2", "e:X1"} << "P=5 R=0" << AucunRestant;
    QTest::newRow("les placés à la main comptent dans la répartition")
        << Ecole{{Classe("CM1", "CM1", 4), Classe("X1", "CM2", 5), Classe("X2", "CM2", 5)},
                 {{"a", "CM1", "P"}, {"b", "CM1", "P"}, {"m", "CM1", "P"}, {"n", "CM1", "P"}},
                 {"m:X1", "n:X1"}}
        << QStringList{"a:X2", "b:X2"} << "P=2 R=0" << AucunRestant;
    QTest::newRow("redoublants dans la même classe")
        << Ecole{{Classe("6EA", "6E", 1), Classe("5EA", "5E", 2)}, {{"a", "6EA", "R"}, {"b", "5EA", "R"}}}
        << QStringList{"a:6EA", "b:5EA"} << "P=0 R=2" << AucunRestant;
    QTest::newRow("redoublant d'une classe non reconduite")
        << Ecole{{Classe("6EX", "6E", 1, 1, 0, false), Classe("6EA", "6E", 1), Classe("5EA", "5E", 2)},
                 {{"a", "6EX", "R"}, {"b", "6EX", "P"}}}
        << QStringList{"b:5EA"} << "P=1 R=0"
        << "exclu=0 dernier=0 suivant=0 code=1 inconnue=0";
    QTest::newRow("exclus jamais proposés")
        << Ecole{{Classe("6EA", "6E", 1), Classe("5EA", "5E", 2)}, {{"a", "6EA", "E"}, {"b", "6EA", "PE"}}}
        << QStringList{} << "P=0 R=0"
        << "exclu=2 dernier=0 suivant=0 code=0 inconnue=0";
    QTest::newRow("dernier niveau de la section")
        << Ecole{{Classe("TLEA", "TLE", 7), Classe("F1A", "F1", 1, 2)},
                 {{"a", "TLEA", "P"}, {"b", "TLEA", "R"}}}
        << QStringList{"b:TLEA"} << "P=0 R=1"
        << "exclu=0 dernier=1 suivant=0 code=0 inconnue=0";
    QTest::newRow("niveau suivant sans classe reconduite")
        << Ecole{{Classe("6EA", "6E", 1), Classe("5EX", "5E", 2, 1, 0, false)}, {{"a", "6EA", "P"}}}
        << QStringList{} << "P=0 R=0"
        << "exclu=0 dernier=0 suivant=1 code=0 inconnue=0";
    QTest::newRow("niveau suivant d'une autre section ignoré")
        << Ecole{{Classe("6EA", "6E", 1, 1), Classe("F2A", "F2", 2, 2)}, {{"a", "6EA", "P"}}} << QStringList{}
        << "P=0 R=0"
        << "exclu=0 dernier=1 suivant=0 code=0 inconnue=0";
    QTest::newRow("niveau à examen: le rang suivant seulement")
        << Ecole{{Classe("3A", "3E", 4), Classe("2NDA", "2ND", 5)}, {{"a", "3A", "P"}}}
        << QStringList{"a:2NDA"} << "P=1 R=0" << AucunRestant;
    QTest::newRow("classe actuelle inconnue")
        << Ecole{{Classe("6EA", "6E", 1)}, {{"a", "", "P"}, {"b", "ZZ", "R"}}} << QStringList{} << "P=0 R=0"
        << "exclu=0 dernier=0 suivant=0 code=0 inconnue=2";
    QTest::newRow("déjà placés à la main: jamais déplacés")
        << Ecole{{Classe("6EA", "6E", 1), Classe("5EA", "5E", 2)},
                 {{"a", "6EA", "P"}, {"b", "6EA", "P"}},
                 {"a:6EA"}}
        << QStringList{"b:5EA"} << "P=1 R=0" << AucunRestant;
}

void TestProposition::ecoles() {
    QFETCH(Ecole, ecole);
    QFETCH(QStringList, placements);
    QFETCH(QString, places);
    QFETCH(QString, restants);
    const Resultat r = Proposer(ecole);
    QCOMPARE(r.Placements, placements);
    QCOMPARE(r.Places, places);
    QCOMPARE(r.Restants, restants);
}

// A second press, with the first press's placements made, proposes nothing more.
void TestProposition::secondePression() {
    Ecole ecole{{Classe("6EA", "6E", 1), Classe("5EA", "5E", 2), Classe("TLEA", "TLE", 7)},
                {{"a", "6EA", "P"}, {"b", "6EA", "R"}, {"c", "TLEA", "P"}}};
    const Resultat premiere = Proposer(ecole);
    QCOMPARE(premiere.Placements, QStringList({"a:5EA", "b:6EA"}));
    ecole.Places = premiere.Placements;
    const Resultat seconde = Proposer(ecole);
    QVERIFY(seconde.Placements.isEmpty());
    QCOMPARE(seconde.Restants, QStringLiteral("exclu=0 dernier=1 suivant=0 code=0 inconnue=0"));
}

void TestProposition::resume() {
    TProposition p;
    p.PlacesParDecision = {{QStringLiteral("P"), 1200}, {QStringLiteral("R"), 34}};
    p.Restants = {{MotifNonPropose::Exclu, 5}, {MotifNonPropose::DernierNiveau, 40}};
    const QString texte = ResumeProposition(p);
    QVERIFY2(texte.contains(QStringLiteral("1 234")) || texte.contains(QStringLiteral("1\u202f234")),
             qPrintable(texte));
    QVERIFY(texte.contains(QStringLiteral("exclus : 5")));
    QVERIFY(texte.contains(QStringLiteral("dernier niveau de leur section : 40")));
    QVERIFY(!texte.contains(QStringLiteral("aucune classe du niveau suivant")));
    TProposition vide;
    QVERIFY(ResumeProposition(vide).contains(QStringLiteral("aucun élève à placer")));
}

// The classes the proposal counts as carried are exactly those the year's change carries, on the school
// where every way of not carrying a class is shown.
void TestProposition::classesReconduites() {
    EnvironnementTransition env(QStringLiteral(SOLVANE_TEST_DATA "/transition.sql"));
    const TClassesProposition classes =
        LireClassesProposition(QStringLiteral("2025/2026"), QStringLiteral("2026/2027"));
    QStringList reconduites, toutes;
    for (const TClasseAnnee& c : classes.Classes) {
        toutes << c.Code;
        if (c.Reconduite)
            reconduites << c.Code;
    }
    reconduites.sort();
    toutes.sort();
    QVERIFY(env.Executer());
    QStringList apres;
    for (const QString& code : toutes)
        if (env.Base
                .Valeur(QStringLiteral("SELECT COUNT(*) FROM classe WHERE code = '%1'").arg(code),
                        QStringLiteral("bd_2026_2027"))
                .toInt() == 1)
            apres << code;
    QCOMPARE(reconduites, apres);
    // Some are not carried: the comparison means something.
    QVERIFY(reconduites.size() < toutes.size());
    QVERIFY(!reconduites.isEmpty());
}

QTEST_GUILESS_MAIN(TestProposition)
#include "test_proposition.moc"
