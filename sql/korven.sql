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
