// Structure entities against the real server: languages, sections, levels, examinations, series, and the
// combo-box convention their loaders follow.
#include "base/KORVENTypesU.h"
#include "base/KorvenUtils.h"
#include "core/data/OBDataModuleU.h"
#include "core/model/UniteCLangue.h"
#include "core/model/UniteCNiveau.h"
#include "core/model/UniteCSerie.h"
#include "support/EnvironnementModele.h"

#include <QComboBox>
#include <QTest>
#include <functional>

namespace {

const QString Annee = QStringLiteral("2025/2026");
const QString Base = QStringLiteral("bd_2025_2026");

// Counts the entities alive, to see the combo-box convention release them.
class TSuivi : public TCObjet {
public:
    TSuivi() { ++Vivants; }
    ~TSuivi() override { --Vivants; }
    static inline int Vivants = 0;
};

QStringList Textes(const QComboBox& boite) {
    QStringList textes;
    for (int i = 0; i < boite.count(); ++i)
        textes << boite.itemText(i);
    return textes;
}

} // namespace

class TestModeleStructure : public QObject, public EnvironnementModele {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void verificationsArguments_data();
    void verificationsArguments();
    void conventionCombo();
    void chargeursLangueSectionExamen();
    void chargeurNiveaux();
    void chargeurNiveauxExamenManquantOuDouble();
    void chargeursSeries_data();
    void chargeursSeries();
    void resultatUnique_data();
    void resultatUnique();
    void rechercheDerniereLigne();
    void serieParNumero();
    void examenRequis_data();
    void examenRequis();
    void rechercheNiveaux();
    void champNonSur_data();
    void champNonSur();
    void copiesIndependantes();
    void autreAnnee();
    void textesRequetes_data();
    void textesRequetes();
};

void TestModeleStructure::init() {
    Ouvrir();

    for (const QString& sql : {
             QStringLiteral("INSERT INTO langue VALUES (1,'FR','Français'),(2,'EN','English')"),
             // Section 3 names a language that does not exist: its levels never appear.
             QStringLiteral(
                 "INSERT INTO section VALUES (1,'SG','Section générale',1),(2,'AN','Anglophone',2),"
                 "(3,'TE','Technique',9)"),
             QStringLiteral("INSERT INTO examens VALUES (1,'BEPC'),(2,'PROBATOIRE')"),
             QStringLiteral("INSERT INTO series VALUES (1,'C'),(2,'A'),(3,'D'),(4,'TI')"),
             QStringLiteral("INSERT INTO examens_series VALUES (2,1),(2,2),(1,3)"),
             // 5E names examination 9, which does not exist.
             QStringLiteral("INSERT INTO niveau (code, nom, examen, ex_req_pro, ordre, id_section) VALUES "
                            "('6E','Sixième',NULL,'0',1,1),('5E','Cinquième',9,'0',2,1),"
                            "('3E','Troisième',1,'1',3,1),('1RE','Première',2,'1',4,1),"
                            "('F1','Form one',NULL,'0',11,2),('O''N','Form two',NULL,'1',12,2),"
                            "('T1','Tech one',NULL,'0',21,3)"),
         })
        base_->Executer(sql, Base);
}

void TestModeleStructure::cleanup() {
    Fermer();
    QCOMPARE(TSuivi::Vivants, 0);
}

void TestModeleStructure::verificationsArguments_data() {
    QTest::addColumn<Appel>("appel");
    QTest::addColumn<QString>("message");

    const QString nul = QStringLiteral("Impossible de charger un composant null.");
    const QString passer = QStringLiteral("Vous devez passer l'annéée scolaire.");
    const QString indiquer = QStringLiteral("Vous devez indiquer l'année scolaire.");
    const QString blanc = QStringLiteral(" \t\r\n ");
    // Rows are made before init(): the calls reach the box of the running case through this.
    QComboBox* const* b = &boite_;

    const auto cas = [](const char* nom, Appel appel, const QString& message) {
        QTest::newRow(nom) << appel << message;
    };
    cas(
        "langue code", [=] { TCLangue::FindByCode(blanc, Annee); },
        QStringLiteral("Vous devez passer le code en paramètre."));
    cas(
        "langue code avant annee", [=] { TCLangue::FindByCode(blanc, blanc); },
        QStringLiteral("Vous devez passer le code en paramètre."));
    cas(
        "langue code annee", [=] { TCLangue::FindByCode(QStringLiteral("FR"), blanc); }, passer);
    cas(
        "langue libelle", [=] { TCLangue::FindByLibelle(QString(), QString()); },
        QStringLiteral("Vous devez indiquer le libellé."));
    cas(
        "langue libelle annee", [=] { TCLangue::FindByLibelle(QStringLiteral("x"), blanc); }, indiquer);
    cas(
        "langue id", [=] { TCLangue::FindById(QString(), 0); },
        QStringLiteral("Vous devez passer l'identifiant en paramètre."));
    cas(
        "langue id annee", [=] { TCLangue::FindById(blanc, 1); }, passer);
    cas(
        "langue combo", [=] { TCLangue::LoadComboboxLangue(nullptr, QString()); }, nul);
    cas(
        "langue combo annee", [=] { TCLangue::LoadComboboxLangue(*b, blanc); }, passer);
    cas(
        "section combo", [=] { TCSection::LoadCombobox(nullptr, QString(), true); },
        QStringLiteral("Impossible de charger un composant null"));
    cas(
        "section combo annee", [=] { TCSection::LoadCombobox(*b, blanc, true); }, indiquer);
    cas(
        "section id", [=] { TCSection::FindById(0, QString()); },
        QStringLiteral("Vous devez indiquer l'identifiant de la section."));
    cas(
        "section id annee", [=] { TCSection::FindById(1, blanc); }, indiquer);
    cas(
        "section code", [=] { TCSection::FindByCode(blanc, QString()); },
        QStringLiteral("Vous devez indiquer le code de la section."));
    cas(
        "section code annee", [=] { TCSection::FindByCode(QStringLiteral("SG"), blanc); }, indiquer);
    cas(
        "section libelle", [=] { TCSection::FindByLibelle(blanc, QString()); },
        QStringLiteral("Vous devez indiquer le libellé."));
    cas(
        "section libelle annee", [=] { TCSection::FindByLibelle(QStringLiteral("x"), blanc); }, indiquer);
    cas(
        "section langue", [=] { TCSection::FindByLangue(0, QString()); },
        QStringLiteral("Vous devez indiquer la langue."));
    cas(
        "section langue annee", [=] { TCSection::FindByLangue(1, blanc); }, indiquer);
    cas(
        "niveau code", [=] { TCNiveau::FindByCode(blanc, QString()); },
        QStringLiteral("Vous devez indiquer le code du niveau."));
    cas(
        "niveau code annee", [=] { TCNiveau::FindByCode(QStringLiteral("6E"), blanc); }, passer);
    cas(
        "niveau superieur", [=] { TCNiveau::FindNiveauSuperieur(nullptr, QString()); },
        QStringLiteral("Vous devez indiquer le niveau courant."));
    cas(
        "niveau superieur annee",
        [=] {
            const TCNiveau niveau(QStringLiteral("6E"), QStringLiteral("Sixième"), 1);
            TCNiveau::FindNiveauSuperieur(&niveau, blanc);
        },
        passer);
    for (const bool compter : {false, true}) {
        const auto appel = [compter](const QString& nom, const QString& valeur, const QString& annee) {
            return Appel([=] {
                if (compter)
                    TCNiveau::CountByChamp(nom, valeur, annee);
                else
                    TCNiveau::FindByChamp(nom, valeur, annee);
            });
        };
        const QByteArray prefixe = compter ? "count" : "find";
        QTest::newRow(prefixe + " champ")
            << appel(blanc, QString(), QString()) << QStringLiteral("Vous devez indiquer le nom du champ.");
        QTest::newRow(prefixe + " valeur") << appel(QStringLiteral("code"), blanc, QString())
                                           << QStringLiteral("Vous devez indiquer la valeur du champ.");
        QTest::newRow(prefixe + " annee")
            << appel(QStringLiteral("code"), QStringLiteral("6E"), blanc) << passer;
    }
    cas(
        "niveau combo", [=] { TCNiveau::LoadComboboxNiveau(nullptr, QString(), -1, false); }, nul);
    cas(
        "niveau combo annee", [=] { TCNiveau::LoadComboboxNiveau(*b, blanc, -1, false); }, passer);
    cas(
        "niveau section combo", [=] { TCNiveau::LoadComboNiveauBySection(nullptr, QString(), 0); }, nul);
    cas(
        "niveau section annee", [=] { TCNiveau::LoadComboNiveauBySection(*b, blanc, 0); }, indiquer);
    cas(
        "niveau section id", [=] { TCNiveau::LoadComboNiveauBySection(*b, Annee, 0); },
        QStringLiteral("Vous devez indisquer l'identifiant de la section."));
    cas(
        "examen requis annee", [=] { TCNiveau::ExamenRequisPourPrommotion(QStringLiteral("3E"), blanc); },
        indiquer);
    cas(
        "examen nom", [=] { TCExamen::FindByNom(blanc, QString()); },
        QStringLiteral("Vous devez passer le nom de l'examen en paramètre."));
    cas(
        "examen nom annee", [=] { TCExamen::FindByNom(QStringLiteral("BEPC"), blanc); }, passer);
    cas(
        "examen id annee", [=] { TCExamen::FindByID(1, blanc); }, passer);
    cas(
        "examen combo", [=] { TCExamen::LoadComboboxExamen(nullptr, QString()); }, nul);
    cas(
        "examen combo annee", [=] { TCExamen::LoadComboboxExamen(*b, blanc); }, passer);
    cas(
        "serie combo", [=] { TCSerie::LoadComboboxSerie(nullptr, QString()); }, nul);
    cas(
        "serie combo annee", [=] { TCSerie::LoadComboboxSerie(*b, blanc); }, passer);
    cas(
        "serie combo niveau", [=] { TCSerie::LoadComboboxSerie(nullptr, blanc, QStringLiteral("1RE")); },
        nul);
    cas(
        "serie combo niveau annee", [=] { TCSerie::LoadComboboxSerie(*b, blanc, QStringLiteral("1RE")); },
        passer);
    cas(
        "serie combo examen", [=] { TCSerie::LoadComboboxSerie(nullptr, blanc, 2); }, nul);
    cas(
        "serie combo examen annee", [=] { TCSerie::LoadComboboxSerie(*b, blanc, 2); }, passer);
    cas(
        "serie combo aucune", [=] { TCSerie::LoadComboboxSerie(nullptr, blanc, true); }, nul);
    cas(
        "serie combo aucune annee", [=] { TCSerie::LoadComboboxSerie(*b, blanc, true); }, passer);
    cas(
        "serie nom", [=] { TCSerie::FindByNom(blanc, QString()); },
        QStringLiteral("Vous devez passer le nom de la série en paramètre."));
    cas(
        "serie nom annee", [=] { TCSerie::FindByNom(QStringLiteral("A"), blanc); }, passer);
    cas(
        "serie num", [=] { TCSerie::FindObjectByNum(-1, QString()); },
        QStringLiteral("Vous devez passer un numéro de série positif."));
    cas(
        "serie num annee", [=] { TCSerie::FindObjectByNum(0, blanc); }, passer);
    cas(
        "serie nom par num", [=] { TCSerie::FindNameByNum(-1, Annee); },
        QStringLiteral("Vous devez passer un numéro de série positif."));
    cas(
        "serie nom par num avant annee", [=] { TCSerie::FindNameByNum(-1, blanc); },
        QStringLiteral("Vous devez passer un numéro de série positif."));
    cas(
        "serie nom par num annee", [=] { TCSerie::FindNameByNum(1, blanc); }, passer);
    // A year code that would not give a plain database name is refused before it reaches a statement.
    cas(
        "annee non sure", [=] { TCLangue::LoadComboboxLangue(*b, QStringLiteral("2025/2026`.langue; --")); },
        QStringLiteral(
            "L'année scolaire « 2025/2026`.langue; -- » ne correspond à aucun nom de base de données "
            "valide."));
}

void TestModeleStructure::verificationsArguments() {
    QFETCH(Appel, appel);
    QFETCH(QString, message);
    // A box that already holds an item must come out untouched.
    AjouterObjetCombo(boite_, QStringLiteral("avant"), std::make_unique<TSuivi>());
    QCOMPARE(Erreur(appel), message);
    QCOMPARE(requetes_, QStringList());
    QCOMPARE(Textes(*boite_), QStringList{QStringLiteral("avant")});
    QVERIFY(ObjetCombo<TSuivi>(boite_, 0) != nullptr);
}

void TestModeleStructure::conventionCombo() {
    // Releasing an empty box, or no box, does nothing.
    FreeComboboxObjects(boite_);
    FreeComboboxObjects(nullptr);
    QCOMPARE(boite_->count(), 0);

    // Items own their entities; an item may carry none.
    AjouterObjetCombo(boite_, QStringLiteral("un"), std::make_unique<TSuivi>());
    AjouterObjetCombo(boite_, QStringLiteral("sans"), nullptr);
    AjouterObjetCombo(boite_, QStringLiteral("deux"), std::make_unique<TSuivi>());
    QCOMPARE(TSuivi::Vivants, 2);
    QVERIFY(ObjetCombo<TSuivi>(boite_, 0) != nullptr);
    QVERIFY(ObjetCombo<TSuivi>(boite_, 1) == nullptr);
    QVERIFY(ObjetCombo<TCLangue>(boite_, 2) == nullptr); // not a language
    QVERIFY(ObjetCombo<TSuivi>(boite_, 3) == nullptr);   // no such item
    QCOMPARE(boite_->currentIndex(), 0);
    QVERIFY(ObjetSelectionne<TSuivi>(boite_) == ObjetCombo<TSuivi>(boite_, 0));

    // Nothing reacting to the box while it is emptied can reach a released entity.
    int signaux = 0;
    connect(boite_, &QComboBox::currentIndexChanged, this, [&](int index) {
        ++signaux;
        if (index >= 0)
            QVERIFY(ObjetCombo<TSuivi>(boite_, index) != nullptr);
    });
    FreeComboboxObjects(boite_);
    QCOMPARE(TSuivi::Vivants, 0);
    QCOMPARE(boite_->count(), 0);
    QCOMPARE(boite_->currentIndex(), -1);
    QVERIFY(signaux > 0);
    disconnect(boite_, nullptr, this, nullptr);

    // Items removed behind the convention's back keep their entity until the next release...
    AjouterObjetCombo(boite_, QStringLiteral("un"), std::make_unique<TSuivi>());
    boite_->clear();
    QCOMPARE(TSuivi::Vivants, 1);
    QCOMPARE(NombreObjetsCombo(boite_), 1);
    FreeComboboxObjects(boite_);
    QCOMPARE(TSuivi::Vivants, 0);

    // ...and a box destroyed without being released takes its entities with it.
    {
        QComboBox boite;
        AjouterObjetCombo(&boite, QStringLiteral("un"), std::make_unique<TSuivi>());
        AjouterObjetCombo(&boite, QStringLiteral("deux"), std::make_unique<TSuivi>());
        QCOMPARE(TSuivi::Vivants, 2);
    }
    QCOMPARE(TSuivi::Vivants, 0);
}

void TestModeleStructure::chargeursLangueSectionExamen() {
    // Languages by name, nothing selected.
    AjouterObjetCombo(boite_, QStringLiteral("ancien"), std::make_unique<TSuivi>());
    TCLangue::LoadComboboxLangue(boite_, Annee);
    QCOMPARE(TSuivi::Vivants, 0); // the earlier item's entity is gone
    QCOMPARE(Textes(*boite_), (QStringList{QStringLiteral("English"), QStringLiteral("Français")}));
    QCOMPARE(boite_->currentIndex(), -1);
    const TCLangue* francais = ObjetCombo<TCLangue>(boite_, 1);
    QVERIFY(francais != nullptr);
    QCOMPARE(francais->GetId(), 1);
    QCOMPARE(francais->GetCode(), QStringLiteral("FR"));

    // Sections by code, the pseudo-item first, only sections whose language exists; nothing selected.
    TCSection::LoadCombobox(boite_, Annee, true);
    QCOMPARE(Textes(*boite_),
             (QStringList{QStringLiteral("Toutes les sections"), QStringLiteral("Anglophone"),
                          QStringLiteral("Section générale")}));
    QCOMPARE(boite_->currentIndex(), -1);
    QCOMPARE(NombreObjetsCombo(boite_), 3); // the languages loaded before are released
    const TCSection* toutes = ObjetCombo<TCSection>(boite_, 0);
    QCOMPARE(toutes->GetId(), 0);
    QCOMPARE(toutes->GetCode(), QStringLiteral("Toutes"));
    QVERIFY(toutes->GetLangue() == nullptr);
    const TCSection* generale = ObjetCombo<TCSection>(boite_, 2);
    QCOMPARE(generale->GetId(), 1);
    QCOMPARE(generale->GetLangue()->GetLibelle(), QStringLiteral("Français"));
    // Every item has its own language.
    TCSection::LoadCombobox(boite_, Annee, false);
    QCOMPARE(boite_->count(), 2);
    QVERIFY(ObjetCombo<TCSection>(boite_, 0)->GetLangue() != ObjetCombo<TCSection>(boite_, 1)->GetLangue());

    TCExamen::LoadComboboxExamen(boite_, Annee);
    QCOMPARE(Textes(*boite_), (QStringList{QStringLiteral("BEPC"), QStringLiteral("PROBATOIRE")}));
    QCOMPARE(boite_->currentIndex(), -1);
    QCOMPARE(ObjetCombo<TCExamen>(boite_, 1)->GetId(), 2);

    TCSection::FreeCombobox(boite_);
    QCOMPARE(boite_->count(), 0);
    QCOMPARE(NombreObjetsCombo(boite_), 0);
}

void TestModeleStructure::chargeurNiveaux() {
    // Every section (-1), in order; levels whose section or language is missing do not appear.
    TCNiveau::LoadComboboxNiveau(boite_, Annee, -1, false);
    QCOMPARE(Textes(*boite_), (QStringList{QStringLiteral("Sixième"), QStringLiteral("Cinquième"),
                                           QStringLiteral("Troisième"), QStringLiteral("Première"),
                                           QStringLiteral("Form one"), QStringLiteral("Form two")}));
    QCOMPARE(boite_->currentIndex(), 0);
    QCOMPARE(requetes_.first(),
             QStringLiteral("SELECT `N`.`code`, `N`.`nom`, `N`.`ordre`, `N`.`examen`, \n"
                            "`S`.`id` AS `id_section`, `S`.`code` AS `code_section`, `S`.`libelle` AS "
                            "`libelle_section`,\n"
                            "`L`.`id` AS `id_langue`, `L`.`code` AS `code_langue`, `L`.`libelle` AS "
                            "`libelle_langue`\n"
                            " FROM `niveau` `N` INNER JOIN `section` `S` ON `S`.`id` = `N`.`id_section`\n"
                            "INNER JOIN `langue` `L` ON `L`.`id` = `S`.`id_langue`\n"
                            "ORDER BY `N`.`ordre` ASC"));
    const TCNiveau* troisieme = ObjetCombo<TCNiveau>(boite_, 2);
    QCOMPARE(troisieme->GetCode(), QStringLiteral("3E"));
    QCOMPARE(troisieme->GetOrdre(), 3);
    QCOMPARE(troisieme->GetSection()->GetCode(), QStringLiteral("SG"));
    QCOMPARE(troisieme->GetSection()->GetLangue()->GetCode(), QStringLiteral("FR"));
    QCOMPARE(troisieme->GetExamen()->GetNom(), QStringLiteral("BEPC"));
    QVERIFY(ObjetCombo<TCNiveau>(boite_, 0)->GetExamen() == nullptr); // examen NULL
    QVERIFY(ObjetCombo<TCNiveau>(boite_, 1)->GetExamen() == nullptr); // examen 9: no such row
    QVERIFY(ObjetCombo<TCNiveau>(boite_, 0)->GetSection() != ObjetCombo<TCNiveau>(boite_, 1)->GetSection());

    // One section with the pseudo-item, which comes first and is selected.
    requetes_.clear();
    TCNiveau::LoadComboboxNiveau(boite_, Annee, 2, true);
    QCOMPARE(Textes(*boite_), (QStringList{QStringLiteral("Tous les niveaux"), QStringLiteral("Form one"),
                                           QStringLiteral("Form two")}));
    QCOMPARE(NombreObjetsCombo(boite_), 3);
    QCOMPARE(boite_->currentIndex(), 0);
    QVERIFY(requetes_.first().contains(QStringLiteral("\nWHERE `S`.`id` = 2\nORDER BY")));
    const TCNiveau* tous = ObjetCombo<TCNiveau>(boite_, 0);
    QCOMPARE(tous->GetCode(), QString());
    QCOMPARE(tous->GetOrdre(), 0);
    QVERIFY(tous->GetSection() == nullptr);
    // The level after the pseudo-item: none, without a query.
    requetes_.clear();
    QVERIFY(TCNiveau::FindNiveauSuperieur(tous, Annee) == nullptr);
    QCOMPARE(requetes_, QStringList());

    // A section without levels leaves the box empty with nothing selected.
    TCNiveau::LoadComboboxNiveau(boite_, Annee, 3, false);
    QCOMPARE(boite_->count(), 0);
    QCOMPARE(boite_->currentIndex(), -1);

    // The section loader of the year's own database.
    TCNiveau::LoadComboNiveauBySection(boite_, Annee, 2);
    QCOMPARE(Textes(*boite_), (QStringList{QStringLiteral("Form one"), QStringLiteral("Form two")}));
    QCOMPARE(boite_->currentIndex(), 0);
    QCOMPARE(ObjetCombo<TCNiveau>(boite_, 1)->GetSection()->GetLangue()->GetCode(), QStringLiteral("EN"));

    TCNiveau::FreeComboboxNiveau(boite_);
    QCOMPARE(boite_->count(), 0);
    QCOMPARE(NombreObjetsCombo(boite_), 0);
}

void TestModeleStructure::chargeurNiveauxExamenManquantOuDouble() {
    // Two examination rows with the number of 3E's examination: the level gets none.
    base_->Executer(QStringLiteral("ALTER TABLE examens DROP PRIMARY KEY, DROP INDEX uk_examens_nom"), Base);
    base_->Executer(QStringLiteral("INSERT INTO examens VALUES (1,'BEPC bis')"), Base);
    TCNiveau::LoadComboboxNiveau(boite_, Annee, 1, false);
    QCOMPARE(boite_->count(), 4);
    for (int i = 0; i < boite_->count(); ++i) {
        const TCNiveau* niveau = ObjetCombo<TCNiveau>(boite_, i);
        // Only PROBATOIRE (1RE) is named by exactly one row.
        QCOMPARE(niveau->GetExamen() != nullptr, niveau->GetCode() == QStringLiteral("1RE"));
    }
    QVERIFY(TCExamen::FindByID(1, Annee) == nullptr);
    QCOMPARE(TCExamen::FindByID(2, Annee)->GetNom(), QStringLiteral("PROBATOIRE"));
}

void TestModeleStructure::chargeursSeries_data() {
    QTest::addColumn<Appel>("charger");
    QTest::addColumn<QStringList>("textes");
    QTest::addColumn<int>("premierNum");
    QComboBox* const* b = &boite_;
    QTest::newRow("toutes par numero")
        << Appel([=] { TCSerie::LoadComboboxSerie(*b, Annee); })
        << QStringList{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("D"), QStringLiteral("TI")}
        << 1;
    QTest::newRow("par niveau") << Appel(
                                       [=] { TCSerie::LoadComboboxSerie(*b, Annee, QStringLiteral("1RE")); })
                                << QStringList{QStringLiteral("A"), QStringLiteral("C")} << 2;
    QTest::newRow("par niveau litteral") << Appel([=] { TCSerie::LoadComboboxSerie(*b, Annee, "3E"); })
                                         << QStringList{QStringLiteral("D")} << 3;
    QTest::newRow("niveau sans serie")
        << Appel([=] { TCSerie::LoadComboboxSerie(*b, Annee, "6E"); }) << QStringList() << 0;
    QTest::newRow("par examen") << Appel([=] { TCSerie::LoadComboboxSerie(*b, Annee, 2); })
                                << QStringList{QStringLiteral("A"), QStringLiteral("C")} << 2;
    QTest::newRow("avec aucune") << Appel([=] { TCSerie::LoadComboboxSerie(*b, Annee, true); })
                                 << QStringList{QStringLiteral("(Aucune)"), QStringLiteral("A"),
                                                QStringLiteral("C"), QStringLiteral("D"),
                                                QStringLiteral("TI")}
                                 << -1;
    QTest::newRow("sans aucune") << Appel([=] {
        TCSerie::LoadComboboxSerie(*b, Annee, false);
    }) << QStringList{QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("TI")}
                                 << 2;
}

void TestModeleStructure::chargeursSeries() {
    QFETCH(Appel, charger);
    QFETCH(QStringList, textes);
    QFETCH(int, premierNum);
    // Loaded twice: one set of items, the first set released; nothing selected.
    charger();
    charger();
    QCOMPARE(Textes(*boite_), textes);
    QCOMPARE(NombreObjetsCombo(boite_), textes.size());
    QCOMPARE(boite_->currentIndex(), -1);
    if (!textes.isEmpty())
        QCOMPARE(ObjetCombo<TCSerie>(boite_, 0)->GetNum(), premierNum);
    TCSerie::FreeComboboxSerie(boite_);
    QCOMPARE(NombreObjetsCombo(boite_), 0);
}

void TestModeleStructure::resultatUnique_data() {
    QTest::addColumn<Appel>("chercher");
    QTest::addColumn<Appel>("trouver");
    const QString msg;
    QTest::newRow("langue code") << Appel([] {
        TCLangue::FindByCode(QStringLiteral("fr"), Annee);
    }) << Appel([] {
        QCOMPARE(TCLangue::FindByCode(QStringLiteral("en"), Annee)->GetId(), 2);
        QVERIFY(TCLangue::FindByCode(QStringLiteral("DE"), Annee) == nullptr);
    });
    QTest::newRow("langue libelle") << Appel([] {
        TCLangue::FindByLibelle(QStringLiteral("FRANçAIS"), Annee);
    }) << Appel([] {
        QCOMPARE(TCLangue::FindByLibelle(QStringLiteral("english"), Annee)->GetCode(), QStringLiteral("EN"));
    });
    QTest::newRow("section code") << Appel([] { TCSection::FindByCode(QStringLiteral("sg"), Annee); })
                                  << Appel([] {
                                         const auto section =
                                             TCSection::FindByCode(QStringLiteral("an"), Annee);
                                         QCOMPARE(section->GetId(), 2);
                                         QCOMPARE(section->GetLangue()->GetCode(), QStringLiteral("EN"));
                                     });
    QTest::newRow("section libelle") << Appel([] {
        TCSection::FindByLibelle(QStringLiteral("SECTION GéNéRALE"), Annee);
    }) << Appel([] { QCOMPARE(TCSection::FindByLibelle(QStringLiteral("anglophone"), Annee)->GetId(), 2); });
    QTest::newRow("section langue") << Appel([] { TCSection::FindByLangue(1, Annee); }) << Appel([] {
        QCOMPARE(TCSection::FindByLangue(2, Annee)->GetCode(), QStringLiteral("AN"));
        QVERIFY(TCSection::FindByLangue(7, Annee) == nullptr);
    });
}

void TestModeleStructure::resultatUnique() {
    QFETCH(Appel, chercher);
    QFETCH(Appel, trouver);
    trouver();
    // A second row that matches the key (letter case aside): the look-up cannot give a unique result.
    base_->Executer(
        QStringLiteral("ALTER TABLE langue DROP INDEX uk_langue_code, DROP INDEX uk_langue_libelle"), Base);
    base_->Executer(
        QStringLiteral("ALTER TABLE section DROP INDEX uk_section_code, DROP INDEX uk_section_libelle"),
        Base);
    base_->Executer(QStringLiteral("INSERT INTO langue VALUES (3,'fr','français')"), Base);
    base_->Executer(QStringLiteral("INSERT INTO section VALUES (4,'sg','section générale',1)"), Base);
    QCOMPARE(Erreur(chercher), QStringLiteral("Impossible de renvoyer un résultat unique."));
    // The query objects went with the error: the same look-up runs again.
    QCOMPARE(Erreur(chercher), QStringLiteral("Impossible de renvoyer un résultat unique."));
    trouver();
}

void TestModeleStructure::rechercheDerniereLigne() {
    QCOMPARE(TCLangue::FindById(Annee, 2)->GetLibelle(), QStringLiteral("English"));
    QVERIFY(TCLangue::FindById(Annee, 5) == nullptr);
    const auto section = TCSection::FindById(1, Annee);
    QCOMPARE(section->GetLibelle(), QStringLiteral("Section générale"));
    QCOMPARE(section->GetLangue()->GetId(), 1);
    QVERIFY(TCSection::FindById(3, Annee) == nullptr); // its language does not exist
    QCOMPARE(TCExamen::FindByNom(QStringLiteral("PROBATOIRE"), Annee)->GetId(), 2);
    QVERIFY(TCExamen::FindByNom(QStringLiteral("BAC"), Annee) == nullptr);
    QCOMPARE(TCSerie::FindByNom(QStringLiteral("TI"), Annee)->GetNum(), 4);
    QVERIFY(TCSerie::FindByNom(QStringLiteral("E"), Annee) == nullptr);

    // Several rows: the last one read wins.
    base_->Executer(QStringLiteral("ALTER TABLE series DROP PRIMARY KEY, DROP INDEX uk_series_nom"), Base);
    base_->Executer(QStringLiteral("INSERT INTO series VALUES (7,'TI')"), Base);
    base_->Executer(QStringLiteral("ALTER TABLE examens DROP PRIMARY KEY, DROP INDEX uk_examens_nom"), Base);
    base_->Executer(QStringLiteral("INSERT INTO examens VALUES (8,'BEPC')"), Base);
    QCOMPARE(TCSerie::FindByNom(QStringLiteral("TI"), Annee)->GetNum(), 7);
    QCOMPARE(TCExamen::FindByNom(QStringLiteral("BEPC"), Annee)->GetId(), 8);
}

void TestModeleStructure::serieParNumero() {
    QCOMPARE(TCSerie::FindObjectByNum(3, Annee)->GetNom(), QStringLiteral("D"));
    QCOMPARE(TCSerie::FindNameByNum(3, Annee), QStringLiteral("D"));
    // 0 is a number like any other: the query runs.
    QCOMPARE(Erreur([] { TCSerie::FindObjectByNum(0, Annee); }),
             QStringLiteral("Aucune série trouvée avec l'identifiant 0"));
    QCOMPARE(requetes_.size(), 3);
    QCOMPARE(Erreur([] { TCSerie::FindObjectByNum(99, Annee); }),
             QStringLiteral("Aucune série trouvée avec l'identifiant 99"));
    QCOMPARE(TCSerie::FindNameByNum(99, Annee), QString());
    base_->Executer(QStringLiteral("INSERT INTO series VALUES (0,'Sans')"), Base);
    QCOMPARE(TCSerie::FindObjectByNum(0, Annee)->GetNom(), QStringLiteral("Sans"));
    // -1 fails before any query.
    requetes_.clear();
    QCOMPARE(Erreur([] { TCSerie::FindObjectByNum(-1, Annee); }),
             QStringLiteral("Vous devez passer un numéro de série positif."));
    QCOMPARE(requetes_, QStringList());
    // Two series with one number.
    base_->Executer(QStringLiteral("ALTER TABLE series DROP PRIMARY KEY, DROP INDEX uk_series_nom"), Base);
    base_->Executer(QStringLiteral("INSERT INTO series VALUES (3,'D bis')"), Base);
    QCOMPARE(Erreur([] { TCSerie::FindObjectByNum(3, Annee); }),
             QStringLiteral("Plus d'une série avec le même identifiant 3"));
    QCOMPARE(TCSerie::FindNameByNum(3, Annee), QStringLiteral("D bis"));
}

void TestModeleStructure::examenRequis_data() {
    QTest::addColumn<QString>("valeur"); // SQL text of ex_req_pro; empty: no level row
    QTest::addColumn<bool>("requis");
    QTest::newRow("0") << QStringLiteral("'0'") << false;
    QTest::newRow("1") << QStringLiteral("'1'") << true;
    QTest::newRow("vide") << QStringLiteral("''") << true;
    QTest::newRow("NULL") << QStringLiteral("NULL") << true;
    QTest::newRow("aucune ligne") << QString() << false;
}

void TestModeleStructure::examenRequis() {
    QFETCH(QString, valeur);
    QFETCH(bool, requis);
    base_->Executer(QStringLiteral("ALTER TABLE niveau MODIFY ex_req_pro CHAR(1) NULL"), Base);
    base_->Executer(QStringLiteral("DELETE FROM niveau"), Base);
    if (!valeur.isEmpty())
        base_->Executer(
            QStringLiteral("INSERT INTO niveau (code, nom, ex_req_pro) VALUES ('L''1', 'x', %1)").arg(valeur),
            Base);
    QCOMPARE(TCNiveau::ExamenRequisPourPrommotion(QStringLiteral("L'1"), Annee), requis);
    QCOMPARE(requetes_.last(),
             QStringLiteral("SELECT `N`.`ex_req_pro`, `N`.`code`\nFROM `bd_2025_2026`.`niveau` "
                            "`N` WHERE `N`.`code` = 'L''1'"));
}

void TestModeleStructure::rechercheNiveaux() {
    // First-row look-ups, with the examination when the level has one.
    const auto troisieme = TCNiveau::FindByCode(QStringLiteral("3E"), Annee);
    QCOMPARE(troisieme->GetNom(), QStringLiteral("Troisième"));
    QCOMPARE(troisieme->GetSection()->GetId(), 1);
    QCOMPARE(troisieme->GetSection()->GetLangue()->GetLibelle(), QStringLiteral("Français"));
    QCOMPARE(troisieme->GetExamen()->GetId(), 1);
    QVERIFY(TCNiveau::FindByCode(QStringLiteral("5E"), Annee)->GetExamen() == nullptr);
    QCOMPARE(TCNiveau::FindByCode(QStringLiteral("O'N"), Annee)->GetNom(), QStringLiteral("Form two"));
    QVERIFY(TCNiveau::FindByCode(QStringLiteral("4E"), Annee) == nullptr);

    // The next level of the same section.
    const auto sixieme = TCNiveau::FindByCode(QStringLiteral("6E"), Annee);
    QCOMPARE(TCNiveau::FindNiveauSuperieur(sixieme.get(), Annee)->GetCode(), QStringLiteral("5E"));
    const auto premiere = TCNiveau::FindByCode(QStringLiteral("1RE"), Annee);
    QCOMPARE(premiere->GetExamen()->GetNom(), QStringLiteral("PROBATOIRE"));
    QVERIFY(TCNiveau::FindNiveauSuperieur(premiere.get(), Annee) == nullptr);
    QVERIFY(requetes_.last().contains(QStringLiteral("\nWHERE `N`.`ordre` = 5 AND N.id_section = 1\n")));

    QCOMPARE(TCNiveau::FindByChamp(QStringLiteral("nom"), QStringLiteral("Troisième"), Annee)->GetCode(),
             QStringLiteral("3E"));
    QCOMPARE(TCNiveau::FindByChamp(QStringLiteral("code"), QStringLiteral("O'N"), Annee)->GetOrdre(), 12);
    QVERIFY(TCNiveau::FindByChamp(QStringLiteral("code"), QStringLiteral("T1"), Annee) == nullptr);
    QCOMPARE(TCNiveau::CountByChamp(QStringLiteral("id_section"), QStringLiteral("1"), Annee), 4);
    QCOMPARE(TCNiveau::CountByChamp(QStringLiteral("code"), QStringLiteral("O'N"), Annee), 1);
    QCOMPARE(requetes_.last(),
             QStringLiteral("SELECT COUNT(*) AS row_count FROM `niveau` `N` WHERE `N`.`code` = "
                            "'O''N'"));
    // A value is a value, never part of the statement.
    QCOMPARE(TCNiveau::CountByChamp(QStringLiteral("code"), QStringLiteral("x' OR '1'='1"), Annee), 0);
    QCOMPARE(TCNiveau::CountByChamp(QStringLiteral("code"), QStringLiteral("x\\' OR 1=1 -- "), Annee), 0);
}

void TestModeleStructure::champNonSur_data() {
    QTest::addColumn<QString>("champ");
    QTest::newRow("injection") << QStringLiteral("code` = '6E' OR `code");
    QTest::newRow("commentaire") << QStringLiteral("code`--");
    QTest::newRow("espace") << QStringLiteral("id section");
    QTest::newRow("expression") << QStringLiteral("ordre+1");
    QTest::newRow("chiffre en tete") << QStringLiteral("1code");
}

void TestModeleStructure::champNonSur() {
    QFETCH(QString, champ);
    const QString message = QStringLiteral("« %1 » n'est pas un nom de champ valide.").arg(champ);
    QCOMPARE(Erreur([&] { TCNiveau::FindByChamp(champ, QStringLiteral("6E"), Annee); }), message);
    QCOMPARE(Erreur([&] { TCNiveau::CountByChamp(champ, QStringLiteral("6E"), Annee); }), message);
    QCOMPARE(requetes_, QStringList());
}

void TestModeleStructure::copiesIndependantes() {
    auto langue = std::make_unique<TCLangue>(1, QStringLiteral("FR"), QStringLiteral("Français"));
    auto section =
        std::make_unique<TCSection>(1, QStringLiteral("SG"), QStringLiteral("Générale"), std::move(langue));
    TCNiveau source(QStringLiteral("3E"), QStringLiteral("Troisième"), 3, std::move(section));
    source.SetExamen(std::make_unique<TCExamen>(1, QStringLiteral("BEPC")));

    TCNiveau copie(source);
    QCOMPARE(copie.GetCode(), QStringLiteral("3E"));
    QCOMPARE(copie.GetOrdre(), 3);
    QVERIFY(copie.GetExamen() == nullptr);
    QVERIFY(copie.GetSection() != source.GetSection());
    QVERIFY(copie.GetSection()->GetLangue() != source.GetSection()->GetLangue());
    copie.GetSection()->SetLibelle(QStringLiteral("Autre"));
    copie.GetSection()->GetLangue()->SetCode(QStringLiteral("EN"));
    copie.SetSection(nullptr);
    QCOMPARE(source.GetSection()->GetLibelle(), QStringLiteral("Générale"));
    QCOMPARE(source.GetSection()->GetLangue()->GetCode(), QStringLiteral("FR"));

    const TCNiveau sansSection(QStringLiteral("X"), QStringLiteral("x"), 1);
    QVERIFY(TCNiveau(sansSection).GetSection() == nullptr);
    const TCSection sansLangue(QStringLiteral("S"), QStringLiteral("s"), nullptr);
    QVERIFY(TCSection(sansLangue).GetLangue() == nullptr);
    const TCSerie serie(QStringLiteral("A"));
    QCOMPARE(serie.GetNum(), 0);
    QCOMPARE(TCSerie(serie).GetNom(), QStringLiteral("A"));
    QCOMPARE(TCExamen(TCExamen(2, QStringLiteral("P"))).GetId(), 2);
    QCOMPARE(TCLangue(QStringLiteral("C"), QStringLiteral("L")).GetId(), 0);
}

void TestModeleStructure::autreAnnee() {
    // The qualified look-ups read the named year's database, whatever the connection is attached to.
    base_->Executer(QStringLiteral("INSERT INTO langue VALUES (5,'DE','Deutsch')"),
                    QStringLiteral("bd_2026_2027"));
    TCLangue::LoadComboboxLangue(boite_, QStringLiteral("2026/2027"));
    QCOMPARE(Textes(*boite_), QStringList{QStringLiteral("Deutsch")});
    QCOMPARE(TCLangue::FindByCode(QStringLiteral("de"), QStringLiteral("2026/2027"))->GetId(), 5);
    QVERIFY(TCLangue::FindByCode(QStringLiteral("de"), Annee) == nullptr);
}

void TestModeleStructure::textesRequetes_data() {
    QTest::addColumn<Appel>("appel");
    QTest::addColumn<QStringList>("textes");     // every statement sent, in order
    QTest::addColumn<QStringList>("parametres"); // their named parameters, "name=value"
    QComboBox* const* b = &boite_;
    const auto cas = [](const char* nom, Appel appel, const QStringList& textes,
                        const QStringList& parametres) {
        QTest::newRow(nom) << appel << textes << parametres;
    };

    const QString langue = QStringLiteral("SELECT `L`.`id`, `L`.`code`, `L`.`libelle`\n"
                                          "FROM `bd_2025_2026`.`langue` `L`\n");
    cas("langue code", [] { TCLangue::FindByCode(QStringLiteral("fr"), Annee); },
        {langue + QStringLiteral("WHERE UPPER(`L`.`code`) = :code")}, {QStringLiteral("code=FR")});
    // Only the letters a to z are made upper case.
    cas("langue libelle", [] { TCLangue::FindByLibelle(QStringLiteral("français"), Annee); },
        {langue + QStringLiteral("WHERE UPPER(`L`.`libelle`) = :libelle")},
        {QStringLiteral("libelle=FRANçAIS")});
    cas("langue id", [] { TCLangue::FindById(Annee, 2); },
        {QStringLiteral("SELECT `L`.`id`, `L`.`code`, `L`.`libelle` FROM `bd_2025_2026`.`langue` `L` WHERE "
                        "`L`.`id` = :id")},
        {QStringLiteral("id=2")});
    cas("langue combo", [=] { TCLangue::LoadComboboxLangue(*b, Annee); },
        {QStringLiteral(
            "SELECT `L`.`id`, `L`.`code`, `L`.`libelle` FROM `bd_2025_2026`.`langue` `L` ORDER BY "
            "`L`.`Libelle` ASC")},
        {});

    const QString section = QStringLiteral(
        "SELECT `S`.`id`, `S`.`code`, `S`.`libelle`,\n"
        "`L`.`id` AS `id_langue`, `L`.`code` AS `code_langue`, `L`.`libelle` AS `libelle_langue`\n"
        "FROM `bd_2025_2026`.`section` `S` INNER JOIN `bd_2025_2026`.`langue` `L` ON `L`.`id` = "
        "`S`.`id_langue`");
    cas("section combo", [=] { TCSection::LoadCombobox(*b, Annee, true); },
        {section + QStringLiteral(" ORDER BY `S`.`code` ASC")}, {});
    cas("section id", [] { TCSection::FindById(1, Annee); },
        {section + QStringLiteral("\nWHERE `S`.`id` = :id")}, {QStringLiteral("id=1")});
    cas("section code", [] { TCSection::FindByCode(QStringLiteral("sg"), Annee); },
        {section + QStringLiteral("\nWHERE UPPER(`S`.`code`) = :code")}, {QStringLiteral("code=SG")});
    cas("section libelle", [] { TCSection::FindByLibelle(QStringLiteral("anglophone"), Annee); },
        {section + QStringLiteral("\nWHERE UPPER(`S`.`libelle`) = :libelle")},
        {QStringLiteral("libelle=ANGLOPHONE")});
    cas("section langue", [] { TCSection::FindByLangue(2, Annee); },
        {section + QStringLiteral("\nWHERE `L`.`id` = :id_langue")}, {QStringLiteral("id_langue=2")});

    const QString avecExamen = QStringLiteral(
        "SELECT `N`.`code`, `N`.`nom`, `N`.`ordre`,\n"
        "`S`.`id` AS `id_section`, `S`.`code` AS `code_section`, `S`.`libelle` AS "
        "`libelle_section`, \n"
        "`L`.`id` AS `id_langue`, `L`.`code` AS `code_langue`, `L`.`libelle` AS `libelle_langue`, \n"
        "`E`.`num` AS `id_examen`, `E`.`nom` AS `nom_examen`\n"
        " FROM `niveau` `N` INNER JOIN `section` `S` ON `S`.`id` = `N`.`id_section`\n"
        "INNER JOIN `langue` `L` ON `L`.`id` = `S`.`id_langue`\n"
        "LEFT JOIN `examens` `E` ON `E`.`num` = `N`.`examen`\n");
    cas("niveau code", [] { TCNiveau::FindByCode(QStringLiteral("O'N"), Annee); },
        {avecExamen + QStringLiteral("WHERE `N`.`code` = 'O''N'\nORDER BY `N`.`ordre` ASC")}, {});
    cas("niveau superieur",
        [] {
            const TCNiveau courant(
                QStringLiteral("6E"), QStringLiteral("Sixième"), 1,
                std::make_unique<TCSection>(1, QStringLiteral("SG"), QStringLiteral("Générale"), nullptr));
            TCNiveau::FindNiveauSuperieur(&courant, Annee);
        },
        {avecExamen + QStringLiteral("WHERE `N`.`ordre` = 2 AND N.id_section = 1\nORDER BY `N`.`ordre` ASC")},
        {});
    const QString colonnesNiveau = QStringLiteral(
        "SELECT `N`.`code`, `N`.`nom`, `N`.`ordre`,\n"
        "`S`.`id` AS `id_section`, `S`.`code` AS `code_section`, `S`.`libelle` AS "
        "`libelle_section`,\n"
        "`L`.`id` AS `id_langue`, `L`.`code` AS `code_langue`, `L`.`libelle` AS `libelle_langue`\n");
    const QString jointureNiveau =
        QStringLiteral(" FROM `niveau` `N` INNER JOIN `section` `S` ON `S`.`id` = `N`.`id_section`\n"
                       "INNER JOIN `langue` `L` ON `L`.`id` = `S`.`id_langue`\n");
    cas("niveau champ", [] { TCNiveau::FindByChamp(QStringLiteral("code"), QStringLiteral("O'N"), Annee); },
        {colonnesNiveau + jointureNiveau +
         QStringLiteral("WHERE `N`.`code` = 'O''N'\nORDER BY `N`.`ordre` ASC")},
        {});
    cas("niveau compte",
        [] { TCNiveau::CountByChamp(QStringLiteral("nom"), QStringLiteral("Sixième"), Annee); },
        {QStringLiteral("SELECT COUNT(*) AS row_count FROM `niveau` `N` WHERE `N`.`nom` = 'Sixième'")}, {});
    // The level query, then one examination query per level (examen NULL reads as 0).
    const QString examenParNumero = QStringLiteral(
        "SELECT `E`.`num`, `E`.`nom` FROM `bd_2025_2026`.`examens` `E` WHERE `E`.`num` = :num");
    const QString niveauxCombo = QStringLiteral("SELECT `N`.`code`, `N`.`nom`, `N`.`ordre`, `N`.`examen`, \n"
                                                "`S`.`id` AS `id_section`, `S`.`code` AS `code_section`, "
                                                "`S`.`libelle` AS `libelle_section`,\n"
                                                "`L`.`id` AS `id_langue`, `L`.`code` AS `code_langue`, "
                                                "`L`.`libelle` AS `libelle_langue`\n") +
                                 jointureNiveau;
    cas("niveau combo section", [=] { TCNiveau::LoadComboboxNiveau(*b, Annee, 2, true); },
        {niveauxCombo + QStringLiteral("WHERE `S`.`id` = 2\nORDER BY `N`.`ordre` ASC"), examenParNumero,
         examenParNumero},
        {QStringLiteral("num=0"), QStringLiteral("num=0")});
    cas("niveau combo toutes sections", [=] { TCNiveau::LoadComboboxNiveau(*b, Annee, -1, false); },
        {niveauxCombo + QStringLiteral("ORDER BY `N`.`ordre` ASC"), examenParNumero, examenParNumero,
         examenParNumero, examenParNumero, examenParNumero, examenParNumero},
        {QStringLiteral("num=0"), QStringLiteral("num=9"), QStringLiteral("num=1"), QStringLiteral("num=2"),
         QStringLiteral("num=0"), QStringLiteral("num=0")});
    // Here the database name stands without back quotes, and the second line has two spaces after JOIN.
    cas("niveau combo par section", [=] { TCNiveau::LoadComboNiveauBySection(*b, Annee, 2); },
        {colonnesNiveau +
         QStringLiteral(" FROM bd_2025_2026.`niveau` `N` INNER JOIN  bd_2025_2026.`section` "
                        "`S` ON `S`.`id` = `N`.`id_section`\n"
                        "INNER JOIN bd_2025_2026.`langue` `L` ON `L`.`id` = `S`.`id_langue`\n"
                        "WHERE `S`.`id` = :id_section ORDER BY `N`.`ordre` ASC")},
        {QStringLiteral("id_section=2")});
    cas("examen requis", [] { TCNiveau::ExamenRequisPourPrommotion(QStringLiteral("3E"), Annee); },
        {QStringLiteral("SELECT `N`.`ex_req_pro`, `N`.`code`\n"
                        "FROM `bd_2025_2026`.`niveau` `N` WHERE `N`.`code` = '3E'")},
        {});
    // The level code is not checked: a blank one is looked up like any other.
    cas("examen requis code vide", [] { QVERIFY(!TCNiveau::ExamenRequisPourPrommotion(QString(), Annee)); },
        {QStringLiteral("SELECT `N`.`ex_req_pro`, `N`.`code`\n"
                        "FROM `bd_2025_2026`.`niveau` `N` WHERE `N`.`code` = ''")},
        {});

    cas("examen id", [] { TCExamen::FindByID(2, Annee); }, {examenParNumero}, {QStringLiteral("num=2")});
    cas("examen nom", [] { TCExamen::FindByNom(QStringLiteral("BEPC"), Annee); },
        {QStringLiteral(
            "SELECT `E`.`num`, `E`.`nom` FROM `bd_2025_2026`.`examens` `E` WHERE `E`.`nom` = :nom")},
        {QStringLiteral("nom=BEPC")});
    cas("examen combo", [=] { TCExamen::LoadComboboxExamen(*b, Annee); },
        {QStringLiteral(
            "SELECT `N`.`num`, `N`.`nom` FROM `bd_2025_2026`.`examens` `N` ORDER BY `N`.`num` ASC")},
        {});

    const QString series = QStringLiteral("SELECT `S`.`num`, `S`.`nom` FROM `bd_2025_2026`.`series` `S`");
    const QString parNumero = series + QStringLiteral(" WHERE `S`.`num` = :num");
    cas("serie nom", [] { TCSerie::FindByNom(QStringLiteral("TI"), Annee); },
        {series + QStringLiteral(" WHERE `S`.`nom` = :nom")}, {QStringLiteral("nom=TI")});
    cas("serie nom par numero", [] { TCSerie::FindNameByNum(3, Annee); }, {parNumero},
        {QStringLiteral("num=3")});
    cas("serie par numero", [] { TCSerie::FindObjectByNum(3, Annee); }, {parNumero},
        {QStringLiteral("num=3")});
    cas("serie combo", [=] { TCSerie::LoadComboboxSerie(*b, Annee); },
        {series + QStringLiteral(" ORDER BY `S`.`num` ASC")}, {});
    const QString jointureExamen =
        QStringLiteral("\nINNER JOIN `examens_series` `ES` ON `ES`.`num_serie` = `S`.`num`\n"
                       "INNER JOIN `examens` `E` ON `E`.`num` = `ES`.`num_examen`\n");
    cas("serie combo niveau", [=] { TCSerie::LoadComboboxSerie(*b, Annee, QStringLiteral("1RE")); },
        {series + jointureExamen +
         QStringLiteral("INNER JOIN `niveau` `N` ON `N`.`examen` = `E`.`num`\n"
                        "WHERE `N`.`code` = :code_niveau ORDER BY `S`.`nom` ASC")},
        {QStringLiteral("code_niveau=1RE")});
    cas("serie combo examen", [=] { TCSerie::LoadComboboxSerie(*b, Annee, 2); },
        {series + jointureExamen + QStringLiteral("WHERE `E`.`num` = :num_examen ORDER BY `S`.`nom` ASC")},
        {QStringLiteral("num_examen=2")});
    cas("serie combo aucune", [=] { TCSerie::LoadComboboxSerie(*b, Annee, true); },
        {series + QStringLiteral("\nORDER BY `S`.`nom` ASC")}, {});
}

void TestModeleStructure::textesRequetes() {
    QFETCH(Appel, appel);
    QFETCH(QStringList, textes);
    QFETCH(QStringList, parametres);
    appel();
    QCOMPARE(requetes_, textes);
    QCOMPARE(parametres_, parametres);
}

QTEST_MAIN(TestModeleStructure)
#include "test_modele_structure.moc"
