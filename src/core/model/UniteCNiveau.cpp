#include "core/model/UniteCNiveau.h"

#include "base/KorvenUtils.h"
#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"

#include <QComboBox>

using namespace Modele;

TCNiveau::TCNiveau(const QString& Code, const QString& Nom, int Ordre) : Ordre(Ordre), Code(Code), Nom(Nom) {}

TCNiveau::TCNiveau(const QString& Code, const QString& Nom, int Ordre, std::unique_ptr<TCSection> Section)
    : Ordre(Ordre), Code(Code), Nom(Nom), Section(std::move(Section)) {}

TCNiveau::TCNiveau(const TCNiveau& Niveau)
    : TCObjet(Niveau), Ordre(Niveau.Ordre), Code(Niveau.Code), Nom(Niveau.Nom),
      Section(Niveau.Section ? std::make_unique<TCSection>(*Niveau.Section) : nullptr) {}

namespace {

// The columns of a level with its section and the section's language.
const QString Colonnes1 = QStringLiteral("SELECT `N`.`code`, `N`.`nom`, `N`.`ordre`,");
const QString Colonnes2 = QStringLiteral(
    "`S`.`id` AS `id_section`, `S`.`code` AS `code_section`, `S`.`libelle` AS `libelle_section`,");
const QString Colonnes3 =
    QStringLiteral("`L`.`id` AS `id_langue`, `L`.`code` AS `code_langue`, `L`.`libelle` AS `libelle_langue`");
const QString Jointure1 =
    QStringLiteral(" FROM `niveau` `N` INNER JOIN `section` `S` ON `S`.`id` = `N`.`id_section`");
const QString Jointure2 = QStringLiteral("INNER JOIN `langue` `L` ON `L`.`id` = `S`.`id_langue`");
const QString ParOrdre = QStringLiteral("ORDER BY `N`.`ordre` ASC");

// The seven first lines of the look-ups that bring the examination too.
QStringList AvecExamen() {
    return {QStringLiteral("SELECT `N`.`code`, `N`.`nom`, `N`.`ordre`,"),
            QStringLiteral("`S`.`id` AS `id_section`, `S`.`code` AS `code_section`, `S`.`libelle` AS "
                           "`libelle_section`, "),
            QStringLiteral("`L`.`id` AS `id_langue`, `L`.`code` AS `code_langue`, `L`.`libelle` AS "
                           "`libelle_langue`, "),
            QStringLiteral("`E`.`num` AS `id_examen`, `E`.`nom` AS `nom_examen`"),
            Jointure1,
            Jointure2,
            QStringLiteral("LEFT JOIN `examens` `E` ON `E`.`num` = `N`.`examen`")};
}

// Language, then section, then the level of the current row.
std::unique_ptr<TCNiveau> Niveau(const TClientDataSet& ds) {
    auto langue = std::make_unique<TCLangue>(ds.FieldByName(QStringLiteral("id_langue")).AsInteger(),
                                             ds.FieldByName(QStringLiteral("code_langue")).AsString(),
                                             ds.FieldByName(QStringLiteral("libelle_langue")).AsString());
    auto section = std::make_unique<TCSection>(ds.FieldByName(QStringLiteral("id_section")).AsInteger(),
                                               ds.FieldByName(QStringLiteral("code_section")).AsString(),
                                               ds.FieldByName(QStringLiteral("libelle_section")).AsString(),
                                               std::move(langue));
    return std::make_unique<TCNiveau>(
        ds.FieldByName(QStringLiteral("code")).AsString(), ds.FieldByName(QStringLiteral("nom")).AsString(),
        ds.FieldByName(QStringLiteral("ordre")).AsInteger(), std::move(section));
}

// The level of the first row with its examination (none when id_examen is null), or none without rows.
std::unique_ptr<TCNiveau> PremierAvecExamen(TClientDataSet& ds) {
    if (ds.IsEmpty())
        return nullptr;
    ds.First();
    std::unique_ptr<TCExamen> examen;
    if (!ds.FieldByName(QStringLiteral("id_examen")).IsNull())
        examen = std::make_unique<TCExamen>(ds.FieldByName(QStringLiteral("id_examen")).AsInteger(),
                                            ds.FieldByName(QStringLiteral("nom_examen")).AsString());
    std::unique_ptr<TCNiveau> niveau = Niveau(ds);
    niveau->SetExamen(std::move(examen));
    return niveau;
}

void VerifierChamp(const QString& NomChamp, const QString& ValeurChamp, const QString& Annee) {
    if (EstVide(NomChamp))
        Echouer(QStringLiteral("Vous devez indiquer le nom du champ."));
    if (EstVide(ValeurChamp))
        Echouer(QStringLiteral("Vous devez indiquer la valeur du champ."));
    if (EstVide(Annee))
        Echouer(MsgPasserAnnee);
    // The name stands in the statement as an identifier: nothing but a plain column name.
    VerifierNomChamp(NomChamp);
}

} // namespace

void TCNiveau::LoadComboboxNiveau(QComboBox* Combobox, const QString& Annee, int IdSection,
                                  bool WithAllOption) {
    if (Combobox == nullptr)
        Echouer(MsgComposantNull);
    // The examination look-up of every row needs the year's database name.
    BaseAnnee(Annee);
    if (Combobox->count() > 0)
        FreeComboboxObjects(Combobox);
    Combobox->clear();
    if (WithAllOption)
        AjouterObjetCombo(Combobox, QStringLiteral("Tous les niveaux"),
                          std::make_unique<TCNiveau>(QString(), QStringLiteral("Tous les niveaux"), 0));
    QStringList lignes{QStringLiteral("SELECT `N`.`code`, `N`.`nom`, `N`.`ordre`, `N`.`examen`, "), Colonnes2,
                       Colonnes3, Jointure1, Jointure2};
    if (IdSection != -1)
        lignes << QStringLiteral("WHERE `S`.`id` = ") + QString::number(IdSection);
    lignes << ParOrdre;
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeLoadComboboxNiveau"));
    TClientDataSet& ds = requete.Ouvrir(lignes);
    for (ds.First(); !ds.Eof(); ds.Next()) {
        std::unique_ptr<TCNiveau> niveau = Niveau(ds);
        niveau->SetExamen(TCExamen::FindByID(ds.FieldByName(QStringLiteral("examen")).AsInteger(), Annee));
        const QString texte = niveau->GetNom();
        AjouterObjetCombo(Combobox, texte, std::move(niveau));
    }
    if (Combobox->count() > 0)
        Combobox->setCurrentIndex(0);
}

void TCNiveau::LoadComboNiveauBySection(QComboBox* Combobox, const QString& Annee, int IdSection) {
    if (Combobox == nullptr)
        Echouer(MsgComposantNull);
    if (EstVide(Annee))
        Echouer(MsgIndiquerAnnee);
    if (IdSection < 1)
        Echouer(QStringLiteral("Vous devez indisquer l'identifiant de la section."));
    const QString db = BaseAnnee(Annee);
    if (Combobox->count() > 0)
        FreeComboboxObjects(Combobox);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeLoadComboNiveauBySection"));
    TClientDataSet& ds = requete.Ouvrir(
        {Colonnes1, Colonnes2, Colonnes3,
         QStringLiteral(" FROM ") + db + QStringLiteral(".`niveau` `N` INNER JOIN  ") + db +
             QStringLiteral(".`section` `S` ON `S`.`id` = `N`.`id_section`"),
         QStringLiteral("INNER JOIN ") + db + QStringLiteral(".`langue` `L` ON `L`.`id` = `S`.`id_langue`"),
         QStringLiteral("WHERE `S`.`id` = :id_section ORDER BY `N`.`ordre` ASC")},
        {{QStringLiteral("id_section"), IdSection}});
    for (ds.First(); !ds.Eof(); ds.Next()) {
        std::unique_ptr<TCNiveau> niveau = Niveau(ds);
        const QString texte = niveau->GetNom();
        AjouterObjetCombo(Combobox, texte, std::move(niveau));
    }
    if (Combobox->count() > 0)
        Combobox->setCurrentIndex(0);
}

void TCNiveau::FreeComboboxNiveau(QComboBox* Combobox) {
    FreeComboboxObjects(Combobox);
    if (Combobox != nullptr)
        Combobox->clear();
}

std::unique_ptr<TCNiveau> TCNiveau::FindByCode(const QString& Code, const QString& Annee) {
    if (EstVide(Code))
        Echouer(QStringLiteral("Vous devez indiquer le code du niveau."));
    if (EstVide(Annee))
        Echouer(MsgPasserAnnee);
    QStringList lignes = AvecExamen();
    lignes << QStringLiteral("WHERE `N`.`code` = ") + ChaineSQL(Code) << ParOrdre;
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeNiveauFindByCode"));
    return PremierAvecExamen(requete.Ouvrir(lignes));
}

std::unique_ptr<TCNiveau> TCNiveau::FindNiveauSuperieur(const TCNiveau* NiveauCourant, const QString& Annee) {
    if (NiveauCourant == nullptr)
        Echouer(QStringLiteral("Vous devez indiquer le niveau courant."));
    if (EstVide(Annee))
        Echouer(MsgPasserAnnee);
    // A level outside any section (the item "Tous les niveaux") has no next level.
    if (NiveauCourant->GetSection() == nullptr)
        return nullptr;
    QStringList lignes = AvecExamen();
    lignes << QStringLiteral("WHERE `N`.`ordre` = ") + QString::number(NiveauCourant->GetOrdre() + 1) +
                  QStringLiteral(" AND N.id_section = ") +
                  QString::number(NiveauCourant->GetSection()->GetId())
           << ParOrdre;
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeFindNiveauSuperieur"));
    return PremierAvecExamen(requete.Ouvrir(lignes));
}

std::unique_ptr<TCNiveau> TCNiveau::FindByChamp(const QString& NomChamp, const QString& ValeurChamp,
                                                const QString& Annee) {
    VerifierChamp(NomChamp, ValeurChamp, Annee);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeNiveauFindByChamp"));
    TClientDataSet& ds = requete.Ouvrir(
        {Colonnes1, Colonnes2, Colonnes3, Jointure1, Jointure2,
         QStringLiteral("WHERE `N`.`") + NomChamp + QStringLiteral("` = ") + ChaineSQL(ValeurChamp),
         ParOrdre});
    if (ds.IsEmpty())
        return nullptr;
    ds.First();
    return Niveau(ds);
}

int TCNiveau::CountByChamp(const QString& NomChamp, const QString& ValeurChamp, const QString& Annee) {
    VerifierChamp(NomChamp, ValeurChamp, Annee);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeNiveauCountByChamp"));
    TClientDataSet& ds =
        requete.Ouvrir({QStringLiteral("SELECT COUNT(*) AS row_count FROM `niveau` `N` WHERE `N`.`") +
                        NomChamp + QStringLiteral("` = ") + ChaineSQL(ValeurChamp)});
    ds.First();
    return ds.FieldByName(QStringLiteral("row_count")).AsInteger();
}

bool TCNiveau::ExamenRequisPourPrommotion(const QString& Code, const QString& Annee) {
    if (EstVide(Annee))
        Echouer(MsgIndiquerAnnee);
    const QString db = BaseAnnee(Annee);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeExamenRequisPourPrommotion"));
    TClientDataSet& ds =
        requete.Ouvrir({QStringLiteral("SELECT `N`.`ex_req_pro`, `N`.`code`"),
                        QStringLiteral("FROM `") + db + QStringLiteral("`.`niveau` `N` WHERE `N`.`code` = ") +
                            ChaineSQL(Code)});
    if (ds.IsEmpty())
        return false;
    ds.First();
    return ds.FieldByName(QStringLiteral("ex_req_pro")).AsString() != QStringLiteral("0");
}
