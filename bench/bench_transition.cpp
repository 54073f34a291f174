// Benchmark of the year transition on generated schools.
//
// For every size N, a school of N students is generated in the closing year's database bd_2025_2026 (about
// 40 students a class, one member of staff for 20 students, fees per level), the students are read into
// records and each is placed in its own class for the new year. The whole transition then runs with the
// message boxes answered at once, and every step is timed from its progress report to the next one.
//
// The floor is the server's own cost of the same work: the statements of a run, captured as they were sent
// (parameters written in as literals), are sent again from a file by the mariadb command-line client, inside
// the same transaction. The new year's database and the master table are put back as they were before every
// run, and both rounds are checked to leave the same rows behind.
//
//   bench_transition [--repetitions K] [N ...]        default: K = 7, N = 1000 5000 20000
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
#include "OutilsBench.h"
#include "base/KorvenUtils.h"
#include "core/data/RequeteSQL.h"
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
constexpr int EtapeOuverture = 6;
constexpr int EtapeValidation = 46;

// Prefix of the time marks of the floor's marked file.
const QString Marque = QStringLiteral("#etape");

// ---------------------------------------------------------------------------------------------------------
// The generated school
// ---------------------------------------------------------------------------------------------------------

// Levels of both sections, seven each, in the order of their ordre; class number c is of level (c - 1)
// mod 14.
const QStringList CodesNiveaux = {QStringLiteral("6E"),   QStringLiteral("5E"),  QStringLiteral("4E"),
                                  QStringLiteral("3E"),   QStringLiteral("2ND"), QStringLiteral("1ERE"),
                                  QStringLiteral("TLE"),  QStringLiteral("F1"),  QStringLiteral("F2"),
                                  QStringLiteral("F3"),   QStringLiteral("F4"),  QStringLiteral("F5"),
                                  QStringLiteral("LSIX"), QStringLiteral("USIX")};
const QStringList NomsNiveaux = {
    QStringLiteral("Sixième"),     QStringLiteral("Cinquième"),  QStringLiteral("Quatrième"),
    QStringLiteral("Troisième"),   QStringLiteral("Seconde"),    QStringLiteral("Première"),
    QStringLiteral("Terminale"),   QStringLiteral("Form One"),   QStringLiteral("Form Two"),
    QStringLiteral("Form Three"),  QStringLiteral("Form Four"),  QStringLiteral("Form Five"),
    QStringLiteral("Lower Sixth"), QStringLiteral("Upper Sixth")};

QString ListeSQL(const QStringList& valeurs) {
    QStringList citees;
    for (const QString& v : valeurs)
        citees << QLatin1Char('\'') + QString(v).replace(QLatin1Char('\''), QStringLiteral("''")) +
                      QLatin1Char('\'');
    return citees.join(QStringLiteral(", "));
}

// SQL expressions of a number: the code of its level, the code of its class.
QString NiveauDeClasse(const QString& numero) {
    return QStringLiteral("ELT(1 + MOD((%1) - 1, 14), %2)").arg(numero, ListeSQL(CodesNiveaux));
}
QString CodeClasse(const QString& numero) {
    return QStringLiteral("CONCAT(%1, '-', %2)").arg(NiveauDeClasse(numero), numero);
}
QString Nom(const QString& numero) {
    return QStringLiteral("ELT(1 + MOD(%1, 12), 'Mbarga', 'N''Guessan', 'Kamga', 'Fotso', 'Ndoumbè', 'Etoa', "
                          "'Nkoulou', 'Atangana', 'Tchoua', 'Ngo Bassa', 'D''Almeida', 'Eyenga')")
        .arg(numero);
}
QString Prenom(const QString& numero) {
    return QStringLiteral("ELT(1 + MOD((%1) * 7, 10), 'Éloïse', 'Luc', 'Inès', 'Jean-Noël', 'Aïcha', 'Paul', "
                          "'Irène', 'Brice', 'Chloé', 'Samuel')")
        .arg(numero);
}

struct TTaille {
    int Eleves;      // N
    int Classes;     // about 40 students a class
    int Personnel;   // one for 20 students
    int Enseignants; // the staff of a teaching department; the others have none
};

TTaille Taille(int eleves) {
    TTaille t;
    t.Eleves = eleves;
    t.Classes = std::max(1, (eleves + 20) / 40);
    t.Personnel = std::max(10, eleves / 20);
    t.Enseignants = t.Personnel - t.Personnel / 10;
    return t;
}

const QString AnneesMaitre = QStringLiteral(
    "INSERT INTO korven.annee_scolaire (code, active, date_debut, date_fin, nom_etablissement) VALUES "
    "('2024/2025', '0', '2024-09-01', '2025-07-31', 'Collège d''Akwa'), "
    "('2025/2026', '1', '2025-09-01', NULL, 'Collège d''Akwa')");

// The statements that fill the closing year, run on bd_2025_2026. Deterministic: the same N always gives the
// same rows. {N}, {C}, {S}, {T} and {SALLES} stand for the sizes.
QStringList InstructionsEcole(const TTaille& t) {
    QStringList niveaux;
    for (int i = 0; i < CodesNiveaux.size(); ++i) {
        const int section = i / 7 + 1;
        const int ordre = i % 7 + 1;
        QString examen = QStringLiteral("NULL");
        if (ordre == 4)
            examen = section == 1 ? QStringLiteral("1") : QStringLiteral("4");
        else if (ordre == 6)
            examen = QStringLiteral("2");
        else if (ordre == 7)
            examen = section == 1 ? QStringLiteral("3") : QStringLiteral("5");
        niveaux << QStringLiteral("('%1', '%2', %3, 10, 3, 2, 10, 5, 2, 20, 4, %4, '%5', 10, 25000, %6, %7)")
                       .arg(CodesNiveaux[i], NomsNiveaux[i])
                       .arg(12 + ordre)
                       .arg(examen,
                            examen == QLatin1String("NULL") ? QStringLiteral("0") : QStringLiteral("1"))
                       .arg(ordre)
                       .arg(section);
    }
    const QString eleve = QStringLiteral("CONCAT('E', LPAD(seq, 6, '0'))");
    const QString membre = QStringLiteral("CONCAT('P', LPAD(seq, 5, '0'))");
    const QString enseignant = QStringLiteral("CONCAT('P', LPAD(1 + MOD(%1, {T}), 5, '0'))");
    QStringList sql = {
        AnneesMaitre,
        // School setup and administration.
        QStringLiteral(
            "INSERT INTO configuration (id, nom_fr, nom_en, devise_fr, devise_en, boite_postale, "
            "civilite_responsable, "
            "nom_responsable, qualite_responsable, telephone, adresse, ville, region, region_en, "
            "min_sequence, logo, "
            "age_min, age_max, format_bulletin, signature_responsable, code_etablissement, code_centre, "
            "rappel_moyenne, signature_responsable_sur_bulletin) VALUES (1, 'Collège d''Akwa', 'Akwa "
            "College', "
            "'Travail - Discipline - Réussite', 'Work - Discipline - Success', 'BP 1234 Douala', 'M.', "
            "'Ekwalla Jean', 'Principal', '233 42 00 00', 'Rue de la Joie, Akwa', 'Douala', 'Littoral', "
            "'Littoral', "
            "2, REPEAT(UNHEX('89504E470D0A1A0A'), 2048), 9, 25, 'A4', REPEAT(UNHEX('FFD8FFE0'), 1024), "
            "'AKW', "
            "'C042', '1', '1')"),
        QStringLiteral("INSERT INTO utilisateur (login, pass, etat, nom, is_enseignant) VALUES "
                       "('admin', SHA1('admin'), '1', 'Administrateur', '0')"),
        QStringLiteral("INSERT INTO utilisateur (login, pass, etat, nom, is_enseignant) SELECT CONCAT('u', "
                       "LPAD(seq, 5, '0')), SHA1(CONCAT('mdp', seq)), IF(MOD(seq, 25) = 0, '0', '1'), "
                       "CONCAT('Utilisateur ', seq), IF(seq <= {T}, '1', '0') FROM seq_1_to_{S}"),
        QStringLiteral(
            "INSERT INTO droits (utilisateur, droit) SELECT 'admin', CONCAT('DROIT_', LPAD(seq, 2, '0')) "
            "FROM seq_1_to_30"),
        QStringLiteral("INSERT INTO droits (utilisateur, droit) SELECT CONCAT('u', LPAD(u.seq, 5, '0')), "
                       "CONCAT('DROIT_', LPAD(1 + MOD(u.seq + d.seq, 30), 2, '0')) FROM seq_1_to_{S} u JOIN "
                       "seq_1_to_3 d"),
        QStringLiteral(
            "INSERT INTO heures (id, debut, fin, pause) SELECT seq, SEC_TO_TIME(27000 + (seq - 1) * 3300), "
            "SEC_TO_TIME(27000 + seq * 3300), IF(seq = 4 OR seq = 8, '1', '0') FROM seq_1_to_10"),
        QStringLiteral(
            "INSERT INTO parametres (nom, valeur_text, valeur_blob, description, type_param) SELECT "
            "CONCAT('PARAMETRE_', LPAD(seq, 2, '0')), IF(MOD(seq, 5) = 0, NULL, CONCAT('valeur ', seq)), "
            "IF(MOD(seq, 5) = 0, REPEAT(UNHEX('89504E47'), 512), NULL), CONCAT('Paramètre ', seq), "
            "IF(MOD(seq, 5) = 0, 'IM', 'TX') FROM seq_1_to_25"),
        // Academic structure.
        QStringLiteral(
            "INSERT INTO series (num, nom) VALUES (1, 'A'), (2, 'C'), (3, 'D'), (4, 'E'), (5, 'TI'), "
            "(6, 'Arts')"),
        QStringLiteral(
            "INSERT INTO examens (num, nom) VALUES (1, 'BEPC'), (2, 'Probatoire'), (3, 'Baccalauréat'), "
            "(4, 'GCE O Level'), (5, 'GCE A Level')"),
        QStringLiteral(
            "INSERT INTO examens_series (num_examen, num_serie) SELECT e.seq, s.seq FROM seq_2_to_3 e "
            "JOIN seq_1_to_6 s"),
        QStringLiteral(
            "INSERT INTO langue (id, code, libelle) VALUES (1, 'FR', 'Français'), (2, 'EN', 'English')"),
        QStringLiteral(
            "INSERT INTO section (id, code, libelle, id_langue) VALUES (1, 'SF', 'Section francophone', "
            "1), (2, 'SA', 'Anglophone section', 2)"),
        QStringLiteral(
            "INSERT INTO niveau (code, nom, age_max, moyenne_min, avertissement_max, blame_max, "
            "retard_max, consigne_max, exclusion_temp_max, absence_max, retenue_max, examen, ex_req_pro, "
            "moyenne_min_admi, versement_min, ordre, id_section) VALUES ") +
            niveaux.join(QStringLiteral(", ")),
        QStringLiteral(
            "INSERT INTO salle (id, nom, capacite, description) SELECT seq, CONCAT('Salle ', seq), "
            "50 + MOD(seq, 20), IF(seq > {C}, 'Laboratoire', NULL) FROM seq_1_to_{SALLES}"),
        QStringLiteral(
            "INSERT INTO appreciations (id, code, libelle, id_langue, inf, sup, inc_sup, note_ou_moyenne) "
            "SELECT (l.seq - 1) * 5 + a.seq, ELT(a.seq, 'F', 'P', 'AB', 'B', 'TB'), ELT(a.seq, 'Faible', "
            "'Passable', 'Assez bien', 'Bien', 'Très bien'), l.seq, (a.seq - 1) * 4, a.seq * 4, "
            "IF(a.seq = 5, '1', '0'), 'M' FROM seq_1_to_2 l JOIN seq_1_to_5 a"),
        QStringLiteral(
            "INSERT INTO generation_matricule (id, prefixe, prefixe_min, prefixe_max, prefixe_char, "
            "infixe, suffixe_min, suffixe_max, suffixe_char, suffixe_serie, `level`, code_entite) VALUES "
            "(1, 'AKW', 3, 3, '0', '26', 4, 6, '0', {N}, 1, 'E'), (2, 'AKWP', 4, 4, '0', NULL, 3, 5, "
            "'0', {S}, 1, 'P')"),
        QStringLiteral(
            "INSERT INTO departement (num, nom) SELECT seq, ELT(seq, 'Mathématiques', 'Physique-Chimie', "
            "'Sciences de la vie', 'Français', 'Anglais', 'Histoire-Géographie', 'Langues vivantes', "
            "'Éducation physique', 'Informatique', 'Philosophie') FROM seq_1_to_10"),
        QStringLiteral(
            "INSERT INTO lecon (code, intitule, id_departement) SELECT CONCAT('L', LPAD(seq, 3, '0')), "
            "CONCAT('Leçon ', seq), 1 + MOD(seq - 1, 10) FROM seq_1_to_60"),
        QStringLiteral(
            "INSERT INTO grade (id, code, intitule, volume_horaire_hebdomadaire) VALUES "
            "(1, 'PLEG', 'Professeur des lycées d''enseignement général', 18), "
            "(2, 'PCEG', 'Professeur des collèges', 21), (3, 'PLET', 'Professeur des lycées techniques', "
            "18), (4, 'IPN', 'Conseiller pédagogique', 6), (5, 'VAC', 'Vacataire', 12), "
            "(6, 'ADM', 'Personnel administratif', 0)"),
        QStringLiteral(
            "INSERT INTO fonction (id, code, nom, description) VALUES (1, 'ENS', 'Enseignant', NULL), "
            "(2, 'PRO', 'Proviseur', NULL), (3, 'CEN', 'Censeur', NULL), (4, 'SG', 'Surveillant général', "
            "NULL), (5, 'ECO', 'Économe', NULL), (6, 'SEC', 'Secrétaire', NULL), (7, 'BIB', "
            "'Bibliothécaire', NULL), (8, 'INF', 'Infirmier', 'Infirmerie')"),
        // Staff: the first {T} belong to a teaching department, the others to none.
        QStringLiteral("INSERT INTO personne (mat, nom, pnom, nat, tel, adr, typ) SELECT ") + membre +
            QStringLiteral(", ") + Nom(QStringLiteral("seq * 5")) + QStringLiteral(", ") +
            Prenom(QStringLiteral("seq + 3")) +
            QStringLiteral(", 'Camerounaise', CONCAT('699', LPAD(MOD(seq * 7919, 1000000), 6, '0')), "
                           "CONCAT('Quartier ', seq), 'P' FROM seq_1_to_{S}"),
        QStringLiteral(
            "INSERT INTO personnel (MAT, STAT, NIV, CNI, DEPT, CIVILITE, date_naissance, diplome, "
            "matricule_professionnel, date_entree_administration, date_nomination, date_prise_service, "
            "situation_matrimoniale, id_fonction, id_grade) SELECT ") +
            membre +
            QStringLiteral(
                ", IF(MOD(seq, 4) = 0, 'Vacataire', 'Titulaire'), 'Bac+5', CONCAT('CNI', LPAD(seq, 9, '0')), "
                "IF(seq <= {T}, 1 + MOD(seq - "
                "1, 10), NULL), IF(MOD(seq, 2) = 0, 'Mme', 'M.'), DATE_ADD('1965-01-01', INTERVAL "
                "MOD(seq * 53, 12000) DAY), 'DIPES II', CONCAT('MP', seq), DATE_ADD('1990-09-01', "
                "INTERVAL MOD(seq * 17, 9000) DAY), NULL, DATE_ADD('1995-09-01', INTERVAL MOD(seq * 13, "
                "9000) DAY), IF(MOD(seq, 3) = 0, 'Célibataire', 'Marié(e)'), IF(seq <= {T}, 1, 2 + "
                "MOD(seq, 7)), 1 + MOD(seq, 6) FROM seq_1_to_{S}"),
        // Classes, 8 lessons and 10 subjects each.
        QStringLiteral(
            "INSERT INTO classe (code, lib, niv, min_coefficient, id_langue, id_salle, prof_titulaire, "
            "serie, effectif) SELECT ") +
            CodeClasse(QStringLiteral("seq")) + QStringLiteral(", CONCAT('Classe ', ") +
            CodeClasse(QStringLiteral("seq")) + QStringLiteral("), ") +
            NiveauDeClasse(QStringLiteral("seq")) +
            QStringLiteral(", 10, IF(MOD(seq - 1, 14) < 7, 1, 2), seq, ") +
            enseignant.arg(QStringLiteral("seq - 1")) +
            QStringLiteral(
                ", IF(MOD(MOD(seq - 1, 14), 7) >= 4, 1 + MOD(seq, 6), NULL), 40 FROM seq_1_to_{C}"),
        QStringLiteral(
            "INSERT INTO matiere (code, lib) SELECT CONCAT('M', LPAD(seq, 2, '0')), CONCAT('Matière ', "
            "seq) FROM seq_1_to_20"),
        QStringLiteral("INSERT INTO classe_lecon (id, code_classe, code_lecon, matricule_enseignant, "
                       "volume_horaire_hebdomadaire, id_salle) SELECT (c.seq - 1) * 8 + k.seq, ") +
            CodeClasse(QStringLiteral("c.seq")) +
            QStringLiteral(", CONCAT('L', LPAD(1 + MOD(c.seq * 8 + k.seq, 60), 3, '0')), ") +
            enseignant.arg(QStringLiteral("(c.seq - 1) * 8 + k.seq - 1")) +
            QStringLiteral(", 2 + MOD(k.seq, 4), c.seq FROM seq_1_to_{C} c JOIN seq_1_to_8 k"),
        QStringLiteral(
            "INSERT INTO classe_matiere (num, classe, matiere, enseignant, coefficient, groupe, id_langue) "
            "SELECT (c.seq - 1) * 10 + k.seq, ") +
            CodeClasse(QStringLiteral("c.seq")) +
            QStringLiteral(", CONCAT('M', LPAD(k.seq + IF(MOD(c.seq - 1, 14) < 7, 0, 10), 2, '0')), ") +
            enseignant.arg(QStringLiteral("(c.seq - 1) * 10 + k.seq + 3")) +
            QStringLiteral(", 1 + MOD(k.seq, 5), 1 + MOD(k.seq, 3), IF(MOD(c.seq - 1, 14) < 7, 1, 2) FROM "
                           "seq_1_to_{C} c JOIN seq_1_to_10 k"),
        // Fees: registration for every level, tuition of each level, an optional fee withdrawn everywhere and
        // an old fee withdrawn; three instalments each.
        QStringLiteral(
            "INSERT INTO frais (ID, MONTANT, LIBELLE, PRIORITE) VALUES (1, 10000, 'Inscription', 1)"),
        QStringLiteral(
            "INSERT INTO frais (ID, MONTANT, LIBELLE, PRIORITE) SELECT 1 + seq, 45000 + seq * 5000, "
            "CONCAT('Scolarité ', ELT(seq, %1)), 2 FROM seq_1_to_14")
            .arg(ListeSQL(CodesNiveaux)),
        QStringLiteral(
            "INSERT INTO frais (ID, MONTANT, LIBELLE, PRIORITE) VALUES (16, 15000, 'Option informatique', "
            "3), (17, 5000, 'Ancienne cotisation', 4)"),
        QStringLiteral("INSERT INTO frais_niveau (id, id_frais, code_niveau, optionnel, etat) SELECT seq, 1, "
                       "ELT(seq, %1), '0', 'V' FROM seq_1_to_14")
            .arg(ListeSQL(CodesNiveaux)),
        QStringLiteral(
            "INSERT INTO frais_niveau (id, id_frais, code_niveau, optionnel, etat) SELECT 14 + seq, "
            "1 + seq, ELT(seq, %1), '0', 'V' FROM seq_1_to_14")
            .arg(ListeSQL(CodesNiveaux)),
        QStringLiteral(
            "INSERT INTO frais_niveau (id, id_frais, code_niveau, optionnel, etat) SELECT 28 + seq, 16, "
            "ELT(seq, %1), '1', 'A' FROM seq_1_to_14")
            .arg(ListeSQL(CodesNiveaux)),
        QStringLiteral("INSERT INTO frais_niveau (id, id_frais, code_niveau, optionnel, etat) VALUES "
                       "(43, 17, '6E', '0', 'A')"),
        QStringLiteral(
            "INSERT INTO tranche (ID, MONTANT, ORDRE, DATE_LIMITE_PAYEMENT, ID_FRAIS) SELECT (f.ID - 1) * "
            "3 + o.seq, ROUND(f.MONTANT / 3, 2), o.seq, DATE_ADD('2025-10-15', INTERVAL (o.seq - 1) * 3 "
            "MONTH), f.ID FROM frais f JOIN seq_1_to_3 o"),
        QStringLiteral(
            "INSERT INTO banque VALUES (1, 'Afriland First Bank', '1', '10005-00001'), (2, 'SGBC', '1', "
            "'10003-00002'), (3, 'BICEC', '1', '10001-00003'), (4, 'Ecobank', '0', '10029-00004')"),
        QStringLiteral(
            "INSERT INTO Catcharge SELECT seq, CONCAT('Catégorie ', seq), seq * 250000 FROM seq_1_to_6"),
        QStringLiteral(
            "INSERT INTO Charge SELECT seq, CONCAT('Charge ', seq), 1 + MOD(seq - 1, 6), IF(MOD(seq, 3) = "
            "0, '0', '1') FROM seq_1_to_30"),
        QStringLiteral(
            "INSERT INTO motif_reduction VALUES (1, 'Enfant d''enseignant', 'P', 50), (2, 'Fratrie', 'M', "
            "5000), (3, 'Excellence', 'P', 25), (4, 'Orphelin', 'P', 100), (5, 'Personnel', 'M', 10000)"),
        QStringLiteral(
            "INSERT INTO cotes SELECT (l.seq - 1) * 6 + c.seq, ELT(c.seq, 'A+', 'A', 'B+', 'B', 'C', 'D'), "
            "l.seq, 18 - c.seq * 2, 20 - c.seq * 2, IF(c.seq = 1, '1', '0'), 'N' FROM seq_1_to_2 l JOIN "
            "seq_1_to_6 c"),
        // Students, about 40 a class, with their end-of-year decisions.
        QStringLiteral("INSERT INTO personne (mat, nom, pnom, nat, tel, adr, typ) SELECT ") + eleve +
            QStringLiteral(", ") + Nom(QStringLiteral("seq")) + QStringLiteral(", ") +
            Prenom(QStringLiteral("seq")) +
            QStringLiteral(
                ", IF(MOD(seq, 25) = 0, 'Tchadienne', 'Camerounaise'), IF(MOD(seq, 10) = 0, NULL, "
                "CONCAT('6', LPAD(MOD(seq * 7919, 100000000), 8, '0'))), CONCAT('Quartier ', ELT(1 + "
                "MOD(seq, 8), 'Akwa', 'Bonapriso', 'Deïdo', 'Bonabéri', 'Makepe', 'Logbessou', 'Ndokoti', "
                "'Bépanda')), 'E' FROM seq_1_to_{N}"),
        QStringLiteral(
            "INSERT INTO eleve (mat, pere, mere, tuteur, en_regle, redoublant, enregistre_par, lnais, "
            "dnais, idclasse, sexe, montant_verse, mat_nationnal, orientation_serie, exclu) SELECT ") +
            eleve + QStringLiteral(", CONCAT('Père ', ") + Nom(QStringLiteral("seq")) +
            QStringLiteral("), CONCAT('Mère ', ") + Nom(QStringLiteral("seq + 5")) +
            QStringLiteral(
                "), IF(MOD(seq, 7) = 0, CONCAT('Tuteur ', seq), NULL), IF(MOD(seq, 3) = 0, '0', '1'), "
                "IF(MOD(seq, 11) = 0, '1', '0'), 'secretaire', ELT(1 + MOD(seq, 5), 'Douala', 'Yaoundé', "
                "'Bafoussam', 'Garoua', 'Limbé'), IF(MOD(seq, 50) = 0, NULL, DATE_ADD('2006-01-01', "
                "INTERVAL MOD(seq * 37, 4380) DAY)), ") +
            CodeClasse(QStringLiteral("1 + MOD(seq - 1, {C})")) +
            QStringLiteral(
                ", IF(MOD(seq, 2) = 0, 'F', 'M'), MOD(seq, 5) * 20000, CONCAT('NAT', LPAD(seq, 8, '0')), "
                "NULL, '0' FROM seq_1_to_{N}"),
        QStringLiteral("INSERT INTO decision (mat, decision) SELECT ") + eleve +
            QStringLiteral(
                ", IF(MOD(seq, 9) = 0, 'R', IF(MOD(seq, 97) = 0, 'E', IF(MOD(seq, 13) = 0, 'PE', 'P'))) "
                "FROM seq_1_to_{N}"),
        // Pictures of one student in four, of every member of staff, and of a few people who left.
        QStringLiteral("INSERT INTO photos (matricule, photo) SELECT ") + eleve +
            QStringLiteral(", CONCAT(UNHEX('FFD8FFE0'), REPEAT(CHAR(MOD(seq, 256)), 4092)) FROM seq_1_to_{N} "
                           "WHERE MOD(seq, 4) = 0"),
        QStringLiteral("INSERT INTO photos (matricule, photo) SELECT ") + membre +
            QStringLiteral(
                ", CONCAT(UNHEX('FFD8FFE0'), REPEAT(CHAR(MOD(seq, 256)), 4092)) FROM seq_1_to_{S}"),
        QStringLiteral(
            "INSERT INTO photos (matricule, photo) SELECT CONCAT('X', seq), REPEAT(UNHEX('FF'), 4096) "
            "FROM seq_1_to_{S}")};
    for (QString& s : sql) {
        s.replace(QStringLiteral("{SALLES}"), QString::number(t.Classes + 10));
        s.replace(QStringLiteral("{N}"), QString::number(t.Eleves));
        s.replace(QStringLiteral("{C}"), QString::number(t.Classes));
        s.replace(QStringLiteral("{S}"), QString::number(t.Personnel));
        s.replace(QStringLiteral("{T}"), QString::number(t.Enseignants));
    }
    return sql;
}

// The master table and the new year's database as they are before a run.
void Reinitialiser(BaseDeTest& base) {
    base.CreerBaseAnnee(Nouvelle);
    base.Executer(QStringLiteral("DELETE FROM korven.annee_scolaire"));
    base.Executer(AnneesMaitre);
}

// The rows a run leaves: every table of the new year's database with its count and, but for the journal
// (which holds the time of the run), its checksum; and the years of the master table.
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
        if (table.compare(QLatin1String("journal"), Qt::CaseInsensitive) != 0)
            comptes << table + QLatin1Char('#') +
                           base.Lignes(QStringLiteral("CHECKSUM TABLE %1").arg(nom))
                               .value(0)
                               .section(QLatin1Char('|'), 1);
    }
    comptes << QStringLiteral("korven.annee_scolaire=") +
                   base.Lignes(QStringLiteral(
                                   "SELECT CONCAT(code, ':', active) FROM korven.annee_scolaire ORDER BY "
                                   "code"))
                       .join(QLatin1Char(','));
    return comptes;
}

// The closing year's students as the wizard holds them: one record each, the repeat flag taken from the
// decision, each placed in its own class (which the transition creates in the new year before the students).
void ChargerEleves(EnvironnementTransition& env) {
    const QString nomConnexion = QStringLiteral("solvane_bench_eleves");
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), nomConnexion);
        base.setHostName(ServeurDeTest::Hote());
        base.setPort(ServeurDeTest::Port().toInt());
        base.setUserName(ServeurDeTest::Utilisateur());
        base.setPassword(ServeurDeTest::MotDePasse());
        base.setDatabaseName(Ancienne);
        if (!base.open())
            Arreter(QStringLiteral("reading the students: ") + base.lastError().text());
        QSqlQuery q(base);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral(
                "SELECT P.mat, P.nom, P.pnom, P.nat, P.tel, P.adr, E.pere, E.mere, E.tuteur, "
                "E.en_regle, D.decision, E.enregistre_par, E.lnais, E.idclasse, E.sexe, "
                "E.mat_nationnal, E.montant_verse, E.dnais FROM eleve E JOIN personne P ON P.mat = "
                "E.mat JOIN decision D ON D.mat = E.mat ORDER BY E.mat")))
            Arreter(QStringLiteral("reading the students: ") + q.lastError().text());
        while (q.next()) {
            const QString matricule = q.value(0).toString();
            const TCPersonne personne(matricule, q.value(1).toString(), q.value(2).toString(),
                                      q.value(3).toString(), q.value(4).toString(), q.value(5).toString());
            const QString redoublant =
                q.value(10).toString() == QLatin1String("R") ? QStringLiteral("1") : QStringLiteral("0");
            const QString classe = q.value(13).toString();
            env.Eleves[matricule] = std::make_unique<TCEleve>(
                personne, matricule, q.value(6).toString(), q.value(7).toString(), q.value(8).toString(),
                q.value(9).toString(), redoublant, q.value(11).toString(), q.value(12).toString(), classe,
                q.value(14).toString(), q.value(15).toString(), q.value(16).toDouble(), q.value(17).toDate());
            env.Placement[matricule] = classe;
        }
        base.close();
    }
    QSqlDatabase::removeDatabase(nomConnexion);
}

// ---------------------------------------------------------------------------------------------------------
// The statements of a run, as a file for the command-line client
// ---------------------------------------------------------------------------------------------------------

QString Litteral(const QVariant& valeur) {
    if (valeur.isNull())
        return QStringLiteral("NULL");
    switch (valeur.typeId()) {
    case QMetaType::Bool:
        return valeur.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return valeur.toString();
    case QMetaType::QByteArray:
        return QStringLiteral("X'") + QString::fromLatin1(valeur.toByteArray().toHex()) + QLatin1Char('\'');
    case QMetaType::QDate:
        return ChaineSQL(valeur.toDate().toString(QStringLiteral("yyyy-MM-dd")));
    case QMetaType::QDateTime:
        return ChaineSQL(valeur.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    default:
        return ChaineSQL(valeur.toString());
    }
}

bool CaractereNom(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// The statement as the server gets it, its named parameters (":nom", outside quotes) written in as literals.
QString AvecParametres(const TSQLQuery& requete) {
    const QString texte = requete.Texte();
    if (requete.Params.isEmpty())
        return texte;
    QString resultat;
    resultat.reserve(texte.size() + 64);
    QChar guillemet;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (!guillemet.isNull()) {
            resultat += c;
            if (c == QLatin1Char('\\') && guillemet != QLatin1Char('`') && i + 1 < texte.size())
                resultat += texte[++i];
            else if (c == guillemet)
                guillemet = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            guillemet = c;
            resultat += c;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < texte.size() && CaractereNom(texte[i + 1])) {
            qsizetype fin = i + 1;
            while (fin < texte.size() && CaractereNom(texte[fin]))
                ++fin;
            const QString nom = texte.mid(i + 1, fin - i - 1);
            const auto parametre =
                std::find_if(requete.Params.cbegin(), requete.Params.cend(), [&nom](const auto& p) {
                    return p.first.compare(nom, Qt::CaseInsensitive) == 0;
                });
            if (parametre == requete.Params.cend())
                Arreter(QStringLiteral("parameter :%1 has no value in: %2").arg(nom, texte));
            resultat += Litteral(parametre->second);
            i = fin - 1;
            continue;
        }
        resultat += c;
    }
    return resultat;
}

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
    transition.Progression = [&](int numero, const QString& libelle, int) {
        releves.append({numero, chrono.nsecsElapsed(), TempsProcesseur()});
        etapeCourante = numero;
        libelles[numero] = libelle;
        if (capture)
            capture->Etapes << numero;
    };
    if (capture)
        TSQLQuery::AvantExecution = [&](const TSQLQuery& requete) {
            capture->Instructions.append({etapeCourante, AvecParametres(requete)});
        };
    const qint64 processeur = TempsProcesseur();
    chrono.start();
    const bool reussi = transition.Executer(env.Parametres);
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
const std::vector<int> EtapesPropres = {30, 31, 39};
constexpr int EtapeEleves = 30;

struct TResultatTaille {
    TTaille Taille{};
    std::map<int, QString> Libelles;
    std::vector<TMesure> Runs;                  // every counted run, in order
    std::vector<std::map<int, qint64>> Marques; // every marked client run: server time per step
    std::vector<qint64> Planchers;              // every whole-file client run
    std::vector<qint64> ProcesseurClient;       // the client's processor time in each of them
    std::vector<qint64> PlanchersMarques;       // every marked client run, process start to end
    std::vector<qint64> Apercus;                // every preview ("Vérifier"), taken right before a run
    std::map<int, qint64> Etapes;               // medians of the runs
    std::map<int, qint64> EtapesPlancher;       // medians of the marked client runs
    std::map<int, qint64> Processeur;           // medians of the program's processor time
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
    r.Generation = chrono.nsecsElapsed();
    chrono.restart();
    ChargerEleves(env);
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
        for (const int etape : {0, 30, 31, 39})
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

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);

    int repetitions = 7;
    std::vector<int> tailles;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        bool ok = false;
        if (arguments[i] == QLatin1String("--repetitions") && i + 1 < arguments.size()) {
            repetitions = arguments[++i].toInt(&ok);
            if (!ok || repetitions < 1)
                Arreter(QStringLiteral("--repetitions takes a positive number"));
            continue;
        }
        const int n = arguments[i].toInt(&ok);
        if (!ok || n < 1)
            Arreter(QStringLiteral("usage: bench_transition [--repetitions K] [N ...]"));
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
    return 0;
}
