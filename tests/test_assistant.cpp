// The wizard window around the year transition: its finish and cancel buttons.
#include "gui/wizard/UAssistantNouvelleAnnee.h"
#include "support/EnvironnementTransition.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>

namespace {

const QString Nouvelle = QStringLiteral("bd_2026_2027");
const QString Donnees = QStringLiteral(SOLVANE_TEST_DATA "/transition.sql");
const QStringList& BoitesCompletes = EnvironnementTransition::BoitesCompletes;

} // namespace

class TestAssistant : public QObject {
    Q_OBJECT

private slots:
    void boutonTerminer();
    void boutonAnnuler();
};

// "&Terminer" on the wizard's last page runs the transition with the wizard's values and shows the steps;
// after a failure the wizard stays open with the button usable again.
void TestAssistant::boutonTerminer() {
    EnvironnementTransition env(Donnees);
    TFAssistantNouvelleAnnee assistant;
    assistant.AnneeCourante = QStringLiteral("2025/2026");
    assistant.Serveur = ServeurDeTest::Hote();
    assistant.Port = ServeurDeTest::Port();
    assistant.Utilisateur = ServeurDeTest::Utilisateur();
    assistant.MotDePasse = QStringLiteral("mauvais");
    assistant.NomEtablissement = QStringLiteral("Collège d'Akwa");
    assistant.Login = QStringLiteral("admin");
    assistant.EditAnneeScolaire->setText(QStringLiteral("2026/2027"));
    env.AjouterEleve(QStringLiteral("E001"), QStringLiteral("Ndoumbè"), QStringLiteral("Éloïse"),
                     QStringLiteral("6A"));
    assistant.DictionnaireEleves = std::move(env.Eleves);
    assistant.DictionnaireElevesNew = env.Placement;
    assistant.show();
    // Welcome, elements, students (every student placed: no question), last page.
    assistant.next();
    assistant.next();
    assistant.next();
    QCOMPARE(assistant.currentPage()->objectName(), QStringLiteral("Etape8Fin"));
    QAbstractButton* terminer = assistant.button(QWizard::FinishButton);
    QCOMPARE(terminer->text(), QStringLiteral("&Terminer"));

    QTest::mouseClick(terminer, Qt::LeftButton);
    QCOMPARE(env.Boites().size(), 1);
    QVERIFY(env.Boites().first().startsWith(
        QStringLiteral("Impossible de se connecter à la base de données : \r\n")));
    QVERIFY(assistant.isVisible());
    QVERIFY(terminer->isEnabled());
    QCOMPARE(assistant.NouvelleBD, Nouvelle);

    assistant.MotDePasse = ServeurDeTest::MotDePasse();
    env.Plateforme.Vider();
    QTest::mouseClick(terminer, Qt::LeftButton);
    QCOMPARE(env.Boites(), BoitesCompletes);
    QVERIFY(assistant.LabelProgression->text().startsWith(QStringLiteral("Étape 48 sur 48")));
    QCOMPARE(assistant.ProgressBarTransition->value(), 48);
    QCOMPARE(env.Base.Lignes(QStringLiteral("SELECT mat, idclasse FROM eleve"), Nouvelle),
             QStringList{QStringLiteral("E001|6A")});
    QCOMPARE(env.Plateforme.Evenements.constLast(), QStringLiteral("Redémarrage"));
}

// "Annuler" ends the application and writes nothing.
void TestAssistant::boutonAnnuler() {
    EnvironnementTransition env(Donnees);
    const QStringList avant = env.Empreinte();
    TFAssistantNouvelleAnnee assistant;
    assistant.show();
    assistant.next();
    QTest::mouseClick(assistant.button(QWizard::CancelButton), Qt::LeftButton);
    QVERIFY(env.Plateforme.Terminee);
    QVERIFY(env.Boites().isEmpty());
    QVERIFY(!assistant.isVisible());
    QCOMPARE(env.Empreinte(), avant);
}

QTEST_MAIN(TestAssistant)
#include "test_assistant.moc"
