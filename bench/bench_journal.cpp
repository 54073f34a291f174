// Benchmark of the journal window and its report on a large journal.
//
// A journal of N entries (200,000 unless told) is generated over one school year, the one that holds the
// server's current day, in that year's database (schema as it stands: the indexes of sql/annee.sql and no
// other), with 30 users, 25 workstations and the writer's vocabulary. The journal window is made (off screen)
// and shown, then for each change of its filters the benchmark times what the user waits for: from the change
// to the grid painted with its first rows (the selection run again, its first rows converted, the visible
// rows drawn). It also times reading every row of the selection, from the change to the grid painted at its
// last row, as a user dragging the scroll bar to the end would make it. Each is compared with the mariadb
// command-line client running the list's statement (its parameters written in as literals), once for its
// whole result and once limited to the grid's first batch of rows (the server's own time before a first row
// can come), less the client's own start-up (the median time of "SELECT 1"). Every timed change is made while
// the rest of the selection before it is being read, as when a user changes a filter without waiting. Last,
// on the whole year listed, the grid is sent to its last row and back to its first with the keyboard.
//
// The report: a selection of about 1,000 entries (one user over the weeks before the end of the current
// month) is read through the shared read chain as "&Imprimer" reads it, its header is read, and it is drawn
// into a PDF file; each part is timed.
//
//   bench_journal [--repetitions K] [--entrees N]        default: K = 5, N = 200000
//
// It uses the tests' private server (127.0.0.1, port SOLVANE_DB_PORT, 33307 unless set, account solvane) and,
// like every database test, owns the databases korven and bd_* while it runs: never run it while tests run on
// that server, or give it a server of its own. The figures are medians of K runs, with the best run beside.
#include "OutilsBench.h"
#include "base/KORVENFonctionsU.h"
#include "base/KORVENTypesU.h"
#include "base/KorvenUtils.h"
#include "core/data/OBDataModuleU.h"
#include "core/journal/ModeleJournal.h"
#include "core/journal/RapportJournal.h"
#include "core/journal/RequeteJournal.h"
#include "core/model/UniteCUtilisateur.h"
#include "gui/journal/JournalU.h"
#include "support/BaseDeTest.h"
#include "support/ImageDeTest.h"
#include "support/PlateformeScriptee.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QPdfWriter>
#include <QProcess>
#include <QSignalBlocker>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTextStream>
#include <QTimeEdit>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr qint64 CiblePremieresLignes = 150; // ms
constexpr double CibleToutesLignes = 1.3;    // x the client's whole result
constexpr qint64 CibleRapport = 5000;        // ms
constexpr int Utilisateurs = 30;

QString Duree(qint64 ns) {
    return QString::number(Millisecondes(ns), 'f', Millisecondes(ns) < 10 ? 1 : 0) + QStringLiteral(" ms");
}

struct TMesures {
    std::vector<qint64> Valeurs;
    qint64 Mediane() const { return ::Mediane(Valeurs); }
    qint64 Meilleure() const {
        return Valeurs.empty() ? 0 : *std::min_element(Valeurs.begin(), Valeurs.end());
    }
};

// ---------------------------------------------------------------------------------------------------------
// The journal
// ---------------------------------------------------------------------------------------------------------

// The school year that holds the day: from September to August.
QString AnneeDuJour(const QDate& jour) {
    const int debut = jour.month() >= 9 ? jour.year() : jour.year() - 1;
    return QStringLiteral("%1/%2").arg(debut).arg(debut + 1);
}

void Generer(BaseDeTest& base, const QString& nomBase, const QDate& debut, const QDate& fin, int n) {
    const int jours = static_cast<int>(debut.daysTo(fin)) + 1;
    QStringList comptes;
    for (int i = 0; i < Utilisateurs; ++i)
        comptes
            << QStringLiteral("('user%1', 'x', '1', 'Utilisateur %1', '0')").arg(i, 2, 10, QLatin1Char('0'));
    base.Executer(QStringLiteral("INSERT INTO utilisateur (login, pass, etat, nom, is_enseignant) VALUES ") +
                      comptes.join(QLatin1Char(',')),
                  nomBase);
    QStringList operations, domaines;
    for (const QString& o : OperationsJournal())
        operations << ChaineSQL(o);
    for (const QString& d : DomainesJournal())
        domaines << ChaineSQL(d);
    // Entries spread evenly over the days, between 07:00 and 19:00, users, workstations, operations and
    // domains mixed; descriptions of 60 to 200 characters.
    base.Executer(
        QStringLiteral(
            "INSERT INTO journal (utilisateur, libelle, poste, operation, domaine, date, heure) "
            "SELECT CONCAT('user', LPAD(MOD(seq DIV 7, %1), 2, '0')), "
            "CONCAT('[USER', LPAD(MOD(seq DIV 7, %1), 2, '0'), '] - Opération ', seq, ' sur la classe ', "
            "MOD(seq, 97), ' de l''établissement', REPEAT(' - détail', MOD(seq, 16))), "
            "CONCAT('PC', LPAD(MOD(seq DIV 3, 25), 2, '0'), '-192.168.1.', MOD(seq DIV 3, 25) + 10), "
            "ELT(1 + MOD(seq, 6), %2), ELT(1 + MOD(seq, 10), %3), "
            "DATE_ADD('%4', INTERVAL ((seq - 1) * %5) DIV %6 DAY), "
            "SEC_TO_TIME(7 * 3600 + MOD(seq * 7919, 720) * 60) FROM seq_1_to_%6")
            .arg(Utilisateurs)
            .arg(operations.join(QLatin1Char(',')), domaines.join(QLatin1Char(',')),
                 debut.toString(QStringLiteral("yyyy-MM-dd")))
            .arg(jours)
            .arg(n),
        nomBase);
    base.Executer(QStringLiteral("ANALYZE TABLE journal"), nomBase);
    base.Executer(
        QStringLiteral("INSERT INTO configuration (id, nom_fr) VALUES (1, 'Lycée bilingue d''Akwa')"),
        nomBase);
    base.Executer(QStringLiteral("INSERT INTO parametres (nom, valeur_text, type_param) VALUES "
                                 "('KORVEN_SCHOOL_NAME_EN', 'Akwa Bilingual High School', 'TX'),"
                                 "('KORVEN_SCHOOL_DEVISE_FR', 'Travail - Discipline - Succès', 'TX'),"
                                 "('KORVEN_SCHOOL_DEVISE_EN', 'Work - Discipline - Success', 'TX'),"
                                 "('KORVEN_SCHOOL_POBOX', '1234', 'TX'),"
                                 "('KORVEN_SCHOOL_PHONE_NUMBER', '699 00 00 00', 'TX'),"
                                 "('KORVEN_SCHOOL_CITY', 'Douala', 'TX'),"
                                 "('KORVEN_LOGO_ETABLISSEMENT', NULL, 'IM')"),
                  nomBase);
    QSqlQuery q(QSqlDatabase::database(QStringLiteral("solvane_test_admin")));
    q.prepare(
        QStringLiteral("UPDATE `%1`.parametres SET valeur_blob = :b WHERE nom = 'KORVEN_LOGO_ETABLISSEMENT'")
            .arg(nomBase));
    q.bindValue(QStringLiteral(":b"), ImageDeTest(QSize(400, 360), QColor(30, 90, 160)));
    if (!q.exec())
        Arreter(QStringLiteral("cannot store the logo"));
}

// ---------------------------------------------------------------------------------------------------------
// The command-line client
// ---------------------------------------------------------------------------------------------------------

// Runs one statement with the client, whole result read (tab-separated, to the null device unless lignes is
// given, which then receives the number of rows). Returns the wall time, process start to end.
qint64 Client(const QString& nomBase, const QString& instruction, int* lignes = nullptr) {
    QProcess client;
    client.setProgram(ClientMariadb());
    client.setArguments(ArgumentsClient()
                        << QStringLiteral("--batch") << QStringLiteral("--skip-column-names")
                        << QStringLiteral("-e") << instruction << nomBase);
    if (lignes == nullptr)
        client.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer chrono;
    chrono.start();
    client.start();
    if (!client.waitForFinished(-1))
        Arreter(QStringLiteral("the mariadb client did not start: ") + client.errorString());
    const qint64 duree = chrono.nsecsElapsed();
    if (client.exitStatus() != QProcess::NormalExit || client.exitCode() != 0)
        Arreter(QStringLiteral("the mariadb client failed: ") +
                QString::fromUtf8(client.readAllStandardError()));
    if (lignes != nullptr)
        *lignes = static_cast<int>(client.readAllStandardOutput().count('\n'));
    return duree;
}

// The statement as the server receives it, its parameters written in as literals.
QString TexteLitteral(const TFiltreJournal& f) {
    QString texte = TexteRequeteJournal(f);
    for (const auto& [nom, valeur] : ParametresRequeteJournal(f))
        texte
            .replace(QLatin1Char(':') + nom + QLatin1Char(' '),
                     ChaineSQL(valeur.toString()) + QLatin1Char(' '))
            .replace(QLatin1Char(':') + nom + QLatin1Char(')'),
                     ChaineSQL(valeur.toString()) + QLatin1Char(')'));
    return texte;
}

// ---------------------------------------------------------------------------------------------------------
// The window
// ---------------------------------------------------------------------------------------------------------

// The state of the window's filters.
struct TReglage {
    int Utilisateur = 0; // index in the user list
    int Operation = 0;
    int Domaine = 0;
    QDate Debut, Fin;
    bool Heures = false;
    QTime HeureDebut{0, 0}, HeureFin{23, 59};
    QString Contenant;
    QString Trich, Trisens;
};

// Gives the window the state without running anything.
void Regler(TJournal& j, const TReglage& r) {
    const QSignalBlocker b1(j.ComboBoxUtilisateur), b2(j.ComboBoxOperation), b3(j.ComboBoxDomaine),
        b4(j.DateTimePickerDateDebut), b5(j.DateTimePicker2), b6(j.CheckBox5), b7(j.DateTimePicker3),
        b8(j.DateTimePicker4), b9(j.EditContenant);
    j.ComboBoxUtilisateur->setCurrentIndex(r.Utilisateur);
    j.ComboBoxOperation->setCurrentIndex(r.Operation);
    j.ComboBoxDomaine->setCurrentIndex(r.Domaine);
    j.DateTimePickerDateDebut->setDate(r.Debut);
    j.DateTimePicker2->setDate(r.Fin);
    j.CheckBox5->setChecked(r.Heures);
    j.DateTimePicker3->setTime(r.HeureDebut);
    j.DateTimePicker4->setTime(r.HeureFin);
    j.EditContenant->setText(r.Contenant);
    j.Trich = r.Trich;
    j.Trisens = r.Trisens;
}

// From the change to the grid painted with its first rows.
qint64 PremieresLignes(TJournal& j, const std::function<void()>& changement, PlateformeScriptee& plateforme) {
    QElapsedTimer chrono;
    chrono.start();
    changement();
    j.DBGrid1->viewport()->repaint();
    const qint64 duree = chrono.nsecsElapsed();
    if (!plateforme.Evenements.isEmpty())
        Arreter(QStringLiteral("the window showed: ") + plateforme.Evenements.join(QLatin1Char('\n')));
    return duree;
}

// Every row of the selection read, as the grid does when the scroll bar is dragged to the end: from the grid
// showing its first rows to the grid painted at its last row.
qint64 ToutesLesLignes(TJournal& j) {
    QElapsedTimer chrono;
    chrono.start();
    while (j.ClientDataSet1->canFetchMore())
        j.ClientDataSet1->fetchMore();
    j.DBGrid1->scrollToBottom();
    j.DBGrid1->viewport()->repaint();
    return chrono.nsecsElapsed();
}

struct TScenario {
    QString Nom;
    TReglage Reglage;
};

} // namespace

int main(int argc, char** argv) {
    // The window is made and drawn, off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    int repetitions = 5;
    int entrees = 200000;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        bool ok = false;
        if (arguments[i] == QLatin1String("--repetitions") && i + 1 < arguments.size())
            repetitions = arguments[++i].toInt(&ok);
        else if (arguments[i] == QLatin1String("--entrees") && i + 1 < arguments.size())
            entrees = arguments[++i].toInt(&ok);
        if (!ok || repetitions < 1 || entrees < 1000)
            Arreter(QStringLiteral("usage: bench_journal [--repetitions K] [--entrees N (1000 at least)]"));
    }
    ClientMariadb();

    // The year of the server's current day (this machine's clock; the server runs here).
    const QDate aujourdhui = QDate::currentDate();
    const QString annee = AnneeDuJour(aujourdhui);
    const QString nomBase = NomBaseAnnee(annee);
    const QDate debutAnnee(annee.left(4).toInt(), 9, 1);
    const QDate finAnnee(annee.left(4).toInt() + 1, 8, 31);
    BaseDeTest base({annee});
    Suivi(QStringLiteral("generating %1 entries in %2...").arg(entrees).arg(nomBase));
    QElapsedTimer generation;
    generation.start();
    Generer(base, nomBase, debutAnnee, finAnnee, entrees);
    Suivi(QStringLiteral("generated in %1 s").arg(generation.elapsed() / 1000.0, 0, 'f', 1));

    PlateformeScriptee plateforme;
    TOBDataModule module;
    ServeurDeTest::Configurer(module.OBSQLConnection, nomBase);
    ServeurDeTest::Configurer(module.OBOrbelanSQLConnection, QStringLiteral("korven"));
    TJournal journal;
    journal.show();
    QCoreApplication::processEvents();

    Sortie() << "Journal window benchmark: " << entrees << " entries from "
             << debutAnnee.toString(Qt::ISODate) << " to " << finAnnee.toString(Qt::ISODate) << ", "
             << Utilisateurs << " users, server " << ServeurDeTest::Hote() << ":" << ServeurDeTest::Port()
             << ", client " << ClientMariadb() << ", " << repetitions << " runs each\n";

    TMesures demarrage;
    for (int i = 0; i < std::max(3, repetitions); ++i)
        demarrage.Valeurs.push_back(Client(nomBase, QStringLiteral("SELECT 1")));
    const qint64 departClient = demarrage.Mediane();
    Sortie() << "client start-up (SELECT 1): " << Duree(departClient)
             << ", taken off the client's figures\n\n";

    // Opening for the year: lists, server clock, the current month's selection.
    TMesures ouverture;
    for (int i = 0; i < repetitions; ++i)
        ouverture.Valeurs.push_back(PremieresLignes(
            journal,
            [&] {
                if (!journal.PreparerPourAnnee(annee))
                    Arreter(QStringLiteral("the window could not be prepared"));
            },
            plateforme));
    const QDate debutMois = journal.DateTimePickerDateDebut->date();
    const QDate finMois = journal.DateTimePicker2->date();

    TReglage mois;
    mois.Debut = debutMois;
    mois.Fin = finMois;
    TReglage anneeEntiere = mois;
    anneeEntiere.Debut = debutAnnee;
    anneeEntiere.Fin = finAnnee;
    const auto avec = [](TReglage r, const std::function<void(TReglage&)>& f) {
        f(r);
        return r;
    };
    const int indexConnexion = static_cast<int>(OperationsJournal().indexOf(QStringLiteral("Connexion"))) + 1;
    const std::vector<TScenario> scenarios{
        {QStringLiteral("month, every filter on all"), mois},
        {QStringLiteral("month, one user"), avec(mois, [](TReglage& r) { r.Utilisateur = 8; })},
        {QStringLiteral("month, operation Connexion"),
         avec(mois, [&](TReglage& r) { r.Operation = indexConnexion; })},
        {QStringLiteral("month, domain"), avec(mois, [](TReglage& r) { r.Domaine = 2; })},
        {QStringLiteral("month, 08:00 to 12:00"), avec(mois,
                                                       [](TReglage& r) {
                                                           r.Heures = true;
                                                           r.HeureDebut = QTime(8, 0);
                                                           r.HeureFin = QTime(12, 0);
                                                       })},
        {QStringLiteral("month, text CLASSE 5 "),
         avec(mois, [](TReglage& r) { r.Contenant = QStringLiteral("CLASSE 5 "); })},
        {QStringLiteral("month, sorted by user"), avec(mois,
                                                       [](TReglage& r) {
                                                           r.Trich = QStringLiteral("utilisateur");
                                                           r.Trisens = QStringLiteral("ASC");
                                                       })},
        {QStringLiteral("year, every filter on all"), anneeEntiere},
        {QStringLiteral("year, one user"), avec(anneeEntiere, [](TReglage& r) { r.Utilisateur = 8; })},
        {QStringLiteral("year, text CLASSE 5 "),
         avec(anneeEntiere, [](TReglage& r) { r.Contenant = QStringLiteral("CLASSE 5 "); })},
        {QStringLiteral("year, sorted by user"), avec(anneeEntiere,
                                                      [](TReglage& r) {
                                                          r.Trich = QStringLiteral("utilisateur");
                                                          r.Trisens = QStringLiteral("ASC");
                                                      })},
        {QStringLiteral("year, sorted by workstation descending"), avec(anneeEntiere,
                                                                        [](TReglage& r) {
                                                                            r.Trich = QStringLiteral("poste");
                                                                            r.Trisens =
                                                                                QStringLiteral("DESC");
                                                                        })},
    };

    QTextStream& out = Sortie();
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
               .arg(QStringLiteral("change"), -40)
               .arg(QStringLiteral("rows"), 7)
               .arg(QStringLiteral("window: first rows (best)"), 26)
               .arg(QStringLiteral("every row"), 10)
               .arg(QStringLiteral("client: whole result"), 21)
               .arg(QStringLiteral("first 256 rows"), 15)
               .arg(QStringLiteral("every row / whole"), 18);
    const auto ligne = [&out](const QString& nom, int lignes, const TMesures& premieres,
                              const TMesures& toutes, const TMesures& clientTout,
                              const TMesures& clientPremieres, double ratio) {
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
                   .arg(nom, -40)
                   .arg(lignes, 7)
                   .arg(Duree(premieres.Mediane()) + QStringLiteral(" (") + Duree(premieres.Meilleure()) +
                            QLatin1Char(')'),
                        26)
                   .arg(toutes.Valeurs.empty() ? QStringLiteral("-") : Duree(toutes.Mediane()), 10)
                   .arg(Duree(clientTout.Mediane()), 21)
                   .arg(Duree(clientPremieres.Mediane()), 15)
                   .arg(ratio < 0 ? QStringLiteral("-") : QString::number(ratio, 'f', 2) + QLatin1Char('x'),
                        18);
        out.flush();
    };
    // The client's whole result, and its first rows alone (the same statement limited to one batch of the
    // grid: the server's own time before it can give a first row), less its start-up.
    const auto clientTout = [&](const QString& texte) {
        return std::max<qint64>(0, Client(nomBase, texte) - departClient);
    };
    const auto clientPremieres = [&](const QString& texte) {
        return std::max<qint64>(
            0, Client(nomBase, texte + QStringLiteral(" LIMIT %1").arg(TModeleJournal::TailleLot)) -
                   departClient);
    };
    QStringList lentes, pesantes;
    double pireRatio = 0;
    QString pireChangement;
    {
        int lignes = 0;
        const QString texte = TexteLitteral(journal.FiltreCourant());
        Client(nomBase, texte, &lignes);
        TMesures tout, premieres;
        for (int i = 0; i < repetitions; ++i) {
            tout.Valeurs.push_back(clientTout(texte));
            premieres.Valeurs.push_back(clientPremieres(texte));
        }
        const QString nom = QStringLiteral("opening (lists, clock, current month)");
        ligne(nom, lignes, ouverture, TMesures(), tout, premieres, -1);
        if (ouverture.Mediane() / 1000000 >= CiblePremieresLignes)
            lentes << nom;
    }
    for (const TScenario& s : scenarios) {
        Suivi(QStringLiteral("%1...").arg(s.Nom));
        TMesures premieres, toutes, clientToutes, clientPremieres_;
        std::vector<double> ratios;
        int lues = 0;
        QString texte;
        for (int i = 0; i < repetitions; ++i) {
            // Another selection in between, its rest being read when the filter changes, so that each run is
            // a change made without waiting.
            Regler(journal, mois);
            journal.RafraichirTab();
            QCoreApplication::processEvents();
            Regler(journal, s.Reglage);
            const qint64 premiere = PremieresLignes(
                journal, [&] { journal.RafraichirTab(); }, plateforme);
            const qint64 toute = premiere + ToutesLesLignes(journal);
            premieres.Valeurs.push_back(premiere);
            toutes.Valeurs.push_back(toute);
            lues = journal.ClientDataSet1->rowCount();
            // The client beside each run, on the same statement.
            if (texte.isEmpty())
                texte = TexteLitteral(journal.FiltreCourant());
            const qint64 client = clientTout(texte);
            clientToutes.Valeurs.push_back(client);
            clientPremieres_.Valeurs.push_back(clientPremieres(texte));
            ratios.push_back(client > 0 ? static_cast<double>(toute) / static_cast<double>(client) : 0.0);
        }
        int lignes = 0;
        Client(nomBase, texte, &lignes);
        if (lues != lignes)
            Arreter(QStringLiteral("%1: the window read %2 rows, the client %3")
                        .arg(s.Nom)
                        .arg(lues)
                        .arg(lignes));
        const double ratio = Mediane(ratios);
        ligne(s.Nom, lignes, premieres, toutes, clientToutes, clientPremieres_, ratio);
        if (premieres.Mediane() / 1000000 >= CiblePremieresLignes)
            lentes << s.Nom;
        if (ratio > CibleToutesLignes)
            pesantes << s.Nom;
        if (ratio > pireRatio) {
            pireRatio = ratio;
            pireChangement = s.Nom;
        }
    }

    // The whole year listed: the grid sent to its last row and back to its first, with the keyboard.
    Regler(journal, anneeEntiere);
    journal.RafraichirTab();
    ToutesLesLignes(journal);
    TMesures versLaFin, versLeDebut;
    journal.DBGrid1->setFocus();
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        QTest::keyClick(journal.DBGrid1, Qt::Key_End, Qt::ControlModifier);
        journal.DBGrid1->viewport()->repaint();
        versLaFin.Valeurs.push_back(chrono.nsecsElapsed());
        if (journal.DBGrid1->currentIndex().row() != journal.ClientDataSet1->rowCount() - 1)
            Arreter(QStringLiteral("Ctrl+End did not reach the last row"));
        chrono.start();
        QTest::keyClick(journal.DBGrid1, Qt::Key_Home, Qt::ControlModifier);
        journal.DBGrid1->viewport()->repaint();
        versLeDebut.Valeurs.push_back(chrono.nsecsElapsed());
    }
    out << "\nthe whole year listed (" << journal.ClientDataSet1->rowCount()
        << " rows): Ctrl+End to the last row " << Duree(versLaFin.Mediane()) << " (worst "
        << Duree(*std::max_element(versLaFin.Valeurs.begin(), versLaFin.Valeurs.end()))
        << "), Ctrl+Home back " << Duree(versLeDebut.Mediane()) << " (worst "
        << Duree(*std::max_element(versLeDebut.Valeurs.begin(), versLeDebut.Valeurs.end())) << ")\n";

    out << "\nGoals (load average " << ChargeMachine() << ")\n";
    out << (lentes.isEmpty() ? "  met     " : "  MISSED  ") << "first rows of every change under "
        << CiblePremieresLignes << " ms"
        << (lentes.isEmpty() ? QString() : QStringLiteral(": not for ") + lentes.join(QStringLiteral(", ")))
        << "\n";
    out << (pesantes.isEmpty() ? "  met     " : "  MISSED  ") << "every row of a selection within "
        << CibleToutesLignes << "x the client's whole result: worst " << QString::number(pireRatio, 'f', 2)
        << "x (" << pireChangement << ")"
        << (pesantes.isEmpty() ? QString()
                               : QStringLiteral("; over for ") + pesantes.join(QStringLiteral(", ")))
        << "\n\n";

    // The report of about 1,000 entries: one user over the weeks before the end of the month (every user when
    // the journal is too small for that).
    TFiltreJournal filtre;
    filtre.Fin = finMois;
    const auto debutPour = [&](const QString& condition) {
        return base
            .Valeur(QStringLiteral(
                        "SELECT date FROM journal WHERE %1 date <= '%2' ORDER BY date DESC, heure DESC "
                        "LIMIT 1 OFFSET 999")
                        .arg(condition, finMois.toString(Qt::ISODate)),
                    nomBase)
            .toDate();
    };
    filtre.Debut = debutPour(QStringLiteral("utilisateur = 'user00' AND"));
    const bool unUtilisateur = filtre.Debut.isValid();
    if (unUtilisateur) {
        filtre.IndexUtilisateur = 1;
        filtre.LoginUtilisateur = QStringLiteral("user00");
    } else {
        filtre.Debut = debutPour(QString());
    }
    if (!filtre.Debut.isValid())
        Arreter(
            QStringLiteral("fewer than 1000 entries before the end of the month: generate more (--entrees)"));
    const QString pdf = QDir(QDir::tempPath()).filePath(QStringLiteral("bench_journal.pdf"));
    TMesures lecture, entete, dessin, total;
    int lignesRapport = 0, pages = 0;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        TRapportJournal rapport;
        rapport.Lignes = LireLignesRapportJournal(filtre);
        const qint64 t1 = chrono.nsecsElapsed();
        const TCUtilisateur utilisateur(QStringLiteral("user00"), QString(), QStringLiteral("1"),
                                        QStringLiteral("Utilisateur 00"), QStringLiteral("0"));
        rapport.Titre = TitreRapportJournal(filtre.IndexUtilisateur, &utilisateur);
        rapport.Periode = PeriodeRapportJournal(filtre.Debut, filtre.Fin);
        InitDocumentsHeader(true, rapport.Entete, annee);
        rapport.LignePied = LignePiedJournal;
        rapport.DateImpression = QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
        const qint64 t2 = chrono.nsecsElapsed();
        {
            QPdfWriter ecrivain(pdf);
            PreparerPageRapportJournal(ecrivain);
            pages = DessinerRapportJournal(ecrivain, rapport);
        }
        const qint64 t3 = chrono.nsecsElapsed();
        lecture.Valeurs.push_back(t1);
        entete.Valeurs.push_back(t2 - t1);
        dessin.Valeurs.push_back(t3 - t2);
        total.Valeurs.push_back(t3);
        lignesRapport = static_cast<int>(rapport.Lignes.size());
    }
    int lignesClient = 0;
    const QString texteRapport = TexteLitteral(filtre);
    Client(nomBase, texteRapport, &lignesClient);
    TMesures clientRapport;
    for (int i = 0; i < repetitions; ++i)
        clientRapport.Valeurs.push_back(clientTout(texteRapport));
    out << "report of " << lignesRapport << " entries (" << filtre.Debut.toString(Qt::ISODate) << " to "
        << filtre.Fin.toString(Qt::ISODate) << (unUtilisateur ? ", one user), " : ", every user), ") << pages
        << " pages, " << QFileInfo(pdf).size() / 1024 << " KiB:\n"
        << "  read through the shared read chain " << Duree(lecture.Mediane()) << " (client, same statement, "
        << lignesClient << " rows: " << Duree(clientRapport.Mediane()) << ")\n"
        << "  header (configuration and parameters) " << Duree(entete.Mediane()) << "\n"
        << "  drawn into the PDF file " << Duree(dessin.Mediane()) << "\n"
        << "  total " << Duree(total.Mediane()) << " (best " << Duree(total.Meilleure()) << "), under "
        << CibleRapport << " ms: " << (total.Mediane() / 1000000 < CibleRapport ? "met" : "NOT met") << "\n";
    out << "  the file stays in " << pdf << "\n";
    out.flush();
    return 0;
}
