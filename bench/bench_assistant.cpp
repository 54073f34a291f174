// Benchmark of the wizard on a large school: filling it after the sign-in, and the students page at work.
//
// The benchmarks' school of N students (default 20,000; EcoleGeneree.h) is generated in the closing year's
// database bd_2025_2026, its first class (6E-1) holding 2,000 of them. Then, K times (default 5):
//   - filling: everything an accepted sign-in does before the wizard shows (the change opened: configuration,
//     every student with its decision and series; the wizard made and its lists filled, every student
//     listed, ticked), beside the time the mariadb command-line client takes to fetch the rows of the same
//     student statement (its process start included, as the floor);
//   - first display: the student list, every student listed and ticked, laid out and painted;
//   - a filter change on the students page (new classes read, the list refilled);
//   - "&Valider" with 2,000 ticked students (the large class), the list refilled after it;
//   - one press of "Proposer une répartition" over the whole school.
// It prints every figure, the medians, the peak resident memory, and one verdict line per goal.
//
//   bench_assistant [--repetitions K] [N]
//
// It uses the tests' private server (127.0.0.1, port SOLVANE_DB_PORT, 33307 unless set) and owns its
// databases while it runs: never run it while tests run on that server.
#include "EcoleGeneree.h"
#include "OutilsBench.h"
#include "core/data/OBDataModuleU.h"
#include "core/transition/ChangementAnnee.h"
#include "gui/wizard/ListeCochee.h"
#include "gui/wizard/PageEleves.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"
#include "support/BaseDeTest.h"
#include "support/PlateformeScriptee.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

const QString Ancienne = QStringLiteral("bd_2025_2026");
constexpr int GrandeClasse = 2000;

// Peak and current resident memory of this process, in MB.
std::pair<double, double> Memoire() {
    QFile statut(QStringLiteral("/proc/self/status"));
    double pic = 0, courante = 0;
    if (statut.open(QIODevice::ReadOnly))
        for (const QByteArray& ligne : statut.readAll().split('\n')) {
            const auto valeur = [&ligne] {
                return ligne.simplified().split(' ').value(1).toDouble() / 1024.0;
            };
            if (ligne.startsWith("VmHWM:"))
                pic = valeur();
            else if (ligne.startsWith("VmRSS:"))
                courante = valeur();
        }
    return {pic, courante};
}

// The student statement through the mariadb client, rows fetched and thrown away: process start to end.
double Plancher() {
    const QString requete = QStringLiteral(
        "SELECT P.mat, P.nom, P.pnom, P.nat, P.tel, P.adr, E.mat_nationnal AS IdUnique, E.pere, E.mere, "
        "E.tuteur, "
        "E.orientation_serie, IF(INSTR(D.decision, 'Redouble') > 0, 'R', IF((INSTR(D.decision, 'Promu') > 0) "
        "AND "
        "(INSTR(D.decision, 'Exclu') > 0 ), 'PE' , IF(INSTR(D.decision, 'Exclu') > 0, 'E', 'P'))) AS "
        "decision, "
        "E.enregistre_par, E.lnais, E.dnais, E.idclasse, E.sexe, E.mat_nationnal FROM personne P INNER JOIN "
        "eleve "
        "E ON E.mat = P.mat INNER JOIN decision D ON D.mat = E.mat ORDER BY P.nom ASC, P.pnom ASC");
    QProcess client;
    client.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    client.start(ClientMariadb(), ArgumentsClient() << Ancienne << QStringLiteral("-e") << requete);
    if (!client.waitForFinished(120000) || client.exitCode() != 0)
        Arreter(QStringLiteral("the mariadb client failed: ") +
                QString::fromUtf8(client.readAllStandardError()));
    return Millisecondes(t.nsecsElapsed());
}

void Choisir(QComboBox* boite, int index) {
    boite->setCurrentIndex(index);
    emit boite->activated(index);
}

} // namespace

int main(int argc, char* argv[]) {
    // The wizard is timed off screen where there is no display to show it on.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    int repetitions = 5;
    int n = 20000;
    const QStringList arguments = QCoreApplication::arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--repetitions") && i + 1 < arguments.size())
            repetitions = arguments[++i].toInt();
        else
            n = arguments[i].toInt();
    }
    if (repetitions < 1 || n < 2100) {
        QTextStream(stderr) << "usage: bench_assistant [--repetitions K] [N >= 2100]" << Qt::endl;
        return 2;
    }

    BaseDeTest base;
    PlateformeScriptee plateforme;
    Suivi(QStringLiteral("generating a school of %1 students...").arg(n));
    for (const QString& instruction : InstructionsEcole(Taille(n, GrandeClasse)))
        base.Executer(instruction, Ancienne);
    TOBDataModule module;
    ServeurDeTest::Configurer(module.OBSQLConnection, Ancienne);
    ServeurDeTest::Configurer(module.OBOrbelanSQLConnection, QStringLiteral("korven"));

    std::vector<double> remplissages, planchers, affichages, filtres, validations, propositions;
    for (int r = 0; r < repetitions; ++r) {
        TDemarrage demarrage;
        demarrage.AnneeCourante = QStringLiteral("2025/2026");
        // Program and floor take turns at going first.
        if (r % 2 == 1)
            planchers.push_back(Plancher());
        QElapsedTimer t;
        t.start();
        std::unique_ptr<TChangementAnnee> changement;
        std::unique_ptr<TFAssistantNouvelleAnnee> fenetre;
        try {
            changement = TChangementAnnee::Ouvrir(demarrage, QStringLiteral("admin"), QString());
            fenetre = std::make_unique<TFAssistantNouvelleAnnee>(*changement);
            fenetre->Remplir();
        } catch (const EKorven& e) {
            Arreter(e.Message());
        }
        remplissages.push_back(Millisecondes(t.nsecsElapsed()));
        if (r % 2 == 0)
            planchers.push_back(Plancher());
        TFAssistantNouvelleAnnee& assistant = *fenetre;
        TPageEleves& page = *assistant.PageEleves();

        // First display: the list as the sign-in left it, every student ticked, laid out and painted.
        t.start();
        page.ListeEleves->show();
        page.ListeEleves->Liste->repaint();
        QCoreApplication::processEvents();
        affichages.push_back(Millisecondes(t.nsecsElapsed()));
        if (page.ListeEleves->Modele->Nombre() != n || page.ListeEleves->Modele->NombreCoches() != n) {
            Arreter(QStringLiteral("the list does not hold every student ticked"));
        }

        // The large class: 6E-1, of the Sixième of the francophone section.
        assistant.show();
        assistant.next();
        assistant.next();
        Choisir(page.ComboBoxElevesSection,
                page.ComboBoxElevesSection->findText(QStringLiteral("Section francophone")));
        Choisir(page.ComboBoxElevesNiveau, page.ComboBoxElevesNiveau->findText(QStringLiteral("Sixième")));
        Choisir(page.ComboBoxElevesAncienneClasse,
                page.ComboBoxElevesAncienneClasse->findText(QStringLiteral("Classe 6E-1")));
        t.start();
        Choisir(page.ComboBoxElevesPromusRedoublantsExclus, 0);
        QCoreApplication::processEvents();
        filtres.push_back(Millisecondes(t.nsecsElapsed()));
        const int lignes = page.ListeEleves->Modele->Nombre();
        page.ListeEleves->Modele->CocherTout(true);
        page.ListeEleves->MettreBoiteAJour();
        t.start();
        emit page.ButtonElevesValider->clicked();
        QCoreApplication::processEvents();
        validations.push_back(Millisecondes(t.nsecsElapsed()));
        if (lignes != GrandeClasse || changement->Placement().size() != GrandeClasse) {
            Arreter(QStringLiteral("the large class lists %1 students, %2 placed; expected %3")
                        .arg(lignes)
                        .arg(changement->Placement().size())
                        .arg(GrandeClasse));
        }
        // One press of "Proposer une répartition" over the whole school.
        const qsizetype avant = changement->Placement().size();
        t.start();
        emit page.ButtonProposer->clicked();
        propositions.push_back(Millisecondes(t.nsecsElapsed()));
        if (changement->Placement().size() <= avant) {
            Arreter(QStringLiteral("the proposal placed nobody"));
        }
        assistant.hide();
        Suivi(QStringLiteral("run %1 of %2").arg(r + 1).arg(repetitions));
    }

    const auto ligne = [](const char* quoi, const std::vector<double>& v) {
        Sortie() << QStringLiteral("  %1").arg(QString::fromUtf8(quoi), -44);
        for (double x : v)
            Sortie() << QStringLiteral("%1").arg(x, 9, 'f', 1);
        Sortie() << QStringLiteral("   median %1 ms").arg(Mediane(v), 0, 'f', 1) << Qt::endl;
    };
    Sortie() << "Wizard on a school of " << n << " students (" << repetitions << " runs, ms)" << Qt::endl;
    ligne("filling after sign-in", remplissages);
    ligne("mariadb client, same student statement", planchers);
    ligne("first display (every student ticked)", affichages);
    ligne("filter change (list refilled)", filtres);
    ligne("Valider, 2,000 ticked", validations);
    ligne("Proposer une répartition, one press", propositions);
    const auto [pic, courante] = Memoire();
    Sortie() << QStringLiteral("  resident memory: peak %1 MB, now %2 MB")
                    .arg(pic, 0, 'f', 0)
                    .arg(courante, 0, 'f', 0)
             << Qt::endl;

    const double ratio = Mediane(remplissages) / Mediane(planchers);
    const auto verdict = [](bool tenu, const QString& texte) {
        Sortie() << (tenu ? "  met     " : "  MISSED  ") << texte << Qt::endl;
    };
    Sortie() << "Goals (load average " << ChargeMachine() << ")" << Qt::endl;
    verdict(ratio <= 1.15, QStringLiteral("filling <= 1.15x the client: %1 ms against %2 ms, %3x")
                               .arg(Mediane(remplissages), 0, 'f', 1)
                               .arg(Mediane(planchers), 0, 'f', 1)
                               .arg(ratio, 0, 'f', 2));
    verdict(Mediane(affichages) < 1000,
            QStringLiteral("first display < 1 s: %1 ms").arg(Mediane(affichages), 0, 'f', 1));
    verdict(Mediane(filtres) < 100,
            QStringLiteral("filter change < 100 ms: %1 ms").arg(Mediane(filtres), 0, 'f', 1));
    verdict(Mediane(validations) < 100,
            QStringLiteral("Valider of 2,000 < 100 ms: %1 ms").arg(Mediane(validations), 0, 'f', 1));
    verdict(Mediane(propositions) < 200,
            QStringLiteral("a proposal press < 200 ms: %1 ms").arg(Mediane(propositions), 0, 'f', 1));
    verdict(pic < 300, QStringLiteral("resident memory < 300 MB: peak %1 MB").arg(pic, 0, 'f', 0));
    return 0;
}
