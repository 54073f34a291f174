#include "core/model/UniteCLangue.h"

#include "base/KorvenUtils.h"
#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"

#include <QComboBox>

using namespace Modele;

TCLangue::TCLangue(const QString& Code, const QString& Libelle) : Code(Code), Libelle(Libelle) {}

TCLangue::TCLangue(int Id, const QString& Code, const QString& Libelle)
    : Id(Id), Code(Code), Libelle(Libelle) {}

TCLangue::TCLangue(const TCLangue& Langue)
    : TCObjet(Langue), Id(Langue.Id), Code(Langue.Code), Libelle(Langue.Libelle) {}

namespace {

std::unique_ptr<TCLangue> Langue(const TClientDataSet& ds) {
    return std::make_unique<TCLangue>(ds.FieldByName(QStringLiteral("id")).AsInteger(),
                                      ds.FieldByName(QStringLiteral("code")).AsString(),
                                      ds.FieldByName(QStringLiteral("libelle")).AsString());
}

// At most one row: none without, the language with one.
std::unique_ptr<TCLangue> Unique(TClientDataSet& ds) {
    if (ds.IsEmpty())
        return nullptr;
    if (ds.RecordCount() > 1)
        Echouer(MsgResultatUnique);
    ds.First();
    return Langue(ds);
}

} // namespace

std::unique_ptr<TCLangue> TCLangue::FindByCode(const QString& Code, const QString& Annee) {
    if (EstVide(Code))
        Echouer(QStringLiteral("Vous devez passer le code en paramètre."));
    const QString db = BaseAnnee(Annee);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeLangueFindByCode"));
    TClientDataSet& ds = requete.Ouvrir({QStringLiteral("SELECT `L`.`id`, `L`.`code`, `L`.`libelle`"),
                                         QStringLiteral("FROM `") + db + QStringLiteral("`.`langue` `L`"),
                                         QStringLiteral("WHERE UPPER(`L`.`code`) = :code")},
                                        {{QStringLiteral("code"), MajusculesAscii(Code)}});
    return Unique(ds);
}

std::unique_ptr<TCLangue> TCLangue::FindByLibelle(const QString& Libelle, const QString& Annee) {
    if (EstVide(Libelle))
        Echouer(QStringLiteral("Vous devez indiquer le libellé."));
    if (EstVide(Annee))
        Echouer(MsgIndiquerAnnee);
    const QString db = BaseAnnee(Annee);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeLangueFindByLibelle"));
    TClientDataSet& ds = requete.Ouvrir({QStringLiteral("SELECT `L`.`id`, `L`.`code`, `L`.`libelle`"),
                                         QStringLiteral("FROM `") + db + QStringLiteral("`.`langue` `L`"),
                                         QStringLiteral("WHERE UPPER(`L`.`libelle`) = :libelle")},
                                        {{QStringLiteral("libelle"), MajusculesAscii(Libelle)}});
    return Unique(ds);
}

std::unique_ptr<TCLangue> TCLangue::FindById(const QString& Annee, int Id) {
    if (Id < 1)
        Echouer(QStringLiteral("Vous devez passer l'identifiant en paramètre."));
    const QString db = BaseAnnee(Annee);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeLangueFindById"));
    TClientDataSet& ds = requete.Ouvrir({QStringLiteral("SELECT `L`.`id`, `L`.`code`, `L`.`libelle` FROM `") +
                                         db + QStringLiteral("`.`langue` `L` WHERE `L`.`id` = :id")},
                                        {{QStringLiteral("id"), Id}});
    std::unique_ptr<TCLangue> langue;
    for (ds.First(); !ds.Eof(); ds.Next())
        langue = Langue(ds);
    return langue;
}

void TCLangue::LoadComboboxLangue(QComboBox* Combobox, const QString& Annee) {
    if (Combobox == nullptr)
        Echouer(MsgComposantNull);
    const QString db = BaseAnnee(Annee);
    if (Combobox->count() > 0)
        FreeComboboxObjects(Combobox);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeLoadComboboxLangue"));
    TClientDataSet& ds = requete.Ouvrir({QStringLiteral("SELECT `L`.`id`, `L`.`code`, `L`.`libelle` FROM `") +
                                         db + QStringLiteral("`.`langue` `L` ORDER BY `L`.`Libelle` ASC")});
    for (ds.First(); !ds.Eof(); ds.Next()) {
        std::unique_ptr<TCLangue> langue = Langue(ds);
        const QString texte = langue->GetLibelle();
        AjouterObjetCombo(Combobox, texte, std::move(langue));
    }
    Combobox->setCurrentIndex(-1);
}

void TCLangue::FreeComboboxLangue(QComboBox* Combobox) {
    FreeComboboxObjects(Combobox);
}
