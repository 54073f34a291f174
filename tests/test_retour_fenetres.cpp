// Taking the last change back through the windows: the welcome page offers it only when it can be done; its
// window lists what goes (rows per table, the master table's two rows), previews it without writing, runs it
// on a thread of its own (nothing can be pressed or closed meanwhile) and ends as a change does (the closing
// box, the restart); a refused undo says why, changes nothing and lets the user close the window.
#include "core/transition/ChangementAnnee.h"
#include "gui/wizard/PageAccueil.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"
#include "gui/wizard/dialogs/DialogueRetour.h"
#include "support/EnvironnementRetour.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString Nouvelle = QStringLiteral("bd_2026_2027");

// The tree's line for a table of the new year's database: rows, removed, given back.
QString LigneTable(const QTreeWidget* arbre, const QString& table) {
    for (int i = 0; i < arbre->topLevelItemCount(); ++i)
        for (int j = 0; j < arbre->topLevelItem(i)->childCount(); ++j) {
            const QTreeWidgetItem* e = arbre->topLevelItem(i)->child(j);
            if (e->text(0) == table)
                return QStringList{e->text(1), e->text(2), e->text(3)}.join(QLatin1Char('/'));
        }
    return QStringLiteral("absente");
}

bool Attendre(const TDialogueRetour& d) {
    return QTest::qWaitFor([&d] { return !d.ExecutionEnCours(); }, 120000);
}

} // namespace

class TestRetourFenetres : public QObject {
    Q_OBJECT

private slots:
    void boutonSeulementQuandPossible();
    void verifierPuisRevenir();
    void refusSansRienChanger();
};

// No change recorded (the year opened by hand): no button. After a change: the button, with the year it
// goes back to and a letter of its own.
void TestRetourFenetres::boutonSeulementQuandPossible() {
    EnvironnementRetour env;
    {
        auto changement = env.ChangementNouvelleAnnee();
        TFAssistantNouvelleAnnee assistant(*changement);
        QVERIFY(!changement->Retour().Possible());
        QVERIFY(!assistant.PageAccueil()->ButtonRetour->isVisibleTo(&assistant));
    }
    QVERIFY(env.Changer());
    QVERIFY(EnvironnementRetour::SeConnecter(QStringLiteral("admin"), QStringLiteral("a")));
    auto changement = env.ChangementNouvelleAnnee();
    TFAssistantNouvelleAnnee assistant(*changement);
    assistant.show();
    QPushButton* bouton = assistant.PageAccueil()->ButtonRetour;
    QVERIFY(bouton->isVisible());
    QCOMPARE(bouton->text(), QStringLiteral("R&evenir à l'année 2025/2026..."));
}

// The window lists what goes; "Vérifier" writes nothing; "Revenir" runs on a thread of its own, the window
// refusing to close meanwhile, then the closing box and the restart: korven and the new year as before the
// change.
void TestRetourFenetres::verifierPuisRevenir() {
    EnvironnementRetour env;
    const QStringList avant = env.Base.Empreinte(QStringLiteral("korven")) + env.Base.Empreinte(Nouvelle);
    QVERIFY(env.Changer());
    QVERIFY(EnvironnementRetour::SeConnecter(QStringLiteral("admin"), QStringLiteral("a")));
    auto changement = env.ChangementNouvelleAnnee();
    TFAssistantNouvelleAnnee assistant(*changement);
    assistant.show();
    TPageAccueil& accueil = *assistant.PageAccueil();
    QTest::mouseClick(accueil.ButtonRetour, Qt::LeftButton);
    QVERIFY(accueil.DialogueRetour() != nullptr);
    TDialogueRetour& d = *accueil.DialogueRetour();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(d.ButtonRevenir->text(), QStringLiteral("&Revenir à l'année 2025/2026"));
    QVERIFY(d.ButtonRevenir->isEnabled());
    QCOMPARE(LigneTable(d.ArbreRetour, QStringLiteral("eleve")), QStringLiteral("3/3/0"));
    QCOMPARE(LigneTable(d.ArbreRetour, QStringLiteral("parametres")), QStringLiteral("3/0/2"));
    QCOMPARE(LigneTable(d.ArbreRetour, QStringLiteral("journal")), QStringLiteral("2/2/0"));
    QVERIFY(d.ArbreRetour
                ->findItems(QStringLiteral("2026/2027 : retirée"), Qt::MatchStartsWith | Qt::MatchRecursive)
                .size() == 1);
    // Enter does not take the year back.
    QTest::keyClick(&d, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([&accueil] { return accueil.DialogueRetour() == nullptr; }, 5000));
    QCOMPARE(env.Base.Valeur(QStringLiteral("SELECT COUNT(*) FROM eleve"), Nouvelle).toInt(), 3);

    QTest::mouseClick(accueil.ButtonRetour, Qt::LeftButton);
    TDialogueRetour& e = *accueil.DialogueRetour();
    const QStringList apres = env.EmpreinteToutes();
    QTest::mouseClick(e.ButtonVerifier, Qt::LeftButton);
    QVERIFY(!e.ButtonRevenir->isEnabled());
    QVERIFY(Attendre(e));
    QVERIFY2(e.LabelProgression->text().contains(QStringLiteral("rien n'a été enregistré")),
             qPrintable(e.LabelProgression->text()));
    QCOMPARE(env.EmpreinteToutes(), apres);
    QVERIFY(env.Boites().isEmpty());

    QTest::mouseClick(e.ButtonRevenir, Qt::LeftButton);
    QVERIFY(e.ExecutionEnCours());
    QVERIFY(!e.ButtonAnnuler->isEnabled());
    QVERIFY(!e.close());
    QVERIFY(Attendre(e));
    QCOMPARE(env.Boites(),
             QStringList{BoiteFinRetour(QStringLiteral("2025/2026"), QStringLiteral("2026/2027"))});
    QCOMPARE(env.Plateforme.Evenements.constLast(), QStringLiteral("Redémarrage"));
    QCOMPARE(e.ProgressBarRetour->value(), e.ProgressBarRetour->maximum());
    QCOMPARE(env.Base.Empreinte(QStringLiteral("korven")) + env.Base.Empreinte(Nouvelle), avant);
}

// A row written into the new year after the window opened: "Revenir" is refused with the table named,
// nothing changes, the window can be closed and the undo is no longer offered in it.
void TestRetourFenetres::refusSansRienChanger() {
    EnvironnementRetour env;
    QVERIFY(env.Changer());
    auto changement = env.ChangementNouvelleAnnee();
    TFAssistantNouvelleAnnee assistant(*changement);
    assistant.show();
    QTest::mouseClick(assistant.PageAccueil()->ButtonRetour, Qt::LeftButton);
    TDialogueRetour& d = *assistant.PageAccueil()->DialogueRetour();
    env.Base.Executer(
        QStringLiteral("INSERT INTO parametres (nom, valeur_text) VALUES ('AJOUT', 'N''Guessan')"), Nouvelle);
    const QStringList avant = env.EmpreinteToutes();
    QTest::mouseClick(d.ButtonRevenir, Qt::LeftButton);
    QVERIFY(Attendre(d));
    QCOMPARE(env.Boites().size(), 1);
    QVERIFY2(env.Boites().constFirst().contains(QStringLiteral("parametres")),
             qPrintable(env.Boites().constFirst()));
    QVERIFY(env.Boites().constFirst().endsWith(QStringLiteral("Rien n'a été modifié.")));
    QVERIFY(!env.Plateforme.Evenements.contains(QStringLiteral("Redémarrage")));
    QCOMPARE(env.EmpreinteToutes(), avant);
    QVERIFY(!d.ButtonRevenir->isEnabled());
    QVERIFY(d.LabelResume->text().contains(QStringLiteral("parametres")));
    QVERIFY(d.ButtonAnnuler->isEnabled());
    QVERIFY(d.close());
}

QTEST_MAIN(TestRetourFenetres)
#include "test_retour_fenetres.moc"
