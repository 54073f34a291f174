#include "EcoleGeneree.h"

#include <algorithm>

namespace {

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

} // namespace

TTaille Taille(int eleves, int grandeClasse) {
    TTaille t;
    t.Eleves = eleves;
    t.GrandeClasse = std::clamp(grandeClasse, 0, eleves);
    t.Classes = t.GrandeClasse > 0 ? 1 + std::max(1, (eleves - t.GrandeClasse + 20) / 40)
                                   : std::max(1, (eleves + 20) / 40);
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
            CodeClasse(t.GrandeClasse > 0
                           ? QStringLiteral("IF(seq <= {G}, 1, 2 + MOD(seq - {G} - 1, {C} - 1))")
                           : QStringLiteral("1 + MOD(seq - 1, {C})")) +
            QStringLiteral(
                ", IF(MOD(seq, 2) = 0, 'F', 'M'), MOD(seq, 5) * 20000, CONCAT('NAT', LPAD(seq, 8, '0')), "
                "IF(MOD(seq, 3) = 0, 1 + MOD(seq, 6), NULL), '0' FROM seq_1_to_{N}"),
        QStringLiteral("INSERT INTO decision (mat, decision) SELECT ") + eleve +
            QStringLiteral(
                ", IF(MOD(seq, 9) = 0, 'Redouble', IF(MOD(seq, 97) = 0, 'Exclu', IF(MOD(seq, 13) = 0, "
                "'Promu mais Exclu', IF(MOD(seq, 101) = 0, '', 'Promu')))) FROM seq_1_to_{N}"),
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
        s.replace(QStringLiteral("{G}"), QString::number(t.GrandeClasse));
        s.replace(QStringLiteral("{S}"), QString::number(t.Personnel));
        s.replace(QStringLiteral("{T}"), QString::number(t.Enseignants));
    }
    return sql;
}
