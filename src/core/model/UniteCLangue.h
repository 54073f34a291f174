#pragma once

#include "core/model/UniteCObjet.h"

#include <QString>
#include <memory>

class QComboBox;

// A teaching language (table langue).
class TCLangue : public TCObjet {
public:
    TCLangue(const QString& Code, const QString& Libelle);
    TCLangue(int Id, const QString& Code, const QString& Libelle);
    TCLangue(const TCLangue& Langue);

    int GetId() const { return Id; }
    void SetId(int Valeur) { Id = Valeur; }
    const QString& GetCode() const { return Code; }
    void SetCode(const QString& Valeur) { Code = Valeur; }
    const QString& GetLibelle() const { return Libelle; }
    void SetLibelle(const QString& Valeur) { Libelle = Valeur; }

    // Look-ups in the database of year Annee. The entity returned belongs to the caller; none when no row.
    // Case of the letters a to z is ignored; two matching rows raise "Impossible de renvoyer un résultat
    // unique.".
    static std::unique_ptr<TCLangue> FindByCode(const QString& Code, const QString& Annee);
    static std::unique_ptr<TCLangue> FindByLibelle(const QString& Libelle, const QString& Annee);
    // The last row read.
    static std::unique_ptr<TCLangue> FindById(const QString& Annee, int Id);

    // Fills the box with the languages by name, nothing selected.
    static void LoadComboboxLangue(QComboBox* Combobox, const QString& Annee);
    static void FreeComboboxLangue(QComboBox* Combobox);

private:
    int Id = 0;
    QString Code;
    QString Libelle;
};
