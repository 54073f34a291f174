// The journal window against the real server: opening it for a year, its filters, sorting by its titles,
// the description of the current row, a failing selection, and the report it previews.
#include "core/data/OBDataModuleU.h"
#include "core/journal/ModeleJournal.h"
#include "core/model/UniteCUtilisateur.h"
#include "gui/journal/JournalU.h"
#include "gui/journal/UniteImprimeJournal.h"
#include "support/Basculer.h"
#include "support/EnvironnementModele.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

namespace {

const QString Annee = QStringLiteral("2025/2026");
const QString Base = QStringLiteral("bd_2025_2026");

// Four accounts (one disabled) and five entries: four in the server's current month, on its first two days,
// one on the last day of the month before.
const char* const Comptes =
    "INSERT INTO utilisateur (login, pass, etat, nom, is_enseignant) VALUES "
    "('admin', 'x', '1', 'Alice Admin', '0'), ('secretaire', 'x', '1', 'Sophie "
    "Secrétaire', '0'), ('bob', 'x', '1', 'Bob Martin', '0'), ('ancien', 'x', '0', 'Zoé "
    "Ancienne', '0')";
const char* const Entrees =
    "INSERT INTO journal (numero, utilisateur, libelle, poste, operation, domaine, date, heure) VALUES "
    "(1, 'admin', 'Connexion réussie de admin', 'PC01-10.0.0.1', 'Connexion', 'Administration de la Base de "
    "donnees', DATE_FORMAT(CURDATE(), '%Y-%m-01'), '08:00'),"
    "(2, 'secretaire', 'Ajout de l''élève Éloïse', 'PC02-10.0.0.2', 'Ajout', 'Gestion des eleves', "
    "DATE_FORMAT(CURDATE(), '%Y-%m-01'), '09:30'),"
    "(3, 'bob', 'Versement enregistré', 'PC03-10.0.0.3', 'Ajout', 'Gestion des versements', "
    "DATE_FORMAT(CURDATE(), '%Y-%m-02'), '07:15'),"
    "(4, 'admin', 'Modification des notes', 'PC01-10.0.0.1', 'Modification', 'Gestion des notes', "
    "DATE_FORMAT(CURDATE(), '%Y-%m-02'), '18:00'),"
    "(5, 'ancien', 'Connexion refusée', 'PC04-10.0.0.4', 'Connexion', 'Administration de la Base de "
    "donnees', "
    "DATE_FORMAT(CURDATE(), '%Y-%m-01') - INTERVAL 1 DAY, '10:00')";

// Descriptions of the entries, by number.
const QStringList Libelles{QString(),
                           QStringLiteral("Connexion réussie de admin"),
                           QStringLiteral("Ajout de l'élève Éloïse"),
                           QStringLiteral("Versement enregistré"),
                           QStringLiteral("Modification des notes"),
                           QStringLiteral("Connexion refusée")};

QStringList Libelles_(std::initializer_list<int> numeros) {
    QStringList textes;
    for (int n : numeros)
        textes << Libelles.at(n);
    return textes;
}

using Action = std::function<void(TJournal&)>;

QDate PremierDuMois() {
    const QDate jour = QDate::currentDate();
    return QDate(jour.year(), jour.month(), 1);
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestJournalFenetre : public QObject, public EnvironnementModele {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void fenetre();
    void ouverturePourAnnee();
    void ouvertureImpossible();
    void filtres_data();
    void filtres();
    void contenantEnCapitales();
    void memoDeLaLigneCourante();
    void triParTitres();
    void erreurDuServeur();
    void defilement();
    void suiteEnEchec();
    void impression();
    void impressionSelectionVide();
    void impressionSansAnnee();

private:
    TJournal* journal_ = nullptr;
    // The descriptions of the rows the grid holds, in its order.
    QStringList LibellesGrille() const;
    QStringList Colonne(int colonne) const;
    // The selections the list has read since the window was made.
    int RequetesListe() const;
    // Prepares the window for the year and shows it without waiting.
    void Montrer();
    // 700 entries of the user "masse", on the 3rd of the current month, a minute apart.
    void AjouterEntreesEnMasse();
};

void TestJournalFenetre::initTestCase() {
    Ouvrir();
    base_->Executer(QString::fromUtf8(Comptes), Base);
    base_->Executer(QString::fromUtf8(Entrees), Base);
    base_->Executer(
        QStringLiteral("INSERT INTO configuration (id, nom_fr) VALUES (1, 'Lycée bilingue d''Akwa')"), Base);
    base_->Executer(QStringLiteral("INSERT INTO parametres (nom, valeur_text, type_param) VALUES "
                                   "('KORVEN_SCHOOL_NAME_EN', 'Akwa Bilingual High School', 'TX'),"
                                   "('KORVEN_SCHOOL_CITY', 'Douala', 'TX')"),
                    Base);
}

void TestJournalFenetre::cleanupTestCase() {
    Fermer();
}

void TestJournalFenetre::init() {
    journal_ = new TJournal;
    requetes_.clear();
    plateforme_->Vider();
}

void TestJournalFenetre::cleanup() {
    delete journal_;
    journal_ = nullptr;
}

QStringList TestJournalFenetre::LibellesGrille() const {
    QStringList textes;
    for (int i = 0; i < journal_->ClientDataSet1->rowCount(); ++i)
        textes << journal_->ClientDataSet1->Entree(i).Libelle;
    return textes;
}

QStringList TestJournalFenetre::Colonne(int colonne) const {
    QStringList textes;
    const QAbstractItemModel* modele = journal_->DBGrid1->model();
    for (int i = 0; i < modele->rowCount(); ++i)
        textes << modele->data(modele->index(i, colonne)).toString();
    return textes;
}

int TestJournalFenetre::RequetesListe() const {
    return journal_->ClientDataSet1->Selections();
}

void TestJournalFenetre::AjouterEntreesEnMasse() {
    base_->Executer(
        QStringLiteral("INSERT INTO journal (utilisateur, libelle, poste, operation, domaine, date, "
                       "heure) SELECT 'masse', CONCAT('Entrée ', seq), 'PC09', 'Ajout', 'Gestion des "
                       "eleves', DATE_FORMAT(CURDATE(), '%Y-%m-03'), SEC_TO_TIME(seq * 60) FROM "
                       "seq_1_to_700"),
        Base);
}

void TestJournalFenetre::Montrer() {
    QVERIFY(journal_->PreparerPourAnnee(Annee));
    journal_->show();
    QVERIFY(QTest::qWaitForWindowExposed(journal_));
}

// The window as made at start-up: its caption, size and controls, the lists' first items with nothing
// selected.
void TestJournalFenetre::fenetre() {
    QCOMPARE(journal_->objectName(), QStringLiteral("Journal"));
    QCOMPARE(journal_->windowTitle(), QStringLiteral("Journal"));
    QCOMPARE(journal_->size(), QSize(1007, 689));
    QCOMPARE(journal_->minimumSize(), journal_->maximumSize());
    QVERIFY(journal_->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(journal_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!journal_->isVisible());

    QCOMPARE(journal_->ComboBoxOperation->currentIndex(), -1);
    QCOMPARE(journal_->ComboBoxOperation->itemText(0), QStringLiteral("Tous les types"));
    QCOMPARE(journal_->ComboBoxOperation->itemText(2), QStringLiteral("Deconnexion"));
    QCOMPARE(journal_->ComboBoxOperation->count(), 6);
    QCOMPARE(journal_->ComboBoxDomaine->currentIndex(), -1);
    QCOMPARE(journal_->ComboBoxDomaine->itemText(1), QStringLiteral("Géneral"));
    QCOMPARE(journal_->ComboBoxDomaine->count(), 10);
    QCOMPARE(journal_->ComboBoxUtilisateur->count(), 0);

    QStringList groupes;
    for (const QGroupBox* g : journal_->findChildren<QGroupBox*>())
        groupes << g->title();
    for (const char* titre : {"Utilisateur", "Domaine", "Type d'opération", "Date", "Heure"})
        QVERIFY2(groupes.contains(QString::fromUtf8(titre)), titre);
    QCOMPARE(journal_->BitBtnImprimer->text(), QStringLiteral("&Imprimer"));
    QCOMPARE(journal_->BitBtn4->text(), QStringLiteral("&Fermer"));
    QStringList titres;
    for (int i = 0; i < journal_->DBGrid1->model()->columnCount(); ++i)
        titres << journal_->DBGrid1->model()->headerData(i, Qt::Horizontal).toString();
    QCOMPARE(titres, (QStringList{"Utilisateur", "Date", "Heure", "Machine", "Domaine", "Opération"}));
    QCOMPARE(journal_->DBGrid1->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(journal_->DBGrid1->horizontalHeader()->sectionsClickable());
    QCOMPARE(journal_->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(journal_->Trich.isEmpty());
    QVERIFY(journal_->Trisens.isEmpty());
    // Nothing was read from the server to make it.
    QCOMPARE(requetes_.size(), 0);
}

// Opening for a year: modal, every user of the year after "Tout", both vocabularies, the server's current
// month, the entries of that month newest first, the first one's description; "&Fermer" closes it.
void TestJournalFenetre::ouverturePourAnnee() {
    bool modale = false;
    QStringList utilisateurs, operations, domaines, libelles, colonneUtilisateur, colonneDate;
    QDate debut, fin;
    QString memo, annee;
    int indexUtilisateur = -2, requetes = -1;
    QTimer::singleShot(0, this, [&] {
        modale =
            journal_->isVisible() && journal_->isModal() && QApplication::activeModalWidget() == journal_;
        for (int i = 0; i < journal_->ComboBoxUtilisateur->count(); ++i)
            utilisateurs << journal_->ComboBoxUtilisateur->itemText(i);
        indexUtilisateur = journal_->ComboBoxUtilisateur->currentIndex();
        operations << journal_->ComboBoxOperation->currentText() << journal_->ComboBoxOperation->itemText(6);
        domaines << journal_->ComboBoxDomaine->currentText() << journal_->ComboBoxDomaine->itemText(10);
        debut = journal_->DateTimePickerDateDebut->date();
        fin = journal_->DateTimePicker2->date();
        libelles = LibellesGrille();
        colonneUtilisateur = Colonne(0);
        colonneDate = Colonne(1);
        memo = journal_->Memo1->toPlainText();
        annee = journal_->AnneeScolaire;
        requetes = RequetesListe();
        QTest::mouseClick(journal_->BitBtn4, Qt::LeftButton);
    });
    journal_->OuvrirPourAnnee(Annee);
    QVERIFY(modale);
    QVERIFY(!journal_->isVisible());
    QCOMPARE(utilisateurs,
             (QStringList{"Tout", "Alice Admin", "Bob Martin", "Sophie Secrétaire", "Zoé Ancienne"}));
    QCOMPARE(indexUtilisateur, 0);
    QCOMPARE(operations, (QStringList{"(Toutes les opérations)", "Connexion"}));
    QCOMPARE(domaines, (QStringList{"(Tous les domaines)", "Gestion des SMS"}));
    QCOMPARE(debut, PremierDuMois());
    QCOMPARE(fin, PremierDuMois().addMonths(1).addDays(-1));
    QCOMPARE(annee, Annee);
    QCOMPARE(libelles, Libelles_({4, 3, 2, 1}));
    QCOMPARE(colonneUtilisateur, (QStringList{"admin", "bob", "secretaire", "admin"}));
    QCOMPARE(colonneDate.first(), QLocale().toString(PremierDuMois().addDays(1), QLocale::ShortFormat));
    QCOMPARE(memo, Libelles.at(4));
    // Filling the lists and the dates did not run the selection: it ran once.
    QCOMPARE(requetes, 1);
    QVERIFY(plateforme_->Evenements.isEmpty());

    // Opened again: the user list is not doubled.
    QTimer::singleShot(0, this, [&] {
        indexUtilisateur = journal_->ComboBoxUtilisateur->count();
        journal_->reject();
    });
    journal_->OuvrirPourAnnee(Annee);
    QCOMPARE(indexUtilisateur, 5);
}

// Without a year, or without the server's clock, the error is shown and the window does not open.
void TestJournalFenetre::ouvertureImpossible() {
    journal_->OuvrirPourAnnee(QStringLiteral(" "));
    QVERIFY(!journal_->isVisible());
    QCOMPARE(
        plateforme_->Messages(),
        QStringList{QStringLiteral("Une erreur est survenue : \r\nVous devez passer l'annéée scolaire.")});

    plateforme_->Vider();
    module_->OBOrbelanSQLConnection->Params = {QStringLiteral("HostName=127.0.0.1"), QStringLiteral("Port=1"),
                                               QStringLiteral("User_Name=x")};
    module_->OBOrbelanSQLConnection->Close();
    journal_->OuvrirPourAnnee(Annee);
    ServeurDeTest::Configurer(module_->OBOrbelanSQLConnection, QStringLiteral("korven"));
    QVERIFY(!journal_->isVisible());
    QCOMPARE(plateforme_->Messages().size(), 1);
    QVERIFY(plateforme_->Messages().first().startsWith(QStringLiteral("Une erreur est survenue : \r\n")));
}

// Each filter control, as the user changes it, runs the selection again.
void TestJournalFenetre::filtres_data() {
    QTest::addColumn<Action>("action");
    QTest::addColumn<QStringList>("attendus");
    QTest::newRow("one user (his login in any case)")
        << Action([](TJournal& j) { j.ComboBoxUtilisateur->setCurrentIndex(1); }) << Libelles_({4, 1});
    QTest::newRow("a user without entries this month")
        << Action([](TJournal& j) { j.ComboBoxUtilisateur->setCurrentIndex(4); }) << QStringList();
    QTest::newRow("back to every user") << Action([](TJournal& j) {
        j.ComboBoxUtilisateur->setCurrentIndex(1);
        j.ComboBoxUtilisateur->setCurrentIndex(0);
    }) << Libelles_({4, 3, 2, 1});
    QTest::newRow("operation") << Action([](TJournal& j) { j.ComboBoxOperation->setCurrentIndex(1); })
                               << Libelles_({3, 2});
    QTest::newRow("domain") << Action([](TJournal& j) { j.ComboBoxDomaine->setCurrentIndex(2); })
                            << Libelles_({2});
    QTest::newRow("start date a day earlier")
        << Action([](TJournal& j) { j.DateTimePickerDateDebut->setDate(PremierDuMois().addDays(-1)); })
        << Libelles_({4, 3, 2, 1, 5});
    QTest::newRow("end date before the start date") << Action([](TJournal& j) {
        j.DateTimePickerDateDebut->setDate(PremierDuMois().addDays(1));
        j.DateTimePicker2->setDate(PremierDuMois());
    }) << QStringList();
    QTest::newRow("time range ticked") << Action([](TJournal& j) {
        j.DateTimePicker3->setTime(QTime(8, 0));
        j.DateTimePicker4->setTime(QTime(10, 0));
        QTest::mouseClick(j.CheckBox5, Qt::LeftButton);
    }) << Libelles_({2, 1});
    // The range follows the box's state, whoever turns it over: a screen reader toggles it without a click.
    for (const auto& [nom, geste] :
         {std::pair{"keyboard", Geste::Clavier}, std::pair{"program", Geste::Programme},
          std::pair{"screen reader", Geste::LecteurDEcran}}) {
        QTest::addRow("time range ticked (%s)", nom) << Action([geste = geste](TJournal& j) {
            j.DateTimePicker3->setTime(QTime(8, 0));
            j.DateTimePicker4->setTime(QTime(10, 0));
            Basculer(j.CheckBox5, geste);
            QVERIFY(j.DateTimePicker3->isEnabled() && j.DateTimePicker4->isEnabled());
        }) << Libelles_({2, 1});
        QTest::addRow("time range unticked again (%s)", nom) << Action([geste = geste](TJournal& j) {
            j.DateTimePicker3->setTime(QTime(7, 0));
            j.DateTimePicker4->setTime(QTime(8, 0));
            Basculer(j.CheckBox5, geste);
            Basculer(j.CheckBox5, geste);
            QVERIFY(!j.DateTimePicker3->isEnabled() && !j.DateTimePicker4->isEnabled());
        }) << Libelles_({4, 3, 2, 1});
    }
    QTest::newRow("time range changed while ticked") << Action([](TJournal& j) {
        QTest::mouseClick(j.CheckBox5, Qt::LeftButton);
        j.DateTimePicker3->setTime(QTime(7, 0));
        j.DateTimePicker4->setTime(QTime(8, 0));
    }) << Libelles_({3, 1});
    QTest::newRow("time range unticked again") << Action([](TJournal& j) {
        j.DateTimePicker3->setTime(QTime(7, 0));
        j.DateTimePicker4->setTime(QTime(8, 0));
        QTest::mouseClick(j.CheckBox5, Qt::LeftButton);
        QTest::mouseClick(j.CheckBox5, Qt::LeftButton);
    }) << Libelles_({4, 3, 2, 1});
    QTest::newRow("contained text") << Action([](TJournal& j) {
        QTest::keyClicks(j.EditContenant, QStringLiteral("connexion"));
    }) << Libelles_({1});
    QTest::newRow("every filter together") << Action([](TJournal& j) {
        j.ComboBoxUtilisateur->setCurrentIndex(3);
        j.ComboBoxOperation->setCurrentIndex(1);
        j.ComboBoxDomaine->setCurrentIndex(2);
        QTest::mouseClick(j.CheckBox5, Qt::LeftButton);
        j.DateTimePicker3->setTime(QTime(9, 0));
        j.DateTimePicker4->setTime(QTime(10, 0));
        QTest::keyClicks(j.EditContenant, QStringLiteral("ajout"));
    }) << Libelles_({2});
}

void TestJournalFenetre::filtres() {
    QFETCH(Action, action);
    QFETCH(QStringList, attendus);
    Montrer();
    action(*journal_);
    QCOMPARE(LibellesGrille(), attendus);
    QCOMPARE(journal_->Memo1->toPlainText(), attendus.value(0));
    QVERIFY2(plateforme_->Evenements.isEmpty(), qPrintable(plateforme_->Evenements.join(QLatin1Char('\n'))));
}

// Typed text is shown and read in capitals, accented letters too; it still meets descriptions in any case.
void TestJournalFenetre::contenantEnCapitales() {
    Montrer();
    QTest::keyClicks(journal_->EditContenant, QStringLiteral("l'"));
    for (const QChar c : QStringLiteral("élève"))
        QTest::sendKeyEvent(QTest::KeyAction::Click, journal_->EditContenant, Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
    QCOMPARE(journal_->EditContenant->text(), QStringLiteral("L'ÉLÈVE"));
    QCOMPARE(journal_->FiltreCourant().Contenant, QStringLiteral("L'ÉLÈVE"));
    QCOMPARE(LibellesGrille(), Libelles_({2}));
    journal_->EditContenant->clear();
    QCOMPARE(LibellesGrille(), Libelles_({4, 3, 2, 1}));
}

// The memo follows the current row: a click, the keyboard, a selection without rows.
void TestJournalFenetre::memoDeLaLigneCourante() {
    Montrer();
    QCOMPARE(journal_->Memo1->toPlainText(), Libelles.at(4));
    QTableView* grille = journal_->DBGrid1;
    QTest::mouseClick(grille->viewport(), Qt::LeftButton, {},
                      grille->visualRect(grille->model()->index(2, 3)).center());
    QCOMPARE(grille->currentIndex().row(), 2);
    QCOMPARE(journal_->Memo1->toPlainText(), Libelles.at(2));
    // The whole row is selected.
    QCOMPARE(grille->selectionModel()->selectedIndexes().size(), 6);
    QTest::keyClick(grille, Qt::Key_Down);
    QCOMPARE(journal_->Memo1->toPlainText(), Libelles.at(1));
    QTest::keyClick(grille, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(journal_->Memo1->toPlainText(), Libelles.at(4));
    journal_->ComboBoxUtilisateur->setCurrentIndex(4);
    QCOMPARE(journal_->ClientDataSet1->rowCount(), 0);
    QVERIFY(journal_->Memo1->toPlainText().isEmpty());
}

// A click on a title sorts by that column, ascending first, the direction flipping at every click.
void TestJournalFenetre::triParTitres() {
    Montrer();
    QHeaderView* titres = journal_->DBGrid1->horizontalHeader();
    const auto cliquer = [titres](int colonne) {
        QTest::mouseClick(titres->viewport(), Qt::LeftButton, {},
                          QPoint(titres->sectionViewportPosition(colonne) + titres->sectionSize(colonne) / 2,
                                 titres->height() / 2));
    };
    cliquer(1);
    QCOMPARE(journal_->Trich, QStringLiteral("date"));
    QCOMPARE(journal_->Trisens, QStringLiteral("ASC"));
    QCOMPARE(LibellesGrille(), Libelles_({1, 2, 3, 4}));
    QVERIFY(titres->isSortIndicatorShown());
    QCOMPARE(titres->sortIndicatorSection(), 1);
    QCOMPARE(titres->sortIndicatorOrder(), Qt::AscendingOrder);
    QCOMPARE(journal_->Memo1->toPlainText(), Libelles.at(1));

    cliquer(1);
    QCOMPARE(journal_->Trisens, QStringLiteral("DESC"));
    // The date descending, the time still ascending.
    QCOMPARE(LibellesGrille(), Libelles_({3, 4, 1, 2}));
    QCOMPARE(titres->sortIndicatorOrder(), Qt::DescendingOrder);

    cliquer(0);
    QCOMPARE(journal_->Trich, QStringLiteral("utilisateur"));
    QCOMPARE(journal_->Trisens, QStringLiteral("ASC"));
    QCOMPARE(Colonne(0), (QStringList{"admin", "admin", "bob", "secretaire"}));
    QCOMPARE(LibellesGrille(), Libelles_({1, 4, 3, 2}));

    cliquer(3);
    QCOMPARE(journal_->Trich, QStringLiteral("poste"));
    QCOMPARE(journal_->Trisens, QStringLiteral("DESC"));
    QCOMPARE(Colonne(3), (QStringList{"PC03-10.0.0.3", "PC02-10.0.0.2", "PC01-10.0.0.1", "PC01-10.0.0.1"}));
    // The sort stays while the filters change.
    journal_->ComboBoxOperation->setCurrentIndex(1);
    QCOMPARE(LibellesGrille(), Libelles_({3, 2}));
}

// A selection the server refuses: the error box with the server's text, the list and the memo empty, the
// window still open and usable; the next change of a filter works again.
void TestJournalFenetre::erreurDuServeur() {
    Montrer();
    base_->Executer(QStringLiteral("RENAME TABLE journal TO journal_absent"), Base);
    journal_->ComboBoxOperation->setCurrentIndex(1);
    base_->Executer(QStringLiteral("RENAME TABLE journal_absent TO journal"), Base);
    QCOMPARE(plateforme_->Messages().size(), 1);
    QVERIFY2(plateforme_->Messages().first().startsWith(QStringLiteral("Une erreur est survenue : \r\n")) &&
                 plateforme_->Messages().first().contains(QStringLiteral("journal")),
             qPrintable(plateforme_->Messages().first()));
    QCOMPARE(journal_->ClientDataSet1->rowCount(), 0);
    QVERIFY(journal_->Memo1->toPlainText().isEmpty());
    QVERIFY(journal_->isVisible());
    QVERIFY(journal_->isEnabled());
    journal_->ComboBoxOperation->setCurrentIndex(0);
    QCOMPARE(LibellesGrille(), Libelles_({4, 3, 2, 1}));
    QCOMPARE(plateforme_->Messages().size(), 1);
}

// A long selection shows its first rows at once; the rest joins them from the snapshot the selection was
// taken in: entries removed since, and read as such by a report, change nothing in the list.
void TestJournalFenetre::defilement() {
    AjouterEntreesEnMasse();
    Montrer();
    // Run again without the event loop turning: the rest is not read yet.
    journal_->RafraichirTab();
    QCOMPARE(journal_->ClientDataSet1->rowCount(), TModeleJournal::TailleLot);
    base_->Executer(QStringLiteral("DELETE FROM journal WHERE utilisateur = 'masse'"), Base);
    QTimer::singleShot(0, this, [] {
        if (QWidget* apercu = QApplication::activeModalWidget())
            apercu->close();
    });
    journal_->BitBtnImprimerClick();
    QVERIFY(journal_->ImprimeCourant);
    QCOMPARE(journal_->ImprimeCourant->Rapport.Lignes.size(), 4);

    QTableView* grille = journal_->DBGrid1;
    for (int i = 0; i < 10 && journal_->ClientDataSet1->canFetchMore(); ++i) {
        grille->scrollToBottom();
        QCoreApplication::processEvents();
    }
    QCOMPARE(journal_->ClientDataSet1->rowCount(), 704);
    QVERIFY(!journal_->ClientDataSet1->canFetchMore());
    QCOMPARE(journal_->ClientDataSet1->Entree(703).Libelle, Libelles.at(1));
    QCOMPARE(journal_->ClientDataSet1->Entree(300).Libelle, QStringLiteral("Entrée 400"));
    // The last row, reached with the keyboard, is the current one.
    grille->setFocus();
    QTest::keyClick(grille, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(grille->currentIndex().row(), 703);
    QCOMPARE(journal_->Memo1->toPlainText(), Libelles.at(1));
    QVERIFY(plateforme_->Evenements.isEmpty());
}

// The rest of a selection that cannot be read (its session lost at the server meanwhile): the error box with
// the server's text, the first rows still listed, the window usable; the next selection reads again.
void TestJournalFenetre::suiteEnEchec() {
    AjouterEntreesEnMasse();
    Montrer();
    journal_->RafraichirTab();
    // The selection's snapshot is the only read-only transaction of the server: its session goes.
    const QString session =
        base_
            ->Valeur(QStringLiteral("SELECT trx_mysql_thread_id FROM information_schema.innodb_trx WHERE "
                                    "trx_is_read_only = 1"))
            .toString();
    QVERIFY(!session.isEmpty());
    base_->Executer(QStringLiteral("KILL CONNECTION %1").arg(session));
    for (int i = 0; i < 10 && journal_->ClientDataSet1->canFetchMore(); ++i) {
        journal_->DBGrid1->scrollToBottom();
        QCoreApplication::processEvents();
    }
    base_->Executer(QStringLiteral("DELETE FROM journal WHERE utilisateur = 'masse'"), Base);
    QCOMPARE(plateforme_->Messages().size(), 1);
    QVERIFY2(plateforme_->Messages().first().startsWith(QStringLiteral("Une erreur est survenue : \r\n")),
             qPrintable(plateforme_->Messages().first()));
    QCOMPARE(journal_->ClientDataSet1->rowCount(), TModeleJournal::TailleLot);
    QVERIFY(!journal_->ClientDataSet1->canFetchMore());
    QCOMPARE(journal_->ClientDataSet1->Entree(0).Libelle, QStringLiteral("Entrée 700"));
    QVERIFY(journal_->isVisible());
    journal_->ComboBoxOperation->setCurrentIndex(1);
    journal_->ComboBoxOperation->setCurrentIndex(0);
    QCOMPARE(LibellesGrille(), Libelles_({4, 3, 2, 1}));
    QCOMPARE(plateforme_->Messages().size(), 1);
}

// "&Imprimer": a report of its own, belonging to the window, with exactly the rows of the list in its order,
// the selected user in the title, the month as period and the school's header, in a maximised preview that
// can save it as PDF.
void TestJournalFenetre::impression() {
    Montrer();
    journal_->ComboBoxUtilisateur->setCurrentIndex(1);
    journal_->DBGrid1TitleClick(2); // by time, ascending
    const QStringList liste = LibellesGrille();
    QCOMPARE(liste, Libelles_({1, 4}));

    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("journal.pdf"));
    bool maximisee = false, enregistrement = false;
    int pages = 0;
    QTimer::singleShot(0, this, [&] {
        auto* apercu = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (apercu != nullptr) {
            maximisee = apercu->windowState() & Qt::WindowMaximized;
            const QAction* action = apercu->findChild<QAction*>(QStringLiteral("ActionEnregistrerPdf"));
            enregistrement = action != nullptr && action->text() == QStringLiteral("Enregistrer en PDF");
            if (journal_->ImprimeCourant && journal_->ImprimeCourant->Apercu() == apercu)
                pages = journal_->ImprimeCourant->EnregistrerPdf(pdf);
            apercu->reject();
        }
    });
    QTest::mouseClick(journal_->BitBtnImprimer, Qt::LeftButton);
    QVERIFY(maximisee);
    QVERIFY(enregistrement);
    QCOMPARE(pages, 1);
    QVERIFY2(plateforme_->Evenements.isEmpty(), qPrintable(plateforme_->Evenements.join(QLatin1Char('\n'))));

    TImprimeJournal* rapport = journal_->ImprimeCourant;
    QVERIFY(rapport != nullptr);
    QCOMPARE(rapport->parent(), journal_);
    QStringList imprimees;
    for (const TLigneRapportJournal& l : rapport->Rapport.Lignes)
        imprimees << l.Libelle;
    QCOMPARE(imprimees, liste);
    QCOMPARE(rapport->Rapport.Lignes.first().Utilisateur, QStringLiteral("admin"));
    QCOMPARE(rapport->Rapport.Lignes.first().DateHeure,
             QLocale().toString(QDateTime(PremierDuMois(), QTime(8, 0)), QLocale::ShortFormat));
    QCOMPARE(rapport->Rapport.Titre,
             QStringLiteral("JOURNAL DES OPÉRATIONS DE L'UTILISATEUR Alice Admin - admin"));
    QCOMPARE(rapport->Rapport.Periode,
             QStringLiteral("PÉRIODE DU %1 AU %2")
                 .arg(PremierDuMois().toString(QStringLiteral("dd/MM/yyyy")),
                      PremierDuMois().addMonths(1).addDays(-1).toString(QStringLiteral("dd/MM/yyyy"))));
    QCOMPARE(rapport->Rapport.Entete.NomFr, QStringLiteral("Lycée bilingue d'Akwa"));
    QCOMPARE(rapport->Rapport.Entete.AdresseEn, QStringLiteral("P.O. Box  Phone  Douala"));
    QCOMPARE(rapport->Rapport.LignePied, LignePiedJournal);

    // The saved file holds the rows.
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext is missing: scripts/install-deps installs poppler-utils");
    QProcess lecture;
    lecture.start(pdftotext, {pdf, QStringLiteral("-")});
    QVERIFY(lecture.waitForFinished(60000));
    const QString texte = QString::fromUtf8(lecture.readAllStandardOutput()).simplified();
    QVERIFY2(texte.contains(QStringLiteral("JOURNAL DES OPÉRATIONS DE L'UTILISATEUR Alice Admin - admin")),
             qPrintable(texte));
    QVERIFY(texte.contains(Libelles.at(1)));
    QVERIFY(texte.contains(Libelles.at(4)));
    QVERIFY(!texte.contains(Libelles.at(2)));

    // Another press makes another report; both belong to the window.
    QTimer::singleShot(0, this, [] {
        if (QWidget* apercu = QApplication::activeModalWidget())
            apercu->close();
    });
    journal_->BitBtnImprimerClick();
    QVERIFY(journal_->ImprimeCourant != rapport);
    QCOMPARE(journal_->findChildren<TImprimeJournal*>().size(), 2);
}

// An empty selection still gives a report: header and footer, no row.
void TestJournalFenetre::impressionSelectionVide() {
    Montrer();
    journal_->ComboBoxUtilisateur->setCurrentIndex(4);
    QCOMPARE(journal_->ClientDataSet1->rowCount(), 0);
    bool apercu = false;
    QTimer::singleShot(0, this, [&] {
        if (auto* d = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
            apercu = true;
            d->reject();
        }
    });
    journal_->BitBtnImprimerClick();
    QVERIFY(apercu);
    QVERIFY(journal_->ImprimeCourant->Rapport.Lignes.isEmpty());
    QCOMPARE(journal_->ImprimeCourant->Rapport.Titre,
             QStringLiteral("JOURNAL DES OPÉRATIONS DE L'UTILISATEUR Zoé Ancienne - ancien"));
}

// A report whose header cannot be read is not previewed; the error is shown.
void TestJournalFenetre::impressionSansAnnee() {
    Montrer();
    journal_->AnneeScolaire.clear();
    bool apercu = false;
    QTimer::singleShot(0, this, [&] {
        if (QWidget* d = QApplication::activeModalWidget()) {
            apercu = true;
            d->close();
        }
    });
    journal_->BitBtnImprimerClick();
    QVERIFY(!apercu);
    QCOMPARE(
        plateforme_->Messages(),
        QStringList{QStringLiteral("Une erreur est survenue : \r\nVous devez passer l'annéée scolaire.")});
}

int main(int argc, char* argv[]) {
    // A French workstation: dates and times in its formats.
    qputenv("LC_ALL", "fr_FR.UTF-8");
    QApplication application(argc, argv);
    TestJournalFenetre test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_journal_fenetre.moc"
