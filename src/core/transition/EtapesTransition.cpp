#include "core/transition/EtapesTransition.h"

// The copies of the year transition, in their order. Unqualified names are the new year's tables (the year
// connection is attached to the new database); names qualified by o are the closing year's. Every copy skips
// the rows already present in the new database, so that a second run after a failure neither duplicates
// rows nor stops on a key.
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

// What the figures compare for each step that copies rows of the closing year (o).
void DecrireComparaisons(QList<TEtapeCopie>& etapes, const QString& o) {
    const auto source = [&o](const char* table) {
        return o + QStringLiteral(".`") + QLatin1String(table) + QLatin1Char('`');
    };
    // The staff member's department: none, or one the new year does not hold.
    const auto departement = [](const QString& dept) {
        return QStringLiteral("CASE WHEN %1 IS NULL THEN 'sans département' WHEN %1 NOT IN (SELECT num FROM "
                              "departement) THEN 'département non reporté' END")
            .arg(dept);
    };
    for (TEtapeCopie& e : etapes) {
        switch (e.Numero) {
        case 9:
            e.Source = source("configuration"), e.Cles = {"id"}, e.Etiquette = "O.nom_fr";
            break;
        case 10:
            e.Source = source("utilisateur"), e.Cles = {"login"}, e.Etiquette = "O.nom";
            break;
        case 11:
            e.Source = source("droits"), e.Cles = {"utilisateur", "droit"};
            break;
        case 12:
            e.Source = source("heures"), e.Cles = {"id"};
            break;
        case 13:
            e.Source = source("series"), e.Cles = {"num"}, e.Etiquette = "O.nom";
            e.Motif = Cas({Pris("series", "nom", "nom")});
            break;
        case 14:
            e.Source = source("examens"), e.Cles = {"num"}, e.Etiquette = "O.nom";
            e.Motif = Cas({Pris("examens", "nom", "nom")});
            break;
        case 15:
            e.Source = source("examens_series"), e.Cles = {"num_examen", "num_serie"};
            break;
        case 16:
            e.Source = source("langue"), e.Cles = {"id"}, e.Etiquette = "O.libelle";
            e.Motif = Cas({Pris("langue", "code", "code"), Pris("langue", "libelle", "libellé")});
            break;
        case 17:
            e.Source = source("section"), e.Cles = {"id"}, e.Etiquette = "O.libelle";
            e.Motif = Cas({Absent("id_langue", "langue", "id", "langue non reportée", false),
                           Pris("section", "code", "code"), Pris("section", "libelle", "libellé")});
            break;
        case 18:
            e.Source = source("niveau"), e.Cles = {"code"}, e.Etiquette = "O.nom";
            break;
        case 19:
            e.Source = source("salle"), e.Cles = {"id"}, e.Etiquette = "O.nom";
            e.Motif = Cas({Pris("salle", "nom", "nom")});
            break;
        case 20:
            e.Source = source("appreciations"), e.Cles = {"id"}, e.Etiquette = "O.libelle";
            break;
        case 21:
            e.Source = source("generation_matricule"), e.Cles = {"id"};
            break;
        case 22:
            e.Source = source("departement"), e.Cles = {"num"}, e.Etiquette = "O.nom";
            e.Motif = Cas({Pris("departement", "nom", "nom")});
            break;
        case 23:
            e.Source = source("lecon"), e.Cles = {"code"}, e.Etiquette = "O.intitule";
            e.Motif = Cas({Pris("lecon", "intitule", "intitulé")});
            break;
        case 24:
            e.Source = source("grade"), e.Cles = {"id"}, e.Etiquette = "O.intitule";
            e.Motif = Cas({Pris("grade", "code", "code")});
            break;
        case 25:
            e.Source = source("fonction"), e.Cles = {"id"}, e.Etiquette = "O.nom";
            e.Motif = Cas({Pris("fonction", "code", "code"), Pris("fonction", "nom", "nom")});
            break;
        case 26:
            // The staff's persons; the students' come with the students.
            e.Source = source("personne"), e.Cles = {"mat"}, e.Etiquette = "CONCAT_WS(' ', O.nom, O.pnom)";
            e.FiltreSource = QStringLiteral("O.mat IN (SELECT MAT FROM %1.personnel)").arg(o);
            e.FiltreCible = QStringLiteral("mat IN (SELECT MAT FROM personnel)");
            e.Motif =
                departement(QStringLiteral("(SELECT X.DEPT FROM %1.personnel X WHERE X.MAT = O.mat)").arg(o));
            break;
        case 27:
            e.Source = source("personnel"), e.Cles = {"MAT"};
            e.Etiquette = QStringLiteral(
                              "(SELECT CONCAT_WS(' ', X.nom, X.pnom) FROM %1.personne X WHERE X.mat = O.MAT)")
                              .arg(o);
            e.Motif = departement(QStringLiteral("O.DEPT"));
            break;
        case 28:
            e.Source = source("classe"), e.Cles = {"code"}, e.Etiquette = "O.lib";
            e.Motif = Cas({Absent("niv", "niveau", "code", "niveau non reporté", false),
                           Absent("id_langue", "langue", "id", "langue non reportée"),
                           Absent("id_salle", "salle", "id", "salle non reportée"),
                           Absent("prof_titulaire", "personnel", "MAT", "professeur titulaire non reporté"),
                           Absent("serie", "series", "num", "série non reportée"),
                           Pris("classe", "lib", "libellé")});
            break;
        case 29:
            e.Source = source("matiere"), e.Cles = {"code"}, e.Etiquette = "O.lib";
            e.Motif = Cas({Pris("matiere", "lib", "libellé")});
            break;
        case 31:
            e.Source = source("photos"), e.Cles = {"matricule"};
            e.Etiquette =
                QStringLiteral("(SELECT CONCAT_WS(' ', X.nom, X.pnom) FROM %1.personne X WHERE X.mat = "
                               "O.matricule)")
                    .arg(o);
            e.Motif = Cas({Absent("matricule", "personne", "mat", "personne non reportée", false)});
            break;
        case 33:
            e.Source = source("classe_lecon"), e.Cles = {"id"},
            e.Etiquette = "CONCAT_WS(' / ', O.code_classe, O.code_lecon)";
            e.Motif =
                Cas({Absent("code_classe", "classe", "code", "classe non reportée", false),
                     Absent("code_lecon", "lecon", "code", "leçon non reportée", false),
                     Absent("matricule_enseignant", "personnel", "MAT", "enseignant non reporté", false)});
            break;
        case 34:
            e.Source = source("classe_matiere"), e.Cles = {"num"};
            e.Etiquette = "CONCAT_WS(' / ', O.classe, O.matiere)";
            e.Motif = Cas({Absent("classe", "classe", "code", "classe non reportée", false),
                           Absent("matiere", "matiere", "code", "matière non reportée", false),
                           Absent("enseignant", "personnel", "MAT", "enseignant non reporté", false)});
            break;
        case 35:
            e.Source = source("frais"), e.Cles = {"ID"}, e.Etiquette = "O.LIBELLE";
            break;
        case 36:
            e.Source = source("frais_niveau"), e.Cles = {"id"};
            e.Etiquette = "CONCAT_WS(' / ', O.id_frais, O.code_niveau)";
            e.Motif = QStringLiteral("CASE WHEN O.etat <> 'V' THEN 'frais non en vigueur' ") +
                      Absent("id_frais", "frais", "id", "frais non reporté", false) + QLatin1Char(' ') +
                      Absent("code_niveau", "niveau", "code", "niveau non reporté", false) +
                      QStringLiteral(" END");
            break;
        case 37:
            e.Source = source("tranche"), e.Cles = {"ID"};
            e.Motif = Cas({Absent("ID_FRAIS", "frais", "id", "frais non reporté", false)});
            break;
        case 38:
            e.Source = source("banque"), e.Cles = {"id"}, e.Etiquette = "O.nom";
            break;
        case 40:
            e.Source = source("Catcharge"), e.Cles = {"id"}, e.Etiquette = "O.lib";
            break;
        case 41:
            e.Source = source("Charge"), e.Cles = {"id"}, e.Etiquette = "O.lib";
            e.Motif = Cas({Absent("id_categorie", "Catcharge", "id", "catégorie non reportée", false)});
            break;
        case 42:
            e.Source = source("motif_reduction"), e.Cles = {"id"}, e.Etiquette = "O.motif";
            break;
        case 43:
            e.Source = source("cotes"), e.Cles = {"id"}, e.Etiquette = "O.cote";
            break;
        default:
            break;
        }
    }
}

} // namespace

QList<TEtapeCopie> EtapesCopie(const QString& o) {
    QList<TEtapeCopie> etapes;
    // 9. School configuration (`configuration`)
    etapes.append(
        {9,
         QStringLiteral("Configuration de l'établissement"),
         {QStringLiteral("INSERT INTO configuration (`id`, `nom_fr`, `nom_en`, `devise_fr`, `devise_en`, "
                         "`boite_postale`, "),
          QStringLiteral("`civilite_responsable`, `nom_responsable`, `prefixe_qualite_responsable`, "
                         "`qualite_responsable`, "),
          QStringLiteral("`telephone`, `fax`, `adresse`, `localisation`, `ville`, `prefixe_region`, "
                         "`region`, `region_en`, `prefixe_departement`, "),
          QStringLiteral(" `departement`, `departement_en`,  `prefixe_arrondissement`, `arrondissement`, "
                         "`min_sequence`, `logo`, `age_min`, "),
          QStringLiteral("`age_max`, `format_bulletin`, `signature_responsable`, `logo_bul`, `profil_bul`, "
                         "`heure_du_edt`, "),
          QStringLiteral("`last_num_cp`, `last_num_cr`, `last_num_ap`, `code_etablissement`, "),
          QStringLiteral("`code_centre`, `saisir_notes_eleve_enregle`, `appreciation_saction_automatique`, "
                         "`rappel_moyenne`, `type_rappel_moyenne`, "),
          QStringLiteral("`signature_responsable_sur_bulletin`, `affiche_orientation_sur_bulletin_annuel`, "
                         "`affiche_nom_enseignant_sur_bulletin`)"),
          QStringLiteral("SELECT `id`, `nom_fr`, `nom_en`, `devise_fr`, `devise_en`, `boite_postale`,"),
          QStringLiteral("`civilite_responsable`, `nom_responsable`, `prefixe_qualite_responsable`, "
                         "`qualite_responsable`,"),
          QStringLiteral("`telephone`, `fax`, `adresse`, `localisation`, `ville`, `prefixe_region`, "
                         "`region`, `region_en`,"),
          QStringLiteral("`prefixe_departement`, `departement`, `departement_en`, `prefixe_arrondissement`, "
                         "`arrondissement`,"),
          QStringLiteral("`min_sequence`, `logo`, `age_min`, `age_max`, `format_bulletin`, "
                         "`signature_responsable`, `logo_bul`, `profil_bul`, `heure_du_edt`,"),
          QStringLiteral("`last_num_cp`, `last_num_cr`, `last_num_ap`, `code_etablissement`, `code_centre`, "
                         "`saisir_notes_eleve_enregle`, `appreciation_saction_automatique`,"),
          QStringLiteral("`rappel_moyenne`, `type_rappel_moyenne`, `signature_responsable_sur_bulletin`, "
                         "`affiche_orientation_sur_bulletin_annuel`, `affiche_nom_enseignant_sur_bulletin`"),
          QStringLiteral("FROM ") + o + QStringLiteral(".configuration"),
          QStringLiteral("WHERE `id` NOT IN (SELECT `id` FROM configuration)")},
         QStringLiteral("Configuration"),
         {QStringLiteral("configuration")}});
    // 10. Users (`utilisateur`)
    etapes.append({10,
                   QStringLiteral("Utilisateurs"),
                   {QStringLiteral("INSERT INTO utilisateur (login, pass, etat, nom, is_enseignant) SELECT "
                                   "login, pass, etat, nom, is_enseignant FROM ") +
                    o + QStringLiteral(".utilisateur WHERE login NOT IN (SELECT login FROM utilisateur)")},
                   QStringLiteral("Transfert des utilisateurs terminé."),
                   {QStringLiteral("utilisateur")}});
    // 11. Rights (`droits`)
    etapes.append(
        {11,
         QStringLiteral("Droits des utilisateurs"),
         {QStringLiteral("INSERT INTO droits (utilisateur, droit) SELECT utilisateur, droit FROM ") + o +
          QStringLiteral(
              ".droits WHERE (utilisateur, droit) NOT IN (SELECT utilisateur, droit FROM droits)")},
         QStringLiteral("Transfert des droits des utilisateurs terminé."),
         {QStringLiteral("droits")}});
    // 12. Time slots (`heures`)
    etapes.append({12,
                   QStringLiteral("Plages horaires"),
                   {QStringLiteral("INSERT INTO heures (`id`, `debut`, `fin`, `pause`) SELECT `id`, `debut`, "
                                   "`fin`, `pause` FROM ") +
                    o + QStringLiteral(".heures WHERE id NOT IN (SELECT id FROM heures)")},
                   QStringLiteral("Transfert des plages horraires Terminé"),
                   {QStringLiteral("heures")}});
    // 13. Series (`series`)
    etapes.append({13,
                   QStringLiteral("Séries"),
                   {QStringLiteral("INSERT INTO series(`num`, `nom`) SELECT `num`, `nom` FROM ") + o +
                    QStringLiteral(".series WHERE (num NOT IN (SELECT num FROM series)) AND (nom NOT IN "
                                   "(SELECT nom FROM series))")},
                   QStringLiteral("Transfert des Séries Terminé"),
                   {QStringLiteral("series")}});
    // 14. Examinations (`examens`)
    etapes.append({14,
                   QStringLiteral("Examens"),
                   {QStringLiteral("INSERT INTO examens(`num`, `nom`) SELECT `num`, `nom` FROM ") + o +
                    QStringLiteral(".examens WHERE (num NOT IN (SELECT num FROM examens)) AND (nom NOT IN "
                                   "(SELECT nom FROM examens))")},
                   QStringLiteral("Transfert des Examens terminé"),
                   {QStringLiteral("examens")}});
    // 15. Examination series (`examens_series`)
    etapes.append({15,
                   QStringLiteral("Séries des examens"),
                   {QStringLiteral("INSERT INTO examens_series(`num_examen`, `num_serie`) SELECT "
                                   "`num_examen`, `num_serie` FROM ") +
                    o +
                    QStringLiteral(".examens_series WHERE (`num_examen`, `num_serie`) NOT IN (SELECT "
                                   "`num_examen`, `num_serie` FROM examens_series)")},
                   QStringLiteral("Transfert des Examens et Series terminé"),
                   {QStringLiteral("examens_series")}});
    // 16. Languages (`langue`)
    etapes.append(
        {16,
         QStringLiteral("Langues"),
         {QStringLiteral(
              "INSERT INTO `langue`(`id`, `code`, `libelle`) SELECT `id`, `code`, `libelle` FROM `") +
          o + QStringLiteral("`.`langue` WHERE (`id` NOT IN (SELECT id FROM langue)) AND ") +
          QStringLiteral(" (`code` NOT IN (SELECT `code` FROM langue)) AND ") +
          QStringLiteral("(`libelle` NOT IN (SELECT `libelle` FROM langue))")},
         QStringLiteral("Transfert des Langues terminé"),
         {QStringLiteral("langue")}});
    // 17. Sections (`section`)
    etapes.append(
        {17,
         QStringLiteral("Sections"),
         {QStringLiteral("INSERT INTO `section`(`id`, `code`, `libelle`, `id_langue`)  SELECT `id`, `code`, "
                         "`libelle`, `id_langue` FROM `") +
          o + QStringLiteral("`.`section` WHERE (`id_langue` IN (SELECT `id` FROM `langue`)) AND ") +
          QStringLiteral(
              "(id NOT IN (SELECT id FROM section)) AND (code NOT IN (SELECT code FROM section)) AND ") +
          QStringLiteral(" (libelle NOT IN (SELECT libelle FROM section))")},
         QStringLiteral("Transfert des Sections terminé"),
         {QStringLiteral("section")}});
    // 18. Levels (`niveau`)
    etapes.append(
        {18,
         QStringLiteral("Niveaux d'étude"),
         {QStringLiteral("INSERT INTO `niveau` (`code`, `nom`, `age_max`, `moyenne_min`, "
                         "`avertissement_max`, `blame_max`, `retard_max`, `consigne_max`, "
                         "`exclusion_temp_max`, `absence_max`, `retenue_max`, `examen`, `ex_req_pro`, "
                         "`moyenne_min_admi`, `versement_min`, `ordre`, `id_section`) SELECT `code`, `nom`, "
                         "`age_max`, `moyenne_min`, `avertissement_max`, `blame_max`, `retard_max`, "
                         "`consigne_max`, `exclusion_temp_max`, `absence_max`, `retenue_max`, `examen`, "
                         "`ex_req_pro`, `moyenne_min_admi`, `versement_min`, `ordre`, `id_section` FROM ") +
          o + QStringLiteral(".`niveau` WHERE ") + QStringLiteral(" code NOT IN (SELECT code FROM niveau)")},
         QStringLiteral("Transfert des Niveaux terminé"),
         {QStringLiteral("niveau")}});
    // 19. Rooms (`salle`)
    etapes.append(
        {19,
         QStringLiteral("Salles"),
         {QStringLiteral("INSERT INTO `salle`(`id`, `nom`, `capacite`, `description`) SELECT `id`, `nom`, "
                         "`capacite`, `description` FROM `") +
          o +
          QStringLiteral(
              "`.`salle` WHERE (id NOT IN (SELECT id FROM salle)) AND (nom NOT IN (SELECT nom FROM salle))")},
         QStringLiteral("Transfert des Salles terminé"),
         {QStringLiteral("salle")}});
    // 20. Appreciations (`appreciations`)
    etapes.append({20,
                   QStringLiteral("Appréciations"),
                   {QStringLiteral("INSERT INTO `appreciations`(`id`, `code`, `libelle`, `id_langue`, `inf`, "
                                   "`sup`, `inc_sup`, `note_ou_moyenne`) SELECT `id`, `code`, `libelle`, "
                                   "`id_langue`, `inf`, `sup`, `inc_sup`, `note_ou_moyenne` FROM `") +
                    o + QStringLiteral("`.`appreciations` WHERE id NOT IN (SELECT id FROM appreciations)")},
                   QStringLiteral("Transfert des Appreciations terminé"),
                   {QStringLiteral("appreciations")}});
    // 21. Matricule formats (`generation_matricule`)
    etapes.append(
        {21,
         QStringLiteral("Formats de matricule"),
         {QStringLiteral(
              "INSERT INTO `generation_matricule` (`id`, `prefixe`, `prefixe_min`, `prefixe_max`, "
              "`prefixe_char`, `infixe`, `infixe_min`,`infixe_max`, `infixe_char`, `suffixe`, `suffixe_min`, "
              "`suffixe_max`, `suffixe_char`,`suffixe_serie`, `level`, `code_entite`) SELECT `id`, "
              "`prefixe`, `prefixe_min`, `prefixe_max`, `prefixe_char`, `infixe`, `infixe_min`,`infixe_max`, "
              "`infixe_char`, `suffixe`, `suffixe_min`, `suffixe_max`, `suffixe_char`,`suffixe_serie`, "
              "`level`, `code_entite` FROM `") +
          o +
          QStringLiteral("`.`generation_matricule` WHERE id NOT IN (SELECT id FROM generation_matricule)")},
         QStringLiteral("Transfert des Format de matricule terminé"),
         {QStringLiteral("generation_matricule")}});
    // 22. Departments (`departement`)
    etapes.append({22,
                   QStringLiteral("Départements"),
                   {QStringLiteral("INSERT INTO `departement`(num, nom) SELECT num, nom FROM ") + o +
                    QStringLiteral(".`departement` WHERE (`num` NOT IN (SELECT num FROM `departement`)) AND "
                                   "(nom NOT IN (SELECT nom FROM `departement`))")},
                   QStringLiteral("Transfert des Départements terminé"),
                   {QStringLiteral("departement")}});
    // 23. Lessons (`lecon`)
    etapes.append({23,
                   QStringLiteral("Leçons"),
                   {QStringLiteral("INSERT INTO lecon(`code`, `intitule`, `id_departement`)  SELECT `code`, "
                                   "`intitule`, `id_departement` FROM ") +
                    o + QStringLiteral(".lecon ") +
                    QStringLiteral("WHERE (`code` NOT IN (SELECT code FROM `lecon`)) AND (intitule NOT IN "
                                   "(SELECT intitule FROM `lecon`))")},
                   QStringLiteral("Transfert des Leçons terminé"),
                   {QStringLiteral("lecon")}});
    // 24. Grades (`grade`)
    etapes.append(
        {24,
         QStringLiteral("Grades"),
         {QStringLiteral("INSERT INTO `grade`(`id`, `code`, `intitule`, `volume_horaire_hebdomadaire`)"),
          QStringLiteral("SELECT `id`, `code`, `intitule`, `volume_horaire_hebdomadaire` FROM ") + o +
              QStringLiteral(".`grade` ") +
              QStringLiteral("WHERE (`code` NOT IN (SELECT code FROM `grade`)) AND (id NOT IN (SELECT id "
                             "FROM `grade`))")},
         QStringLiteral("Transfert des Grades terminé"),
         {QStringLiteral("grade")}});
    // 25. Staff functions (`fonction`)
    etapes.append({25,
                   QStringLiteral("Fonctions du personnel"),
                   {QStringLiteral("INSERT INTO `fonction`(`id`, `code`, `nom`, `description`)"),
                    QStringLiteral("SELECT `id`, `code`, `nom`, `description` FROM ") + o +
                        QStringLiteral(".`fonction` ") +
                        QStringLiteral("WHERE (`code` NOT IN (SELECT code FROM `fonction`)) AND (id NOT IN "
                                       "(SELECT id FROM `fonction`)) ") +
                        QStringLiteral("AND (nom NOT IN (SELECT nom FROM `fonction`))")},
                   QStringLiteral("Transfert des Fonctions OK"),
                   {QStringLiteral("fonction")}});
    // 26. Staff persons (`personne`)
    etapes.append(
        {26,
         QStringLiteral("Identité du personnel"),
         {QStringLiteral("INSERT INTO personne (`mat`, `nom`,  `pnom`, `nat`, `tel`, `adr`, `typ`)"),
          QStringLiteral("SELECT `mat`, `nom`,  `pnom`, `nat`, `tel`, `adr`, `typ`"),
          QStringLiteral("FROM ") + o + QStringLiteral(".personne WHERE (mat IN (SELECT mat FROM ") + o +
              QStringLiteral(".personnel WHERE DEPT IN (SELECT num FROM departement))) AND ") +
              QStringLiteral(" (mat NOT IN (SELECT mat FROM personne))")},
         QString(),
         {QStringLiteral("personne")}});
    // 27. Staff (`personnel`)
    etapes.append({27,
                   QStringLiteral("Personnel"),
                   {QStringLiteral("INSERT INTO personnel(`MAT`, `STAT`, `NIV`, `SPEC`, `CNI`, `DEPT`, "
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
                   QStringLiteral("Transfert des Personnels terminé"),
                   {QStringLiteral("personnel")}});
    // 28. Classes (`classe`)
    etapes.append(
        {28,
         QStringLiteral("Classes"),
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
         QStringLiteral("Transfert des Classes terminé"),
         {QStringLiteral("classe")}});
    // 29. Subjects (`matiere`)
    etapes.append({29,
                   QStringLiteral("Matières"),
                   {QStringLiteral("INSERT INTO `matiere`(`code`, `lib`) SELECT code, lib FROM ") + o +
                    QStringLiteral(".`matiere` WHERE (`code` NOT IN (SELECT code FROM `matiere`)) AND (lib "
                                   "NOT IN (SELECT lib FROM `matiere`))")},
                   QStringLiteral("Transfert des Matieres terminé"),
                   {QStringLiteral("matiere")}});
    // 30. Students (`personne`, `eleve`): rows written from the placement, not by a statement of the table
    etapes.append({30,
                   QStringLiteral("Élèves"),
                   {},
                   QStringLiteral("Transfert des Eleves terminé"),
                   {QStringLiteral("personne"), QStringLiteral("eleve")},
                   true});
    // 31. Photos (`photos`)
    etapes.append({31,
                   QStringLiteral("Photos"),
                   {QStringLiteral("INSERT INTO photos (`matricule`, `photo`)"),
                    QStringLiteral("SELECT `matricule`, `photo`"),
                    QStringLiteral("FROM ") + o +
                        QStringLiteral(".photos WHERE (matricule IN (SELECT mat FROM personne))") +
                        QStringLiteral(" AND (matricule NOT IN (SELECT matricule FROM photos))")},
                   QStringLiteral("Update photo"),
                   {QStringLiteral("photos")}});
    // 32. Class head-counts (`classe`)
    etapes.append(
        {32,
         QStringLiteral("Effectifs des classes"),
         {QStringLiteral(
             "UPDATE classe C1 SET C1.effectif = (SELECT COUNT(*) FROM eleve E WHERE E.idclasse = C1.code)")},
         QStringLiteral("Update Classe"),
         {QStringLiteral("classe")}});
    // 33. Lessons per class (`classe_lecon`)
    etapes.append(
        {33,
         QStringLiteral("Leçons par classe"),
         {QStringLiteral("INSERT INTO classe_lecon(`id`, `code_classe`, `code_lecon`, "
                         "`matricule_enseignant`, `volume_horaire_hebdomadaire`, `id_salle`)"),
          QStringLiteral("SELECT `id`, `code_classe`, `code_lecon`, `matricule_enseignant`, "
                         "`volume_horaire_hebdomadaire`, `id_salle`"),
          QStringLiteral("FROM ") + o +
              QStringLiteral(".classe_lecon WHERE (code_classe IN (SELECT code FROM classe)) AND "),
          QStringLiteral(" (code_lecon IN (SELECT code FROM lecon)) AND  (matricule_enseignant IN (SELECT "
                         "mat FROM personnel)) AND (id NOT IN (SELECT id FROM classe_lecon))")},
         QStringLiteral("Transfert des Lecons par classe terminé"),
         {QStringLiteral("classe_lecon")}});
    // 34. Subjects per class (`classe_matiere`)
    etapes.append(
        {34,
         QStringLiteral("Matières par classe"),
         {QStringLiteral("INSERT INTO classe_matiere(`num`, `classe`, `matiere`, `enseignant`, "
                         "`coefficient`, `groupe`, `id_langue`)"),
          QStringLiteral(
              "SELECT `num`, `classe`, `matiere`, `enseignant`, `coefficient`, `groupe`, `id_langue` FROM ") +
              o + QStringLiteral(".classe_matiere"),
          QStringLiteral(
              "WHERE (classe IN (SELECT code FROM classe)) AND (matiere IN (SELECT code FROM matiere))"),
          QStringLiteral("AND (enseignant IN (SELECT mat FROM personnel)) AND (num NOT IN (SELECT num FROM "
                         "classe_matiere))")},
         QStringLiteral("Transfert des Matières par classe terminé"),
         {QStringLiteral("classe_matiere")}});
    // 35. Fees (`frais`)
    etapes.append({35,
                   QStringLiteral("Frais"),
                   {QStringLiteral("INSERT INTO frais (`ID`, `MONTANT`, `LIBELLE`, `PRIORITE`)"),
                    QStringLiteral("SELECT `ID`, `MONTANT`, `LIBELLE`, `PRIORITE` FROM ") + o +
                        QStringLiteral(".frais WHERE (ID NOT IN (SELECT id FROM frais))")},
                   QStringLiteral("Transfert des Frais terminé"),
                   {QStringLiteral("frais")}});
    // 36. Fees per level (`frais_niveau`)
    etapes.append(
        {36,
         QStringLiteral("Frais par niveau"),
         {QStringLiteral("INSERT INTO frais_niveau (`id`, `id_frais`, `code_niveau`, `optionnel`, `etat`)"),
          QStringLiteral("SELECT `id`, `id_frais`,  `code_niveau`, `optionnel`, `etat` FROM ") + o +
              QStringLiteral(".frais_niveau"),
          QStringLiteral("WHERE (etat = 'V') AND (id_frais IN (SELECT id FROM frais)) AND (code_niveau "
                         "IN(SELECT code FROM niveau))  AND (id NOT IN (SELECT id FROM frais_niveau)) ")},
         QStringLiteral("Transfert des Frais par Niveau terminé"),
         {QStringLiteral("frais_niveau")}});
    // 37. Instalments (`tranche`)
    etapes.append({37,
                   QStringLiteral("Tranches des frais"),
                   {QStringLiteral(
                        "INSERT INTO tranche (`ID`, `MONTANT`, `ORDRE`, `DATE_LIMITE_PAYEMENT`, `ID_FRAIS`)"),
                    QStringLiteral("SELECT id, montant, ordre, DATE_ADD(date_limite_payement, INTERVAL 1 "
                                   "YEAR) AS date_limite_payement, id_frais "),
                    QStringLiteral("FROM ") + o +
                        QStringLiteral(".tranche WHERE (id_frais IN (SELECT id FROM frais)) AND (id NOT IN "
                                       "(SELECT id FROM tranche))")},
                   QStringLiteral("Transfert des Tranches par frais terminé"),
                   {QStringLiteral("tranche")}});
    // 38. Banks (`banque`)
    etapes.append(
        {38,
         QStringLiteral("Banques"),
         {QStringLiteral(
              "INSERT INTO banque (id, nom, etat, numero_compte) SELECT id, nom, etat, numero_compte FROM ") +
          o + QStringLiteral(".banque WHERE (id NOT IN (SELECT id FROM banque))")},
         QStringLiteral("Transfert des banques terminé"),
         {QStringLiteral("banque")}});
    // 39. Instalments per student (`tranche_eleve`)
    etapes.append(
        {39,
         QStringLiteral("Tranches par élève"),
         {QStringLiteral("INSERT INTO tranche_eleve (id_tranche, MAT_ELEVE, MONTANT, etat)"),
          QStringLiteral("SELECT T.id as id_tranche, E.mat AS mat_eleve, T.montant AS montant, 'V' AS etat"),
          QStringLiteral("FROM tranche T INNER JOIN frais F ON F.id = T.id_frais INNER JOIN frais_niveau FN "
                         "ON FN.id_frais = F.id"),
          QStringLiteral("INNER JOIN niveau N ON N.code = FN.code_niveau INNER JOIN classe C ON C.niv = "
                         "N.code INNER JOIN eleve E ON E.idclasse = C.code"),
          QStringLiteral("WHERE NOT EXISTS (SELECT 1 FROM tranche_eleve TE WHERE TE.id_tranche = T.id AND "
                         "TE.MAT_ELEVE = E.mat)")},
         QStringLiteral("Transfert des Tranche par élève terminé"),
         {QStringLiteral("tranche_eleve")}});
    // 40. Expense categories (`Catcharge`)
    etapes.append(
        {40,
         QStringLiteral("Catégories de charges"),
         {QStringLiteral("INSERT INTO Catcharge (id, lib, plafond_depense) SELECT id, lib, plafond_depense"),
          QStringLiteral("FROM ") + o + QStringLiteral(".Catcharge"),
          QStringLiteral("WHERE id NOT IN (SELECT id FROM Catcharge)")},
         QString(),
         {QStringLiteral("catcharge")}});
    // 41. Expenses (`Charge`)
    etapes.append(
        {41,
         QStringLiteral("Charges"),
         {QStringLiteral(
              "INSERT INTO Charge (id, lib, id_categorie, reguliere) SELECT id, lib, id_categorie, reguliere "
              "FROM ") +
          o + QStringLiteral(".Charge WHERE id_categorie IN (SELECT id FROM Catcharge)") +
          QStringLiteral(" AND (id NOT IN (SELECT id FROM Charge))")},
         QStringLiteral("Transfert des Catégories de charges et charges terminé"),
         {QStringLiteral("charge")}});
    // 42. Reduction reasons (`motif_reduction`)
    etapes.append(
        {42,
         QStringLiteral("Motifs de réduction"),
         {QStringLiteral(
              "INSERT INTO motif_reduction (id, motif, typeReduction, valeurReduction) SELECT id, motif, "
              "typeReduction, valeurReduction "),
          QStringLiteral("FROM ") + o + QStringLiteral(".motif_reduction"),
          QStringLiteral("WHERE id NOT IN (SELECT id FROM motif_reduction)")},
         QStringLiteral("Transfert des Motifs de reduction terminés terminé"),
         {QStringLiteral("motif_reduction")}});
    // 43. Marks scale (`cotes`)
    etapes.append(
        {43,
         QStringLiteral("Cotes"),
         {QStringLiteral(
              "INSERT INTO cotes (id, cote, id_langue, inf, sup, inc_sup, note_ou_moyenne) SELECT id, cote, "
              "id_langue, inf, sup, inc_sup, note_ou_moyenne "),
          QStringLiteral("FROM ") + o + QStringLiteral(".cotes"),
          QStringLiteral("WHERE id NOT IN (SELECT id FROM cotes)")},
         QStringLiteral("Transfert des Cotes terminé"),
         {QStringLiteral("cotes")}});
    // 44. Parameters (`parametres`)
    etapes.append(
        {44,
         QStringLiteral("Paramètres"),
         {QStringLiteral("UPDATE parametres P SET P.valeur_text = (SELECT PP.valeur_text FROM ") + o +
          QStringLiteral(
              ".parametres PP WHERE PP.nom = P.nom), P.valeur_blob = (SELECT PP.valeur_blob FROM ") +
          o + QStringLiteral(".parametres PP WHERE PP.nom = P.nom)") +
          QStringLiteral(" WHERE P.nom IN (SELECT PP.nom FROM ") + o + QStringLiteral(".parametres PP)")},
         QStringLiteral("Update Parameters"),
         {QStringLiteral("parametres")}});
    DecrireComparaisons(etapes, o);
    return etapes;
}
