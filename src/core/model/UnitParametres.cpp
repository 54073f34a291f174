#include "core/model/UnitParametres.h"

#include "base/Chiffrement.h"
#include "base/KorvenUtils.h"
#include "core/data/OBDataModuleU.h"
#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"

using namespace Modele;

namespace {

const QString TypeImage = QStringLiteral("IM");

std::optional<TImage> Image(const QByteArray& octets) {
    if (octets.isEmpty())
        return std::nullopt;
    return TImage(octets);
}

// The parameters that hold the account of the text-message service: stored encrypted.
bool EstChiffre(const QString& Nom) {
    return Nom == QStringLiteral("VESPERAL_SMS_API_USER_NAME") ||
           Nom == QStringLiteral("VESPERAL_SMS_API_PASSWORD");
}

} // namespace

TParametre::TParametre(const QString& Nom, const QString& ValeurText, const QString& Description,
                       const QString& TypeParam)
    : Nom(Nom), ValeurText(ValeurText), Description(Description), TypeParam(TypeParam) {}

TParametre::TParametre(const QString& Nom, const QString& Description, const QString& TypeParam,
                       const QByteArray& ValeurBlob)
    : Nom(Nom), ValeurBlob(Image(ValeurBlob)), Description(Description), TypeParam(TypeParam) {}

TParametre::TParametre(const QString& Nom, const QString& ValeurText, const QString& Description,
                       const QString& TypeParam, const QByteArray& ValeurBlob)
    : Nom(Nom), ValeurText(ValeurText), ValeurBlob(Image(ValeurBlob)), Description(Description),
      TypeParam(TypeParam) {}

TParametre::TParametre(const TParametre& Parametre)
    : TCObjet(Parametre), Nom(Parametre.Nom), ValeurText(Parametre.ValeurText),
      ValeurBlob(Parametre.ValeurBlob), Description(Parametre.Description), TypeParam(Parametre.TypeParam) {}

void TParametre::SetValeurBlob(const TImage* Valeur) {
    if (Valeur == nullptr)
        ValeurBlob.reset();
    else
        ValeurBlob = *Valeur;
}

std::unique_ptr<TParametre> TParametre::GetByNom(const QString& AnneeScolaire, const QString& Nom) {
    const QString D = BaseAnnee(AnneeScolaire);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeGetParamByNom"));
    TClientDataSet& ds = requete.Ouvrir(
        {QStringLiteral(
             "SELECT `P`.`nom`, `P`.`valeur_text`, `P`.`valeur_blob`, `P`.`description`, `P`.`type_param`"),
         QStringLiteral("FROM `") + D + QStringLiteral("`.`parametres` `P`"),
         QStringLiteral("WHERE `P`.`nom` = ") + ChaineSQL(Nom)});
    if (ds.IsEmpty())
        return nullptr;
    ds.First();
    const auto texte = [&ds](const char* colonne) {
        return ds.FieldByName(QLatin1String(colonne)).AsString();
    };
    if (texte("type_param") == TypeImage)
        return std::make_unique<TParametre>(texte("nom"), texte("description"), texte("type_param"),
                                            ds.FieldByName(QStringLiteral("valeur_blob")).AsBytes());
    return std::make_unique<TParametre>(texte("nom"), texte("valeur_text"), texte("description"),
                                        texte("type_param"));
}

QString TParametre::GetParamValueText(const QString& AnneeScolaire, const QString& Nom,
                                      const QString& DefaultValue) {
    const std::unique_ptr<TParametre> parametre = GetByNom(AnneeScolaire, Nom);
    return parametre ? parametre->GetValeurText() : DefaultValue;
}

std::optional<TImage> TParametre::GetParamValueBlob(const QString& AnneeScolaire, const QString& Nom,
                                                    const std::optional<TImage>& DefaultValue) {
    const std::unique_ptr<TParametre> parametre = GetByNom(AnneeScolaire, Nom);
    if (!parametre)
        return DefaultValue;
    return parametre->ValeurBlob;
}

void TParametre::Update(const QString& AnneeScolaire, const QString& Nom, const QString& ValeurText,
                        const QString& Description, const QString& TypeParam, const TImage* ValeurBlob) {
    const QString D = BaseAnnee(AnneeScolaire);
    // A statement of its own, released on every path.
    TSQLQuery requete;
    requete.SQLConnection = ConnexionAnnee();
    const bool image = TypeParam == TypeImage;
    const bool existe = GetByNom(AnneeScolaire, Nom) != nullptr;
    QString texte;
    if (existe)
        texte = QStringLiteral("UPDATE `") + D + QStringLiteral("`.`parametres` SET `") +
                (image ? QStringLiteral("valeur_blob") : QStringLiteral("valeur_text")) +
                QStringLiteral("` = :") +
                (image ? QStringLiteral("valeur_blob") : QStringLiteral("valeur_text")) +
                QStringLiteral(", `description` = :description,") +
                QStringLiteral(" `type_param` = :type_param WHERE `nom` = :nom");
    else
        texte = QStringLiteral("INSERT INTO `") + D + QStringLiteral("`.`parametres`(`nom`, `") +
                (image ? QStringLiteral("valeur_blob") : QStringLiteral("valeur_text")) +
                QStringLiteral("`, `description`, `type_param`)") + QStringLiteral(" VALUES (:nom, :") +
                (image ? QStringLiteral("valeur_blob") : QStringLiteral("valeur_text")) +
                QStringLiteral(", :description, :type_param)");
    TParams parametres{{QStringLiteral("nom"), Nom}};
    if (image)
        parametres.append({QStringLiteral("valeur_blob"), ValeurBlob != nullptr && !ValeurBlob->EstVide()
                                                              ? QVariant(ValeurBlob->Octets())
                                                              : QVariant(QMetaType::fromType<QByteArray>())});
    else
        parametres.append({QStringLiteral("valeur_text"),
                           EstChiffre(Nom) ? CrypterTexte(ValeurText, PhraseSecrete) : ValeurText});
    parametres.append({QStringLiteral("description"), Description});
    parametres.append({QStringLiteral("type_param"), TypeParam});
    requete.Preparer({texte}, parametres);
    requete.ExecSQL();
}

void TParametre::Update(const QString& AnneeScolaire, const TParametre& Parametre) {
    Update(AnneeScolaire, Parametre.GetNom(), Parametre.GetValeurText(), Parametre.GetDescription(),
           Parametre.GetTypeParam(), Parametre.GetValeurBlob());
}
