// Benchmark of the year transition on generated schools.
//
// For every size N, a school of N students is generated in the closing year's database bd_2025_2026 (about
// 40 students a class, one member of staff for 20 students, fees per level), the students are read into
// records and each is placed in its own class for the new year. The whole transition then runs with the
// message boxes answered at once, and every step is timed from its progress report to the next one.
//
// The floor is the server's own cost of the same work: the statements of a run, captured as they were sent
// (parameters written in as literals) on the year connection, are sent again from a file by the mariadb
// command-line client, inside the same transaction; what the program reads on the master connection's own
// session (the server's clock, what the new year's tables held before the change) is its own cost. The new
// year's database and the master table are put back as they were before every run, and both rounds are
// checked to leave the same rows behind. Each counted run is then taken back (the undo of Revenir à l'année
// précédente, after the check the wizard's welcome page makes), and timed too.
//
//   bench_transition [--repetitions K] [--cluster PORT] [N ...]      default: K = 7, N = 1000 5000 20000
//
// With --cluster, the same sizes are measured again on the Galera cluster whose node 1 answers on PORT
// (scripts/db-server cluster start), the program and the client both on node 1, and the whole run and its
// commit are set beside the single server's.
//
// Each repetition runs the program once and the client twice (the whole file, timed from the process's start
// to its end, and a copy of it marked step by step, timed by the server's clock); their order alternates from
// one repetition to the next. For the whole run and for the steps where the program does its own work (the
// students it writes, and the photos and instalments that follow from them), each repetition's run is set
// against the client beside it, and the median of those ratios is the figure a goal is judged on; one
// verdict line per goal follows. Both sides send the same statements, so a ratio below 1 is the machine's
// noise and is shown as such. The program's own processor time is printed beside every step.
//
// It uses the tests' private server (127.0.0.1, port SOLVANE_DB_PORT, 33307 unless set, account solvane) and,
// like every database test, owns the databases korven and bd_* while it runs: never run it while tests run
// on that server, or give it a server of its own (scripts/db-server start with SOLVANE_DB_PORT and
// SOLVANE_DB_DIR set elsewhere). A build beside it shows in the figures: the machine's load average is
// printed with them. The statement files stay in solvane-bench beside the program (SOLVANE_BENCH_DIR to put
// them elsewhere) to be read or replayed.
#include "EcoleGeneree.h"
#include "InstructionLitterale.h"
#include "OutilsBench.h"
#include "base/KorvenUtils.h"
#include "core/data/OBDataModuleU.h"
#include "core/data/RequeteSQL.h"
#include "core/transition/ChargementEleves.h"
#include "core/transition/EtapesTransition.h"
#include "core/transition/RetourAnnee.h"
#include "support/EnvironnementRetour.h"
#include "support/EnvironnementTransition.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

const QString Ancienne = QStringLiteral("bd_2025_2026");
const QString Nouvelle = QStringLiteral("bd_2026_2027");

// Steps that open and close the transaction in the application; the client's file does the same there.
const int EtapeOuverture = NumeroEtape(TEtapeFixe::Transaction);
const int EtapeValidation = NumeroEtape(TEtapeFixe::Validation);

// Prefix of the time marks of the floor's marked file.
const QString Marque = QStringLiteral("#etape");

// ---------------------------------------------------------------------------------------------------------
// The school before and after a run
// ---------------------------------------------------------------------------------------------------------

// The master table and the new year's database as they are before a run.
void Reinitialiser(BaseDeTest& base) {
    base.CreerBaseAnnee(Nouvelle);
    base.Executer(QStringLiteral("DELETE FROM korven.annee_scolaire"));
    base.Executer(AnneesMaitre);
}

// The rows a run leaves: every table of the new year's database with its count and, but for the journal
// (which holds the time of the run), a checksum of its rows; and the years of the master table. The numbers
// a table gives its rows itself are left out of the checksum: a cluster spaces them per node, and a run
// never relies on them.
QStringList Comptes(BaseDeTest& base) {
    QStringList comptes;
    const QStringList tables =
        base.Lignes(QStringLiteral("SELECT TABLE_NAME FROM information_schema.TABLES WHERE "
                                   "TABLE_SCHEMA = '%1' ORDER BY TABLE_NAME")
                        .arg(Nouvelle));
    for (const QString& table : tables) {
        const QString nom = QStringLiteral("`%1`.`%2`").arg(Nouvelle, table);
        comptes << table + QLatin1Char('=') +
                       base.Valeur(QStringLiteral("SELECT COUNT(*) FROM %1").arg(nom)).toString();
        if (table.compare(QLatin1String("journal"), Qt::CaseInsensitive) == 0)
            continue;
        const QString autres =
            base.Valeur(QStringLiteral(
                            "SELECT GROUP_CONCAT(CONCAT('`', COLUMN_NAME, '`') ORDER BY ORDINAL_POSITION) "
                            "FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = '%1' AND TABLE_NAME = "
                            "'%2' AND EXTRA NOT LIKE '%auto_increment%'")
                            .arg(Nouvelle, table))
                .toString();
        comptes << table + QLatin1Char('#') +
                       base.Valeur(QStringLiteral("SELECT BIT_XOR(CRC32(CONCAT_WS('|', %1))) FROM %2")
                                       .arg(autres, nom))
                           .toString();
    }
    comptes << QStringLiteral("korven.annee_scolaire=") +
                   base.Lignes(QStringLiteral(
                                   "SELECT CONCAT(code, ':', active) FROM korven.annee_scolaire ORDER BY "
                                   "code"))
                       .join(QLatin1Char(','));
    return comptes;
}

// The closing year's students as the sign-in reads them for the wizard, each placed in its own class (which
// the transition creates in the new year before the students).
void PlacerLesEleves(EnvironnementTransition& env) {
    TElevesCharges charges = ChargerEleves(QStringLiteral("2025/2026"));
    env.Eleves = std::move(charges.Eleves);
    env.Placement.clear();
    for (const auto& [matricule, eleve] : env.Eleves)
        env.Placement[matricule] = eleve->GetClasse();
}

// ---------------------------------------------------------------------------------------------------------
// The statements of a run, as a file for the command-line client
// ---------------------------------------------------------------------------------------------------------

struct TInstruction {
    int Etape;
    QString Texte;
};

// What one run sent, and the steps in the order they were reported.
struct TCapture {
    QList<TInstruction> Instructions;
    QList<int> Etapes;
};

// The run's statements in their order, in the same transaction: opened where step 6 opens it, committed
// where step 46 commits. With marques, each step starts with a statement that prints the server's clock.
void EcrireFichier(const QString& chemin, const TCapture& capture, bool marques) {
    if (!capture.Etapes.contains(EtapeOuverture) || !capture.Etapes.contains(EtapeValidation))
        Arreter(QStringLiteral("the captured run neither opened nor committed its transaction"));
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate))
        Arreter(QStringLiteral("cannot write ") + chemin);
    QString texte;
    const auto horloge = [&texte, marques](int etape) {
        if (marques)
            texte +=
                QStringLiteral("SELECT '%1', %2, TIMESTAMPDIFF(MICROSECOND, '2000-01-01', SYSDATE(6));\n")
                    .arg(Marque)
                    .arg(etape);
    };
    qsizetype suivante = 0;
    for (const int etape : capture.Etapes) {
        horloge(etape);
        if (etape == EtapeOuverture)
            texte += QStringLiteral(
                "SET SESSION TRANSACTION ISOLATION LEVEL READ COMMITTED;\nSTART TRANSACTION;\n");
        for (; suivante < capture.Instructions.size() && capture.Instructions[suivante].Etape == etape;
             ++suivante)
            texte += capture.Instructions[suivante].Texte + QStringLiteral(";\n");
        if (etape == EtapeValidation)
            texte += QStringLiteral("COMMIT;\n");
    }
    horloge(0);
    if (suivante != capture.Instructions.size())
        Arreter(QStringLiteral("captured statements out of step order"));
    fichier.write(texte.toUtf8());
}

// The processor time of the child processes ended so far (user and system).
qint64 TempsEnfants() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ns = [](const timeval& t) {
        return static_cast<qint64>(t.tv_sec) * 1000000000 + static_cast<qint64>(t.tv_usec) * 1000;
    };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}

// Sends the file with the command-line client to the new year's database; returns the wall time (process
// start to end). With sortie, its standard output (tab-separated, no headers) is kept there.
qint64 EnvoyerFichier(const QString& chemin, QString* sortie, qint64* processeur = nullptr) {
    QProcess client;
    client.setProgram(ClientMariadb());
    QStringList arguments = ArgumentsClient();
    if (sortie)
        arguments << QStringLiteral("--batch") << QStringLiteral("--skip-column-names");
    arguments << Nouvelle;
    client.setArguments(arguments);
    client.setStandardInputFile(chemin);
    if (!sortie)
        client.setStandardOutputFile(QProcess::nullDevice());
    const qint64 processeurAvant = TempsEnfants();
    QElapsedTimer chrono;
    chrono.start();
    client.start();
    if (!client.waitForFinished(-1))
        Arreter(QStringLiteral("the mariadb client did not start: ") + client.errorString());
    const qint64 duree = chrono.nsecsElapsed();
    if (processeur)
        *processeur = TempsEnfants() - processeurAvant;
    if (client.exitStatus() != QProcess::NormalExit || client.exitCode() != 0)
        Arreter(QStringLiteral("the mariadb client failed on %1: %2")
                    .arg(chemin, QString::fromUtf8(client.readAllStandardError())));
    if (sortie)
        *sortie = QString::fromUtf8(client.readAllStandardOutput());
    return duree;
}

// The server-side time of every step of a marked file: from its mark to the next one.
std::map<int, qint64> DureesMarquees(const QString& sortie) {
    QList<std::pair<int, qint64>> marques;
    for (const QString& ligne : sortie.split(QLatin1Char('\n'))) {
        const QStringList colonnes = ligne.split(QLatin1Char('\t'));
        if (colonnes.size() == 3 && colonnes[0] == Marque)
            marques.append({colonnes[1].toInt(), colonnes[2].toLongLong() * 1000});
    }
    std::map<int, qint64> durees;
    for (qsizetype i = 0; i + 1 < marques.size(); ++i)
        durees[marques[i].first] = marques[i + 1].second - marques[i].second;
    return durees;
}

// ---------------------------------------------------------------------------------------------------------
// One run of the application
// ---------------------------------------------------------------------------------------------------------

// The processor time of the program (its every thread: the transition, statements included).
qint64 TempsProcesseur() {
    return static_cast<qint64>(std::clock()) * (1000000000 / CLOCKS_PER_SEC);
}

struct TMesure {
    std::map<int, qint64> Etapes;     // step number -> time until the next report (or the end)
    std::map<int, qint64> Processeur; // the same span in the program's own processor time
    qint64 Total = 0;
    qint64 ProcesseurTotal = 0;
    // Reading the figures of the run's report once it is committed, as "Terminer" does in the wizard before
    // its report shows (not part of Total, which the client's file is set against).
    qint64 Rapport = 0;
};

// Runs the whole transition on the placed students and times it. With capture, every statement sent is kept,
// and the run is not counted; the counted runs leave the statement hook empty.
TMesure ExecuterTransition(EnvironnementTransition& env, std::map<int, QString>& libelles,
                           TCapture* capture) {
    env.Plateforme.Vider();
    env.Parametres.DictionnaireEleves = &env.Eleves;
    env.Parametres.DictionnaireElevesNew = &env.Placement;
    TTransitionAnnee transition;
    QElapsedTimer chrono;
    struct TReleve {
        int Etape;
        qint64 Mur;
        qint64 Processeur;
    };
    QList<TReleve> releves;
    int etapeCourante = 0;
    transition.Progression = [&](int numero, int, const QString& libelle, int) {
        releves.append({numero, chrono.nsecsElapsed(), TempsProcesseur()});
        etapeCourante = numero;
        libelles[numero] = libelle;
        if (capture)
            capture->Etapes << numero;
    };
    if (capture)
        TSQLQuery::AvantExecution = [&](const TSQLQuery& requete) {
            // The transaction's session only: what the master connection's own session reads (the server's
            // clock, what the tables held before the change) would read other rows inside the transaction.
            if (requete.SQLConnection == OBDataModule->OBSQLConnection)
                capture->Instructions.append({etapeCourante, AvecParametres(requete)});
        };
    const qint64 processeur = TempsProcesseur();
    chrono.start();
    const bool reussi = transition.Executer(env.Parametres) == TIssueTransition::Validee;
    const qint64 fin = chrono.nsecsElapsed();
    const qint64 processeurFin = TempsProcesseur();
    TSQLQuery::AvantExecution = nullptr;
    if (!reussi || !env.Plateforme.Terminee)
        Arreter(QStringLiteral("the transition failed:\n") + env.Boites().join(QLatin1Char('\n')));
    TMesure mesure;
    mesure.Total = fin;
    mesure.ProcesseurTotal = processeurFin - processeur;
    for (qsizetype i = 0; i < releves.size(); ++i) {
        const bool derniere = i + 1 == releves.size();
        mesure.Etapes[releves[i].Etape] = (derniere ? fin : releves[i + 1].Mur) - releves[i].Mur;
        mesure.Processeur[releves[i].Etape] =
            (derniere ? processeurFin : releves[i + 1].Processeur) - releves[i].Processeur;
    }
    if (!capture) {
        QElapsedTimer rapport;
        rapport.start();
        TTransitionAnnee::BilanApresValidation(env.Parametres);
        mesure.Rapport = rapport.nsecsElapsed();
    }
    return mesure;
}

// ---------------------------------------------------------------------------------------------------------
// One size
// ---------------------------------------------------------------------------------------------------------

// The steps where the program does more than send one statement of its own text: the students it writes
// from its records, and the two heavy statements that follow from them (photos, instalments per student).
std::vector<int> Propres() {
    std::vector<int> etapes;
    for (const TEtapeCopie& e : EtapesCopie())
        if (e.Nature == TNatureEtape::Eleves || e.Nature == TNatureEtape::Fabrique ||
            e.Tables.contains(QStringLiteral("photos")))
            etapes.push_back(e.Numero);
    return etapes;
}
const std::vector<int> EtapesPropres = Propres();

int NumeroEtapeEleves() {
    for (const TEtapeCopie& e : EtapesCopie())
        if (e.Nature == TNatureEtape::Eleves)
            return e.Numero;
    return 0;
}
const int EtapeEleves = NumeroEtapeEleves();

struct TResultatTaille {
    TTaille Taille{};
    std::map<int, QString> Libelles;
    std::vector<TMesure> Runs;                  // every counted run, in order
    std::vector<std::map<int, qint64>> Marques; // every marked client run: server time per step
    std::vector<qint64> Planchers;              // every whole-file client run
    std::vector<qint64> ProcesseurClient;       // the client's processor time in each of them
    std::vector<qint64> PlanchersMarques;       // every marked client run, process start to end
    std::vector<qint64> Apercus;                // every preview ("Vérifier"), taken right before a run
    std::vector<qint64> Examens;          // every look at whether the run can be taken back, right after it
    std::vector<qint64> Retours;          // every undo of the run, right after that look
    std::map<int, qint64> Etapes;         // medians of the runs
    std::map<int, qint64> EtapesPlancher; // medians of the marked client runs
    std::map<int, qint64> Processeur;     // medians of the program's processor time
    qint64 Total = 0;
    qint64 Plancher = 0;
    qint64 ProcesseurTotal = 0;
    qint64 Generation = 0;
    qint64 Chargement = 0;
    QStringList Lignes; // rows left by a run in the main tables
    QString Fichier;
    QString ChargeAvant, ChargeApres; // the machine's load average around the measures

    qint64 MedianeRapport() const {
        std::vector<qint64> t;
        for (const TMesure& m : Runs)
            t.push_back(m.Rapport);
        return Mediane(t);
    }
    // Each preview over the run that follows it, as "Terminer" runs it (its report's figures read).
    std::vector<double> ApercuParTerminer() const {
        std::vector<double> q;
        for (size_t i = 0; i < Apercus.size() && i < Runs.size(); ++i)
            q.push_back(static_cast<double>(Apercus[i]) /
                        static_cast<double>(Runs[i].Total + Runs[i].Rapport));
        return q;
    }
    double ApercuSurTerminer() const { return Mediane(ApercuParTerminer()); }
    std::vector<qint64> Totaux() const {
        std::vector<qint64> t;
        for (const TMesure& m : Runs)
            t.push_back(m.Total);
        return t;
    }
    // Run over floor of each repetition (run and floor side by side in time), for one step or, with 0, the
    // whole run against the whole file.
    // The best run over the best floor, for one step or, with 0, the whole run against the whole file.
    // Whatever else loads the machine only adds time, so each side's best tends to its own cost; but a burst
    // of load that spares one side's best run and not the other's shows here, where the pairs compare runs
    // made side by side.
    double Meilleur(int etape) const {
        qint64 run = -1;
        qint64 plancher = -1;
        const auto garder = [](qint64& meilleur, qint64 valeur) {
            if (meilleur < 0 || valeur < meilleur)
                meilleur = valeur;
        };
        for (size_t i = 0; i < Runs.size(); ++i) {
            if (etape == 0) {
                garder(run, Runs[i].Total);
                garder(plancher, Planchers[i]);
                continue;
            }
            const auto r = Runs[i].Etapes.find(etape);
            if (r != Runs[i].Etapes.end())
                garder(run, r->second);
            const auto p = Marques[i].find(etape);
            if (p != Marques[i].end())
                garder(plancher, p->second);
        }
        return run < 0 || plancher <= 0 ? 0.0 : static_cast<double>(run) / static_cast<double>(plancher);
    }
    std::vector<double> Rapports(int etape) const {
        std::vector<double> rapports;
        for (size_t i = 0; i < Runs.size(); ++i) {
            qint64 run = Runs[i].Total;
            qint64 plancher = Planchers[i];
            if (etape != 0) {
                const auto r = Runs[i].Etapes.find(etape);
                const auto p = Marques[i].find(etape);
                if (r == Runs[i].Etapes.end() || p == Marques[i].end())
                    continue;
                run = r->second;
                plancher = p->second;
            }
            if (plancher > 0)
                rapports.push_back(static_cast<double>(run) / static_cast<double>(plancher));
        }
        return rapports;
    }
};

std::map<int, qint64> Medianes(const std::vector<std::map<int, qint64>>& series) {
    std::map<int, std::vector<qint64>> parEtape;
    for (const auto& serie : series)
        for (const auto& [etape, duree] : serie)
            parEtape[etape].push_back(duree);
    std::map<int, qint64> medianes;
    for (const auto& [etape, durees] : parEtape)
        medianes[etape] = Mediane(durees);
    return medianes;
}

TResultatTaille Mesurer(int n, int repetitions, const QString& dossier) {
    TResultatTaille r;
    r.Taille = Taille(n);
    EnvironnementTransition env;

    Suivi(QStringLiteral("N = %1: generating the school").arg(n));
    QElapsedTimer chrono;
    chrono.start();
    for (const QString& instruction : InstructionsEcole(r.Taille))
        env.Base.Executer(instruction, Ancienne);
    // The administrator who runs the change holds the right to activate a year, as the sign-in demands; it
    // goes into the new year with the change, and lets the same account take the change back.
    env.Base.Executer(QStringLiteral("INSERT INTO droits (utilisateur, droit) VALUES ('admin', "
                                     "'ACTIVER_ANNEE_SCOLAIRE')"),
                      Ancienne);
    r.Generation = chrono.nsecsElapsed();
    chrono.restart();
    PlacerLesEleves(env);
    r.Chargement = chrono.nsecsElapsed();
    if (static_cast<int>(env.Placement.size()) != n)
        Arreter(QStringLiteral("%1 students placed instead of %2").arg(env.Placement.size()).arg(n));

    // A first run captures the statements (and warms the server up); it is not counted.
    Suivi(QStringLiteral("N = %1: capturing the statements").arg(n));
    Reinitialiser(env.Base);
    TCapture capture;
    ExecuterTransition(env, r.Libelles, &capture);
    const QStringList attendu = Comptes(env.Base);
    for (const QString& table :
         {QStringLiteral("eleve="), QStringLiteral("personne="), QStringLiteral("classe="),
          QStringLiteral("classe_lecon="), QStringLiteral("classe_matiere="), QStringLiteral("photos="),
          QStringLiteral("tranche_eleve=")})
        for (const QString& compte : attendu)
            if (compte.startsWith(table))
                r.Lignes << compte;
    r.Fichier = QDir(dossier).filePath(QStringLiteral("transition-%1.sql").arg(n));
    const QString fichierMarque = QDir(dossier).filePath(QStringLiteral("transition-%1-etapes.sql").arg(n));
    EcrireFichier(r.Fichier, capture, false);
    EcrireFichier(fichierMarque, capture, true);

    const auto application = [&](int i) {
        Suivi(QStringLiteral("N = %1: preview and run %2/%3").arg(n).arg(i).arg(repetitions));
        Reinitialiser(env.Base);
        // The preview runs the same steps and leaves everything as it was: the run that follows starts from
        // the same state.
        const QStringList avant = Comptes(env.Base);
        TTransitionAnnee apercu;
        QElapsedTimer duree;
        duree.start();
        const TBilanTransition bilan = apercu.Verifier(env.Parametres);
        r.Apercus.push_back(duree.nsecsElapsed());
        if (!bilan.Blocage.isEmpty())
            Arreter(QStringLiteral("the preview found the run blocked:\n") + bilan.Blocage);
        if (Comptes(env.Base) != avant)
            Arreter(QStringLiteral("the preview left rows behind"));
        r.Runs.push_back(ExecuterTransition(env, r.Libelles, nullptr));
        if (Comptes(env.Base) != attendu)
            Arreter(QStringLiteral("a run left other rows than the first one"));
        // The welcome page's look at whether the change can be taken back, then the undo, as the wizard runs
        // them after the next sign-in: the school is then as before the change.
        duree.restart();
        const TBilanRetour examen = TRetourAnnee::Examiner(QStringLiteral("2026/2027"));
        r.Examens.push_back(duree.nsecsElapsed());
        if (!examen.Possible())
            Arreter(QStringLiteral("the run cannot be taken back:\n") + examen.Raison);
        env.Plateforme.Vider();
        duree.restart();
        const TIssueTransition retour = TRetourAnnee().Executer(EnvironnementRetour::ParametresRetour());
        r.Retours.push_back(duree.nsecsElapsed());
        if (retour != TIssueTransition::Validee)
            Arreter(QStringLiteral("the undo failed:\n") + env.Boites().join(QLatin1Char('\n')));
        if (Comptes(env.Base) != avant)
            Arreter(QStringLiteral("the undo left other rows than those before the run"));
    };
    const auto client = [&](int i) {
        Suivi(QStringLiteral("N = %1: mariadb client %2/%3").arg(n).arg(i).arg(repetitions));
        Reinitialiser(env.Base);
        qint64 processeur = 0;
        r.Planchers.push_back(EnvoyerFichier(r.Fichier, nullptr, &processeur));
        r.ProcesseurClient.push_back(processeur);
        const QStringList comptes = Comptes(env.Base);
        if (comptes != attendu)
            Arreter(QStringLiteral("the file did not do the same work as the run:\n  run: %1\n  file: %2")
                        .arg(attendu.join(QLatin1Char(' ')), comptes.join(QLatin1Char(' '))));
    };
    const auto clientMarque = [&] {
        Reinitialiser(env.Base);
        QString sortie;
        r.PlanchersMarques.push_back(EnvoyerFichier(fichierMarque, &sortie));
        r.Marques.push_back(DureesMarquees(sortie));
    };
    // The application's runs and the client's alternate, and so does their order from one repetition to the
    // next (run first, then client first), so that whatever else loads the machine meanwhile, and whatever
    // the server keeps from one run to the next, weighs on both alike. The marked copy, against which the
    // steps are set, runs right beside the program.
    r.ChargeAvant = ChargeMachine();
    for (int i = 1; i <= repetitions; ++i) {
        if (i % 2) {
            application(i);
            clientMarque();
            client(i);
        } else {
            client(i);
            clientMarque();
            application(i);
        }
    }
    r.ChargeApres = ChargeMachine();

    std::vector<std::map<int, qint64>> etapes;
    std::vector<std::map<int, qint64>> processeur;
    std::vector<qint64> processeurTotal;
    for (const TMesure& m : r.Runs) {
        etapes.push_back(m.Etapes);
        processeur.push_back(m.Processeur);
        processeurTotal.push_back(m.ProcesseurTotal);
    }
    r.Etapes = Medianes(etapes);
    r.Processeur = Medianes(processeur);
    r.ProcesseurTotal = Mediane(processeurTotal);
    r.Total = Mediane(r.Totaux());
    r.EtapesPlancher = Medianes(r.Marques);
    r.Plancher = Mediane(r.Planchers);
    return r;
}

// ---------------------------------------------------------------------------------------------------------
// Figures
// ---------------------------------------------------------------------------------------------------------

QString Ms(qint64 ns, int largeur = 10) {
    return QString::number(Millisecondes(ns), 'f', 1).rightJustified(largeur);
}

QString Rapport(double x) {
    return QString::number(x, 'f', 2);
}

// Both sides send the same statements: a ratio below 1 is the machine's noise, never a gain.
QString RapportCommente(double x) {
    return x < 1.0 ? Rapport(x) + QStringLiteral(" (below 1: noise)") : Rapport(x);
}

QString ListeRapports(const std::vector<double>& rapports) {
    QStringList textes;
    for (const double x : rapports)
        textes << Rapport(x);
    return textes.join(QLatin1Char(' '));
}

void Afficher(const TResultatTaille& r, int repetitions) {
    QTextStream& out = Sortie();
    const TTaille& t = r.Taille;
    out << "\nN = " << t.Eleves << " students: " << t.Classes << " classes, " << t.Personnel << " staff ("
        << t.Enseignants << " teaching), 14 levels, 17 fees\n";
    out << "  generated in " << QString::number(Millisecondes(r.Generation), 'f', 0)
        << " ms; students read into records in " << QString::number(Millisecondes(r.Chargement), 'f', 0)
        << " ms (before the run, not counted)\n";
    out << "  rows in the new year: " << r.Lignes.join(QStringLiteral(", ")) << "\n";
    out << "  statements: " << r.Fichier << "\n";
    if (!r.Apercus.empty()) {
        const double apercu = Millisecondes(Mediane(r.Apercus));
        out << "  preview (Vérifier): " << QString::number(apercu, 'f', 1) << " ms (median of "
            << r.Apercus.size() << "), " << Rapport(apercu / Millisecondes(r.Total))
            << " x the run's statements alone;\n"
            << "    \"Terminer\" also reads its report's figures once committed ("
            << QString::number(Millisecondes(r.MedianeRapport()), 'f', 1)
            << " ms): against that, each preview over the run beside it";
        for (double q : r.ApercuParTerminer())
            out << " " << Rapport(q);
        out << " -> median " << Rapport(r.ApercuSurTerminer()) << "\n";
    }
    if (!r.Retours.empty()) {
        const double retour = Millisecondes(Mediane(r.Retours));
        out << "  undo (the run taken back): " << QString::number(retour, 'f', 1) << " ms (median of "
            << r.Retours.size() << "), " << Rapport(retour / Millisecondes(r.Total))
            << " x the run; the check before it (Examiner): "
            << QString::number(Millisecondes(Mediane(r.Examens)), 'f', 1) << " ms\n";
    }
    out << "  load average of the machine (1, 5, 15 min): " << r.ChargeAvant << " before, " << r.ChargeApres
        << " after\n";
    out << "  median of " << repetitions
        << " runs, program and client alternating; floor per step from the marked copy of the file;\n"
        << "  cpu = the program's own processor time (building and sending its statements)\n\n";
    out << "  step  " << QStringLiteral("what").leftJustified(46)
        << "    run ms  floor ms  run-floor    cpu ms\n";
    for (const auto& [etape, duree] : r.Etapes) {
        const auto libelle = r.Libelles.find(etape);
        const auto plancher = r.EtapesPlancher.find(etape);
        out << "  " << QString::number(etape).rightJustified(4) << "  "
            << (libelle == r.Libelles.end() ? QString() : libelle->second).left(46).leftJustified(46)
            << Ms(duree);
        if (plancher != r.EtapesPlancher.end())
            out << Ms(plancher->second) << Ms(duree - plancher->second, 11);
        else
            out << QString(21, QLatin1Char(' '));
        const auto processeur = r.Processeur.find(etape);
        if (processeur != r.Processeur.end())
            out << Ms(processeur->second);
        out << "\n";
    }
    qint64 sommePlancher = 0;
    for (const auto& [etape, duree] : r.EtapesPlancher)
        sommePlancher += duree;
    out << "        " << QStringLiteral("total").leftJustified(46) << Ms(r.Total) << Ms(r.Plancher)
        << Ms(r.Total - r.Plancher, 11) << Ms(r.ProcesseurTotal) << "\n";
    out << "  the mariadb client's own processor time for the whole file: "
        << QString::number(Millisecondes(Mediane(r.ProcesseurClient)), 'f', 1) << " ms (median)\n";
    out << "  floor = whole file through the mariadb client, process start to end (its steps add up to "
        << QString::number(Millisecondes(sommePlancher), 'f', 1) << " ms; the marked file took "
        << QString::number(Millisecondes(Mediane(r.PlanchersMarques)), 'f', 1) << " ms)\n";
    const auto liste = [](const std::vector<qint64>& durees) {
        QStringList textes;
        for (const qint64 d : durees)
            textes << QString::number(Millisecondes(d), 'f', 1);
        return textes.join(QStringLiteral(" / "));
    };
    out << "  every run: " << liste(r.Totaux()) << " ms; every floor: " << liste(r.Planchers) << " ms\n";
    out << "\n  run / floor: each repetition's run against the client beside it, their median, and the best "
           "run\n"
        << "  against the best floor:\n";
    for (const int etape : EtapesPropres) {
        const auto libelle = r.Libelles.find(etape);
        out << "    step " << QString::number(etape).rightJustified(2) << "  "
            << (libelle == r.Libelles.end() ? QString() : libelle->second).left(30).leftJustified(30)
            << ListeRapports(r.Rapports(etape)) << "  -> median "
            << RapportCommente(Mediane(r.Rapports(etape))) << ", best " << RapportCommente(r.Meilleur(etape))
            << "\n";
        QStringList runs, planchers;
        for (size_t i = 0; i < r.Runs.size(); ++i) {
            const auto run = r.Runs[i].Etapes.find(etape);
            const auto plancher = r.Marques[i].find(etape);
            runs << (run == r.Runs[i].Etapes.end() ? QStringLiteral("-") : Ms(run->second, 0));
            planchers << (plancher == r.Marques[i].end() ? QStringLiteral("-") : Ms(plancher->second, 0));
        }
        out << "             run ms " << runs.join(QLatin1Char(' ')) << "; floor ms "
            << planchers.join(QLatin1Char(' ')) << "\n";
    }
    out << "    " << QStringLiteral("whole run").leftJustified(38) << ListeRapports(r.Rapports(0))
        << "  -> median " << RapportCommente(Mediane(r.Rapports(0))) << ", best "
        << RapportCommente(r.Meilleur(0)) << "\n";
    out.flush();
}

// One goal: a ratio not above its limit at each of the sizes it is stated for.
struct TObjectif {
    QString Libelle;
    int Etape; // 0: the whole run
    double Limite;
};

void Resumer(const std::vector<TResultatTaille>& resultats) {
    QTextStream& out = Sortie();
    out << "\nSummary (run / floor as median of the repetitions' pairs / best run against best floor)\n";
    out << "        N     run ms   floor ms   cpu ms     whole run      students        photos   "
           "instalments\n";
    for (const TResultatTaille& r : resultats) {
        out << "  " << QString::number(r.Taille.Eleves).rightJustified(7) << Ms(r.Total, 11)
            << Ms(r.Plancher, 11) << Ms(r.ProcesseurTotal, 9);
        std::vector<int> colonnes = {0};
        colonnes.insert(colonnes.end(), EtapesPropres.begin(), EtapesPropres.end());
        for (const int etape : colonnes)
            out << (Rapport(Mediane(r.Rapports(etape))) + QStringLiteral(" / ") + Rapport(r.Meilleur(etape)))
                       .rightJustified(14);
        out << "\n";
    }
    out << "  A ratio below 1.00 means that the program took less time than the command-line client for the "
           "same\n  statements: that is the machine's noise, not a gain.\n";

    // Growth between consecutive sizes, with the steps that weigh most at the larger one.
    for (size_t i = 1; i < resultats.size(); ++i) {
        const TResultatTaille& a = resultats[i - 1];
        const TResultatTaille& b = resultats[i];
        const double lineaire = static_cast<double>(b.Taille.Eleves) / a.Taille.Eleves;
        out << "\n  growth " << a.Taille.Eleves << " -> " << b.Taille.Eleves << ": run x"
            << Rapport(static_cast<double>(b.Total) / static_cast<double>(a.Total)) << ", floor x"
            << Rapport(static_cast<double>(b.Plancher) / static_cast<double>(a.Plancher)) << " (linear x"
            << Rapport(lineaire) << ")\n";
        for (const auto& [etape, duree] : b.Etapes) {
            if (duree * 50 < b.Total)
                continue;
            const auto avant = a.Etapes.find(etape);
            if (avant == a.Etapes.end() || avant->second <= 0)
                continue;
            out << "    step " << QString::number(etape).rightJustified(2) << "  "
                << b.Libelles.at(etape).left(40).leftJustified(40) << Ms(avant->second) << " ->" << Ms(duree)
                << " ms  x" << Rapport(static_cast<double>(duree) / static_cast<double>(avant->second));
            const auto plancherAvant = a.EtapesPlancher.find(etape);
            const auto plancher = b.EtapesPlancher.find(etape);
            if (plancherAvant != a.EtapesPlancher.end() && plancher != b.EtapesPlancher.end() &&
                plancherAvant->second > 0)
                out << "  (floor x"
                    << Rapport(static_cast<double>(plancher->second) /
                               static_cast<double>(plancherAvant->second))
                    << ")";
            out << "\n";
        }
    }

    const auto taille = [&resultats](int n) -> const TResultatTaille* {
        for (const TResultatTaille& r : resultats)
            if (r.Taille.Eleves == n)
                return &r;
        return nullptr;
    };
    // The goals hold at 20000 and 50000 students; a size not measured is said so.
    const std::vector<int> tailles = {20000, 50000};
    const std::vector<TObjectif> objectifs = {
        {QStringLiteral("student step within 1.15 x its floor"), EtapeEleves, 1.15},
        {QStringLiteral("whole run within 1.10 x its floor"), 0, 1.10}};
    out << "\nVerdicts (judged on the median of the repetitions' pairs; the best run against the best floor "
           "beside it)\n";
    for (const TObjectif& objectif : objectifs) {
        QStringList mesures;
        bool atteint = true;
        bool mesure = false;
        for (const int n : tailles) {
            const TResultatTaille* r = taille(n);
            if (!r) {
                mesures << QStringLiteral("N = %1 not measured").arg(n);
                continue;
            }
            const double rapport = Mediane(r->Rapports(objectif.Etape));
            mesure = true;
            atteint = atteint && rapport <= objectif.Limite;
            mesures << QStringLiteral("N = %1: %2, best %3")
                           .arg(n)
                           .arg(RapportCommente(rapport), RapportCommente(r->Meilleur(objectif.Etape)));
        }
        out << "  " << objectif.Libelle << ": "
            << (!mesure   ? QStringLiteral("NOT MEASURED")
                : atteint ? QStringLiteral("met")
                          : QStringLiteral("NOT met"))
            << " (" << mesures.join(QStringLiteral("; ")) << ")\n";
    }
    const TResultatTaille* grand = taille(20000);
    const TResultatTaille* moyen = taille(5000);
    if (grand && !grand->Apercus.empty()) {
        const double apercu = grand->ApercuSurTerminer();
        out << "  preview (Vérifier) within 1.20 x the run (as Terminer runs it) at 20000 students: "
            << (apercu <= 1.2 ? "met" : "NOT met") << " (x" << Rapport(apercu) << ")\n";
    } else {
        out << "  preview (Vérifier) within 1.20 x the run (as Terminer runs it) at 20000 students: NOT "
               "MEASURED\n";
    }
    if (grand && !grand->Retours.empty())
        out << "  undo at 20000 students: " << QString::number(Millisecondes(Mediane(grand->Retours)), 'f', 1)
            << " ms beside the change's " << QString::number(Millisecondes(grand->Total), 'f', 1) << " ms (x"
            << Rapport(static_cast<double>(Mediane(grand->Retours)) / static_cast<double>(grand->Total))
            << "), its check (Examiner) " << QString::number(Millisecondes(Mediane(grand->Examens)), 'f', 1)
            << " ms (medians)\n";
    else
        out << "  undo at 20000 students: NOT MEASURED\n";
    if (grand && moyen) {
        const double croissance = static_cast<double>(grand->Total) / static_cast<double>(moyen->Total);
        out << "  run grows at most linearly from 5000 to 20000 students (x4.00): "
            << (croissance <= 4.0 ? "met" : "NOT met") << " (x" << Rapport(croissance) << ")\n";
    } else {
        out << "  run grows at most linearly from 5000 to 20000 students (x4.00): NOT MEASURED (needs both "
               "sizes)\n";
    }
    out.flush();
}

} // namespace

// The same sizes on a cluster, beside the single server: the whole run and the commit (where a cluster adds
// the replication of the whole change), each the median of its runs, and the cluster's run against its own
// floor (the client sending the same statements to the same node).
void ComparerGrappe(const std::vector<TResultatTaille>& seul, const std::vector<TResultatTaille>& grappe) {
    QTextStream& out = Sortie();
    const int validation = NumeroEtape(TEtapeFixe::Validation);
    out << "\nOne server beside the cluster (medians)\n";
    out << "        N  one server ms  cluster ms   cluster/one   commit ms (one / cluster)   cluster "
           "run/floor\n";
    for (size_t i = 0; i < seul.size() && i < grappe.size(); ++i) {
        const TResultatTaille& a = seul[i];
        const TResultatTaille& b = grappe[i];
        const auto commit = [validation](const TResultatTaille& r) {
            const auto e = r.Etapes.find(validation);
            return e == r.Etapes.end() ? qint64(0) : e->second;
        };
        out << "  " << QString::number(a.Taille.Eleves).rightJustified(7) << Ms(a.Total, 15)
            << Ms(b.Total, 12)
            << Rapport(static_cast<double>(b.Total) / static_cast<double>(a.Total)).rightJustified(14)
            << (Ms(commit(a), 0) + QStringLiteral(" / ") + Ms(commit(b), 0)).rightJustified(28)
            << QStringLiteral("   ") << RapportCommente(Mediane(b.Rapports(0))) << "\n";
    }
    out.flush();
}

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);

    int repetitions = 7;
    std::vector<int> tailles;
    QString grappe; // the first node's port of a cluster to measure too

    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        bool ok = false;
        if (arguments[i] == QLatin1String("--repetitions") && i + 1 < arguments.size()) {
            repetitions = arguments[++i].toInt(&ok);
            if (!ok || repetitions < 1)
                Arreter(QStringLiteral("--repetitions takes a positive number"));
            continue;
        }
        if (arguments[i] == QLatin1String("--cluster") && i + 1 < arguments.size()) {
            grappe = arguments[++i];
            continue;
        }
        const int n = arguments[i].toInt(&ok);
        if (!ok || n < 1)
            Arreter(QStringLiteral("usage: bench_transition [--repetitions K] [--cluster PORT] [N ...]"));
        tailles.push_back(n);
    }
    if (tailles.empty())
        tailles = {1000, 5000, 20000};
    std::sort(tailles.begin(), tailles.end());

    // Beside the program, not in the machine's shared temporary folder, unless said otherwise.
    const QString dossier =
        qEnvironmentVariableIsEmpty("SOLVANE_BENCH_DIR")
            ? QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("solvane-bench"))
            : qEnvironmentVariable("SOLVANE_BENCH_DIR");
    if (!QDir().mkpath(dossier))
        Arreter(QStringLiteral("cannot create ") + dossier);
    ClientMariadb();

    Sortie() << "Year transition benchmark: server 127.0.0.1:" << ServeurDeTest::Port() << ", client "
             << ClientMariadb() << ", " << repetitions << " repetitions\n";
    std::vector<TResultatTaille> resultats;
    for (const int n : tailles) {
        resultats.push_back(Mesurer(n, repetitions, dossier));
        Afficher(resultats.back(), repetitions);
    }
    Resumer(resultats);
    if (!grappe.isEmpty()) {
        qputenv("SOLVANE_DB_PORT", grappe.toUtf8());
        Sortie() << "\n\nThe same on the cluster whose node 1 is 127.0.0.1:" << grappe << "\n";
        std::vector<TResultatTaille> surGrappe;
        for (const int n : tailles) {
            surGrappe.push_back(Mesurer(n, repetitions, dossier));
            Afficher(surGrappe.back(), repetitions);
        }
        ComparerGrappe(resultats, surGrappe);
    }
    return 0;
}
