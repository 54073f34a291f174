// Filling the wizard after an accepted sign-in, against the real server: what the wizard holds, the school
// states it must cope with, every failure (the login window stays usable and the attempt counts), and the
// whole road through the windows: sign in, place students, "&Terminer", the new year.
#include "base/TitreApplication.h"
#include "core/transition/ChangementAnnee.h"
#include "gui/Fenetres.h"
#include "gui/login/Upassword.h"
#include "gui/wizard/ListeCochee.h"
#include "gui/wizard/PageEleves.h"
#include "gui/wizard/PageFin.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"
#include "support/EnvironnementAssistant.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

using Env = EnvironnementAssistant;
const QString Ancienne = QStringLiteral("bd_2025_2026");
const QString Nouvelle = QStringLiteral("bd_2026_2027");
const QString Legende = QStringLiteral(" -- Assistant d'activation d'une nouvelle année scolaire");

// The windows as the program makes them, started on a configuration file that reaches the tests' server.
class Application {
public:
    explicit Application(BaseDeTest& base) {
        qputenv("KORVEN_SYSTEM_DIR", dossier_.path().toUtf8());
        BaseDeTest::EcrireConfigurationValide(dossier_.path());
        DefinirTitreApplication(QStringLiteral("Solvane"));
        Login().show();
        Login().Timer1Timer();
        if (!QTest::qWaitFor([this] { return !Login().VerificationEnCours(); }, 120000))
            qWarning("the start-up check did not end");
        Q_UNUSED(base);
    }

    TPassword& Login() { return fenetres_.Login(); }
    TFAssistantNouvelleAnnee* Assistant() { return fenetres_.Assistant(); }

    void Valider(const QString& login, const QString& motDePasse) {
        Login().EditLogin->setText(login);
        Login().EditPassword->setText(motDePasse);
        QTest::mouseClick(Login().BitBtn1, Qt::LeftButton);
    }

private:
    QTemporaryDir dossier_;
    TFenetres fenetres_;
};

} // namespace

class TestRemplissage : public QObject {
    Q_OBJECT

private slots:
    void ecoleComplete();
    void etatsDeLEcole_data();
    void etatsDeLEcole();
    void echecs_data();
    void echecs();
    void deBoutEnBout();
};

// The change a sign-in opens and the wizard made on it: maps, list, new year, caption; nothing placed.
void TestRemplissage::ecoleComplete() {
    Env env(false);
    DefinirTitreApplication(QStringLiteral("Solvane - Lycée d'Essos"));
    env.Remplir();
    const TChangementAnnee& c = *env.Changement;
    QCOMPARE(c.DictionnaireEleves().size(), size_t(12));
    QCOMPARE(c.Decisions().size(), 12);
    QVERIFY(c.Placement().isEmpty());
    QCOMPARE(c.Ordre().size(), 12);
    QCOMPARE(env.Lignes().size(), 12);
    QCOMPARE(env.Lignes().at(8), QStringLiteral("[S02] - N'Guessan Éloïse"));
    QCOMPARE(env.Eleves().CheckBoxElevesSelectionner->checkState(), Qt::Checked);
    QCOMPARE(c.NouvelleAnnee(), QStringLiteral("2026/2027"));
    QCOMPARE(env.Assistant->windowTitle(), QStringLiteral("Solvane - Lycée d'Essos") + Legende);
    QVERIFY(env.Plateforme.Evenements.isEmpty());
}

// Schools the filling must cope with: the wizard is filled all the same.
void TestRemplissage::etatsDeLEcole_data() {
    QTest::addColumn<QString>("preparation");
    QTest::addColumn<int>("eleves");
    QTest::addColumn<int>("sections");
    QTest::newRow("aucun élève") << QStringLiteral("DELETE FROM decision") << 0 << 3;
    QTest::newRow("aucune section") << QStringLiteral("DELETE FROM section") << 12 << 0;
    QTest::newRow("configuration vide") << QStringLiteral("DELETE FROM configuration") << 12 << 3;
}

void TestRemplissage::etatsDeLEcole() {
    QFETCH(QString, preparation);
    QFETCH(int, eleves);
    QFETCH(int, sections);
    Env env(false);
    env.Base.Executer(preparation, Ancienne);
    env.Remplir();
    const TPageEleves& e = env.Eleves();
    QCOMPARE(int(env.Changement->DictionnaireEleves().size()), eleves);
    QCOMPARE(env.Lignes().size(), eleves);
    QCOMPARE(e.CheckBoxElevesSelectionner->checkState(), eleves > 0 ? Qt::Checked : Qt::Unchecked);
    QCOMPARE(e.ComboBoxElevesSection->count(), sections);
    if (sections == 0) {
        QCOMPARE(e.ComboBoxElevesNiveau->count(), 0);
        QCOMPARE(e.ComboBoxElevesAncienneClasse->count(), 0);
        QCOMPARE(e.ComboBoxElevesNouvelleClasse->count(), 0);
    }
    QCOMPARE(env.Changement->NouvelleAnnee(), QStringLiteral("2026/2027"));
    // The wizard goes on to its students page.
    env.AllerAuxEleves();
    QVERIFY(env.Plateforme.Messages().isEmpty());
}

// A failure while filling: its text in an error box, the wizard not shown, the login window visible and
// usable; the attempt counted, and a new validation is a new attempt.
void TestRemplissage::echecs_data() {
    QTest::addColumn<QString>("preparation");
    QTest::addColumn<QString>("message"); // the start of the text shown
    QTest::newRow("série inconnue") << QStringLiteral(
                                           "UPDATE eleve SET orientation_serie = 7 WHERE mat = 'S13'")
                                    << QStringLiteral("Aucune série trouvée avec l'identifiant 7");
    QTest::newRow("décision en double")
        << QStringLiteral("INSERT INTO decision (mat, decision) VALUES ('S01', 'Promu')")
        << QStringLiteral("L'élève de matricule S01 a plus d'une décision");
    QTest::newRow("colonne absente") << QStringLiteral("ALTER TABLE configuration DROP COLUMN heure_du_edt")
                                     << QStringLiteral("Unknown column 'heure_du_edt'");
    QTest::newRow("code d'année sans année suivante") << QStringLiteral("code") << QStringLiteral("'2O26'");
}

void TestRemplissage::echecs() {
    QFETCH(QString, preparation);
    QFETCH(QString, message);
    BaseDeTest base;
    PlateformeScriptee plateforme;
    if (preparation == QLatin1String("code")) {
        // A year whose code has no following year: its own database, with its sign-in rows.
        base.CreerBaseAnnee(QStringLiteral("bd_2025_2O26"));
        base.Executer(
            QStringLiteral("INSERT INTO korven.annee_scolaire (code, active, nom_etablissement) VALUES "
                           "('2025/2O26', '1', 'Lycée d''Essos')"));
        base.Executer(QStringLiteral("INSERT INTO utilisateur (login, pass, etat, nom) VALUES ('admin', "
                                     "SHA1('Admin2026'), '1', 'Administratrice')"),
                      QStringLiteral("bd_2025_2O26"));
        base.Executer(QStringLiteral("INSERT INTO droits VALUES ('admin', 'ACTIVER_ANNEE_SCOLAIRE')"),
                      QStringLiteral("bd_2025_2O26"));
    } else {
        base.ExecuterFichier(QStringLiteral(SOLVANE_TEST_DATA "/assistant.sql"), Ancienne);
        base.Executer(preparation, Ancienne);
    }
    Application application(base);
    application.Valider(QStringLiteral("admin"), QStringLiteral("Admin2026"));
    const QStringList messages = plateforme.Messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().startsWith(message) || messages.first().contains(message),
             qPrintable(messages.first()));
    QVERIFY(!plateforme.Terminee);
    QVERIFY(application.Login().isVisible());
    QVERIFY(application.Login().EditLogin->isEnabled());
    QVERIFY(application.Assistant() == nullptr);
    QCOMPARE(application.Login().NombreEssais, 1);

    application.Valider(QStringLiteral("admin"), QStringLiteral("Admin2026"));
    QCOMPARE(application.Login().NombreEssais, 2);
    QCOMPARE(plateforme.Messages().size(), 2);
    QVERIFY(application.Assistant() == nullptr);
}

// The whole road through the windows: sign in, place the students of two classes with different decisions,
// "&Terminer"; the new year holds those students in their classes, with their photos and instalments, and
// is the active year.
void TestRemplissage::deBoutEnBout() {
    BaseDeTest base;
    PlateformeScriptee plateforme;
    base.ExecuterFichier(QStringLiteral(SOLVANE_TEST_DATA "/assistant.sql"), Ancienne);
    Application application(base);
    plateforme.Reponses = {true}; // "ignorer ces élèves ?" Oui

    bool parcouru = false;
    QString apercu;
    QTimer::singleShot(0, &application.Login(), [&application, &parcouru, &apercu] {
        QVERIFY(application.Assistant() != nullptr);
        TFAssistantNouvelleAnnee& a = *application.Assistant();
        TPageEleves& e = *a.PageEleves();
        QVERIFY(a.isVisible());
        QVERIFY(!application.Login().isVisible());
        QTest::mouseClick(a.button(QWizard::NextButton), Qt::LeftButton);
        QTest::mouseClick(a.button(QWizard::NextButton), Qt::LeftButton);
        QCOMPARE(a.currentId(), int(TFAssistantNouvelleAnnee::Etape8Eleves));
        const auto cliquer = [](QWidget* w) {
            QCoreApplication::processEvents();
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
        };
        // 6A: the promoted go to 5B, the repeaters stay in 6A.
        Env::Choisir(e.ComboBoxElevesSection, QStringLiteral("Section francophone"));
        Env::Choisir(e.ComboBoxElevesPromusRedoublantsExclus, QStringLiteral("Promus"));
        Env::Choisir(e.ComboBoxElevesNouvelleClasse, QStringLiteral("[5B] - Cinquième B"));
        cliquer(e.CheckBoxElevesSelectionner);
        cliquer(e.ButtonElevesValider);
        Env::Choisir(e.ComboBoxElevesPromusRedoublantsExclus, QStringLiteral("Redoublants"));
        Env::Choisir(e.ComboBoxElevesNouvelleClasse, QStringLiteral("[6A] - Sixième A"));
        cliquer(e.CheckBoxElevesSelectionner);
        cliquer(e.ButtonElevesValider);
        // 3A, an examination level: everyone to 2NDC.
        Env::Choisir(e.ComboBoxElevesNiveau, QStringLiteral("Troisième"));
        Env::Choisir(e.ComboBoxElevesPromusRedoublantsExclus, QStringLiteral("Ignorer"));
        Env::Choisir(e.ComboBoxElevesNouvelleClasse, QStringLiteral("[2NDC] - Seconde C"));
        cliquer(e.CheckBoxElevesSelectionner);
        cliquer(e.ButtonElevesValider);
        QCOMPARE(application.Assistant()->PageFin() != nullptr, true);

        cliquer(a.button(QWizard::NextButton));
        QCOMPARE(a.currentId(), int(TFAssistantNouvelleAnnee::Etape8Fin));
        // Once committed, the run's report comes in its print preview, closed here.
        auto* guet = new QTimer(&a);
        guet->setInterval(20);
        QObject::connect(guet, &QTimer::timeout, [guet, &apercu] {
            QWidget* fenetre = QApplication::activeModalWidget();
            if (fenetre == nullptr || fenetre->objectName() != QLatin1String("ApercuRapportTransition"))
                return;
            guet->stop();
            apercu = fenetre->windowTitle();
            qobject_cast<QDialog*>(fenetre)->reject();
        });
        guet->start();
        cliquer(a.button(QWizard::FinishButton));
        QVERIFY(QTest::qWaitFor([&a] { return !a.PageFin()->ExecutionEnCours(); }, 120000));
        // The transition has run; the wizard is closed as the restart would.
        QTest::keyClick(&a, Qt::Key_Escape);
        parcouru = true;
    });
    application.Valider(QStringLiteral("admin"), QStringLiteral("Admin2026"));
    QVERIFY(parcouru);
    QCOMPARE(apercu, QStringLiteral("Rapport du changement d'année scolaire"));
    // The report came between the last copy's box and the closing one.
    const qsizetype fin = plateforme.Evenements.indexOf(
        QStringLiteral("Information: Le processus de changement d'année scolaire est à présent terminé.\r\n"
                       "L'application va être redémarrée."));
    QVERIFY(fin > 0);
    QCOMPARE(plateforme.Evenements.count(QStringLiteral("Redémarrage")), 1);
    QVERIFY(
        !plateforme.Messages().join(QLatin1Char('\n')).contains(QStringLiteral("Une erreur est survenue")));

    QCOMPARE(
        base.Lignes(QStringLiteral("SELECT E.mat, E.idclasse, E.redoublant, E.en_regle, P.nom FROM eleve E "
                                   "JOIN personne P ON P.mat = E.mat ORDER BY E.mat"),
                    Nouvelle),
        QStringList({"S01|5B|0|0|Abena", "S02|5B|0|0|N'Guessan", "S03|6A|1|0|Bella", "S06|6A|1|0|Essomba",
                     "S07|5B|0|0|Abena", "S11|2NDC|0|0|Manga", "S12|2NDC|0|0|Ndzana", "S13|2NDC|0|0|Owona"}));
    QCOMPARE(base.Lignes(QStringLiteral("SELECT matricule FROM photos"), Nouvelle), QStringList{"S01"});
    QCOMPARE(base.Lignes(QStringLiteral("SELECT code, effectif FROM classe WHERE effectif > 0 ORDER BY code"),
                         Nouvelle),
             QStringList({"2NDC|3", "5B|3", "6A|2"}));
    // Two instalments of the school fee for each student of 6E and 5E.
    QCOMPARE(
        base.Lignes(QStringLiteral("SELECT MAT_ELEVE, COUNT(*), SUM(MONTANT) FROM tranche_eleve GROUP BY "
                                   "MAT_ELEVE ORDER BY MAT_ELEVE"),
                    Nouvelle),
        QStringList({"S01|2|60000", "S02|2|60000", "S03|2|60000", "S06|2|60000", "S07|2|60000"}));
    QCOMPARE(base.Lignes(QStringLiteral("SELECT code, active FROM korven.annee_scolaire ORDER BY code")),
             QStringList({"2025/2026|0", "2026/2027|1"}));
    QCOMPARE(base.Valeur(QStringLiteral("SELECT COUNT(*) FROM journal WHERE operation = 'Ajout'"), Nouvelle)
                 .toInt(),
             1);
}

QTEST_MAIN(TestRemplissage)
#include "test_remplissage.moc"
