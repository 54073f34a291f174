#pragma once

#include "core/model/UniteCLangue.h"
#include "core/model/UniteCObjet.h"

#include <QString>
#include <memory>

class QComboBox;

// A section of the school, taught in one language (table section). The section owns its language.
class TCSection : public TCObjet {
public:
    TCSection(int Id, const QString& Code, const QString& Libelle, std::unique_ptr<TCLangue> Langue);
    TCSection(const QString& Code, const QString& Libelle, std::unique_ptr<TCLangue> Langue);
    // A copy with a language of its own.
    TCSection(const TCSection& Section);

    int GetId() const { return Id; }
    void SetId(int Valeur) { Id = Valeur; }
    const QString& GetCode() const { return Code; }
    void SetCode(const QString& Valeur) { Code = Valeur; }
    const QString& GetLibelle() const { return Libelle; }
    void SetLibelle(const QString& Valeur) { Libelle = Valeur; }
    TCLangue* GetLangue() const { return Langue.get(); }
    // Takes the language over; the previous one is released.
    void SetLangue(std::unique_ptr<TCLangue> Valeur) { Langue = std::move(Valeur); }

    // Fills the box with the sections by code (after "Toutes les sections" when WithAllOption), nothing
    // selected.
    static void LoadCombobox(QComboBox* Combobox, const QString& Annee, bool WithAllOption);
    static void FreeCombobox(QComboBox* Combobox);

    // The last row read.
    static std::unique_ptr<TCSection> FindById(int Id, const QString& Annee);
    // Unique look-ups: two matching rows raise "Impossible de renvoyer un résultat unique.".
    static std::unique_ptr<TCSection> FindByCode(const QString& Code, const QString& Annee);
    static std::unique_ptr<TCSection> FindByLibelle(const QString& Libelle, const QString& Annee);
    static std::unique_ptr<TCSection> FindByLangue(int IdLangue, const QString& Annee);

private:
    int Id = 0;
    QString Code;
    QString Libelle;
    std::unique_ptr<TCLangue> Langue;
};
