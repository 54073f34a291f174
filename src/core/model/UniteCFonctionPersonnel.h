#pragma once

#include "core/model/UniteCObjet.h"

#include <QString>
#include <memory>

class QComboBox;

// A staff function (table fonction). Its reads go through the data module's shared read chain
// SQLQueryDonnees1 on the connection's own database.
class TCFonctionPersonnel : public TCObjet {
public:
    TCFonctionPersonnel(int Id, const QString& Code, const QString& Nom, const QString& Description);
    TCFonctionPersonnel(int Id, const QString& Code, const QString& Nom);
    TCFonctionPersonnel(const QString& Code, const QString& Nom, const QString& Description);
    TCFonctionPersonnel(const QString& Code, const QString& Nom);
    TCFonctionPersonnel(const TCFonctionPersonnel& Fonction);

    int GetId() const { return Id; }
    void SetId(int Valeur) { Id = Valeur; }
    const QString& GetCode() const { return Code; }
    void SetCode(const QString& Valeur) { Code = Valeur; }
    const QString& GetNom() const { return Nom; }
    void SetNom(const QString& Valeur) { Nom = Valeur; }
    const QString& GetDescription() const { return Description; }
    void SetDescription(const QString& Valeur) { Description = Valeur; }

    // The functions by name, after "Tout" (WithAllOption) or an empty item (WithEmptyOption), both with Id
    // -1; nothing selected. The box is released only once the read has succeeded.
    static void LoadComboboxFonctionPersonnel(QComboBox* Combobox, bool WithAllOption, bool WithEmptyOption);
    static void FreeComboboxFonctionPersonnel(QComboBox* Combobox);

    // The function when exactly one row matches, none otherwise.
    static std::unique_ptr<TCFonctionPersonnel> FindById(int Id);
    static std::unique_ptr<TCFonctionPersonnel> FindByCode(const QString& Code);
    static std::unique_ptr<TCFonctionPersonnel> FindByNom(const QString& Nom);

private:
    int Id = 0;
    QString Code;
    QString Nom;
    QString Description;
};
