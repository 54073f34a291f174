// People entities against the real server: persons and students (what the sign-in and the student transfer
// rely on), staff with their grade, department and function, and the student payment sums.
#include "base/KORVENTypesU.h"
#include "base/KorvenUtils.h"
#include "core/data/OBDataModuleU.h"
#include "core/model/UniteCEleve.h"
#include "core/model/UniteCEnseignant.h"
#include "support/EnvironnementModele.h"
#include "support/ImageDeTest.h"

#include <QComboBox>
#include <QTest>
#include <functional>

namespace {

const QString Annee = QStringLiteral("2025/2026");
const QString Base = QStringLiteral("bd_2025_2026");

QStringList Textes(const QComboBox& boite) {
    QStringList textes;
    for (int i = 0; i < boite.count(); ++i)
        textes << boite.itemText(i);
    return textes;
}

QByteArray Png(const QColor& couleur) {
    return ImageDeTest(QSize(3, 2), couleur);
}

TCPersonne Personne() {
    return TCPersonne(QStringLiteral("M001"), QStringLiteral("Mbarga"), QStringLiteral("Anne"),
                      QStringLiteral("Camerounaise"), QStringLiteral("690000000"), QStringLiteral("Yaoundé"));
}

} // namespace

class TestModelePersonnes : public QObject, public EnvironnementModele {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eleveDeConnexion();
    void constructeursEleve();
    void proprieteEleve();
    void verificationsArguments_data();
    void verificationsArguments();
    void eleveParMatricule();
    void matriculesDeClasse();
    void enRegle_data();
    void enRegle();
    void enseignantParMatricule();
    void copieEnseignant();
    void listeEnseignants();
    void departements();
    void fonctions();
    void textesRequetes_data();
    void textesRequetes();
};

void TestModelePersonnes::init() {
    Ouvrir();

    for (const QString& sql : {
             QStringLiteral(
                 "INSERT INTO personne (mat, nom, pnom, nat, tel, adr, typ) VALUES "
                 "('E1','Abena','Paul','Camerounaise','677','Douala','E'),"
                 "('E2','Zang','Marie',NULL,NULL,NULL,'E'),('E3','Bello','Ali',NULL,NULL,NULL,'E'),"
                 "('O''K','Okala','Jean',NULL,NULL,NULL,'E'),('E5','Atangana','Luc',NULL,NULL,NULL,'E'),"
                 "('P1','Essomba','Jeanne','Camerounaise','699','Yaoundé','P'),"
                 "('P2','Biya','Eric',NULL,NULL,NULL,'P'),('P3','Ndi','Rose',NULL,NULL,NULL,'P')"),
             QStringLiteral(
                 "INSERT INTO eleve (mat, pere, mere, tuteur, en_regle, redoublant, enregistre_par, lnais, "
                 "dnais, idclasse, sexe, montant_verse, mat_nationnal, exclu) VALUES "
                 "('E1','Pierre','Jeanne','Oncle','1','0','admin','Douala','2012-03-04','6A','M',15000.5,"
                 "'N-E1','0'),"
                 "('E2',NULL,NULL,NULL,'0','1',NULL,NULL,NULL,'6A','F',0,NULL,'0'),"
                 "('E3',NULL,NULL,NULL,'1','0',NULL,NULL,NULL,'6A','M',0,NULL,'1'),"
                 "('O''K',NULL,NULL,NULL,'1','0',NULL,NULL,NULL,'6A','M',0,NULL,'0'),"
                 "('E5',NULL,NULL,NULL,'1','0',NULL,NULL,NULL,'5A','M',0,NULL,'0')"),
             QStringLiteral("INSERT INTO departement VALUES (1,'Sciences'),(2,'Lettres')"),
             QStringLiteral(
                 "INSERT INTO grade VALUES (1,'PLEG','Professeur des lycées',18),(2,'PCEG','Professeur "
                 "des collèges',20)"),
             QStringLiteral(
                 "INSERT INTO fonction VALUES (1,'ENS','Enseignant','Cours'),(2,'CEN','Censeur',NULL),"
                 "(3,'PRO','Proviseur','Direction')"),
             // P2 has no department; P3 has no grade row, so the staff look-up does not find it.
             QStringLiteral(
                 "INSERT INTO personnel (MAT, STAT, NIV, SPEC, CNI, DEPT, CIVILITE, id_fonction, id_grade) "
                 "VALUES ('P1','Titulaire','Licence','Maths','CNI1',1,'Mme',1,1),"
                 "('P2','Vacataire','Master','Lettres','CNI2',NULL,'M.',2,2),"
                 "('P3','Vacataire',NULL,NULL,NULL,2,'Mme',1,9)"),
         })
        base_->Executer(sql, Base);
}

void TestModelePersonnes::cleanup() {
    Fermer();
}

void TestModelePersonnes::eleveDeConnexion() {
    // The form the sign-in makes, read back through the getters the student transfer uses.
    const TCPersonne personne = Personne();
    TCEleve eleve(personne, QStringLiteral("N-1"), QStringLiteral("Père"), QStringLiteral("Mère"),
                  QStringLiteral("Tuteur"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("admin"),
                  QStringLiteral("Douala"), QStringLiteral("6A"), QStringLiteral("F"), QStringLiteral("N-1"),
                  0.0, QDate(2012, 3, 4));
    QCOMPARE(eleve.GetMatricule(), QStringLiteral("M001"));
    QCOMPARE(eleve.GetNom(), QStringLiteral("Mbarga"));
    QCOMPARE(eleve.GetPrenom(), QStringLiteral("Anne"));
    QCOMPARE(eleve.GetNationalite(), QStringLiteral("Camerounaise"));
    QCOMPARE(eleve.GetTelephone(), QStringLiteral("690000000"));
    QCOMPARE(eleve.GetAdresse(), QStringLiteral("Yaoundé"));
    QCOMPARE(eleve.GetIdUnique(), QStringLiteral("N-1"));
    QCOMPARE(eleve.GetPere(), QStringLiteral("Père"));
    QCOMPARE(eleve.GetMere(), QStringLiteral("Mère"));
    QCOMPARE(eleve.GetTuteur(), QStringLiteral("Tuteur"));
    QCOMPARE(eleve.GetEnRegle(), QStringLiteral("0"));
    QCOMPARE(eleve.GetRedoublant(), QStringLiteral("1"));
    QCOMPARE(eleve.GetEnregistrePar(), QStringLiteral("admin"));
    QCOMPARE(eleve.GetLieuNaissance(), QStringLiteral("Douala"));
    QCOMPARE(eleve.GetClasse(), QStringLiteral("6A"));
    QCOMPARE(eleve.GetSexe(), QStringLiteral("F"));
    QCOMPARE(eleve.GetMontantVerse(), 0.0);
    QCOMPARE(eleve.GetDateNaissance(), QDate(2012, 3, 4));
    QVERIFY(eleve.GetPhoto() == nullptr);
    QVERIFY(eleve.GetOrientationSerie() == nullptr);

    // The identity is copied: the person stays the caller's and changes apart.
    TCPersonne autre = personne;
    autre.SetNom(QStringLiteral("Autre"));
    autre.SetMatrivule(QStringLiteral("M999"));
    QCOMPARE(eleve.GetNom(), QStringLiteral("Mbarga"));
    QCOMPARE(autre.GetMatricule(), QStringLiteral("M999"));

    // An unknown date of birth stays unknown.
    const TCEleve sansDate(personne, QString(), QString(), QString(), QString(), QStringLiteral("0"),
                           QStringLiteral("0"), QString(), QString(), QStringLiteral("6A"),
                           QStringLiteral("M"), QString(), 0.0, QDate());
    QVERIFY(sansDate.GetDateNaissance().isNull());
}

void TestModelePersonnes::constructeursEleve() {
    const TCEleve court(QStringLiteral("N"), QStringLiteral("M2"), QStringLiteral("Nom"),
                        QStringLiteral("Prénom"), QStringLiteral("1"), QStringLiteral("0"),
                        QStringLiteral("M"));
    QCOMPARE(court.GetMatricule(), QStringLiteral("M2"));
    QCOMPARE(court.GetRedoublant(), QStringLiteral("1"));
    QCOMPARE(court.GetEnRegle(), QStringLiteral("0"));
    QCOMPARE(court.GetNationalite(), QString());
    QVERIFY(court.GetDateNaissance().isNull());
    const TCEleve avecNaissance(QStringLiteral("N"), QStringLiteral("M2"), QStringLiteral("Nom"),
                                QStringLiteral("Prénom"), QStringLiteral("1"), QStringLiteral("0"),
                                QStringLiteral("M"), QStringLiteral("Kribi"), QDate(2011, 1, 2));
    QCOMPARE(avecNaissance.GetLieuNaissance(), QStringLiteral("Kribi"));
    QCOMPARE(avecNaissance.GetDateNaissance(), QDate(2011, 1, 2));
    const TCEleve premier(Personne(), QStringLiteral("N"), QStringLiteral("P"), QStringLiteral("M"),
                          QStringLiteral("T"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("x"),
                          QStringLiteral("L"), QStringLiteral("6A"), QStringLiteral("M"), 2500.5,
                          QDate(2010, 5, 6));
    QCOMPARE(premier.GetMontantVerse(), 2500.5);
    QCOMPARE(premier.GetTuteur(), QStringLiteral("T"));

    // The picture form makes the student's own picture from the bytes; no bytes, no picture.
    const QByteArray png = Png(Qt::red);
    const TCEleve avecPhoto(Personne(), QStringLiteral("N"), QStringLiteral("P"), QStringLiteral("M"),
                            QStringLiteral("L"), QStringLiteral("6A"), QStringLiteral("F"), QDate(2010, 5, 6),
                            png);
    QVERIFY(avecPhoto.GetPhoto() != nullptr);
    QCOMPARE(avecPhoto.GetPhoto()->Format(), QByteArray("png"));
    QCOMPARE(avecPhoto.GetPhoto()->Image().size(), QSize(3, 2));
    QCOMPARE(avecPhoto.GetPhoto()->Octets(), png);
    const TCEleve sansPhoto(Personne(), QString(), QString(), QString(), QString(), QString(), QString(),
                            QDate(), QByteArray());
    QVERIFY(sansPhoto.GetPhoto() == nullptr);
}

void TestModelePersonnes::proprieteEleve() {
    TCEleve eleve(QStringLiteral("N"), QStringLiteral("M2"), QStringLiteral("Nom"), QStringLiteral("Prénom"),
                  QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("M"));
    // The series is taken over; a new one replaces (and releases) the old one.
    eleve.SetOrientationSerie(std::make_unique<TCSerie>(1, QStringLiteral("A")));
    eleve.SetOrientationSerie(std::make_unique<TCSerie>(2, QStringLiteral("C")));
    QCOMPARE(eleve.GetOrientationSerie()->GetNum(), 2);

    // Either form of SetPhoto copies into the student's own picture.
    const TImage rouge(Png(Qt::red));
    eleve.SetPhoto(&rouge);
    QVERIFY(eleve.GetPhoto() != &rouge);
    QCOMPARE(eleve.GetPhoto()->Octets(), rouge.Octets());
    const QByteArray bleu = Png(Qt::blue);
    eleve.SetPhoto(bleu);
    QCOMPARE(eleve.GetPhoto()->Image().pixelColor(0, 0), QColor(Qt::blue));

    // The copy shares nothing with its source.
    TCEleve copie(eleve);
    QVERIFY(copie.GetOrientationSerie() != eleve.GetOrientationSerie());
    QVERIFY(copie.GetPhoto() != eleve.GetPhoto());
    copie.GetOrientationSerie()->SetNom(QStringLiteral("D"));
    copie.SetPhoto(static_cast<const TImage*>(nullptr));
    copie.SetOrientationSerie(nullptr);
    QCOMPARE(eleve.GetOrientationSerie()->GetNom(), QStringLiteral("C"));
    QVERIFY(eleve.GetPhoto() != nullptr);
    QVERIFY(copie.GetPhoto() == nullptr);
    eleve.SetPhoto(QByteArray());
    QVERIFY(eleve.GetPhoto() == nullptr);
}

void TestModelePersonnes::verificationsArguments_data() {
    QTest::addColumn<Appel>("appel");
    QTest::addColumn<QString>("message");
    const QString passer = QStringLiteral("Vous devez passer l'annéée scolaire.");
    const QString nul = QStringLiteral("Impossible de charger un composant null.");
    const QString blanc = QStringLiteral(" \t ");
    QComboBox* const* b = &boite_;
    const auto cas = [](const char* nom, Appel appel, const QString& message) {
        QTest::newRow(nom) << appel << message;
    };
    cas(
        "matricules classe", [=] { TCEleve::getListMatriculeByCodeClasse(blanc, false, blanc); },
        QStringLiteral("Vous devez passer le code de la classe."));
    cas(
        "matricules annee", [=] { TCEleve::getListMatriculeByCodeClasse(QStringLiteral("6A"), true, blanc); },
        passer);
    cas(
        "effectif annee", [=] { TCEleve::CountByClasse(blanc, QStringLiteral("6A")); }, passer);
    cas(
        "a verser annee", [=] { TCEleve::GetMontantAVerser(QStringLiteral("E1"), QString()); }, passer);
    cas(
        "verse annee", [=] { TCEleve::GetMontantTotalVerse(QStringLiteral("E1"), QString()); }, passer);
    cas(
        "reduction annee", [=] { TCEleve::GetMontantTotalReduction(QStringLiteral("E1"), QString()); },
        passer);
    cas(
        "en regle annee", [=] { TCEleve::IsEnRegle(QStringLiteral("E1"), blanc); }, passer);
    cas(
        "departement annee", [=] { TCDepartement::FindByNom(blanc, blanc); }, passer);
    cas(
        "departement nom", [=] { TCDepartement::FindByNom(Annee, blanc); },
        QStringLiteral("Vous devez passer le nom du département."));
    cas(
        "departements sans boite", [=] { TCDepartement::LoadCombobox(nullptr, blanc, true); }, nul);
    cas(
        "departements annee", [=] { TCDepartement::LoadCombobox(*b, blanc, true); }, passer);
    cas(
        "enseignants sans boite", [=] { TCEnseignant::LoadComboBox(nullptr, true); }, nul);
    cas(
        "fonctions sans boite",
        [=] { TCFonctionPersonnel::LoadComboboxFonctionPersonnel(nullptr, true, false); }, nul);
}

void TestModelePersonnes::verificationsArguments() {
    QFETCH(Appel, appel);
    QFETCH(QString, message);
    AjouterObjetCombo(boite_, QStringLiteral("avant"),
                      std::make_unique<TCDepartement>(QStringLiteral("avant")));
    QCOMPARE(Erreur(appel), message);
    QCOMPARE(requetes_, QStringList());
    QCOMPARE(Textes(*boite_), QStringList{QStringLiteral("avant")});
}

void TestModelePersonnes::eleveParMatricule() {
    const auto eleve = TCEleve::findByMatricule(QStringLiteral("E1"));
    QVERIFY(eleve != nullptr);
    QCOMPARE(eleve->GetMatricule(), QStringLiteral("E1"));
    QCOMPARE(eleve->GetNom(), QStringLiteral("Abena"));
    QCOMPARE(eleve->GetPrenom(), QStringLiteral("Paul"));
    QCOMPARE(eleve->GetNationalite(), QStringLiteral("Camerounaise"));
    QCOMPARE(eleve->GetTelephone(), QStringLiteral("677"));
    QCOMPARE(eleve->GetAdresse(), QStringLiteral("Douala"));
    QCOMPARE(eleve->GetIdUnique(), QStringLiteral("N-E1"));
    QCOMPARE(eleve->GetPere(), QStringLiteral("Pierre"));
    QCOMPARE(eleve->GetMere(), QStringLiteral("Jeanne"));
    QCOMPARE(eleve->GetTuteur(), QStringLiteral("Oncle"));
    QCOMPARE(eleve->GetEnRegle(), QStringLiteral("1"));
    QCOMPARE(eleve->GetRedoublant(), QStringLiteral("0"));
    QCOMPARE(eleve->GetEnregistrePar(), QStringLiteral("admin"));
    QCOMPARE(eleve->GetLieuNaissance(), QStringLiteral("Douala"));
    QCOMPARE(eleve->GetClasse(), QStringLiteral("6A"));
    QCOMPARE(eleve->GetSexe(), QStringLiteral("M"));
    QCOMPARE(eleve->GetMontantVerse(), 15000.5);
    QCOMPARE(eleve->GetDateNaissance(), QDate(2012, 3, 4));
    QVERIFY(TCEleve::findByMatricule(QStringLiteral("E2"))->GetDateNaissance().isNull());
    QCOMPARE(TCEleve::findByMatricule(QStringLiteral("O'K"))->GetNom(), QStringLiteral("Okala"));
    QVERIFY(TCEleve::findByMatricule(QStringLiteral("P1")) == nullptr); // staff, not a student
    QVERIFY(TCEleve::findByMatricule(QStringLiteral("' OR '1'='1")) == nullptr);
}

void TestModelePersonnes::matriculesDeClasse() {
    // Excluded students (E3) never; by name.
    QCOMPARE(TCEleve::getListMatriculeByCodeClasse(QStringLiteral("6A"), false, Annee),
             (QStringList{QStringLiteral("E1"), QStringLiteral("O'K"), QStringLiteral("E2")}));
    // Only those whose payments are in order.
    QCOMPARE(TCEleve::getListMatriculeByCodeClasse(QStringLiteral("6A"), true, Annee),
             (QStringList{QStringLiteral("E1"), QStringLiteral("O'K")}));
    QVERIFY(!TCEleve::getListMatriculeByCodeClasse(QStringLiteral("4B"), false, Annee).has_value());
    QCOMPARE(TCEleve::CountByClasse(Annee, QStringLiteral("6A")), 3);
    QCOMPARE(TCEleve::CountByClasse(Annee, QStringLiteral("4B")), 0);
    // The year's own database, whatever the connection is attached to.
    QVERIFY(!TCEleve::getListMatriculeByCodeClasse(QStringLiteral("6A"), false, QStringLiteral("2026/2027"))
                 .has_value());
    QCOMPARE(TCEleve::CountByClasse(QStringLiteral("2026/2027"), QStringLiteral("6A")), 0);
}

void TestModelePersonnes::enRegle_data() {
    QTest::addColumn<QString>("du");
    QTest::addColumn<QString>("reduction");
    QTest::addColumn<QString>("verse");
    QTest::addColumn<bool>("enRegle");
    QTest::newRow("solde") << QStringLiteral("100") << QStringLiteral("30") << QStringLiteral("70") << true;
    QTest::newRow("trop verse") << QStringLiteral("100") << QStringLiteral("30") << QStringLiteral("80")
                                << false;
    QTest::newRow("pas assez") << QStringLiteral("100") << QStringLiteral("30") << QStringLiteral("60")
                               << false;
    // 150.30 - 50.10 - 100.20 is not 0 on doubles: the sums are compared to the cent.
    QTest::newRow("centimes") << QStringLiteral("150.30") << QStringLiteral("50.10")
                              << QStringLiteral("100.20") << true;
    QTest::newRow("rien du tout") << QString() << QString() << QString() << true;
}

void TestModelePersonnes::enRegle() {
    QFETCH(QString, du);
    QFETCH(QString, reduction);
    QFETCH(QString, verse);
    QFETCH(bool, enRegle);
    if (!du.isEmpty()) {
        // The amount due in two valid instalments; a cancelled one does not count.
        base_->Executer(
            QStringLiteral("INSERT INTO tranche_eleve (id, id_tranche, MAT_ELEVE, MONTANT, etat) VALUES "
                           "(1,1,'E1',%1 - 10,'V'),(2,2,'E1',10,'V'),(3,3,'E1',999,'A'),"
                           "(4,1,'E2',555,'V')")
                .arg(du),
            Base);
        base_->Executer(
            QStringLiteral("INSERT INTO reduction_frais (montant, MAT_ELEVE) VALUES (%1,'E1'),(7,'E2')")
                .arg(reduction),
            Base);
        // Payments on a cancelled receipt do not count.
        base_->Executer(QStringLiteral("INSERT INTO recu VALUES (1,'V'),(2,'A')"), Base);
        base_->Executer(
            QStringLiteral("INSERT INTO versement (montant, ID_TRANCHE_ELEVE, NUMERO_RECU) VALUES "
                           "(%1 - 5,1,1),(5,2,1),(300,1,2),(20,4,1)")
                .arg(verse),
            Base);
    }
    QCOMPARE(TCEleve::IsEnRegle(QStringLiteral("E1"), Annee), enRegle);
    if (!du.isEmpty()) {
        QCOMPARE(TCEleve::GetMontantAVerser(QStringLiteral("E1"), Annee), du.toDouble());
        QCOMPARE(TCEleve::GetMontantTotalReduction(QStringLiteral("E1"), Annee), reduction.toDouble());
        QCOMPARE(TCEleve::GetMontantTotalVerse(QStringLiteral("E1"), Annee), verse.toDouble());
    }
    // Another year's sums: nothing there.
    QCOMPARE(TCEleve::GetMontantAVerser(QStringLiteral("E1"), QStringLiteral("2026/2027")), 0.0);
}

void TestModelePersonnes::enseignantParMatricule() {
    const auto p1 = TCEnseignant::findByMatricule(QStringLiteral("P1"));
    QVERIFY(p1 != nullptr);
    QCOMPARE(p1->GetMatricule(), QStringLiteral("P1"));
    QCOMPARE(p1->GetNom(), QStringLiteral("Essomba"));
    QCOMPARE(p1->GetAdresse(), QStringLiteral("Yaoundé"));
    QCOMPARE(p1->GetStatut(), QStringLiteral("Titulaire"));
    QCOMPARE(p1->GetNiveau(), QStringLiteral("Licence"));
    QCOMPARE(p1->GetSpecialite(), QStringLiteral("Maths"));
    QCOMPARE(p1->GetCni(), QStringLiteral("CNI1"));
    QCOMPARE(p1->GetCivilite(), QStringLiteral("Mme"));
    QCOMPARE(p1->GetGrade()->GetCode(), QStringLiteral("PLEG"));
    QCOMPARE(p1->GetGrade()->GetVolumeHoraireHebdomadaire(), 18);
    QCOMPARE(p1->GetDepartement()->GetNum(), 1);
    QCOMPARE(p1->GetDepartement()->GetNom(), QStringLiteral("Sciences"));
    QCOMPARE(p1->GetFonction()->GetCode(), QStringLiteral("ENS"));
    QCOMPARE(p1->GetFonction()->GetDescription(), QStringLiteral("Cours"));
    // Department NULL: a staff member without one.
    const auto p2 = TCEnseignant::findByMatricule(QStringLiteral("P2"));
    QVERIFY(p2->GetDepartement() == nullptr);
    QCOMPARE(p2->GetFonction()->GetNom(), QStringLiteral("Censeur"));
    // No grade row: not found. Not staff: not found.
    QVERIFY(TCEnseignant::findByMatricule(QStringLiteral("P3")) == nullptr);
    QVERIFY(TCEnseignant::findByMatricule(QStringLiteral("E1")) == nullptr);
}

void TestModelePersonnes::copieEnseignant() {
    const auto p2 = TCEnseignant::findByMatricule(QStringLiteral("P2"));
    TCEnseignant copie(*p2);
    QVERIFY(copie.GetDepartement() == nullptr);
    QVERIFY(copie.GetGrade() != p2->GetGrade());
    QVERIFY(copie.GetFonction() != p2->GetFonction());
    QCOMPARE(copie.GetGrade()->GetIntitule(), QStringLiteral("Professeur des collèges"));
    copie.GetGrade()->SetCode(QStringLiteral("X"));
    copie.SetGrade(std::make_unique<TCGrade>(3, QStringLiteral("Y"), QStringLiteral("y"), 1));
    QCOMPARE(p2->GetGrade()->GetCode(), QStringLiteral("PCEG"));
    const auto p1 = TCEnseignant::findByMatricule(QStringLiteral("P1"));
    const TCEnseignant copie1(*p1);
    QVERIFY(copie1.GetDepartement() != p1->GetDepartement());
    QCOMPARE(copie1.GetDepartement()->GetNom(), QStringLiteral("Sciences"));

    // From a person: no department, no function.
    const TCEnseignant depuisPersonne(
        Personne(), QStringLiteral("S"), QStringLiteral("N"), QStringLiteral("Sp"), QStringLiteral("C"),
        std::make_unique<TCGrade>(QStringLiteral("G"), QStringLiteral("g"), 2), QStringLiteral("M."));
    QCOMPARE(depuisPersonne.GetMatricule(), QStringLiteral("M001"));
    QCOMPARE(depuisPersonne.GetGrade()->GetId(), 0);
    QVERIFY(!depuisPersonne.GetDepartement() && !depuisPersonne.GetFonction());
}

void TestModelePersonnes::listeEnseignants() {
    // Items are appended to what the list holds; the first item is selected.
    AjouterObjetCombo(boite_, QStringLiteral("déjà là"), nullptr);
    TCEnseignant::LoadComboBox(boite_, true);
    QCOMPARE(Textes(*boite_), (QStringList{QStringLiteral("déjà là"), QStringLiteral("Tous les enseignants "),
                                           QStringLiteral("Biya Eric"), QStringLiteral("Essomba Jeanne"),
                                           QStringLiteral("Ndi Rose")}));
    QCOMPARE(boite_->currentIndex(), 0);
    const TCEnseignant* tous = ObjetCombo<TCEnseignant>(boite_, 1);
    QCOMPARE(tous->GetNom(), QStringLiteral("Tous les enseignants"));
    QCOMPARE(tous->GetMatricule(), QString());
    const TCEnseignant* essomba = ObjetCombo<TCEnseignant>(boite_, 3);
    QCOMPARE(essomba->GetMatricule(), QStringLiteral("P1"));
    QCOMPARE(essomba->GetStatut(), QStringLiteral("Titulaire"));
    QCOMPARE(essomba->GetCivilite(), QStringLiteral("Mme"));
    QVERIFY(!essomba->GetGrade() && !essomba->GetDepartement() && !essomba->GetFonction());
    FreeComboboxObjects(boite_);
    QCOMPARE(NombreObjetsCombo(boite_), 0);
}

void TestModelePersonnes::departements() {
    QCOMPARE(TCDepartement::FindByNom(Annee, QStringLiteral("Lettres"))->GetNum(), 2);
    QVERIFY(TCDepartement::FindByNom(Annee, QStringLiteral("Arts")) == nullptr);
    base_->Executer(QStringLiteral("INSERT INTO departement VALUES (3,'Arts d''O')"), Base);
    QCOMPARE(TCDepartement::FindByNom(Annee, QStringLiteral("Arts d'O"))->GetNum(), 3);

    TCDepartement::LoadCombobox(boite_, Annee, true);
    QCOMPARE(Textes(*boite_),
             (QStringList{QStringLiteral("Tout les départements"), QStringLiteral("Arts d'O"),
                          QStringLiteral("Lettres"), QStringLiteral("Sciences")}));
    QCOMPARE(boite_->currentIndex(), 0);
    QCOMPARE(ObjetCombo<TCDepartement>(boite_, 0)->GetNum(), -1);
    QCOMPARE(ObjetCombo<TCDepartement>(boite_, 3)->GetNum(), 1);
    // An empty table with the pseudo-item: that item alone, selected.
    TCDepartement::LoadCombobox(boite_, QStringLiteral("2026/2027"), true);
    QCOMPARE(Textes(*boite_), QStringList{QStringLiteral("Tout les départements")});
    QCOMPARE(boite_->currentIndex(), 0);
    QCOMPARE(NombreObjetsCombo(boite_), 1);
    TCDepartement::LoadCombobox(boite_, QStringLiteral("2026/2027"), false);
    QCOMPARE(boite_->count(), 0);
    QCOMPARE(boite_->currentIndex(), -1);
    QCOMPARE(TCDepartement(QStringLiteral("Seul")).GetNum(), 0);
}

void TestModelePersonnes::fonctions() {
    QCOMPARE(TCFonctionPersonnel::FindById(3)->GetNom(), QStringLiteral("Proviseur"));
    QCOMPARE(TCFonctionPersonnel::FindByCode(QStringLiteral("CEN"))->GetDescription(), QString());
    QCOMPARE(TCFonctionPersonnel::FindByNom(QStringLiteral("Enseignant"))->GetId(), 1);
    QVERIFY(TCFonctionPersonnel::FindById(9) == nullptr);
    QVERIFY(TCFonctionPersonnel::FindByNom(QStringLiteral("x' OR '1'='1")) == nullptr);
    QVERIFY(!module_->SQLQueryDonnees1->Active());

    TCFonctionPersonnel::LoadComboboxFonctionPersonnel(boite_, true, true);
    QCOMPARE(Textes(*boite_), (QStringList{QStringLiteral("Tout"), QStringLiteral("Censeur"),
                                           QStringLiteral("Enseignant"), QStringLiteral("Proviseur")}));
    QCOMPARE(boite_->currentIndex(), -1);
    const TCFonctionPersonnel* tout = ObjetCombo<TCFonctionPersonnel>(boite_, 0);
    QCOMPARE(tout->GetId(), -1);
    QCOMPARE(tout->GetCode(), QStringLiteral("Tout"));
    TCFonctionPersonnel::LoadComboboxFonctionPersonnel(boite_, false, true);
    QCOMPARE(boite_->itemText(0), QString());
    QCOMPARE(ObjetCombo<TCFonctionPersonnel>(boite_, 0)->GetId(), -1);
    QCOMPARE(NombreObjetsCombo(boite_), 4);
    TCFonctionPersonnel::LoadComboboxFonctionPersonnel(boite_, false, false);
    QCOMPARE(boite_->count(), 3);

    // The read comes first: when it fails, the list keeps its items.
    base_->Executer(QStringLiteral("DROP TABLE fonction"), Base);
    QVERIFY(Erreur([this] {
                TCFonctionPersonnel::LoadComboboxFonctionPersonnel(boite_, true, false);
            }).contains(QStringLiteral("fonction")));
    QCOMPARE(boite_->count(), 3);
    QCOMPARE(ObjetCombo<TCFonctionPersonnel>(boite_, 0)->GetNom(), QStringLiteral("Censeur"));
    TCFonctionPersonnel::FreeComboboxFonctionPersonnel(boite_);
    QCOMPARE(boite_->count(), 0);

    const TCFonctionPersonnel courte(QStringLiteral("C"), QStringLiteral("N"));
    QCOMPARE(courte.GetId(), 0);
    QCOMPARE(TCFonctionPersonnel(courte).GetCode(), QStringLiteral("C"));
    QCOMPARE(
        TCFonctionPersonnel(QStringLiteral("C"), QStringLiteral("N"), QStringLiteral("D")).GetDescription(),
        QStringLiteral("D"));
    QCOMPARE(TCFonctionPersonnel(5, QStringLiteral("C"), QStringLiteral("N")).GetId(), 5);
    QCOMPARE(TCGrade(TCGrade(4, QStringLiteral("C"), QStringLiteral("I"), 12)).GetVolumeHoraireHebdomadaire(),
             12);
}

void TestModelePersonnes::textesRequetes_data() {
    QTest::addColumn<Appel>("appel");
    QTest::addColumn<QString>("texte");          // the one statement sent
    QTest::addColumn<QStringList>("parametres"); // its named parameters, "name=value"
    QTest::addColumn<QString>("fournisseur");    // the provider that reads it
    QComboBox* const* b = &boite_;
    const QString donnee = QStringLiteral("ProviderDonnee");
    const QString chaine = QStringLiteral("DataSetProviderDonnees1");
    const auto cas = [](const char* nom, Appel appel, const QString& texte, const QStringList& parametres,
                        const QString& fournisseur) {
        QTest::newRow(nom) << appel << texte << parametres << fournisseur;
    };

    cas(
        "eleve", [] { TCEleve::findByMatricule(QStringLiteral("O'K")); },
        QStringLiteral(
            "SELECT `P`.`mat` AS matricule, E.mat_nationnal AS IdUnique, `P`.`nom`, `P`.`pnom`, "
            "`P`.`nat` AS nationalite, `P`.`tel` AS telephone, `P`.`adr` AS adresse,\n"
            "`E`.`pere`, `E`.`mere`, `E`.`tuteur`, `E`.`en_regle`, `E`.`montant_verse`,\n"
            "`E`.`redoublant`, `E`.`enregistre_par`, `E`.`lnais`, `E`.`sexe`, E.idclasse, \n"
            "`E`.`dnais` FROM Personne P INNER JOIN Eleve E ON (P.mat = E.mat AND E.mat = 'O''K')"),
        {}, donnee);
    // These name the tables of the year they are given.
    const QString matricules = QStringLiteral(
        "SELECT `E`.`mat`\n"
        "FROM `bd_2025_2026`.`Eleve` `E` INNER JOIN `bd_2025_2026`.`Personne` `P` ON `P`.`mat` = "
        "`E`.`mat`\n"
        "WHERE E.IDCLASSE = 'Q''2' AND E.exclu = '0'\n");
    const QString parNom = QStringLiteral("ORDER BY `P`.`nom` ASC, `P`.`pnom` ASC");
    cas(
        "matricules", [] { TCEleve::getListMatriculeByCodeClasse(QStringLiteral("Q'2"), false, Annee); },
        matricules + parNom, {}, donnee);
    cas(
        "matricules en regle",
        [] { TCEleve::getListMatriculeByCodeClasse(QStringLiteral("Q'2"), true, Annee); },
        matricules + QStringLiteral("AND E.en_regle = '1'\n") + parNom, {}, donnee);
    cas(
        "effectif", [] { TCEleve::CountByClasse(Annee, QStringLiteral("6A")); },
        QStringLiteral(
            "SELECT COUNT(*) AS nb FROM bd_2025_2026.eleve WHERE idclasse = :code_classe AND exclu = "
            ":exclu"),
        {QStringLiteral("code_classe=6A"), QStringLiteral("exclu=0")}, donnee);
    cas(
        "a verser", [] { TCEleve::GetMontantAVerser(QStringLiteral("E1"), Annee); },
        QStringLiteral(
            "SELECT COALESCE(SUM(montant), 0) AS montant_a_verser FROM `bd_2025_2026`.`tranche_eleve` "
            "WHERE mat_eleve = :matricule AND etat = 'V' "),
        {QStringLiteral("matricule=E1")}, donnee);
    cas(
        "verse", [] { TCEleve::GetMontantTotalVerse(QStringLiteral("E1"), Annee); },
        QStringLiteral(
            "SELECT COALESCE(SUM(V.montant), 0) AS montant_verse FROM `bd_2025_2026`.`versement` V\n"
            "INNER JOIN `bd_2025_2026`.`tranche_eleve` TE ON TE.id = V.`ID_TRANCHE_ELEVE`\n"
            "INNER JOIN `bd_2025_2026`.`recu` R ON R.`numero` = V.`NUMERO_RECU`\n"
            "WHERE TE.`MAT_ELEVE` = :matricule AND R.`etat` = 'V' "),
        {QStringLiteral("matricule=E1")}, donnee);
    cas(
        "reductions", [] { TCEleve::GetMontantTotalReduction(QStringLiteral("E1"), Annee); },
        QStringLiteral("SELECT COALESCE(SUM(montant), 0) AS montant_total_reduction FROM "
                       "`bd_2025_2026`.`reduction_frais` WHERE MAT_ELEVE = :matricule"),
        {QStringLiteral("matricule=E1")}, donnee);
    cas(
        "enseignant", [] { TCEnseignant::findByMatricule(QStringLiteral("O'K")); },
        QStringLiteral(
            "SELECT `P`.`mat` AS matricule, `P`.`nom`, `P`.`pnom`, `P`.`nat` AS nationalite, `P`.`tel` "
            "AS telephone, `P`.`adr` AS adresse,\n"
            "`E`.`stat`, `E`.`niv`, `E`.`spec`, `E`.`cni`, `E`.`civilite`,\n"
            "`G`.`id` AS id_grade, `G`.`code` AS code_grade, `G`.`intitule` AS intitule_grade, "
            "`G`.`volume_horaire_hebdomadaire`,\n"
            "`D`.`num` AS id_departement, `D`.`nom` AS nom_departement, \n"
            "`F`.`id` AS id_fonction, `F`.`code` AS code_fonction, `F`.`nom` AS nom_fonction, "
            "`F`.`description` AS description_fonction\n"
            "FROM Personne P INNER JOIN Personnel E ON P.mat = E.mat\n"
            "INNER JOIN Grade G ON G.id = E.id_grade INNER JOIN Fonction F ON F.id = E.id_fonction\n"
            "LEFT JOIN Departement D ON D.num = E.dept WHERE E.mat = 'O''K'"),
        {}, donnee);
    cas(
        "enseignants", [=] { TCEnseignant::LoadComboBox(*b, false); },
        QStringLiteral(
            "SELECT P.mat, P.nom, P.pnom, P.nat, P.tel, P.adr, E.STAT, E.NIV, E.spec, E.CNI, E.CIVILITE\n"
            "FROM PERSONNE P INNER JOIN Personnel E ON P.mat=E.mat\n"
            "ORDER BY P.nom, P.pnom"),
        {}, chaine);
    cas(
        "departement", [] { TCDepartement::FindByNom(Annee, QStringLiteral("Arts d'O")); },
        QStringLiteral("SELECT `D`.`num`, `D`.`nom`\nFROM `bd_2025_2026`.`departement` `D`\n"
                       "WHERE `D`.`nom` = 'Arts d''O'"),
        {}, donnee);
    cas(
        "departements", [=] { TCDepartement::LoadCombobox(*b, Annee, true); },
        QStringLiteral("SELECT `D`.`num`, `D`.`nom`\nFROM `bd_2025_2026`.`departement` `D`\n"
                       "ORDER BY `D`.`nom` ASC"),
        {}, donnee);
    const QString fonctions = QStringLiteral("SELECT F.id, F.code, F.nom, F.description FROM fonction F");
    cas(
        "fonctions", [=] { TCFonctionPersonnel::LoadComboboxFonctionPersonnel(*b, false, true); },
        fonctions + QStringLiteral(" ORDER BY F.nom ASC, F.code ASC"), {}, chaine);
    cas(
        "fonction id", [] { TCFonctionPersonnel::FindById(3); },
        fonctions + QStringLiteral(" WHERE F.id = :id"), {QStringLiteral("id=3")}, chaine);
    cas(
        "fonction code", [] { TCFonctionPersonnel::FindByCode(QStringLiteral("C'N")); },
        fonctions + QStringLiteral(" WHERE F.code = 'C''N'"), {}, chaine);
    cas(
        "fonction nom", [] { TCFonctionPersonnel::FindByNom(QStringLiteral("L'un")); },
        fonctions + QStringLiteral(" WHERE F.nom = 'L''un'"), {}, chaine);
}

void TestModelePersonnes::textesRequetes() {
    QFETCH(Appel, appel);
    QFETCH(QString, texte);
    QFETCH(QStringList, parametres);
    QFETCH(QString, fournisseur);
    appel();
    QCOMPARE(requetes_, QStringList{texte});
    QCOMPARE(parametres_, parametres);
    QCOMPARE(fournisseurs_, QStringList{fournisseur});
}

QTEST_MAIN(TestModelePersonnes)
#include "test_modele_personnes.moc"
