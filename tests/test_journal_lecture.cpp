// How the journal window reads its list, against the real server: for every filter and every sort order, the
// same rows as the list's statement, in its order and in the same number, whether they come with the first
// rows or with the rest; the first rows sought in the first days of the period; one snapshot per selection;
// a new selection while the previous one is still being read.
#include "core/data/OBDataModuleU.h"
#include "core/journal/LecteurJournal.h"
#include "core/journal/LectureJournal.h"
#include "core/journal/ModeleJournal.h"
#include "support/EnvironnementModele.h"

#include <QTest>

namespace {

const QString Base = QStringLiteral("bd_2025_2026");

// 1,500 entries over the school year, crowded on some days and sparse on others (the day is a square modulo
// 365), a few before and after it and a few without a date; four times of day, users, workstations, domains
// and operations that differ in case only or are NULL, so that every order leaves whole groups tied but for
// the entry's number; descriptions with a rare text, and a few NULL ones.
const char* const Entrees =
    "INSERT INTO journal (utilisateur, libelle, poste, operation, domaine, date, heure) SELECT "
    "ELT(1 + seq % 6, 'admin', 'Admin', 'bob', 'secretaire', NULL, 'Éloïse'), "
    "IF(seq % 50 = 7, NULL, CONCAT('Opération ', seq, IF(seq % 10 = 0, ' : connexion réussie', ''))), "
    "ELT(1 + seq % 5, 'PC01', 'pc01', 'PC02', NULL, 'PC10-192.168.1.10'), "
    "ELT(1 + seq % 7, 'Ajout', 'Connexion', 'Modification', 'Suppression', 'Impression', 'Consultation', "
    "NULL), "
    "ELT(1 + seq % 4, 'Gestion des eleves', 'Gestion des notes', 'Administration de la Base de donnees', "
    "NULL), "
    "CASE WHEN seq % 97 = 0 THEN NULL WHEN seq % 89 = 0 THEN '2025-08-31' WHEN seq % 83 = 0 THEN "
    "'2026-09-01' ELSE DATE_ADD('2025-09-01', INTERVAL (seq * seq) % 365 DAY) END, "
    "IF(seq % 61 = 0, NULL, SEC_TO_TIME(3600 * (7 + seq % 4))) FROM seq_1_to_1500";

TFiltreJournal Annee() {
    TFiltreJournal f;
    f.IndexUtilisateur = f.IndexOperation = f.IndexDomaine = 0;
    f.Debut = QDate(2025, 9, 1);
    f.Fin = QDate(2026, 8, 31);
    f.HeureDebut = QTime(8, 0);
    f.HeureFin = QTime(9, 0);
    return f;
}

using Modification = std::function<void(TFiltreJournal&)>;

struct TCasFiltre {
    const char* Nom;
    Modification Modifier;
};

const QList<TCasFiltre>& Filtres() {
    static const QList<TCasFiltre> filtres{
        {"the school year", [](TFiltreJournal&) {}},
        {"a month", [](TFiltreJournal& f) { f.Debut = QDate(2026, 1, 1), f.Fin = QDate(2026, 1, 31); }},
        {"one user, any case",
         [](TFiltreJournal& f) { f.IndexUtilisateur = 1, f.LoginUtilisateur = QStringLiteral("admin"); }},
        {"one operation",
         [](TFiltreJournal& f) { f.IndexOperation = 2, f.TexteOperation = QStringLiteral("Connexion"); }},
        {"one domain",
         [](TFiltreJournal& f) { f.IndexDomaine = 1, f.TexteDomaine = QStringLiteral("Gestion des notes"); }},
        {"08:00 to 09:00", [](TFiltreJournal& f) { f.AvecHeures = true; }},
        {"a frequent text", [](TFiltreJournal& f) { f.Contenant = QStringLiteral("OPÉRATION 1"); }},
        {"a rare text", [](TFiltreJournal& f) { f.Contenant = QStringLiteral("  CONNEXION RÉUSSIE "); }},
        {"a text found nowhere", [](TFiltreJournal& f) { f.Contenant = QStringLiteral("INTROUVABLE"); }},
        {"blanks as text", [](TFiltreJournal& f) { f.Contenant = QStringLiteral("   "); }},
        {"one crowded day", [](TFiltreJournal& f) { f.Debut = f.Fin = QDate(2025, 9, 2); }},
        {"end before start", [](TFiltreJournal& f) { std::swap(f.Debut, f.Fin); }},
        {"beyond the journal's days",
         [](TFiltreJournal& f) { f.Debut = QDate(2024, 1, 1), f.Fin = QDate(2027, 12, 31); }},
    };
    return filtres;
}

// Every order a click on a title gives, and the default one.
QList<std::pair<QString, QString>> Ordres() {
    QList<std::pair<QString, QString>> ordres{{QString(), QString()}};
    for (const QString& champ : ChampsTriJournal())
        for (const char* sens : {"ASC", "DESC"})
            ordres.append({champ, QString::fromLatin1(sens)});
    return ordres;
}

} // namespace

Q_DECLARE_METATYPE(TFiltreJournal)

class TestJournalLecture : public QObject, public EnvironnementModele {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void tranches_data();
    void tranches();
    void memesLignesQueLaRequete_data();
    void memesLignesQueLaRequete();
    void premieresLignesDeToutesTailles_data();
    void premieresLignesDeToutesTailles();
    void instantane();
    void nouvelleSelectionPendantLaLecture();
    void egalitesDepartageesParLeNumero_data();
    void egalitesDepartageesParLeNumero();

private:
    // The numbers of every row of the list, the rest waited for.
    static QList<int> Lues(TModeleJournal& modele);
};

void TestJournalLecture::initTestCase() {
    Ouvrir();
    base_->Executer(QString::fromUtf8(Entrees), Base);
}

void TestJournalLecture::cleanupTestCase() {
    Fermer();
}

QList<int> TestJournalLecture::Lues(TModeleJournal& modele) {
    while (modele.canFetchMore())
        modele.fetchMore();
    QList<int> numeros;
    for (int i = 0; i < modele.rowCount(); ++i)
        numeros << modele.Entree(i).Numero;
    return numeros;
}

// The parts of the period the first rows are sought in cover it day after day from the end the order starts
// at, without a gap or a day twice; nothing for an order that does not start with the date.
void TestJournalLecture::tranches_data() {
    QTest::addColumn<QString>("trich");
    QTest::addColumn<QString>("trisens");
    QTest::addColumn<QDate>("debut");
    QTest::addColumn<QDate>("fin");
    QTest::addColumn<int>("nombre");
    const QDate debut(2025, 9, 1), fin(2026, 8, 31);
    QTest::newRow("newest first, a year") << ""
                                          << "" << debut << fin << 5;
    QTest::newRow("date descending, a year") << "date"
                                             << "DESC" << debut << fin << 5;
    QTest::newRow("date ascending, a year") << "date"
                                            << "ASC" << debut << fin << 5;
    QTest::newRow("a direction that is none") << "date"
                                              << "ASC; --" << debut << fin << 5;
    QTest::newRow("newest first, a week") << ""
                                          << "" << debut << debut.addDays(6) << 1;
    QTest::newRow("newest first, eight days") << ""
                                              << "" << debut << debut.addDays(7) << 2;
    QTest::newRow("one day") << ""
                             << "" << debut << debut << 1;
    QTest::newRow("end before start") << ""
                                      << "" << fin << debut << 0;
    QTest::newRow("by user") << "utilisateur"
                             << "ASC" << debut << fin << 0;
    QTest::newRow("by time") << "heure"
                             << "DESC" << debut << fin << 0;
}

void TestJournalLecture::tranches() {
    QFETCH(QString, trich);
    QFETCH(QString, trisens);
    QFETCH(QDate, debut);
    QFETCH(QDate, fin);
    QFETCH(int, nombre);
    TFiltreJournal f = Annee();
    f.Trich = trich;
    f.Trisens = trisens;
    f.Debut = debut;
    f.Fin = fin;
    const QList<TTrancheJournal> tranches = TranchesJournal(f);
    QCOMPARE(tranches.size(), nombre);
    if (nombre == 0)
        return;
    const bool depuisLaFin = OrdreJournal(f).first().Descendant;
    QDate suivant = depuisLaFin ? fin : debut;
    for (const TTrancheJournal& t : tranches) {
        QVERIFY(t.Debut <= t.Fin);
        QCOMPARE(depuisLaFin ? t.Fin : t.Debut, suivant);
        suivant = depuisLaFin ? t.Debut.addDays(-1) : t.Fin.addDays(1);
    }
    QCOMPARE(suivant, depuisLaFin ? debut.addDays(-1) : fin.addDays(1));
    QCOMPARE(tranches.first().Debut.daysTo(tranches.first().Fin) + 1,
             std::min<qint64>(7, debut.daysTo(fin) + 1));
}

// The window's rows are the statement's rows, in its order and number, for every filter and every order: the
// first rows, the rest that joins them, the rows of the rest converted as the grid asks for them.
void TestJournalLecture::memesLignesQueLaRequete_data() {
    QTest::addColumn<TFiltreJournal>("filtre");
    for (const TCasFiltre& cas : Filtres())
        for (const auto& [champ, sens] : Ordres()) {
            TFiltreJournal f = Annee();
            cas.Modifier(f);
            f.Trich = champ;
            f.Trisens = sens;
            const QString ordre =
                champ.isEmpty() ? QStringLiteral("default order") : champ + QLatin1Char(' ') + sens;
            QTest::newRow(qPrintable(QString::fromLatin1(cas.Nom) + QStringLiteral(", ") + ordre)) << f;
        }
}

void TestJournalLecture::memesLignesQueLaRequete() {
    QFETCH(TFiltreJournal, filtre);
    const QList<int> attendus = NumerosDuJournal(filtre);
    TModeleJournal modele;
    modele.Ouvrir(*module_->OBSQLConnection, filtre);
    QCOMPARE(modele.rowCount(), std::min<int>(attendus.size(), TModeleJournal::TailleLot));
    QCOMPARE(modele.canFetchMore(), attendus.size() >= TModeleJournal::TailleLot);
    QCOMPARE(Lues(modele), attendus);
    QVERIFY(modele.Complet());
}

// The reader gives the first rows in any number, from one to more than the selection holds, then the rest.
void TestJournalLecture::premieresLignesDeToutesTailles_data() {
    QTest::addColumn<TFiltreJournal>("filtre");
    QTest::addColumn<int>("nombre");
    TFiltreJournal recents = Annee(), anciens = Annee(), texte = Annee();
    anciens.Trich = QStringLiteral("date");
    anciens.Trisens = QStringLiteral("ASC");
    texte.Contenant = QStringLiteral("RÉUSSIE");
    for (int nombre : {1, 7, 100, 2000}) {
        QTest::addRow("newest first, %d", nombre) << recents << nombre;
        QTest::addRow("oldest first, %d", nombre) << anciens << nombre;
        QTest::addRow("rare text, %d", nombre) << texte << nombre;
    }
}

void TestJournalLecture::premieresLignesDeToutesTailles() {
    QFETCH(TFiltreJournal, filtre);
    QFETCH(int, nombre);
    const QList<int> attendus = NumerosDuJournal(filtre);
    TLecteurJournal lecteur;
    QList<int> lus;
    for (const TEntreeJournal& e : lecteur.Ouvrir(*module_->OBSQLConnection, filtre, nombre))
        lus << e.Numero;
    QCOMPARE(lus, attendus.mid(0, nombre));
    const int reste = lecteur.AttendreSuite();
    QCOMPARE(reste, std::max<int>(0, attendus.size() - nombre));
    // The rest in two unequal parts, the second asked for first.
    const int moitie = reste / 3;
    QList<int> fin, debut;
    for (const TEntreeJournal& e : lecteur.LireSuite(moitie, reste - moitie))
        fin << e.Numero;
    for (const TEntreeJournal& e : lecteur.LireSuite(0, moitie))
        debut << e.Numero;
    QCOMPARE(lus + debut + fin, attendus);
}

// A selection is what the table held when it was asked for: entries written or removed afterwards, before the
// rest is read, change nothing in it.
void TestJournalLecture::instantane() {
    const TFiltreJournal f = Annee();
    const QList<int> avant = NumerosDuJournal(f);
    TModeleJournal modele;
    modele.Ouvrir(*module_->OBSQLConnection, f);
    base_->Executer(
        QStringLiteral("INSERT INTO journal (utilisateur, libelle, poste, operation, domaine, date, "
                       "heure) VALUES ('admin', 'Écrite après', 'PC01', 'Ajout', 'Gestion des eleves', "
                       "'2026-08-31', '23:59')"),
        Base);
    base_->Executer(
        QStringLiteral("DELETE FROM journal WHERE numero IN (%1, %2)").arg(avant.at(3)).arg(avant.last()),
        Base);
    QCOMPARE(Lues(modele), avant);
    // The next selection sees the table as it is now.
    modele.Ouvrir(*module_->OBSQLConnection, f);
    const QList<int> apres = Lues(modele);
    QCOMPARE(apres, NumerosDuJournal(f));
    QCOMPARE(apres.size(), avant.size() - 1);
    QVERIFY(!apres.contains(avant.last()));
}

// A selection asked for while the previous one's rest is still being read (or let go, or asked again at
// once) gives its own rows, never rows of another.
void TestJournalLecture::nouvelleSelectionPendantLaLecture() {
    TFiltreJournal annee = Annee(), utilisateur = Annee(), parPoste = Annee();
    utilisateur.IndexUtilisateur = 1;
    utilisateur.LoginUtilisateur = QStringLiteral("bob");
    parPoste.Trich = QStringLiteral("poste");
    parPoste.Trisens = QStringLiteral("DESC");
    TModeleJournal modele;
    for (int tour = 0; tour < 5; ++tour) {
        modele.Ouvrir(*module_->OBSQLConnection, annee);
        modele.Ouvrir(*module_->OBSQLConnection, parPoste);
        modele.Fermer();
        modele.Ouvrir(*module_->OBSQLConnection, utilisateur);
        modele.Ouvrir(*module_->OBSQLConnection, parPoste);
    }
    QCOMPARE(Lues(modele), NumerosDuJournal(parPoste));
    // Nothing is left running at the server for the earlier selections.
    QCOMPARE(
        base_
            ->Valeur(QStringLiteral("SELECT COUNT(*) FROM information_schema.processlist WHERE info LIKE "
                                    "'SELECT numero, poste, utilisateur, date, heure, operation%'"))
            .toInt(),
        0);
}

// Entries the whole order leaves tied but for their number: the latest written first in the default order
// (newest first), the first written first in every other.
void TestJournalLecture::egalitesDepartageesParLeNumero_data() {
    QTest::addColumn<QString>("trich");
    QTest::addColumn<QString>("trisens");
    QTest::addColumn<bool>("derniereEnTete");
    for (const auto& [champ, sens] : Ordres())
        QTest::newRow(
            qPrintable(champ.isEmpty() ? QStringLiteral("default order") : champ + QLatin1Char(' ') + sens))
            << champ << sens << champ.isEmpty();
}

void TestJournalLecture::egalitesDepartageesParLeNumero() {
    QFETCH(QString, trich);
    QFETCH(QString, trisens);
    QFETCH(bool, derniereEnTete);
    base_->Executer(
        QStringLiteral("INSERT INTO journal (utilisateur, libelle, poste, operation, domaine, date, "
                       "heure) SELECT 'jumeau', CONCAT('Jumeau ', seq), 'PC07', 'Ajout', 'Gestion des "
                       "eleves', '2024-05-05', '10:00' FROM seq_1_to_3"),
        Base);
    TFiltreJournal f = Annee();
    f.Debut = f.Fin = QDate(2024, 5, 5);
    f.Trich = trich;
    f.Trisens = trisens;
    QList<int> numeros;
    for (const QString& n :
         base_->Lignes(QStringLiteral("SELECT numero FROM journal WHERE utilisateur = 'jumeau' "
                                      "ORDER BY numero"),
                       Base))
        numeros << n.toInt();
    QCOMPARE(numeros.size(), 3);
    if (derniereEnTete)
        std::reverse(numeros.begin(), numeros.end());
    // The statement itself, as the report reads it, and the window.
    const QList<int> requete = NumerosDuJournal(f);
    TModeleJournal modele;
    modele.Ouvrir(*module_->OBSQLConnection, f);
    const QList<int> fenetre = Lues(modele);
    base_->Executer(QStringLiteral("DELETE FROM journal WHERE utilisateur = 'jumeau'"), Base);
    QCOMPARE(requete, numeros);
    QCOMPARE(fenetre, numeros);
}

QTEST_MAIN(TestJournalLecture)
#include "test_journal_lecture.moc"
