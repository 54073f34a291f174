// Every window of the program as a screen reader and a keyboard-only user meet it, through Qt's accessibility
// interface (what AT-SPI reads) and the Tab key: every control that takes the focus has a name to say; no
// Alt+letter serves two controls of one window; Tab visits every enabled control once, in the order the
// window shows them (top to bottom, left to right), and comes back, no view keeping it; the print previews'
// main actions have keyboard shortcuts, said in their tool tips; the wizard fits a small screen.
#include "core/data/OBDataModuleU.h"
#include "core/transition/ChangementAnnee.h"
#include "gui/Fenetres.h"
#include "gui/journal/JournalU.h"
#include "gui/journal/UniteImprimeJournal.h"
#include "gui/login/Upassword.h"
#include "gui/wizard/ApercuRapportTransition.h"
#include "gui/wizard/PageAccueil.h"
#include "gui/wizard/PageEleves.h"
#include "gui/wizard/PageFin.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"
#include "gui/wizard/dialogs/DialogueRetour.h"
#include "gui/wizard/dialogs/UniteNouveauDepartement.h"
#include "gui/wizard/dialogs/UniteNouvelleClasse.h"
#include "gui/wizard/dialogs/UniteNouvelleMatiere.h"
#include "gui/wizard/dialogs/enregniveU.h"
#include "support/EnvironnementAssistant.h"
#include "support/EnvironnementRetour.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace {

// A control a user reaches with Tab: shown, enabled, taking the focus by Tab, not the inner part of another
// control (a spin box's or an editable list's line).
bool Atteignable(QWidget* w, QWidget* fenetre) {
    if (w->window() != fenetre || !w->isVisibleTo(fenetre) || !w->isEnabled() ||
        (w->focusPolicy() & Qt::TabFocus) == 0 || w->focusProxy() != nullptr)
        return false;
    for (QWidget* p = w->parentWidget(); p != nullptr && p != fenetre; p = p->parentWidget())
        if (qobject_cast<QAbstractSpinBox*>(p) != nullptr || qobject_cast<QComboBox*>(p) != nullptr)
            return false;
    return true;
}

QList<QWidget*> Atteignables(QWidget* fenetre) {
    QList<QWidget*> controles;
    for (QWidget* w : fenetre->findChildren<QWidget*>())
        if (Atteignable(w, fenetre))
            controles << w;
    return controles;
}

QString Nom(QWidget* w) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(w);
    return interface != nullptr ? interface->text(QAccessible::Name).trimmed() : QString();
}

QString Decrire(QWidget* w) {
    return QStringLiteral("%1 « %2 »").arg(w->metaObject()->className(), w->objectName());
}

// The window's Alt+letters: buttons and boxes by their text, controls by the label they are the buddy of.
QStringList MnemoniquesEnDouble(QWidget* fenetre) {
    QMap<QString, QStringList> parTouche;
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(fenetre))
            continue;
        QString texte;
        if (auto* bouton = qobject_cast<QAbstractButton*>(w))
            texte = bouton->text();
        else if (auto* libelle = qobject_cast<QLabel*>(w); libelle != nullptr && libelle->buddy() != nullptr)
            texte = libelle->text();
        const QKeySequence touche = QKeySequence::mnemonic(texte);
        if (!touche.isEmpty())
            parTouche[touche.toString()] << texte;
    }
    QStringList doubles;
    for (auto it = parTouche.cbegin(); it != parTouche.cend(); ++it)
        if (it.value().size() > 1)
            doubles << it.key() + QStringLiteral(" : ") + it.value().join(QStringLiteral(", "));
    return doubles;
}

// Whether b comes after a in reading order: not above it, and not left of it on the same row.
bool ApresALaLecture(QWidget* a, QWidget* b, QWidget* fenetre) {
    const QRect ra(a->mapTo(fenetre, QPoint(0, 0)), a->size());
    const QRect rb(b->mapTo(fenetre, QPoint(0, 0)), b->size());
    if (rb.bottom() < ra.top())
        return false;
    const bool memeRangee = rb.top() <= ra.bottom() && ra.top() <= rb.bottom();
    return !(memeRangee && rb.right() < ra.left());
}

// Everything a screen-reader or keyboard-only user needs of one window, as it stands.
void Parcourir(QWidget* fenetre, const QString& quoi) {
    QApplication::setActiveWindow(fenetre);
    QCoreApplication::processEvents();
    const QList<QWidget*> controles = Atteignables(fenetre);
    QVERIFY2(!controles.isEmpty(), qPrintable(quoi));
    for (QWidget* w : controles)
        QVERIFY2(!Nom(w).isEmpty(), qPrintable(quoi + QStringLiteral(" : sans nom : ") + Decrire(w)));
    const QStringList doubles = MnemoniquesEnDouble(fenetre);
    QVERIFY2(doubles.isEmpty(),
             qPrintable(quoi + QStringLiteral(" : ") + doubles.join(QStringLiteral(" ; "))));

    // Tab from the first control in reading order: each control once, in reading order, and back to it.
    QWidget* premier = controles.first();
    for (QWidget* w : controles)
        if (!ApresALaLecture(premier, w, fenetre))
            premier = w;
    premier->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QList<QWidget*> vus{QApplication::focusWidget()};
    QVERIFY2(vus.first() == premier, qPrintable(quoi + QStringLiteral(" : le focus ne se pose pas")));
    for (qsizetype i = 1; i <= controles.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        vus << QApplication::focusWidget();
    }
    QStringList suite;
    for (QWidget* w : vus)
        suite << (w ? Decrire(w) : QStringLiteral("rien"));
    QVERIFY2(vus.constLast() == premier,
             qPrintable(quoi + QStringLiteral(" : Tab ne revient pas au premier contrôle : ") +
                        suite.join(QStringLiteral(" → "))));
    vus.removeLast();
    for (QWidget* w : controles)
        QVERIFY2(vus.count(w) == 1,
                 qPrintable(quoi +
                            QStringLiteral(" : Tab passe %1 fois sur %2").arg(vus.count(w)).arg(Decrire(w))));
    for (qsizetype i = 1; i < vus.size(); ++i)
        QVERIFY2(ApresALaLecture(vus.at(i - 1), vus.at(i), fenetre),
                 qPrintable(quoi + QStringLiteral(" : Tab va de %1 à %2, qui le précède à l'écran")
                                       .arg(Decrire(vus.at(i - 1)), Decrire(vus.at(i)))));
}

// The preview's toolbar actions that must answer the keyboard, each with its shortcut in its tool tip.
void RaccourcisDeLApercu(QPrintPreviewDialog* apercu, const QString& quoi) {
    QToolBar* barre = apercu->findChild<QToolBar*>();
    QVERIFY(barre != nullptr);
    QStringList avecRaccourci;
    for (QAction* action : barre->actions()) {
        if (action->shortcut().isEmpty())
            continue;
        const QString touches = action->shortcut().toString(QKeySequence::NativeText);
        QVERIFY2(action->toolTip().contains(touches),
                 qPrintable(quoi + QStringLiteral(" : ") + action->toolTip()));
        avecRaccourci << touches;
    }
    for (const char* attendu : {"Ctrl+P", "Ctrl+S", "Ctrl+PgDown", "Ctrl+PgUp"})
        QVERIFY2(avecRaccourci.contains(
                     QKeySequence(QString::fromLatin1(attendu)).toString(QKeySequence::NativeText)),
                 qPrintable(quoi + QStringLiteral(" : pas de ") + QString::fromLatin1(attendu)));
}

} // namespace

class TestAccessibilite : public QObject {
    Q_OBJECT

private slots:
    void connexion();
    void pagesDeLAssistant();
    void journal();
    void dialogues();
    void retour();
    void apercus();
    void petitEcran();
};

// The sign-in window, once the start-up check has let it go.
void TestAccessibilite::connexion() {
    BaseDeTest base;
    base.Executer(
        QStringLiteral("INSERT INTO korven.annee_scolaire (code, active) VALUES ('2025/2026', '1')"));
    PlateformeScriptee plateforme;
    QTemporaryDir dossier;
    qputenv("KORVEN_SYSTEM_DIR", dossier.path().toUtf8());
    BaseDeTest::EcrireConfigurationValide(dossier.path());
    TFenetres fenetres;
    TPassword& login = fenetres.Login();
    login.show();
    QVERIFY(QTest::qWaitFor([&login] { return !login.Timer1->isActive() && !login.VerificationEnCours(); },
                            60000));
    QCOMPARE(Nom(login.EditLogin), QStringLiteral("Login :"));
    QCOMPARE(Nom(login.EditPassword), QStringLiteral("Mot de passe :"));
    Parcourir(&login, QStringLiteral("connexion"));
}

// Every page the wizard shows, the last one before and after "Vérifier" has filled its tree.
void TestAccessibilite::pagesDeLAssistant() {
    EnvironnementAssistant env;
    TFAssistantNouvelleAnnee& a = *env.Assistant;
    env.Plateforme.Reponses = {true};
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a));
    for (int page = 0; page < 4; ++page) {
        Parcourir(&a, a.currentPage()->objectName());
        if (page < 3)
            a.next();
    }
    QCOMPARE(a.currentId(), int(TFAssistantNouvelleAnnee::Etape8Fin));
    TPageFin& fin = *a.PageFin();
    QTest::mouseClick(fin.ButtonVerifier, Qt::LeftButton);
    env.AttendreFinExecution();
    QVERIFY(fin.ArbreVerification->isVisible());
    Parcourir(&a, QStringLiteral("Etape8Fin, vérifiée"));
    // The list page's combo boxes say their shortcut, which the reader cannot take from the list itself.
    a.back();
    TPageEleves& eleves = *a.PageEleves();
    QCOMPARE(eleves.ComboBoxElevesSection->accessibleDescription(), QStringLiteral("Raccourci : Alt+I"));
    QCOMPARE(eleves.ComboBoxElevesNouvelleClasse->accessibleDescription(),
             QStringLiteral("Raccourci : Alt+O"));
}

// The journal window: its table lets Tab go on to the description and the buttons.
void TestAccessibilite::journal() {
    BaseDeTest base;
    PlateformeScriptee plateforme;
    TOBDataModule module;
    ServeurDeTest::Configurer(module.OBSQLConnection, QStringLiteral("bd_2025_2026"));
    ServeurDeTest::Configurer(module.OBOrbelanSQLConnection, QStringLiteral("korven"));
    // Rows in the table, a current one among them: a table that walks its cells with Tab would keep it.
    base.Executer(
        QStringLiteral("INSERT INTO journal (utilisateur, libelle, poste, operation, domaine, date, heure) "
                       "VALUES ('admin', 'Un', 'PC', 'Connexion', 'Général', CURDATE(), '08:00'), "
                       "('admin', 'Deux', 'PC', 'Connexion', 'Général', CURDATE(), '09:00')"),
        QStringLiteral("bd_2025_2026"));
    TJournal journal;
    QVERIFY(journal.PreparerPourAnnee(QStringLiteral("2025/2026")));
    journal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&journal));
    QTRY_COMPARE(journal.DBGrid1->model()->rowCount(), 2);
    journal.DBGrid1->setCurrentIndex(journal.DBGrid1->model()->index(0, 0));
    Parcourir(&journal, QStringLiteral("journal"));
    QCOMPARE(Nom(journal.DateTimePickerDateDebut), QStringLiteral("Date du"));
    QCOMPARE(Nom(journal.DateTimePicker2), QStringLiteral("Date au"));
    journal.CheckBox5->setChecked(true);
    Parcourir(&journal, QStringLiteral("journal, heures filtrées"));
}

// The four add dialogs.
void TestAccessibilite::dialogues() {
    BaseDeTest base;
    PlateformeScriptee plateforme;
    TOBDataModule module;
    ServeurDeTest::Configurer(module.OBSQLConnection, QStringLiteral("bd_2025_2026"));
    const std::pair<const char*, std::function<QDialog*()>> fenetres[] = {
        {"niveau", [] { return new TEnregNive; }},
        {"classe", [] { return new TFormNouvelleClasse; }},
        {"matière", [] { return new TFormNouvelleMatiere; }},
        {"département", [] { return new TFormNouveauDepartement; }}};
    for (const auto& [nom, creer] : fenetres) {
        std::unique_ptr<QDialog> fenetre(creer());
        fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenetre.get()));
        Parcourir(fenetre.get(), QString::fromUtf8(nom));
    }
}

// After a change: the welcome page with the way back to the year it closed, and the undo's window.
void TestAccessibilite::retour() {
    EnvironnementRetour env;
    QVERIFY(env.Changer());
    const std::unique_ptr<TChangementAnnee> changement = env.ChangementNouvelleAnnee();
    TFAssistantNouvelleAnnee a(*changement);
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a));
    QVERIFY(a.PageAccueil()->ButtonRetour->isVisible());
    Parcourir(&a, QStringLiteral("Etape0Accueil, retour possible"));
    QTest::mouseClick(a.PageAccueil()->ButtonRetour, Qt::LeftButton);
    TDialogueRetour* fenetre = a.PageAccueil()->DialogueRetour();
    QVERIFY(fenetre != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(fenetre));
    Parcourir(fenetre, QStringLiteral("retour"));
}

// Both print previews: the report of a change and the journal's.
void TestAccessibilite::apercus() {
    PlateformeScriptee plateforme;
    TApercuRapportTransition rapport;
    QTimer::singleShot(0, [&rapport] {
        QVERIFY(rapport.Apercu() != nullptr);
        RaccourcisDeLApercu(rapport.Apercu(), QStringLiteral("rapport du changement"));
        rapport.Apercu()->reject();
    });
    rapport.Previsualiser(nullptr);
    TImprimeJournal journal;
    QTimer::singleShot(0, [&journal] {
        QVERIFY(journal.Apercu() != nullptr);
        RaccourcisDeLApercu(journal.Apercu(), QStringLiteral("rapport du journal"));
        journal.Apercu()->reject();
    });
    journal.Previsualiser();
}

// The wizard keeps its usual size where the screen has room, and fits a smaller one: never beyond the
// screen, its pages scrolling.
void TestAccessibilite::petitEcran() {
    EnvironnementAssistant env;
    TFAssistantNouvelleAnnee& a = *env.Assistant;
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a));
    const QSize place = a.screen()->availableGeometry().size();
    QCOMPARE(a.size(), QSize(802, 506).boundedTo(place));
    QVERIFY(a.minimumSize().width() < 802 && a.minimumSize().height() < 506);
    a.resize(a.minimumSize());
    QCoreApplication::processEvents();
    QCOMPARE(a.size(), a.minimumSize());
}

QTEST_MAIN(TestAccessibilite)
#include "test_accessibilite.moc"
