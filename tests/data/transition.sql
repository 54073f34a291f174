-- A small school for the year-transition tests: the closing year bd_2025_2026, and a new year bd_2026_2027
-- that already holds a few rows. Every row is here to show one rule of the copies.
INSERT INTO korven.annee_scolaire (code, active, date_debut, date_fin, nom_etablissement) VALUES
  ('2024/2025', '0', '2024-09-01', '2025-07-31', 'Collège d''Akwa'),
  ('2025/2026', '1', '2025-09-01', NULL, 'Collège d''Akwa');

INSERT INTO bd_2025_2026.configuration (id, nom_fr, nom_en, devise_fr, logo, min_sequence, code_etablissement) VALUES
  (1, 'Collège d''Akwa', 'Akwa College', 'Travail \\ Discipline', UNHEX('89504E470D0A1A0A'), 2, 'AKW');

INSERT INTO bd_2025_2026.utilisateur (login, pass, etat, nom, is_enseignant) VALUES
  ('admin', SHA1('a'), '1', 'Administrateur', '0'),
  ('prof', SHA1('p'), '1', 'Ancien nom du professeur', '1');
INSERT INTO bd_2026_2027.utilisateur (login, pass, etat, nom, is_enseignant) VALUES
  ('prof', SHA1('q'), '1', 'Nom gardé', '1');
INSERT INTO bd_2025_2026.droits (utilisateur, droit) VALUES
  ('admin', 'ACTIVER_ANNEE_SCOLAIRE'), ('prof', 'SAISIR_NOTES');
INSERT INTO bd_2026_2027.droits (utilisateur, droit) VALUES ('prof', 'SAISIR_NOTES');

INSERT INTO bd_2025_2026.heures (id, debut, fin, pause) VALUES (1, '07:30', '08:25', '0'), (2, '08:25', '09:20', '0');
INSERT INTO bd_2026_2027.heures (id, debut, fin, pause) VALUES (2, '08:30', '09:30', '1');

INSERT INTO bd_2025_2026.series (num, nom) VALUES (1, 'A'), (2, 'C'), (3, 'D');
INSERT INTO bd_2026_2027.series (num, nom) VALUES (5, 'C');
INSERT INTO bd_2025_2026.examens (num, nom) VALUES (1, 'BEPC'), (2, 'Probatoire');
INSERT INTO bd_2025_2026.examens_series (num_examen, num_serie) VALUES (2, 1), (2, 3);

INSERT INTO bd_2025_2026.langue (id, code, libelle) VALUES (1, 'FR', 'Français'), (2, 'EN', 'English'), (3, 'DE', 'Allemand');
INSERT INTO bd_2026_2027.langue (id, code, libelle) VALUES (3, 'XX', 'Allemand');
INSERT INTO bd_2025_2026.section (id, code, libelle, id_langue) VALUES
  (1, 'SF', 'Section francophone', 1), (2, 'SA', 'Anglophone section', 2), (4, 'SI', 'Section italienne', 9);

INSERT INTO bd_2025_2026.niveau (code, nom, examen, ex_req_pro, ordre, id_section) VALUES
  ('6E', 'Sixième', NULL, '0', 1, 1), ('3E', 'Troisième', 1, '1', 4, 1), ('2ND', 'Seconde', NULL, '0', 5, 1);
INSERT INTO bd_2026_2027.niveau (code, nom, ordre, id_section) VALUES ('3E', 'Troisième (déjà là)', 4, 1);

INSERT INTO bd_2025_2026.salle (id, nom, capacite, description) VALUES (1, 'Salle A', 60, NULL), (2, 'Salle B', 50, NULL);
INSERT INTO bd_2026_2027.salle (id, nom, capacite, description) VALUES (7, 'Salle B', 45, 'déjà là');

INSERT INTO bd_2025_2026.appreciations (id, code, libelle, id_langue, inf, sup) VALUES (1, 'TB', 'Très bien', 1, 16, 20);
INSERT INTO bd_2025_2026.generation_matricule (id, prefixe, `level`, code_entite) VALUES (1, 'AKW', 1, 'E');

INSERT INTO bd_2025_2026.departement (num, nom) VALUES (1, 'Sciences'), (2, 'Lettres');
INSERT INTO bd_2025_2026.lecon (code, intitule, id_departement) VALUES ('L1', 'Algèbre', 1), ('L2', 'Grammaire', 2);
INSERT INTO bd_2025_2026.grade (id, code, intitule, volume_horaire_hebdomadaire) VALUES (1, 'PLEG', 'Professeur', 18);
INSERT INTO bd_2025_2026.fonction (id, code, nom, description) VALUES (1, 'ENS', 'Enseignant', NULL), (2, 'ECO', 'Économe', NULL);

INSERT INTO bd_2025_2026.personne (mat, nom, pnom, nat, tel, adr, typ) VALUES
  ('P1', 'Mbarga', 'Paul', 'Camerounaise', '699', 'Akwa', 'P'),
  ('P2', 'Sans', 'Département', 'Camerounaise', '', '', 'P'),
  ('P3', 'Ngo', 'Irène', 'Camerounaise', '', '', 'P'),
  ('E9', 'Non', 'Placé', 'Camerounaise', '', '', 'E');
INSERT INTO bd_2025_2026.personnel (MAT, STAT, DEPT, CIVILITE, date_naissance, id_fonction, id_grade) VALUES
  ('P1', 'Titulaire', 1, 'M.', '1980-05-17', 1, 1),
  ('P2', 'Vacataire', NULL, 'M.', NULL, 2, NULL),
  ('P3', 'Titulaire', 2, 'Mme', NULL, 1, 1);

INSERT INTO bd_2025_2026.classe (code, lib, niv, min_coefficient, id_langue, id_salle, prof_titulaire, serie) VALUES
  ('6A', 'Sixième A', '6E', 10, 1, 1, 'P1', NULL),
  ('6B', 'Sixième B', '6E', 10, 1, 2, NULL, NULL),
  ('3A', 'Troisième A', '3E', 10, NULL, NULL, 'P2', NULL),
  ('3B', 'Troisième B', '3E', 10, NULL, NULL, NULL, NULL),
  ('2C', 'Seconde C', '2ND', 10, 1, NULL, NULL, 2),
  ('2D', 'Seconde D', '2ND', 10, 2, NULL, 'P3', 3),
  ('XX', 'Sans niveau', 'ZZ', 10, NULL, NULL, NULL, NULL);
INSERT INTO bd_2025_2026.matiere (code, lib) VALUES ('MATH', 'Mathématiques'), ('FR', 'Français');

INSERT INTO bd_2025_2026.photos (matricule, photo) VALUES
  ('P1', UNHEX('FFD8FF01')), ('P2', UNHEX('FFD8FF02')), ('E001', UNHEX('FFD8FF03')), ('E9', UNHEX('FFD8FF09'));

INSERT INTO bd_2025_2026.classe_lecon (id, code_classe, code_lecon, matricule_enseignant, volume_horaire_hebdomadaire, id_salle) VALUES
  (1, '6A', 'L1', 'P1', 4, 1), (2, '6B', 'L1', 'P1', 4, 2), (3, '6A', 'L2', 'P2', 3, 1), (4, '2D', 'L2', 'P3', 3, NULL);
INSERT INTO bd_2025_2026.classe_matiere (num, classe, matiere, enseignant, coefficient, groupe, id_langue) VALUES
  (1, '6A', 'MATH', 'P1', 4, 1, 1), (2, '6A', 'FR', 'P3', 3, 2, 1), (3, '3A', 'MATH', 'P1', 4, 1, 1), (4, '2D', 'FR', 'P2', 2, 2, 2);

INSERT INTO bd_2025_2026.frais (ID, MONTANT, LIBELLE, PRIORITE) VALUES
  (1, 50000, 'Scolarité', 1), (2, 10000, 'APE', 2), (3, 5000, 'Option informatique', 3);
INSERT INTO bd_2025_2026.frais_niveau (id, id_frais, code_niveau, optionnel, etat) VALUES
  (1, 1, '6E', '0', 'V'), (2, 2, '6E', '1', 'V'), (3, 3, '6E', '0', 'A'), (4, 1, 'ZZ', '0', 'V'), (5, 9, '2ND', '0', 'V');
INSERT INTO bd_2025_2026.tranche (ID, MONTANT, ORDRE, DATE_LIMITE_PAYEMENT, ID_FRAIS) VALUES
  (1, 25000, 1, '2025-10-15', 1), (2, 25000, 2, '2024-02-29', 1), (3, 10000, 1, '2025-11-30', 2), (4, 7000, 1, '2025-12-01', 9);

INSERT INTO bd_2025_2026.banque VALUES (1, 'Afriland', '1', '0001'), (2, 'SGBC', '0', '0002');
INSERT INTO bd_2026_2027.banque VALUES (2, 'SGBC déjà là', '1', '9999');
INSERT INTO bd_2025_2026.Catcharge VALUES (1, 'Fonctionnement', 100000), (2, 'Investissement', NULL);
INSERT INTO bd_2026_2027.Catcharge VALUES (2, 'Investissement (déjà là)', 5);
INSERT INTO bd_2025_2026.Charge VALUES (1, 'Électricité', 1, '1'), (2, 'Bâtiment', 2, '0'), (3, 'Orpheline', 7, '0');
INSERT INTO bd_2026_2027.Charge VALUES (2, 'Bâtiment (déjà là)', 2, '1');
INSERT INTO bd_2025_2026.motif_reduction VALUES (1, 'Enfant d''enseignant', 'P', 50), (2, 'Fratrie', 'M', 5000);
INSERT INTO bd_2026_2027.motif_reduction VALUES (1, 'Enfant d''enseignant (déjà là)', 'P', 40);
INSERT INTO bd_2025_2026.cotes VALUES (1, 'A', 1, 16, 20, '1', 'N'), (2, 'B', 1, 14, 16, '0', 'N');
INSERT INTO bd_2026_2027.cotes VALUES (2, 'B (déjà là)', 1, 14, 16, '0', 'N');

INSERT INTO bd_2025_2026.parametres (nom, valeur_text, valeur_blob, description, type_param) VALUES
  ('NOM_SMS', 'ancien texte', NULL, NULL, 'TX'),
  ('LOGO_BULLETIN', NULL, UNHEX('89504E47'), NULL, 'IM'),
  ('SEULEMENT_ANCIEN', 'x', NULL, NULL, 'TX');
INSERT INTO bd_2026_2027.parametres (nom, valeur_text, valeur_blob, description, type_param) VALUES
  ('NOM_SMS', 'à remplacer', NULL, 'garde sa description', 'TX'),
  ('LOGO_BULLETIN', 'texte', UNHEX('00'), NULL, 'IM'),
  ('SEULEMENT_NOUVEAU', 'garde sa valeur', UNHEX('CAFE'), NULL, 'TX');
INSERT INTO bd_2026_2027.tranche_eleve (id_tranche, MAT_ELEVE, MONTANT, etat) VALUES (1, 'E001', 25000, 'V');
