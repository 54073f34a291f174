// The journal report: its header read from the year's parameters, its rows read through the shared read
// chain, and its pages drawn into PDF files that poppler's tools (pdftotext, pdfimages, pdftoppm) read back.
#include "base/KORVENTypesU.h"
#include "core/data/OBDataModuleU.h"
#include "core/document/EnteteDocument.h"
#include "core/journal/RapportJournal.h"
#include "core/model/UniteCUtilisateur.h"
#include "support/EnteteAkwa.h"
#include "support/EnvironnementModele.h"
#include "support/ImageDeTest.h"
#include "support/LecturePdf.h"

#include <QApplication>
#include <QImage>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Annee = QStringLiteral("2025/2026");
const QString Base = QStringLiteral("bd_2025_2026");

// The school as the header reads it.
void EcrireEcole(BaseDeTest& base) {
    base.Executer(
        QStringLiteral("INSERT INTO configuration (id, nom_fr) VALUES (1, 'Lycée bilingue d''Akwa')"), Base);
    base.Executer(QStringLiteral("INSERT INTO parametres (nom, valeur_text, description, type_param) VALUES "
                                 "('KORVEN_SCHOOL_NAME_EN', 'Akwa Bilingual High School', '', 'TX'),"
                                 "('KORVEN_SCHOOL_DEVISE_FR', 'Travail - Discipline - Succès', '', 'TX'),"
                                 "('KORVEN_SCHOOL_DEVISE_EN', 'Work - Discipline - Success', '', 'TX'),"
                                 "('KORVEN_SCHOOL_POBOX', '1234', '', 'TX'),"
                                 "('KORVEN_SCHOOL_PHONE_NUMBER', '699 00 00 00', '', 'TX'),"
                                 "('KORVEN_SCHOOL_CITY', 'Douala', '', 'TX'),"
                                 "('KORVEN_LOGO_ETABLISSEMENT', NULL, 'Logo', 'IM')"),
                  Base);
    QSqlQuery q(QSqlDatabase::database(QStringLiteral("solvane_test_admin")));
    q.prepare(QStringLiteral(
        "UPDATE bd_2025_2026.parametres SET valeur_blob = :b WHERE nom = 'KORVEN_LOGO_ETABLISSEMENT'"));
    q.bindValue(QStringLiteral(":b"), ImageDeTest(QSize(60, 60), QColor(200, 30, 30)));
    QVERIFY(q.exec());
}

using namespace LecturePdf;

TLigneRapportJournal Ligne(const QString& utilisateur, const QString& libelle) {
    return {DateHeureRapportJournal(QDateTime(QDate(2025, 9, 1), QTime(8, 5))),
            utilisateur,
            QStringLiteral("Gestion des eleves"),
            QStringLiteral("Ajout"),
            QStringLiteral("PC01-10.0.0.1"),
            libelle};
}

TRapportJournal RapportSimple() {
    TRapportJournal r;
    r.Entete.NomFr = QStringLiteral("Lycée d'essai");
    r.Entete.NomEn = QStringLiteral("Test High School");
    r.Titre = QStringLiteral("JOURNAL DES OPÉRATIONS");
    r.Periode = PeriodeRapportJournal(QDate(2014, 8, 28), QDate(2014, 8, 29));
    r.LignePied = LignePiedJournal;
    r.DateImpression = QStringLiteral("05/01/2026 10:15");
    return r;
}

// Draws the report into a PDF file of the directory; fails the test when it cannot.
int Dessiner(const QString& chemin, const TRapportJournal& rapport) {
    QPdfWriter pdf(chemin);
    PreparerPageRapportJournal(pdf);
    return DessinerRapportJournal(pdf, rapport);
}

QString Mille(const QString& mot, int n) {
    QStringList mots;
    for (int i = 0; i < n; ++i)
        mots << QStringLiteral("%1%2").arg(mot).arg(i);
    return mots.join(QLatin1Char(' '));
}

using Preparation = std::function<void(BaseDeTest&)>;

} // namespace

Q_DECLARE_METATYPE(Preparation)

class TestJournalRapport : public QObject, public EnvironnementModele {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void entete_data();
    void entete();
    void enteteSansAnnee();
    void premierePage_data();
    void premierePage();
    void logo_data();
    void logo();
    void lignesDeLaListe();
    void descriptionLongue();
    void plusieursPages();
    void selectionVide();
    void ligneTropHaute();
    void fichierImpossible();

private:
    QTemporaryDir dossier_;
    QString Chemin(const char* nom) const { return dossier_.filePath(QString::fromLatin1(nom)); }
};

void TestJournalRapport::initTestCase() {
    // SOLVANE_GARDER_PDF=1 keeps the documents, to look at them.
    if (qEnvironmentVariableIsSet("SOLVANE_GARDER_PDF")) {
        dossier_.setAutoRemove(false);
        qInfo("documents in %s", qPrintable(dossier_.path()));
    }
    Ouvrir();
}

void TestJournalRapport::cleanupTestCase() {
    Fermer();
}

// Every case starts from the same school and an empty journal.
void TestJournalRapport::init() {
    for (const char* table : {"configuration", "parametres", "journal"})
        base_->Executer(QStringLiteral("DELETE FROM %1").arg(QString::fromLatin1(table)), Base);
    EcrireEcole(*base_);
}

// Each header field from its source; a text parameter that is missing gives the empty text; the logo shown
// unless the display parameter is exactly "0" and the caller applies it.
void TestJournalRapport::entete_data() {
    QTest::addColumn<Preparation>("preparation");
    QTest::addColumn<bool>("appliquerLogo");
    QTest::addColumn<QStringList>("textes");
    QTest::addColumn<bool>("logoVisible");
    QTest::addColumn<bool>("logoImage");
    const QStringList complets{"Lycée bilingue d'Akwa",
                               "Akwa Bilingual High School",
                               "Travail - Discipline - Succès",
                               "Work - Discipline - Success",
                               "B.P. 1234 Tél. 699 00 00 00 Douala",
                               "P.O. Box 1234 Phone 699 00 00 00 Douala",
                               "Année scolaire: 2025/2026",
                               "Academic year: 2025/2026"};
    const auto valeur = [](const char* nom, const char* texte) {
        return Preparation([=](BaseDeTest& b) {
            b.Executer(QStringLiteral(
                           "REPLACE INTO parametres (nom, valeur_text, type_param) VALUES ('%1', '%2', 'TX')")
                           .arg(QString::fromLatin1(nom), QString::fromUtf8(texte)),
                       Base);
        });
    };
    QTest::newRow("every value present")
        << Preparation([](BaseDeTest&) {}) << true << complets << true << true;
    QTest::newRow("no configuration row: the French name keeps its text")
        << Preparation([](BaseDeTest& b) { b.Executer(QStringLiteral("DELETE FROM configuration"), Base); })
        << true
        << QStringList(complets).replaceInStrings(QStringLiteral("Lycée bilingue d'Akwa"),
                                                  QStringLiteral("<avant>"))
        << true << true;
    QTest::newRow("missing text parameters") << Preparation([](BaseDeTest& b) {
        b.Executer(QStringLiteral("DELETE FROM parametres WHERE type_param = 'TX'"), Base);
    }) << true << QStringList{"Lycée bilingue d'Akwa",
                              "",
                              "",
                              "",
                              "B.P.  Tél.  ",
                              "P.O. Box  Phone  ",
                              "Année scolaire: 2025/2026",
                              "Academic year: 2025/2026"}
                                             << true << true;
    QTest::newRow("logo hidden by \"0\"")
        << valeur("REPORT_DISPLAY_LOGO_ON_REPORT", "0") << true << complets << false << false;
    QTest::newRow("logo shown by \"1\"")
        << valeur("REPORT_DISPLAY_LOGO_ON_REPORT", "1") << true << complets << true << true;
    QTest::newRow("logo shown by any other value")
        << valeur("REPORT_DISPLAY_LOGO_ON_REPORT", "non") << true << complets << true << true;
    QTest::newRow("\"0\" not applied by the caller")
        << valeur("REPORT_DISPLAY_LOGO_ON_REPORT", "0") << false << complets << true << true;
    QTest::newRow("no logo parameter: shown, no picture") << Preparation([](BaseDeTest& b) {
        b.Executer(QStringLiteral("DELETE FROM parametres WHERE nom = 'KORVEN_LOGO_ETABLISSEMENT'"), Base);
    }) << true << complets << true << false;
    QTest::newRow("logo parameter holding a text") << Preparation([](BaseDeTest& b) {
        b.Executer(
            QStringLiteral("UPDATE parametres SET type_param = 'TX', valeur_text = 'logo.png' WHERE nom = "
                           "'KORVEN_LOGO_ETABLISSEMENT'"),
            Base);
    }) << true << complets << true << false;
}

void TestJournalRapport::entete() {
    QFETCH(Preparation, preparation);
    QFETCH(bool, appliquerLogo);
    preparation(*base_);
    TEnteteDocument e;
    e.NomFr = QStringLiteral("<avant>");
    InitDocumentsHeader(appliquerLogo, e, Annee);
    QTEST((QStringList{e.NomFr, e.NomEn, e.DeviseFr, e.DeviseEn, e.AdresseFr, e.AdresseEn, e.AnneeFr,
                       e.AnneeEn}),
          "textes");
    QTEST(e.Logo.Visible, "logoVisible");
    QTEST(e.Logo.Image.has_value() && e.Logo.Image->EstValide(), "logoImage");
    if (e.Logo.Image)
        QCOMPARE(e.Logo.Image->Image().pixelColor(5, 5), QColor(200, 30, 30));
}

// Without a year code the header fails before any parameter is read, and leaves no statement object behind:
// the next header works.
void TestJournalRapport::enteteSansAnnee() {
    TEnteteDocument e;
    QCOMPARE(Erreur([&] { InitDocumentsHeader(true, e, QStringLiteral("   ")); }),
             QStringLiteral("Vous devez passer l'annéée scolaire."));
    QVERIFY(module_->findChildren<QObject*>(QStringLiteral("providerdonneeInitDocumentsHeader")).isEmpty());
    InitDocumentsHeader(true, e, Annee);
    QCOMPARE(e.NomEn, QStringLiteral("Akwa Bilingual High School"));
}

// The first page: both header blocks, the title (with the selected user or without), the period, the
// headings, the footer.
void TestJournalRapport::premierePage_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("titre");
    QTest::newRow("item 0: every user") << 0 << QStringLiteral("JOURNAL DES OPÉRATIONS PÉRIODE");
    QTest::newRow("nothing selected") << -1 << QStringLiteral("JOURNAL DES OPÉRATIONS PÉRIODE");
    QTest::newRow("one user")
        << 2 << QStringLiteral("JOURNAL DES OPÉRATIONS DE L'UTILISATEUR Jeanne N'Diaye - jndiaye PÉRIODE");
}

void TestJournalRapport::premierePage() {
    QFETCH(int, index);
    QFETCH(QString, titre);
    const TCUtilisateur utilisateur(QStringLiteral("jndiaye"), QString(), QStringLiteral("1"),
                                    QStringLiteral("Jeanne N'Diaye"), QStringLiteral("0"));
    TRapportJournal r;
    InitDocumentsHeader(true, r.Entete, Annee);
    r.Titre = TitreRapportJournal(index, &utilisateur);
    r.Periode = PeriodeRapportJournal(QDate(2014, 8, 28), QDate(2014, 8, 29));
    r.LignePied = LignePiedJournal;
    r.DateImpression = QStringLiteral("05/01/2026 10:15");
    r.Lignes << Ligne(QStringLiteral("admin"), QStringLiteral("Connexion réussie."));
    const QString pdf = Chemin("premiere.pdf");
    QCOMPARE(Dessiner(pdf, r), 1);
    const QString texte = Texte(pdf);
    for (const QString& attendu :
         TextesEnteteAkwa() + QStringList{titre, QStringLiteral("PÉRIODE DU 28/08/2014 AU 29/08/2014"),
                                          QStringLiteral("Date & Heure"), QStringLiteral("Intitulé"),
                                          QStringLiteral("Connexion réussie."), LignePiedJournal,
                                          QStringLiteral("Imprimé le 05/01/2026 10:15")})
        QVERIFY2(texte.contains(attendu), qPrintable(attendu + QStringLiteral(" not in: ") + texte));
    // The French block stands left of the logo, the English one right of it; the title is centred.
    const QList<TMot> mots = Mots(pdf);
    const QList<TMot> republique = MotsNommes(mots, QStringLiteral("REPUBLIQUE"));
    const QList<TMot> republic = MotsNommes(mots, QStringLiteral("REPUBLIC"));
    QCOMPARE(republique.size(), 1);
    QCOMPARE(republic.size(), 1);
    QVERIFY(republique.first().Droite < Points(10 + 123.3));
    QVERIFY(republic.first().Gauche > Points(10 + 123.3 + 30.4));
    const QList<TMot> periode = MotsNommes(mots, QStringLiteral("PÉRIODE"));
    QCOMPARE(periode.size(), 1);
    QVERIFY(periode.first().Haut > Points(10 + 37.6) - 2 && periode.first().Haut < Points(10 + 37.6 + 6));
}

// The logo is drawn unless it is hidden or has no picture.
void TestJournalRapport::logo_data() {
    QTest::addColumn<Preparation>("preparation");
    QTest::addColumn<int>("images");
    QTest::newRow("display parameter missing") << Preparation([](BaseDeTest&) {}) << 1;
    QTest::newRow("display \"0\"") << Preparation([](BaseDeTest& b) {
        b.Executer(QStringLiteral("INSERT INTO parametres (nom, valeur_text, type_param) VALUES "
                                  "('REPORT_DISPLAY_LOGO_ON_REPORT', '0', 'TX')"),
                   Base);
    }) << 0;
    QTest::newRow("display \"1\"") << Preparation([](BaseDeTest& b) {
        b.Executer(QStringLiteral("INSERT INTO parametres (nom, valeur_text, type_param) VALUES "
                                  "('REPORT_DISPLAY_LOGO_ON_REPORT', '1', 'TX')"),
                   Base);
    }) << 1;
    QTest::newRow("no logo parameter") << Preparation([](BaseDeTest& b) {
        b.Executer(QStringLiteral("DELETE FROM parametres WHERE nom = 'KORVEN_LOGO_ETABLISSEMENT'"), Base);
    }) << 0;
}

void TestJournalRapport::logo() {
    QFETCH(Preparation, preparation);
    preparation(*base_);
    TRapportJournal r = RapportSimple();
    InitDocumentsHeader(true, r.Entete, Annee);
    const QString pdf = Chemin("logo.pdf");
    Dessiner(pdf, r);
    QTEST(Images(pdf), "images");
}

// The rows are those of the list's statement, in its order, read through the shared read chain; the date and
// time in the workstation's format.
void TestJournalRapport::lignesDeLaListe() {
    base_->Executer(
        QStringLiteral("INSERT INTO journal (utilisateur, libelle, poste, operation, domaine, date, heure) "
                       "VALUES ('admin', 'Premier', 'PC01-10.0.0.1', 'Connexion', 'Gestion des SMS', "
                       "'2025-09-01', '08:05'), ('zoe', 'Deuxième', 'PC02-10.0.0.2', 'Ajout', "
                       "'Gestion des eleves', '2025-09-02', '09:30'), ('bob', 'Hors période', 'PC03', "
                       "'Ajout', 'Gestion des eleves', '2025-10-02', '09:30')"),
        Base);
    TFiltreJournal f;
    f.Debut = QDate(2025, 9, 1);
    f.Fin = QDate(2025, 9, 30);
    f.Trich = QStringLiteral("utilisateur");
    f.Trisens = QStringLiteral("DESC");
    const QList<TLigneRapportJournal> lignes = LireLignesRapportJournal(f);
    QCOMPARE(fournisseurs_.last(), QStringLiteral("DataSetProviderDonnees1"));
    QCOMPARE(lignes.size(), 2);
    QCOMPARE(lignes[0].Utilisateur, QStringLiteral("zoe"));
    QCOMPARE(lignes[0].Libelle, QStringLiteral("Deuxième"));
    QCOMPARE(lignes[0].Poste, QStringLiteral("PC02-10.0.0.2"));
    QCOMPARE(lignes[0].Operation, QStringLiteral("Ajout"));
    QCOMPARE(lignes[0].Domaine, QStringLiteral("Gestion des eleves"));
    QCOMPARE(lignes[0].DateHeure,
             QLocale().toString(QDateTime(QDate(2025, 9, 2), QTime(9, 30)), QLocale::ShortFormat));
    QCOMPARE(lignes[1].Utilisateur, QStringLiteral("admin"));

    TRapportJournal r = RapportSimple();
    r.Lignes = lignes;
    const QString pdf = Chemin("lignes.pdf");
    Dessiner(pdf, r);
    // Row 1 is zoe's, row 2 admin's: each number stands on its user's line, zoe's above.
    const QList<TMot> mots = Mots(pdf);
    const QList<TMot> zoe = MotsNommes(mots, QStringLiteral("zoe"));
    const QList<TMot> admin = MotsNommes(mots, QStringLiteral("admin"));
    QCOMPARE(zoe.size(), 1);
    QCOMPARE(admin.size(), 1);
    QVERIFY(zoe.first().Haut < admin.first().Haut);
    const auto numeroSurLaLigne = [&mots](const QString& numero, const TMot& ligne) {
        for (const TMot& m : mots)
            if (m.Texte == numero && m.Droite < Points(10 + 13.2) && qAbs(m.Haut - ligne.Haut) < 1)
                return true;
        return false;
    };
    QVERIFY(numeroSurLaLigne(QStringLiteral("1"), zoe.first()));
    QVERIFY(numeroSurLaLigne(QStringLiteral("2"), admin.first()));
    QVERIFY(Texte(pdf).contains(lignes[0].DateHeure));
}

// A long description wraps, justified, inside its column; its row grows with it, every cell of the row as
// tall as the description, and the next row starts below it.
void TestJournalRapport::descriptionLongue() {
    TRapportJournal r = RapportSimple();
    r.Lignes << Ligne(QStringLiteral("admin"), Mille(QStringLiteral("mot"), 60))
             << Ligne(QStringLiteral("bob"), QStringLiteral("Court."));
    const QString pdf = Chemin("longue.pdf");
    QCOMPARE(Dessiner(pdf, r), 1);
    const QList<TMot> mots = Mots(pdf);
    QList<double> lignes;
    double droiteMax = 0;
    double basMax = 0;
    for (const TMot& m : mots)
        if (m.Texte.startsWith(QStringLiteral("mot"))) {
            if (!lignes.contains(m.Haut))
                lignes << m.Haut;
            droiteMax = std::max(droiteMax, m.Droite);
            basMax = std::max(basMax, m.Bas);
            QVERIFY(m.Gauche >= Points(10 + 171.2));
        }
    QVERIFY2(lignes.size() >= 3, qPrintable(QString::number(lignes.size())));
    QVERIFY(droiteMax <= Points(10 + 277.0));
    // Justified: the first line's last word ends at the column's right edge (less the cell's inner space).
    double droitePremiereLigne = 0;
    for (const TMot& m : mots)
        if (m.Texte.startsWith(QStringLiteral("mot")) && m.Haut == lignes.first())
            droitePremiereLigne = std::max(droitePremiereLigne, m.Droite);
    QVERIFY2(droitePremiereLigne > Points(10 + 277.0 - 2.0),
             qPrintable(QString::number(droitePremiereLigne)));

    const QList<TMot> un = MotsNommes(mots, QStringLiteral("admin"));
    const QList<TMot> bob = MotsNommes(mots, QStringLiteral("bob"));
    QCOMPARE(un.size(), 1);
    QCOMPARE(bob.size(), 1);
    QVERIFY2(bob.first().Haut > basMax, "the next row starts below the wrapped description");

    // Every cell of the first row is framed down to the row's bottom: the rule on the left of the
    // "Utilisateur" column is unbroken from the row's top to the next row's top.
    const QString prefixe = Chemin("longue");
    Lancer("pdftoppm", {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-gray"),
                        QStringLiteral("-png"), pdf, prefixe});
    QImage page(prefixe + QStringLiteral("-1.png"));
    QVERIFY(!page.isNull());
    const double pixel = 100.0 / 72.0;
    const int x = qRound(Points(10 + 52.9) * pixel);
    const int haut = qRound(un.first().Haut * pixel) + 2;
    const int bas = qRound(bob.first().Haut * pixel) - 4;
    QVERIFY(bas - haut > 30);
    for (int y = haut; y <= bas; ++y) {
        int plusSombre = 255;
        for (int dx = -2; dx <= 2; ++dx)
            plusSombre = std::min(plusSombre, qGray(page.pixel(x + dx, y)));
        QVERIFY2(plusSombre < 128, qPrintable(QStringLiteral("no rule at y=%1").arg(y)));
    }
}

// Many rows: several pages, the footer with its page number on each, the title section and the headings on
// the first only, every row printed once.
void TestJournalRapport::plusieursPages() {
    TRapportJournal r = RapportSimple();
    const int n = 90;
    for (int i = 1; i <= n; ++i)
        r.Lignes << Ligne(QStringLiteral("u%1").arg(i), QStringLiteral("Entrée numéro E%1.").arg(i));
    const QString pdf = Chemin("pages.pdf");
    const int pages = Dessiner(pdf, r);
    QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
    QCOMPARE(Pages(pdf), pages);
    const QString tout = Texte(pdf);
    for (int i = 1; i <= n; ++i)
        QCOMPARE(tout.count(QStringLiteral("E%1.").arg(i)), 1);
    for (int p = 1; p <= pages; ++p) {
        const QString texte = Texte(pdf, p);
        QVERIFY2(texte.contains(QStringLiteral("Imprimé le 05/01/2026 10:15")), qPrintable(texte));
        QVERIFY(texte.contains(LignePiedJournal));
        const bool premiere = p == 1;
        QCOMPARE(texte.contains(QStringLiteral("Date & Heure")), premiere);
        QCOMPARE(texte.contains(QStringLiteral("REPUBLIQUE DU CAMEROUN")), premiere);
        QCOMPARE(texte.contains(QStringLiteral("PÉRIODE DU")), premiere);
    }
    // The page number stands at the right of the footer, in its box.
    const QList<TMot> mots = Mots(pdf);
    for (int p = 1; p <= pages; ++p) {
        bool trouve = false;
        for (const TMot& m : mots)
            if (m.Page == p && m.Texte == QString::number(p) && m.Gauche >= Points(10 + 176.5) - 1 &&
                m.Droite <= Points(10 + 188.1) + 1 && m.Haut > Points(210 - 10 - 4.2) - 2)
                trouve = true;
        QVERIFY2(trouve, qPrintable(QStringLiteral("page %1 has no number in the footer").arg(p)));
    }
}

// No row: the title section and the footer alone, on one page.
void TestJournalRapport::selectionVide() {
    const QString pdf = Chemin("vide.pdf");
    QCOMPARE(Dessiner(pdf, RapportSimple()), 1);
    QCOMPARE(Pages(pdf), 1);
    const QString texte = Texte(pdf);
    QVERIFY(texte.contains(QStringLiteral("JOURNAL DES OPÉRATIONS")));
    QVERIFY(texte.contains(QStringLiteral("PÉRIODE DU 28/08/2014 AU 29/08/2014")));
    QVERIFY(texte.contains(QStringLiteral("Imprimé le 05/01/2026 10:15")));
    QVERIFY(!texte.contains(QStringLiteral("PC01")));
}

// A description longer than a page goes on over the next pages: no word is lost or printed twice.
void TestJournalRapport::ligneTropHaute() {
    TRapportJournal r = RapportSimple();
    const int n = 1500;
    r.Lignes << Ligne(QStringLiteral("avant"), QStringLiteral("Ligne courte."))
             << Ligne(QStringLiteral("long"), Mille(QStringLiteral("w"), n))
             << Ligne(QStringLiteral("apres"), QStringLiteral("Fin."));
    const QString pdf = Chemin("haute.pdf");
    const int pages = Dessiner(pdf, r);
    QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
    const QList<TMot> mots = Mots(pdf);
    QList<int> vus(n, 0);
    for (const TMot& m : mots) {
        static const QRegularExpression w(QStringLiteral("^w(\\d+)$"));
        const QRegularExpressionMatch c = w.match(m.Texte);
        if (c.hasMatch()) {
            ++vus[c.captured(1).toInt()];
            // Never under the footer's rule.
            QVERIFY2(m.Bas <= Points(210 - 10 - 4.2) + 1, qPrintable(m.Texte));
        }
    }
    for (int i = 0; i < n; ++i)
        QVERIFY2(vus[i] == 1, qPrintable(QStringLiteral("w%1 printed %2 times").arg(i).arg(vus[i])));
    QCOMPARE(MotsNommes(mots, QStringLiteral("apres")).size(), 1);
}

void TestJournalRapport::fichierImpossible() {
    const QString chemin = Chemin("absent/dossier/journal.pdf");
    QString erreur = Erreur([&] { Dessiner(chemin, RapportSimple()); });
    QCOMPARE(erreur,
             QStringLiteral("Impossible de produire le journal : le document ne peut pas être créé."));
}

int main(int argc, char* argv[]) {
    // A French workstation: dates and times in its formats.
    qputenv("LC_ALL", "fr_FR.UTF-8");
    QApplication application(argc, argv);
    TestJournalRapport test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_journal_rapport.moc"
