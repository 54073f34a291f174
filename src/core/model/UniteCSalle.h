#pragma once

#include "core/model/UniteCObjet.h"

#include <QString>

class QComboBox;

// A room (table salle).
class TCSalle : public TCObjet {
public:
    TCSalle(const QString& Nom, const QString& Description, int NombreDePlace);
    TCSalle(int Id, const QString& Nom, const QString& Description, int NombreDePlace);
    TCSalle(const TCSalle& Salle);

    int GetId() const { return Id; }
    void SetId(int Valeur) { Id = Valeur; }
    const QString& GetNom() const { return Nom; }
    void SetNom(const QString& Valeur) { Nom = Valeur; }
    const QString& GetDescription() const { return Description; }
    void SetDescription(const QString& Valeur) { Description = Valeur; }
    int GetNombreDePlace() const { return NombreDePlace; }
    void SetNombreDePlace(int Valeur) { NombreDePlace = Valeur; }

    // The rooms of year Annee by name, after "(Toute les Salles)" when WithAllOption; selects the first item.
    static void LoadComboboxSalle(QComboBox* Combobox, const QString& Annee, bool WithAllOption);

private:
    int Id = 0;
    QString Nom;
    QString Description;
    int NombreDePlace = 0;
};
