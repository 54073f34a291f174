-- Demo school, students: the students of 2025/2026 with their end-of-year decisions, photos,
-- instalments, payments, receipts and reductions.
-- Run after ecole.sql, with bd_2025_2026 as the current database.
--
-- 380 students are generated from their serial number i (1 to 380), without any randomness, so
-- every load gives the same school. Four more students are written out by hand at the end
-- of the student section. A student's serial number is the last four digits of the matricule.

-- ---------------------------------------------------------------------------------------------
-- Students
-- ---------------------------------------------------------------------------------------------

-- Each class gets a share of the students that shrinks with the level (weight 18 - 2 * ordre):
-- about 24 students in a 6ème or Form 1 class, 6 in an Upper Sixth class. The serial number i is
-- scattered over the weights by (i * 37) MOD total. Odd serials are boys, even serials girls.
-- The matricule carries the two digits of the year of entry.
INSERT INTO eleve (mat, en_regle, redoublant, enregistre_par, lnais, dnais, idclasse, sexe,
  montant_verse, mat_nationnal, orientation_serie, exclu)
WITH RECURSIVE n (i) AS (
  SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 380
),
c AS (
  SELECT C.code, C.serie, N.ordre, N.id_section, 18 - 2 * N.ordre AS poids,
         SUM(18 - 2 * N.ordre) OVER (ORDER BY N.id_section, N.ordre, C.code) AS cumul
  FROM classe C JOIN niveau N ON N.code = C.niv
),
t (total) AS (SELECT SUM(poids) FROM c),
e AS (
  SELECT n.i, c.code, c.serie, c.ordre, c.id_section,
         IF(n.i MOD 11 = 0, 1, 0) AS redouble
  FROM n, t, c
  WHERE (n.i * 37) MOD t.total >= c.cumul - c.poids AND (n.i * 37) MOD t.total < c.cumul
)
SELECT CONCAT('CBSE', LPAD(26 - e.ordre - e.redouble, 2, '0'), LPAD(e.i, 4, '0')),
       '0',
       IF(e.redouble = 1, '1', '0'),
       IF(e.i MOD 5 = 0, 'admin', 'secretaire'),
       ELT(1 + (e.i * 7) MOD 20, 'Yaoundé', 'Douala', 'Bafoussam', 'Bamenda', 'Buea', 'Garoua',
           'Maroua', 'Ebolowa', 'Bertoua', 'Ngaoundéré', 'Kribi', 'Limbe', 'Dschang', 'Mbalmayo',
           'Édéa', 'Kumba', 'Nkongsamba', 'Sangmélima', 'Obala', 'Foumban'),
       IF(e.i MOD 47 = 5, NULL,
          MAKEDATE(2025 - 10 - e.ordre - e.redouble - IF(e.i MOD 3 = 0, 1, 0), 1 + (e.i * 53) MOD 365)),
       e.code,
       IF(e.i MOD 2 = 1, 'M', 'F'),
       0,
       IF(e.i MOD 5 = 0, NULL, CONCAT('CM', IF(e.id_section = 1, 'CE', 'NW'), LPAD((e.i * 7919) MOD 1000000, 6, '0'))),
       CASE
         WHEN e.i MOD 3 = 0 THEN NULL
         WHEN e.id_section = 1 AND e.ordre = 4 THEN IF(e.i MOD 3 = 1, 1, 2)
         WHEN e.id_section = 1 AND e.ordre = 5 THEN IFNULL(e.serie, 1) + IF(e.serie = 2 AND e.i MOD 3 = 2, 1, 0)
         WHEN e.id_section = 2 AND e.ordre = 5 THEN IF(e.i MOD 3 = 1, 5, 6)
         ELSE NULL
       END,
       '0'
FROM e;

-- Names follow the section: French-speaking names in the French section, English-speaking
-- names in the English one. A quarter of the students have two first names.
INSERT INTO personne (mat, nom, pnom, nat, tel, adr, typ)
WITH e AS (
  SELECT E.mat, E.sexe, N.id_section, CAST(RIGHT(E.mat, 4) AS UNSIGNED) AS i
  FROM eleve E JOIN classe C ON C.code = E.idclasse JOIN niveau N ON N.code = C.niv
),
p AS (
  SELECT e.mat, e.i, e.id_section,
    IF(e.id_section = 1,
       ELT(1 + (e.i * 7) MOD 40, 'ATANGANA', 'MBARGA', 'ESSOMBA', 'NKOULOU', 'FOTSO', 'KAMGA',
           'TCHAMBA', 'NDJOCK', 'MVONDO', 'OWONA', 'ABANDA', 'BELLO', 'EWANE', 'N''GUESSAN',
           'D''ALMEIDA', 'NGO BASSA', 'EYINGA', 'BIYIHA', 'DJOUMESSI', 'TCHOUPO', 'MANGA', 'ZAMBO',
           'ONDOA', 'NGUEMO', 'KUÉTÉ', 'SIMO', 'TAGNE', 'WAMBA', 'EBANDA', 'MOUKOURI', 'PRISO',
           'EKOTTO', 'HAMADOU', 'ABOUBAKAR', 'FOUDA', 'ETO''O', 'NNANGA', 'MENYE', 'MEBENGA', 'BÉYALA'),
       ELT(1 + (e.i * 7) MOD 30, 'AYUK', 'TABE', 'NGWA', 'CHE', 'FON', 'NKWAIN', 'ASHU', 'ENOW',
           'TANYI', 'MBAH', 'NFOR', 'LUM', 'FRU', 'NDI', 'TAMFU', 'AWAH', 'EBAI', 'AGBOR', 'TAMBE',
           'NKENG', 'BESONG', 'MOKAKE', 'EKWE', 'NDIFOR', 'NJI', 'YONG', 'FOMUM', 'ATEM', 'OJONG', 'BATE')) AS nom,
    CASE
      WHEN e.id_section = 1 AND e.sexe = 'F' THEN ELT(1 + (e.i * 13 + (e.i DIV 40) * 7) MOD 30, 'Éloïse', 'Anaïs', 'Chloé',
           'Marie-Noëlle', 'Aïcha', 'Hélène', 'Bérénice', 'Joëlle', 'Gaëlle', 'Inès', 'Léa', 'Mélanie',
           'Danielle', 'Francine', 'Sandrine', 'Estelle', 'Cécile', 'Noémie', 'Raïssa', 'Christelle',
           'Josiane', 'Pélagie', 'Rosine', 'Yvette', 'Clémence', 'Laëtitia', 'Océane', 'Solène', 'Ruth', 'Zoé')
      WHEN e.id_section = 1 THEN ELT(1 + (e.i * 13 + (e.i DIV 40) * 7) MOD 30, 'Jean-Noël', 'Hervé', 'Éric', 'Loïc',
           'Stéphane', 'Thierry', 'Rodrigue', 'Cédric', 'Jérôme', 'Franck', 'Aurélien', 'Joël', 'Brice',
           'Ulrich', 'Landry', 'Arnaud', 'Gaël', 'Yannick', 'Boris', 'Désiré', 'Fabrice', 'Serge',
           'Junior', 'Mathias', 'Ismaël', 'Noé', 'Raphaël', 'Jean-Paul', 'Félix', 'Paul-Émile')
      WHEN e.sexe = 'F' THEN ELT(1 + (e.i * 13 + (e.i DIV 30) * 7) MOD 20, 'Blessing', 'Precious', 'Mercy', 'Gladys',
           'Brenda', 'Comfort', 'Faith', 'Joy', 'Vanessa', 'Sharon', 'Linda', 'Patience', 'Esther',
           'Grace', 'Mirabel', 'Belinda', 'Quinta', 'Hilary', 'Nadine', 'Prudence')
      ELSE ELT(1 + (e.i * 13 + (e.i DIV 30) * 7) MOD 20, 'Emmanuel', 'Brandon', 'Godlove', 'Divine', 'Ebenezer', 'Clinton',
           'Kelvin', 'Wilfred', 'Elvis', 'Derick', 'Collins', 'Nelson', 'Bertrand', 'Peter', 'Desmond',
           'Valentine', 'Gilbert', 'Prince', 'Randy', 'Kingsley')
    END AS prenom,
    CASE
      WHEN e.i MOD 4 <> 0 THEN ''
      WHEN e.sexe = 'F' THEN ELT(1 + (e.i * 11 + e.i DIV 8) MOD 8, 'Marie', 'Grâce', 'Esther', 'Claire', 'Odile', 'Judith', 'Ange', 'Carine')
      ELSE ELT(1 + (e.i * 11 + e.i DIV 8) MOD 8, 'Pierre', 'Joseph', 'Samuel', 'Daniel', 'Blaise', 'André', 'Martin', 'Achille')
    END AS second_prenom,
    LPAD((e.i * 7919 + 104729) MOD 1000000, 6, '0') AS chiffres
  FROM e
)
SELECT p.mat, p.nom, CONCAT(p.prenom, IF(p.second_prenom = '', '', ' '), p.second_prenom),
       CASE p.i MOD 17
         WHEN 3 THEN 'Gabonaise' WHEN 6 THEN 'Tchadienne' WHEN 9 THEN 'Centrafricaine'
         WHEN 12 THEN 'Congolaise' WHEN 15 THEN 'Nigériane' ELSE 'Camerounaise'
       END,
       IF(p.i MOD 9 = 0, '',
          CONCAT('6', ELT(1 + p.i MOD 5, '77', '99', '55', '90', '51'), ' ', SUBSTRING(p.chiffres, 1, 2), ' ',
                 SUBSTRING(p.chiffres, 3, 2), ' ', SUBSTRING(p.chiffres, 5, 2))),
       IF(p.i MOD 13 = 0, '',
          CONCAT(ELT(1 + (p.i * 3) MOD 20, 'Mimboman', 'Essos', 'Bastos', 'Mvog-Mbi', 'Ngoa-Ekellé',
                     'Biyem-Assi', 'Mendong', 'Nkolbisson', 'Emana', 'Etoudi', 'Mvan', 'Odza', 'Ekounou',
                     'Nkoldongo', 'Mokolo', 'Elig-Edzoa', 'Tsinga', 'Madagascar', 'Obili', 'Efoulan'),
                 ', Yaoundé')),
       'E'
FROM p;

-- Four students written out by hand: apostrophes, accents, a backslash in an address, an unknown
-- birth date.
INSERT INTO personne (mat, nom, pnom, nat, tel, adr, typ) VALUES
  ('CBSE230381', 'N''GUESSAN', 'Éloïse', 'Ivoirienne', '677 21 09 84', 'Cité verte, Yaoundé', 'E'),
  ('CBSE220382', 'D''ALMEIDA', 'Jean-Noël', 'Béninoise', '699 47 33 10', 'Bastos, Yaoundé', 'E'),
  ('CBSE250383', 'O''NEIL TABE', 'Kingsley', 'Camerounaise', '', 'Lot 14\\B, Bonamoussadi, Douala', 'E'),
  ('CBSE240384', 'NGO BASSA', 'Marie-Noëlle', 'Camerounaise', '690 05 61 27', '', 'E');

INSERT INTO eleve (mat, pere, mere, tuteur, en_regle, redoublant, enregistre_par, lnais, dnais,
  idclasse, sexe, montant_verse, mat_nationnal, orientation_serie, exclu) VALUES
  ('CBSE230381', 'N''GUESSAN Kouadio Didier', 'N''GUESSAN née AKA Awa', '', '0', '0', 'secretaire', 'Abidjan', '2012-02-29', '4EA', 'F', 0, 'CMCE230381', NULL, '0'),
  ('CBSE220382', 'D''ALMEIDA Jean-Marc', 'HOUNKPÈ Sènami', 'D''ALMEIDA Éric (oncle)', '0', '1', 'admin', 'Cotonou', '2010-11-05', '3EB', 'M', 0, NULL, 2, '0'),
  ('CBSE250383', 'O''NEIL Patrick', 'TABE Comfort', '', '0', '0', 'secretaire', 'Buea', '2014-06-17', 'F1A', 'M', 0, 'CMSW250383', NULL, '0'),
  ('CBSE240384', '', 'NGO BASSA Rebecca', 'MBOCK Samuel', '0', '0', 'secretaire', 'Édéa', NULL, '1ERED', 'F', 0, NULL, NULL, '0');

-- Parents of the generated students: the father carries the student's surname, the mother is
-- named after another family of the school, one student in seven lives with a guardian.
UPDATE eleve E
JOIN personne P ON P.mat = E.mat
JOIN personne PF ON PF.typ = 'E' AND RIGHT(PF.mat, 4) = LPAD(1 + 2 * ((CAST(RIGHT(E.mat, 4) AS UNSIGNED) * 17) MOD 190), 4, '0')
JOIN personne PM ON PM.typ = 'E' AND RIGHT(PM.mat, 4) = LPAD(2 + 2 * ((CAST(RIGHT(E.mat, 4) AS UNSIGNED) * 23) MOD 190), 4, '0')
JOIN personne PT ON PT.typ = 'E' AND RIGHT(PT.mat, 4) = LPAD(1 + (CAST(RIGHT(E.mat, 4) AS UNSIGNED) * 29) MOD 380, 4, '0')
SET E.pere = IF(CAST(RIGHT(E.mat, 4) AS UNSIGNED) MOD 13 = 0, '', CONCAT(P.nom, ' ', SUBSTRING_INDEX(PF.pnom, ' ', 1))),
    E.mere = CONCAT(PM.nom, ' ', SUBSTRING_INDEX(PM.pnom, ' ', 1)),
    E.tuteur = IF(CAST(RIGHT(E.mat, 4) AS UNSIGNED) MOD 7 = 0, CONCAT(PT.nom, ' ', SUBSTRING_INDEX(PT.pnom, ' ', 1)), '')
WHERE CAST(RIGHT(E.mat, 4) AS UNSIGNED) <= 380;

-- End-of-year decisions. One student in nineteen has no decision row yet, a few rows have an
-- empty or NULL text. Girls get the feminine forms ("Promue", "Exclue").
INSERT INTO decision (mat, decision)
SELECT E.mat,
  CASE
    WHEN k < 12 THEN IF(E.sexe = 'F', 'Promue', 'Promu')
    WHEN k < 24 THEN IF(E.sexe = 'F', 'Promue en classe supérieure', 'Promu en classe supérieure')
    WHEN k < 29 THEN 'Redouble'
    WHEN k = 29 THEN 'Redouble la classe (travail insuffisant)'
    WHEN k < 32 THEN IF(E.sexe = 'F', 'Exclue', 'Exclu')
    WHEN k = 32 THEN IF(E.sexe = 'F', 'Promue mais Exclue', 'Promu mais Exclu')
    WHEN k = 33 THEN IF(E.sexe = 'F', 'Promue sous réserve (avertissement de conduite)', 'Promu sous réserve (avertissement de conduite)')
    WHEN k < 36 THEN ''
    WHEN k < 38 THEN 'Admis en classe supérieure avec félicitations'
    ELSE NULL
  END
FROM (SELECT mat, sexe, (CAST(RIGHT(mat, 4) AS UNSIGNED) * 31) MOD 40 AS k, CAST(RIGHT(mat, 4) AS UNSIGNED) AS i FROM eleve) E
WHERE E.i MOD 19 <> 7 AND E.i <= 380;

INSERT INTO decision (mat, decision) VALUES
  ('CBSE230381', 'Promue en classe supérieure'),
  ('CBSE220382', 'Redouble'),
  ('CBSE250383', 'Promu'),
  ('CBSE240384', 'Promue mais Exclue');

UPDATE eleve E JOIN decision D ON D.mat = E.mat
SET E.exclu = '1'
WHERE INSTR(D.decision, 'Exclu') > 0 AND INSTR(D.decision, 'Redouble') = 0;

-- A few photos.
INSERT INTO photos (matricule, photo)
SELECT mat,
  CASE CAST(RIGHT(mat, 4) AS UNSIGNED) MOD 3
    WHEN 0 THEN UNHEX('89504E470D0A1A0A0000000D49484452000000080000000808020000004B6D29DC000000214944415478DA637886033040A88A00233822420259142E47865198E640104E090022946B314E5EDB9C0000000049454E44AE426082')
    WHEN 1 THEN UNHEX('89504E470D0A1A0A0000000D49484452000000080000000808020000004B6D29DC000000214944415478DA637886033040A8281B0D3822420259142E47865198E640104E09007D9B6249072714190000000049454E44AE426082')
    ELSE UNHEX('89504E470D0A1A0A0000000D49484452000000080000000808020000004B6D29DC000000214944415478DA637886033040A805796E70448404B2285C8E0CA330CD81209C12001886788D0143300A0000000049454E44AE426082')
  END
FROM eleve
WHERE CAST(RIGHT(mat, 4) AS UNSIGNED) MOD 53 = 1 OR mat IN ('CBSE230381', 'CBSE220382');

UPDATE classe C SET C.effectif = (SELECT COUNT(*) FROM eleve E WHERE E.idclasse = C.code);

-- ---------------------------------------------------------------------------------------------
-- Instalments, payments, receipts, reductions
-- ---------------------------------------------------------------------------------------------

-- Every student owes the instalments of the fees in force for the level. One student in four
-- takes the school bus, half of the new students buy the uniform.
INSERT INTO tranche_eleve (id_tranche, MAT_ELEVE, MONTANT, etat)
SELECT T.ID, E.mat, T.MONTANT, 'V'
FROM eleve E
JOIN classe C ON C.code = E.idclasse
JOIN frais_niveau FN ON FN.code_niveau = C.niv AND FN.etat = 'V'
JOIN tranche T ON T.ID_FRAIS = FN.id_frais
WHERE FN.optionnel = '0'
   OR (FN.id_frais = 7 AND CAST(RIGHT(E.mat, 4) AS UNSIGNED) MOD 4 = 0)
   OR (FN.id_frais = 6 AND CAST(RIGHT(E.mat, 4) AS UNSIGNED) MOD 2 = 0)
ORDER BY E.mat, T.ID;

-- Bus subscriptions given up during the year.
UPDATE tranche_eleve SET etat = 'A'
WHERE id_tranche IN (12, 13) AND CAST(RIGHT(MAT_ELEVE, 4) AS UNSIGNED) MOD 40 = 0;

-- Payments, one receipt each. Six families in ten have paid everything, two only the first
-- instalments, one half of the first instalments, one nothing yet.
INSERT INTO versement (montant, ID_TRANCHE_ELEVE, NUMERO_RECU)
SELECT IF(CAST(RIGHT(TE.MAT_ELEVE, 4) AS UNSIGNED) MOD 10 = 8, TE.MONTANT / 2, TE.MONTANT), TE.id, 1000 + TE.id
FROM tranche_eleve TE
JOIN tranche T ON T.ID = TE.id_tranche
WHERE TE.etat = 'V'
  AND (CAST(RIGHT(TE.MAT_ELEVE, 4) AS UNSIGNED) MOD 10 <= 5
       OR (CAST(RIGHT(TE.MAT_ELEVE, 4) AS UNSIGNED) MOD 10 IN (6, 7, 8) AND T.ORDRE = 1));

-- A few receipts were cancelled ('A') and do not count.
INSERT INTO recu (numero, etat)
SELECT NUMERO_RECU, IF(NUMERO_RECU MOD 97 = 0, 'A', 'V') FROM versement;

UPDATE configuration SET last_num_cr = (SELECT MAX(numero) FROM recu);

INSERT INTO reduction_frais (montant, MAT_ELEVE)
SELECT CASE CAST(RIGHT(E.mat, 4) AS UNSIGNED) MOD 4
         WHEN 0 THEN 25000.00
         WHEN 1 THEN 30000.00
         ELSE IF(N.ordre <= IF(N.id_section = 1, 4, 5), 37500.00, 47500.00)
       END,
       E.mat
FROM eleve E JOIN classe C ON C.code = E.idclasse JOIN niveau N ON N.code = C.niv
WHERE CAST(RIGHT(E.mat, 4) AS UNSIGNED) MOD 23 = 0;

-- Amount paid with valid receipts, and whether everything due by mid-May 2026 is paid.
UPDATE eleve E SET E.montant_verse = (
  SELECT IFNULL(SUM(V.montant), 0)
  FROM versement V
  JOIN tranche_eleve TE ON TE.id = V.ID_TRANCHE_ELEVE
  JOIN recu R ON R.numero = V.NUMERO_RECU
  WHERE TE.MAT_ELEVE = E.mat AND R.etat = 'V');

UPDATE eleve E SET E.en_regle = IF(E.montant_verse >= (
  SELECT IFNULL(SUM(TE.MONTANT), 0)
  FROM tranche_eleve TE JOIN tranche T ON T.ID = TE.id_tranche
  WHERE TE.MAT_ELEVE = E.mat AND TE.etat = 'V' AND T.DATE_LIMITE_PAYEMENT <= '2026-05-15'), '1', '0');
