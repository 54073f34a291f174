-- A small school for the wizard's tests (closing year bd_2025_2026): two sections with their levels, classes
-- of every kind the students page meets (with and without series, an examination level, the last level of
-- a section), and students with every decision.
INSERT INTO korven.annee_scolaire (code, active, date_debut, date_fin, nom_etablissement) VALUES
  ('2025/2026', '1', '2025-09-01', NULL, 'Lycée d''Essos');

INSERT INTO bd_2025_2026.configuration (id, nom_fr, nom_en, devise_fr, ville, min_sequence, age_min, age_max,
                                        logo, code_etablissement) VALUES
  (1, 'Lycée d''Essos', 'Essos High School', 'Travail \\ Discipline', 'Yaoundé', 2, 10, 25,
   UNHEX('89504E470D0A1A0A'), 'ESS');

INSERT INTO bd_2025_2026.utilisateur (login, pass, etat, nom, is_enseignant) VALUES
  ('admin', SHA1('Admin2026'), '1', 'Administratrice', '0');
INSERT INTO bd_2025_2026.droits (utilisateur, droit) VALUES ('admin', 'ACTIVER_ANNEE_SCOLAIRE');

INSERT INTO bd_2025_2026.langue (id, code, libelle) VALUES (1, 'FR', 'Français'), (2, 'EN', 'English');
INSERT INTO bd_2025_2026.series (num, nom) VALUES (1, 'A'), (2, 'C'), (3, 'D');
INSERT INTO bd_2025_2026.examens (num, nom) VALUES (1, 'BEPC');

-- Sections are listed by code: SA, SF, SV (the last has no level).
INSERT INTO bd_2025_2026.section (id, code, libelle, id_langue) VALUES
  (1, 'SF', 'Section francophone', 1), (2, 'SA', 'Anglophone section', 2), (3, 'SV', 'Section vide', 1);

-- 3E closes with an examination that decides the promotion; TLE is the last level of its section.
INSERT INTO bd_2025_2026.niveau (code, nom, examen, ex_req_pro, ordre, id_section) VALUES
  ('6E', 'Sixième', NULL, '0', 1, 1), ('5E', 'Cinquième', NULL, '0', 2, 1),
  ('3E', 'Troisième', 1, '1', 4, 1), ('2ND', 'Seconde', NULL, '0', 5, 1), ('TLE', 'Terminale', NULL, '0', 6, 1),
  ('F1', 'Form 1', NULL, '0', 1, 2), ('F2', 'Form 2', NULL, '0', 2, 2);

INSERT INTO bd_2025_2026.classe (code, lib, niv, id_langue, serie) VALUES
  ('6A', 'Sixième A', '6E', 1, NULL), ('6B', 'Sixième B', '6E', 1, NULL),
  ('5A', 'Cinquième A', '5E', 1, NULL), ('5B', 'Cinquième B', '5E', 1, NULL),
  ('3A', 'Troisième A', '3E', 1, NULL),
  ('2NDA', 'Seconde A', '2ND', 1, 1), ('2NDC', 'Seconde C', '2ND', 1, 2),
  ('TLEA', 'Terminale A', 'TLE', 1, 1), ('TLED', 'Terminale D', 'TLE', 1, 3),
  ('F1A', 'Form 1 A', 'F1', 2, NULL), ('F2A', 'Form 2 A', 'F2', 2, NULL);

INSERT INTO bd_2025_2026.personne (mat, nom, pnom, nat, tel, adr, typ) VALUES
  ('S01', 'Abena', 'Paul', 'Camerounaise', '677', 'Essos', 'E'),
  ('S02', 'N''Guessan', 'Éloïse', 'Ivoirienne', '', 'Rue \\ 12', 'E'),
  ('S03', 'Bella', 'Marc', 'Camerounaise', '', '', 'E'),
  ('S04', 'Ebogo', 'Luc', 'Camerounaise', '', '', 'E'),
  ('S05', 'Fouda', 'Anne', 'Camerounaise', '', '', 'E'),
  ('S06', 'Essomba', 'Jean', 'Camerounaise', '', '', 'E'),
  ('S07', 'Abena', 'Paul', 'Camerounaise', '', '', 'E'),
  ('S08', 'Sans', 'Décision', 'Camerounaise', '', '', 'E'),
  ('S11', 'Manga', 'Alice', 'Camerounaise', '', '', 'E'),
  ('S12', 'Ndzana', 'Chris', 'Camerounaise', '', '', 'E'),
  ('S13', 'Owona', 'Inès', 'Camerounaise', '', '', 'E'),
  ('S21', 'Tchoua', 'Ruth', 'Camerounaise', '', '', 'E'),
  ('S31', 'Ashu', 'Joy', 'Camerounaise', '', '', 'E');

-- 6A holds one student of each decision, two students of the same name, and one without a decision.
INSERT INTO bd_2025_2026.eleve (mat, pere, mere, tuteur, en_regle, redoublant, enregistre_par, lnais, dnais,
                                idclasse, sexe, montant_verse, mat_nationnal, orientation_serie) VALUES
  ('S01', 'Abena père', 'Abena mère', '', '1', '0', 'secretaire', 'Yaoundé', '2013-01-02', '6A', 'M', 50000,
   'NAT-01', NULL),
  ('S02', 'Kouassi', 'Aya', 'Oncle d''Abidjan', '1', '0', 'secretaire', 'Abidjan', NULL, '6A', 'F', 0, 'NAT''02',
   NULL),
  ('S03', '', '', '', '0', '0', 'secretaire', 'Douala', '2013-03-04', '6A', 'M', 0, NULL, NULL),
  ('S04', '', '', '', '0', '0', 'secretaire', 'Douala', '2013-03-04', '6A', 'M', 0, NULL, NULL),
  ('S05', '', '', '', '0', '0', 'secretaire', 'Douala', '2013-03-04', '6A', 'F', 0, NULL, NULL),
  ('S06', '', '', '', '0', '0', 'secretaire', 'Douala', '2013-03-04', '6A', 'M', 0, NULL, NULL),
  ('S07', '', '', '', '0', '0', 'secretaire', 'Douala', '2013-03-04', '6A', 'M', 0, NULL, NULL),
  ('S08', '', '', '', '0', '0', 'secretaire', 'Douala', '2013-03-04', '6A', 'M', 0, NULL, NULL),
  ('S11', '', '', '', '0', '0', 'secretaire', 'Ebolowa', '2010-05-06', '3A', 'F', 0, NULL, 1),
  ('S12', '', '', '', '0', '0', 'secretaire', 'Ebolowa', '2010-05-06', '3A', 'M', 0, NULL, 2),
  ('S13', '', '', '', '0', '0', 'secretaire', 'Ebolowa', '2010-05-06', '3A', 'F', 0, NULL, NULL),
  ('S21', '', '', '', '0', '0', 'secretaire', 'Kribi', '2007-07-08', 'TLEA', 'F', 0, NULL, 1),
  ('S31', '', '', '', '0', '0', 'secretaire', 'Bamenda', '2013-09-10', 'F1A', 'F', 0, NULL, NULL);

INSERT INTO bd_2025_2026.decision (mat, decision) VALUES
  ('S01', 'Promu'), ('S02', ''), ('S03', 'Redouble'), ('S04', 'Exclu'), ('S05', 'Promu mais Exclu'),
  ('S06', 'Redouble et Exclu'), ('S07', NULL),
  ('S11', 'Promu'), ('S12', 'Promu'), ('S13', 'Promu'), ('S21', 'Promu'), ('S31', 'Promu');

INSERT INTO bd_2025_2026.photos (matricule, photo) VALUES ('S01', UNHEX('89504E470D0A1A0A')), ('S05', UNHEX('FFD8FF'));

INSERT INTO bd_2025_2026.frais (ID, MONTANT, LIBELLE, PRIORITE) VALUES (1, 60000, 'Scolarité', 1);
INSERT INTO bd_2025_2026.frais_niveau (id, id_frais, code_niveau, optionnel, etat) VALUES
  (1, 1, '6E', '0', 'V'), (2, 1, '5E', '0', 'V');
INSERT INTO bd_2025_2026.tranche (ID, MONTANT, ORDRE, DATE_LIMITE_PAYEMENT, ID_FRAIS) VALUES
  (1, 30000, 1, '2025-10-15', 1), (2, 30000, 2, '2026-01-15', 1);
