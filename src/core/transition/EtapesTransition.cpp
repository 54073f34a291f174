#include "core/transition/EtapesTransition.h"

// The copies of the year transition, in their order. Unqualified names are the new year's tables (the year
// connection is attached to the new database); names qualified by o (AncienneBase) are the closing year's.
// Every copy skips the rows already present in the new database, so that a second run after a failure neither
// duplicates rows nor stops on a key.
namespace {

// A clash on a column the copy checks besides the key: the row is skipped because the new year already uses
// that value.
QString Pris(const QString& table, const QString& colonne, const QString& quoi) {
    return QStringLiteral("WHEN O.`%2` IN (SELECT `%2` FROM `%1`) THEN '%3 déjà pris dans la nouvelle année'")
        .arg(table, colonne, quoi);
}

// A reference the copy requires: the row is skipped when what it refers to is not in the new year.
QString Absent(const QString& colonne, const QString& table, const QString& cle, const QString& quoi,
               bool nullAdmis = true) {
    return QStringLiteral("WHEN %1O.`%2` NOT IN (SELECT `%4` FROM `%3`) THEN '%5'")
        .arg(nullAdmis ? QStringLiteral("O.`%1` IS NOT NULL AND ").arg(colonne) : QString(), colonne, table,
             cle, quoi);
}

QString Cas(const QStringList& conditions) {
    return QStringLiteral("CASE ") + conditions.join(QLatin1Char(' ')) + QStringLiteral(" END");
}

// The staff member's department: none, or one the new year does not hold.
QString Departement(const QString& dept) {
    return QStringLiteral("CASE WHEN %1 IS NULL THEN 'sans département' WHEN %1 NOT IN (SELECT num FROM "
                          "departement) THEN 'département non reporté' END")
        .arg(dept);
}

QList<TEtapeCopie> Etapes() {
    const QString& o = AncienneBase;
    QList<TEtapeCopie> etapes;
    // School configuration (`configuration`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Configuration de l'établissement"),
        .Lignes =
            {QStringLiteral("INSERT INTO configuration (`id`, `nom_fr`, `nom_en`, `devise_fr`, `devise_en`, "
                            "`boite_postale`, "),
             QStringLiteral("`civilite_responsable`, `nom_responsable`, `prefixe_qualite_responsable`, "
                            "`qualite_responsable`, "),
             QStringLiteral("`telephone`, `fax`, `adresse`, `localisation`, `ville`, `prefixe_region`, "
                            "`region`, `region_en`, `prefixe_departement`, "),
             QStringLiteral(" `departement`, `departement_en`,  `prefixe_arrondissement`, `arrondissement`, "
                            "`min_sequence`, `logo`, `age_min`, "),
             QStringLiteral(
                 "`age_max`, `format_bulletin`, `signature_responsable`, `logo_bul`, `profil_bul`, "
                 "`heure_du_edt`, "),
             QStringLiteral("`last_num_cp`, `last_num_cr`, `last_num_ap`, `code_etablissement`, "),
             QStringLiteral(
                 "`code_centre`, `saisir_notes_eleve_enregle`, `appreciation_saction_automatique`, "
                 "`rappel_moyenne`, `type_rappel_moyenne`, "),
             QStringLiteral(
                 "`signature_responsable_sur_bulletin`, `affiche_orientation_sur_bulletin_annuel`, "
                 "`affiche_nom_enseignant_sur_bulletin`)"),
             QStringLiteral("SELECT `id`, `nom_fr`, `nom_en`, `devise_fr`, `devise_en`, `boite_postale`,"),
             QStringLiteral("`civilite_responsable`, `nom_responsable`, `prefixe_qualite_responsable`, "
                            "`qualite_responsable`,"),
             QStringLiteral("`telephone`, `fax`, `adresse`, `localisation`, `ville`, `prefixe_region`, "
                            "`region`, `region_en`,"),
             QStringLiteral(
                 "`prefixe_departement`, `departement`, `departement_en`, `prefixe_arrondissement`, "
                 "`arrondissement`,"),
             QStringLiteral("`min_sequence`, `logo`, `age_min`, `age_max`, `format_bulletin`, "
                            "`signature_responsable`, `logo_bul`, `profil_bul`, `heure_du_edt`,"),
             QStringLiteral(
                 "`last_num_cp`, `last_num_cr`, `last_num_ap`, `code_etablissement`, `code_centre`, "
                 "`saisir_notes_eleve_enregle`, `appreciation_saction_automatique`,"),
             QStringLiteral(
                 "`rappel_moyenne`, `type_rappel_moyenne`, `signature_responsable_sur_bulletin`, "
                 "`affiche_orientation_sur_bulletin_annuel`, `affiche_nom_enseignant_sur_bulletin`"),
             QStringLiteral("FROM ") + o + QStringLiteral(".configuration"),
             QStringLiteral("WHERE `id` NOT IN (SELECT `id` FROM configuration)")},
        .Boite = QStringLiteral("Configuration"),
        .Tables = {QStringLiteral("configuration")},
        .Source = QStringLiteral("configuration"),
        .Cles = {"id"},
        .Etiquette = "O.nom_fr"});
    // Users (`utilisateur`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Utilisateurs"),
        .Lignes = {QStringLiteral("INSERT INTO utilisateur (login, pass, etat, nom, is_enseignant) SELECT "
                                  "login, pass, etat, nom, is_enseignant FROM ") +
                   o + QStringLiteral(".utilisateur WHERE login NOT IN (SELECT login FROM utilisateur)")},
        .Boite = QStringLiteral("Transfert des utilisateurs terminé."),
        .Tables = {QStringLiteral("utilisateur")},
        .Source = QStringLiteral("utilisateur"),
        .Cles = {"login"},
        .Etiquette = "O.nom"});
    // Rights (`droits`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Droits des utilisateurs"),
        .Lignes = {QStringLiteral("INSERT INTO droits (utilisateur, droit) SELECT utilisateur, droit FROM ") +
                   o +
                   QStringLiteral(
                       ".droits WHERE (utilisateur, droit) NOT IN (SELECT utilisateur, droit FROM droits)")},
        .Boite = QStringLiteral("Transfert des droits des utilisateurs terminé."),
        .Tables = {QStringLiteral("droits")},
        .Source = QStringLiteral("droits"),
        .Cles = {"utilisateur", "droit"}});
    // Time slots (`heures`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Plages horaires"),
        .Lignes = {QStringLiteral("INSERT INTO heures (`id`, `debut`, `fin`, `pause`) SELECT `id`, `debut`, "
                                  "`fin`, `pause` FROM ") +
                   o + QStringLiteral(".heures WHERE id NOT IN (SELECT id FROM heures)")},
        .Boite = QStringLiteral("Transfert des plages horraires Terminé"),
        .Tables = {QStringLiteral("heures")},
        .Source = QStringLiteral("heures"),
        .Cles = {"id"}});
    // Series (`series`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Séries"),
        .Lignes = {QStringLiteral("INSERT INTO series(`num`, `nom`) SELECT `num`, `nom` FROM ") + o +
                   QStringLiteral(".series WHERE (num NOT IN (SELECT num FROM series)) AND (nom NOT IN "
                                  "(SELECT nom FROM series))")},
        .Boite = QStringLiteral("Transfert des Séries Terminé"),
        .Tables = {QStringLiteral("series")},
        .Source = QStringLiteral("series"),
        .Cles = {"num"},
        .Etiquette = "O.nom",
        .Motif = Cas({Pris("series", "nom", "nom")})});
    // Examinations (`examens`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Examens"),
        .Lignes = {QStringLiteral("INSERT INTO examens(`num`, `nom`) SELECT `num`, `nom` FROM ") + o +
                   QStringLiteral(".examens WHERE (num NOT IN (SELECT num FROM examens)) AND (nom NOT IN "
                                  "(SELECT nom FROM examens))")},
        .Boite = QStringLiteral("Transfert des Examens terminé"),
        .Tables = {QStringLiteral("examens")},
        .Source = QStringLiteral("examens"),
        .Cles = {"num"},
        .Etiquette = "O.nom",
        .Motif = Cas({Pris("examens", "nom", "nom")})});
    // Examination series (`examens_series`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Séries des examens"),
        .Lignes = {QStringLiteral("INSERT INTO examens_series(`num_examen`, `num_serie`) SELECT "
                                  "`num_examen`, `num_serie` FROM ") +
                   o +
                   QStringLiteral(".examens_series WHERE (`num_examen`, `num_serie`) NOT IN (SELECT "
                                  "`num_examen`, `num_serie` FROM examens_series)")},
        .Boite = QStringLiteral("Transfert des Examens et Series terminé"),
        .Tables = {QStringLiteral("examens_series")},
        .Source = QStringLiteral("examens_series"),
        .Cles = {"num_examen", "num_serie"}});
    // Languages (`langue`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Langues"),
        .Lignes =
            {QStringLiteral(
                 "INSERT INTO `langue`(`id`, `code`, `libelle`) SELECT `id`, `code`, `libelle` FROM `") +
             o + QStringLiteral("`.`langue` WHERE (`id` NOT IN (SELECT id FROM langue)) AND ") +
             QStringLiteral(" (`code` NOT IN (SELECT `code` FROM langue)) AND ") +
             QStringLiteral("(`libelle` NOT IN (SELECT `libelle` FROM langue))")},
        .Boite = QStringLiteral("Transfert des Langues terminé"),
        .Tables = {QStringLiteral("langue")},
        .Source = QStringLiteral("langue"),
        .Cles = {"id"},
        .Etiquette = "O.libelle",
        .Motif = Cas({Pris("langue", "code", "code"), Pris("langue", "libelle", "libellé")})});
    // Sections (`section`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Sections"),
        .Lignes =
            {QStringLiteral(
                 "INSERT INTO `section`(`id`, `code`, `libelle`, `id_langue`)  SELECT `id`, `code`, "
                 "`libelle`, `id_langue` FROM `") +
             o + QStringLiteral("`.`section` WHERE (`id_langue` IN (SELECT `id` FROM `langue`)) AND ") +
             QStringLiteral(
                 "(id NOT IN (SELECT id FROM section)) AND (code NOT IN (SELECT code FROM section)) AND ") +
             QStringLiteral(" (libelle NOT IN (SELECT libelle FROM section))")},
        .Boite = QStringLiteral("Transfert des Sections terminé"),
        .Tables = {QStringLiteral("section")},
        .Source = QStringLiteral("section"),
        .Cles = {"id"},
        .Etiquette = "O.libelle",
        .Motif = Cas({Absent("id_langue", "langue", "id", "langue non reportée", false),
                      Pris("section", "code", "code"), Pris("section", "libelle", "libellé")})});
    // Levels (`niveau`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Niveaux d'étude"),
        .Lignes = {QStringLiteral(
                       "INSERT INTO `niveau` (`code`, `nom`, `age_max`, `moyenne_min`, "
                       "`avertissement_max`, `blame_max`, `retard_max`, `consigne_max`, "
                       "`exclusion_temp_max`, `absence_max`, `retenue_max`, `examen`, `ex_req_pro`, "
                       "`moyenne_min_admi`, `versement_min`, `ordre`, `id_section`) SELECT `code`, `nom`, "
                       "`age_max`, `moyenne_min`, `avertissement_max`, `blame_max`, `retard_max`, "
                       "`consigne_max`, `exclusion_temp_max`, `absence_max`, `retenue_max`, `examen`, "
                       "`ex_req_pro`, `moyenne_min_admi`, `versement_min`, `ordre`, `id_section` FROM ") +
                   o + QStringLiteral(".`niveau` WHERE ") +
                   QStringLiteral(" code NOT IN (SELECT code FROM niveau)")},
        .Boite = QStringLiteral("Transfert des Niveaux terminé"),
        .Tables = {QStringLiteral("niveau")},
        .Source = QStringLiteral("niveau"),
        .Cles = {"code"},
        .Etiquette = "O.nom"});
    // Rooms (`salle`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Salles"),
        .Lignes = {QStringLiteral(
                       "INSERT INTO `salle`(`id`, `nom`, `capacite`, `description`) SELECT `id`, `nom`, "
                       "`capacite`, `description` FROM `") +
                   o +
                   QStringLiteral("`.`salle` WHERE (id NOT IN (SELECT id FROM salle)) AND (nom NOT IN "
                                  "(SELECT nom FROM salle))")},
        .Boite = QStringLiteral("Transfert des Salles terminé"),
        .Tables = {QStringLiteral("salle")},
        .Source = QStringLiteral("salle"),
        .Cles = {"id"},
        .Etiquette = "O.nom",
        .Motif = Cas({Pris("salle", "nom", "nom")})});
    // Appreciations (`appreciations`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Appréciations"),
        .Lignes = {QStringLiteral("INSERT INTO `appreciations`(`id`, `code`, `libelle`, `id_langue`, `inf`, "
                                  "`sup`, `inc_sup`, `note_ou_moyenne`) SELECT `id`, `code`, `libelle`, "
                                  "`id_langue`, `inf`, `sup`, `inc_sup`, `note_ou_moyenne` FROM `") +
                   o + QStringLiteral("`.`appreciations` WHERE id NOT IN (SELECT id FROM appreciations)")},
        .Boite = QStringLiteral("Transfert des Appreciations terminé"),
        .Tables = {QStringLiteral("appreciations")},
        .Source = QStringLiteral("appreciations"),
        .Cles = {"id"},
        .Etiquette = "O.libelle"});
    // Matricule formats (`generation_matricule`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Formats de matricule"),
        .Lignes =
            {QStringLiteral(
                 "INSERT INTO `generation_matricule` (`id`, `prefixe`, `prefixe_min`, `prefixe_max`, "
                 "`prefixe_char`, `infixe`, `infixe_min`,`infixe_max`, `infixe_char`, `suffixe`, "
                 "`suffixe_min`, "
                 "`suffixe_max`, `suffixe_char`,`suffixe_serie`, `level`, `code_entite`) SELECT `id`, "
                 "`prefixe`, `prefixe_min`, `prefixe_max`, `prefixe_char`, `infixe`, "
                 "`infixe_min`,`infixe_max`, "
                 "`infixe_char`, `suffixe`, `suffixe_min`, `suffixe_max`, `suffixe_char`,`suffixe_serie`, "
                 "`level`, `code_entite` FROM `") +
             o +
             QStringLiteral(
                 "`.`generation_matricule` WHERE id NOT IN (SELECT id FROM generation_matricule)")},
        .Boite = QStringLiteral("Transfert des Format de matricule terminé"),
        .Tables = {QStringLiteral("generation_matricule")},
        .Source = QStringLiteral("generation_matricule"),
        .Cles = {"id"}});
    // Departments (`departement`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Départements"),
        .Lignes = {QStringLiteral("INSERT INTO `departement`(num, nom) SELECT num, nom FROM ") + o +
                   QStringLiteral(".`departement` WHERE (`num` NOT IN (SELECT num FROM `departement`)) AND "
                                  "(nom NOT IN (SELECT nom FROM `departement`))")},
        .Boite = QStringLiteral("Transfert des Départements terminé"),
        .Tables = {QStringLiteral("departement")},
        .Source = QStringLiteral("departement"),
        .Cles = {"num"},
        .Etiquette = "O.nom",
        .Motif = Cas({Pris("departement", "nom", "nom")})});
    // Lessons (`lecon`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Leçons"),
        .Lignes = {QStringLiteral("INSERT INTO lecon(`code`, `intitule`, `id_departement`)  SELECT `code`, "
                                  "`intitule`, `id_departement` FROM ") +
                   o + QStringLiteral(".lecon ") +
                   QStringLiteral("WHERE (`code` NOT IN (SELECT code FROM `lecon`)) AND (intitule NOT IN "
                                  "(SELECT intitule FROM `lecon`))")},
        .Boite = QStringLiteral("Transfert des Leçons terminé"),
        .Tables = {QStringLiteral("lecon")},
        .Source = QStringLiteral("lecon"),
        .Cles = {"code"},
        .Etiquette = "O.intitule",
        .Motif = Cas({Pris("lecon", "intitule", "intitulé")})});
    // Grades (`grade`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Grades"),
        .Lignes =
            {QStringLiteral("INSERT INTO `grade`(`id`, `code`, `intitule`, `volume_horaire_hebdomadaire`)"),
             QStringLiteral("SELECT `id`, `code`, `intitule`, `volume_horaire_hebdomadaire` FROM ") + o +
                 QStringLiteral(".`grade` ") +
                 QStringLiteral("WHERE (`code` NOT IN (SELECT code FROM `grade`)) AND (id NOT IN (SELECT id "
                                "FROM `grade`))")},
        .Boite = QStringLiteral("Transfert des Grades terminé"),
        .Tables = {QStringLiteral("grade")},
        .Source = QStringLiteral("grade"),
        .Cles = {"id"},
        .Etiquette = "O.intitule",
        .Motif = Cas({Pris("grade", "code", "code")})});
    // Staff functions (`fonction`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Fonctions du personnel"),
        .Lignes = {QStringLiteral("INSERT INTO `fonction`(`id`, `code`, `nom`, `description`)"),
                   QStringLiteral("SELECT `id`, `code`, `nom`, `description` FROM ") + o +
                       QStringLiteral(".`fonction` ") +
                       QStringLiteral("WHERE (`code` NOT IN (SELECT code FROM `fonction`)) AND (id NOT IN "
                                      "(SELECT id FROM `fonction`)) ") +
                       QStringLiteral("AND (nom NOT IN (SELECT nom FROM `fonction`))")},
        .Boite = QStringLiteral("Transfert des Fonctions OK"),
        .Tables = {QStringLiteral("fonction")},
        .Source = QStringLiteral("fonction"),
        .Cles = {"id"},
        .Etiquette = "O.nom",
        .Motif = Cas({Pris("fonction", "code", "code"), Pris("fonction", "nom", "nom")})});
    // Staff persons (`personne`)
    // The staff's persons; the students' come with the students.
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Identité du personnel"),
        .Lignes = {QStringLiteral("INSERT INTO personne (`mat`, `nom`,  `pnom`, `nat`, `tel`, `adr`, `typ`)"),
                   QStringLiteral("SELECT `mat`, `nom`,  `pnom`, `nat`, `tel`, `adr`, `typ`"),
                   QStringLiteral("FROM ") + o + QStringLiteral(".personne WHERE (mat IN (SELECT mat FROM ") +
                       o + QStringLiteral(".personnel WHERE DEPT IN (SELECT num FROM departement))) AND ") +
                       QStringLiteral(" (mat NOT IN (SELECT mat FROM personne))")},
        .Boite = QString(),
        .Tables = {QStringLiteral("personne")},
        .Source = QStringLiteral("personne"),
        .Cles = {"mat"},
        .FiltreSource = QStringLiteral("O.mat IN (SELECT MAT FROM %1.personnel)").arg(o),
        .FiltreCible = QStringLiteral("mat IN (SELECT MAT FROM personnel)"),
        .Etiquette = "CONCAT_WS(' ', O.nom, O.pnom)",
        .Motif =
            Departement(QStringLiteral("(SELECT X.DEPT FROM %1.personnel X WHERE X.MAT = O.mat)").arg(o))});
    // Staff (`personnel`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Personnel"),
        .Lignes = {QStringLiteral("INSERT INTO personnel(`MAT`, `STAT`, `NIV`, `SPEC`, `CNI`, `DEPT`, "
                                  "`CIVILITE`, `date_naissance`, `diplome`, "),
                   QStringLiteral("`matricule_professionnel`, `date_entree_administration`, "
                                  "`date_nomination`, `date_prise_service`,"),
                   QStringLiteral("`situation_matrimoniale`, `id_fonction`, `id_grade`)"),
                   QStringLiteral("SELECT `MAT`, `STAT`, `NIV`, `SPEC`, `CNI`, `DEPT`, `CIVILITE`, "
                                  "`date_naissance`, `diplome`, "),
                   QStringLiteral("`matricule_professionnel`, `date_entree_administration`, "
                                  "`date_nomination`, `date_prise_service`,"),
                   QStringLiteral("`situation_matrimoniale`, `id_fonction`, `id_grade`"),
                   QStringLiteral("FROM ") + o +
                       QStringLiteral(".personnel WHERE (mat NOT IN (SELECT MAT FROM personnel)) ") +
                       QStringLiteral(" AND (`DEPT` IN (SELECT num FROM departement)) ") +
                       QStringLiteral(" AND (mat IN (SELECT mat FROM personne))")},
        .Boite = QStringLiteral("Transfert des Personnels terminé"),
        .Tables = {QStringLiteral("personnel")},
        .Source = QStringLiteral("personnel"),
        .Cles = {"MAT"},
        .Etiquette =
            QStringLiteral("(SELECT CONCAT_WS(' ', X.nom, X.pnom) FROM %1.personne X WHERE X.mat = O.MAT)")
                .arg(o),
        .Motif = Departement(QStringLiteral("O.DEPT"))});
    // Classes (`classe`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Classes"),
        .Lignes =
            {QStringLiteral("INSERT INTO `classe` (`code`, `lib`, `niv`, `min_coefficient`, `id_langue`, "
                            "`id_salle`, `prof_titulaire`, `serie`) SELECT `code`, `lib`, `niv`, "
                            "`min_coefficient`, `id_langue`, `id_salle`, `prof_titulaire`, `serie` FROM ") +
             o + QStringLiteral(".`classe` WHERE (code NOT IN (SELECT code from classe)) ") +
             QStringLiteral(" AND (lib NOT IN (SELECT lib FROM classe)) ") +
             QStringLiteral(" AND (niv IN (SELECT code FROM niveau)) ") +
             QStringLiteral(" AND IF(id_langue IS NULL, 1, (`id_langue` IN (SELECT id FROM langue))) ") +
             QStringLiteral(" AND IF(id_salle IS NULL, 1, id_salle IN (SELECT id FROM salle)) ") +
             QStringLiteral(
                 " AND IF(prof_titulaire IS NULL, 1, prof_titulaire IN (SELECT mat FROM personnel)) ") +
             QStringLiteral(" AND IF(serie IS NULL, 1, serie IN (SELECT num FROM series))")},
        .Boite = QStringLiteral("Transfert des Classes terminé"),
        .Tables = {QStringLiteral("classe")},
        .Source = QStringLiteral("classe"),
        .Cles = {"code"},
        .Etiquette = "O.lib",
        .Motif =
            Cas({Absent("niv", "niveau", "code", "niveau non reporté", false),
                 Absent("id_langue", "langue", "id", "langue non reportée"),
                 Absent("id_salle", "salle", "id", "salle non reportée"),
                 Absent("prof_titulaire", "personnel", "MAT", "professeur titulaire non reporté"),
                 Absent("serie", "series", "num", "série non reportée"), Pris("classe", "lib", "libellé")})});
    // Subjects (`matiere`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Matières"),
        .Lignes = {QStringLiteral("INSERT INTO `matiere`(`code`, `lib`) SELECT code, lib FROM ") + o +
                   QStringLiteral(".`matiere` WHERE (`code` NOT IN (SELECT code FROM `matiere`)) AND (lib "
                                  "NOT IN (SELECT lib FROM `matiere`))")},
        .Boite = QStringLiteral("Transfert des Matieres terminé"),
        .Tables = {QStringLiteral("matiere")},
        .Source = QStringLiteral("matiere"),
        .Cles = {"code"},
        .Etiquette = "O.lib",
        .Motif = Cas({Pris("matiere", "lib", "libellé")})});
    // Students (`personne`, `eleve`): rows written from the placement, not by a statement of the table
    etapes.append(TEtapeCopie{.Libelle = QStringLiteral("Élèves"),
                              .Lignes = {},
                              .Boite = QStringLiteral("Transfert des Eleves terminé"),
                              .Tables = {QStringLiteral("personne"), QStringLiteral("eleve")},
                              .Nature = TNatureEtape::Eleves});
    // Photos (`photos`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Photos"),
        .Lignes = {QStringLiteral("INSERT INTO photos (`matricule`, `photo`)"),
                   QStringLiteral("SELECT `matricule`, `photo`"),
                   QStringLiteral("FROM ") + o +
                       QStringLiteral(".photos WHERE (matricule IN (SELECT mat FROM personne))") +
                       QStringLiteral(" AND (matricule NOT IN (SELECT matricule FROM photos))")},
        .Boite = QStringLiteral("Update photo"),
        .Tables = {QStringLiteral("photos")},
        .Source = QStringLiteral("photos"),
        .Cles = {"matricule"},
        .Etiquette = QStringLiteral("(SELECT CONCAT_WS(' ', X.nom, X.pnom) FROM %1.personne X WHERE X.mat = "
                                    "O.matricule)")
                         .arg(o),
        .Motif = Cas({Absent("matricule", "personne", "mat", "personne non reportée", false)})});
    // Class head-counts (`classe`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Effectifs des classes"),
        .Lignes = {QStringLiteral(
            "UPDATE classe C1 SET C1.effectif = (SELECT COUNT(*) FROM eleve E WHERE E.idclasse = C1.code)")},
        .Boite = QStringLiteral("Update Classe"),
        .Tables = {QStringLiteral("classe")},
        .Nature = TNatureEtape::MiseAJour});
    // Lessons per class (`classe_lecon`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Leçons par classe"),
        .Lignes = {QStringLiteral("INSERT INTO classe_lecon(`id`, `code_classe`, `code_lecon`, "
                                  "`matricule_enseignant`, `volume_horaire_hebdomadaire`, `id_salle`)"),
                   QStringLiteral("SELECT `id`, `code_classe`, `code_lecon`, `matricule_enseignant`, "
                                  "`volume_horaire_hebdomadaire`, `id_salle`"),
                   QStringLiteral("FROM ") + o +
                       QStringLiteral(".classe_lecon WHERE (code_classe IN (SELECT code FROM classe)) AND "),
                   QStringLiteral(
                       " (code_lecon IN (SELECT code FROM lecon)) AND  (matricule_enseignant IN (SELECT "
                       "mat FROM personnel)) AND (id NOT IN (SELECT id FROM classe_lecon))")},
        .Boite = QStringLiteral("Transfert des Lecons par classe terminé"),
        .Tables = {QStringLiteral("classe_lecon")},
        .Source = QStringLiteral("classe_lecon"),
        .Cles = {"id"},
        .Etiquette = "CONCAT_WS(' / ', O.code_classe, O.code_lecon)",
        .Motif = Cas({Absent("code_classe", "classe", "code", "classe non reportée", false),
                      Absent("code_lecon", "lecon", "code", "leçon non reportée", false),
                      Absent("matricule_enseignant", "personnel", "MAT", "enseignant non reporté", false)})});
    // Subjects per class (`classe_matiere`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Matières par classe"),
        .Lignes =
            {QStringLiteral("INSERT INTO classe_matiere(`num`, `classe`, `matiere`, `enseignant`, "
                            "`coefficient`, `groupe`, `id_langue`)"),
             QStringLiteral("SELECT `num`, `classe`, `matiere`, `enseignant`, `coefficient`, `groupe`, "
                            "`id_langue` FROM ") +
                 o + QStringLiteral(".classe_matiere"),
             QStringLiteral(
                 "WHERE (classe IN (SELECT code FROM classe)) AND (matiere IN (SELECT code FROM matiere))"),
             QStringLiteral(
                 "AND (enseignant IN (SELECT mat FROM personnel)) AND (num NOT IN (SELECT num FROM "
                 "classe_matiere))")},
        .Boite = QStringLiteral("Transfert des Matières par classe terminé"),
        .Tables = {QStringLiteral("classe_matiere")},
        .Source = QStringLiteral("classe_matiere"),
        .Cles = {"num"},
        .Etiquette = "CONCAT_WS(' / ', O.classe, O.matiere)",
        .Motif = Cas({Absent("classe", "classe", "code", "classe non reportée", false),
                      Absent("matiere", "matiere", "code", "matière non reportée", false),
                      Absent("enseignant", "personnel", "MAT", "enseignant non reporté", false)})});
    // Fees (`frais`)
    etapes.append(
        TEtapeCopie{.Libelle = QStringLiteral("Frais"),
                    .Lignes = {QStringLiteral("INSERT INTO frais (`ID`, `MONTANT`, `LIBELLE`, `PRIORITE`)"),
                               QStringLiteral("SELECT `ID`, `MONTANT`, `LIBELLE`, `PRIORITE` FROM ") + o +
                                   QStringLiteral(".frais WHERE (ID NOT IN (SELECT id FROM frais))")},
                    .Boite = QStringLiteral("Transfert des Frais terminé"),
                    .Tables = {QStringLiteral("frais")},
                    .Source = QStringLiteral("frais"),
                    .Cles = {"ID"},
                    .Etiquette = "O.LIBELLE"});
    // Fees per level (`frais_niveau`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Frais par niveau"),
        .Lignes = {QStringLiteral(
                       "INSERT INTO frais_niveau (`id`, `id_frais`, `code_niveau`, `optionnel`, `etat`)"),
                   QStringLiteral("SELECT `id`, `id_frais`,  `code_niveau`, `optionnel`, `etat` FROM ") + o +
                       QStringLiteral(".frais_niveau"),
                   QStringLiteral(
                       "WHERE (etat = 'V') AND (id_frais IN (SELECT id FROM frais)) AND (code_niveau "
                       "IN(SELECT code FROM niveau))  AND (id NOT IN (SELECT id FROM frais_niveau)) ")},
        .Boite = QStringLiteral("Transfert des Frais par Niveau terminé"),
        .Tables = {QStringLiteral("frais_niveau")},
        .Source = QStringLiteral("frais_niveau"),
        .Cles = {"id"},
        .Etiquette = "CONCAT_WS(' / ', O.id_frais, O.code_niveau)",
        .Motif = QStringLiteral("CASE WHEN O.etat <> 'V' THEN 'frais non en vigueur' ") +
                 Absent("id_frais", "frais", "id", "frais non reporté", false) + QLatin1Char(' ') +
                 Absent("code_niveau", "niveau", "code", "niveau non reporté", false) +
                 QStringLiteral(" END")});
    // Instalments (`tranche`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Tranches des frais"),
        .Lignes = {QStringLiteral(
                       "INSERT INTO tranche (`ID`, `MONTANT`, `ORDRE`, `DATE_LIMITE_PAYEMENT`, `ID_FRAIS`)"),
                   QStringLiteral("SELECT id, montant, ordre, DATE_ADD(date_limite_payement, INTERVAL 1 "
                                  "YEAR) AS date_limite_payement, id_frais "),
                   QStringLiteral("FROM ") + o +
                       QStringLiteral(".tranche WHERE (id_frais IN (SELECT id FROM frais)) AND (id NOT IN "
                                      "(SELECT id FROM tranche))")},
        .Boite = QStringLiteral("Transfert des Tranches par frais terminé"),
        .Tables = {QStringLiteral("tranche")},
        .Source = QStringLiteral("tranche"),
        .Cles = {"ID"},
        .Motif = Cas({Absent("ID_FRAIS", "frais", "id", "frais non reporté", false)})});
    // Banks (`banque`)
    etapes.append(
        TEtapeCopie{.Libelle = QStringLiteral("Banques"),
                    .Lignes = {QStringLiteral("INSERT INTO banque (id, nom, etat, numero_compte) SELECT id, "
                                              "nom, etat, numero_compte FROM ") +
                               o + QStringLiteral(".banque WHERE (id NOT IN (SELECT id FROM banque))")},
                    .Boite = QStringLiteral("Transfert des banques terminé"),
                    .Tables = {QStringLiteral("banque")},
                    .Source = QStringLiteral("banque"),
                    .Cles = {"id"},
                    .Etiquette = "O.nom"});
    // Instalments per student (`tranche_eleve`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Tranches par élève"),
        .Lignes =
            {QStringLiteral("INSERT INTO tranche_eleve (id_tranche, MAT_ELEVE, MONTANT, etat)"),
             QStringLiteral(
                 "SELECT T.id as id_tranche, E.mat AS mat_eleve, T.montant AS montant, 'V' AS etat"),
             QStringLiteral(
                 "FROM tranche T INNER JOIN frais F ON F.id = T.id_frais INNER JOIN frais_niveau FN "
                 "ON FN.id_frais = F.id"),
             QStringLiteral("INNER JOIN niveau N ON N.code = FN.code_niveau INNER JOIN classe C ON C.niv = "
                            "N.code INNER JOIN eleve E ON E.idclasse = C.code"),
             QStringLiteral("WHERE NOT EXISTS (SELECT 1 FROM tranche_eleve TE WHERE TE.id_tranche = T.id AND "
                            "TE.MAT_ELEVE = E.mat)")},
        .Boite = QStringLiteral("Transfert des Tranche par élève terminé"),
        .Tables = {QStringLiteral("tranche_eleve")},
        .Nature = TNatureEtape::Fabrique});
    // Expense categories (`Catcharge`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Catégories de charges"),
        .Lignes = {QStringLiteral(
                       "INSERT INTO Catcharge (id, lib, plafond_depense) SELECT id, lib, plafond_depense"),
                   QStringLiteral("FROM ") + o + QStringLiteral(".Catcharge"),
                   QStringLiteral("WHERE id NOT IN (SELECT id FROM Catcharge)")},
        .Boite = QString(),
        .Tables = {QStringLiteral("catcharge")},
        .Source = QStringLiteral("Catcharge"),
        .Cles = {"id"},
        .Etiquette = "O.lib"});
    // Expenses (`Charge`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Charges"),
        .Lignes = {QStringLiteral("INSERT INTO Charge (id, lib, id_categorie, reguliere) SELECT id, lib, "
                                  "id_categorie, reguliere "
                                  "FROM ") +
                   o + QStringLiteral(".Charge WHERE id_categorie IN (SELECT id FROM Catcharge)") +
                   QStringLiteral(" AND (id NOT IN (SELECT id FROM Charge))")},
        .Boite = QStringLiteral("Transfert des Catégories de charges et charges terminé"),
        .Tables = {QStringLiteral("charge")},
        .Source = QStringLiteral("Charge"),
        .Cles = {"id"},
        .Etiquette = "O.lib",
        .Motif = Cas({Absent("id_categorie", "Catcharge", "id", "catégorie non reportée", false)})});
    // Reduction reasons (`motif_reduction`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Motifs de réduction"),
        .Lignes =
            {QStringLiteral(
                 "INSERT INTO motif_reduction (id, motif, typeReduction, valeurReduction) SELECT id, motif, "
                 "typeReduction, valeurReduction "),
             QStringLiteral("FROM ") + o + QStringLiteral(".motif_reduction"),
             QStringLiteral("WHERE id NOT IN (SELECT id FROM motif_reduction)")},
        .Boite = QStringLiteral("Transfert des Motifs de reduction terminés terminé"),
        .Tables = {QStringLiteral("motif_reduction")},
        .Source = QStringLiteral("motif_reduction"),
        .Cles = {"id"},
        .Etiquette = "O.motif"});
    // Marks scale (`cotes`)
    etapes.append(TEtapeCopie{.Libelle = QStringLiteral("Cotes"),
                              .Lignes = {QStringLiteral("INSERT INTO cotes (id, cote, id_langue, inf, sup, "
                                                        "inc_sup, note_ou_moyenne) SELECT id, cote, "
                                                        "id_langue, inf, sup, inc_sup, note_ou_moyenne "),
                                         QStringLiteral("FROM ") + o + QStringLiteral(".cotes"),
                                         QStringLiteral("WHERE id NOT IN (SELECT id FROM cotes)")},
                              .Boite = QStringLiteral("Transfert des Cotes terminé"),
                              .Tables = {QStringLiteral("cotes")},
                              .Source = QStringLiteral("cotes"),
                              .Cles = {"id"},
                              .Etiquette = "O.cote"});
    // Parameters (`parametres`)
    etapes.append(TEtapeCopie{
        .Libelle = QStringLiteral("Paramètres"),
        .Lignes = {QStringLiteral("UPDATE parametres P SET P.valeur_text = (SELECT PP.valeur_text FROM ") +
                   o +
                   QStringLiteral(
                       ".parametres PP WHERE PP.nom = P.nom), P.valeur_blob = (SELECT PP.valeur_blob FROM ") +
                   o + QStringLiteral(".parametres PP WHERE PP.nom = P.nom)") +
                   QStringLiteral(" WHERE P.nom IN (SELECT PP.nom FROM ") + o +
                   QStringLiteral(".parametres PP)")},
        .Boite = QStringLiteral("Update Parameters"),
        .Tables = {QStringLiteral("parametres")},
        .Nature = TNatureEtape::MiseAJour});
    const int premiere = NumeroEtape(TEtapeFixe::OuvertureAnnee) + 1; // known without the copies
    for (qsizetype i = 0; i < etapes.size(); ++i)
        etapes[i].Numero = premiere + static_cast<int>(i);
    return etapes;
}

} // namespace

QStringList TEtapeCopie::Instruction(const QString& ancienneBase) const {
    QStringList lignes;
    lignes.reserve(Lignes.size());
    for (const QString& ligne : Lignes)
        lignes << Texte(ligne, ancienneBase);
    return lignes;
}

const QList<TEtapeCopie>& EtapesCopie() {
    static const QList<TEtapeCopie> etapes = Etapes();
    return etapes;
}

int NumeroEtape(TEtapeFixe etape) {
    // The steps before the copies come first; those after them follow the last copy.
    const int ouverture = EtapesConnexion + 3;
    switch (etape) {
    case TEtapeFixe::Connexion:
        return 1;
    case TEtapeFixe::Transaction:
        return EtapesConnexion + 1;
    case TEtapeFixe::ClotureAnnee:
        return EtapesConnexion + 2;
    case TEtapeFixe::OuvertureAnnee:
        return ouverture;
    case TEtapeFixe::Journal:
    case TEtapeFixe::Validation:
    case TEtapeFixe::Fin:
    case TEtapeFixe::Redemarrage:
        break;
    }
    const int derniereCopie = ouverture + static_cast<int>(EtapesCopie().size());
    return derniereCopie + 1 + static_cast<int>(etape) - static_cast<int>(TEtapeFixe::Journal);
}

int NombreEtapesTransition() {
    return NumeroEtape(TEtapeFixe::Redemarrage);
}

QStringList TablesEcritesTransition() {
    QStringList tables;
    for (const TEtapeCopie& etape : EtapesCopie())
        for (const QString& table : etape.Tables)
            if (!tables.contains(table.toLower()))
                tables << table.toLower();
    tables << QStringLiteral("journal");
    return tables;
}
