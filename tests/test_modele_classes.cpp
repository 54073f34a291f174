// Class and room entities against the real server: the class loaders, the class look-ups and the room loader.
#include "base/KORVENTypesU.h"
#include "base/KorvenUtils.h"
#include "core/data/OBDataModuleU.h"
#include "core/model/UniteCClasse.h"
#include "core/model/UniteCSalle.h"
#include "support/EnvironnementModele.h"

#include <QComboBox>
#include <QTest>
#include <algorithm>
#include <functional>

namespace {

const QString Annee = QStringLiteral("2025/2026");
const QString Base = QStringLiteral("bd_2025_2026");

// The codes of the loaded classes, in item order.
QStringList Codes(const QComboBox& boite) {
    QStringList codes;
    for (int i = 0; i < boite.count(); ++i)
        codes << ObjetCombo<TCClasse>(&boite, i)->GetCode();
    return codes;
}

QStringList Tries(QStringList liste) {
    liste.sort();
    return liste;
}

// The level orders of the loaded classes never go down.
bool OrdreCroissant(const QComboBox& boite) {
    for (int i = 1; i < boite.count(); ++i)
        if (ObjetCombo<TCClasse>(&boite, i)->GetCNiveau()->GetOrdre() <
            ObjetCombo<TCClasse>(&boite, i - 1)->GetCNiveau()->GetOrdre())
            return false;
    return true;
}

const TCClasse* Classe(const QComboBox& boite, const QString& code) {
    for (int i = 0; i < boite.count(); ++i)
        if (ObjetCombo<TCClasse>(&boite, i)->GetCode() == code)
            return ObjetCombo<TCClasse>(&boite, i);
    return nullptr;
}

} // namespace

class TestModeleClasses : public QObject, public EnvironnementModele {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void verificationsArguments_data();
    void verificationsArguments();
    void chargerClassesDuNiveau();
    void optionToutes();
    void chargeursFiltres_data();
    void chargeursFiltres();
    void lignesOrdreEtSection_data();
    void lignesOrdreEtSection();
    void rechercheParCode();
    void effectifEtListes();
    void salles();
    void copieProfonde();
    void autreAnnee();
    void textesRequetes_data();
    void textesRequetes();
};

void TestModeleClasses::init() {
    Ouvrir();

    for (const QString& sql : {
             QStringLiteral("INSERT INTO langue VALUES (1,'FR','Français'),(2,'EN','English')"),
             QStringLiteral("INSERT INTO section VALUES (1,'SG','Générale',1),(2,'AN','Anglophone',2)"),
             // X9 belongs to a section that does not exist.
             QStringLiteral("INSERT INTO niveau (code, nom, ordre, id_section) VALUES ('6E','Sixième',1,1),"
                            "('5E','Cinquième',2,1),('C''1','Niveau apostrophe',3,1),('F1','Form one',1,2),"
                            "('X9','Sans section',5,9)"),
             QStringLiteral("INSERT INTO series VALUES (1,'A'),(2,'C')"),
             QStringLiteral("INSERT INTO salle VALUES (1,'Salle 1',40,'Rez'),(2,'Labo',20,'Étage')"),
             // 6B names room 99 and series 99, which do not exist; ZL a missing language, ZN a missing level.
             QStringLiteral(
                 "INSERT INTO classe (code, lib, niv, min_coefficient, id_langue, id_salle, prof_titulaire, "
                 "serie, "
                 "effectif) VALUES ('6A','Sixième A','6E',12.5,1,1,'P01',1,30),"
                 "('6B','Sixième B','6E',10,1,99,NULL,99,25),('5A','Cinquième "
                 "A','5E',NULL,1,NULL,'P01',NULL,0),"
                 "('Q1','Classe Q1','C''1',8,1,2,NULL,2,5),('Q''2','Classe Q2','C''1',8,1,NULL,NULL,NULL,3),"
                 "('F1A','Form one A','F1',9,2,2,'O''B',NULL,10),('ZL','Sans "
                 "langue','6E',0,7,NULL,NULL,NULL,0),"
                 "('ZN','Sans niveau','ZZ',0,1,NULL,NULL,NULL,0),('XS','Sans "
                 "section','X9',0,1,NULL,NULL,NULL,0)"),
             QStringLiteral(
                 "INSERT INTO classe_lecon (id, code_classe, code_lecon, matricule_enseignant, id_salle) "
                 "VALUES (1,'6A','MATH','P01',2),(2,'6A','FR','P01',2),(3,'Q1','ANG','P02',1)"),
             QStringLiteral("INSERT INTO classe_matiere (num, classe, matiere, enseignant) VALUES "
                            "(1,'6B','MATH','O''B'),(2,'F1A','ENG','O''B'),(3,'5A','HIS','P02')"),
             QStringLiteral("INSERT INTO eleve (mat, idclasse, en_regle, exclu) VALUES ('E1','6A','1','0'),"
                            "('E2','6A','0','0'),('E3','6A','1','1'),('E4','6B','1','0')"),
         })
        base_->Executer(sql, Base);
}

void TestModeleClasses::cleanup() {
    Fermer();
}

void TestModeleClasses::verificationsArguments_data() {
    QTest::addColumn<Appel>("appel");
    QTest::addColumn<QString>("message");
    const QString nul = QStringLiteral("Impossible de charger un composant null.");
    const QString passer = QStringLiteral("Vous devez passer l'annéée scolaire.");
    const QString blanc = QStringLiteral("  ");
    QComboBox* const* b = &boite_;

    // Every loader, given no box, then a blank year.
    const QList<std::pair<const char*, std::function<void(QComboBox*, const QString&)>>> chargeurs{
        {"classe", [](QComboBox* c, const QString& a) { TCClasse::LoadComboboxClasse(c, a, "6E", false); }},
        {"classe section",
         [](QComboBox* c, const QString& a) {
             TCClasse::LoadComboboxClasse(c, a, QStringLiteral("6E"), 1, false);
         }},
        {"ordres",
         [](QComboBox* c, const QString& a) {
             TCClasse::LoadComboboxClasseByListeOrdreNiveauIdSection(c, a, QStringLiteral("(1)"), 1, false);
         }},
        {"salle", [](QComboBox* c,
                     const QString& a) { TCClasse::LoadComboboxClasseByIdSalle(c, a, QString(), 1, false); }},
        {"enseignant",
         [](QComboBox* c, const QString& a) {
             TCClasse::LoadComboboxClasseByEnseignant(c, a, QString(), QStringLiteral("P01"), true);
         }},
        {"titulaire",
         [](QComboBox* c, const QString& a) {
             TCClasse::LoadComboboxClasseByProfTitutalire(c, a, QString(), QStringLiteral("P01"), true);
         }},
        {"salles", [](QComboBox* c, const QString& a) { TCSalle::LoadComboboxSalle(c, a, true); }},
    };
    for (const auto& [nom, charger] : chargeurs) {
        const auto f = charger;
        QTest::newRow(QByteArray(nom) + " sans boite") << Appel([=] { f(nullptr, Annee); }) << nul;
        QTest::newRow(QByteArray(nom) + " annee vide") << Appel([=] { f(*b, blanc); }) << passer;
    }
    // The level orders stand in the statement: only a parenthesised list of whole numbers is accepted.
    for (const QString& liste :
         {QStringLiteral("3,4"), QStringLiteral("(3,4) OR 1=1"), QStringLiteral("(3;4)"),
          QStringLiteral("(1) UNION SELECT 1"), QStringLiteral("()")}) {
        QTest::newRow(qPrintable(QStringLiteral("liste ") + liste))
            << Appel([=] {
                   TCClasse::LoadComboboxClasseByListeOrdreNiveauIdSection(*b, Annee, liste, 1, true);
               })
            << QStringLiteral(
                   "« %1 » n'est pas une liste d'ordres de niveau valide : une liste de nombres entiers "
                   "entre parenthèses est attendue, par exemple (3,4).")
                   .arg(liste);
    }
}

void TestModeleClasses::verificationsArguments() {
    QFETCH(Appel, appel);
    QFETCH(QString, message);
    AjouterObjetCombo(boite_, QStringLiteral("avant"),
                      std::make_unique<TCClasse>(QStringLiteral("X"), QStringLiteral("avant")));
    QCOMPARE(Erreur(appel), message);
    QCOMPARE(requetes_, QStringList());
    QCOMPARE(boite_->count(), 1);
    QCOMPARE(ObjetCombo<TCClasse>(boite_, 0)->GetCode(), QStringLiteral("X"));
}

void TestModeleClasses::chargerClassesDuNiveau() {
    TCClasse::LoadComboboxClasse(boite_, Annee, QStringLiteral("6E"), false);
    // ZL has no language: not listed. 6B's room and series match no row: listed without them.
    QCOMPARE(Tries(Codes(*boite_)), (QStringList{QStringLiteral("6A"), QStringLiteral("6B")}));
    QCOMPARE(boite_->currentIndex(), 0);
    QCOMPARE(boite_->itemText(boite_->findText(QStringLiteral("Sixième A"))), QStringLiteral("Sixième A"));
    const TCClasse* a = Classe(*boite_, QStringLiteral("6A"));
    QCOMPARE(a->GetId(), 0);
    QCOMPARE(a->GetLibelle(), QStringLiteral("Sixième A"));
    QCOMPARE(a->GetMinCoefficient(), 12.5);
    QCOMPARE(a->GetEffectif(), 30);
    QVERIFY(a->GetTitulaire() == nullptr); // the form teacher is never loaded
    QCOMPARE(a->GetCNiveau()->GetCode(), QStringLiteral("6E"));
    QCOMPARE(a->GetCNiveau()->GetNom(), QStringLiteral("Sixième"));
    QCOMPARE(a->GetCNiveau()->GetOrdre(), 1);
    QVERIFY(a->GetCNiveau()->GetSection() == nullptr);
    QCOMPARE(a->GetLangue()->GetLibelle(), QStringLiteral("Français"));
    QCOMPARE(a->GetSerie()->GetNom(), QStringLiteral("A"));
    QCOMPARE(a->GetSalle()->GetNom(), QStringLiteral("Salle 1"));
    QCOMPARE(a->GetSalle()->GetNombreDePlace(), 40);
    const TCClasse* b = Classe(*boite_, QStringLiteral("6B"));
    QVERIFY(b->GetSalle() == nullptr);
    QVERIFY(b->GetSerie() == nullptr);
    QVERIFY(a->GetLangue() != b->GetLangue() && a->GetCNiveau() != b->GetCNiveau());
    QCOMPARE(requetes_.last().split(QLatin1Char('\n')).at(9), QStringLiteral("WHERE `N`.`code` = '6E'"));

    // A level code holding an apostrophe is quoted.
    TCClasse::LoadComboboxClasse(boite_, Annee, QStringLiteral("C'1"), false);
    QCOMPARE(Tries(Codes(*boite_)), (QStringList{QStringLiteral("Q'2"), QStringLiteral("Q1")}));
    QCOMPARE(NombreObjetsCombo(boite_), 2); // the first set is released
    QCOMPARE(requetes_.last().split(QLatin1Char('\n')).at(9), QStringLiteral("WHERE `N`.`code` = 'C''1'"));

    // No level: every class whose level and language exist, by level order.
    TCClasse::LoadComboboxClasse(boite_, Annee, QStringLiteral("  "), false);
    QCOMPARE(Tries(Codes(*boite_)),
             Tries({QStringLiteral("6A"), QStringLiteral("6B"), QStringLiteral("F1A"), QStringLiteral("5A"),
                    QStringLiteral("Q1"), QStringLiteral("Q'2"), QStringLiteral("XS")}));
    QVERIFY(OrdreCroissant(*boite_));
    QCOMPARE(requetes_.last().split(QLatin1Char('\n')).size(), 10);

    // A level without classes leaves the box empty, nothing selected.
    TCClasse::LoadComboboxClasse(boite_, Annee, QStringLiteral("4E"), false);
    QCOMPARE(boite_->count(), 0);
    QCOMPARE(boite_->currentIndex(), -1);
}

void TestModeleClasses::optionToutes() {
    TCClasse::LoadComboboxClasse(boite_, Annee, QStringLiteral("5E"), true);
    QCOMPARE(boite_->count(), 2);
    QCOMPARE(boite_->itemText(0), QStringLiteral("Toute les classes"));
    QCOMPARE(boite_->currentIndex(), 0);
    const TCClasse* toutes = ObjetCombo<TCClasse>(boite_, 0);
    QCOMPARE(toutes->GetId(), 0);
    QCOMPARE(toutes->GetCode(), QStringLiteral("Toute les classes"));
    QCOMPARE(toutes->GetLibelle(), QStringLiteral("Toute les classes"));
    QCOMPARE(toutes->GetMinCoefficient(), -1.0);
    QCOMPARE(toutes->GetEffectif(), -1);
    QVERIFY(!toutes->GetCNiveau() && !toutes->GetLangue() && !toutes->GetSerie() && !toutes->GetSalle());
    // A null minimum coefficient reads as 0.
    QCOMPARE(ObjetCombo<TCClasse>(boite_, 1)->GetMinCoefficient(), 0.0);
    TCClasse::FreeComboboxClasse(boite_);
    QCOMPARE(boite_->count(), 0);
    QCOMPARE(NombreObjetsCombo(boite_), 0);
}

void TestModeleClasses::chargeursFiltres_data() {
    QTest::addColumn<Appel>("charger");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("texte"); // display text of the first class
    QComboBox* const* b = &boite_;
    const auto ligne = [](const char* nom, Appel appel, const QStringList& codes, const QString& texte) {
        QTest::newRow(nom) << appel << codes << texte;
    };
    ligne(
        "section seule", [=] { TCClasse::LoadComboboxClasse(*b, Annee, QString(), 2, false); },
        {QStringLiteral("F1A")}, QStringLiteral("Form one A"));
    ligne(
        "niveau et section", [=] { TCClasse::LoadComboboxClasse(*b, Annee, QStringLiteral("6E"), 1, false); },
        {QStringLiteral("6A"), QStringLiteral("6B")}, QString());
    ligne(
        "niveau hors section",
        [=] { TCClasse::LoadComboboxClasse(*b, Annee, QStringLiteral("6E"), 2, false); }, {}, QString());
    ligne(
        "toutes sections", [=] { TCClasse::LoadComboboxClasse(*b, Annee, QString(), -1, false); },
        {QStringLiteral("5A"), QStringLiteral("6A"), QStringLiteral("6B"), QStringLiteral("F1A"),
         QStringLiteral("Q'2"), QStringLiteral("Q1")},
        QString());
    ligne(
        "ordres 1 et 2",
        [=] {
            TCClasse::LoadComboboxClasseByListeOrdreNiveauIdSection(*b, Annee, QStringLiteral("(1, 2)"), 1,
                                                                    false);
        },
        {QStringLiteral("5A"), QStringLiteral("6A"), QStringLiteral("6B")}, QString());
    ligne(
        "ordre 1 section 2",
        [=] {
            TCClasse::LoadComboboxClasseByListeOrdreNiveauIdSection(*b, Annee, QStringLiteral("(1)"), 2,
                                                                    false);
        },
        {QStringLiteral("F1A")}, QStringLiteral("[F1A] - Form one A"));
    ligne(
        "ordre 3",
        [=] {
            TCClasse::LoadComboboxClasseByListeOrdreNiveauIdSection(*b, Annee, QStringLiteral("(3)"), -1,
                                                                    false);
        },
        {QStringLiteral("Q'2"), QStringLiteral("Q1")}, QString());
    ligne(
        "sans ordre ni section",
        [=] { TCClasse::LoadComboboxClasseByListeOrdreNiveauIdSection(*b, Annee, QString(), -1, false); },
        {QStringLiteral("5A"), QStringLiteral("6A"), QStringLiteral("6B"), QStringLiteral("F1A"),
         QStringLiteral("Q'2"), QStringLiteral("Q1")},
        QString());
    ligne(
        "salle 2", [=] { TCClasse::LoadComboboxClasseByIdSalle(*b, Annee, QString(), 2, false); },
        {QStringLiteral("6A")}, QStringLiteral("Sixième A"));
    ligne(
        "salle 1 niveau 6E",
        [=] { TCClasse::LoadComboboxClasseByIdSalle(*b, Annee, QStringLiteral("6E"), 1, false); }, {},
        QString());
    ligne(
        "salle 1 niveau apostrophe",
        [=] { TCClasse::LoadComboboxClasseByIdSalle(*b, Annee, QStringLiteral("C'1"), 1, false); },
        {QStringLiteral("Q1")}, QStringLiteral("Classe Q1"));
    ligne(
        "enseignant apostrophe",
        [=] { TCClasse::LoadComboboxClasseByEnseignant(*b, Annee, QString(), QStringLiteral("O'B"), false); },
        {QStringLiteral("6B"), QStringLiteral("F1A")}, QString());
    ligne(
        "enseignant et niveau",
        [=] {
            TCClasse::LoadComboboxClasseByEnseignant(*b, Annee, QStringLiteral("F1"), QStringLiteral("O'B"),
                                                     false);
        },
        {QStringLiteral("F1A")}, QStringLiteral("Form one A"));
    ligne(
        "titulaire",
        [=] {
            TCClasse::LoadComboboxClasseByProfTitutalire(*b, Annee, QString(), QStringLiteral("P01"), false);
        },
        {QStringLiteral("5A"), QStringLiteral("6A")}, QString());
    ligne(
        "titulaire et niveau",
        [=] {
            TCClasse::LoadComboboxClasseByProfTitutalire(*b, Annee, QStringLiteral("6E"),
                                                         QStringLiteral("P01"), false);
        },
        {QStringLiteral("6A")}, QStringLiteral("Sixième A"));
    ligne(
        "titulaire apostrophe",
        [=] {
            TCClasse::LoadComboboxClasseByProfTitutalire(*b, Annee, QString(), QStringLiteral("O'B"), false);
        },
        {QStringLiteral("F1A")}, QStringLiteral("Form one A"));
}

void TestModeleClasses::chargeursFiltres() {
    QFETCH(Appel, charger);
    QFETCH(QStringList, codes);
    QFETCH(QString, texte);
    charger();
    charger();
    QCOMPARE(Tries(Codes(*boite_)), codes);
    QCOMPARE(NombreObjetsCombo(boite_), codes.size());
    QVERIFY(OrdreCroissant(*boite_));
    QCOMPARE(boite_->currentIndex(), codes.isEmpty() ? -1 : 0);
    if (!texte.isEmpty())
        QCOMPARE(boite_->itemText(0), texte);
}

void TestModeleClasses::lignesOrdreEtSection_data() {
    QTest::addColumn<QString>("ordres");
    QTest::addColumn<int>("section");
    QTest::addColumn<QStringList>("conditions"); // the lines between the joins and ORDER BY
    QTest::newRow("liste et section")
        << QStringLiteral("(3,4)") << 2
        << QStringList{QStringLiteral("WHERE `N`.`ordre` IN  (3,4)"), QStringLiteral(" AND `SC`.`id` = 2")};
    QTest::newRow("section seule") << QString() << 2 << QStringList{QStringLiteral("WHERE `SC`.`id` = 2")};
    QTest::newRow("liste seule") << QStringLiteral("(1)") << -1
                                 << QStringList{QStringLiteral("WHERE `N`.`ordre` IN  (1)")};
    QTest::newRow("rien") << QString() << -1 << QStringList();
}

void TestModeleClasses::lignesOrdreEtSection() {
    QFETCH(QString, ordres);
    QFETCH(int, section);
    QFETCH(QStringList, conditions);
    TCClasse::LoadComboboxClasseByListeOrdreNiveauIdSection(boite_, Annee, ordres, section, false);
    const QStringList lignes = requetes_.last().split(QLatin1Char('\n'));
    QCOMPARE(lignes.size(), 11 + conditions.size());
    QCOMPARE(lignes.at(4), QStringLiteral("FROM `bd_2025_2026`.`classe` `C`"));
    QCOMPARE(lignes.at(6),
             QStringLiteral("INNER JOIN `bd_2025_2026`.`section` `SC` ON `SC`.`id` = `N`.`id_section`"));
    QCOMPARE(lignes.mid(10, conditions.size()), conditions);
    QCOMPARE(lignes.last(), QStringLiteral("ORDER BY `N`.`ordre` ASC, `C`.`code` ASC"));
}

void TestModeleClasses::rechercheParCode() {
    const auto a = TCClasse::FindByCode(QStringLiteral("6A"));
    QVERIFY(a != nullptr);
    QCOMPARE(a->GetId(), 0);
    QCOMPARE(a->GetLibelle(), QStringLiteral("Sixième A"));
    QVERIFY(a->GetTitulaire() == nullptr);
    QCOMPARE(a->GetCNiveau()->GetCode(), QStringLiteral("6E"));
    QCOMPARE(a->GetSalle()->GetDescription(), QStringLiteral("Rez"));
    QCOMPARE(a->GetSerie()->GetNum(), 1);
    QVERIFY(TCClasse::FindByCode(QStringLiteral("6B"))->GetSalle() == nullptr);
    QVERIFY(TCClasse::FindByCode(QStringLiteral("ZL")) == nullptr);
    QVERIFY(TCClasse::FindByCode(QStringLiteral("' OR ''='")) == nullptr);

    QCOMPARE(TCClasse::FindCodeNiveau(QStringLiteral("Q'2")), QStringLiteral("C'1"));
    QCOMPARE(TCClasse::FindCodeNiveau(QStringLiteral("ZZZ")), QString());
}

void TestModeleClasses::effectifEtListes() {
    // Excluded students never count; EnRegle keeps only those whose payments are in order.
    QCOMPARE(TCClasse::GetEffectifByClasse(QStringLiteral("6A"), false), 2);
    QCOMPARE(TCClasse::GetEffectifByClasse(QStringLiteral("6A"), true), 1);
    QCOMPARE(TCClasse::GetEffectifByClasse(QStringLiteral("Q'2"), false), 0);

    QCOMPARE(
        Tries(TCClasse::GetListeClasseCodeByNiveauCode(Annee, QStringLiteral("6E")).split(QLatin1Char(','))),
        (QStringList{QStringLiteral("'6A'"), QStringLiteral("'6B'"), QStringLiteral("'ZL'")}));
    QCOMPARE(
        Tries(TCClasse::GetListeClasseCodeByNiveauCode(Annee, QStringLiteral("C'1")).split(QLatin1Char(','))),
        (QStringList{QStringLiteral("'Q''2'"), QStringLiteral("'Q1'")}));
    QCOMPARE(TCClasse::GetListeClasseCodeByNiveauCode(Annee, QString()).split(QLatin1Char(',')).size(), 9);
    QCOMPARE(TCClasse::GetListeClasseCodeByNiveauCode(Annee, QStringLiteral("4E")), QString());
    QCOMPARE(TCClasse::GetListeClasseCodeBySectionID(Annee, 2), QStringLiteral("'F1A'"));
    // -1: every class whose level exists.
    QCOMPARE(TCClasse::GetListeClasseCodeBySectionID(Annee, -1).split(QLatin1Char(',')).size(), 8);
    QCOMPARE(TCClasse::GetListeClasseCodeBySectionID(Annee, 7), QString());

    // A failure of the count comes back in its own words.
    ServeurDeTest::Configurer(module_->OBSQLConnection, QStringLiteral("bd_absente"));
    const QString message = Erreur([] { TCClasse::GetEffectifByClasse(QStringLiteral("6A"), false); });
    QVERIFY2(message.startsWith(QStringLiteral("Une erreur est survenue : \r\n")) &&
                 message.contains(QStringLiteral("bd_absente")),
             qPrintable(message));
}

void TestModeleClasses::salles() {
    TCSalle::LoadComboboxSalle(boite_, Annee, true);
    QCOMPARE(boite_->count(), 3);
    QCOMPARE(boite_->itemText(0), QStringLiteral("(Toute les Salles)"));
    QCOMPARE(boite_->itemText(1), QStringLiteral("Labo"));
    QCOMPARE(boite_->itemText(2), QStringLiteral("Salle 1"));
    QCOMPARE(boite_->currentIndex(), 0);
    const TCSalle* toutes = ObjetCombo<TCSalle>(boite_, 0);
    QCOMPARE(toutes->GetId(), 0);
    QCOMPARE(toutes->GetDescription(), QStringLiteral("(Toute les Salles)"));
    QCOMPARE(toutes->GetNombreDePlace(), 100);
    const TCSalle* labo = ObjetCombo<TCSalle>(boite_, 1);
    QCOMPARE(labo->GetId(), 2);
    QCOMPARE(labo->GetDescription(), QStringLiteral("Étage"));
    QCOMPARE(labo->GetNombreDePlace(), 20);
    TCSalle::LoadComboboxSalle(boite_, Annee, false);
    QCOMPARE(boite_->count(), 2);
    QCOMPARE(NombreObjetsCombo(boite_), 2);
    QCOMPARE(requetes_.last(),
             QStringLiteral("SELECT `S`.`id`, `S`.`nom`, `S`.`description`, `S`.`capacite`\n"
                            "FROM `bd_2025_2026`.`Salle` `S`\nORDER BY `S`.`nom` ASC"));
}

void TestModeleClasses::copieProfonde() {
    auto titulaire = std::make_unique<TCEnseignant>(
        QStringLiteral("P01"), QStringLiteral("Nom"), QStringLiteral("Prénom"), QString(), QString(),
        QString(), QString(), QString(), QString(), QString(),
        std::make_unique<TCGrade>(QStringLiteral("G"), QStringLiteral("g"), 18), nullptr, nullptr, QString());
    TCClasse source(3, std::make_unique<TCNiveau>(QStringLiteral("6E"), QStringLiteral("Sixième"), 1),
                    QStringLiteral("6A"), QStringLiteral("Sixième A"), 12.5, std::move(titulaire),
                    std::make_unique<TCSerie>(1, QStringLiteral("A")), 30,
                    std::make_unique<TCLangue>(1, QStringLiteral("FR"), QStringLiteral("Français")),
                    std::make_unique<TCSalle>(1, QStringLiteral("Salle 1"), QStringLiteral("Rez"), 40));
    TCClasse copie(source);
    QCOMPARE(copie.GetId(), 3);
    QCOMPARE(copie.GetEffectif(), 30);
    QCOMPARE(copie.GetMinCoefficient(), 12.5);
    QVERIFY(copie.GetCNiveau() != source.GetCNiveau());
    QVERIFY(copie.GetTitulaire() != source.GetTitulaire());
    QVERIFY(copie.GetTitulaire()->GetGrade() != source.GetTitulaire()->GetGrade());
    QVERIFY(copie.GetSerie() != source.GetSerie());
    QVERIFY(copie.GetLangue() != source.GetLangue());
    QVERIFY(copie.GetSalle() != source.GetSalle());
    copie.GetSalle()->SetNom(QStringLiteral("Autre"));
    copie.GetTitulaire()->SetNom(QStringLiteral("Autre"));
    copie.SetSerie(nullptr);
    copie.SetLibele(QStringLiteral("Autre"));
    copie.SeMinCoefficient(1.0);
    QCOMPARE(source.GetSalle()->GetNom(), QStringLiteral("Salle 1"));
    QCOMPARE(source.GetTitulaire()->GetNom(), QStringLiteral("Nom"));
    QCOMPARE(source.GetSerie()->GetNom(), QStringLiteral("A"));
    QCOMPARE(source.GetLibelle(), QStringLiteral("Sixième A"));
    QCOMPARE(copie.GetMinCoefficient(), 1.0);

    const TCClasse vide(QStringLiteral("X"), QStringLiteral("x"));
    const TCClasse copieVide(vide);
    QVERIFY(!copieVide.GetCNiveau() && !copieVide.GetTitulaire() && !copieVide.GetSalle());
    QCOMPARE(TCSalle(TCSalle(QStringLiteral("S"), QStringLiteral("d"), 12)).GetNombreDePlace(), 12);
}

void TestModeleClasses::autreAnnee() {
    base_->Executer(QStringLiteral("INSERT INTO langue VALUES (1,'FR','Français')"),
                    QStringLiteral("bd_2026_2027"));
    base_->Executer(
        QStringLiteral("INSERT INTO niveau (code, nom, ordre, id_section) VALUES ('6E','Sixième',1,1)"),
        QStringLiteral("bd_2026_2027"));
    base_->Executer(
        QStringLiteral("INSERT INTO classe (code, lib, niv, id_langue) VALUES ('6N','Sixième N','6E',1)"),
        QStringLiteral("bd_2026_2027"));
    TCClasse::LoadComboboxClasse(boite_, QStringLiteral("2026/2027"), QStringLiteral("6E"), false);
    QCOMPARE(Codes(*boite_), QStringList{QStringLiteral("6N")});
}

void TestModeleClasses::textesRequetes_data() {
    QTest::addColumn<Appel>("appel");
    QTest::addColumn<QStringList>("textes");       // every statement sent, in order
    QTest::addColumn<QStringList>("parametres");   // their named parameters, "name=value"
    QTest::addColumn<QStringList>("fournisseurs"); // the provider of each statement
    QComboBox* const* b = &boite_;
    const QString donnee = QStringLiteral("ProviderDonnee");
    const auto cas = [](const char* nom, Appel appel, const QString& texte, const QStringList& parametres,
                        const QString& fournisseur) {
        QTest::newRow(nom) << appel << QStringList{texte} << parametres << QStringList{fournisseur};
    };

    const QString debut = QStringLiteral(
        "SELECT `C`.`code`, `C`.`lib`, `C`.`min_coefficient`, `C`.`effectif`,\n"
        "`N`.`code` AS `code_niveau`, `N`.`ordre` AS `ordre_niveau`, `N`.`nom` AS `nom_niveau`,\n"
        "`L`.`id` AS `id_langue`, `L`.`code` AS `code_langue`, `L`.`libelle` AS `libelle_langue`,\n"
        "`S`.`num` AS `num_serie`, `S`.`nom` AS `nom_serie`, SS.id AS id_salle, SS.nom AS "
        "nom_salle, SS.description AS description_salle, SS.capacite AS capacite_salle\n"
        "FROM `bd_2025_2026`.`classe` `C`\n"
        "INNER JOIN `bd_2025_2026`.`niveau` `N` ON `N`.`code` = `C`.`niv`\n");
    const QString section =
        QStringLiteral("INNER JOIN `bd_2025_2026`.`section` `SC` ON `SC`.`id` = `N`.`id_section`\n");
    const QString fin =
        QStringLiteral("INNER JOIN `bd_2025_2026`.`langue` `L` ON `L`.`id` = `C`.`id_langue`\n"
                       "LEFT JOIN `bd_2025_2026`.`salle` `SS` ON `SS`.`id` = `C`.`id_salle`\n"
                       "LEFT JOIN `bd_2025_2026`.`series` `S` ON `S`.`num` = `C`.`serie`\n");
    const QString parOrdre = QStringLiteral("ORDER BY `N`.`ordre` ASC, `C`.`code` ASC");
    const QString niveau = QStringLiteral("WHERE `N`.`code` = 'C''1'\n");

    cas(
        "classes du niveau", [=] { TCClasse::LoadComboboxClasse(*b, Annee, QStringLiteral("C'1"), false); },
        debut + fin + niveau + parOrdre, {}, donnee);
    cas(
        "classes", [=] { TCClasse::LoadComboboxClasse(*b, Annee, QString(), true); }, debut + fin + parOrdre,
        {}, donnee);
    cas(
        "classes niveau et section",
        [=] { TCClasse::LoadComboboxClasse(*b, Annee, QStringLiteral("C'1"), 1, false); },
        debut + section + fin + niveau + QStringLiteral(" AND `SC`.`id` = 1\n") + parOrdre, {}, donnee);
    cas(
        "classes section", [=] { TCClasse::LoadComboboxClasse(*b, Annee, QString(), 1, false); },
        debut + section + fin + QStringLiteral("WHERE `SC`.`id` = 1\n") + parOrdre, {}, donnee);
    cas(
        "classes toutes sections", [=] { TCClasse::LoadComboboxClasse(*b, Annee, QString(), -1, false); },
        debut + section + fin + parOrdre, {}, donnee);
    cas(
        "ordres et section",
        [=] {
            TCClasse::LoadComboboxClasseByListeOrdreNiveauIdSection(*b, Annee, QStringLiteral("(3,4)"), 2,
                                                                    false);
        },
        debut + section + fin + QStringLiteral("WHERE `N`.`ordre` IN  (3,4)\n AND `SC`.`id` = 2\n") +
            parOrdre,
        {}, donnee);
    const QString salle = QStringLiteral("`C`.`code` IN (SELECT DISTINCT `CL`.`code_classe` FROM "
                                         "bd_2025_2026.`classe_lecon` `CL` WHERE `CL`.`id_salle` = 2)\n");
    const QString parOrdreEtCode = QStringLiteral("ORDER BY `N`.`ordre` ASC, C.code ASC");
    cas(
        "salle et niveau",
        [=] { TCClasse::LoadComboboxClasseByIdSalle(*b, Annee, QStringLiteral("C'1"), 2, false); },
        debut + fin + niveau + QStringLiteral("AND ") + salle + parOrdreEtCode, {}, donnee);
    cas(
        "salle", [=] { TCClasse::LoadComboboxClasseByIdSalle(*b, Annee, QString(), 2, false); },
        debut + fin + QStringLiteral("WHERE ") + salle + parOrdreEtCode, {}, donnee);
    const QString enseignant = QStringLiteral("`C`.`code` IN (SELECT `CM`.`classe` FROM "
                                              "bd_2025_2026.`classe_matiere` `CM` WHERE `CM`.`enseignant` = "
                                              "'O''B')\n");
    cas(
        "enseignant et niveau",
        [=] {
            TCClasse::LoadComboboxClasseByEnseignant(*b, Annee, QStringLiteral("C'1"), QStringLiteral("O'B"),
                                                     false);
        },
        debut + fin + niveau + QStringLiteral("AND ") + enseignant + parOrdre, {}, donnee);
    cas(
        "enseignant",
        [=] { TCClasse::LoadComboboxClasseByEnseignant(*b, Annee, QString(), QStringLiteral("O'B"), false); },
        debut + fin + QStringLiteral("WHERE ") + enseignant + parOrdre, {}, donnee);
    cas(
        "titulaire et niveau",
        [=] {
            TCClasse::LoadComboboxClasseByProfTitutalire(*b, Annee, QStringLiteral("C'1"),
                                                         QStringLiteral("O'B"), false);
        },
        debut + fin + niveau + QStringLiteral("AND `C`.`prof_titulaire` = 'O''B'\n") + parOrdre, {}, donnee);
    cas(
        "titulaire",
        [=] {
            TCClasse::LoadComboboxClasseByProfTitutalire(*b, Annee, QString(), QStringLiteral("O'B"), false);
        },
        debut + fin + QStringLiteral("WHERE `C`.`prof_titulaire` = 'O''B'\n") + parOrdre, {}, donnee);
    cas(
        "classe par code", [] { TCClasse::FindByCode(QStringLiteral("Q'2")); },
        QStringLiteral(
            "SELECT `C`.`code`, `C`.`lib`, `C`.`niv`, `C`.`min_coefficient`, `C`.`prof_titulaire`, "
            "`C`.`effectif`,\n"
            "`S`.`num` AS `num_serie`, `S`.`nom` AS `nom_serie`, `L`.`id` AS `id_langue`,\n"
            "`L`.`code` AS `code_langue`, `L`.`libelle` AS `libelle_langue`,\n"
            "`N`.`code` AS `code_niveau`, `N`.`nom` AS `nom_niveau`, `N`.`ordre` AS `ordre_niveau`,\n"
            "SS.id AS id_salle, SS.nom AS nom_salle, SS.description AS description_salle, SS.capacite "
            "AS capacite_salle\n"
            "FROM `classe` `C`\n"
            "INNER JOIN `langue` `L` ON `L`.`id` = `C`.`id_langue`\n"
            "INNER JOIN `niveau` `N` ON `N`.`code` = `C`.`niv`\n"
            "LEFT JOIN `salle` `SS` ON `SS`.`id` = `C`.`id_salle`\n"
            "LEFT JOIN `series` `S` ON `S`.`num` = `C`.`serie`\n"
            "WHERE `C`.`code` = :code"),
        {QStringLiteral("code=Q'2")}, donnee);
    cas(
        "code du niveau", [] { TCClasse::FindCodeNiveau(QStringLiteral("Q'2")); },
        QStringLiteral("SELECT C.niv FROM classe C WHERE C.code = 'Q''2'"), {},
        QStringLiteral("ProviderDonneeFindCodeNiveau"));
    cas(
        "effectif", [] { TCClasse::GetEffectifByClasse(QStringLiteral("Q'2"), false); },
        QStringLiteral("SELECT COUNT(*) AS effectif FROM eleve WHERE idclasse = 'Q''2' AND exclu = '0'"), {},
        donnee);
    cas(
        "effectif en regle", [] { TCClasse::GetEffectifByClasse(QStringLiteral("6A"), true); },
        QStringLiteral("SELECT COUNT(*) AS effectif FROM eleve WHERE idclasse = '6A' AND exclu = '0'\n"
                       " AND en_regle = '1' "),
        {}, donnee);
    cas(
        "codes du niveau", [] { TCClasse::GetListeClasseCodeByNiveauCode(Annee, QStringLiteral("C'1")); },
        QStringLiteral("SELECT C.code FROM classe C \n WHERE C.niv  = 'C''1'"), {},
        QStringLiteral("ProviderDonneeGetListeClasseCodeByNiveauCode"));
    cas(
        "codes de tous les niveaux", [] { TCClasse::GetListeClasseCodeByNiveauCode(Annee, QString()); },
        QStringLiteral("SELECT C.code FROM classe C "), {},
        QStringLiteral("ProviderDonneeGetListeClasseCodeByNiveauCode"));
    cas(
        "codes de la section", [] { TCClasse::GetListeClasseCodeBySectionID(Annee, 2); },
        QStringLiteral(
            "SELECT C.code FROM classe C INNER JOIN NIVEAU N ON C.niv=N.code\n AND N.id_section = 2"),
        {}, donnee);
    cas(
        "codes de toutes les sections", [] { TCClasse::GetListeClasseCodeBySectionID(Annee, -1); },
        QStringLiteral("SELECT C.code FROM classe C INNER JOIN NIVEAU N ON C.niv=N.code"), {}, donnee);
    cas(
        "salles", [=] { TCSalle::LoadComboboxSalle(*b, Annee, true); },
        QStringLiteral("SELECT `S`.`id`, `S`.`nom`, `S`.`description`, `S`.`capacite`\n"
                       "FROM `bd_2025_2026`.`Salle` `S`\nORDER BY `S`.`nom` ASC"),
        {}, donnee);
}

void TestModeleClasses::textesRequetes() {
    QFETCH(Appel, appel);
    QFETCH(QStringList, textes);
    QFETCH(QStringList, parametres);
    QFETCH(QStringList, fournisseurs);
    appel();
    QCOMPARE(requetes_, textes);
    QCOMPARE(parametres_, parametres);
    QCOMPARE(fournisseurs_, fournisseurs);
}

QTEST_MAIN(TestModeleClasses)
#include "test_modele_classes.moc"
