#pragma once

#include "core/model/UniteCDepartement.h"
#include "core/model/UniteCFonctionPersonnel.h"
#include "core/model/UniteCGrade.h"
#include "core/model/UniteCPersonne.h"

#include <QString>
#include <memory>

class QComboBox;

// A teacher or other staff member (tables personne and personnel). The staff member owns its grade,
// department and function; each may be none.
class TCEnseignant : public TCPersonne {
public:
    // Identity copied from CPersonne, which stays the caller's; no department, no function.
    TCEnseignant(const TCPersonne& CPersonne, const QString& Statut, const QString& Niveau,
                 const QString& Specialite, const QString& Cni, std::unique_ptr<TCGrade> Grade,
                 const QString& Civilite);
    TCEnseignant(const QString& Matricule, const QString& Nom, const QString& Prenom,
                 const QString& Nationalite, const QString& Telephone, const QString& Adresse,
                 const QString& Statut, const QString& Niveau, const QString& Specialite, const QString& Cni,
                 std::unique_ptr<TCGrade> Grade, std::unique_ptr<TCDepartement> Departement,
                 std::unique_ptr<TCFonctionPersonnel> Fonction, const QString& Civilite);
    // A copy with a grade, a department and a function of its own (none where the source has none).
    TCEnseignant(const TCEnseignant& Enseignant);

    const QString& GetStatut() const { return Statut; }
    void SetStatut(const QString& Valeur) { Statut = Valeur; }
    const QString& GetNiveau() const { return Niveau; }
    void SetNiveau(const QString& Valeur) { Niveau = Valeur; }
    const QString& GetSpecialite() const { return Specialite; }
    void SetSpecialite(const QString& Valeur) { Specialite = Valeur; }
    const QString& GetCni() const { return Cni; }
    void SetCni(const QString& Valeur) { Cni = Valeur; }
    TCGrade* GetGrade() const { return Grade.get(); }
    // Takes the grade over; the previous one is released.
    void SetGrade(std::unique_ptr<TCGrade> Valeur) { Grade = std::move(Valeur); }
    const QString& GetCivilite() const { return Civilite; }
    void SetCivilite(const QString& Valeur) { Civilite = Valeur; }
    TCDepartement* GetDepartement() const { return Departement.get(); }
    TCFonctionPersonnel* GetFonction() const { return Fonction.get(); }

    // The staff member of that matricule with grade, function and (when set) department, from the
    // connection's database; none unless exactly one row.
    static std::unique_ptr<TCEnseignant> findByMatricule(const QString& Matricule);
    // Appends every staff member by name (after "Tous les enseignants" when WithAllOption) and selects the
    // first item. Reads through the shared read chain SQLQueryDonnees1.
    static void LoadComboBox(QComboBox* ComboBox, bool WithAllOption);

private:
    QString Statut;
    QString Niveau;
    QString Specialite;
    QString Cni;
    std::unique_ptr<TCDepartement> Departement;
    std::unique_ptr<TCGrade> Grade;
    std::unique_ptr<TCFonctionPersonnel> Fonction;
    QString Civilite;
};
