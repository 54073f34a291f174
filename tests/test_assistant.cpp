// The wizard window: its pages and their order both ways, the buttons each page shows, the select-all rule of
// its check lists, errors inside a handler, and how it ends (finish, cancel, close box).
#include "base/TitreApplication.h"
#include "core/model/UniteCNiveau.h"
#include "core/transition/ChangementAnnee.h"
#include "core/transition/EtapesTransition.h"
#include "core/transition/RapportTransition.h"
#include "gui/journal/JournalU.h"
#include "gui/wizard/ListeCochee.h"
#include "gui/wizard/PageAccueil.h"
#include "gui/wizard/PageAssistant.h"
#include "gui/wizard/PageElements.h"
#include "gui/wizard/PageEleves.h"
#include "gui/wizard/PageFin.h"
#include "gui/wizard/PageListe.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"
#include "gui/wizard/dialogs/UniteNouveauDepartement.h"
#include "gui/wizard/dialogs/UniteNouvelleMatiere.h"
#include "gui/wizard/dialogs/enregniveU.h"
#include "support/Basculer.h"
#include "support/EnvironnementAssistant.h"
#include "support/EnvironnementTransition.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMap>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

const QString Nouvelle = QStringLiteral("bd_2026_2027");
const QString Donnees = QStringLiteral(SOLVANE_TEST_DATA "/transition.sql");
QStringList BoitesCompletes() {
    return EnvironnementTransition::BoitesCompletes();
}
const QString NonPlaces = QStringLiteral("Il y'a encore des élèves qui n'ont pas été affectés à une nouvelle "
                                         "classe.\r\nVoulez-vous ignorer ces élèves?");

using Assistant = TFAssistantNouvelleAnnee;

// A click as the user gives it: on a window whose pending layouts have been applied.
void Cliquer(QWidget* bouton) {
    QCoreApplication::processEvents();
    QTest::mouseClick(bouton, Qt::LeftButton, {}, QPoint(6, bouton->height() / 2));
}

// The wizard buttons that are visible, in the order of the bar.
QStringList BoutonsVisibles(TFAssistantNouvelleAnnee& a) {
    QStringList noms;
    const QList<std::pair<QWizard::WizardButton, const char*>> boutons = {{QWizard::BackButton, "précédent"},
                                                                          {QWizard::NextButton, "suivant"},
                                                                          {QWizard::FinishButton, "terminer"},
                                                                          {QWizard::CancelButton, "annuler"},
                                                                          {QWizard::HelpButton, "aide"}};
    for (const auto& [bouton, nom] : boutons)
        if (a.button(bouton)->isVisible()) {
            noms << QString::fromUtf8(nom);
            if (!a.button(bouton)->isEnabled())
                noms.last() += QStringLiteral(" (grisé)");
        }
    return noms;
}

} // namespace

class TestAssistant : public QObject {
    Q_OBJECT

private slots:
    void pages();
    void parcours_data();
    void parcours();
    void boutonsDesPages_data();
    void boutonsDesPages();
    void raccourcisSansConflit();
    void toutSelectionner_data();
    void toutSelectionner();
    void listesDesPagesDesactivees();
    void ouverturesDesDialogues_data();
    void ouverturesDesDialogues();
    void journalDesOperations();
    void elevesNonPlaces_data();
    void elevesNonPlaces();
    void erreurDansUnGestionnaire();
    void verifierPuisTerminer();
    void boutonTerminer();
    void terminerSansBoites();
    void boutonAnnuler();
    void echap();
    void caseDeFermeture();
};

// The ten pages in wizard order with their titles, subtitles and header heights; only four are enabled.
void TestAssistant::pages() {
    EnvironnementAssistant env;
    Assistant& a = *env.Assistant;
    QCOMPARE(a.pageIds(), QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    const QStringList noms = {"Etape0Accueil",     "Etape1ElementAImporter", "Etape2Niveau",
                              "Etape3Classes",     "Etape4Matiere",          "Etape5Departements",
                              "Etape6Enseignants", "Etape7FraisExigibles",   "Etape8Eleves",
                              "Etape8Fin"};
    const QStringList titres = {"Assistant de solvane d'année scolaire avec KORVEN",
                                "Eléments à transférer pour le nouvelle année scolaire",
                                "Paramètrage des niveaux d'étude",
                                "Classes",
                                "Matières",
                                "Départements",
                                "Enseignants",
                                "Frais exigibles",
                                "Elèves",
                                "Fin de l'assistant Activation d'une Nouvelle Année Scolaire"};
    for (int id = 0; id < 10; ++id) {
        auto* page = qobject_cast<TPageAssistant*>(a.page(id));
        QVERIFY(page != nullptr);
        QCOMPARE(page->objectName(), noms[id]);
        QCOMPARE(page->Titre(), titres[id]);
        QCOMPARE(page->isEnabled(), id < 2 || id > 7);
    }
    const auto page = [&a](int id) { return qobject_cast<TPageAssistant*>(a.page(id)); };
    QCOMPARE(page(Assistant::Etape0Accueil)->HauteurEntete(), 120);
    QCOMPARE(page(Assistant::Etape7FraisExigibles)->HauteurEntete(), 80);
    QCOMPARE(page(Assistant::Etape8Fin)->HauteurEntete(), 90);
    QVERIFY(page(Assistant::Etape8Fin)->SousTitre().contains(QStringLiteral("Patientez ensuite  car")));
    QVERIFY(
        page(Assistant::Etape0Accueil)->SousTitre().startsWith(QStringLiteral("Bienvenu dans l'assistant")));
    QCOMPARE(a.size(), QSize(802, 506));

    // The elements page: eight boxes, all ticked, only "Elèves" changeable.
    const QList<QCheckBox*> boites = a.page(Assistant::Etape1ElementAImporter)->findChildren<QCheckBox*>();
    QCOMPARE(boites.size(), 8);
    for (QCheckBox* boite : boites) {
        QVERIFY(boite->isChecked());
        QCOMPARE(boite->isEnabled(), boite == a.PageElements()->CheckBoxEleve);
    }
    QCOMPARE(a.PageElements()->CheckBoxEleve->text(), QStringLiteral("Elèves"));
}

// The pages the user sees for a series of moves: the six disabled pages never; the students page only while
// "Elèves" is ticked; the placement survives the moves.
void TestAssistant::parcours_data() {
    QTest::addColumn<QStringList>("gestes"); // suivant, précédent, élèves (the box turned over)
    QTest::addColumn<Geste>("facon");        // how the box is turned over
    QTest::addColumn<QList<int>>("pages");   // the page after each move
    using A = Assistant;
    QTest::newRow("avec les élèves")
        << QStringList{"suivant", "suivant", "suivant", "précédent", "précédent", "précédent"}
        << Geste::Souris
        << QList<int>{A::Etape1ElementAImporter, A::Etape8Eleves,           A::Etape8Fin,
                      A::Etape8Eleves,           A::Etape1ElementAImporter, A::Etape0Accueil};
    QTest::newRow("aller-retour à la fin")
        << QStringList{"suivant", "élèves",  "suivant",   "précédent",
                       "élèves",  "suivant", "précédent", "précédent"}
        << Geste::Souris << QList<int>{A::Etape1ElementAImporter, A::Etape1ElementAImporter, A::Etape8Fin,
                                       A::Etape1ElementAImporter, A::Etape1ElementAImporter, A::Etape8Eleves,
                                       A::Etape1ElementAImporter, A::Etape0Accueil};
    // The students page follows the box's state however it changes: a screen reader toggles it without a
    // click, and a page left open then would take placements that "&Terminer" drops.
    const QList<std::pair<const char*, Geste>> facons = {{"souris", Geste::Souris},
                                                         {"clavier", Geste::Clavier},
                                                         {"programme", Geste::Programme},
                                                         {"lecteur d'écran", Geste::LecteurDEcran}};
    for (const auto& [nom, facon] : facons) {
        QTest::addRow("sans les élèves (%s)", nom)
            << QStringList{"suivant", "élèves", "suivant", "précédent"} << facon
            << QList<int>{A::Etape1ElementAImporter, A::Etape1ElementAImporter, A::Etape8Fin,
                          A::Etape1ElementAImporter};
        QTest::addRow("élèves décochés puis recochés (%s)", nom)
            << QStringList{"suivant", "élèves", "élèves", "suivant", "suivant"} << facon
            << QList<int>{A::Etape1ElementAImporter, A::Etape1ElementAImporter, A::Etape1ElementAImporter,
                          A::Etape8Eleves, A::Etape8Fin};
    }
}

void TestAssistant::parcours() {
    QFETCH(QStringList, gestes);
    QFETCH(Geste, facon);
    QFETCH(QList<int>, pages);
    EnvironnementAssistant env;
    Assistant& a = *env.Assistant;
    env.Changement->Valider(false, {{QStringLiteral("S01"), true}}, QStringLiteral("5A"));
    env.Plateforme.Reponses = QList<bool>(10, true);
    QSignalSpy vues(&a, &QWizard::currentIdChanged);
    a.show();
    for (int i = 0; i < gestes.size(); ++i) {
        if (gestes[i] == QLatin1String("suivant"))
            Cliquer(a.button(QWizard::NextButton));
        else if (gestes[i] == QStringLiteral("précédent"))
            Cliquer(a.button(QWizard::BackButton));
        else
            Basculer(a.PageElements()->CheckBoxEleve, facon);
        QCOMPARE(a.currentId(), pages[i]);
    }
    for (const QList<QVariant>& vue : std::as_const(vues))
        QVERIFY2(vue.first().toInt() < Assistant::Etape2Niveau ||
                     vue.first().toInt() > Assistant::Etape7FraisExigibles,
                 qPrintable(QString::number(vue.first().toInt())));
    QCOMPARE(env.Placement(), QStringList{"S01:5A"});
}

void TestAssistant::boutonsDesPages_data() {
    QTest::addColumn<int>("suivants");
    QTest::addColumn<QStringList>("boutons");
    QTest::newRow("accueil") << 0 << QStringList{"suivant", "annuler", "aide"};
    QTest::newRow("éléments") << 1 << QStringList{"précédent", "suivant", "annuler"};
    QTest::newRow("élèves") << 2 << QStringList{"précédent", "suivant", "annuler", "aide"};
    QTest::newRow("fin") << 3 << QStringList{"précédent", "terminer", "annuler", "aide"};
}

void TestAssistant::boutonsDesPages() {
    QFETCH(int, suivants);
    QFETCH(QStringList, boutons);
    EnvironnementAssistant env;
    Assistant& a = *env.Assistant;
    env.Plateforme.Reponses = {true};
    a.show();
    for (int i = 0; i < suivants; ++i)
        a.next();
    QCOMPARE(BoutonsVisibles(a), boutons);
    QCOMPARE(a.buttonText(QWizard::BackButton), QStringLiteral("< &Précédent"));
    QCOMPARE(a.buttonText(QWizard::NextButton), QStringLiteral("&Suivant >"));
    QCOMPARE(a.buttonText(QWizard::FinishButton), QStringLiteral("&Terminer"));
    QCOMPARE(a.buttonText(QWizard::CancelButton), QStringLiteral("Annuler"));
    QCOMPARE(a.buttonText(QWizard::HelpButton), QStringLiteral("&Aide"));
}

// On every page the user sees, each Alt+letter reaches one control: a letter shared by two does nothing.
void TestAssistant::raccourcisSansConflit() {
    EnvironnementAssistant env;
    Assistant& a = *env.Assistant;
    env.Plateforme.Reponses = {true};
    a.show();
    for (int page = 0; page < 4; ++page) {
        QCoreApplication::processEvents();
        QMap<QString, QString> vus;
        const auto noter = [&](const QKeySequence& touche, const QString& quoi) {
            if (touche.isEmpty())
                return;
            const QString nom = touche.toString();
            QVERIFY2(!vus.contains(nom), qPrintable(QStringLiteral("page %1 : %2 pour « %3 » et « %4 »")
                                                        .arg(a.currentId())
                                                        .arg(nom, vus.value(nom), quoi)));
            vus.insert(nom, quoi);
        };
        for (QAbstractButton* bouton : a.findChildren<QAbstractButton*>())
            if (bouton->isVisible())
                noter(bouton->shortcut(), bouton->text());
        for (QLabel* libelle : a.findChildren<QLabel*>())
            if (libelle->isVisible() && libelle->buddy() != nullptr)
                noter(QKeySequence::mnemonic(libelle->text()), libelle->text());
        if (page < 3)
            a.next();
    }
}

// The box follows the list and the list follows the box; the program's own state changes move no tick.
void TestAssistant::toutSelectionner_data() {
    QTest::addColumn<QList<bool>>("coches"); // the lines' ticks before the gesture
    QTest::addColumn<QString>("geste");      // "clic boîte" or "ligne N"
    QTest::addColumn<int>("etatBoite");      // Qt::CheckState after the gesture
    QTest::addColumn<QList<bool>>("apres");  // the ticks after the gesture
    const QList<bool> toutes{true, true, true}, aucune{false, false, false}, une{true, false, false};
    QTest::newRow("toutes cochées") << toutes << QString() << int(Qt::Checked) << toutes;
    QTest::newRow("aucune cochée") << aucune << QString() << int(Qt::Unchecked) << aucune;
    QTest::newRow("quelques-unes") << une << QString() << int(Qt::PartiallyChecked) << une;
    QTest::newRow("liste vide") << QList<bool>{} << QString() << int(Qt::Unchecked) << QList<bool>{};
    QTest::newRow("une ligne décochée grise la boîte")
        << toutes << QStringLiteral("ligne 1") << int(Qt::PartiallyChecked) << QList<bool>{true, false, true};
    QTest::newRow("la dernière ligne décochée")
        << une << QStringLiteral("ligne 0") << int(Qt::Unchecked) << aucune;
    QTest::newRow("la dernière ligne cochée")
        << QList<bool>{true, true, false} << QStringLiteral("ligne 2") << int(Qt::Checked) << toutes;
    QTest::newRow("clic sur la boîte grisée")
        << une << QStringLiteral("clic boîte") << int(Qt::Checked) << toutes;
    QTest::newRow("clic sur la boîte cochée")
        << toutes << QStringLiteral("clic boîte") << int(Qt::Unchecked) << aucune;
    QTest::newRow("clic sur la boîte vide")
        << aucune << QStringLiteral("clic boîte") << int(Qt::Checked) << toutes;
    QTest::newRow("clic sur la boîte d'une liste vide")
        << QList<bool>{} << QStringLiteral("clic boîte") << int(Qt::Checked) << QList<bool>{};
}

void TestAssistant::toutSelectionner() {
    QFETCH(QList<bool>, coches);
    QFETCH(QString, geste);
    QFETCH(int, etatBoite);
    QFETCH(QList<bool>, apres);
    TListeCochee liste(QStringLiteral("Tout sélectionner"), QStringLiteral("Liste"), QStringLiteral("Boite"));
    liste.resize(300, 200);
    liste.show();
    std::vector<TModeleCoches::Ligne> lignes;
    for (int i = 0; i < coches.size(); ++i)
        lignes.push_back({QStringLiteral("ligne %1").arg(i), QString::number(i), nullptr, coches[i]});
    liste.Modele->Remplacer(std::move(lignes));
    liste.MettreBoiteAJour();
    if (geste == QStringLiteral("clic boîte")) {
        Cliquer(liste.Boite);
    } else if (geste.startsWith(QLatin1String("ligne"))) {
        const int i = geste.mid(6).toInt();
        QAbstractItemModel* modele = liste.Liste->model();
        modele->setData(modele->index(i, 0), coches[i] ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }
    QCOMPARE(int(liste.Boite->checkState()), etatBoite);
    QList<bool> obtenues;
    for (int i = 0; i < liste.Modele->Nombre(); ++i)
        obtenues << liste.Modele->Coche(i);
    QCOMPARE(obtenues, apres);
}

// The six list pages are built with their lists, boxes and "Ajouter" buttons, disabled.
void TestAssistant::listesDesPagesDesactivees() {
    EnvironnementAssistant env;
    Assistant& a = *env.Assistant;
    QList<TListeCochee*> listes;
    for (int id = Assistant::Etape2Niveau; id <= Assistant::Etape7FraisExigibles; ++id)
        listes << a.PageListe(Assistant::Etape(id))->Liste;
    for (TListeCochee* liste : listes) {
        QCOMPARE(liste->Boite->text(), QStringLiteral("Tout selectionner"));
        QCOMPARE(liste->Boite->checkState(), Qt::Unchecked);
        QCOMPARE(liste->Modele->Nombre(), 0);
        QVERIFY(!liste->isEnabled());
    }
    for (const char* nom :
         {"ButtonNiveauAjouter", "ButtonClasseAjouter", "ButtonMatiereAjouter", "ButtonDepartementAjouter"})
        QCOMPARE(a.findChild<QPushButton*>(QString::fromLatin1(nom))->text(), QStringLiteral("Ajouter"));
    QCOMPARE(listes.first()->Liste->objectName(), QStringLiteral("CheckListBoxNiveaux"));
}

// The "Ajouter" buttons open a new window of their kind, modally; the level window shows the last level of
// the list (or "Aucun") and, once closed, every level of the list is ticked. The classes page's button does
// nothing.
void TestAssistant::ouverturesDesDialogues_data() {
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<int>("niveaux"); // levels in the levels page's list, none ticked
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QString>("precedent");
    QTest::newRow("niveau, liste vide") << "ButtonNiveauAjouter" << 0 << "EnregNive"
                                        << "Aucun";
    QTest::newRow("niveau après deux") << "ButtonNiveauAjouter" << 2 << "EnregNive"
                                       << "Cinquième";
    QTest::newRow("matière") << "ButtonMatiereAjouter" << 0 << "Solvane - AJout d'une nouvelle matière."
                             << QString();
    QTest::newRow("département") << "ButtonDepartementAjouter" << 0
                                 << "Solvane - Ajout dun nouveau département." << QString();
    QTest::newRow("classe") << "ButtonClasseAjouter" << 0 << QString() << QString();
}

void TestAssistant::ouverturesDesDialogues() {
    QFETCH(QString, bouton);
    QFETCH(int, niveaux);
    QFETCH(QString, titre);
    QFETCH(QString, precedent);
    EnvironnementAssistant env;
    Assistant& a = *env.Assistant;
    DefinirTitreApplication(QStringLiteral("Solvane"));
    TCNiveau sixieme(QStringLiteral("6E"), QStringLiteral("Sixième"), 1);
    TCNiveau cinquieme(QStringLiteral("5E"), QStringLiteral("Cinquième"), 2);
    std::vector<TModeleCoches::Ligne> lignes;
    if (niveaux > 0) {
        lignes.push_back({QStringLiteral("Sixième"), QStringLiteral("6E"), &sixieme, false});
        lignes.push_back({QStringLiteral("Cinquième"), QStringLiteral("5E"), &cinquieme, false});
    }
    a.PageListe(Assistant::Etape2Niveau)->Liste->Modele->Remplacer(std::move(lignes));
    a.show();

    QString titreVu, precedentVu;
    bool appel = false;
    QTimer::singleShot(0, &a, [&] {
        QWidget* fenetre = QApplication::activeModalWidget();
        if (fenetre == nullptr || fenetre == &a)
            return;
        titreVu = fenetre->windowTitle();
        if (auto* niveau = qobject_cast<TEnregNive*>(fenetre)) {
            precedentVu = niveau->EditNiveauPrecedent->text();
            appel = niveau->Appel;
            niveau->Edit2->setText(QStringLiteral("4E"));
            niveau->Edit3->setText(QStringLiteral("Quatrième"));
            QTest::mouseClick(niveau->BitBtn1, Qt::LeftButton);
        } else {
            qobject_cast<QDialog*>(fenetre)->reject();
        }
    });
    QPushButton* ajouter = a.findChild<QPushButton*>(bouton);
    QVERIFY(ajouter != nullptr);
    // The list pages are never shown: the button is pressed as its page would.
    emit ajouter->clicked();
    QCOMPARE(titreVu, titre);
    QCOMPARE(precedentVu, precedent);
    if (bouton == QLatin1String("ButtonNiveauAjouter")) {
        QVERIFY(appel);
        QCOMPARE(env.Plateforme.Evenements, QStringList{QStringLiteral("Son: son\\succes.wav")});
        QCOMPARE(a.PageListe(Assistant::Etape2Niveau)->Liste->Modele->NombreCoches(), niveaux);
        // Nothing is stored by the wizard's level window.
        QCOMPARE(env.Base
                     .Valeur(QStringLiteral("SELECT COUNT(*) FROM niveau WHERE code = '4E'"),
                             QStringLiteral("bd_2025_2026"))
                     .toInt(),
                 0);
    }
    QVERIFY(QApplication::activeModalWidget() == nullptr || QApplication::activeModalWidget() == &a);
}

// The welcome page opens the operations journal of the year being closed, for the current month.
void TestAssistant::journalDesOperations() {
    EnvironnementAssistant env;
    env.Base.Executer(
        QStringLiteral("INSERT INTO journal (utilisateur, libelle, poste, operation, domaine, date, "
                       "heure) VALUES ('admin', 'Ouverture du mois', 'PC-1', 'Connexion', "
                       "'Administration de la Base de donnees', CURDATE(), '08:00')"),
        QStringLiteral("bd_2025_2026"));
    TJournal journal;
    TFAssistantNouvelleAnnee assistant(*env.Changement, &journal);
    assistant.Remplir();
    assistant.show();
    QPushButton* bouton = assistant.PageAccueil()->ButtonJournal;
    QCOMPARE(bouton->text(), QStringLiteral("&Journal des opérations"));
    QString annee;
    int lignes = -1;
    QTimer::singleShot(0, &journal, [&] {
        if (QApplication::activeModalWidget() != &journal)
            return;
        annee = journal.AnneeScolaire;
        lignes = journal.DBGrid1->model()->rowCount();
        journal.close();
    });
    QTest::mouseClick(bouton, Qt::LeftButton);
    QCOMPARE(annee, QStringLiteral("2025/2026"));
    QCOMPARE(lignes, 1);
    QVERIFY(env.Plateforme.Messages().isEmpty());
    QCOMPARE(assistant.currentId(), int(Assistant::Etape0Accueil));
}

// Leaving the students page with students not placed asks; Non keeps the page, Oui moves on. With every
// student placed nothing is asked.
void TestAssistant::elevesNonPlaces_data() {
    QTest::addColumn<bool>("tousPlaces");
    QTest::addColumn<QList<bool>>("reponses");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("questions");
    QTest::newRow("non") << false << QList<bool>{false} << int(Assistant::Etape8Eleves) << 1;
    QTest::newRow("oui") << false << QList<bool>{true} << int(Assistant::Etape8Fin) << 1;
    QTest::newRow("tous placés") << true << QList<bool>{} << int(Assistant::Etape8Fin) << 0;
}

void TestAssistant::elevesNonPlaces() {
    QFETCH(bool, tousPlaces);
    QFETCH(QList<bool>, reponses);
    QFETCH(int, page);
    QFETCH(int, questions);
    EnvironnementAssistant env;
    Assistant& a = *env.Assistant;
    env.AllerAuxEleves();
    if (tousPlaces)
        for (const auto& [matricule, eleve] : env.Changement->DictionnaireEleves())
            env.Changement->Valider(false, {{matricule, true}}, QStringLiteral("5A"));
    else
        env.Changement->Valider(false, {{QStringLiteral("S01"), true}}, QStringLiteral("5A"));
    env.Plateforme.Reponses = reponses;
    Cliquer(a.button(QWizard::NextButton));
    QCOMPARE(a.currentId(), page);
    QCOMPARE(env.Plateforme.Messages(), QStringList(questions, NonPlaces));
}

// A database error inside a handler is shown with its text; the wizard stays on its page and keeps its
// placement; the next change works again once the cause is gone.
void TestAssistant::erreurDansUnGestionnaire() {
    EnvironnementAssistant env;
    Assistant& a = *env.Assistant;
    env.AllerAuxEleves();
    env.Changement->Valider(false, {{QStringLiteral("S31"), true}}, QStringLiteral("F2A"));
    env.Base.Executer(QStringLiteral("RENAME TABLE classe TO classe_cachee"), QStringLiteral("bd_2025_2026"));
    EnvironnementAssistant::Choisir(a.PageEleves()->ComboBoxElevesSection,
                                    QStringLiteral("Section francophone"));
    QCOMPARE(env.Plateforme.Messages().size(), 1);
    QVERIFY2(env.Plateforme.Messages().first().contains(QStringLiteral("classe")),
             qPrintable(env.Plateforme.Messages().first()));
    QCOMPARE(a.currentId(), int(Assistant::Etape8Eleves));
    QCOMPARE(env.Placement(), QStringList{"S31:F2A"});

    env.Base.Executer(QStringLiteral("RENAME TABLE classe_cachee TO classe"), QStringLiteral("bd_2025_2026"));
    env.Plateforme.Vider();
    EnvironnementAssistant::Choisir(a.PageEleves()->ComboBoxElevesSection,
                                    QStringLiteral("Anglophone section"));
    EnvironnementAssistant::Choisir(a.PageEleves()->ComboBoxElevesSection,
                                    QStringLiteral("Section francophone"));
    QVERIFY(env.Plateforme.Messages().isEmpty());
    QCOMPARE(a.PageEleves()->ComboBoxElevesAncienneClasse->count(), 2);

    // Leaving the elements page refreshes the students page: an error there keeps the wizard on the elements
    // page.
    a.back();
    env.Base.Executer(QStringLiteral("RENAME TABLE niveau TO niveau_cache"), QStringLiteral("bd_2025_2026"));
    Cliquer(a.button(QWizard::NextButton));
    QCOMPARE(a.currentId(), int(Assistant::Etape1ElementAImporter));
    QCOMPARE(env.Plateforme.Messages().size(), 1);
    QVERIFY2(env.Plateforme.Messages().first().contains(QStringLiteral("niveau")),
             qPrintable(env.Plateforme.Messages().first()));

    env.Base.Executer(QStringLiteral("RENAME TABLE niveau_cache TO niveau"), QStringLiteral("bd_2025_2026"));
    env.Plateforme.Vider();
    Cliquer(a.button(QWizard::NextButton));
    QCOMPARE(a.currentId(), int(Assistant::Etape8Eleves));
    QVERIFY(env.Plateforme.Messages().isEmpty());
    QCOMPARE(env.Placement(), QStringList{"S31:F2A"});
}

// "Vérifier" shows on the last page, without a box and without changing a byte, what the change will carry;
// the students page and "&Terminer" then work as if it had not run, and the run's report carries the same
// figures.
void TestAssistant::verifierPuisTerminer() {
    EnvironnementAssistant env;
    Assistant& a = *env.Assistant;
    env.Plateforme.Reponses = {true};
    env.AllerAuxEleves();
    Cliquer(a.PageEleves()->ButtonProposer);
    env.Plateforme.Vider();
    Cliquer(a.button(QWizard::NextButton));
    QCOMPARE(a.currentId(), int(Assistant::Etape8Fin));
    env.Plateforme.Vider();
    const auto empreinte = [&env] {
        return env.Base.Empreinte(QStringLiteral("korven")) +
               env.Base.Empreinte(QStringLiteral("bd_2025_2026")) + env.Base.Empreinte(Nouvelle);
    };
    const QStringList avant = empreinte();

    QVERIFY(!a.PageFin()->ArbreVerification->isVisible());
    Cliquer(a.PageFin()->ButtonVerifier);
    env.AttendreFinExecution();
    QVERIFY(env.Plateforme.Evenements.isEmpty());
    QCOMPARE(empreinte(), avant);
    QVERIFY(a.PageFin()->ArbreVerification->isVisible());
    QVERIFY2(a.PageFin()->LabelVerification->text().contains(QStringLiteral("9 élèves seront placés")),
             qPrintable(a.PageFin()->LabelVerification->text()));
    QStringList tables;
    for (int i = 0; i < a.PageFin()->ArbreVerification->topLevelItemCount(); ++i)
        tables << a.PageFin()->ArbreVerification->topLevelItem(i)->text(0);
    QVERIFY(tables.contains(QStringLiteral("Classes (classe)")));
    QCOMPARE(tables.constLast(), QStringLiteral("Élèves avec une décision mais sans classe"));
    QCOMPARE(a.PageFin()->ArbreVerification->topLevelItem(tables.size() - 1)->text(3), QStringLiteral("3"));
    QVERIFY(a.button(QWizard::FinishButton)->isEnabled());

    // The students page reads the closing year as before.
    a.back();
    EnvironnementAssistant::Choisir(a.PageEleves()->ComboBoxElevesSection,
                                    QStringLiteral("Section francophone"));
    QCOMPARE(a.PageEleves()->ComboBoxElevesNiveau->currentText(), QStringLiteral("Sixième"));
    QVERIFY(env.Plateforme.Messages().isEmpty());
    env.Plateforme.Reponses = {true};
    Cliquer(a.button(QWizard::NextButton));
    env.Plateforme.Vider();

    QList<TRapportTransition> rapports;
    a.PageFin()->MontrerRapportTransition = [&](const TRapportTransition& r) {
        rapports << r;
        env.Plateforme.Evenements << QStringLiteral("Rapport");
    };
    Cliquer(a.button(QWizard::FinishButton));
    env.AttendreFinExecution();
    QCOMPARE(rapports.size(), 1);
    const TRapportTransition& r = rapports.first();
    QCOMPARE(r.AncienneAnnee, QStringLiteral("2025/2026"));
    QCOMPARE(r.NouvelleAnnee, QStringLiteral("2026/2027"));
    QCOMPARE(r.Utilisateur, QStringLiteral("admin"));
    QCOMPARE(r.Entete.NomFr, QStringLiteral("Lycée d'Essos"));
    QVERIFY(r.Debut.isValid() && r.Fin >= r.Debut);
    int places = 0;
    for (const auto& [classe, nombre] : r.Bilan.ElevesParClasse)
        places += nombre;
    QCOMPARE(places, 9);
    QCOMPARE(r.Bilan.NonPlaces.size(), 3);
    // The report comes after the last copy's box and before the closing box.
    const QStringList evenements = env.Plateforme.Evenements;
    const qsizetype rapport = evenements.indexOf(QStringLiteral("Rapport"));
    QVERIFY(rapport > 0);
    QCOMPARE(evenements.at(rapport - 1), QStringLiteral("Information: Update Parameters"));
    QVERIFY(evenements.at(rapport + 1).startsWith(QStringLiteral("Information: Le processus de changement")));
    QCOMPARE(env.Base.Valeur(QStringLiteral("SELECT COUNT(*) FROM eleve"), Nouvelle).toInt(), 9);
}

// "&Terminer" on the wizard's last page runs the transition with the change's values, on a thread of its own,
// and shows the steps; after a failure the wizard stays open with the button usable again.
void TestAssistant::boutonTerminer() {
    EnvironnementTransition env(Donnees);
    env.AjouterEleve(QStringLiteral("E001"), QStringLiteral("Ndoumbè"), QStringLiteral("Éloïse"),
                     QStringLiteral("6A"));
    const std::unique_ptr<TChangementAnnee> changement = env.Changement();
    TFAssistantNouvelleAnnee assistant(*changement);
    TPageFin& fin = *assistant.PageFin();
    int rapports = 0;
    fin.MontrerRapportTransition = [&rapports](const TRapportTransition&) { ++rapports; };
    const auto attendre = [&fin] {
        return QTest::qWaitFor([&fin] { return !fin.ExecutionEnCours(); }, 120000);
    };
    assistant.show();
    // Welcome, elements, students (every student placed: no question), last page.
    assistant.next();
    assistant.next();
    assistant.next();
    QCOMPARE(assistant.currentPage()->objectName(), QStringLiteral("Etape8Fin"));
    QAbstractButton* terminer = assistant.button(QWizard::FinishButton);
    QCOMPARE(terminer->text(), QStringLiteral("&Terminer"));

    env.Base.Executer(QStringLiteral("RENAME TABLE bd_2025_2026.heures TO bd_2025_2026.h"));
    QTest::mouseClick(terminer, Qt::LeftButton);
    // Under way: nothing of the wizard can be pressed, and it cannot be closed.
    QVERIFY(fin.ExecutionEnCours());
    QVERIFY(!terminer->isEnabled());
    QVERIFY(!assistant.button(QWizard::CancelButton)->isEnabled());
    QVERIFY(!assistant.close());
    QVERIFY(attendre());
    QVERIFY2(env.Boites().constLast().startsWith(QStringLiteral("Une erreur est survenue : \r\n")),
             qPrintable(env.Boites().constLast()));
    QVERIFY(env.Boites().constLast().contains(QStringLiteral("heures")));
    QVERIFY(assistant.isVisible());
    QVERIFY(terminer->isEnabled());
    QCOMPARE(fin.NouvelleBD(), Nouvelle);

    env.Base.Executer(QStringLiteral("RENAME TABLE bd_2025_2026.h TO bd_2025_2026.heures"));
    env.Plateforme.Vider();
    // The connection switch counts as the first five steps, and says so.
    QString pendantConnexion;
    env.Plateforme.PendantMessage = [&](const QString& texte) {
        if (texte == BoiteConnexionReussie)
            pendantConnexion = fin.LabelProgression->text();
    };
    QTest::mouseClick(terminer, Qt::LeftButton);
    QVERIFY(attendre());
    const int etapes = NombreEtapesTransition();
    QCOMPARE(pendantConnexion,
             QStringLiteral("Étapes 1 à %1 sur %2 : Connexion à la nouvelle base de données (encore %3)")
                 .arg(EtapesConnexion)
                 .arg(etapes)
                 .arg(etapes - EtapesConnexion));
    QCOMPARE(env.Boites(), BoitesCompletes());
    QVERIFY(fin.LabelProgression->text().startsWith(QStringLiteral("Étape %1 sur %1").arg(etapes)));
    QCOMPARE(fin.ProgressBarTransition->value(), etapes);
    QCOMPARE(env.Base.Lignes(QStringLiteral("SELECT mat, idclasse FROM eleve"), Nouvelle),
             QStringList{QStringLiteral("E001|6A")});
    QCOMPARE(env.Plateforme.Evenements.constLast(), QStringLiteral("Redémarrage"));
    QCOMPARE(rapports, 1);
}

// "Confirmer chaque étape par un message" unticked: the change runs in one press, its steps' messages listed
// under the progress and in the report instead of boxes; the new year is there as after a run with boxes.
void TestAssistant::terminerSansBoites() {
    EnvironnementTransition env(Donnees);
    env.AjouterEleve(QStringLiteral("E001"), QStringLiteral("N'Guessan"), QStringLiteral("Éloïse"),
                     QStringLiteral("6A"));
    const std::unique_ptr<TChangementAnnee> changement = env.Changement();
    TFAssistantNouvelleAnnee assistant(*changement);
    TPageFin& fin = *assistant.PageFin();
    QStringList etapesDuRapport;
    fin.MontrerRapportTransition = [&etapesDuRapport](const TRapportTransition& r) {
        etapesDuRapport = r.Etapes;
    };
    assistant.show();
    assistant.next();
    assistant.next();
    assistant.next();
    QVERIFY(fin.CheckBoxConfirmerEtapes->isChecked());
    QTest::keyClick(fin.CheckBoxConfirmerEtapes, Qt::Key_Space);
    QVERIFY(!fin.CheckBoxConfirmerEtapes->isChecked());
    QTest::mouseClick(assistant.button(QWizard::FinishButton), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&fin] { return !fin.ExecutionEnCours(); }, 120000));
    QCOMPARE(env.Boites(), QStringList());
    QStringList listees;
    for (int i = 0; i < fin.ListeEtapes->count(); ++i)
        listees << fin.ListeEtapes->item(i)->text();
    QStringList attendues = BoitesCompletes();
    for (QString& texte : attendues)
        texte.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    QCOMPARE(listees, attendues);
    QVERIFY(fin.ListeEtapes->isVisible());
    // The report lists every step's message that came before it (the closing one comes after).
    QCOMPARE(etapesDuRapport, BoitesCompletes().mid(0, BoitesCompletes().size() - 1));
    QCOMPARE(env.Plateforme.Evenements.constLast(), QStringLiteral("Redémarrage"));
    QCOMPARE(env.Base.Lignes(QStringLiteral("SELECT mat, idclasse FROM eleve"), Nouvelle),
             QStringList{QStringLiteral("E001|6A")});
}

// "Annuler" ends the application and writes nothing.
void TestAssistant::boutonAnnuler() {
    EnvironnementTransition env(Donnees);
    const QStringList avant = env.Empreinte();
    const std::unique_ptr<TChangementAnnee> changement = env.Changement();
    TFAssistantNouvelleAnnee assistant(*changement);
    assistant.show();
    assistant.next();
    QTest::mouseClick(assistant.button(QWizard::CancelButton), Qt::LeftButton);
    QVERIFY(env.Plateforme.Terminee);
    QVERIFY(env.Boites().isEmpty());
    QVERIFY(!assistant.isVisible());
    QCOMPARE(env.Empreinte(), avant);
}

// Esc on any page is "Annuler": the application ends.
void TestAssistant::echap() {
    EnvironnementAssistant env;
    Assistant& a = *env.Assistant;
    env.AllerAuxEleves();
    env.Changement->Valider(false, {{QStringLiteral("S01"), true}}, QStringLiteral("5A"));
    QTest::keyClick(&a, Qt::Key_Escape);
    QVERIFY(env.Plateforme.Terminee);
    QVERIFY(env.Plateforme.Messages().isEmpty());
    QVERIFY(!a.isVisible());
}

// The close box ends the application as "Annuler" does, nothing written.
void TestAssistant::caseDeFermeture() {
    EnvironnementAssistant env;
    Assistant& a = *env.Assistant;
    env.AllerAuxEleves();
    env.Changement->Valider(false, {{QStringLiteral("S01"), true}}, QStringLiteral("5A"));
    const QStringList avant = env.Base.Empreinte(QStringLiteral("korven")) + env.Base.Empreinte(Nouvelle);
    QVERIFY(a.close());
    QVERIFY(env.Plateforme.Terminee);
    QVERIFY(env.Plateforme.Messages().isEmpty());
    QVERIFY(!a.isVisible());
    QCOMPARE(env.Base.Empreinte(QStringLiteral("korven")) + env.Base.Empreinte(Nouvelle), avant);
}

QTEST_MAIN(TestAssistant)
#include "test_assistant.moc"
