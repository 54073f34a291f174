// The report of a year's change: its pages drawn into PDF files that poppler's tools read back, and its
// print preview with the save action.
#include "base/KORVENTypesU.h"
#include "core/journal/RapportJournal.h"
#include "core/transition/RapportTransition.h"
#include "gui/wizard/ApercuRapportTransition.h"
#include "support/EnteteAkwa.h"
#include "support/LecturePdf.h"
#include "support/PlateformeScriptee.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace LecturePdf;

Q_DECLARE_METATYPE(TLigneBilan)
Q_DECLARE_METATYPE(TEleveNonPlace)

namespace {

const QString Titre = QStringLiteral("RAPPORT DU CHANGEMENT D'ANNÉE SCOLAIRE");
const QString Pied = QStringLiteral("Solvane - Rapport du changement d'année scolaire");
const QString Impression = QStringLiteral("30/06/2026 14:06");
const QString ErreurDocument =
    QStringLiteral("Impossible de produire le rapport : le document ne peut pas être créé.");

// Page geometry, millimetres from the page's edge: A4 landscape, margins of 10 mm, the footer's rule 4.2 mm
// above the bottom margin.
constexpr double HauteurPage = 210.0;
constexpr double Marge = 10.0;
constexpr double HautRegle = HauteurPage - Marge - 4.2;

TEnteteDocument Entete() {
    TEnteteDocument e;
    e.NomFr = QStringLiteral("Lycée bilingue d'Akwa");
    e.NomEn = QStringLiteral("Akwa Bilingual High School");
    e.DeviseFr = QStringLiteral("Travail - Discipline - Succès");
    e.DeviseEn = QStringLiteral("Work - Discipline - Success");
    e.AdresseFr = QStringLiteral("B.P. 1234 Tél. 699 00 00 00 Douala");
    e.AdresseEn = QStringLiteral("P.O. Box 1234 Phone 699 00 00 00 Douala");
    e.AnneeFr = QStringLiteral("Année scolaire: 2025/2026");
    e.AnneeEn = QStringLiteral("Academic year: 2025/2026");
    QImage logo(60, 60, QImage::Format_RGB32);
    logo.fill(QColor(200, 30, 30));
    e.Logo.Image = TImage(logo);
    return e;
}

TLigneBilan Ligne(int numero, const char* libelle, const char* table, int anciennes, int nouvelles,
                  int nonReportees = 0, const QStringList& exemples = {}) {
    return {numero,  QString::fromUtf8(libelle), QString::fromUtf8(table), anciennes, nouvelles, nonReportees,
            exemples};
}

QStringList Exemples(const QString& prefixe, int n) {
    QStringList exemples;
    for (int i = 1; i <= n; ++i)
        exemples << QStringLiteral("%1%2 — Élément %2 : non reporté").arg(prefixe).arg(i);
    return exemples;
}

// The report of a run: two classes left a room behind, 25 students of 812 were not carried (the first 20
// named), the instalments per student made by the change.
TRapportTransition Rapport() {
    TRapportTransition r;
    r.Entete = Entete();
    r.Utilisateur = QStringLiteral("admin (Administratrice)");
    r.Poste = QStringLiteral("PC01-10.0.0.1");
    r.Debut = QDateTime(QDate(2026, 6, 30), QTime(14, 2, 5));
    r.Fin = QDateTime(QDate(2026, 6, 30), QTime(14, 5, 40));
    r.AncienneAnnee = QStringLiteral("2025/2026");
    r.NouvelleAnnee = QStringLiteral("2026/2027");
    r.DateImpression = Impression;
    r.Bilan.Lignes << Ligne(1, "Configuration", "configuration", 1, 1)
                   << Ligne(2, "Utilisateurs", "utilisateur", 12, 12)
                   << Ligne(3, "Classes", "classe", 40, 38, 2,
                            {QStringLiteral("C9 — Terminale X : salle non reportée"),
                             QStringLiteral("C12 — Première <Z> & Co : salle non reportée")})
                   << Ligne(4, "Élèves", "eleve", 812, 787, 25, Exemples(QStringLiteral("MAT"), 20))
                   << Ligne(5, "Échéances par élève", "echeance_eleve", -1, 1920);
    r.Bilan.ElevesParClasse << qMakePair(QStringLiteral("6e A"), 42) << qMakePair(QStringLiteral("6e B"), 40)
                            << qMakePair(QStringLiteral("Tle C"), 35);
    r.Bilan.NonPlaces << TEleveNonPlace{QStringLiteral("M001"), QStringLiteral("N'Guessan <b>"),
                                        QStringLiteral("Éloïse"), QStringLiteral("3e B"),
                                        QStringLiteral("PE")}
                      << TEleveNonPlace{QStringLiteral("M002"), QStringLiteral("ATANGANA \"le grand\""),
                                        QStringLiteral("Chloé"), QStringLiteral("Tle C"),
                                        QStringLiteral("E")};
    return r;
}

int Dessiner(const QString& chemin, const TRapportTransition& rapport) {
    QPdfWriter pdf(chemin);
    PreparerPageRapportTransition(pdf);
    return DessinerRapportTransition(pdf, rapport);
}

// The index of the first line that contains the text, -1 when none does.
int Indice(const QStringList& lignes, const QString& texte) {
    for (qsizetype i = 0; i < lignes.size(); ++i)
        if (lignes.at(i).contains(texte))
            return static_cast<int>(i);
    return -1;
}

bool EstPied(const TMot& m) {
    return m.Haut > Points(HautRegle) - 1;
}

} // namespace

class TestRapportTransition : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void premierePage();
    void memeEnteteQueLeJournal();
    void logo_data();
    void logo();
    void chiffres_data();
    void chiffres();
    void eleves_data();
    void eleves();
    void aucunElevePlace();
    void blocage_data();
    void blocage();
    void plusieursPages();
    void signatureSurUnePage();
    void titresAvecLeurSuite();
    void fichierImpossible();

    void apercu();
    void enregistrerSous_data();
    void enregistrerSous();

private:
    QTemporaryDir dossier_;
    QString Chemin(const QString& nom) const { return dossier_.filePath(nom); }
};

void TestRapportTransition::initTestCase() {
    // SOLVANE_GARDER_PDF=1 keeps the documents, to look at them.
    if (qEnvironmentVariableIsSet("SOLVANE_GARDER_PDF")) {
        dossier_.setAutoRemove(false);
        qInfo("documents in %s", qPrintable(dossier_.path()));
    }
}

// The first page: the school's header, the title, who ran the change, where, when, and both years; the body
// starts under the title.
void TestRapportTransition::premierePage() {
    const QString pdf = Chemin(QStringLiteral("premiere.pdf"));
    Dessiner(pdf, Rapport());
    const QStringList lignes = Lignes(pdf, 1);
    const QString texte = lignes.join(QLatin1Char('\n'));
    for (const QString& attendu :
         TextesEnteteAkwa() + QStringList{Titre, QStringLiteral("Utilisateur : admin (Administratrice)"),
                                          QStringLiteral("Poste : PC01-10.0.0.1"),
                                          QStringLiteral("Début : 30/06/2026 à 14:02"),
                                          QStringLiteral("Fin : 30/06/2026 à 14:05"),
                                          QStringLiteral("Année scolaire close : 2025/2026"),
                                          QStringLiteral("Nouvelle année scolaire : 2026/2027"), Pied,
                                          QStringLiteral("Imprimé le ") + Impression})
        QVERIFY2(texte.contains(attendu), qPrintable(attendu + QStringLiteral(" not in:\n") + texte));

    // The title is centred on the page, under the header; the body starts under the title.
    const QList<TMot> mots = Mots(pdf);
    const QList<TMot> rapport = MotsNommes(mots, QStringLiteral("RAPPORT"));
    const QList<TMot> scolaire = MotsNommes(mots, QStringLiteral("SCOLAIRE"));
    QCOMPARE(rapport.size(), 1);
    QCOMPARE(scolaire.size(), 1);
    QCOMPARE(rapport.first().Page, 1);
    const double milieu = (rapport.first().Gauche + scolaire.first().Droite) / 2;
    QVERIFY2(qAbs(milieu - Points(Marge + 277.0 / 2)) < 2, qPrintable(QString::number(milieu)));
    QVERIFY(rapport.first().Haut > Points(Marge + 27.0));
    const QList<TMot> utilisateur = MotsNommes(mots, QStringLiteral("Utilisateur"));
    QCOMPARE(utilisateur.size(), 1);
    QVERIFY2(utilisateur.first().Haut > rapport.first().Bas,
             qPrintable(QStringLiteral("%1 %2").arg(utilisateur.first().Haut).arg(rapport.first().Bas)));
}

// The header is the journal report's, word for word and place for place.
void TestRapportTransition::memeEnteteQueLeJournal() {
    TRapportJournal journal;
    journal.Entete = Entete();
    const QString pdfJournal = Chemin(QStringLiteral("journal.pdf"));
    {
        QPdfWriter pdf(pdfJournal);
        PreparerPageRapportJournal(pdf);
        DessinerRapportJournal(pdf, journal);
    }
    const QString pdfRapport = Chemin(QStringLiteral("entete.pdf"));
    Dessiner(pdfRapport, Rapport());
    const auto entete = [](const QString& pdf) {
        QStringList mots;
        for (const TMot& m : Mots(pdf))
            if (m.Page == 1 && m.Bas < Points(Marge + 27.5))
                mots << QStringLiteral("%1 %2 %3 %4 %5")
                            .arg(m.Texte)
                            .arg(m.Gauche, 0, 'f', 1)
                            .arg(m.Haut, 0, 'f', 1)
                            .arg(m.Droite, 0, 'f', 1)
                            .arg(m.Bas, 0, 'f', 1);
        return mots;
    };
    const QStringList attendus = entete(pdfJournal);
    QVERIFY(attendus.size() > 30);
    QCOMPARE(entete(pdfRapport), attendus);
    QCOMPARE(Images(pdfRapport), Images(pdfJournal));
}

// The logo is drawn when it is shown and has a picture.
void TestRapportTransition::logo_data() {
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("image");
    QTest::addColumn<int>("images");
    QTest::newRow("shown") << true << true << 1;
    QTest::newRow("hidden") << false << true << 0;
    QTest::newRow("no picture") << true << false << 0;
}

void TestRapportTransition::logo() {
    QFETCH(bool, visible);
    QFETCH(bool, image);
    TRapportTransition r = Rapport();
    r.Entete.Logo.Visible = visible;
    if (!image)
        r.Entete.Logo.Image.reset();
    const QString pdf = Chemin(QStringLiteral("logo.pdf"));
    Dessiner(pdf, r);
    QTEST(Images(pdf), "images");
}

// A step's row: its label, its table, the rows of the closing year ("—" when it makes its rows), of the new
// year, and those left behind; under it the first rows left behind, 20 at most, and how many more.
void TestRapportTransition::chiffres_data() {
    QTest::addColumn<TLigneBilan>("ligne");
    QTest::addColumn<QString>("rangee");
    QTest::addColumn<QStringList>("details");
    QTest::addColumn<QStringList>("absents");
    QTest::newRow("all carried") << Ligne(7, "Salles", "salle", 30, 30)
                                 << QStringLiteral("Salles salle 30 30 0") << QStringList()
                                 << QStringList{QStringLiteral("... et")};
    QTest::newRow("rows made by the change") << Ligne(27, "Échéances par élève", "echeance_eleve", -1, 1920)
                                             << QStringLiteral("Échéances par élève echeance_eleve — 1920 —")
                                             << QStringList() << QStringList{QStringLiteral("... et")};
    QTest::newRow("every row left behind named")
        << Ligne(12, "Classes", "classe", 40, 38, 2,
                 {QStringLiteral("C9 — Terminale X : salle non reportée"),
                  QStringLiteral("C12 — Première <Z> & Co : salle non reportée")})
        << QStringLiteral("Classes classe 40 38 2")
        << QStringList{QStringLiteral("C9 — Terminale X : salle non reportée"),
                       QStringLiteral("C12 — Première <Z> & Co : salle non reportée")}
        << QStringList{QStringLiteral("... et")};
    QTest::newRow("more left behind than named")
        << Ligne(20, "Élèves", "eleve", 812, 787, 25, Exemples(QStringLiteral("MAT"), 20))
        << QStringLiteral("Élèves eleve 812 787 25")
        << (Exemples(QStringLiteral("MAT"), 20) << QStringLiteral("... et 5 autres")) << QStringList();
    QTest::newRow("more than 20 given: 20 printed")
        << Ligne(20, "Élèves", "eleve", 812, 782, 30, Exemples(QStringLiteral("MAT"), 23))
        << QStringLiteral("Élèves eleve 812 782 30")
        << (Exemples(QStringLiteral("MAT"), 20) << QStringLiteral("... et 10 autres"))
        << QStringList{QStringLiteral("MAT21 "), QStringLiteral("MAT22 "), QStringLiteral("MAT23 ")};
    QTest::newRow("one more than named")
        << Ligne(14, "Matières", "matiere", 9, 7, 3, Exemples(QStringLiteral("MT"), 2))
        << QStringLiteral("Matières matiere 9 7 3")
        << QStringList{QStringLiteral("MT1 — Élément 1 : non reporté"),
                       QStringLiteral("MT2 — Élément 2 : non reporté"), QStringLiteral("... et 1 autre")}
        << QStringList{QStringLiteral("1 autres")};
    QTest::newRow("none named") << Ligne(9, "Personnel", "personnel", 50, 46, 4)
                                << QStringLiteral("Personnel personnel 50 46 4")
                                << QStringList{QStringLiteral("... et 4 autres")} << QStringList();
    QTest::newRow("nothing left behind: no detail")
        << Ligne(9, "Personnel", "personnel", 50, 50, 0, {QStringLiteral("P1 — fantôme")})
        << QStringLiteral("Personnel personnel 50 50 0") << QStringList()
        << QStringList{QStringLiteral("fantôme"), QStringLiteral("... et")};
}

void TestRapportTransition::chiffres() {
    QFETCH(TLigneBilan, ligne);
    QFETCH(QString, rangee);
    QFETCH(QStringList, details);
    QFETCH(QStringList, absents);
    TRapportTransition r = Rapport();
    r.Bilan.Lignes = {Ligne(1, "Configuration", "configuration", 1, 1), ligne,
                      Ligne(30, "Banques", "banque", 3, 3)};
    const QString pdf = Chemin(QStringLiteral("chiffres.pdf"));
    Dessiner(pdf, r);
    const QStringList lignes = Lignes(pdf);
    const QString texte = lignes.join(QLatin1Char('\n'));
    // The headings, the step's row, its details in order, then the next step.
    const int entetes =
        Indice(lignes, QStringLiteral("Éléments Table Année close Nouvelle année Non reportées"));
    QVERIFY2(entetes >= 0, qPrintable(texte));
    QVERIFY(lignes.at(Indice(lignes, QStringLiteral("Configuration configuration"))) ==
            QStringLiteral("Configuration configuration 1 1 0"));
    int precedente = Indice(lignes, rangee);
    QVERIFY2(precedente > entetes, qPrintable(rangee + QStringLiteral(" not in:\n") + texte));
    QCOMPARE(lignes.at(precedente), rangee);
    for (const QString& d : details) {
        const int i = Indice(lignes, d);
        QVERIFY2(i > precedente, qPrintable(d + QStringLiteral(" not in order in:\n") + texte));
        precedente = i;
    }
    QVERIFY2(Indice(lignes, QStringLiteral("Banques banque 3 3 0")) > precedente, qPrintable(texte));
    for (const QString& a : absents)
        QVERIFY2(!texte.contains(a), qPrintable(a + QStringLiteral(" printed:\n") + texte));
}

// The students: the head count of each new class, their total, the count of those with a decision and no
// class, and each of these with the decision written out; names print as typed.
void TestRapportTransition::eleves_data() {
    QTest::addColumn<TEleveNonPlace>("eleve");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("promoted") << TEleveNonPlace{"M010", "BELLO", "Aïssatou", "5e A", "P"}
                              << QStringLiteral("M010 BELLO Aïssatou 5e A Promu");
    QTest::newRow("repeating") << TEleveNonPlace{"M011", "ÉTOUNDI", "Jean-René", "Tle C", "R"}
                               << QStringLiteral("M011 ÉTOUNDI Jean-René Tle C Redoublant");
    QTest::newRow("promoted and excluded, markup in the name")
        << TEleveNonPlace{"M001", "N'Guessan <b>", "Éloïse", "3e B", "PE"}
        << QStringLiteral("M001 N'Guessan <b> Éloïse 3e B Promu et exclu");
    QTest::newRow("excluded, quotes and ampersand")
        << TEleveNonPlace{"M002", "ATANGANA \"le grand\"", "Zoé & Léa", "1re D", "E"}
        << QStringLiteral("M002 ATANGANA \"le grand\" Zoé & Léa 1re D Exclu");
    QTest::newRow("no first name") << TEleveNonPlace{"M003", "MBALLA", "", "4e C", "R"}
                                   << QStringLiteral("M003 MBALLA 4e C Redoublant");
}

void TestRapportTransition::eleves() {
    QFETCH(TEleveNonPlace, eleve);
    QFETCH(QString, attendu);
    TRapportTransition r = Rapport();
    r.Bilan.NonPlaces = {eleve, TEleveNonPlace{"M099", "ZANG", "Paul", "6e A", "P"}};
    const QString pdf = Chemin(QStringLiteral("eleves.pdf"));
    Dessiner(pdf, r);
    const QStringList lignes = Lignes(pdf);
    const QString texte = lignes.join(QLatin1Char('\n'));
    for (const QString& ligne :
         {QStringLiteral("Classe Élèves Classe Élèves Classe Élèves Classe Élèves"),
          QStringLiteral("6e A 42 6e B 40 Tle C 35"), QStringLiteral("Total des élèves placés : 117"),
          QStringLiteral("Élèves avec une décision non placés : 2"),
          QStringLiteral("Matricule Nom et prénom Ancienne classe Décision"), attendu,
          QStringLiteral("M099 ZANG Paul 6e A Promu")})
        QVERIFY2(lignes.contains(ligne), qPrintable(ligne + QStringLiteral(" not a line of:\n") + texte));
    // The students' section follows the tables' figures.
    QVERIFY(Indice(lignes, attendu) > Indice(lignes, QStringLiteral("Échéances par élève")));
}

// "Elèves" unticked: no class holds a student, every student with a decision is listed.
void TestRapportTransition::aucunElevePlace() {
    TRapportTransition r = Rapport();
    r.Bilan.ElevesParClasse.clear();
    const QString pdf = Chemin(QStringLiteral("aucun.pdf"));
    Dessiner(pdf, r);
    const QStringList lignes = Lignes(pdf);
    const QString texte = lignes.join(QLatin1Char('\n'));
    QVERIFY2(lignes.contains(QStringLiteral("Aucun élève n'est placé dans une classe de la nouvelle année.")),
             qPrintable(texte));
    QVERIFY(lignes.contains(QStringLiteral("Total des élèves placés : 0")));
    QVERIFY(lignes.contains(QStringLiteral("Élèves avec une décision non placés : 2")));
    QVERIFY(!texte.contains(QStringLiteral("Classe Élèves")));
    QVERIFY(lignes.contains(QStringLiteral("M001 N'Guessan <b> Éloïse 3e B Promu et exclu")));
}

// What stops the change is printed, every line of it, before the figures; nothing when nothing does.
void TestRapportTransition::blocage_data() {
    QTest::addColumn<QString>("blocage");
    QTest::addColumn<QStringList>("attendus");
    QTest::newRow("nothing stops it") << QString() << QStringList();
    QTest::newRow("two lines")
        << QStringLiteral("La base bd_2026_2027 n'a pas de table classe.\r\nRien n'a été modifié.")
        << QStringList{QStringLiteral("La base bd_2026_2027 n'a pas de table classe."),
                       QStringLiteral("Rien n'a été modifié.")};
    QTest::newRow("markup") << QStringLiteral("Classe <i>Tle C</i> & 6e A absentes.\nRien n'a été modifié.")
                            << QStringList{QStringLiteral("Classe <i>Tle C</i> & 6e A absentes."),
                                           QStringLiteral("Rien n'a été modifié.")};
}

void TestRapportTransition::blocage() {
    QFETCH(QString, blocage);
    QFETCH(QStringList, attendus);
    TRapportTransition r = Rapport();
    r.Bilan.Blocage = blocage;
    const QString pdf = Chemin(QStringLiteral("blocage.pdf"));
    Dessiner(pdf, r);
    const QStringList lignes = Lignes(pdf);
    const QString texte = lignes.join(QLatin1Char('\n'));
    const int alerte = Indice(lignes, QStringLiteral("ATTENTION : LE CHANGEMENT D'ANNÉE EST BLOQUÉ"));
    QCOMPARE(alerte >= 0, !attendus.isEmpty());
    int precedente = alerte;
    for (const QString& a : attendus) {
        const int i = lignes.indexOf(a);
        QVERIFY2(i > precedente, qPrintable(a + QStringLiteral(" not in order in:\n") + texte));
        precedente = i;
    }
    QVERIFY(Indice(lignes, QStringLiteral("Configuration configuration 1 1 0")) > precedente);
}

// A long list: several pages, each with its footer and number, the header on the first only, the list's
// headings on every page that holds students, every student once, nothing printed over the footer, the place
// to sign at the end.
void TestRapportTransition::plusieursPages() {
    TRapportTransition r = Rapport();
    const int n = 300;
    r.Bilan.NonPlaces.clear();
    for (int i = 1; i <= n; ++i)
        r.Bilan.NonPlaces << TEleveNonPlace{QStringLiteral("X%1").arg(i, 4, 10, QLatin1Char('0')),
                                            QStringLiteral("NOM%1").arg(i), QStringLiteral("Prénom"),
                                            QStringLiteral("6e A"), QStringLiteral("R")};
    const QString pdf = Chemin(QStringLiteral("pages.pdf"));
    const int pages = Dessiner(pdf, r);
    QVERIFY2(pages >= 4, qPrintable(QString::number(pages)));
    QCOMPARE(Pages(pdf), pages);

    const QList<TMot> mots = Mots(pdf);
    QList<int> vus(n + 1, 0);
    QList<int> pagesDesEleves;
    static const QRegularExpression matricule(QStringLiteral("^X(\\d{4})$"));
    for (const TMot& m : mots) {
        const QRegularExpressionMatch c = matricule.match(m.Texte);
        if (c.hasMatch()) {
            ++vus[c.captured(1).toInt()];
            if (!pagesDesEleves.contains(m.Page))
                pagesDesEleves << m.Page;
        }
        if (!EstPied(m))
            continue;
        // Under the footer's rule only the footer.
        static const QStringList pied =
            (Pied + QStringLiteral(" Imprimé le ") + Impression + QStringLiteral(" /"))
                .split(QLatin1Char(' '));
        QVERIFY2(pied.contains(m.Texte) || m.Texte.toInt() > 0,
                 qPrintable(QStringLiteral("%1 over the footer of page %2").arg(m.Texte).arg(m.Page)));
    }
    for (int i = 1; i <= n; ++i)
        QVERIFY2(vus[i] == 1, qPrintable(QStringLiteral("X%1 printed %2 times").arg(i).arg(vus[i])));
    QVERIFY(pagesDesEleves.size() >= 3);

    for (int p = 1; p <= pages; ++p) {
        const QStringList lignes = Lignes(pdf, p);
        const QString texte = lignes.join(QLatin1Char('\n'));
        QVERIFY2(texte.contains(Pied + QStringLiteral(" Imprimé le ") + Impression), qPrintable(texte));
        QCOMPARE(texte.contains(QStringLiteral("REPUBLIQUE DU CAMEROUN")), p == 1);
        QCOMPARE(texte.contains(Titre), p == 1);
        if (pagesDesEleves.contains(p))
            QVERIFY2(lignes.contains(QStringLiteral("Matricule Nom et prénom Ancienne classe Décision")),
                     qPrintable(texte));
        // The number, "page / pages", at the right of the footer, in its box.
        const QRegularExpression numero(QStringLiteral("\\b%1 ?/ ?%2$").arg(p).arg(pages));
        QVERIFY2(numero.match(lignes.last()).hasMatch(), qPrintable(lignes.last()));
        bool place = false;
        for (const TMot& m : mots)
            if (m.Page == p && m.Texte == QString::number(pages) && EstPied(m) &&
                qAbs(m.Droite - Points(Marge + 188.1)) < 2)
                place = true;
        QVERIFY2(place, qPrintable(QStringLiteral("page %1: no number at the footer's right").arg(p)));
    }
    QVERIFY(Texte(pdf, pages).contains(QStringLiteral("Signature du chef d'établissement")));
}

// Whatever the length of the list, "Fait à" and the signature's line stand on one page, with room to sign
// under them before the footer.
void TestRapportTransition::signatureSurUnePage() {
    TRapportTransition r = Rapport();
    r.Bilan.NonPlaces.clear();
    QSet<int> pagesVues;
    for (int n = 0; n < 40; ++n) {
        if (n > 0)
            r.Bilan.NonPlaces << TEleveNonPlace{QStringLiteral("Y%1").arg(n), QStringLiteral("NOM"),
                                                QStringLiteral("Prénom"), QStringLiteral("6e A"),
                                                QStringLiteral("P")};
        const QString pdf = Chemin(QStringLiteral("signature.pdf"));
        const int pages = Dessiner(pdf, r);
        pagesVues << pages;
        const QList<TMot> mots = Mots(pdf);
        const QList<TMot> fait = MotsNommes(mots, QStringLiteral("Fait"));
        const QList<TMot> chef = MotsNommes(mots, QStringLiteral("chef"));
        QCOMPARE(fait.size(), 1);
        QCOMPARE(chef.size(), 1);
        const QString cas = QStringLiteral("%1 students: ").arg(n);
        QVERIFY2(fait.first().Page == chef.first().Page,
                 qPrintable(cas +
                            QStringLiteral("pages %1 and %2").arg(fait.first().Page).arg(chef.first().Page)));
        QVERIFY2(chef.first().Page == pages, qPrintable(cas + QStringLiteral("not on the last page")));
        QVERIFY2(Points(HautRegle) - chef.first().Bas > Points(24),
                 qPrintable(cas + QStringLiteral("%1 pt to sign").arg(Points(HautRegle) - chef.first().Bas)));
    }
    // The lengths tried moved the signature to the next page.
    QVERIFY2(pagesVues.size() >= 2, qPrintable(QString::number(pagesVues.size())));
}

// Whatever the length of what comes before, a section's title stands on the page of the first row under it.
void TestRapportTransition::titresAvecLeurSuite() {
    TRapportTransition base = Rapport();
    base.Bilan.ElevesParClasse.clear();
    base.Bilan.ElevesParClasse << qMakePair(QStringLiteral("KLASSE1"), 30)
                               << qMakePair(QStringLiteral("KLASSE2"), 31);
    // Each title and a text of the first row under it.
    const QList<QPair<QString, QString>> sections = {
        {QStringLiteral("Données reportées dans la nouvelle année"), QStringLiteral("Configuration")},
        {QStringLiteral("Élèves"), QStringLiteral("KLASSE1")},
        {QStringLiteral("Élèves avec une décision non placés"), QStringLiteral("M001")}};
    QSet<int> pagesVues;
    for (int n = 0; n < 40; ++n) {
        TRapportTransition r = base;
        // Longer identification lines push the first section down, more steps the later ones.
        r.Utilisateur = QStringLiteral("admin ") + QStringLiteral("(Administratrice) ").repeated(n % 4 * 6);
        for (int i = 0; i < n; ++i)
            r.Bilan.Lignes << Ligne(10 + i, "Étape", "table", 5, 5);
        const QString pdf = Chemin(QStringLiteral("titres.pdf"));
        const int pages = Dessiner(pdf, r);
        pagesVues << pages;
        QHash<QString, int> pageDe;
        for (int p = 1; p <= pages; ++p)
            for (const QString& ligne : Lignes(pdf, p))
                for (const auto& [titre, premier] : sections) {
                    if (ligne == titre && !pageDe.contains(titre))
                        pageDe.insert(titre, p);
                    if (ligne.startsWith(premier + QLatin1Char(' ')) && !pageDe.contains(premier))
                        pageDe.insert(premier, p);
                }
        for (const auto& [titre, premier] : sections) {
            const QString cas = QStringLiteral("%1 more steps, %2: ").arg(n).arg(titre);
            QVERIFY2(pageDe.contains(titre) && pageDe.contains(premier), qPrintable(cas + "not found"));
            QVERIFY2(pageDe.value(titre) == pageDe.value(premier),
                     qPrintable(cas + QStringLiteral("title on page %1, first row on page %2")
                                          .arg(pageDe.value(titre))
                                          .arg(pageDe.value(premier))));
        }
    }
    QVERIFY2(pagesVues.size() >= 2, qPrintable(QString::number(pagesVues.size())));
}

void TestRapportTransition::fichierImpossible() {
    QString erreur;
    try {
        Dessiner(Chemin(QStringLiteral("absent/dossier/rapport.pdf")), Rapport());
    } catch (const EKorven& e) {
        erreur = e.Message();
    }
    QCOMPARE(erreur, ErreurDocument);
}

// The preview: modal, maximised, with the document's title and landscape pages drawn from the report; its
// save action proposes the new year's file name and writes the PDF file, ".pdf" added.
void TestRapportTransition::apercu() {
    PlateformeScriptee plateforme;
    QWidget fenetre;
    TApercuRapportTransition rapport(Rapport());
    rapport.Rapport.DateImpression.clear();
    QString proposition;
    const QString choisi = Chemin(QStringLiteral("depuis-apercu"));
    rapport.ChoisirFichier = [&](QWidget*, const QString& p) {
        proposition = p;
        return choisi;
    };
    bool vu = false, modal = false, maximise = false, paysage = false, memeApercu = false;
    QString titre;
    int pagesApercu = 0;
    QTimer::singleShot(0, this, [&] {
        auto* apercu = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (apercu == nullptr)
            return;
        vu = true;
        modal = apercu->isModal();
        maximise = apercu->windowState() & Qt::WindowMaximized;
        titre = apercu->windowTitle();
        paysage = apercu->printer()->pageLayout().orientation() == QPageLayout::Landscape;
        memeApercu = rapport.Apercu() == apercu;
        if (auto* pages = apercu->findChild<QPrintPreviewWidget*>())
            pagesApercu = pages->pageCount();
        if (QAction* enregistrer = apercu->findChild<QAction*>(QStringLiteral("ActionEnregistrerPdf")))
            enregistrer->trigger();
        apercu->reject();
    });
    rapport.Previsualiser(&fenetre);
    QVERIFY(vu);
    QVERIFY(modal);
    QVERIFY(maximise);
    QVERIFY(paysage);
    QVERIFY(memeApercu);
    QCOMPARE(titre, QStringLiteral("Rapport du changement d'année scolaire"));
    QVERIFY2(pagesApercu >= 1, qPrintable(QString::number(pagesApercu)));
    QVERIFY(rapport.Apercu() == nullptr);
    QCOMPARE(proposition, QStringLiteral("rapport-2026-2027.pdf"));
    QVERIFY2(plateforme.Evenements.isEmpty(), qPrintable(plateforme.Evenements.join(QLatin1Char('\n'))));

    const QString pdf = choisi + QStringLiteral(".pdf");
    QVERIFY(QFileInfo::exists(pdf));
    QCOMPARE(Pages(pdf), pagesApercu);
    QVERIFY(!rapport.Rapport.DateImpression.isEmpty());
    const QString texte = Lignes(pdf).join(QLatin1Char('\n'));
    QVERIFY(texte.contains(Titre));
    QVERIFY(texte.contains(QStringLiteral("Imprimé le ") + rapport.Rapport.DateImpression));
    QVERIFY(texte.contains(QStringLiteral("M001 N'Guessan <b> Éloïse 3e B Promu et exclu")));
}

// The save action: nothing when the user gives up, ".pdf" added to a name without suffix, an error shown in
// the error box and never raised.
void TestRapportTransition::enregistrerSous_data() {
    QTest::addColumn<QString>("annee");
    QTest::addColumn<QString>("choix");
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QStringList>("evenements");
    QTest::newRow("given up") << QStringLiteral("2026/2027") << QString() << QString() << QStringList();
    QTest::newRow("no suffix") << QStringLiteral("2026/2027") << QStringLiteral("a")
                               << QStringLiteral("a.pdf") << QStringList();
    QTest::newRow("its suffix") << QStringLiteral("2026/2027") << QStringLiteral("b.pdf")
                                << QStringLiteral("b.pdf") << QStringList();
    QTest::newRow("no new year: a plain name")
        << QString() << QStringLiteral("c") << QStringLiteral("c.pdf") << QStringList();
    QTest::newRow("folder missing") << QStringLiteral("2026/2027") << QStringLiteral("absent/d") << QString()
                                    << QStringList{QStringLiteral("Erreur: Une erreur est survenue : \r\n") +
                                                   ErreurDocument};
}

void TestRapportTransition::enregistrerSous() {
    QFETCH(QString, annee);
    QFETCH(QString, choix);
    QFETCH(QString, fichier);
    PlateformeScriptee plateforme;
    QTemporaryDir dossier;
    TRapportTransition r = Rapport();
    r.NouvelleAnnee = annee;
    TApercuRapportTransition rapport(r);
    QString proposition;
    rapport.ChoisirFichier = [&](QWidget*, const QString& p) {
        proposition = p;
        return choix.isEmpty() ? QString() : dossier.filePath(choix);
    };
    rapport.EnregistrerSous(nullptr);
    QCOMPARE(proposition,
             annee.isEmpty() ? QStringLiteral("rapport.pdf") : QStringLiteral("rapport-2026-2027.pdf"));
    QTEST(plateforme.Evenements, "evenements");
    QStringList ecrits = QDir(dossier.path()).entryList(QDir::Files);
    QCOMPARE(ecrits, fichier.isEmpty() ? QStringList() : QStringList{fichier});
    if (!fichier.isEmpty())
        QVERIFY(Texte(dossier.filePath(fichier)).contains(Titre));
}

int main(int argc, char* argv[]) {
    // A French workstation: dates and times in its formats.
    qputenv("LC_ALL", "fr_FR.UTF-8");
    QApplication application(argc, argv);
    TestRapportTransition test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_rapport_transition.moc"
