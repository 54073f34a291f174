#include "core/model/UniteCDepartement.h"

#include "base/KorvenUtils.h"
#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"

#include <QComboBox>

using namespace Modele;

TCDepartement::TCDepartement(int Num, const QString& Nom) : Num(Num), Nom(Nom) {}

TCDepartement::TCDepartement(const QString& Nom) : Nom(Nom) {}

TCDepartement::TCDepartement(const TCDepartement& Departement)
    : TCObjet(Departement), Num(Departement.Num), Nom(Departement.Nom) {}

namespace {

std::unique_ptr<TCDepartement> Departement(const TClientDataSet& ds) {
    return std::make_unique<TCDepartement>(ds.FieldByName(QStringLiteral("num")).AsInteger(),
                                           ds.FieldByName(QStringLiteral("nom")).AsString());
}

} // namespace

std::unique_ptr<TCDepartement> TCDepartement::FindByNom(const QString& Annee, const QString& Nom) {
    const QString db = BaseAnnee(Annee);
    if (EstVide(Nom))
        Echouer(QStringLiteral("Vous devez passer le nom du département."));
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonnee"));
    TClientDataSet& ds =
        requete.Ouvrir({QStringLiteral("SELECT `D`.`num`, `D`.`nom`"),
                        QStringLiteral("FROM `") + db + QStringLiteral("`.`departement` `D`"),
                        QStringLiteral("WHERE `D`.`nom` = ") + ChaineSQL(Nom)});
    std::unique_ptr<TCDepartement> departement;
    for (ds.First(); !ds.Eof(); ds.Next())
        departement = Departement(ds);
    return departement;
}

void TCDepartement::LoadCombobox(QComboBox* ComboBox, const QString& Annee, bool WithAllOption) {
    if (ComboBox == nullptr)
        Echouer(MsgComposantNull);
    const QString db = BaseAnnee(Annee);
    FreeCombobox(ComboBox);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonnee"));
    TClientDataSet& ds =
        requete.Ouvrir({QStringLiteral("SELECT `D`.`num`, `D`.`nom`"),
                        QStringLiteral("FROM `") + db + QStringLiteral("`.`departement` `D`"),
                        QStringLiteral("ORDER BY `D`.`nom` ASC")});
    if (WithAllOption)
        AjouterObjetCombo(ComboBox, QStringLiteral("Tout les départements"),
                          std::make_unique<TCDepartement>(-1, QStringLiteral("Tout les départements")));
    for (ds.First(); !ds.Eof(); ds.Next()) {
        std::unique_ptr<TCDepartement> departement = Departement(ds);
        const QString texte = departement->GetNom();
        AjouterObjetCombo(ComboBox, texte, std::move(departement));
    }
    if (ComboBox->count() > 0)
        ComboBox->setCurrentIndex(0);
}

void TCDepartement::FreeCombobox(QComboBox* ComboBox) {
    FreeComboboxObjects(ComboBox);
}
