#pragma once

#include "core/model/UniteCObjet.h"
#include "core/model/UniteImage.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

// One named parameter of a year database (table parametres): a picture when TypeParam is "IM" (value in
// ValeurBlob), a text otherwise (value in ValeurText).
class TParametre : public TCObjet {
public:
    // A text parameter, no picture.
    TParametre(const QString& Nom, const QString& ValeurText, const QString& Description,
               const QString& TypeParam);
    // A picture parameter, empty text; the picture is made from the bytes (none when there are none).
    TParametre(const QString& Nom, const QString& Description, const QString& TypeParam,
               const QByteArray& ValeurBlob);
    TParametre(const QString& Nom, const QString& ValeurText, const QString& Description,
               const QString& TypeParam, const QByteArray& ValeurBlob);
    TParametre(const TParametre& Parametre);

    const QString& GetNom() const { return Nom; }
    void SetNom(const QString& Valeur) { Nom = Valeur; }
    const QString& GetValeurText() const { return ValeurText; }
    void SetValeurText(const QString& Valeur) { ValeurText = Valeur; }
    // The picture, or nullptr for none.
    const TImage* GetValeurBlob() const { return ValeurBlob ? &*ValeurBlob : nullptr; }
    // Copies the picture; nullptr for none.
    void SetValeurBlob(const TImage* Valeur);
    const QString& GetDescription() const { return Description; }
    void SetDescription(const QString& Valeur) { Description = Valeur; }
    const QString& GetTypeParam() const { return TypeParam; }
    void SetTypeParam(const QString& Valeur) { TypeParam = Valeur; }

    // The parameter Nom of year AnneeScolaire, or none.
    static std::unique_ptr<TParametre> GetByNom(const QString& AnneeScolaire, const QString& Nom);
    // The stored text (empty for a picture parameter), or DefaultValue when the parameter does not exist.
    static QString GetParamValueText(const QString& AnneeScolaire, const QString& Nom,
                                     const QString& DefaultValue);
    // The picture (none for a text parameter), or DefaultValue when the parameter does not exist.
    static std::optional<TImage> GetParamValueBlob(const QString& AnneeScolaire, const QString& Nom,
                                                   const std::optional<TImage>& DefaultValue);

    // Inserts the parameter or updates it. The account of the text-message service ("VESPERAL_SMS_API_
    // USER_NAME", "VESPERAL_SMS_API_PASSWORD") is stored encrypted.
    static void Update(const QString& AnneeScolaire, const QString& Nom, const QString& ValeurText,
                       const QString& Description, const QString& TypeParam, const TImage* ValeurBlob);
    static void Update(const QString& AnneeScolaire, const TParametre& Parametre);

private:
    QString Nom;
    QString ValeurText;
    std::optional<TImage> ValeurBlob;
    QString Description;
    QString TypeParam;
};
