// What the sign-in reads for the wizard, against the real server and without windows: the school's
// configuration and every student with a decision, their decision codes, repeater flags, series of
// orientation and the list's order, and every way the reading can fail.
#include "core/model/UniteCConfiguration.h"
#include "core/transition/ChargementEleves.h"
#include "support/EnvironnementModele.h"

#include <QTest>

namespace {

const QString Annee = QStringLiteral("2025/2026");
const QString Base = QStringLiteral("bd_2025_2026");
const QString Donnees = QStringLiteral(SOLVANE_TEST_DATA "/assistant.sql");

} // namespace

class TestChargement : public QObject, public EnvironnementModele {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void decisionsEtRedoublants();
    void valeursDesEleves();
    void ordreDeLaListe();
    void seriesLuesUneFois();
    void aucunEleve();
    void echecs_data();
    void echecs();
    void configuration();
    void configurationVide();
};

void TestChargement::init() {
    Ouvrir();
    base_->ExecuterFichier(Donnees, Base);
}

void TestChargement::cleanup() {
    Fermer();
}

// Codes from the free text: "Redouble" wins, then "Promu" with "Exclu", then "Exclu"; anything else (empty,
// NULL) is promoted. Repeaters are "R" and "E". A student without a decision row is not loaded.
void TestChargement::decisionsEtRedoublants() {
    const TElevesCharges charges = ChargerEleves(Annee);
    QCOMPARE(charges.Decisions, (TDictionnaireDecisions{{"S01", "P"},
                                                        {"S02", "P"},
                                                        {"S03", "R"},
                                                        {"S04", "E"},
                                                        {"S05", "PE"},
                                                        {"S06", "R"},
                                                        {"S07", "P"},
                                                        {"S11", "P"},
                                                        {"S12", "P"},
                                                        {"S13", "P"},
                                                        {"S21", "P"},
                                                        {"S31", "P"}}));
    QCOMPARE(charges.Eleves.size(), size_t(12));
    QVERIFY(charges.Eleves.find(QStringLiteral("S08")) == charges.Eleves.end());
    QStringList redoublants;
    for (const auto& [matricule, eleve] : charges.Eleves)
        if (eleve->GetRedoublant() == QLatin1String("1"))
            redoublants << matricule;
        else
            QCOMPARE(eleve->GetRedoublant(), QStringLiteral("0"));
    QCOMPARE(redoublants, QStringList({"S03", "S04", "S06"}));
}

// Every value as stored (quotes, backslash, accents), the payment state reset, the series of orientation.
void TestChargement::valeursDesEleves() {
    const TElevesCharges charges = ChargerEleves(Annee);
    const TCEleve& s02 = *charges.Eleves.at(QStringLiteral("S02"));
    QCOMPARE(s02.GetNom(), QStringLiteral("N'Guessan"));
    QCOMPARE(s02.GetPrenom(), QStringLiteral("Éloïse"));
    QCOMPARE(s02.GetNationalite(), QStringLiteral("Ivoirienne"));
    QCOMPARE(s02.GetAdresse(), QStringLiteral("Rue \\ 12"));
    QCOMPARE(s02.GetTuteur(), QStringLiteral("Oncle d'Abidjan"));
    QCOMPARE(s02.GetIdUnique(), QStringLiteral("NAT'02"));
    QVERIFY(s02.GetDateNaissance().isNull());
    QCOMPARE(s02.GetClasse(), QStringLiteral("6A"));
    QCOMPARE(s02.GetLieuNaissance(), QStringLiteral("Abidjan"));
    QCOMPARE(s02.GetEnregistrePar(), QStringLiteral("secretaire"));
    QCOMPARE(TexteEleve(s02), QStringLiteral("[S02] - N'Guessan Éloïse"));

    const TCEleve& s01 = *charges.Eleves.at(QStringLiteral("S01"));
    QCOMPARE(s01.GetDateNaissance(), QDate(2013, 1, 2));
    QCOMPARE(s01.GetPere(), QStringLiteral("Abena père"));
    QCOMPARE(s01.GetSexe(), QStringLiteral("M"));
    QCOMPARE(s01.GetEnRegle(), QStringLiteral("0"));
    QCOMPARE(s01.GetMontantVerse(), 0.0);
    QVERIFY(s01.GetOrientationSerie() == nullptr);
    QVERIFY(s01.GetPhoto() == nullptr);

    const TCSerie* a = charges.Eleves.at(QStringLiteral("S11"))->GetOrientationSerie();
    const TCSerie* c = charges.Eleves.at(QStringLiteral("S12"))->GetOrientationSerie();
    QVERIFY(a != nullptr && c != nullptr);
    QCOMPARE(a->GetNum(), 1);
    QCOMPARE(a->GetNom(), QStringLiteral("A"));
    QCOMPARE(c->GetNum(), 2);
    QCOMPARE(c->GetNom(), QStringLiteral("C"));
    QVERIFY(charges.Eleves.at(QStringLiteral("S13"))->GetOrientationSerie() == nullptr);
}

// Surname, then first name as the server orders them, then matricule for the same name (case aside).
void TestChargement::ordreDeLaListe() {
    base_->Executer(QStringLiteral("UPDATE personne SET nom = 'abena' WHERE mat = 'S07'"), Base);
    base_->Executer(QStringLiteral("UPDATE personne SET nom = 'Émane', pnom = 'Zoé' WHERE mat = 'S06'"),
                    Base);
    const TElevesCharges charges = ChargerEleves(Annee);
    QStringList ordre;
    for (const TCEleve* eleve : charges.Ordre)
        ordre << eleve->GetMatricule();
    QCOMPARE(ordre, QStringList({"S01", "S07", "S31", "S03", "S04", "S06", "S05", "S11", "S02", "S12", "S13",
                                 "S21"}));
}

// One statement reads the series, however many students have one.
void TestChargement::seriesLuesUneFois() {
    base_->Executer(QStringLiteral("UPDATE eleve SET orientation_serie = 3"), Base);
    requetes_.clear();
    const TElevesCharges charges = ChargerEleves(Annee);
    QCOMPARE(charges.Eleves.at(QStringLiteral("S01"))->GetOrientationSerie()->GetNom(), QStringLiteral("D"));
    int series = 0;
    for (const QString& requete : std::as_const(requetes_))
        series += requete.contains(QLatin1String("`series`")) ? 1 : 0;
    QCOMPARE(series, 1);
    QCOMPARE(requetes_.size(), 2);
}

void TestChargement::aucunEleve() {
    base_->Executer(QStringLiteral("DELETE FROM decision"), Base);
    const TElevesCharges charges = ChargerEleves(Annee);
    QVERIFY(charges.Eleves.empty());
    QVERIFY(charges.Decisions.isEmpty());
    QVERIFY(charges.Ordre.empty());
}

void TestChargement::echecs_data() {
    QTest::addColumn<QString>("preparation");
    QTest::addColumn<QString>("message"); // the start of the error's text
    QTest::newRow("série inconnue") << QStringLiteral(
                                           "UPDATE eleve SET orientation_serie = 7 WHERE mat = 'S13'")
                                    << QStringLiteral("Aucune série trouvée avec l'identifiant 7");
    QTest::newRow("deux décisions") << QStringLiteral(
                                           "INSERT INTO decision (mat, decision) VALUES ('S03', 'Promu')")
                                    << QStringLiteral("L'élève de matricule S03 a plus d'une décision");
    QTest::newRow("colonne absente") << QStringLiteral("ALTER TABLE eleve DROP COLUMN tuteur")
                                     << QStringLiteral("Unknown column 'E.tuteur'");
    QTest::newRow("table absente") << QStringLiteral("DROP TABLE decision")
                                   << QStringLiteral("Table 'bd_2025_2026.decision' doesn't exist");
}

void TestChargement::echecs() {
    QFETCH(QString, preparation);
    QFETCH(QString, message);
    base_->Executer(preparation, Base);
    const QString erreur = Erreur([] { ChargerEleves(Annee); });
    QVERIFY2(erreur.startsWith(message), qPrintable(erreur));
}

void TestChargement::configuration() {
    const std::unique_ptr<TCConfiguration> c = ChargerConfiguration();
    QCOMPARE(c->GetNomFr(), QStringLiteral("Lycée d'Essos"));
    QCOMPARE(c->GetNomEn(), QStringLiteral("Essos High School"));
    QCOMPARE(c->GetDeviseFr(), QStringLiteral("Travail \\ Discipline"));
    QCOMPARE(c->GetVille(), QStringLiteral("Yaoundé"));
    QCOMPARE(c->GetMinSequence(), 2);
    QCOMPARE(c->GetAgeMinimal(), 10);
    QCOMPARE(c->GetAgeMaximal(), 25);
    QCOMPARE(c->GetLogo().Octets(), QByteArray::fromHex("89504E470D0A1A0A"));
    QVERIFY(c->GetSignatureResponsable().EstVide());
}

void TestChargement::configurationVide() {
    base_->Executer(QStringLiteral("DELETE FROM configuration"), Base);
    const std::unique_ptr<TCConfiguration> c = ChargerConfiguration();
    QVERIFY(c->GetNomFr().isEmpty());
    QVERIFY(c->GetVille().isEmpty());
    QCOMPARE(c->GetMinSequence(), 0);
    QCOMPARE(c->GetAgeMaximal(), 0);
    QVERIFY(c->GetLogo().EstVide());
}

QTEST_MAIN(TestChargement)
#include "test_chargement.moc"
