#include "core/model/UniteCSalle.h"

#include "base/KorvenUtils.h"
#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"

#include <QComboBox>

using namespace Modele;

TCSalle::TCSalle(const QString& Nom, const QString& Description, int NombreDePlace)
    : Nom(Nom), Description(Description), NombreDePlace(NombreDePlace) {}

TCSalle::TCSalle(int Id, const QString& Nom, const QString& Description, int NombreDePlace)
    : Id(Id), Nom(Nom), Description(Description), NombreDePlace(NombreDePlace) {}

TCSalle::TCSalle(const TCSalle& Salle)
    : TCObjet(Salle), Id(Salle.Id), Nom(Salle.Nom), Description(Salle.Description),
      NombreDePlace(Salle.NombreDePlace) {}

void TCSalle::LoadComboboxSalle(QComboBox* Combobox, const QString& Annee, bool WithAllOption) {
    if (Combobox == nullptr)
        Echouer(MsgComposantNull);
    const QString db = BaseAnnee(Annee);
    if (Combobox->count() > 0)
        FreeComboboxObjects(Combobox);
    if (WithAllOption)
        AjouterObjetCombo(Combobox, QStringLiteral("(Toute les Salles)"),
                          std::make_unique<TCSalle>(0, QStringLiteral("(Toute les Salles)"),
                                                    QStringLiteral("(Toute les Salles)"), 100));
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonnee"));
    TClientDataSet& ds =
        requete.Ouvrir({QStringLiteral("SELECT `S`.`id`, `S`.`nom`, `S`.`description`, `S`.`capacite`"),
                        QStringLiteral("FROM `") + db + QStringLiteral("`.`Salle` `S`"),
                        QStringLiteral("ORDER BY `S`.`nom` ASC")});
    for (ds.First(); !ds.Eof(); ds.Next()) {
        auto salle = std::make_unique<TCSalle>(ds.FieldByName(QStringLiteral("id")).AsInteger(),
                                               ds.FieldByName(QStringLiteral("nom")).AsString(),
                                               ds.FieldByName(QStringLiteral("description")).AsString(),
                                               ds.FieldByName(QStringLiteral("capacite")).AsInteger());
        const QString texte = salle->GetNom();
        AjouterObjetCombo(Combobox, texte, std::move(salle));
    }
    if (Combobox->count() > 0)
        Combobox->setCurrentIndex(0);
}
