#pragma once

#include "core/model/UniteCObjet.h"

#include <QString>
#include <memory>

class QComboBox;

// An official examination (table examens).
class TCExamen : public TCObjet {
public:
    TCExamen(int Id, const QString& Nom);
    TCExamen(const TCExamen& Examen);

    int GetId() const { return Id; }
    void SetId(int Valeur) { Id = Valeur; }
    const QString& GetNom() const { return Nom; }
    void SetNom(const QString& Valeur) { Nom = Valeur; }

    // The last row read, or none.
    static std::unique_ptr<TCExamen> FindByNom(const QString& Nom, const QString& Annee);
    // The examination only when exactly one row has that number; none otherwise, without error.
    static std::unique_ptr<TCExamen> FindByID(int Id, const QString& Annee);
    // Fills the box with the examinations by number, nothing selected.
    static void LoadComboboxExamen(QComboBox* Combobox, const QString& Annee);

private:
    int Id = 0;
    QString Nom;
};
