#include "core/model/UniteCExamen.h"

#include "base/KorvenUtils.h"
#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"

#include <QComboBox>

using namespace Modele;

TCExamen::TCExamen(int Id, const QString& Nom) : Id(Id), Nom(Nom) {}

TCExamen::TCExamen(const TCExamen& Examen) : TCObjet(Examen), Id(Examen.Id), Nom(Examen.Nom) {}

namespace {

std::unique_ptr<TCExamen> Examen(const TClientDataSet& ds) {
    return std::make_unique<TCExamen>(ds.FieldByName(QStringLiteral("num")).AsInteger(),
                                      ds.FieldByName(QStringLiteral("nom")).AsString());
}

} // namespace

std::unique_ptr<TCExamen> TCExamen::FindByNom(const QString& Nom, const QString& Annee) {
    if (EstVide(Nom))
        Echouer(QStringLiteral("Vous devez passer le nom de l'examen en paramètre."));
    const QString db = BaseAnnee(Annee);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeExamenFindByNom"));
    TClientDataSet& ds = requete.Ouvrir({QStringLiteral("SELECT `E`.`num`, `E`.`nom` FROM `") + db +
                                         QStringLiteral("`.`examens` `E` WHERE `E`.`nom` = :nom")},
                                        {{QStringLiteral("nom"), Nom}});
    std::unique_ptr<TCExamen> examen;
    for (ds.First(); !ds.Eof(); ds.Next())
        examen = Examen(ds);
    return examen;
}

std::unique_ptr<TCExamen> TCExamen::FindByID(int Id, const QString& Annee) {
    const QString db = BaseAnnee(Annee);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeExamenFindByID"));
    TClientDataSet& ds = requete.Ouvrir({QStringLiteral("SELECT `E`.`num`, `E`.`nom` FROM `") + db +
                                         QStringLiteral("`.`examens` `E` WHERE `E`.`num` = :num")},
                                        {{QStringLiteral("num"), Id}});
    if (ds.RecordCount() != 1)
        return nullptr;
    ds.First();
    return Examen(ds);
}

void TCExamen::LoadComboboxExamen(QComboBox* Combobox, const QString& Annee) {
    if (Combobox == nullptr)
        Echouer(MsgComposantNull);
    const QString db = BaseAnnee(Annee);
    if (Combobox->count() > 0)
        FreeComboboxObjects(Combobox);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeLoadComboboxExamen"));
    TClientDataSet& ds = requete.Ouvrir({QStringLiteral("SELECT `N`.`num`, `N`.`nom` FROM `") + db +
                                         QStringLiteral("`.`examens` `N` ORDER BY `N`.`num` ASC")});
    for (ds.First(); !ds.Eof(); ds.Next()) {
        std::unique_ptr<TCExamen> examen = Examen(ds);
        const QString texte = examen->GetNom();
        AjouterObjetCombo(Combobox, texte, std::move(examen));
    }
    Combobox->setCurrentIndex(-1);
}
