-- Demo school: the school year register, the school itself, its structure, staff,
-- subjects and finance settings.
-- Run with the closing year database (bd_2025_2026) as the current database, after sql/annee.sql.
-- The master table is reached as korven.annee_scolaire, like the application does.
-- The students and everything attached to them are in eleves.sql.

-- ---------------------------------------------------------------------------------------------
-- School years
-- ---------------------------------------------------------------------------------------------

INSERT INTO korven.annee_scolaire (code, active, date_debut, date_fin, nom_etablissement) VALUES
  ('2024/2025', '0', '2024-08-26', '2025-08-22', 'Collège bilingue Saint-Exupéry de Yaoundé'),
  ('2025/2026', '1', '2025-08-22', NULL, 'Collège bilingue Saint-Exupéry de Yaoundé');

-- ---------------------------------------------------------------------------------------------
-- The school
-- ---------------------------------------------------------------------------------------------

INSERT INTO configuration (id, nom_fr, nom_en, devise_fr, devise_en, boite_postale,
  civilite_responsable, nom_responsable, prefixe_qualite_responsable, qualite_responsable,
  telephone, fax, adresse, localisation, ville, prefixe_region, region, region_en,
  prefixe_departement, departement, departement_en, prefixe_arrondissement, arrondissement,
  min_sequence, logo, age_min, age_max, format_bulletin, signature_responsable, logo_bul, profil_bul,
  heure_du_edt, last_num_cp, last_num_cr, last_num_ap, code_etablissement, code_centre,
  saisir_notes_eleve_enregle, appreciation_saction_automatique, rappel_moyenne, type_rappel_moyenne,
  signature_responsable_sur_bulletin, affiche_orientation_sur_bulletin_annuel,
  affiche_nom_enseignant_sur_bulletin) VALUES
  (1, 'Collège bilingue Saint-Exupéry de Yaoundé', 'Saint-Exupéry Bilingual College, Yaoundé',
   'Travail – Rigueur – Réussite', 'Work – Discipline – Success', 'B.P. 14 318 Yaoundé',
   'M.', 'ESSOMBA MVOGO Jean-Baptiste', 'Le', 'Principal',
   '+237 222 21 45 87', '+237 222 21 45 88', 'Rue 1.750, Mimboman', 'Face à la chapelle Saint-Joseph de Mimboman',
   'Yaoundé', 'Région du', 'Centre', 'Centre Region',
   'Département du', 'Mfoundi', 'Mfoundi Division', 'Arrondissement de', 'Yaoundé IV',
   1,
   UNHEX('89504E470D0A1A0A0000000D494844520000001000000010080200000090916836000000214944415478DA63F80F060C363D041154E588D4F0E1046968306A188D692234000068A06E002AA7E40C0000000049454E44AE426082'),
   10, 23, 'A4_PORTRAIT',
   UNHEX('89504E470D0A1A0A0000000D494844520000001000000004080200000008D628BB0000001B4944415478DA63606060F88F04087249530D2249528DD040BC5500A83D9868E65A35420000000049454E44AE426082'),
   '1', 'STANDARD', '07:30', 42, 0, 17, 'CBSE-YDE-0417', '11024',
   '0', '1', '1', 'SEQUENTIELLE', '1', '1', '0');

INSERT INTO parametres (nom, valeur_text, valeur_blob, description, type_param) VALUES
  ('NOM_COURT_ETABLISSEMENT', 'CBSE Yaoundé', NULL, 'Nom abrégé de l''établissement sur les en-têtes', 'TX'),
  ('MONNAIE', 'FCFA', NULL, 'Unité monétaire des frais et des versements', 'TX'),
  ('NOMBRE_SEQUENCES', '6', NULL, 'Nombre de séquences d''évaluation dans l''année', 'TX'),
  ('NOTE_ELIMINATOIRE', '5', NULL, 'Note en dessous de laquelle une matière est éliminatoire', 'TX'),
  ('MOYENNE_PASSAGE', '10', NULL, 'Moyenne annuelle minimale pour passer en classe supérieure', 'TX'),
  ('DATE_LIMITE_INSCRIPTIONS', '2025-09-30', NULL, 'Dernier jour des inscriptions', 'TX'),
  ('ENTETE_RAPPORT', NULL,
   UNHEX('89504E470D0A1A0A0000000D494844520000001000000010080200000090916836000000214944415478DA63F80F060C363D041154E588D4F0E1046968306A188D692234000068A06E002AA7E40C0000000049454E44AE426082'),
   'Image d''en-tête des rapports imprimés', 'IM'),
  ('CACHET_ECONOMAT', NULL,
   UNHEX('89504E470D0A1A0A0000000D494844520000001000000004080200000008D628BB0000001B4944415478DA63606060F88F04087249530D2249528DD040BC5500A83D9868E65A35420000000049454E44AE426082'),
   'Cachet de l''économat apposé sur les reçus', 'IM'),
  ('PIED_DE_PAGE_RAPPORT', 'Collège bilingue Saint-Exupéry – B.P. 14 318 Yaoundé – Tél. +237 222 21 45 87',
   UNHEX('89504E470D0A1A0A0000000D494844520000001000000004080200000008D628BB0000001B4944415478DA63606060F88F04087249530D2249528DD040BC5500A83D9868E65A35420000000049454E44AE426082'),
   'Pied de page des rapports (texte, l''image jointe n''est pas utilisée)', 'TX'),
  ('VESPERAL_SMS_API_URL', 'https://sms.vesperal.example/api/v2/send', NULL, 'Adresse du service d''envoi des SMS aux parents', 'TX'),
  ('VESPERAL_SMS_API_LOGIN', 'cbse-yaounde', NULL, 'Identifiant du compte SMS', 'TX'),
  ('VESPERAL_SMS_API_PASSWORD', 'demo-pas-un-vrai-secret', NULL, 'Mot de passe du compte SMS (compte de démonstration)', 'TX'),
  ('VESPERAL_SMS_EXPEDITEUR', 'CBSE YDE', NULL, 'Nom d''expéditeur affiché sur les SMS', 'TX'),
  -- The school's identity on printed documents (journal report, report of the year's change).
  ('KORVEN_SCHOOL_NAME_EN', 'Saint-Exupéry Bilingual College, Yaoundé', NULL, 'Nom de l''établissement en anglais', 'TX'),
  ('KORVEN_SCHOOL_DEVISE_FR', 'Savoir - Rigueur - Solidarité', NULL, 'Devise en français', 'TX'),
  ('KORVEN_SCHOOL_DEVISE_EN', 'Knowledge - Rigour - Solidarity', NULL, 'Devise en anglais', 'TX'),
  ('KORVEN_SCHOOL_POBOX', '14 318', NULL, 'Boîte postale', 'TX'),
  ('KORVEN_SCHOOL_PHONE_NUMBER', '+237 222 21 45 87', NULL, 'Téléphone', 'TX'),
  ('KORVEN_SCHOOL_CITY', 'Yaoundé', NULL, 'Ville', 'TX'),
  ('REPORT_DISPLAY_LOGO_ON_REPORT', '1', NULL, 'Afficher le logo sur les rapports', 'TX'),
  ('KORVEN_LOGO_ETABLISSEMENT', NULL,
   UNHEX(CONCAT(
     '89504e470d0a1a0a0000000d4948445200000060000000600803000000d546870a00000012504c5445fefefeafc0d69aafcb',
     '5175a51f4e8c708eb5f30bd667000002904944415468deed5aeb768330081690f77fe54d935a73211202ddd9d9f8d5aae5f2',
     '713140b7ed9f7e0f0120d17e103102f832c7c4b9244227cd719789d7d9ef4fb46407ee1a329bc1bb9638069c3bcd4715ed73',
     '4411e0dbbdcdbb85f49e1040e094bfdf29cd028076ef12e8b2dbc69fa41001b244d35c78f0ac04988e3e9a434909ce08a809',
     'fe6c8b6ab5b9602c2bac7c6e2af575396de7affb2dd96b5725819e0132d4f747f72df27f6480cbef591c4792c34b964726f0',
     '2a405598f0c000fba90d642d612542bb268068c0d2414de4e3751a6441003b19206aeae381ca0b7d01ab077fec0a40378404',
     '5dc90d2181971f424546f50438b4441d663da1c8e9b478ffc9eb900147374884d8e5d781031ad8e05eb9a1aae37867d92a47',
     'ad00ac93235da043514c3a7dabcb7796e7bdfda5309dd4242d6ed2a5f74784c411f36390a4e7fe338b63211368138ce2ea47',
     'e92b649db18c8546400b78e3272a5940595fceaf8c70bb7922847218d557c4424205a26588bded981600d9c9f492701d77c1',
     '28805a0bb8f6e7d9e050cfc90a0195932f1e657dc96a680434a9f10e5380d28243e784fd2659d089a2260f5228f3817a1640',
     '9c128dd34d4a7d2617890642daf62e49a5821a0ddb52d1c9e48e51d9895416bb0c1be662d7af6d342a76bee51a3ef63e887f',
     'a385bf9321e454815d011081d0074e761167530c395d8b0d42787f10dee184f768ee5d2646f4c934541297417ae8f4c36715',
     'e5383962da520ed402e645ba6754e3be1f9bd955f3493425d838ca29786eda4c96dd27bfcd6c9ce7bc6b988e3f88e0f90d02',
     'e8778a60dc46e9362060dd800c7638b92f5bdde17c600b65dba3c1426dd16c02a7df21d1bbcc294f9877caecee5c0350cb9b',
     'fde09dfe206bbdfe957009b912f818a639ffafe24fd317bc6f2dcf30b83b300000000049454e44ae426082')),
   'Logo de l''établissement', 'IM');

-- Accounts. Passwords: admin / Solvane2026, secretaire / Secret2026, ancien / Ancien2026 (disabled),
-- econome / Econome2026, p.mballa / Mballa2026 (teacher).
INSERT INTO utilisateur (login, pass, etat, nom, is_enseignant) VALUES
  ('admin', SHA1('Solvane2026'), '1', 'NGO BIYONG Thérèse (administratrice)', '0'),
  ('secretaire', SHA1('Secret2026'), '1', 'MBARGA Aline', '0'),
  ('ancien', SHA1('Ancien2026'), '0', 'TCHOUMI Robert (ancien censeur)', '0'),
  ('econome', SHA1('Econome2026'), '1', 'NGO BIYONG Thérèse', '0'),
  ('p.mballa', SHA1('Mballa2026'), '1', 'MBALLA OWONA Patrice', '1');

INSERT INTO droits (utilisateur, droit) VALUES
  ('admin', 'ACTIVER_ANNEE_SCOLAIRE'),
  ('admin', 'GERER_UTILISATEURS'),
  ('admin', 'GERER_ELEVES'),
  ('admin', 'GERER_VERSEMENTS'),
  ('admin', 'SAISIR_NOTES'),
  ('admin', 'IMPRIMER_BULLETINS'),
  ('admin', 'CONSULTER_JOURNAL'),
  ('secretaire', 'GERER_ELEVES'),
  ('secretaire', 'IMPRIMER_BULLETINS'),
  ('secretaire', 'CONSULTER_JOURNAL'),
  ('ancien', 'ACTIVER_ANNEE_SCOLAIRE'),
  ('ancien', 'GERER_ELEVES'),
  ('econome', 'GERER_VERSEMENTS'),
  ('econome', 'CONSULTER_JOURNAL'),
  ('p.mballa', 'SAISIR_NOTES');

INSERT INTO journal (utilisateur, libelle, poste, operation, domaine, `date`, heure) VALUES
  ('admin', '[admin] - Solvane - Tentative de connexion, Nombre d''essais: 1. Connexion réussie.', 'DIRECTION-PC-192.168.10.12', 'Connexion', 'Administration de la Base de donnees', '2025-08-22', '08:14'),
  ('secretaire', 'Inscription de l''élève CBSE250007', 'SECRETARIAT-192.168.10.21', 'Ajout', 'Gestion des eleves', '2025-09-02', '09:41'),
  ('econome', 'Versement de 40000 FCFA, reçu 212', 'ECONOMAT-192.168.10.30', 'Ajout', 'Gestion des versements', '2025-09-15', '10:05'),
  ('p.mballa', 'Saisie des notes de la séquence 1 en 2nde C', 'SALLE-PROFS-192.168.10.44', 'Modification', 'Gestion des notes', '2025-10-20', '16:32'),
  ('ancien', '[ancien] - Solvane - Tentative de connexion, Essai 1. Compte désactivé.', 'DIRECTION-PC-192.168.10.12', 'Connexion', 'Administration de la Base de donnees', '2026-06-30', '07:58'),
  ('secretaire', 'Impression des bulletins du troisième trimestre', 'SECRETARIAT-192.168.10.21', 'Impression', 'Gestion des notes', '2026-07-03', '11:20');

-- ---------------------------------------------------------------------------------------------
-- Academic structure
-- ---------------------------------------------------------------------------------------------

INSERT INTO langue (id, code, libelle) VALUES
  (1, 'FR', 'Français'),
  (2, 'EN', 'English');

INSERT INTO section (id, code, libelle, id_langue) VALUES
  (1, 'FRANCO', 'Section francophone', 1),
  (2, 'ANGLO', 'Anglophone section', 2);

INSERT INTO examens (num, nom) VALUES
  (1, 'BEPC'),
  (2, 'Probatoire'),
  (3, 'Baccalauréat'),
  (4, 'GCE O Level'),
  (5, 'GCE A Level');

INSERT INTO series (num, nom) VALUES
  (1, 'A'),
  (2, 'C'),
  (3, 'D'),
  (4, 'TI'),
  (5, 'Arts'),
  (6, 'Science');

INSERT INTO examens_series (num_examen, num_serie) VALUES
  (2, 1), (2, 2), (2, 3), (2, 4),
  (3, 1), (3, 2), (3, 3), (3, 4),
  (5, 5), (5, 6);

-- The probatoire and the O Level must be passed to move up, the BEPC need not.
INSERT INTO niveau (code, nom, age_max, moyenne_min, avertissement_max, blame_max, retard_max,
  consigne_max, exclusion_temp_max, absence_max, retenue_max, examen, ex_req_pro, moyenne_min_admi,
  versement_min, ordre, id_section) VALUES
  ('6E', '6ème', 14, 10.00, 3, 2, 12, 6, 1, 30, 4, NULL, '0', 12.00, 50000.00, 1, 1),
  ('5E', '5ème', 15, 10.00, 3, 2, 12, 6, 1, 30, 4, NULL, '0', 12.00, 50000.00, 2, 1),
  ('4E', '4ème', 16, 10.00, 3, 2, 12, 6, 1, 30, 4, NULL, '0', 12.00, 50000.00, 3, 1),
  ('3E', '3ème', 17, 10.00, 3, 2, 10, 5, 1, 25, 3, 1, '0', 12.00, 60000.00, 4, 1),
  ('2NDE', '2nde', 18, 10.00, 3, 2, 10, 5, 1, 25, 3, NULL, '0', 11.00, 70000.00, 5, 1),
  ('1ERE', '1ère', 19, 10.00, 2, 1, 8, 4, 1, 20, 3, 2, '1', 11.00, 70000.00, 6, 1),
  ('TLE', 'Terminale', 21, 10.00, 2, 1, 8, 4, 1, 20, 3, 3, '0', 11.00, 80000.00, 7, 1),
  ('F1', 'Form 1', 14, 10.00, 3, 2, 12, 6, 1, 30, 4, NULL, '0', 12.00, 50000.00, 1, 2),
  ('F2', 'Form 2', 15, 10.00, 3, 2, 12, 6, 1, 30, 4, NULL, '0', 12.00, 50000.00, 2, 2),
  ('F3', 'Form 3', 16, 10.00, 3, 2, 12, 6, 1, 30, 4, NULL, '0', 12.00, 50000.00, 3, 2),
  ('F4', 'Form 4', 17, 10.00, 3, 2, 10, 5, 1, 25, 3, NULL, '0', 12.00, 60000.00, 4, 2),
  ('F5', 'Form 5', 18, 10.00, 3, 2, 10, 5, 1, 25, 3, 4, '1', 11.00, 60000.00, 5, 2),
  ('LS', 'Lower Sixth', 19, 10.00, 2, 1, 8, 4, 1, 20, 3, NULL, '0', 11.00, 70000.00, 6, 2),
  ('US', 'Upper Sixth', 21, 10.00, 2, 1, 8, 4, 1, 20, 3, 5, '0', 11.00, 80000.00, 7, 2);

INSERT INTO salle (id, nom, capacite, description) VALUES
  (1, 'Salle A1', 70, 'Bloc A, rez-de-chaussée'),
  (2, 'Salle A2', 70, 'Bloc A, rez-de-chaussée'),
  (3, 'Salle A3', 65, 'Bloc A, rez-de-chaussée'),
  (4, 'Salle A4', 65, 'Bloc A, rez-de-chaussée'),
  (5, 'Salle A5', 65, 'Bloc A, étage'),
  (6, 'Salle A6', 65, 'Bloc A, étage'),
  (7, 'Salle A7', 60, 'Bloc A, étage'),
  (8, 'Salle A8', 60, 'Bloc A, étage'),
  (9, 'Salle B1', 60, 'Bloc B, rez-de-chaussée'),
  (10, 'Salle B2', 60, 'Bloc B, rez-de-chaussée'),
  (11, 'Salle B3', 55, 'Bloc B, rez-de-chaussée'),
  (12, 'Salle B4', 55, 'Bloc B, rez-de-chaussée'),
  (13, 'Salle B5', 55, 'Bloc B, étage'),
  (14, 'Salle B6', 55, 'Bloc B, étage'),
  (15, 'Salle B7', 50, 'Bloc B, étage'),
  (16, 'Salle B8', 50, 'Bloc B, étage'),
  (17, 'Room C1', 70, 'Block C, ground floor'),
  (18, 'Room C2', 70, 'Block C, ground floor'),
  (19, 'Room C3', 65, 'Block C, ground floor'),
  (20, 'Room C4', 65, 'Block C, ground floor'),
  (21, 'Room C5', 60, 'Block C, first floor'),
  (22, 'Room C6', 60, 'Block C, first floor'),
  (23, 'Room C7', 50, 'Block C, first floor'),
  (24, 'Room C8', 50, 'Block C, first floor'),
  (25, 'Laboratoire de physique-chimie', 40, 'Paillasses, hotte, 20 postes de travaux pratiques'),
  (26, 'Laboratoire de SVT', 40, 'Microscopes et collections'),
  (27, 'Salle informatique', 30, '30 postes en réseau, vidéoprojecteur'),
  (28, 'Salle polyvalente', 200, 'Examens blancs, réunions des parents'),
  (29, 'Bibliothèque', 60, 'Salle de lecture et de recherche');

-- Teaching departments, grades and functions of the staff.
INSERT INTO departement (num, nom) VALUES
  (1, 'Mathématiques'),
  (2, 'Sciences physiques et technologie'),
  (3, 'Sciences de la vie et de la Terre'),
  (4, 'Lettres françaises'),
  (5, 'Langues vivantes'),
  (6, 'Sciences humaines'),
  (7, 'Informatique'),
  (8, 'Éducation physique et sportive'),
  (9, 'English Studies'),
  (10, 'Philosophie');

INSERT INTO grade (id, code, intitule, volume_horaire_hebdomadaire) VALUES
  (1, 'PLEG', 'Professeur des lycées d''enseignement général', 16),
  (2, 'PCEG', 'Professeur des collèges d''enseignement général', 18),
  (3, 'PLET', 'Professeur des lycées d''enseignement technique', 16),
  (4, 'VAC', 'Enseignant vacataire', 12),
  (5, 'ADM', 'Agent administratif', 0),
  (6, 'COP', 'Conseiller d''orientation principal', 0);

INSERT INTO fonction (id, code, nom, description) VALUES
  (1, 'PRINC', 'Principal', 'Chef d''établissement'),
  (2, 'CENS', 'Censeur', 'Responsable de la pédagogie et des emplois du temps'),
  (3, 'SG', 'Surveillant général', 'Discipline et vie scolaire'),
  (4, 'ECO', 'Économe', 'Gestion financière et matérielle'),
  (5, 'COP', 'Conseiller d''orientation', 'Orientation des élèves et suivi psychologique'),
  (6, 'ENS', 'Enseignant', NULL),
  (7, 'AP', 'Animateur pédagogique', 'Coordonne les enseignants d''un département');

-- ---------------------------------------------------------------------------------------------
-- Staff. The bursar belongs to no teaching department (DEPT NULL).
-- ---------------------------------------------------------------------------------------------

INSERT INTO personne (mat, nom, pnom, nat, tel, adr, typ) VALUES
  ('PERS001', 'ESSOMBA MVOGO', 'Jean-Baptiste', 'Camerounaise', '699 51 22 07', 'Mimboman, Yaoundé', 'P'),
  ('PERS002', 'ABENA', 'Marie-Claire', 'Camerounaise', '677 80 14 33', 'Essos, Yaoundé', 'P'),
  ('PERS003', 'TCHAKOUNTÉ', 'Hervé', 'Camerounaise', '699 02 47 61', 'Biyem-Assi, Yaoundé', 'P'),
  ('PERS004', 'NGO BIYONG', 'Thérèse', 'Camerounaise', '677 45 90 12', 'Mvog-Mbi, Yaoundé', 'P'),
  ('PERS005', 'FON NKWAIN', 'Emmanuel', 'Camerounaise', '650 33 18 74', 'Bastos, Yaoundé', 'P'),
  ('PERS006', 'MBALLA OWONA', 'Patrice', 'Camerounaise', '699 71 05 56', 'Nkolbisson, Yaoundé', 'P'),
  ('PERS007', 'NKOULOU', 'Véronique', 'Camerounaise', '677 12 63 08', 'Emana, Yaoundé', 'P'),
  ('PERS008', 'AYUK TABE', 'Divine', 'Camerounaise', '653 27 91 40', 'Etoug-Ebe, Yaoundé', 'P'),
  ('PERS009', 'FOTSO KAMGA', 'Bérénice', 'Camerounaise', '699 88 34 15', 'Odza, Yaoundé', 'P'),
  ('PERS010', 'NANA DJOUMESSI', 'Rodrigue', 'Camerounaise', '677 09 52 83', 'Ekounou, Yaoundé', 'P'),
  ('PERS011', 'ASHU ENOW', 'Clarisse', 'Camerounaise', '651 64 20 97', 'Mendong, Yaoundé', 'P'),
  ('PERS012', 'BIDJOCKA', 'Hélène', 'Camerounaise', '699 40 76 21', 'Mvan, Yaoundé', 'P'),
  ('PERS013', 'CHE NGWA', 'Godlove', 'Camerounaise', '652 18 85 60', 'Obili, Yaoundé', 'P'),
  ('PERS014', 'ATANGANA ELOUNDOU', 'François-Xavier', 'Camerounaise', '677 93 41 02', 'Elig-Edzoa, Yaoundé', 'P'),
  ('PERS015', 'NDJOCK', 'Geneviève', 'Camerounaise', '699 26 17 48', 'Tsinga, Yaoundé', 'P'),
  ('PERS016', 'KOUAM', 'Aurélie', 'Camerounaise', '690 55 03 39', 'Ngoa-Ekellé, Yaoundé', 'P'),
  ('PERS017', 'TABI EGBE', 'Comfort', 'Camerounaise', '653 71 48 26', 'Etoudi, Yaoundé', 'P'),
  ('PERS018', 'NFOR TANGWA', 'Ebenezer', 'Camerounaise', '651 09 62 57', 'Mvog-Ada, Yaoundé', 'P'),
  ('PERS019', 'EKOTTO', 'Sabine', 'Camerounaise', '699 63 29 14', 'Nlongkak, Yaoundé', 'P'),
  ('PERS020', 'MBIDA', 'Inès', 'Gabonaise', '677 31 86 70', 'Santa Barbara, Yaoundé', 'P'),
  ('PERS021', 'ONANA', 'Gérard', 'Camerounaise', '699 17 54 93', 'Mokolo, Yaoundé', 'P'),
  ('PERS022', 'MVONDO ASSAM', 'Joséphine', 'Camerounaise', '677 84 02 65', 'Efoulan, Yaoundé', 'P'),
  ('PERS023', 'NKWENTI', 'Peter', 'Camerounaise', '652 46 73 18', 'Madagascar, Yaoundé', 'P'),
  ('PERS024', 'KAMDEM', 'Stéphane', 'Camerounaise', '699 35 60 82', 'Nkomo, Yaoundé', 'P'),
  ('PERS025', 'BELLO HAMADOU', 'Ousmane', 'Camerounaise', '677 58 19 44', 'Briqueterie, Yaoundé', 'P'),
  ('PERS026', 'ETO''O MBARGA', 'Roger', 'Camerounaise', '699 90 27 36', 'Nkoldongo, Yaoundé', 'P'),
  ('PERS027', 'N''DIAYE', 'Aïssatou', 'Sénégalaise', '690 12 44 58', 'Mimboman, Yaoundé', 'P'),
  ('PERS028', 'EBOLO', 'Christophe', 'Camerounaise', '677 67 31 09', 'Anguissa, Yaoundé', 'P'),
  ('PERS029', 'MANGA BEKONO', 'Yannick', 'Camerounaise', '699 08 95 71', 'Ekié, Yaoundé', 'P'),
  ('PERS030', 'LUM FRU', 'Nadine', 'Camerounaise', '651 83 52 06', 'Simbock, Yaoundé', 'P'),
  ('PERS031', 'ZANG MEZUI', 'Thierry', 'Camerounaise', '699 44 10 87', 'Olembé, Yaoundé', 'P'),
  ('PERS032', 'ABESSOLO', 'Marthe', 'Camerounaise', '677 26 69 53', 'Nsam, Yaoundé', 'P'),
  ('PERS033', 'TCHATCHOUA', 'Léon', 'Camerounaise', '699 72 38 25', 'Ahala, Yaoundé', 'P'),
  ('PERS034', 'OJONG BESONG', 'Mirabel', 'Camerounaise', '653 15 97 42', 'Ngousso, Yaoundé', 'P'),
  ('PERS035', 'NDIFOR', 'Kelvin', 'Camerounaise', '652 60 21 79', 'Messassi, Yaoundé', 'P');

INSERT INTO personnel (MAT, STAT, NIV, SPEC, CNI, DEPT, CIVILITE, date_naissance, diplome,
  matricule_professionnel, date_entree_administration, date_nomination, date_prise_service,
  situation_matrimoniale, id_fonction, id_grade) VALUES
  ('PERS001', 'Fonctionnaire', 'Bac+5', 'Mathématiques', '110482361', 1, 'M.', '1968-04-12', 'DIPES II', '486 112-K', '1993-10-01', '2019-09-03', '2019-09-16', 'Marié', 1, 1),
  ('PERS002', 'Fonctionnaire', 'Bac+5', 'Lettres modernes françaises', '110593027', 4, 'Mme', '1972-09-30', 'DIPES II', '512 604-L', '1997-10-01', '2021-08-30', '2021-09-06', 'Mariée', 2, 1),
  ('PERS003', 'Fonctionnaire', 'Bac+3', 'Histoire-Géographie', '110317845', 6, 'M.', '1975-01-18', 'DIPES I', '538 219-M', '2001-10-01', '2020-09-01', '2020-09-07', 'Marié', 3, 2),
  ('PERS004', 'Contractuel', 'Bac+3', 'Comptabilité et gestion', '110760394', NULL, 'Mme', '1979-06-07', 'Licence en comptabilité', NULL, '2008-01-02', '2016-09-01', '2016-09-05', 'Veuve', 4, 5),
  ('PERS005', 'Fonctionnaire', 'Bac+5', 'Orientation scolaire', '110928513', 6, 'M.', '1977-11-23', 'DIPCO', '547 881-C', '2004-10-01', '2018-09-03', '2018-09-10', 'Célibataire', 5, 6),
  ('PERS006', 'Fonctionnaire', 'Bac+5', 'Mathématiques', '111045672', 1, 'M.', '1980-02-14', 'DIPES II', '561 307-F', '2006-10-01', '2006-10-01', '2006-10-09', 'Marié', 7, 1),
  ('PERS007', 'Fonctionnaire', 'Bac+3', 'Mathématiques', '111187230', 1, 'Mme', '1985-07-03', 'DIPES I', '602 455-H', '2010-10-01', '2010-10-01', '2010-10-11', 'Mariée', 6, 2),
  ('PERS008', 'Fonctionnaire', 'Bac+5', 'Mathematics', '111209874', 1, 'M.', '1983-12-19', 'DIPES II', '588 713-A', '2009-10-01', '2009-10-01', '2009-10-05', 'Marié', 6, 1),
  ('PERS009', 'Fonctionnaire', 'Bac+5', 'Physique-Chimie', '111356018', 2, 'Mlle', '1986-05-27', 'DIPES II', '611 902-B', '2011-10-01', '2011-10-01', '2011-10-10', 'Célibataire', 7, 1),
  ('PERS010', 'Fonctionnaire', 'Bac+3', 'Physique-Chimie', '111402957', 2, 'M.', '1988-08-08', 'DIPES I', '634 128-D', '2013-10-01', '2013-10-01', '2013-10-07', 'Marié', 6, 2),
  ('PERS011', 'Fonctionnaire', 'Bac+5', 'Physics and Chemistry', '111538460', 2, 'Mme', '1984-03-11', 'DIPES II', '597 364-E', '2009-10-01', '2009-10-01', '2009-10-12', 'Mariée', 6, 1),
  ('PERS012', 'Fonctionnaire', 'Bac+5', 'Sciences naturelles', '111671293', 3, 'Mme', '1979-10-02', 'DIPES II', '553 076-G', '2005-10-01', '2005-10-01', '2005-10-03', 'Mariée', 7, 1),
  ('PERS013', 'Fonctionnaire', 'Bac+3', 'Biology', '111703582', 3, 'M.', '1990-01-25', 'DIPES I', '658 241-J', '2015-10-01', '2015-10-01', '2015-10-05', 'Célibataire', 6, 2),
  ('PERS014', 'Fonctionnaire', 'Bac+5', 'Lettres modernes françaises', '111849106', 4, 'M.', '1976-06-16', 'DIPES II', '541 690-K', '2002-10-01', '2002-10-01', '2002-10-07', 'Marié', 7, 1),
  ('PERS015', 'Fonctionnaire', 'Bac+3', 'Lettres modernes françaises', '111962745', 4, 'Mme', '1987-09-09', 'DIPES I', '627 513-L', '2012-10-01', '2012-10-01', '2012-10-08', 'Mariée', 6, 2),
  ('PERS016', 'Vacataire', 'Bac+5', 'Lettres modernes', '112014387', 4, 'Mlle', '1994-04-21', 'Master de lettres', NULL, NULL, NULL, '2023-09-04', 'Célibataire', 6, 4),
  ('PERS017', 'Fonctionnaire', 'Bac+5', 'English Language', '112130658', 9, 'Mme', '1981-11-30', 'DIPES II', '572 948-M', '2007-10-01', '2007-10-01', '2007-10-08', 'Mariée', 7, 1),
  ('PERS018', 'Fonctionnaire', 'Bac+3', 'Literature in English', '112247913', 9, 'M.', '1989-02-17', 'DIPES I', '645 370-N', '2014-10-01', '2014-10-01', '2014-10-06', 'Marié', 6, 2),
  ('PERS019', 'Fonctionnaire', 'Bac+3', 'Allemand', '112385024', 5, 'Mme', '1986-12-05', 'DIPES I', '619 827-P', '2011-10-01', '2011-10-01', '2011-10-03', 'Divorcée', 6, 2),
  ('PERS020', 'Vacataire', 'Bac+5', 'Espagnol', '112451769', 5, 'Mme', '1991-07-29', 'Master d''espagnol', NULL, NULL, NULL, '2022-09-05', 'Mariée', 6, 4),
  ('PERS021', 'Fonctionnaire', 'Bac+5', 'Histoire-Géographie', '112578340', 6, 'M.', '1978-03-08', 'DIPES II', '549 162-Q', '2003-10-01', '2003-10-01', '2003-10-06', 'Marié', 7, 1),
  ('PERS022', 'Fonctionnaire', 'Bac+3', 'Histoire-Géographie', '112603597', 6, 'Mme', '1988-10-14', 'DIPES I', '639 584-R', '2013-10-01', '2013-10-01', '2013-10-14', 'Mariée', 6, 2),
  ('PERS023', 'Fonctionnaire', 'Bac+3', 'History and Geography', '112736208', 6, 'M.', '1987-05-02', 'DIPES I', '630 417-S', '2012-10-01', '2012-10-01', '2012-10-01', 'Marié', 6, 2),
  ('PERS024', 'Fonctionnaire', 'Bac+5', 'Informatique', '112869431', 7, 'M.', '1984-08-26', 'DIPET II', '593 206-T', '2009-10-01', '2009-10-01', '2009-10-19', 'Marié', 7, 3),
  ('PERS025', 'Vacataire', 'Bac+3', 'Informatique', '112974056', 7, 'M.', '1995-01-13', 'Licence d''informatique', NULL, NULL, NULL, '2024-09-02', 'Célibataire', 6, 4),
  ('PERS026', 'Fonctionnaire', 'Bac+3', 'Éducation physique et sportive', '113028765', 8, 'M.', '1982-06-30', 'DIPEPS I', '580 932-U', '2008-10-01', '2008-10-01', '2008-10-06', 'Marié', 6, 2),
  ('PERS027', 'Vacataire', 'Bac+3', 'Éducation physique et sportive', '113150492', 8, 'Mme', '1993-09-18', 'Licence STAPS', NULL, NULL, NULL, '2023-09-04', 'Mariée', 6, 4),
  ('PERS028', 'Fonctionnaire', 'Bac+5', 'Philosophie', '113284617', 10, 'M.', '1977-12-07', 'DIPES II', '545 318-V', '2002-10-01', '2002-10-01', '2002-10-14', 'Marié', 6, 1),
  ('PERS029', 'Vacataire', 'Bac+5', 'Mathématiques', '113316982', 1, 'M.', '1992-04-04', 'Master de mathématiques', NULL, NULL, NULL, '2021-09-06', 'Célibataire', 6, 4),
  ('PERS030', 'Fonctionnaire', 'Bac+3', 'Biology', '113449275', 3, 'Mme', '1989-11-11', 'DIPES I', '652 789-W', '2014-10-01', '2014-10-01', '2014-10-13', 'Mariée', 6, 2),
  ('PERS031', 'Fonctionnaire', 'Bac+5', 'Physique et technologie', '113572840', 2, 'M.', '1985-10-20', 'DIPET II', '607 143-X', '2010-10-01', '2010-10-01', '2010-10-04', 'Marié', 6, 3),
  ('PERS032', 'Fonctionnaire', 'Bac+3', 'Lettres bilingues', '113605319', 4, 'Mme', '1990-03-15', 'DIPES I', '667 320-Y', '2016-10-01', '2016-10-01', '2016-10-03', 'Célibataire', 6, 2),
  ('PERS033', 'Vacataire', 'Bac+3', 'Éducation civique', '113738564', 6, 'M.', '1994-08-01', 'Licence d''histoire', NULL, NULL, NULL, '2024-09-02', 'Célibataire', 6, 4),
  ('PERS034', 'Vacataire', 'Bac+5', 'English Language', '113861037', 9, 'Mme', '1993-05-24', 'Master in English', NULL, NULL, NULL, '2022-09-05', 'Mariée', 6, 4),
  ('PERS035', 'Vacataire', 'Bac+5', 'Economics', '113994682', 6, 'M.', '1991-02-09', 'Master in Economics', NULL, NULL, NULL, '2023-09-04', 'Marié', 6, 4);

INSERT INTO photos (matricule, photo) VALUES
  ('PERS001', UNHEX('89504E470D0A1A0A0000000D49484452000000080000000808020000004B6D29DC000000214944415478DA637886033040A8281B0D3822420259142E47865198E640104E09007D9B6249072714190000000049454E44AE426082')),
  ('PERS002', UNHEX('89504E470D0A1A0A0000000D49484452000000080000000808020000004B6D29DC000000214944415478DA637886033040A805796E70448404B2285C8E0CA330CD81209C12001886788D0143300A0000000049454E44AE426082')),
  ('PERS004', UNHEX('89504E470D0A1A0A0000000D49484452000000080000000808020000004B6D29DC000000214944415478DA637886033040A88A00233822420259142E47865198E640104E090022946B314E5EDB9C0000000049454E44AE426082'));

-- ---------------------------------------------------------------------------------------------
-- Classes. Some have no form teacher, two have no room, the TI class has no teaching language.
-- ---------------------------------------------------------------------------------------------

INSERT INTO classe (code, lib, niv, min_coefficient, id_langue, id_salle, prof_titulaire, serie, effectif) VALUES
  ('6EA', '6ème A', '6E', 1.00, 1, 1, 'PERS015', NULL, 0),
  ('6EB', '6ème B', '6E', 1.00, 1, 2, 'PERS007', NULL, 0),
  ('5EA', '5ème A', '5E', 1.00, 1, 3, 'PERS022', NULL, 0),
  ('5EB', '5ème B', '5E', 1.00, 1, 4, NULL, NULL, 0),
  ('4EA', '4ème A (allemand)', '4E', 1.00, 1, 5, 'PERS019', NULL, 0),
  ('4EB', '4ème B (espagnol)', '4E', 1.00, 1, 6, NULL, NULL, 0),
  ('3EA', '3ème A', '3E', 1.00, 1, 7, 'PERS010', NULL, 0),
  ('3EB', '3ème B', '3E', 1.00, 1, 8, 'PERS032', NULL, 0),
  ('2NDA', '2nde A', '2NDE', 1.00, 1, 9, 'PERS014', 1, 0),
  ('2NDC', '2nde C', '2NDE', 1.00, 1, NULL, 'PERS006', 2, 0),
  ('1EREA', '1ère A', '1ERE', 1.00, 1, 11, NULL, 1, 0),
  ('1EREC', '1ère C', '1ERE', 1.00, 1, 12, 'PERS009', 2, 0),
  ('1ERED', '1ère D', '1ERE', 1.00, 1, 13, 'PERS012', 3, 0),
  ('TLEA', 'Terminale A', 'TLE', 1.00, 1, 14, 'PERS028', 1, 0),
  ('TLEC', 'Terminale C', 'TLE', 1.00, 1, 15, 'PERS029', 2, 0),
  ('TLED', 'Terminale D', 'TLE', 1.00, 1, 16, 'PERS030', 3, 0),
  ('TLETI', 'Terminale TI', 'TLE', 1.00, NULL, 27, 'PERS024', 4, 0),
  ('F1A', 'Form 1 A', 'F1', 1.00, 2, 17, 'PERS017', NULL, 0),
  ('F1B', 'Form 1 B', 'F1', 1.00, 2, 18, NULL, NULL, 0),
  ('F2', 'Form 2', 'F2', 1.00, 2, 19, 'PERS023', NULL, 0),
  ('F3', 'Form 3', 'F3', 1.00, 2, 20, NULL, NULL, 0),
  ('F4', 'Form 4', 'F4', 1.00, 2, 21, 'PERS013', NULL, 0),
  ('F5', 'Form 5', 'F5', 1.00, 2, 22, 'PERS011', NULL, 0),
  ('LSA', 'Lower Sixth Arts', 'LS', 1.00, 2, 23, 'PERS018', 5, 0),
  ('LSS', 'Lower Sixth Science', 'LS', 1.00, 2, 24, 'PERS008', 6, 0),
  ('USA', 'Upper Sixth Arts', 'US', 1.00, 2, NULL, NULL, 5, 0),
  ('USS', 'Upper Sixth Science', 'US', 1.00, 2, 25, 'PERS031', 6, 0);

-- ---------------------------------------------------------------------------------------------
-- Subjects and lessons
-- ---------------------------------------------------------------------------------------------

INSERT INTO matiere (code, lib) VALUES
  ('FRA', 'Français'),
  ('ANGL', 'Anglais'),
  ('LV2', 'Langue vivante II (allemand ou espagnol)'),
  ('MATH', 'Mathématiques'),
  ('PCT', 'Physique, chimie et technologie'),
  ('SVT', 'Sciences de la vie et de la Terre'),
  ('HG', 'Histoire-Géographie'),
  ('ECM', 'Éducation à la citoyenneté et à la morale'),
  ('EPS', 'Éducation physique et sportive'),
  ('INFO', 'Informatique'),
  ('PHILO', 'Philosophie'),
  ('ENG', 'English Language'),
  ('LIT', 'Literature in English'),
  ('FREN', 'French'),
  ('MTHS', 'Mathematics'),
  ('FMTH', 'Further Mathematics'),
  ('PHY', 'Physics'),
  ('CHEM', 'Chemistry'),
  ('BIO', 'Biology'),
  ('HIST', 'History'),
  ('GEO', 'Geography'),
  ('CIT', 'Citizenship Education'),
  ('CS', 'Computer Science'),
  ('PE', 'Physical Education'),
  ('ECON', 'Economics');

INSERT INTO lecon (code, intitule, id_departement) VALUES
  ('L-FRA', 'Cours de français', 4),
  ('L-ANGL', 'Cours d''anglais', 9),
  ('L-LV2', 'Cours d''allemand et d''espagnol', 5),
  ('L-MATH', 'Cours de mathématiques', 1),
  ('L-PCT', 'Cours et travaux pratiques de physique-chimie', 2),
  ('L-SVT', 'Cours et travaux pratiques de SVT', 3),
  ('L-HG', 'Cours d''histoire et de géographie', 6),
  ('L-ECM', 'Cours d''éducation à la citoyenneté', 6),
  ('L-EPS', 'Séances d''éducation physique', 8),
  ('L-INFO', 'Cours et travaux pratiques d''informatique', 7),
  ('L-PHILO', 'Cours de philosophie', 10),
  ('L-ENG', 'English Language lessons', 9),
  ('L-LIT', 'Literature in English lessons', 9),
  ('L-FREN', 'French lessons', 4),
  ('L-MTHS', 'Mathematics lessons', 1),
  ('L-FMTH', 'Further Mathematics lessons', 1),
  ('L-PHY', 'Physics lessons and practicals', 2),
  ('L-CHEM', 'Chemistry lessons and practicals', 2),
  ('L-BIO', 'Biology lessons and practicals', 3),
  ('L-HIST', 'History lessons', 6),
  ('L-GEO', 'Geography lessons', 6),
  ('L-CIT', 'Citizenship Education lessons', 6),
  ('L-CS', 'Computer Science lessons', 7),
  ('L-PE', 'Physical Education sessions', 8),
  ('L-ECON', 'Economics lessons', 6);

-- Subjects of every class from the curriculum below: levels from ordre_min to ordre_max of a
-- section, a coefficient and a teacher for the first cycle (ordre 1 to 4) and for the second,
-- the report-card group, and for classes with a series, 'S' (scientific series only) or 'L'
-- (literary series only).
INSERT INTO classe_matiere (num, classe, matiere, enseignant, coefficient, groupe, id_langue)
WITH programme (matiere, id_section, ordre_min, ordre_max, coef_bas, coef_haut, groupe, ens_bas, ens_haut, filtre) AS (
  VALUES
  ('FRA', 1, 1, 7, 4, 3, 1, 'PERS015', 'PERS014', ''),
  ('ANGL', 1, 1, 7, 3, 2, 1, 'PERS034', 'PERS017', ''),
  ('LV2', 1, 3, 7, 2, 2, 1, 'PERS019', 'PERS020', ''),
  ('MATH', 1, 1, 7, 4, 5, 2, 'PERS007', 'PERS006', ''),
  ('PCT', 1, 1, 7, 2, 4, 2, 'PERS010', 'PERS009', ''),
  ('SVT', 1, 1, 7, 2, 4, 2, 'PERS030', 'PERS012', ''),
  ('HG', 1, 1, 7, 3, 2, 1, 'PERS022', 'PERS021', ''),
  ('ECM', 1, 1, 7, 2, 1, 3, 'PERS033', 'PERS033', ''),
  ('EPS', 1, 1, 7, 2, 2, 3, 'PERS026', 'PERS026', ''),
  ('INFO', 1, 1, 7, 2, 2, 3, 'PERS025', 'PERS024', ''),
  ('PHILO', 1, 7, 7, 4, 4, 1, 'PERS028', 'PERS028', ''),
  ('ENG', 2, 1, 7, 4, 3, 1, 'PERS034', 'PERS017', ''),
  ('LIT', 2, 1, 7, 3, 4, 1, 'PERS018', 'PERS018', 'L'),
  ('FREN', 2, 1, 7, 3, 2, 1, 'PERS032', 'PERS016', ''),
  ('MTHS', 2, 1, 7, 4, 5, 2, 'PERS008', 'PERS008', ''),
  ('FMTH', 2, 6, 7, 4, 4, 2, 'PERS029', 'PERS029', 'S'),
  ('PHY', 2, 3, 7, 3, 4, 2, 'PERS031', 'PERS011', 'S'),
  ('CHEM', 2, 3, 7, 3, 4, 2, 'PERS011', 'PERS011', 'S'),
  ('BIO', 2, 1, 7, 3, 4, 2, 'PERS030', 'PERS013', 'S'),
  ('HIST', 2, 1, 7, 2, 4, 1, 'PERS023', 'PERS023', 'L'),
  ('GEO', 2, 1, 7, 2, 4, 1, 'PERS023', 'PERS021', 'L'),
  ('CIT', 2, 1, 5, 1, 1, 3, 'PERS033', 'PERS033', ''),
  ('CS', 2, 1, 7, 2, 2, 3, 'PERS025', 'PERS024', ''),
  ('PE', 2, 1, 5, 1, 1, 3, 'PERS027', 'PERS027', ''),
  ('ECON', 2, 4, 7, 2, 3, 1, 'PERS035', 'PERS035', 'L')
)
SELECT ROW_NUMBER() OVER (ORDER BY N.id_section, N.ordre, C.code, P.groupe, P.matiere),
       C.code, P.matiere,
       IF(N.ordre <= 4, P.ens_bas, P.ens_haut),
       IF(N.ordre <= 4, P.coef_bas, P.coef_haut),
       P.groupe, S.id_langue
FROM classe C
JOIN niveau N ON N.code = C.niv
JOIN section S ON S.id = N.id_section
JOIN programme P ON P.id_section = N.id_section AND N.ordre BETWEEN P.ordre_min AND P.ordre_max
WHERE P.filtre = '' OR C.serie IS NULL
   OR (P.filtre = 'S' AND C.serie IN (2, 3, 4, 6))
   OR (P.filtre = 'L' AND C.serie IN (1, 5));

-- Weekly lessons follow the subjects: the hours grow with the coefficient, practical subjects
-- go to the laboratories or the computer room, sport has no room.
INSERT INTO classe_lecon (id, code_classe, code_lecon, matricule_enseignant, volume_horaire_hebdomadaire, id_salle)
SELECT CM.num, CM.classe, CONCAT('L-', CM.matiere), CM.enseignant,
       CASE WHEN CM.coefficient >= 5 THEN 6 WHEN CM.coefficient >= 4 THEN 5 WHEN CM.coefficient >= 3 THEN 4 ELSE 2 END,
       CASE
         WHEN CM.matiere IN ('PCT', 'PHY', 'CHEM') THEN 25
         WHEN CM.matiere IN ('SVT', 'BIO') THEN 26
         WHEN CM.matiere IN ('INFO', 'CS') THEN 27
         WHEN CM.matiere IN ('EPS', 'PE') THEN NULL
         ELSE C.id_salle
       END
FROM classe_matiere CM
JOIN classe C ON C.code = CM.classe;

-- Time slots of a school day.
INSERT INTO heures (id, debut, fin, pause) VALUES
  (1, '07:30', '08:25', '0'),
  (2, '08:25', '09:20', '0'),
  (3, '09:20', '10:15', '0'),
  (4, '10:15', '10:30', '1'),
  (5, '10:30', '11:25', '0'),
  (6, '11:25', '12:20', '0'),
  (7, '12:20', '13:00', '1'),
  (8, '13:00', '13:55', '0'),
  (9, '13:55', '14:50', '0'),
  (10, '14:50', '15:45', '0');

-- Report-card appreciations of the yearly average, in each language.
INSERT INTO appreciations (id, code, libelle, id_langue, inf, sup, inc_sup, note_ou_moyenne) VALUES
  (1, 'EXC', 'Excellent', 1, 18.00, 20.00, '1', 'M'),
  (2, 'TB', 'Très bien', 1, 16.00, 18.00, '0', 'M'),
  (3, 'B', 'Bien', 1, 14.00, 16.00, '0', 'M'),
  (4, 'AB', 'Assez bien', 1, 12.00, 14.00, '0', 'M'),
  (5, 'PASS', 'Passable', 1, 10.00, 12.00, '0', 'M'),
  (6, 'INS', 'Insuffisant', 1, 8.00, 10.00, '0', 'M'),
  (7, 'MED', 'Médiocre', 1, 5.00, 8.00, '0', 'M'),
  (8, 'TF', 'Très faible', 1, 0.00, 5.00, '0', 'M'),
  (9, 'EXC', 'Excellent', 2, 18.00, 20.00, '1', 'M'),
  (10, 'VG', 'Very good', 2, 16.00, 18.00, '0', 'M'),
  (11, 'G', 'Good', 2, 14.00, 16.00, '0', 'M'),
  (12, 'FG', 'Fairly good', 2, 12.00, 14.00, '0', 'M'),
  (13, 'AV', 'Average', 2, 10.00, 12.00, '0', 'M'),
  (14, 'BA', 'Below average', 2, 8.00, 10.00, '0', 'M'),
  (15, 'P', 'Poor', 2, 5.00, 8.00, '0', 'M'),
  (16, 'VP', 'Very poor', 2, 0.00, 5.00, '0', 'M');

-- Marks scale of the competency-based reports.
INSERT INTO cotes (id, cote, id_langue, inf, sup, inc_sup, note_ou_moyenne) VALUES
  (1, 'A+', 1, 18.00, 20.00, '1', 'N'),
  (2, 'A', 1, 16.00, 18.00, '0', 'N'),
  (3, 'B+', 1, 15.00, 16.00, '0', 'N'),
  (4, 'B', 1, 14.00, 15.00, '0', 'N'),
  (5, 'C+', 1, 12.00, 14.00, '0', 'N'),
  (6, 'C', 1, 10.00, 12.00, '0', 'N'),
  (7, 'D', 1, 0.00, 10.00, '0', 'N'),
  (8, 'A+', 2, 18.00, 20.00, '1', 'N'),
  (9, 'A', 2, 16.00, 18.00, '0', 'N'),
  (10, 'B+', 2, 15.00, 16.00, '0', 'N'),
  (11, 'B', 2, 14.00, 15.00, '0', 'N'),
  (12, 'C+', 2, 12.00, 14.00, '0', 'N'),
  (13, 'C', 2, 10.00, 12.00, '0', 'N'),
  (14, 'D', 2, 0.00, 10.00, '0', 'N');

-- Matricules: CBSE + two digits of the year of entry + a four-digit serial for students,
-- PERS + a three-digit serial for staff.
INSERT INTO generation_matricule (id, prefixe, prefixe_min, prefixe_max, prefixe_char, infixe,
  infixe_min, infixe_max, infixe_char, suffixe, suffixe_min, suffixe_max, suffixe_char,
  suffixe_serie, `level`, code_entite) VALUES
  (1, 'CBSE', 4, 4, '', 'AA', 2, 2, '0', 'NNNN', 4, 4, '0', 384, 1, 'ELEVE'),
  (2, 'PERS', 4, 4, '', '', 0, 0, '', 'NNN', 3, 3, '0', 35, 2, 'PERSONNEL');

-- ---------------------------------------------------------------------------------------------
-- Fees and finance
-- ---------------------------------------------------------------------------------------------

INSERT INTO frais (ID, MONTANT, LIBELLE, PRIORITE) VALUES
  (1, 10000.00, 'Frais d''inscription', 1),
  (2, 75000.00, 'Scolarité premier cycle', 2),
  (3, 95000.00, 'Scolarité second cycle', 2),
  (4, 15000.00, 'Contribution APEE', 3),
  (5, 25000.00, 'Frais d''examen officiel', 4),
  (6, 12500.00, 'Tenue scolaire et insigne', 5),
  (7, 60000.00, 'Transport scolaire', 6),
  (8, 20000.00, 'Frais de laboratoire et d''informatique', 4);

-- Fees charged to each level: registration and parents' association everywhere, tuition by
-- cycle, the examination fee where an examination closes the level, laboratory fees in the
-- second cycle, the uniform in the first year and the bus for whoever wants it (optional).
INSERT INTO frais_niveau (id, id_frais, code_niveau, optionnel, etat)
WITH regle (id_frais, portee, optionnel) AS (
  VALUES (1, 'TOUS', '0'), (2, 'PREMIER', '0'), (3, 'SECOND', '0'), (4, 'TOUS', '0'),
         (5, 'EXAMEN', '0'), (6, 'ENTREE', '1'), (7, 'TOUS', '1'), (8, 'SECOND', '0')
)
SELECT ROW_NUMBER() OVER (ORDER BY R.id_frais, N.id_section, N.ordre), R.id_frais, N.code, R.optionnel, 'V'
FROM regle R
JOIN niveau N ON R.portee = 'TOUS'
  OR (R.portee = 'PREMIER' AND N.ordre <= IF(N.id_section = 1, 4, 5))
  OR (R.portee = 'SECOND' AND N.ordre > IF(N.id_section = 1, 4, 5))
  OR (R.portee = 'EXAMEN' AND N.examen IS NOT NULL)
  OR (R.portee = 'ENTREE' AND N.ordre = 1);

-- Rows no longer in force: a cancelled examination fee, a suspended uniform fee, a laboratory
-- fee that was never applied.
INSERT INTO frais_niveau (id, id_frais, code_niveau, optionnel, etat) VALUES
  (101, 5, '2NDE', '0', 'A'),
  (102, 6, '5E', '1', 'S'),
  (103, 8, '4E', '0', 'A');

INSERT INTO tranche (ID, MONTANT, ORDRE, DATE_LIMITE_PAYEMENT, ID_FRAIS) VALUES
  (1, 10000.00, 1, '2025-09-01', 1),
  (2, 30000.00, 1, '2025-09-15', 2),
  (3, 25000.00, 2, '2025-11-28', 2),
  (4, 20000.00, 3, '2026-02-28', 2),
  (5, 40000.00, 1, '2025-09-15', 3),
  (6, 30000.00, 2, '2025-11-28', 3),
  (7, 25000.00, 3, '2026-02-28', 3),
  (8, 15000.00, 1, '2025-10-31', 4),
  (9, 25000.00, 1, '2026-01-16', 5),
  (10, 12500.00, 1, '2025-09-01', 6),
  (11, 20000.00, 1, '2025-09-15', 7),
  (12, 20000.00, 2, '2025-12-19', 7),
  (13, 20000.00, 3, '2026-03-27', 7),
  (14, 20000.00, 1, '2025-10-31', 8);

-- typeReduction 'P': percentage of the tuition, 'M': fixed amount.
INSERT INTO motif_reduction (id, motif, typeReduction, valeurReduction) VALUES
  (1, 'Enfant du personnel', 'P', 50.00),
  (2, 'Fratrie de trois enfants ou plus', 'P', 25.00),
  (3, 'Prix d''excellence de l''année précédente', 'M', 25000.00),
  (4, 'Cas social reconnu par l''APEE', 'M', 30000.00);

INSERT INTO banque (id, nom, etat, numero_compte) VALUES
  (1, 'Banque Populaire du Centre', '1', 'CM21 10005 00010 04512789 01 47'),
  (2, 'Crédit Mutuel du Mfoundi', '1', 'CM21 10033 05210 10200345 61 12'),
  (3, 'Caisse d''Épargne Postale', '0', 'CM21 10041 00001 77823011 90 05');

INSERT INTO Catcharge (id, lib, plafond_depense) VALUES
  (1, 'Eau, électricité et téléphone', 1200000.00),
  (2, 'Entretien et réparations', 2500000.00),
  (3, 'Rémunération des vacataires', 6000000.00),
  (4, 'Fournitures et consommables', 1500000.00),
  (5, 'Activités culturelles et sportives', 800000.00);

INSERT INTO Charge (id, lib, id_categorie, reguliere) VALUES
  (1, 'Facture d''électricité', 1, '1'),
  (2, 'Facture d''eau', 1, '1'),
  (3, 'Abonnement Internet', 1, '1'),
  (4, 'Réfection de la toiture du bloc B', 2, '0'),
  (5, 'Entretien du groupe électrogène', 2, '1'),
  (6, 'Vacations des enseignants', 3, '1'),
  (7, 'Craies, marqueurs et registres', 4, '1'),
  (8, 'Ramettes de papier et encre', 4, '1'),
  (9, 'Fête de la Jeunesse du 11 février', 5, '0'),
  (10, 'Championnat scolaire inter-établissements', 5, '0');
