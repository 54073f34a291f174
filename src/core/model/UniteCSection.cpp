#include "core/model/UniteCSection.h"

#include "base/KorvenUtils.h"
#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"

#include <QComboBox>

using namespace Modele;

TCSection::TCSection(int Id, const QString& Code, const QString& Libelle, std::unique_ptr<TCLangue> Langue)
    : Id(Id), Code(Code), Libelle(Libelle), Langue(std::move(Langue)) {}

TCSection::TCSection(const QString& Code, const QString& Libelle, std::unique_ptr<TCLangue> Langue)
    : Code(Code), Libelle(Libelle), Langue(std::move(Langue)) {}

TCSection::TCSection(const TCSection& Section)
    : TCObjet(Section), Id(Section.Id), Code(Section.Code), Libelle(Section.Libelle),
      Langue(Section.Langue ? std::make_unique<TCLangue>(*Section.Langue) : nullptr) {}

namespace {

const QString Colonnes1 = QStringLiteral("SELECT `S`.`id`, `S`.`code`, `S`.`libelle`,");
const QString Colonnes2 =
    QStringLiteral("`L`.`id` AS `id_langue`, `L`.`code` AS `code_langue`, `L`.`libelle` AS `libelle_langue`");

QString Jointure(const QString& db) {
    return QStringLiteral("FROM `") + db + QStringLiteral("`.`section` `S` INNER JOIN `") + db +
           QStringLiteral("`.`langue` `L` ON `L`.`id` = `S`.`id_langue`");
}

std::unique_ptr<TCSection> Section(const TClientDataSet& ds) {
    auto langue = std::make_unique<TCLangue>(ds.FieldByName(QStringLiteral("id_langue")).AsInteger(),
                                             ds.FieldByName(QStringLiteral("code_langue")).AsString(),
                                             ds.FieldByName(QStringLiteral("libelle_langue")).AsString());
    return std::make_unique<TCSection>(
        ds.FieldByName(QStringLiteral("id")).AsInteger(), ds.FieldByName(QStringLiteral("code")).AsString(),
        ds.FieldByName(QStringLiteral("libelle")).AsString(), std::move(langue));
}

// The look-ups by key: the statement with its condition, and its one parameter.
std::unique_ptr<TCSection> Chercher(const QString& Annee, const QString& condition, const QString& parametre,
                                    const QVariant& valeur, bool unique) {
    const QString db = BaseAnnee(Annee);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeSectionFind"));
    TClientDataSet& ds =
        requete.Ouvrir({Colonnes1, Colonnes2, Jointure(db), condition}, {{parametre, valeur}});
    if (unique && ds.RecordCount() > 1)
        Echouer(MsgResultatUnique);
    std::unique_ptr<TCSection> section;
    for (ds.First(); !ds.Eof(); ds.Next())
        section = Section(ds);
    return section;
}

} // namespace

void TCSection::LoadCombobox(QComboBox* Combobox, const QString& Annee, bool WithAllOption) {
    if (Combobox == nullptr)
        Echouer(QStringLiteral("Impossible de charger un composant null"));
    if (EstVide(Annee))
        Echouer(MsgIndiquerAnnee);
    const QString db = BaseAnnee(Annee);
    if (Combobox->count() > 0)
        FreeComboboxObjects(Combobox);
    Combobox->clear();
    if (WithAllOption)
        AjouterObjetCombo(Combobox, QStringLiteral("Toutes les sections"),
                          std::make_unique<TCSection>(0, QStringLiteral("Toutes"),
                                                      QStringLiteral("Toutes les sections"), nullptr));
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeSectionLoadCombobox"));
    TClientDataSet& ds =
        requete.Ouvrir({Colonnes1, Colonnes2, Jointure(db) + QStringLiteral(" ORDER BY `S`.`code` ASC")});
    for (ds.First(); !ds.Eof(); ds.Next()) {
        std::unique_ptr<TCSection> section = Section(ds);
        const QString texte = section->GetLibelle();
        AjouterObjetCombo(Combobox, texte, std::move(section));
    }
    Combobox->setCurrentIndex(-1);
}

void TCSection::FreeCombobox(QComboBox* Combobox) {
    FreeComboboxObjects(Combobox);
}

std::unique_ptr<TCSection> TCSection::FindById(int Id, const QString& Annee) {
    if (Id < 1)
        Echouer(QStringLiteral("Vous devez indiquer l'identifiant de la section."));
    if (EstVide(Annee))
        Echouer(MsgIndiquerAnnee);
    return Chercher(Annee, QStringLiteral("WHERE `S`.`id` = :id"), QStringLiteral("id"), Id, false);
}

std::unique_ptr<TCSection> TCSection::FindByCode(const QString& Code, const QString& Annee) {
    if (EstVide(Code))
        Echouer(QStringLiteral("Vous devez indiquer le code de la section."));
    if (EstVide(Annee))
        Echouer(MsgIndiquerAnnee);
    return Chercher(Annee, QStringLiteral("WHERE UPPER(`S`.`code`) = :code"), QStringLiteral("code"),
                    MajusculesAscii(Code), true);
}

std::unique_ptr<TCSection> TCSection::FindByLibelle(const QString& Libelle, const QString& Annee) {
    if (EstVide(Libelle))
        Echouer(QStringLiteral("Vous devez indiquer le libellé."));
    if (EstVide(Annee))
        Echouer(MsgIndiquerAnnee);
    return Chercher(Annee, QStringLiteral("WHERE UPPER(`S`.`libelle`) = :libelle"), QStringLiteral("libelle"),
                    MajusculesAscii(Libelle), true);
}

std::unique_ptr<TCSection> TCSection::FindByLangue(int IdLangue, const QString& Annee) {
    if (IdLangue < 1)
        Echouer(QStringLiteral("Vous devez indiquer la langue."));
    if (EstVide(Annee))
        Echouer(MsgIndiquerAnnee);
    return Chercher(Annee, QStringLiteral("WHERE `L`.`id` = :id_langue"), QStringLiteral("id_langue"),
                    IdLangue, true);
}
