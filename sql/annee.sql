-- Tables of one school-year database (bd_2025_2026, bd_2026_2027, ...).
-- Applied to the current database: every year database is created empty from this file.
--
-- Conventions:
--   * flags are CHAR(1) holding '1' or '0', state columns hold 'V' for a valid row.
--   * a matricule is VARCHAR(30) wherever it appears, and so are the codes of levels, classes,
--     subjects and lessons: the IN / NOT IN conditions of the year transition always compare
--     columns of the same type and the same collation.
--   * every column that identifies a row for the transition is NOT NULL and carries a primary or
--     unique key. A NULL inside a NOT IN (SELECT ...) list would make the condition unknown for
--     every row and silently skip the whole copy.
--   * every other column is nullable or has a default, so that inserts naming only part of the
--     columns succeed with a strict sql_mode.
--   * no foreign keys: the transition checks references itself with IN conditions, and rows may
--     be written before the rows they refer to.

-- ---------------------------------------------------------------------------------------------
-- School setup and administration
-- ---------------------------------------------------------------------------------------------

-- School identity and settings. The application reads the first row. The column order is the
-- order in which the transition copies them.
CREATE TABLE configuration (
  id INT NOT NULL,
  nom_fr VARCHAR(255) NULL DEFAULT NULL,
  nom_en VARCHAR(255) NULL DEFAULT NULL,
  devise_fr VARCHAR(255) NULL DEFAULT NULL,
  devise_en VARCHAR(255) NULL DEFAULT NULL,
  boite_postale VARCHAR(100) NULL DEFAULT NULL,
  civilite_responsable VARCHAR(50) NULL DEFAULT NULL,
  nom_responsable VARCHAR(255) NULL DEFAULT NULL,
  prefixe_qualite_responsable VARCHAR(50) NULL DEFAULT NULL,
  qualite_responsable VARCHAR(255) NULL DEFAULT NULL,
  telephone VARCHAR(100) NULL DEFAULT NULL,
  fax VARCHAR(100) NULL DEFAULT NULL,
  adresse VARCHAR(255) NULL DEFAULT NULL,
  localisation VARCHAR(255) NULL DEFAULT NULL,
  ville VARCHAR(150) NULL DEFAULT NULL,
  prefixe_region VARCHAR(50) NULL DEFAULT NULL,
  region VARCHAR(150) NULL DEFAULT NULL,
  region_en VARCHAR(150) NULL DEFAULT NULL,
  prefixe_departement VARCHAR(50) NULL DEFAULT NULL,
  departement VARCHAR(150) NULL DEFAULT NULL,
  departement_en VARCHAR(150) NULL DEFAULT NULL,
  prefixe_arrondissement VARCHAR(50) NULL DEFAULT NULL,
  arrondissement VARCHAR(150) NULL DEFAULT NULL,
  min_sequence INT NULL DEFAULT NULL,
  logo LONGBLOB NULL DEFAULT NULL,
  age_min INT NULL DEFAULT NULL,
  age_max INT NULL DEFAULT NULL,
  format_bulletin VARCHAR(100) NULL DEFAULT NULL,
  signature_responsable LONGBLOB NULL DEFAULT NULL,
  logo_bul VARCHAR(100) NULL DEFAULT NULL,
  profil_bul VARCHAR(100) NULL DEFAULT NULL,
  heure_du_edt VARCHAR(100) NULL DEFAULT NULL,
  last_num_cp INT NULL DEFAULT NULL,
  last_num_cr INT NULL DEFAULT NULL,
  last_num_ap INT NULL DEFAULT NULL,
  code_etablissement VARCHAR(100) NULL DEFAULT NULL,
  code_centre VARCHAR(100) NULL DEFAULT NULL,
  saisir_notes_eleve_enregle CHAR(1) NULL DEFAULT NULL,
  appreciation_saction_automatique CHAR(1) NULL DEFAULT NULL,
  rappel_moyenne CHAR(1) NULL DEFAULT NULL,
  type_rappel_moyenne VARCHAR(50) NULL DEFAULT NULL,
  signature_responsable_sur_bulletin CHAR(1) NULL DEFAULT NULL,
  affiche_orientation_sur_bulletin_annuel CHAR(1) NULL DEFAULT NULL,
  affiche_nom_enseignant_sur_bulletin CHAR(1) NULL DEFAULT NULL,
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Named settings. type_param 'IM' marks a picture held in valeur_blob, any other value a text in
-- valeur_text. The key on nom keeps the per-name subqueries of the transition single-valued.
CREATE TABLE parametres (
  nom VARCHAR(100) NOT NULL,
  valeur_text TEXT NULL DEFAULT NULL,
  valeur_blob LONGBLOB NULL DEFAULT NULL,
  description VARCHAR(255) NULL DEFAULT NULL,
  type_param VARCHAR(10) NULL DEFAULT NULL,
  PRIMARY KEY (nom)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Accounts. pass is the 40-digit hexadecimal SHA-1 of the password, as sha1() renders it.
CREATE TABLE utilisateur (
  login VARCHAR(100) NOT NULL,
  pass VARCHAR(64) NOT NULL DEFAULT '',
  etat CHAR(1) NOT NULL DEFAULT '1',
  nom VARCHAR(255) NULL DEFAULT NULL,
  is_enseignant CHAR(1) NOT NULL DEFAULT '0',
  PRIMARY KEY (login)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Rights granted to accounts (utilisateur holds a login).
CREATE TABLE droits (
  utilisateur VARCHAR(100) NOT NULL,
  droit VARCHAR(100) NOT NULL,
  PRIMARY KEY (utilisateur, droit)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Operations journal. numero is assigned by the server, date and heure come from the server clock.
CREATE TABLE journal (
  numero INT NOT NULL AUTO_INCREMENT,
  utilisateur VARCHAR(255) NULL DEFAULT NULL,
  libelle TEXT NULL DEFAULT NULL,
  poste VARCHAR(255) NULL DEFAULT NULL,
  operation VARCHAR(100) NULL DEFAULT NULL,
  domaine VARCHAR(255) NULL DEFAULT NULL,
  `date` DATE NULL DEFAULT NULL,
  heure TIME NULL DEFAULT NULL,
  PRIMARY KEY (numero),
  KEY idx_journal_date (`date`, heure),
  KEY idx_journal_utilisateur (utilisateur)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- ---------------------------------------------------------------------------------------------
-- Academic structure
-- ---------------------------------------------------------------------------------------------

CREATE TABLE langue (
  id INT NOT NULL,
  code VARCHAR(30) NOT NULL,
  libelle VARCHAR(150) NOT NULL,
  PRIMARY KEY (id),
  UNIQUE KEY uk_langue_code (code),
  UNIQUE KEY uk_langue_libelle (libelle)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE section (
  id INT NOT NULL,
  code VARCHAR(30) NOT NULL,
  libelle VARCHAR(150) NOT NULL,
  id_langue INT NULL DEFAULT NULL,
  PRIMARY KEY (id),
  UNIQUE KEY uk_section_code (code),
  UNIQUE KEY uk_section_libelle (libelle)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Official examinations.
CREATE TABLE examens (
  num INT NOT NULL,
  nom VARCHAR(150) NOT NULL,
  PRIMARY KEY (num),
  UNIQUE KEY uk_examens_nom (nom)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Series (streams) of study.
CREATE TABLE series (
  num INT NOT NULL,
  nom VARCHAR(150) NOT NULL,
  PRIMARY KEY (num),
  UNIQUE KEY uk_series_nom (nom)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE examens_series (
  num_examen INT NOT NULL,
  num_serie INT NOT NULL,
  PRIMARY KEY (num_examen, num_serie)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Study levels. Inside a section the next level is the one whose ordre is one higher.
-- examen is the examination closing the level (NULL when none), ex_req_pro '1' when passing it
-- is required for promotion.
CREATE TABLE niveau (
  code VARCHAR(30) NOT NULL,
  nom VARCHAR(150) NULL DEFAULT NULL,
  age_max INT NULL DEFAULT NULL,
  moyenne_min DECIMAL(5,2) NULL DEFAULT NULL,
  avertissement_max INT NULL DEFAULT NULL,
  blame_max INT NULL DEFAULT NULL,
  retard_max INT NULL DEFAULT NULL,
  consigne_max INT NULL DEFAULT NULL,
  exclusion_temp_max INT NULL DEFAULT NULL,
  absence_max INT NULL DEFAULT NULL,
  retenue_max INT NULL DEFAULT NULL,
  examen INT NULL DEFAULT NULL,
  ex_req_pro CHAR(1) NOT NULL DEFAULT '0',
  moyenne_min_admi DECIMAL(5,2) NULL DEFAULT NULL,
  versement_min DECIMAL(12,2) NULL DEFAULT NULL,
  ordre INT NULL DEFAULT NULL,
  id_section INT NULL DEFAULT NULL,
  PRIMARY KEY (code),
  KEY idx_niveau_section (id_section, ordre)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Rooms.
CREATE TABLE salle (
  id INT NOT NULL,
  nom VARCHAR(150) NOT NULL,
  capacite INT NULL DEFAULT NULL,
  description VARCHAR(255) NULL DEFAULT NULL,
  PRIMARY KEY (id),
  UNIQUE KEY uk_salle_nom (nom)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Classes. Language, room, form teacher and series are optional. effectif is recomputed from
-- eleve by the transition.
CREATE TABLE classe (
  code VARCHAR(30) NOT NULL,
  lib VARCHAR(150) NOT NULL,
  niv VARCHAR(30) NULL DEFAULT NULL,
  min_coefficient DECIMAL(6,2) NULL DEFAULT NULL,
  id_langue INT NULL DEFAULT NULL,
  id_salle INT NULL DEFAULT NULL,
  prof_titulaire VARCHAR(30) NULL DEFAULT NULL,
  serie INT NULL DEFAULT NULL,
  effectif INT NOT NULL DEFAULT 0,
  PRIMARY KEY (code),
  UNIQUE KEY uk_classe_lib (lib),
  KEY idx_classe_niv (niv)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Subjects.
CREATE TABLE matiere (
  code VARCHAR(30) NOT NULL,
  lib VARCHAR(150) NOT NULL,
  PRIMARY KEY (code),
  UNIQUE KEY uk_matiere_lib (lib)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Lessons, each belonging to a teaching department.
CREATE TABLE lecon (
  code VARCHAR(30) NOT NULL,
  intitule VARCHAR(255) NOT NULL,
  id_departement INT NULL DEFAULT NULL,
  PRIMARY KEY (code),
  UNIQUE KEY uk_lecon_intitule (intitule)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Lessons given to a class, by a teacher, in a room.
CREATE TABLE classe_lecon (
  id INT NOT NULL,
  code_classe VARCHAR(30) NULL DEFAULT NULL,
  code_lecon VARCHAR(30) NULL DEFAULT NULL,
  matricule_enseignant VARCHAR(30) NULL DEFAULT NULL,
  volume_horaire_hebdomadaire DECIMAL(5,2) NULL DEFAULT NULL,
  id_salle INT NULL DEFAULT NULL,
  PRIMARY KEY (id),
  KEY idx_classe_lecon_classe (code_classe)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Subjects taught in a class, with teacher, coefficient and report-card group.
CREATE TABLE classe_matiere (
  num INT NOT NULL,
  classe VARCHAR(30) NULL DEFAULT NULL,
  matiere VARCHAR(30) NULL DEFAULT NULL,
  enseignant VARCHAR(30) NULL DEFAULT NULL,
  coefficient DECIMAL(5,2) NULL DEFAULT NULL,
  groupe INT NULL DEFAULT NULL,
  id_langue INT NULL DEFAULT NULL,
  PRIMARY KEY (num),
  KEY idx_classe_matiere_classe (classe)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Lesson time slots of the timetable. pause is '1' for a break.
CREATE TABLE heures (
  id INT NOT NULL,
  debut TIME NULL DEFAULT NULL,
  fin TIME NULL DEFAULT NULL,
  pause CHAR(1) NOT NULL DEFAULT '0',
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Report-card appreciations per language for a range of marks (note_ou_moyenne 'N') or of
-- averages ('M'). inc_sup is '1' when the upper bound belongs to the range.
CREATE TABLE appreciations (
  id INT NOT NULL,
  code VARCHAR(30) NULL DEFAULT NULL,
  libelle VARCHAR(255) NULL DEFAULT NULL,
  id_langue INT NULL DEFAULT NULL,
  inf DECIMAL(5,2) NULL DEFAULT NULL,
  sup DECIMAL(5,2) NULL DEFAULT NULL,
  inc_sup CHAR(1) NOT NULL DEFAULT '0',
  note_ou_moyenne CHAR(1) NULL DEFAULT NULL,
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Marks scale.
CREATE TABLE cotes (
  id INT NOT NULL,
  cote VARCHAR(30) NULL DEFAULT NULL,
  id_langue INT NULL DEFAULT NULL,
  inf DECIMAL(5,2) NULL DEFAULT NULL,
  sup DECIMAL(5,2) NULL DEFAULT NULL,
  inc_sup CHAR(1) NOT NULL DEFAULT '0',
  note_ou_moyenne CHAR(1) NULL DEFAULT NULL,
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Formats of generated matricules: prefix, infix and suffix, each with its length bounds and
-- filling character, the running serial number, and the entity it applies to.
CREATE TABLE generation_matricule (
  id INT NOT NULL,
  prefixe VARCHAR(30) NULL DEFAULT NULL,
  prefixe_min INT NULL DEFAULT NULL,
  prefixe_max INT NULL DEFAULT NULL,
  prefixe_char VARCHAR(5) NULL DEFAULT NULL,
  infixe VARCHAR(30) NULL DEFAULT NULL,
  infixe_min INT NULL DEFAULT NULL,
  infixe_max INT NULL DEFAULT NULL,
  infixe_char VARCHAR(5) NULL DEFAULT NULL,
  suffixe VARCHAR(30) NULL DEFAULT NULL,
  suffixe_min INT NULL DEFAULT NULL,
  suffixe_max INT NULL DEFAULT NULL,
  suffixe_char VARCHAR(5) NULL DEFAULT NULL,
  suffixe_serie INT NULL DEFAULT NULL,
  `level` INT NULL DEFAULT NULL,
  code_entite VARCHAR(30) NULL DEFAULT NULL,
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- ---------------------------------------------------------------------------------------------
-- People
-- ---------------------------------------------------------------------------------------------

-- Every person, student or staff. Students are inserted without typ: they take the default 'E'.
-- Staff rows carry 'P'.
CREATE TABLE personne (
  mat VARCHAR(30) NOT NULL,
  nom VARCHAR(150) NULL DEFAULT NULL,
  pnom VARCHAR(150) NULL DEFAULT NULL,
  nat VARCHAR(100) NULL DEFAULT NULL,
  tel VARCHAR(100) NULL DEFAULT NULL,
  adr VARCHAR(255) NULL DEFAULT NULL,
  typ VARCHAR(10) NOT NULL DEFAULT 'E',
  PRIMARY KEY (mat),
  KEY idx_personne_nom (nom, pnom)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Staff. DEPT is NULL for staff outside any teaching department.
CREATE TABLE personnel (
  MAT VARCHAR(30) NOT NULL,
  STAT VARCHAR(100) NULL DEFAULT NULL,
  NIV VARCHAR(100) NULL DEFAULT NULL,
  SPEC VARCHAR(150) NULL DEFAULT NULL,
  CNI VARCHAR(50) NULL DEFAULT NULL,
  DEPT INT NULL DEFAULT NULL,
  CIVILITE VARCHAR(20) NULL DEFAULT NULL,
  date_naissance DATE NULL DEFAULT NULL,
  diplome VARCHAR(150) NULL DEFAULT NULL,
  matricule_professionnel VARCHAR(50) NULL DEFAULT NULL,
  date_entree_administration DATE NULL DEFAULT NULL,
  date_nomination DATE NULL DEFAULT NULL,
  date_prise_service DATE NULL DEFAULT NULL,
  situation_matrimoniale VARCHAR(50) NULL DEFAULT NULL,
  id_fonction INT NULL DEFAULT NULL,
  id_grade INT NULL DEFAULT NULL,
  PRIMARY KEY (MAT),
  KEY idx_personnel_dept (DEPT)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Teaching departments.
CREATE TABLE departement (
  num INT NOT NULL,
  nom VARCHAR(150) NOT NULL,
  PRIMARY KEY (num),
  UNIQUE KEY uk_departement_nom (nom)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Staff grades with their weekly teaching hours.
CREATE TABLE grade (
  id INT NOT NULL,
  code VARCHAR(30) NOT NULL,
  intitule VARCHAR(255) NULL DEFAULT NULL,
  volume_horaire_hebdomadaire INT NULL DEFAULT NULL,
  PRIMARY KEY (id),
  UNIQUE KEY uk_grade_code (code)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Staff functions.
CREATE TABLE fonction (
  id INT NOT NULL,
  code VARCHAR(30) NOT NULL,
  nom VARCHAR(150) NOT NULL,
  description VARCHAR(255) NULL DEFAULT NULL,
  PRIMARY KEY (id),
  UNIQUE KEY uk_fonction_code (code),
  UNIQUE KEY uk_fonction_nom (nom)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Students of the year. The transfer of students carries mat_nationnal (NULL for a student without one)
-- but gives neither orientation_serie nor exclu, which belong to the year: they take their defaults. dnais
-- may be unknown.
CREATE TABLE eleve (
  mat VARCHAR(30) NOT NULL,
  pere VARCHAR(255) NULL DEFAULT NULL,
  mere VARCHAR(255) NULL DEFAULT NULL,
  tuteur VARCHAR(255) NULL DEFAULT NULL,
  en_regle CHAR(1) NOT NULL DEFAULT '0',
  redoublant CHAR(1) NOT NULL DEFAULT '0',
  enregistre_par VARCHAR(100) NULL DEFAULT NULL,
  lnais VARCHAR(150) NULL DEFAULT NULL,
  dnais DATE NULL DEFAULT NULL,
  idclasse VARCHAR(30) NULL DEFAULT NULL,
  sexe VARCHAR(10) NULL DEFAULT NULL,
  montant_verse DECIMAL(12,2) NOT NULL DEFAULT 0,
  mat_nationnal VARCHAR(50) NULL DEFAULT NULL,
  orientation_serie INT NULL DEFAULT NULL,
  exclu CHAR(1) NOT NULL DEFAULT '0',
  PRIMARY KEY (mat),
  KEY idx_eleve_idclasse (idclasse)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- End-of-year decisions, free text. Deliberately no key on mat: a second row for the same student
-- is a data error that the application reports, the table does not hide it.
CREATE TABLE decision (
  mat VARCHAR(30) NOT NULL,
  decision VARCHAR(255) NULL DEFAULT NULL,
  KEY idx_decision_mat (mat)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Pictures of persons.
CREATE TABLE photos (
  matricule VARCHAR(30) NOT NULL,
  photo LONGBLOB NULL DEFAULT NULL,
  PRIMARY KEY (matricule)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- ---------------------------------------------------------------------------------------------
-- Fees and finance
-- ---------------------------------------------------------------------------------------------

CREATE TABLE frais (
  ID INT NOT NULL,
  MONTANT DECIMAL(12,2) NOT NULL DEFAULT 0,
  LIBELLE VARCHAR(255) NULL DEFAULT NULL,
  PRIORITE INT NULL DEFAULT NULL,
  PRIMARY KEY (ID)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Fees charged to a level. Only 'V' rows are in force.
CREATE TABLE frais_niveau (
  id INT NOT NULL,
  id_frais INT NULL DEFAULT NULL,
  code_niveau VARCHAR(30) NULL DEFAULT NULL,
  optionnel CHAR(1) NOT NULL DEFAULT '0',
  etat CHAR(1) NOT NULL DEFAULT 'V',
  PRIMARY KEY (id),
  KEY idx_frais_niveau_frais (id_frais),
  KEY idx_frais_niveau_niveau (code_niveau)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Instalments of a fee.
CREATE TABLE tranche (
  ID INT NOT NULL,
  MONTANT DECIMAL(12,2) NOT NULL DEFAULT 0,
  ORDRE INT NULL DEFAULT NULL,
  DATE_LIMITE_PAYEMENT DATE NULL DEFAULT NULL,
  ID_FRAIS INT NULL DEFAULT NULL,
  PRIMARY KEY (ID),
  KEY idx_tranche_frais (ID_FRAIS)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Instalments due by each student. id is assigned by the server.
CREATE TABLE tranche_eleve (
  id INT NOT NULL AUTO_INCREMENT,
  id_tranche INT NULL DEFAULT NULL,
  MAT_ELEVE VARCHAR(30) NULL DEFAULT NULL,
  MONTANT DECIMAL(12,2) NOT NULL DEFAULT 0,
  etat CHAR(1) NOT NULL DEFAULT 'V',
  PRIMARY KEY (id),
  KEY idx_tranche_eleve_eleve (MAT_ELEVE),
  KEY idx_tranche_eleve_tranche (id_tranche)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Payments against a student's instalment, each on a receipt.
CREATE TABLE versement (
  montant DECIMAL(12,2) NOT NULL DEFAULT 0,
  ID_TRANCHE_ELEVE INT NULL DEFAULT NULL,
  NUMERO_RECU INT NULL DEFAULT NULL,
  KEY idx_versement_tranche_eleve (ID_TRANCHE_ELEVE),
  KEY idx_versement_recu (NUMERO_RECU)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Receipts. Only 'V' receipts count.
CREATE TABLE recu (
  numero INT NOT NULL,
  etat CHAR(1) NOT NULL DEFAULT 'V',
  PRIMARY KEY (numero)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Fee reductions granted to students.
CREATE TABLE reduction_frais (
  montant DECIMAL(12,2) NOT NULL DEFAULT 0,
  MAT_ELEVE VARCHAR(30) NULL DEFAULT NULL,
  KEY idx_reduction_frais_eleve (MAT_ELEVE)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Reasons for reductions.
-- typeReduction: 'P' a percentage, 'M' a fixed amount.
CREATE TABLE motif_reduction (
  id INT NOT NULL,
  motif VARCHAR(255) NULL DEFAULT NULL,
  typeReduction VARCHAR(10) NULL DEFAULT NULL,
  valeurReduction DECIMAL(12,2) NULL DEFAULT NULL,
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Banks.
CREATE TABLE banque (
  id INT NOT NULL,
  nom VARCHAR(150) NULL DEFAULT NULL,
  etat CHAR(1) NOT NULL DEFAULT '1',
  numero_compte VARCHAR(100) NULL DEFAULT NULL,
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Expense categories with their spending ceiling.
CREATE TABLE Catcharge (
  id INT NOT NULL,
  lib VARCHAR(150) NULL DEFAULT NULL,
  plafond_depense DECIMAL(12,2) NULL DEFAULT NULL,
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Expenses, each in a category. reguliere is '1' for a recurring expense.
CREATE TABLE Charge (
  id INT NOT NULL,
  lib VARCHAR(150) NULL DEFAULT NULL,
  id_categorie INT NULL DEFAULT NULL,
  reguliere CHAR(1) NOT NULL DEFAULT '0',
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
