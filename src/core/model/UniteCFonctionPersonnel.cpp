#include "core/model/UniteCFonctionPersonnel.h"

#include "base/KorvenUtils.h"
#include "core/data/OBDataModuleU.h"
#include "core/model/OutilsModele.h"

#include <QComboBox>

using namespace Modele;

TCFonctionPersonnel::TCFonctionPersonnel(int Id, const QString& Code, const QString& Nom,
                                         const QString& Description)
    : Id(Id), Code(Code), Nom(Nom), Description(Description) {}

TCFonctionPersonnel::TCFonctionPersonnel(int Id, const QString& Code, const QString& Nom)
    : Id(Id), Code(Code), Nom(Nom) {}

TCFonctionPersonnel::TCFonctionPersonnel(const QString& Code, const QString& Nom, const QString& Description)
    : Code(Code), Nom(Nom), Description(Description) {}

TCFonctionPersonnel::TCFonctionPersonnel(const QString& Code, const QString& Nom) : Code(Code), Nom(Nom) {}

TCFonctionPersonnel::TCFonctionPersonnel(const TCFonctionPersonnel& Fonction)
    : TCObjet(Fonction), Id(Fonction.Id), Code(Fonction.Code), Nom(Fonction.Nom),
      Description(Fonction.Description) {}

namespace {

const QString Colonnes = QStringLiteral("SELECT F.id, F.code, F.nom, F.description FROM fonction F");

std::unique_ptr<TCFonctionPersonnel> Fonction(const TClientDataSet& ds) {
    return std::make_unique<TCFonctionPersonnel>(ds.FieldByName(QStringLiteral("id")).AsInteger(),
                                                 ds.FieldByName(QStringLiteral("code")).AsString(),
                                                 ds.FieldByName(QStringLiteral("nom")).AsString(),
                                                 ds.FieldByName(QStringLiteral("description")).AsString());
}

// Reads through the shared read chain, then closes its statement whatever happens.
std::unique_ptr<TCFonctionPersonnel> Chercher(const QString& ligne, const TParams& parametres = {}) {
    struct Fermeture {
        ~Fermeture() {
            if (OBDataModule != nullptr)
                OBDataModule->SQLQueryDonnees1->Close();
        }
    } fermeture;
    TClientDataSet& ds = OuvrirDonnees1({ligne}, parametres);
    if (ds.RecordCount() != 1)
        return nullptr;
    ds.First();
    return Fonction(ds);
}

} // namespace

void TCFonctionPersonnel::LoadComboboxFonctionPersonnel(QComboBox* Combobox, bool WithAllOption,
                                                        bool WithEmptyOption) {
    if (Combobox == nullptr)
        Echouer(MsgComposantNull);
    TClientDataSet& ds = OuvrirDonnees1({Colonnes + QStringLiteral(" ORDER BY F.nom ASC, F.code ASC")});
    FreeComboboxFonctionPersonnel(Combobox);
    if (WithAllOption)
        AjouterObjetCombo(
            Combobox, QStringLiteral("Tout"),
            std::make_unique<TCFonctionPersonnel>(-1, QStringLiteral("Tout"), QStringLiteral("Tout")));
    else if (WithEmptyOption)
        AjouterObjetCombo(Combobox, QString(),
                          std::make_unique<TCFonctionPersonnel>(-1, QString(), QString()));
    for (ds.First(); !ds.Eof(); ds.Next()) {
        std::unique_ptr<TCFonctionPersonnel> fonction = Fonction(ds);
        const QString texte = fonction->GetNom();
        AjouterObjetCombo(Combobox, texte, std::move(fonction));
    }
    Combobox->setCurrentIndex(-1);
}

void TCFonctionPersonnel::FreeComboboxFonctionPersonnel(QComboBox* Combobox) {
    FreeComboboxObjects(Combobox);
}

std::unique_ptr<TCFonctionPersonnel> TCFonctionPersonnel::FindById(int Id) {
    return Chercher(Colonnes + QStringLiteral(" WHERE F.id = :id"), {{QStringLiteral("id"), Id}});
}

std::unique_ptr<TCFonctionPersonnel> TCFonctionPersonnel::FindByCode(const QString& Code) {
    return Chercher(Colonnes + QStringLiteral(" WHERE F.code = ") + ChaineSQL(Code));
}

std::unique_ptr<TCFonctionPersonnel> TCFonctionPersonnel::FindByNom(const QString& Nom) {
    return Chercher(Colonnes + QStringLiteral(" WHERE F.nom = ") + ChaineSQL(Nom));
}
