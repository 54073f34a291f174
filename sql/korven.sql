-- Master database: the list of school years.
-- Applied to the current database (normally korven). Exactly one row has active = '1'.
-- The year transition closes the active row (active, date_fin) and inserts the next year with
-- code, active, date_debut and nom_etablissement, so every other column needs a default.

CREATE TABLE annee_scolaire (
  code VARCHAR(20) NOT NULL,
  active CHAR(1) NOT NULL DEFAULT '0',
  date_debut DATE NULL DEFAULT NULL,
  date_fin DATE NULL DEFAULT NULL,
  nom_etablissement VARCHAR(255) NULL DEFAULT NULL,
  PRIMARY KEY (code),
  KEY idx_annee_scolaire_active (active)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- The program's own tables: what the last change of year wrote, so that it can be taken back while nothing
-- else has been written into the year it opened. The program makes them (CREATE TABLE IF NOT EXISTS, the same
-- statements) the first time a change runs on a master database without them; no other program reads them.
-- solvane_changement: the last change (the year it opened and the year it closed, the opened year's database,
-- the highest number of its journal once the change wrote its entry, who, from where, when).
CREATE TABLE solvane_changement (
  annee VARCHAR(20) NOT NULL,
  annee_precedente VARCHAR(20) NOT NULL,
  base VARCHAR(64) NOT NULL,
  journal_max BIGINT NOT NULL DEFAULT 0,
  utilisateur VARCHAR(255) NULL DEFAULT NULL,
  poste VARCHAR(255) NULL DEFAULT NULL,
  date_changement DATETIME NULL DEFAULT NULL,
  PRIMARY KEY (annee)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- solvane_table: every table of the opened year's database and korven.annee_scolaire as the change left them
-- (columns, row count, fingerprint of the rows), and for a table the change writes, its rows before.
CREATE TABLE solvane_table (
  annee VARCHAR(20) NOT NULL,
  base VARCHAR(64) NOT NULL,
  nom VARCHAR(64) NOT NULL,
  rang INT NOT NULL,
  ecrite CHAR(1) NOT NULL DEFAULT '0',
  colonnes TEXT NOT NULL,
  lignes BIGINT NOT NULL,
  somme VARCHAR(30) NOT NULL,
  lignes_avant BIGINT NULL DEFAULT NULL,
  PRIMARY KEY (annee, base, nom)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- solvane_ligne: the rows the tables the change writes held before it, one JSON array of values per row.
CREATE TABLE solvane_ligne (
  annee VARCHAR(20) NOT NULL,
  base VARCHAR(64) NOT NULL,
  nom VARCHAR(64) NOT NULL,
  rang INT NOT NULL,
  ligne LONGTEXT NOT NULL,
  PRIMARY KEY (annee, base, nom, rang)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;
