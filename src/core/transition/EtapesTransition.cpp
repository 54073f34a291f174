#include "core/transition/EtapesTransition.h"

// The steps of the year transition, in their order. Unqualified names are the new year's tables (the year
// connection is attached to the new database); names qualified by AncienneBase are the closing year's. Every
// copy skips the rows whose key the new database already holds, so that a second run after a failure neither
// duplicates rows nor stops on a key.
namespace {

const QString& o = AncienneBase;

// The new year already uses that value of a column the copy checks besides the key.
TConditionCopie Pris(const QString& table, const QString& colonne, const QString& quoi) {
    return {QStringLiteral("O.`%2` NOT IN (SELECT `%2` FROM `%1`)").arg(table, colonne),
            QStringLiteral("%1 déjà pris dans la nouvelle année").arg(quoi)};
}

// A reference the copy requires: what it refers to must be in the new year (or be NULL, when admitted).
TConditionCopie Present(const QString& colonne, const QString& table, const QString& cle, const QString& quoi,
                        bool nullAdmis = true) {
    const QString dans = QStringLiteral("O.`%1` IN (SELECT `%3` FROM `%2`)").arg(colonne, table, cle);
    return {nullAdmis ? QStringLiteral("(O.`%1` IS NULL OR %2)").arg(colonne, dans) : dans, quoi};
}

// A staff member's department: there is one, and the new year holds it.
QList<TConditionCopie> Departement(const QString& dept) {
    return {{dept + QStringLiteral(" IS NOT NULL"), QStringLiteral("sans département")},
            {dept + QStringLiteral(" IN (SELECT num FROM departement)"),
             QStringLiteral("département non reporté")}};
}

// Rows whose values the closing year holds as they are, under the same key.
TEtapeCopie Copie(const QString& libelle, const QString& boite, const QString& table,
                  const QStringList& colonnes, const QStringList& cles,
                  const QList<TConditionCopie>& conditions = {}, const QString& etiquette = {}) {
    return TEtapeCopie{.Libelle = libelle,
                       .Boite = boite,
                       .Tables = {table.toLower()},
                       .Source = table,
                       .Colonnes = colonnes,
                       .Cles = cles,
                       .Conditions = conditions,
                       .Etiquette = etiquette};
}

// The name of a person of the closing year, by matricule.
QString NomPersonne(const QString& matricule) {
    return QStringLiteral("(SELECT CONCAT_WS(' ', X.nom, X.pnom) FROM %1.personne X WHERE X.mat = %2)")
        .arg(o, matricule);
}

QList<TEtapeCopie> Etapes() {
    QList<TEtapeCopie> etapes;
    etapes << Copie(QStringLiteral("Configuration de l'établissement"), QStringLiteral("Configuration"),
                    QStringLiteral("configuration"),
                    {"id",
                     "nom_fr",
                     "nom_en",
                     "devise_fr",
                     "devise_en",
                     "boite_postale",
                     "civilite_responsable",
                     "nom_responsable",
                     "prefixe_qualite_responsable",
                     "qualite_responsable",
                     "telephone",
                     "fax",
                     "adresse",
                     "localisation",
                     "ville",
                     "prefixe_region",
                     "region",
                     "region_en",
                     "prefixe_departement",
                     "departement",
                     "departement_en",
                     "prefixe_arrondissement",
                     "arrondissement",
                     "min_sequence",
                     "logo",
                     "age_min",
                     "age_max",
                     "format_bulletin",
                     "signature_responsable",
                     "logo_bul",
                     "profil_bul",
                     "heure_du_edt",
                     "last_num_cp",
                     "last_num_cr",
                     "last_num_ap",
                     "code_etablissement",
                     "code_centre",
                     "saisir_notes_eleve_enregle",
                     "appreciation_saction_automatique",
                     "rappel_moyenne",
                     "type_rappel_moyenne",
                     "signature_responsable_sur_bulletin",
                     "affiche_orientation_sur_bulletin_annuel",
                     "affiche_nom_enseignant_sur_bulletin"},
                    {"id"}, {}, QStringLiteral("O.nom_fr"));
    etapes << Copie(QStringLiteral("Utilisateurs"), QStringLiteral("Transfert des utilisateurs terminé."),
                    QStringLiteral("utilisateur"), {"login", "pass", "etat", "nom", "is_enseignant"},
                    {"login"}, {}, QStringLiteral("O.nom"));
    etapes << Copie(QStringLiteral("Droits des utilisateurs"),
                    QStringLiteral("Transfert des droits des utilisateurs terminé."),
                    QStringLiteral("droits"), {"utilisateur", "droit"}, {"utilisateur", "droit"});
    etapes << Copie(QStringLiteral("Plages horaires"),
                    QStringLiteral("Transfert des plages horraires Terminé"), QStringLiteral("heures"),
                    {"id", "debut", "fin", "pause"}, {"id"});
    etapes << Copie(QStringLiteral("Séries"), QStringLiteral("Transfert des Séries Terminé"),
                    QStringLiteral("series"), {"num", "nom"}, {"num"}, {Pris("series", "nom", "nom")},
                    QStringLiteral("O.nom"));
    etapes << Copie(QStringLiteral("Examens"), QStringLiteral("Transfert des Examens terminé"),
                    QStringLiteral("examens"), {"num", "nom"}, {"num"}, {Pris("examens", "nom", "nom")},
                    QStringLiteral("O.nom"));
    etapes << Copie(
        QStringLiteral("Séries des examens"), QStringLiteral("Transfert des Examens et Series terminé"),
        QStringLiteral("examens_series"), {"num_examen", "num_serie"}, {"num_examen", "num_serie"});
    etapes << Copie(QStringLiteral("Langues"), QStringLiteral("Transfert des Langues terminé"),
                    QStringLiteral("langue"), {"id", "code", "libelle"}, {"id"},
                    {Pris("langue", "code", "code"), Pris("langue", "libelle", "libellé")},
                    QStringLiteral("O.libelle"));
    etapes << Copie(QStringLiteral("Sections"), QStringLiteral("Transfert des Sections terminé"),
                    QStringLiteral("section"), {"id", "code", "libelle", "id_langue"}, {"id"},
                    {Present("id_langue", "langue", "id", "langue non reportée", false),
                     Pris("section", "code", "code"), Pris("section", "libelle", "libellé")},
                    QStringLiteral("O.libelle"));
    etapes << Copie(QStringLiteral("Niveaux d'étude"), QStringLiteral("Transfert des Niveaux terminé"),
                    QStringLiteral("niveau"),
                    {"code", "nom", "age_max", "moyenne_min", "avertissement_max", "blame_max", "retard_max",
                     "consigne_max", "exclusion_temp_max", "absence_max", "retenue_max", "examen",
                     "ex_req_pro", "moyenne_min_admi", "versement_min", "ordre", "id_section"},
                    {"code"}, {}, QStringLiteral("O.nom"));
    etapes << Copie(QStringLiteral("Salles"), QStringLiteral("Transfert des Salles terminé"),
                    QStringLiteral("salle"), {"id", "nom", "capacite", "description"}, {"id"},
                    {Pris("salle", "nom", "nom")}, QStringLiteral("O.nom"));
    etapes << Copie(QStringLiteral("Appréciations"), QStringLiteral("Transfert des Appreciations terminé"),
                    QStringLiteral("appreciations"),
                    {"id", "code", "libelle", "id_langue", "inf", "sup", "inc_sup", "note_ou_moyenne"},
                    {"id"}, {}, QStringLiteral("O.libelle"));
    etapes << Copie(QStringLiteral("Formats de matricule"),
                    QStringLiteral("Transfert des Format de matricule terminé"),
                    QStringLiteral("generation_matricule"),
                    {"id", "prefixe", "prefixe_min", "prefixe_max", "prefixe_char", "infixe", "infixe_min",
                     "infixe_max", "infixe_char", "suffixe", "suffixe_min", "suffixe_max", "suffixe_char",
                     "suffixe_serie", "level", "code_entite"},
                    {"id"});
    etapes << Copie(QStringLiteral("Départements"), QStringLiteral("Transfert des Départements terminé"),
                    QStringLiteral("departement"), {"num", "nom"}, {"num"},
                    {Pris("departement", "nom", "nom")}, QStringLiteral("O.nom"));
    etapes << Copie(QStringLiteral("Leçons"), QStringLiteral("Transfert des Leçons terminé"),
                    QStringLiteral("lecon"), {"code", "intitule", "id_departement"}, {"code"},
                    {Pris("lecon", "intitule", "intitulé")}, QStringLiteral("O.intitule"));
    etapes << Copie(QStringLiteral("Grades"), QStringLiteral("Transfert des Grades terminé"),
                    QStringLiteral("grade"), {"id", "code", "intitule", "volume_horaire_hebdomadaire"},
                    {"id"}, {Pris("grade", "code", "code")}, QStringLiteral("O.intitule"));
    etapes << Copie(QStringLiteral("Fonctions du personnel"), QStringLiteral("Transfert des Fonctions OK"),
                    QStringLiteral("fonction"), {"id", "code", "nom", "description"}, {"id"},
                    {Pris("fonction", "code", "code"), Pris("fonction", "nom", "nom")},
                    QStringLiteral("O.nom"));
    // The staff's persons; the students' come with the students.
    TEtapeCopie personnes =
        Copie(QStringLiteral("Identité du personnel"), QString(), QStringLiteral("personne"),
              {"mat", "nom", "pnom", "nat", "tel", "adr", "typ"}, {"mat"},
              Departement(QStringLiteral("(SELECT X.DEPT FROM %1.personnel X WHERE X.MAT = O.mat)").arg(o)),
              QStringLiteral("CONCAT_WS(' ', O.nom, O.pnom)"));
    personnes.FiltreSource = QStringLiteral("O.mat IN (SELECT MAT FROM %1.personnel)").arg(o);
    personnes.FiltreCible = QStringLiteral("mat IN (SELECT MAT FROM personnel)");
    etapes << personnes;
    etapes << Copie(
        QStringLiteral("Personnel"), QStringLiteral("Transfert des Personnels terminé"),
        QStringLiteral("personnel"),
        {"MAT", "STAT", "NIV", "SPEC", "CNI", "DEPT", "CIVILITE", "date_naissance", "diplome",
         "matricule_professionnel", "date_entree_administration", "date_nomination", "date_prise_service",
         "situation_matrimoniale", "id_fonction", "id_grade"},
        {"MAT"},
        Departement(QStringLiteral("O.DEPT")) +
            QList<TConditionCopie>{{QStringLiteral("O.MAT IN (SELECT mat FROM personne)"), QString()}},
        NomPersonne(QStringLiteral("O.MAT")));
    etapes << Copie(
        QStringLiteral("Classes"), QStringLiteral("Transfert des Classes terminé"), QStringLiteral("classe"),
        {"code", "lib", "niv", "min_coefficient", "id_langue", "id_salle", "prof_titulaire", "serie"},
        {"code"},
        {Present("niv", "niveau", "code", "niveau non reporté", false),
         Present("id_langue", "langue", "id", "langue non reportée"),
         Present("id_salle", "salle", "id", "salle non reportée"),
         Present("prof_titulaire", "personnel", "MAT", "professeur titulaire non reporté"),
         Present("serie", "series", "num", "série non reportée"), Pris("classe", "lib", "libellé")},
        QStringLiteral("O.lib"));
    etapes << Copie(QStringLiteral("Matières"), QStringLiteral("Transfert des Matieres terminé"),
                    QStringLiteral("matiere"), {"code", "lib"}, {"code"}, {Pris("matiere", "lib", "libellé")},
                    QStringLiteral("O.lib"));
    // The placed students: rows written from the placement, not by a statement of the table.
    etapes << TEtapeCopie{.Libelle = QStringLiteral("Élèves"),
                          .Boite = QStringLiteral("Transfert des Eleves terminé"),
                          .Tables = {QStringLiteral("personne"), QStringLiteral("eleve")},
                          .Nature = TNatureEtape::Eleves};
    etapes << Copie(QStringLiteral("Photos"), QStringLiteral("Update photo"), QStringLiteral("photos"),
                    {"matricule", "photo"}, {"matricule"},
                    {Present("matricule", "personne", "mat", "personne non reportée", false)},
                    NomPersonne(QStringLiteral("O.matricule")));
    etapes << TEtapeCopie{
        .Libelle = QStringLiteral("Effectifs des classes"),
        .Boite = QStringLiteral("Update Classe"),
        .Tables = {QStringLiteral("classe")},
        .Nature = TNatureEtape::MiseAJour,
        .Lignes = {QStringLiteral(
            "UPDATE classe C1 SET C1.effectif = (SELECT COUNT(*) FROM eleve E WHERE E.idclasse = C1.code)")}};
    etapes << Copie(QStringLiteral("Leçons par classe"),
                    QStringLiteral("Transfert des Lecons par classe terminé"), QStringLiteral("classe_lecon"),
                    {"id", "code_classe", "code_lecon", "matricule_enseignant", "volume_horaire_hebdomadaire",
                     "id_salle"},
                    {"id"},
                    {Present("code_classe", "classe", "code", "classe non reportée", false),
                     Present("code_lecon", "lecon", "code", "leçon non reportée", false),
                     Present("matricule_enseignant", "personnel", "MAT", "enseignant non reporté", false)},
                    QStringLiteral("CONCAT_WS(' / ', O.code_classe, O.code_lecon)"));
    etapes << Copie(QStringLiteral("Matières par classe"),
                    QStringLiteral("Transfert des Matières par classe terminé"),
                    QStringLiteral("classe_matiere"),
                    {"num", "classe", "matiere", "enseignant", "coefficient", "groupe", "id_langue"}, {"num"},
                    {Present("classe", "classe", "code", "classe non reportée", false),
                     Present("matiere", "matiere", "code", "matière non reportée", false),
                     Present("enseignant", "personnel", "MAT", "enseignant non reporté", false)},
                    QStringLiteral("CONCAT_WS(' / ', O.classe, O.matiere)"));
    etapes << Copie(QStringLiteral("Frais"), QStringLiteral("Transfert des Frais terminé"),
                    QStringLiteral("frais"), {"ID", "MONTANT", "LIBELLE", "PRIORITE"}, {"ID"}, {},
                    QStringLiteral("O.LIBELLE"));
    etapes << Copie(QStringLiteral("Frais par niveau"),
                    QStringLiteral("Transfert des Frais par Niveau terminé"), QStringLiteral("frais_niveau"),
                    {"id", "id_frais", "code_niveau", "optionnel", "etat"}, {"id"},
                    {{QStringLiteral("O.etat = 'V'"), QStringLiteral("frais non en vigueur")},
                     Present("id_frais", "frais", "id", "frais non reporté", false),
                     Present("code_niveau", "niveau", "code", "niveau non reporté", false)},
                    QStringLiteral("CONCAT_WS(' / ', O.id_frais, O.code_niveau)"));
    // The instalments' deadlines move on by a year.
    TEtapeCopie tranches = Copie(
        QStringLiteral("Tranches des frais"), QStringLiteral("Transfert des Tranches par frais terminé"),
        QStringLiteral("tranche"), {"ID", "MONTANT", "ORDRE", "DATE_LIMITE_PAYEMENT", "ID_FRAIS"}, {"ID"},
        {Present("ID_FRAIS", "frais", "id", "frais non reporté", false)});
    tranches.Valeurs = {{QStringLiteral("DATE_LIMITE_PAYEMENT"),
                         QStringLiteral("DATE_ADD(O.`DATE_LIMITE_PAYEMENT`, INTERVAL 1 YEAR)")}};
    etapes << tranches;
    etapes << Copie(QStringLiteral("Banques"), QStringLiteral("Transfert des banques terminé"),
                    QStringLiteral("banque"), {"id", "nom", "etat", "numero_compte"}, {"id"}, {},
                    QStringLiteral("O.nom"));
    etapes << TEtapeCopie{
        .Libelle = QStringLiteral("Tranches par élève"),
        .Boite = QStringLiteral("Transfert des Tranche par élève terminé"),
        .Tables = {QStringLiteral("tranche_eleve")},
        .Nature = TNatureEtape::Fabrique,
        .Lignes = {
            QStringLiteral("INSERT INTO tranche_eleve (id_tranche, MAT_ELEVE, MONTANT, etat)"),
            QStringLiteral(
                "SELECT T.id as id_tranche, E.mat AS mat_eleve, T.montant AS montant, 'V' AS etat"),
            QStringLiteral(
                "FROM tranche T INNER JOIN frais F ON F.id = T.id_frais INNER JOIN frais_niveau FN "
                "ON FN.id_frais = F.id"),
            QStringLiteral("INNER JOIN niveau N ON N.code = FN.code_niveau INNER JOIN classe C ON C.niv = "
                           "N.code INNER JOIN eleve E ON E.idclasse = C.code"),
            QStringLiteral("WHERE NOT EXISTS (SELECT 1 FROM tranche_eleve TE WHERE TE.id_tranche = T.id AND "
                           "TE.MAT_ELEVE = E.mat)")}};
    etapes << Copie(QStringLiteral("Catégories de charges"), QString(), QStringLiteral("Catcharge"),
                    {"id", "lib", "plafond_depense"}, {"id"}, {}, QStringLiteral("O.lib"));
    etapes << Copie(QStringLiteral("Charges"),
                    QStringLiteral("Transfert des Catégories de charges et charges terminé"),
                    QStringLiteral("Charge"), {"id", "lib", "id_categorie", "reguliere"}, {"id"},
                    {Present("id_categorie", "Catcharge", "id", "catégorie non reportée", false)},
                    QStringLiteral("O.lib"));
    etapes << Copie(QStringLiteral("Motifs de réduction"),
                    QStringLiteral("Transfert des Motifs de reduction terminés terminé"),
                    QStringLiteral("motif_reduction"), {"id", "motif", "typeReduction", "valeurReduction"},
                    {"id"}, {}, QStringLiteral("O.motif"));
    etapes << Copie(QStringLiteral("Cotes"), QStringLiteral("Transfert des Cotes terminé"),
                    QStringLiteral("cotes"),
                    {"id", "cote", "id_langue", "inf", "sup", "inc_sup", "note_ou_moyenne"}, {"id"}, {},
                    QStringLiteral("O.cote"));
    etapes << TEtapeCopie{
        .Libelle = QStringLiteral("Paramètres"),
        .Boite = QStringLiteral("Update Parameters"),
        .Tables = {QStringLiteral("parametres")},
        .Nature = TNatureEtape::MiseAJour,
        .Lignes = {
            QStringLiteral("UPDATE parametres P SET P.valeur_text = (SELECT PP.valeur_text FROM ") + o +
            QStringLiteral(".parametres PP WHERE PP.nom = P.nom), P.valeur_blob = (SELECT PP.valeur_blob "
                           "FROM ") +
            o + QStringLiteral(".parametres PP WHERE PP.nom = P.nom) WHERE P.nom IN (SELECT PP.nom FROM ") +
            o + QStringLiteral(".parametres PP)")}};
    const int premiere = NumeroEtape(TEtapeFixe::OuvertureAnnee) + 1; // known without the copies
    for (qsizetype i = 0; i < etapes.size(); ++i)
        etapes[i].Numero = premiere + static_cast<int>(i);
    return etapes;
}

QString Colonne(const QString& nom) {
    return QLatin1Char('`') + nom + QLatin1Char('`');
}

} // namespace

QStringList TEtapeCopie::Instruction(const QString& ancienneBase) const {
    QStringList lignes;
    if (Nature != TNatureEtape::Copie) {
        for (const QString& ligne : Lignes)
            lignes << Texte(ligne, ancienneBase);
        return lignes;
    }
    QStringList colonnes, valeurs, cles, conditions;
    for (const QString& colonne : Colonnes) {
        colonnes << Colonne(colonne);
        QString valeur = QStringLiteral("O.") + Colonne(colonne);
        for (const auto& [nom, expression] : Valeurs)
            if (nom == colonne)
                valeur = expression;
        valeurs << valeur;
    }
    QStringList clesSource;
    for (const QString& cle : Cles) {
        cles << Colonne(cle);
        clesSource << QStringLiteral("O.") + Colonne(cle);
    }
    const QString table = Colonne(Tables.value(0));
    conditions << (Cles.size() == 1
                       ? clesSource.first()
                       : QLatin1Char('(') + clesSource.join(QStringLiteral(", ")) + QLatin1Char(')')) +
                      QStringLiteral(" NOT IN (SELECT ") + cles.join(QStringLiteral(", ")) +
                      QStringLiteral(" FROM ") + table + QLatin1Char(')');
    if (!FiltreSource.isEmpty())
        conditions << FiltreSource;
    for (const TConditionCopie& condition : Conditions)
        conditions << condition.Expression;
    lignes << QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (") +
                  colonnes.join(QStringLiteral(", ")) + QLatin1Char(')')
           << QStringLiteral("SELECT ") + valeurs.join(QStringLiteral(", "))
           << QStringLiteral("FROM ") + AncienneBase + QLatin1Char('.') + Colonne(Source) +
                  QStringLiteral(" O")
           << QStringLiteral("WHERE (") + conditions.join(QStringLiteral(") AND (")) + QLatin1Char(')');
    for (QString& ligne : lignes)
        ligne = Texte(ligne, ancienneBase);
    return lignes;
}

QString TEtapeCopie::Motif() const {
    QStringList cas;
    for (const TConditionCopie& condition : Conditions)
        if (!condition.Motif.isEmpty())
            cas << QStringLiteral("WHEN NOT (%1) THEN '%2'")
                       .arg(condition.Expression,
                            QString(condition.Motif).replace(QLatin1Char('\''), QStringLiteral("''")));
    return cas.isEmpty() ? QString()
                         : QStringLiteral("CASE ") + cas.join(QLatin1Char(' ')) + QStringLiteral(" END");
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
