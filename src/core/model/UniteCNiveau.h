#pragma once

#include "core/model/UniteCExamen.h"
#include "core/model/UniteCObjet.h"
#include "core/model/UniteCSection.h"

#include <QString>
#include <memory>

class QComboBox;

// A study level (table niveau). The level owns its section and its examination.
class TCNiveau : public TCObjet {
public:
    TCNiveau(const QString& Code, const QString& Nom, int Ordre);
    TCNiveau(const QString& Code, const QString& Nom, int Ordre, std::unique_ptr<TCSection> Section);
    // A copy with a section of its own and no examination.
    TCNiveau(const TCNiveau& Niveau);

    int GetOrdre() const { return Ordre; }
    void SetOrdre(int Valeur) { Ordre = Valeur; }
    const QString& GetCode() const { return Code; }
    void SetCode(const QString& Valeur) { Code = Valeur; }
    const QString& GetNom() const { return Nom; }
    void SetNom(const QString& Valeur) { Nom = Valeur; }
    TCSection* GetSection() const { return Section.get(); }
    void SetSection(std::unique_ptr<TCSection> Valeur) { Section = std::move(Valeur); }
    TCExamen* GetExamen() const { return Examen.get(); }
    void SetExamen(std::unique_ptr<TCExamen> Valeur) { Examen = std::move(Valeur); }

    // Fills the box with the levels of section IdSection (-1: every section) in order, after "Tous les
    // niveaux" when WithAllOption; selects the first item. Reads the connection's own database.
    static void LoadComboboxNiveau(QComboBox* Combobox, const QString& Annee, int IdSection,
                                   bool WithAllOption);
    // The levels of section IdSection of year Annee in order; selects the first item.
    static void LoadComboNiveauBySection(QComboBox* Combobox, const QString& Annee, int IdSection);
    static void FreeComboboxNiveau(QComboBox* Combobox);

    // First-row look-ups on the connection's own database; none when no row.
    static std::unique_ptr<TCNiveau> FindByCode(const QString& Code, const QString& Annee);
    // The level of the same section whose order is one higher. None for a level without a section.
    static std::unique_ptr<TCNiveau> FindNiveauSuperieur(const TCNiveau* NiveauCourant, const QString& Annee);
    // NomChamp must be a plain column name of niveau.
    static std::unique_ptr<TCNiveau> FindByChamp(const QString& NomChamp, const QString& ValeurChamp,
                                                 const QString& Annee);
    static int CountByChamp(const QString& NomChamp, const QString& ValeurChamp, const QString& Annee);

    // Whether passing the level's examination is required for promotion: false when the level is not found
    // or its ex_req_pro is "0", true otherwise.
    static bool ExamenRequisPourPrommotion(const QString& Code, const QString& Annee);

private:
    int Ordre = 0;
    QString Code;
    QString Nom;
    std::unique_ptr<TCSection> Section;
    std::unique_ptr<TCExamen> Examen;
};
