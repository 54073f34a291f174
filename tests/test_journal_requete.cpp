// The journal list's statement against the real server: which entries each choice of the window selects and
// in which order, the parameters it sends, and the sort state a title click leaves.
#include "core/data/OBDataModuleU.h"
#include "core/journal/ModeleJournal.h"
#include "core/journal/RequeteJournal.h"
#include "support/EnvironnementModele.h"

#include <QTest>

namespace {

const QString Base = QStringLiteral("bd_2025_2026");

// Ten entries. 1 to 8 lie between 1 and 4 September 2025; 9 the day before, 10 the day after. Ties are
// placed so that an order missing one of its tie-breaks gives another sequence than the right one (the
// rows are stored in number order, the expected orders go against it).
const char* const Entrees =
    "INSERT INTO journal (numero, utilisateur, libelle, poste, operation, domaine, date, heure) VALUES "
    "(1, 'secretaire', 'Ajout de l''élève O''Neil', 'PC01', 'Ajout', 'Gestion des eleves', '2025-09-01', "
    "'08:00'),"
    "(2, 'admin', '[admin] - Solvane - Tentative de connexion, Nombre d''essais: 1. Connexion réussie.', "
    "'PC01', "
    "'Connexion', 'Administration de la Base de donnees', '2025-09-01', '08:00'),"
    "(3, 'Admin', 'Modification des notes de la 6e A', 'PC01', 'Modification', 'Gestion des notes', "
    "'2025-09-02', '17:30'),"
    "(4, 'bob', 'Versement de 50% de la pension', 'PC03', 'Ajout', 'Gestion des versements', '2025-09-02', "
    "'08:30'),"
    "(5, 'secretaire', 'Suppression de l''inscription (heure:fin)', 'PC02', 'Suppression', 'Gestion des "
    "eleves', "
    "'2025-09-03', '12:00'),"
    "(6, 'admin', 'CONNEXION au module des SMS', 'PC01', 'Connexion', 'Gestion des SMS', '2025-09-03', "
    "'23:00'),"
    "(7, 'bob', 'Impression des bulletins', 'PC03', 'Impression', 'Gestion des notes', '2025-09-04', "
    "'09:00'),"
    "(8, 'bob', 'Consultation des versements', 'PC04', 'Consultation', 'Gestion du personnel', '2025-09-02', "
    "'07:00'),"
    "(9, 'admin', 'Connexion avant la période', 'PC01', 'Connexion', 'Administration de la Base de donnees', "
    "'2025-08-31', '10:00'),"
    "(10, 'secretaire', 'Après la période', 'PC02', 'Ajout', 'Gestion des eleves', '2025-09-05', '08:00')";

// The choices of a window with every list on its "all" item, the four days of the fixture, no time range,
// no text, no sort column.
TFiltreJournal Tout() {
    TFiltreJournal f;
    f.IndexUtilisateur = 0;
    f.LoginUtilisateur = QStringLiteral("Tout");
    f.IndexOperation = 0;
    f.TexteOperation = QStringLiteral("(Toutes les opérations)");
    f.IndexDomaine = 0;
    f.TexteDomaine = QStringLiteral("(Tous les domaines)");
    f.Debut = QDate(2025, 9, 1);
    f.Fin = QDate(2025, 9, 4);
    f.HeureDebut = QTime(8, 0);
    f.HeureFin = QTime(12, 0);
    return f;
}

using Modification = std::function<void(TFiltreJournal&)>;

} // namespace

Q_DECLARE_METATYPE(Modification)

class TestJournalRequete : public QObject, public EnvironnementModele {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void selection_data();
    void selection();
    void tri_data();
    void tri();
    void parametres_data();
    void parametres();
    void basculeTri_data();
    void basculeTri();
    void listeLueAuFilDuDefilement();
    void erreurDuServeur();
};

void TestJournalRequete::initTestCase() {
    Ouvrir();
    base_->Executer(QString::fromUtf8(Entrees), Base);
}

void TestJournalRequete::cleanupTestCase() {
    Fermer();
}

// Each filter alone and together; the default order is the newest first (date, then time, descending), users
// in alphabetical order where both are equal.
void TestJournalRequete::selection_data() {
    QTest::addColumn<Modification>("modification");
    QTest::addColumn<QList<int>>("attendus");
    const QList<int> tous{7, 6, 5, 3, 4, 8, 2, 1};

    QTest::newRow("item 0 of every list: the dates alone") << Modification([](TFiltreJournal&) {}) << tous;
    QTest::newRow("nothing selected in any list") << Modification([](TFiltreJournal& f) {
        f.IndexUtilisateur = f.IndexOperation = f.IndexDomaine = -1;
        f.LoginUtilisateur = f.TexteOperation = f.TexteDomaine = QString();
    }) << tous;
    QTest::newRow("the lists' first items before they are loaded") << Modification([](TFiltreJournal& f) {
        f.IndexOperation = -1;
        f.TexteOperation = QString();
        f.IndexDomaine = -1;
        f.TexteDomaine = QString();
    }) << tous;
    QTest::newRow("user: every spelling of the login") << Modification([](TFiltreJournal& f) {
        f.IndexUtilisateur = 1;
        f.LoginUtilisateur = QStringLiteral("admin");
    }) << QList<int>{6, 3, 2};
    QTest::newRow("user: login with capitals and blanks") << Modification([](TFiltreJournal& f) {
        f.IndexUtilisateur = 3;
        f.LoginUtilisateur = QStringLiteral("  ADMIN ");
    }) << QList<int>{6, 3, 2};
    QTest::newRow("user with a quote in the login") << Modification([](TFiltreJournal& f) {
        f.IndexUtilisateur = 2;
        f.LoginUtilisateur = QStringLiteral("o'neil");
    }) << QList<int>{};
    QTest::newRow("operation") << Modification([](TFiltreJournal& f) {
        f.IndexOperation = 6;
        f.TexteOperation = QStringLiteral("Connexion");
    }) << QList<int>{6, 2};
    QTest::newRow("domain") << Modification([](TFiltreJournal& f) {
        f.IndexDomaine = 2;
        f.TexteDomaine = QStringLiteral("Gestion des eleves");
    }) << QList<int>{5, 1};
    QTest::newRow("user, operation and domain together") << Modification([](TFiltreJournal& f) {
        f.IndexUtilisateur = 2;
        f.LoginUtilisateur = QStringLiteral("secretaire");
        f.IndexOperation = 1;
        f.TexteOperation = QStringLiteral("Ajout");
        f.IndexDomaine = 2;
        f.TexteDomaine = QStringLiteral("Gestion des eleves");
    }) << QList<int>{1};
    QTest::newRow("user and operation that never met") << Modification([](TFiltreJournal& f) {
        f.IndexUtilisateur = 1;
        f.LoginUtilisateur = QStringLiteral("bob");
        f.IndexOperation = 6;
        f.TexteOperation = QStringLiteral("Connexion");
    }) << QList<int>{};
    QTest::newRow("time range: every day between the two times")
        << Modification([](TFiltreJournal& f) { f.AvecHeures = true; }) << QList<int>{7, 5, 4, 2, 1};
    QTest::newRow("time range set but not ticked") << Modification([](TFiltreJournal& f) {
        f.HeureDebut = QTime(23, 0);
        f.HeureFin = QTime(23, 30);
    }) << tous;
    QTest::newRow("contains: capitals meet any case")
        << Modification([](TFiltreJournal& f) { f.Contenant = QStringLiteral("CONNEXION"); })
        << QList<int>{6, 2};
    QTest::newRow("contains: lower case meets capitals")
        << Modification([](TFiltreJournal& f) { f.Contenant = QStringLiteral("connexion"); })
        << QList<int>{6, 2};
    QTest::newRow("contains: accented capitals")
        << Modification([](TFiltreJournal& f) { f.Contenant = QStringLiteral("L'ÉLÈVE"); }) << QList<int>{1};
    QTest::newRow("contains: a quote")
        << Modification([](TFiltreJournal& f) { f.Contenant = QStringLiteral("O'NEIL"); }) << QList<int>{1};
    QTest::newRow("contains: a text that looks like a parameter")
        << Modification([](TFiltreJournal& f) { f.Contenant = QStringLiteral("HEURE:FIN"); })
        << QList<int>{5};
    QTest::newRow("contains: blanks around the text")
        << Modification([](TFiltreJournal& f) { f.Contenant = QStringLiteral("  VERSEMENT  "); })
        << QList<int>{4, 8};
    QTest::newRow("contains: a quote that would end the literal")
        << Modification([](TFiltreJournal& f) { f.Contenant = QStringLiteral("') OR 1=1 OR ('"); })
        << QList<int>{};
    QTest::newRow("every filter together") << Modification([](TFiltreJournal& f) {
        f.IndexUtilisateur = 1;
        f.LoginUtilisateur = QStringLiteral("admin");
        f.IndexOperation = 6;
        f.TexteOperation = QStringLiteral("Connexion");
        f.IndexDomaine = 9;
        f.TexteDomaine = QStringLiteral("Administration de la Base de donnees");
        f.AvecHeures = true;
        f.Contenant = QStringLiteral("RÉUSSIE");
    }) << QList<int>{2};
    QTest::newRow("one day") << Modification([](TFiltreJournal& f) { f.Debut = f.Fin = QDate(2025, 9, 3); })
                             << QList<int>{6, 5};
    QTest::newRow("both ends of the range included") << Modification([](TFiltreJournal& f) {
        f.Debut = QDate(2025, 8, 31);
        f.Fin = QDate(2025, 9, 5);
    }) << QList<int>{10, 7, 6, 5, 3, 4, 8, 2, 1, 9};
    QTest::newRow("end before start") << Modification([](TFiltreJournal& f) {
        f.Debut = QDate(2025, 9, 4);
        f.Fin = QDate(2025, 9, 1);
    }) << QList<int>{};
}

void TestJournalRequete::selection() {
    QFETCH(Modification, modification);
    QFETCH(QList<int>, attendus);
    TFiltreJournal f = Tout();
    modification(f);
    QCOMPARE(NumerosDuJournal(f), attendus);
    // Nothing the window chooses changes the table.
    QCOMPARE(base_->Valeur(QStringLiteral("SELECT COUNT(*) FROM journal"), Base).toInt(), 10);
}

// The sort column with its direction, then its tie-breaks, always ascending: user → date, time; date → time,
// user; the others → date, user; the entry's number last (test_journal_lecture ties entries on everything
// else). Anything but an exact column name gives the default order.
void TestJournalRequete::tri_data() {
    QTest::addColumn<QString>("trich");
    QTest::addColumn<QString>("trisens");
    QTest::addColumn<QList<int>>("attendus");
    const QList<int> parDefaut{7, 6, 5, 3, 4, 8, 2, 1};
    QTest::newRow("date ascending") << "date"
                                    << "ASC" << QList<int>{2, 1, 8, 4, 3, 5, 6, 7};
    QTest::newRow("date descending, time still ascending") << "date"
                                                           << "DESC" << QList<int>{7, 5, 6, 8, 4, 3, 2, 1};
    QTest::newRow("user ascending, any case") << "utilisateur"
                                              << "ASC" << QList<int>{2, 3, 6, 8, 4, 7, 1, 5};
    QTest::newRow("user descending") << "utilisateur"
                                     << "DESC" << QList<int>{1, 5, 8, 4, 7, 2, 3, 6};
    QTest::newRow("time ascending") << "heure"
                                    << "ASC" << QList<int>{8, 2, 1, 4, 7, 5, 3, 6};
    QTest::newRow("time descending") << "heure"
                                     << "DESC" << QList<int>{6, 3, 5, 7, 4, 2, 1, 8};
    QTest::newRow("workstation") << "poste"
                                 << "ASC" << QList<int>{2, 1, 3, 6, 5, 4, 7, 8};
    QTest::newRow("domain") << "domaine"
                            << "ASC" << QList<int>{2, 1, 5, 3, 7, 6, 4, 8};
    QTest::newRow("operation") << "operation"
                               << "ASC" << QList<int>{1, 4, 2, 6, 8, 7, 3, 5};
    QTest::newRow("no sort column") << ""
                                    << "" << parDefaut;
    QTest::newRow("column name in another case") << "Date"
                                                 << "ASC" << parDefaut;
    QTest::newRow("a column of the table the list does not show") << "numero"
                                                                  << "ASC" << parDefaut;
    QTest::newRow("statement text as column") << "libelle; DROP TABLE journal"
                                              << "ASC" << parDefaut;
    QTest::newRow("statement text as direction")
        << "date"
        << "ASC; DELETE FROM journal" << QList<int>{2, 1, 8, 4, 3, 5, 6, 7};
}

void TestJournalRequete::tri() {
    QFETCH(QString, trich);
    QFETCH(QString, trisens);
    QFETCH(QList<int>, attendus);
    TFiltreJournal f = Tout();
    f.Trich = trich;
    f.Trisens = trisens;
    QCOMPARE(NumerosDuJournal(f), attendus);
    QCOMPARE(base_->Valeur(QStringLiteral("SELECT COUNT(*) FROM journal"), Base).toInt(), 10);
}

// Dates and times travel as texts in the system's patterns; the times only while the range is ticked.
void TestJournalRequete::parametres_data() {
    QTest::addColumn<bool>("avecHeures");
    QTest::addColumn<QStringList>("attendus");
    QTest::newRow("dates only") << false << QStringList{"debut=2025/09/01", "fin=2026/01/09"};
    QTest::newRow("dates and times") << true
                                     << QStringList{"debut=2025/09/01", "fin=2026/01/09", "hdebut=07:05",
                                                    "hfin=18:00"};
}

void TestJournalRequete::parametres() {
    QFETCH(bool, avecHeures);
    QFETCH(QStringList, attendus);
    TFiltreJournal f;
    f.Debut = QDate(2025, 9, 1);
    f.Fin = QDate(2026, 1, 9);
    f.AvecHeures = avecHeures;
    f.HeureDebut = QTime(7, 5, 59);
    f.HeureFin = QTime(18, 0);
    QStringList textes;
    for (const auto& [nom, valeur] : ParametresRequeteJournal(f))
        textes << nom + QLatin1Char('=') + valeur.toString();
    QCOMPARE(textes, attendus);
}

// A click on a title sorts by that column; each click flips the one direction, whichever column it was on.
void TestJournalRequete::basculeTri_data() {
    QTest::addColumn<QString>("trich");
    QTest::addColumn<QString>("trisens");
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("attenduTrich");
    QTest::addColumn<QString>("attenduTrisens");
    QTest::newRow("first click") << ""
                                 << ""
                                 << "date"
                                 << "date"
                                 << "ASC";
    QTest::newRow("second click on the same title") << "date"
                                                    << "ASC"
                                                    << "date"
                                                    << "date"
                                                    << "DESC";
    QTest::newRow("third click") << "date"
                                 << "DESC"
                                 << "date"
                                 << "date"
                                 << "ASC";
    QTest::newRow("another title after ascending") << "date"
                                                   << "ASC"
                                                   << "heure"
                                                   << "heure"
                                                   << "DESC";
    QTest::newRow("another title after descending") << "date"
                                                    << "DESC"
                                                    << "poste"
                                                    << "poste"
                                                    << "ASC";
}

void TestJournalRequete::basculeTri() {
    QFETCH(QString, trich);
    QFETCH(QString, trisens);
    QFETCH(QString, champ);
    BasculerTriJournal(trich, trisens, champ);
    QTEST(trich, "attenduTrich");
    QTEST(trisens, "attenduTrisens");
}

// The list shows its first rows at once; the rest joins it whole when the grid asks for more, its rows
// converted as they are shown.
void TestJournalRequete::listeLueAuFilDuDefilement() {
    const int lot = TModeleJournal::TailleLot;
    const int total = 2 * lot + 10;
    base_->Executer(
        QStringLiteral("CREATE TABLE bd_2026_2027.nombres AS SELECT seq FROM seq_1_to_%1").arg(total));
    base_->Executer(
        QStringLiteral("INSERT INTO journal (utilisateur, libelle, poste, operation, domaine, date, "
                       "heure) SELECT 'masse', CONCAT('Entrée ', seq), 'PC09', 'Ajout', "
                       "'Gestion des eleves', '2026-01-10', SEC_TO_TIME(seq * 60) FROM "
                       "bd_2026_2027.nombres"),
        Base);
    TFiltreJournal f = Tout();
    f.Debut = f.Fin = QDate(2026, 1, 10);
    TModeleJournal modele;
    modele.Ouvrir(*module_->OBSQLConnection, f);
    QCOMPARE(modele.rowCount(), lot);
    QVERIFY(modele.canFetchMore());
    QVERIFY(!modele.Complet());
    // Newest first: the last minute of the day comes first.
    QCOMPARE(modele.Entree(0).Libelle, QStringLiteral("Entrée %1").arg(total));
    QCOMPARE(modele.Entree(0).Heure, QTime(0, 0).addSecs(total * 60));
    QCOMPARE(modele.Entree(0).Date, QDate(2026, 1, 10));
    QCOMPARE(modele.data(modele.index(0, 3)).toString(), QStringLiteral("PC09"));
    modele.fetchMore();
    QCOMPARE(modele.rowCount(), total);
    QVERIFY(!modele.canFetchMore());
    QVERIFY(modele.Complet());
    QCOMPARE(modele.Entree(total - 1).Libelle, QStringLiteral("Entrée 1"));
    QCOMPARE(modele.Entree(lot).Libelle, QStringLiteral("Entrée %1").arg(total - lot));
    QCOMPARE(modele.data(modele.index(total - 1, 0)).toString(), QStringLiteral("masse"));
    base_->Executer(QStringLiteral("DELETE FROM journal WHERE utilisateur = 'masse'"), Base);
    base_->Executer(QStringLiteral("DROP TABLE bd_2026_2027.nombres"));
}

// A statement the server refuses leaves the list empty and raises the server's text; the next selection
// reads again.
void TestJournalRequete::erreurDuServeur() {
    base_->Executer(QStringLiteral("RENAME TABLE journal TO journal_absent"), Base);
    TFiltreJournal f = Tout();
    TModeleJournal modele;
    const QString erreur = Erreur([&] { modele.Ouvrir(*module_->OBSQLConnection, f); });
    base_->Executer(QStringLiteral("RENAME TABLE journal_absent TO journal"), Base);
    QVERIFY2(erreur.contains(QStringLiteral("journal")), qPrintable(erreur));
    QCOMPARE(modele.rowCount(), 0);
    QVERIFY(!modele.canFetchMore());
    modele.Ouvrir(*module_->OBSQLConnection, f);
    QCOMPARE(modele.rowCount(), 8);
}

QTEST_MAIN(TestJournalRequete)
#include "test_journal_requete.moc"
