// The wizard's four add-item windows, driven through their controls: what each shows, what it lets the user
// type, how it closes; and the level window's checks, its duplicate rule and its insert against the real
// server.
#include "base/KORVENTypesU.h"
#include "base/TitreApplication.h"
#include "core/data/OBDataModuleU.h"
#include "core/model/EnregistrementNiveau.h"
#include "core/model/UniteCNiveau.h"
#include "gui/wizard/dialogs/UniteNouveauDepartement.h"
#include "gui/wizard/dialogs/UniteNouvelleClasse.h"
#include "gui/wizard/dialogs/UniteNouvelleMatiere.h"
#include "gui/wizard/dialogs/enregniveU.h"
#include "support/BaseDeTest.h"
#include "support/PlateformeScriptee.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString Base = QStringLiteral("bd_2025_2026");
const QString Echec = QStringLiteral("Son: son\\echec.wav");
const QString Succes = QStringLiteral("Son: son\\succes.wav");
const QString CodeManquant = QStringLiteral("Information: Veuillez saisir le code du niveau");
const QString LibelleManquant = QStringLiteral("Information: Veuillez saisir le libellé du niveau");
const QString Doublon = QStringLiteral("Erreur: Il existe un niveau portant ce Nom ou ce Code.");
const QString TitreDeLApplication = QStringLiteral("Solvane - Lycée de Bépanda");

// The levels every case starts with; one has no name.
const QStringList NiveauxInitiaux = {
    QStringLiteral("1RE C|Première C|6"),
    QStringLiteral("6E|Sixième|1"),
    QStringLiteral("F1|Form one|11"),
    QStringLiteral("X1|NULL|20"),
};

// Every column of a level written by the window: code, name, the ten optional limits, examination,
// ex_req_pro, moyenne_min_admi, versement_min, ordre, id_section.
QString LigneNiveau(const QString& code, const QString& nom, int ordre) {
    return code + QLatin1Char('|') + nom +
           QStringLiteral("|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|0") +
           QStringLiteral("|NULL|NULL|") + QString::number(ordre) + QStringLiteral("|NULL");
}

// Types a text into a field key by key, every character as the keyboard sends it.
void Taper(QWidget* champ, const QString& texte) {
    champ->setFocus();
    for (const QChar c : texte)
        QTest::sendKeyEvent(QTest::KeyAction::Click, champ, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Windows closed with destruction go once the deferred deletions run, as when control returns to the event
// loop.
void RetourBoucle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A window of the given kind ("niveau", "matiere", "departement", "classe").
QDialog* Creer(const QString& fenetre, QWidget* parent = nullptr) {
    if (fenetre == QLatin1String("niveau"))
        return new TEnregNive(parent);
    if (fenetre == QLatin1String("matiere"))
        return new TFormNouvelleMatiere(parent);
    if (fenetre == QLatin1String("departement"))
        return new TFormNouveauDepartement(parent);
    return new TFormNouvelleClasse(parent);
}

// The window's edit fields the user can type into, in tab order.
QList<QLineEdit*> Saisissables(QDialog* fenetre) {
    QList<QLineEdit*> champs;
    for (QLineEdit* champ : fenetre->findChildren<QLineEdit*>())
        if (champ->isEnabled() && !champ->isReadOnly())
            champs << champ;
    return champs;
}

QStringList Textes(const QComboBox* liste) {
    QStringList textes;
    for (int i = 0; i < liste->count(); ++i)
        textes << liste->itemText(i);
    return textes;
}

} // namespace

class TestDialogues : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    // Every window.
    void presentation_data();
    void presentation();
    void saisie_data();
    void saisie();
    void majusculesAuCurseur();
    void clavier_data();
    void clavier();
    void fermeture_data();
    void fermeture();
    void listesTriees();
    void ouvertureParLAssistant();

    // The level window and its rule.
    void niveauPrecedent_data();
    void niveauPrecedent();
    void verificationsNiveau_data();
    void verificationsNiveau();
    void regleDoublon_data();
    void regleDoublon();
    void enregistrementSeul_data();
    void enregistrementSeul();
    void erreurBase_data();
    void erreurBase();

private:
    BaseDeTest* base_ = nullptr;
    TOBDataModule* module_ = nullptr;
    PlateformeScriptee* plateforme_ = nullptr;
    // The shared statement each statement ran on, in order ("SQLQuery2", "SQLQuery1").
    QStringList requetes_;

    QStringList Niveaux() {
        return base_->Lignes(QStringLiteral("SELECT code, nom, ordre FROM niveau ORDER BY code"), Base);
    }
};

void TestDialogues::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    base_ = new BaseDeTest;
    module_ = new TOBDataModule;
    ServeurDeTest::Configurer(module_->OBSQLConnection, Base);
    TSQLQuery::AvantExecution = [this](const TSQLQuery& q) { requetes_ << q.objectName(); };
}

void TestDialogues::cleanupTestCase() {
    TSQLQuery::AvantExecution = nullptr;
    delete module_;
    delete base_;
}

void TestDialogues::init() {
    DefinirTitreApplication(TitreDeLApplication);
    base_->Executer(QStringLiteral("DELETE FROM niveau"), Base);
    base_->Executer(QStringLiteral("INSERT INTO niveau (code, nom, ordre, id_section, ex_req_pro) VALUES "
                                   "('6E', 'Sixième', 1, 1, '1'), ('1RE C', 'Première C', 6, 1, '0'), "
                                   "('F1', 'Form one', 11, 2, '0'), ('X1', NULL, 20, NULL, '0')"),
                    Base);
    QCOMPARE(Niveaux(), NiveauxInitiaux);
    plateforme_ = new PlateformeScriptee;
    requetes_.clear();
}

void TestDialogues::cleanup() {
    RetourBoucle();
    delete plateforme_;
    plateforme_ = nullptr;
    // A case that hid the level table gives it back.
    if (base_
            ->Valeur(QStringLiteral("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = '") +
                     Base + QStringLiteral("' AND table_name = 'niveau_cache'"))
            .toInt() > 0)
        base_->Executer(QStringLiteral("RENAME TABLE niveau_cache TO niveau"), Base);
}

void TestDialogues::presentation_data() {
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QStringList>("champs");  // "label text=name of the control beside it"
    QTest::addColumn<QStringList>("boutons"); // "name=text", left to right
    QTest::addColumn<QString>("defaut");      // name of the default button, empty: none

    QTest::newRow("niveau") << QStringLiteral("niveau") << QStringLiteral("EnregNive")
                            << QStringList{"Code :=Edit2", "Libellé :=Edit3",
                                           "Niveau précédent :=EditNiveauPrecedent"}
                            << QStringList{"BitBtn1=&Valider", "BitBtn7=&Annuler"} << QString();
    QTest::newRow("matière") << QStringLiteral("matiere")
                             << TitreDeLApplication + QStringLiteral(" - AJout d'une nouvelle matière.")
                             << QStringList{"Code :=EditCode", "Intitulé :=EditLibelle"}
                             << QStringList{"BitBtnValider=&Valider", "BitBtnAnnuler=&Annuler"} << QString();
    QTest::newRow("département") << QStringLiteral("departement")
                                 << TitreDeLApplication + QStringLiteral(" - Ajout dun nouveau département.")
                                 << QStringList{"Nom :=EditNom"}
                                 << QStringList{"BitBtnValider=&Valider", "BitBtnAnnuler=&Annuler"}
                                 << QStringLiteral("BitBtnValider");
    QTest::newRow("classe") << QStringLiteral("classe") << QStringLiteral("FormNouvelleClasse")
                            << QStringList{"Niveau :=ComboBoxNiveau", "Code :=EditCode",
                                           "Libellé :=EditLibelle", "Salle : =ComboBoxSalle",
                                           "Langue :=ComboBoxLangue"}
                            << QStringList{"BitBtnValider=&Valider", "BitBtnAnnuler=&Annuler"}
                            << QStringLiteral("BitBtnValider");
}

// Title, labelled controls, buttons and default button; the lists take no typed text and start empty.
void TestDialogues::presentation() {
    QFETCH(QString, fenetre);
    QFETCH(QString, titre);
    QFETCH(QStringList, champs);
    QFETCH(QStringList, boutons);
    QFETCH(QString, defaut);

    std::unique_ptr<QDialog> f(Creer(fenetre));
    f->show();
    QCOMPARE(f->windowTitle(), titre);
    QStringList vus;
    for (const QLabel* label : f->findChildren<QLabel*>()) {
        QVERIFY2(label->buddy() != nullptr, qPrintable(label->text()));
        vus << label->text() + QLatin1Char('=') + label->buddy()->objectName();
    }
    QCOMPARE(vus, champs);
    QStringList vusBoutons;
    QString vuDefaut;
    for (const QPushButton* bouton : f->findChildren<QPushButton*>()) {
        vusBoutons << bouton->objectName() + QLatin1Char('=') + bouton->text();
        if (bouton->isDefault())
            vuDefaut = bouton->objectName();
    }
    QCOMPARE(vusBoutons, boutons);
    QCOMPARE(vuDefaut, defaut);
    for (const QComboBox* liste : f->findChildren<QComboBox*>()) {
        QVERIFY(!liste->isEditable());
        QCOMPARE(liste->count(), 0);
    }
    QVERIFY(plateforme_->Evenements.isEmpty());
}

void TestDialogues::saisie_data() {
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("colle"); // pasted at once rather than typed
    QTest::addColumn<QString>("attendu");

    const QString a45 = QString(45, QLatin1Char('a'));
    const auto a = [](int n) { return QString(n, QLatin1Char('a')); };
    const auto A = [](int n) { return QString(n, QLatin1Char('A')); };

    QTest::newRow("matière code, accents")
        << "matiere"
        << "EditCode" << QStringLiteral("maths é ÿ œ ç") << false << QStringLiteral("MATHS É Ÿ Œ Ç");
    QTest::newRow("matière code, ß sans majuscule simple")
        << "matiere"
        << "EditCode" << QStringLiteral("straße") << false << QStringLiteral("STRAßE");
    QTest::newRow("matière code collé")
        << "matiere"
        << "EditCode" << QStringLiteral("svt 2nde") << true << QStringLiteral("SVT 2NDE");
    QTest::newRow("matière code, 40 au plus") << "matiere"
                                              << "EditCode" << a45 << false << A(40);
    QTest::newRow("matière intitulé tel quel") << "matiere"
                                               << "EditLibelle" << QStringLiteral("Sciences de la vie é")
                                               << false << QStringLiteral("Sciences de la vie é");
    QTest::newRow("matière intitulé, 40 au plus") << "matiere"
                                                  << "EditLibelle" << a45 << false << a(40);
    QTest::newRow("classe code") << "classe"
                                 << "EditCode" << QStringLiteral("6e a é") << false
                                 << QStringLiteral("6E A É");
    QTest::newRow("classe code, 15 au plus") << "classe"
                                             << "EditCode" << a45 << false << A(15);
    QTest::newRow("classe code collé, 15 au plus") << "classe"
                                                   << "EditCode" << a45 << true << A(15);
    QTest::newRow("classe libellé, 40 au plus") << "classe"
                                                << "EditLibelle" << a45 << false << a(40);
    QTest::newRow("département nom tel quel")
        << "departement"
        << "EditNom" << QStringLiteral("Département é") << false << QStringLiteral("Département é");
    QTest::newRow("département nom, 40 au plus") << "departement"
                                                 << "EditNom" << a45 << false << a(40);
    QTest::newRow("niveau code tel quel, 10 au plus")
        << "niveau"
        << "Edit2" << QStringLiteral("6e année bis") << false << QStringLiteral("6e année b");
    QTest::newRow("niveau libellé, 40 au plus") << "niveau"
                                                << "Edit3" << a45 << false << a(40);
}

void TestDialogues::saisie() {
    QFETCH(QString, fenetre);
    QFETCH(QString, champ);
    QFETCH(QString, texte);
    QFETCH(bool, colle);
    QFETCH(QString, attendu);

    std::unique_ptr<QDialog> f(Creer(fenetre));
    f->show();
    auto* edit = f->findChild<QLineEdit*>(champ);
    QVERIFY(edit != nullptr);
    if (colle)
        edit->insert(texte);
    else
        Taper(edit, texte);
    QCOMPARE(edit->text(), attendu);
}

// A letter typed inside the text of an upper-case field goes where the cursor is, and the cursor after it.
void TestDialogues::majusculesAuCurseur() {
    TFormNouvelleMatiere f;
    f.show();
    Taper(f.EditCode, QStringLiteral("ab"));
    QTest::keyClick(f.EditCode, Qt::Key_Home);
    Taper(f.EditCode, QStringLiteral("é"));
    Taper(f.EditCode, QStringLiteral("c"));
    QCOMPARE(f.EditCode->text(), QStringLiteral("ÉCAB"));
    QCOMPARE(f.EditCode->cursorPosition(), 2);
}

void TestDialogues::clavier_data() {
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<QString>("focus"); // the control that has the keyboard focus
    QTest::addColumn<int>("touche");
    QTest::addColumn<int>("resultat"); // -1: still open

    const int ouverte = -1;
    const int validee = QDialog::Accepted;
    const int annulee = QDialog::Rejected;
    QTest::newRow("département, Entrée") << "departement"
                                         << "EditNom" << int(Qt::Key_Return) << validee;
    QTest::newRow("département, Entrée du pavé") << "departement"
                                                 << "EditNom" << int(Qt::Key_Enter) << validee;
    QTest::newRow("département, Entrée sur Annuler") << "departement"
                                                     << "BitBtnAnnuler" << int(Qt::Key_Return) << annulee;
    QTest::newRow("classe, Entrée") << "classe"
                                    << "EditLibelle" << int(Qt::Key_Return) << validee;
    QTest::newRow("matière, Entrée sans bouton par défaut")
        << "matiere"
        << "EditLibelle" << int(Qt::Key_Return) << ouverte;
    QTest::newRow("matière, Entrée sur Valider") << "matiere"
                                                 << "BitBtnValider" << int(Qt::Key_Return) << validee;
    QTest::newRow("niveau, Entrée sans bouton par défaut") << "niveau"
                                                           << "Edit3" << int(Qt::Key_Return) << ouverte;
    for (const char* fenetre : {"niveau", "matiere", "departement", "classe"})
        QTest::newRow(qPrintable(QStringLiteral("%1, Échap").arg(QLatin1String(fenetre))))
            << QString::fromLatin1(fenetre) << QString() << int(Qt::Key_Escape) << ouverte;
}

// Enter presses the button that has the focus, else the default button, and nothing in a window without
// one; Esc does nothing.
void TestDialogues::clavier() {
    QFETCH(QString, fenetre);
    QFETCH(QString, focus);
    QFETCH(int, touche);
    QFETCH(int, resultat);

    QPointer<QDialog> f(Creer(fenetre));
    if (auto* niveau = qobject_cast<TEnregNive*>(f.data()))
        niveau->Appel = true;
    int fin = -1;
    connect(f, &QDialog::finished, this, [&fin](int r) { fin = r; });
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    // Filled fields: a level window that took Enter would close.
    for (QLineEdit* champ : Saisissables(f))
        Taper(champ, QStringLiteral("12"));
    QWidget* cible = focus.isEmpty() ? Saisissables(f).first() : f->findChild<QWidget*>(focus);
    QVERIFY(cible != nullptr);
    cible->setFocus();
    QTest::keyClick(cible, Qt::Key(touche));
    QCOMPARE(fin, resultat);
    if (f) {
        QCOMPARE(f->isVisible(), resultat == -1);
        delete f;
    }
    QVERIFY(plateforme_->Evenements.isEmpty());
}

void TestDialogues::fermeture_data() {
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<bool>("appel");       // level window only
    QTest::addColumn<QString>("action");   // a button's name, or "fermer" for the close box
    QTest::addColumn<bool>("detruite");    // else hidden
    QTest::addColumn<bool>("champsVides"); // the typed fields when the window closed

    for (const char* action : {"BitBtnValider", "BitBtnAnnuler", "fermer"}) {
        QTest::newRow(qPrintable(QStringLiteral("matière, %1").arg(QLatin1String(action))))
            << "matiere" << false << action << true << false;
        QTest::newRow(qPrintable(QStringLiteral("classe, %1").arg(QLatin1String(action))))
            << "classe" << false << action << true << false;
        QTest::newRow(qPrintable(QStringLiteral("département, %1").arg(QLatin1String(action))))
            << "departement" << false << action << false << false;
    }
    QTest::newRow("niveau ouvert par l'assistant, Annuler")
        << "niveau" << true << "BitBtn7" << false << false;
    QTest::newRow("niveau ouvert par l'assistant, fermer") << "niveau" << true << "fermer" << false << false;
    QTest::newRow("niveau seul, Annuler") << "niveau" << false << "BitBtn7" << true << true;
    QTest::newRow("niveau seul, fermer") << "niveau" << false << "fermer" << true << true;
}

void TestDialogues::fermeture() {
    QFETCH(QString, fenetre);
    QFETCH(bool, appel);
    QFETCH(QString, action);
    QFETCH(bool, detruite);
    QFETCH(bool, champsVides);

    QWidget parent;
    parent.show();
    QPointer<QDialog> f(Creer(fenetre, &parent));
    if (auto* niveau = qobject_cast<TEnregNive*>(f.data())) {
        niveau->Appel = appel;
        niveau->AfficherNiveauPrecedent(nullptr);
    }
    const QList<QLineEdit*> champs = Saisissables(f);
    QStringList textesALaFermeture;
    connect(f, &QDialog::finished, this, [&] {
        for (const QLineEdit* champ : champs)
            textesALaFermeture << champ->text();
    });
    f->show();
    for (QLineEdit* champ : champs)
        Taper(champ, QStringLiteral("12"));

    if (action == QLatin1String("fermer"))
        f->close();
    else
        QTest::mouseClick(f->findChild<QPushButton*>(action), Qt::LeftButton);

    QCOMPARE(textesALaFermeture, QStringList(champs.size(), champsVides ? QString() : QStringLiteral("12")));
    QVERIFY(f != nullptr); // not before control returns to the event loop
    QVERIFY(!f->isVisible());
    RetourBoucle();
    QCOMPARE(f.isNull(), detruite);
    if (f) {
        QCOMPARE(f->parent(), &parent);
        // A hidden window still holds what was typed.
        for (const QLineEdit* champ : Saisissables(f))
            QCOMPARE(champ->text(), QStringLiteral("12"));
    }
    if (auto* niveau = qobject_cast<TEnregNive*>(f.data()))
        QCOMPARE(niveau->EditNiveauPrecedent->text(), QStringLiteral("Aucun"));
    QVERIFY(plateforme_->Evenements.isEmpty());
    QVERIFY(requetes_.isEmpty());
}

// The class window's lists keep their items sorted as the user's language sorts them, whichever way they are
// added; every item keeps its entity, and the chosen item stays chosen.
void TestDialogues::listesTriees() {
    TFormNouvelleClasse f;
    const std::pair<const char*, const char*> niveaux[] = {{"TLE", "Tle C"},    {"6E", "6e"},
                                                           {"2ND", "Seconde"},  {"EV", "Éveil"},
                                                           {"1RE", "première"}, {"5E", "Cinquième"}};
    for (const auto& [code, nom] : niveaux)
        AjouterObjetCombo(f.ComboBoxNiveau, QString::fromUtf8(nom),
                          std::make_unique<TCNiveau>(QString::fromUtf8(code), QString::fromUtf8(nom), 0));
    QCOMPARE(Textes(f.ComboBoxNiveau),
             QStringList({"6e", "Cinquième", "Éveil", "première", "Seconde", "Tle C"}));
    for (int i = 0; i < f.ComboBoxNiveau->count(); ++i) {
        const TCNiveau* niveau = ObjetCombo<TCNiveau>(f.ComboBoxNiveau, i);
        QVERIFY(niveau != nullptr);
        QCOMPARE(niveau->GetNom(), f.ComboBoxNiveau->itemText(i));
    }
    QCOMPARE(f.ComboBoxNiveau->currentText(), QStringLiteral("Tle C"));
    QCOMPARE(ObjetSelectionne<TCNiveau>(f.ComboBoxNiveau)->GetCode(), QStringLiteral("TLE"));
    // The index the convention returns is where the item went.
    const int index =
        AjouterObjetCombo(f.ComboBoxNiveau, QStringLiteral("Deuxième"),
                          std::make_unique<TCNiveau>(QStringLiteral("2E"), QStringLiteral("Deuxième"), 0));
    QCOMPARE(index, 2);
    QCOMPARE(ObjetCombo<TCNiveau>(f.ComboBoxNiveau, index)->GetCode(), QStringLiteral("2E"));

    f.ComboBoxSalle->addItem(QStringLiteral("Salle B"));
    f.ComboBoxSalle->addItem(QStringLiteral("Atelier"));
    f.ComboBoxSalle->insertItem(0, QStringLiteral("salle A"));
    QCOMPARE(Textes(f.ComboBoxSalle), QStringList({"Atelier", "salle A", "Salle B"}));
    FreeComboboxObjects(f.ComboBoxNiveau);
    QCOMPARE(f.ComboBoxNiveau->count(), 0);
}

// The openers of the wizard: each window made with the wizard as parent and shown modally; the wizard goes on
// once it has closed.
void TestDialogues::ouvertureParLAssistant() {
    QWidget assistant;
    assistant.show();

    QPointer<TEnregNive> niveau = new TEnregNive(&assistant);
    niveau->Appel = true;
    niveau->AfficherNiveauPrecedent(nullptr);
    QTimer::singleShot(0, niveau, [niveau] {
        Taper(niveau->Edit2, QStringLiteral("4E"));
        Taper(niveau->Edit3, QStringLiteral("Quatrième"));
        QTest::mouseClick(niveau->BitBtn1, Qt::LeftButton);
    });
    QCOMPARE(niveau->exec(), int(QDialog::Accepted));
    RetourBoucle();
    QVERIFY(niveau != nullptr);
    QVERIFY(!niveau->isVisible());
    QCOMPARE(plateforme_->Evenements, QStringList{Succes});
    QCOMPARE(Niveaux(), NiveauxInitiaux);
    QVERIFY(requetes_.isEmpty());
    delete niveau;

    QPointer<TFormNouvelleMatiere> matiere = new TFormNouvelleMatiere(&assistant);
    matiere->setWindowTitle(TFormNouvelleMatiere::Titre());
    QTimer::singleShot(0, matiere, [matiere] { QTest::mouseClick(matiere->BitBtnAnnuler, Qt::LeftButton); });
    QCOMPARE(matiere->exec(), int(QDialog::Rejected));
    RetourBoucle();
    QVERIFY(matiere.isNull());

    QPointer<TFormNouveauDepartement> departement = new TFormNouveauDepartement(&assistant);
    departement->setWindowTitle(TFormNouveauDepartement::Titre());
    QTimer::singleShot(0, departement, [departement] {
        Taper(departement->EditNom, QStringLiteral("Langues"));
        QTest::keyClick(departement->EditNom, Qt::Key_Return);
    });
    QCOMPARE(departement->exec(), int(QDialog::Accepted));
    RetourBoucle();
    QVERIFY(departement != nullptr);
    QCOMPARE(departement->parent(), &assistant);
    QCOMPARE(plateforme_->Evenements, QStringList{Succes});
}

void TestDialogues::niveauPrecedent_data() {
    QTest::addColumn<QString>("nom"); // null: no level before
    QTest::addColumn<QString>("affiche");
    QTest::newRow("aucun niveau") << QString() << QStringLiteral("Aucun");
    QTest::newRow("nom court") << QStringLiteral("Sixième") << QStringLiteral("Sixième");
    QTest::newRow("nom de plus de dix caractères, entier")
        << QStringLiteral("Terminale scientifique C") << QStringLiteral("Terminale scientifique C");
}

// The previous level is shown whole in a field the user cannot change.
void TestDialogues::niveauPrecedent() {
    QFETCH(QString, nom);
    QFETCH(QString, affiche);
    TEnregNive f;
    f.Appel = true;
    const std::unique_ptr<TCNiveau> dernier =
        nom.isNull() ? nullptr : std::make_unique<TCNiveau>(QStringLiteral("X"), nom, 3);
    f.AfficherNiveauPrecedent(dernier.get());
    QCOMPARE(f.EditNiveauPrecedent->text(), affiche);
    QVERIFY(!f.EditNiveauPrecedent->isEnabled());
    QVERIFY(f.EditNiveauPrecedent->isReadOnly());
    f.show();
    Taper(f.EditNiveauPrecedent, QStringLiteral("z"));
    QCOMPARE(f.EditNiveauPrecedent->text(), affiche);
}

void TestDialogues::verificationsNiveau_data() {
    QTest::addColumn<bool>("appel");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QStringList>("evenements");
    QTest::addColumn<bool>("fermee");

    QTest::newRow("code et libellé vides") << true << ""
                                           << "" << QStringList{Echec, CodeManquant} << false;
    QTest::newRow("code vide") << true << ""
                               << "Sixième" << QStringList{Echec, CodeManquant} << false;
    QTest::newRow("libellé vide") << true << "5E"
                                  << "" << QStringList{Echec, LibelleManquant} << false;
    QTest::newRow("seule: code vide, rien n'est lu")
        << false << ""
        << "Sixième" << QStringList{Echec, CodeManquant} << false;
    QTest::newRow("seule: libellé vide, rien n'est lu") << false << "5E"
                                                        << "" << QStringList{Echec, LibelleManquant} << false;
    // Opened by the wizard, the window stores nothing and so refuses nothing the year already has.
    QTest::newRow("assistant: niveau existant accepté, rien n'est écrit")
        << true << "6E"
        << "Sixième" << QStringList{Succes} << true;
    QTest::newRow("assistant: nouveau niveau, rien n'est écrit")
        << true << "4E"
        << "Quatrième" << QStringList{Succes} << true;
}

void TestDialogues::verificationsNiveau() {
    QFETCH(bool, appel);
    QFETCH(QString, code);
    QFETCH(QString, nom);
    QFETCH(QStringList, evenements);
    QFETCH(bool, fermee);

    QPointer<TEnregNive> f = new TEnregNive;
    f->Appel = appel;
    f->show();
    Taper(f->Edit2, code);
    Taper(f->Edit3, nom);
    QTest::mouseClick(f->BitBtn1, Qt::LeftButton);
    QCOMPARE(plateforme_->Evenements, evenements);
    RetourBoucle();
    QVERIFY(f != nullptr);
    QCOMPARE(f->isVisible(), !fermee);
    QCOMPARE(f->Edit2->text(), code);
    QCOMPARE(f->Edit3->text(), nom);
    QCOMPARE(requetes_, QStringList());
    QCOMPARE(Niveaux(), NiveauxInitiaux);
    delete f;
}

void TestDialogues::regleDoublon_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("existe");

    QTest::newRow("même libellé, espacé autrement") << "NEW"
                                                    << " Premi èreC " << true;
    QTest::newRow("même libellé, autre casse de a à z") << "NEW"
                                                        << "sIxIèME" << true;
    QTest::newRow("même code, autre casse et espaces") << " 1re  c"
                                                       << "Autre" << true;
    QTest::newRow("même code, autre libellé") << "f1"
                                              << "Form two" << true;
    QTest::newRow("lettre accentuée d'une autre casse") << "NEW"
                                                        << "SIXIÈME" << false;
    QTest::newRow("accent en plus dans le code") << "6É"
                                                 << "Autre" << false;
    QTest::newRow("accent en moins dans le libellé") << "NEW"
                                                     << "Sixieme" << false;
    QTest::newRow("code égal au libellé d'un autre niveau") << "Formone"
                                                            << "Autre" << false;
    QTest::newRow("libellé égal au code d'un autre niveau") << "NEW"
                                                            << "6 e" << false;
    QTest::newRow("niveau différent (un niveau existant n'a pas de libellé)") << "2ND"
                                                                              << "Seconde" << false;
    QTest::newRow("autre blanc que l'espace") << "NEW" << QStringLiteral("Première\u00A0C") << false;
}

// Without a window: the rule reads the year's levels once and writes nothing.
void TestDialogues::regleDoublon() {
    QFETCH(QString, code);
    QFETCH(QString, nom);
    QFETCH(bool, existe);
    QCOMPARE(NiveauExistant(code, nom), existe);
    QCOMPARE(requetes_, QStringList{QStringLiteral("SQLQuery2")});
    QCOMPARE(Niveaux(), NiveauxInitiaux);
}

void TestDialogues::enregistrementSeul_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("ordre"); // -1: left as the window has it
    QTest::addColumn<QString>("ligne");

    QTest::newRow("stocké tel que saisi") << "2nd"
                                          << "Seconde  A" << 5 << LigneNiveau("2nd", "Seconde  A", 5);
    QTest::newRow("rang laissé à zéro") << "4E"
                                        << "Quatrième" << -1 << LigneNiveau("4E", "Quatrième", 0);
    QTest::newRow("apostrophe et accents")
        << "3E'"
        << "Troisième d'été" << 3 << LigneNiveau("3E'", "Troisième d'été", 3);
    QTest::newRow("refusé: même libellé espacé autrement") << "NEW"
                                                           << "Premi ère C" << 7 << QString();
    QTest::newRow("refusé: même code en minuscules") << "f1"
                                                     << "Autre" << 7 << QString();
}

// Used on its own, the window stores a new level with its rank, and closes destroyed with its fields
// emptied; a level the year already has is refused and the window stays as it was.
void TestDialogues::enregistrementSeul() {
    QFETCH(QString, code);
    QFETCH(QString, nom);
    QFETCH(int, ordre);
    QFETCH(QString, ligne);

    QPointer<TEnregNive> f = new TEnregNive;
    QCOMPARE(f->Appel, false);
    QCOMPARE(f->OrdreCourant, 0);
    if (ordre >= 0)
        f->OrdreCourant = ordre;
    QStringList textesALaFermeture;
    connect(f, &QDialog::finished, this, [&] {
        textesALaFermeture = QStringList{f->Edit2->text(), f->Edit3->text()};
    });
    f->show();
    Taper(f->Edit2, code);
    Taper(f->Edit3, nom);
    QTest::mouseClick(f->BitBtn1, Qt::LeftButton);
    RetourBoucle();

    if (ligne.isEmpty()) {
        QCOMPARE(plateforme_->Evenements, QStringList({Echec, Doublon}));
        QCOMPARE(requetes_, QStringList{QStringLiteral("SQLQuery2")});
        QCOMPARE(Niveaux(), NiveauxInitiaux);
        QVERIFY(f != nullptr);
        QVERIFY(f->isVisible());
        QCOMPARE(f->Edit2->text(), code);
        QCOMPARE(f->Edit3->text(), nom);
        delete f;
        return;
    }
    QCOMPARE(plateforme_->Evenements, QStringList{Succes});
    QCOMPARE(requetes_, QStringList({QStringLiteral("SQLQuery2"), QStringLiteral("SQLQuery1")}));
    QCOMPARE(base_->Lignes(
                 QStringLiteral("SELECT * FROM niveau WHERE code NOT IN ('6E', '1RE C', 'F1', 'X1')"), Base),
             QStringList{ligne});
    QCOMPARE(base_->Valeur(QStringLiteral("SELECT COUNT(*) FROM niveau"), Base).toInt(), 5);
    QCOMPARE(textesALaFermeture, QStringList({QString(), QString()}));
    QVERIFY(f.isNull());
}

void TestDialogues::erreurBase_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("tableCachee");
    QTest::addColumn<QString>("contient"); // in the error's text
    QTest::addColumn<QStringList>("requetes");

    QTest::newRow("lecture: table absente") << "4E" << true << "niveau" << QStringList{"SQLQuery2"};
    // The rule keeps accents apart, the server's key does not.
    QTest::newRow("insertion: clé déjà prise pour le serveur")
        << QStringLiteral("6é") << false << QStringLiteral("PRIMARY")
        << QStringList{"SQLQuery2", "SQLQuery1"};
}

// A database error is shown with the server's text; nothing is stored, the window stays open with what was
// typed, and a second try can succeed.
void TestDialogues::erreurBase() {
    QFETCH(QString, code);
    QFETCH(bool, tableCachee);
    QFETCH(QString, contient);
    QFETCH(QStringList, requetes);

    if (tableCachee)
        base_->Executer(QStringLiteral("RENAME TABLE niveau TO niveau_cache"), Base);
    QPointer<TEnregNive> f = new TEnregNive;
    f->OrdreCourant = 4;
    f->show();
    Taper(f->Edit2, code);
    Taper(f->Edit3, QStringLiteral("Quatrième"));
    QTest::mouseClick(f->BitBtn1, Qt::LeftButton);
    RetourBoucle();

    QCOMPARE(plateforme_->Evenements.size(), 1);
    const QString erreur = plateforme_->Evenements.first();
    QVERIFY2(erreur.startsWith(QStringLiteral("Erreur: ")) && erreur.contains(contient), qPrintable(erreur));
    QCOMPARE(requetes_, requetes);
    QVERIFY(f != nullptr);
    QVERIFY(f->isVisible());
    QCOMPARE(f->Edit2->text(), code);
    QCOMPARE(f->Edit3->text(), QStringLiteral("Quatrième"));
    if (tableCachee)
        base_->Executer(QStringLiteral("RENAME TABLE niveau_cache TO niveau"), Base);
    QCOMPARE(Niveaux(), NiveauxInitiaux);

    plateforme_->Vider();
    f->Edit2->setText(QStringLiteral("4E"));
    QTest::mouseClick(f->BitBtn1, Qt::LeftButton);
    RetourBoucle();
    QCOMPARE(plateforme_->Evenements, QStringList{Succes});
    QVERIFY(f.isNull());
    QCOMPARE(base_->Lignes(QStringLiteral("SELECT code, nom, ordre FROM niveau WHERE code = '4E'"), Base),
             QStringList{QStringLiteral("4E|Quatrième|4")});
}

QTEST_MAIN(TestDialogues)
#include "test_dialogues.moc"
