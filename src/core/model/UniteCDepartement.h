#pragma once

#include "core/model/UniteCObjet.h"

#include <QString>
#include <memory>

class QComboBox;

// A teaching department (table departement).
class TCDepartement : public TCObjet {
public:
    TCDepartement(int Num, const QString& Nom);
    explicit TCDepartement(const QString& Nom);
    TCDepartement(const TCDepartement& Departement);

    const QString& GetNom() const { return Nom; }
    void SetNom(const QString& Valeur) { Nom = Valeur; }
    int GetNum() const { return Num; }

    // The department of that name in year Annee (the last row read), or none.
    static std::unique_ptr<TCDepartement> FindByNom(const QString& Annee, const QString& Nom);
    // The departments of year Annee by name, after "Tout les départements" (Num -1) when WithAllOption;
    // selects the first item.
    static void LoadCombobox(QComboBox* ComboBox, const QString& Annee, bool WithAllOption);
    static void FreeCombobox(QComboBox* ComboBox);

private:
    int Num = 0;
    QString Nom;
};
