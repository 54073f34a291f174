#pragma once

#include "core/model/UniteCEnseignant.h"
#include "core/model/UniteCLangue.h"
#include "core/model/UniteCNiveau.h"
#include "core/model/UniteCObjet.h"
#include "core/model/UniteCSalle.h"
#include "core/model/UniteCSerie.h"

#include <QString>
#include <memory>

class QComboBox;

// A class of students in a school year (table classe). The class owns its nested objects (level, head
// teacher, series, language, room); each may be none. The loaders fill Id with 0 and never a head teacher.
class TCClasse : public TCObjet {
public:
    TCClasse(int Id, const QString& Code, const QString& Libelle, double MinCoefficient);
    TCClasse(int Id, std::unique_ptr<TCNiveau> CNiveau, const QString& Code, const QString& Libelle,
             double MinCoefficient);
    TCClasse(const QString& Code, const QString& Libelle);
    TCClasse(std::unique_ptr<TCNiveau> CNiveau, const QString& Code, const QString& Libelle);
    TCClasse(std::unique_ptr<TCNiveau> CNiveau, const QString& Code, const QString& Libelle,
             double MinCoefficient);
    TCClasse(int Id, std::unique_ptr<TCNiveau> CNiveau, const QString& Code, const QString& Libelle,
             double MinCoefficient, std::unique_ptr<TCEnseignant> Titulaire, std::unique_ptr<TCSerie> Serie,
             int Effectif, std::unique_ptr<TCLangue> Langue);
    TCClasse(int Id, std::unique_ptr<TCNiveau> CNiveau, const QString& Code, const QString& Libelle,
             double MinCoefficient, std::unique_ptr<TCEnseignant> Titulaire, std::unique_ptr<TCSerie> Serie,
             int Effectif, std::unique_ptr<TCLangue> Langue, std::unique_ptr<TCSalle> Salle);
    // A copy with nested objects of its own.
    TCClasse(const TCClasse& Classe);

    int GetId() const { return Id; }
    void SetId(int Valeur) { Id = Valeur; }
    TCNiveau* GetCNiveau() const { return CNiveau.get(); }
    void SetCNiveau(std::unique_ptr<TCNiveau> Valeur) { CNiveau = std::move(Valeur); }
    const QString& GetCode() const { return Code; }
    void SetCode(const QString& Valeur) { Code = Valeur; }
    const QString& GetLibelle() const { return Libelle; }
    void SetLibele(const QString& Valeur) { Libelle = Valeur; }
    double GetMinCoefficient() const { return MinCoefficient; }
    void SeMinCoefficient(double Valeur) { MinCoefficient = Valeur; }
    TCEnseignant* GetTitulaire() const { return Titulaire.get(); }
    TCSerie* GetSerie() const { return Serie.get(); }
    void SetSerie(std::unique_ptr<TCSerie> Valeur) { Serie = std::move(Valeur); }
    int GetEffectif() const { return Effectif; }
    void SetEffectif(int Valeur) { Effectif = Valeur; }
    TCLangue* GetLangue() const { return Langue.get(); }
    void SetLangue(std::unique_ptr<TCLangue> Valeur) { Langue = std::move(Valeur); }
    TCSalle* GetSalle() const { return Salle.get(); }
    void SetSalle(std::unique_ptr<TCSalle> Valeur) { Salle = std::move(Valeur); }

    // Loaders: the classes of year Annee (every table named with that year's database) in level order,
    // restricted to level CodeNiveau when it is not blank, after "Toute les classes" when WithAllOption;
    // the first item is selected.
    static void LoadComboboxClasse(QComboBox* Combobox, const QString& Annee, const QString& CodeNiveau,
                                   bool WithAllOption);
    // Also restricted to section IDSection unless it is -1.
    static void LoadComboboxClasse(QComboBox* Combobox, const QString& Annee, const QString& CodeNiveau,
                                   int IDSection, bool WithAllOption);
    // The classes whose level order is in OrdreDesNiveau, a parenthesised list of whole numbers such as
    // (3,4) (blank: every order), of section IDSection unless it is -1; shown as "[code] - name".
    static void LoadComboboxClasseByListeOrdreNiveauIdSection(QComboBox* Combobox, const QString& Annee,
                                                              const QString& OrdreDesNiveau, int IDSection,
                                                              bool WithAllOption);
    // The classes that have a lesson in room IdSalle.
    static void LoadComboboxClasseByIdSalle(QComboBox* Combobox, const QString& Annee,
                                            const QString& CodeNiveau, int IdSalle, bool WithAllOption);
    // The classes where teacher MatEnseignant teaches a subject.
    static void LoadComboboxClasseByEnseignant(QComboBox* Combobox, const QString& Annee,
                                               const QString& CodeNiveau, const QString& MatEnseignant,
                                               bool WithAllOption);
    // The classes whose form teacher is MatProfTitulaire.
    static void LoadComboboxClasseByProfTitutalire(QComboBox* Combobox, const QString& Annee,
                                                   const QString& CodeNiveau, const QString& MatProfTitulaire,
                                                   bool WithAllOption);
    static void FreeComboboxClasse(QComboBox* Combobox);

    // On the connection's own database.
    // The class of that code (the last row read), or none.
    static std::unique_ptr<TCClasse> FindByCode(const QString& Code);
    // The level code of the class, or empty text.
    static QString FindCodeNiveau(const QString& Code);
    // Students of the class who are not excluded (and, with EnRegle, whose payments are in order). A failure
    // is raised as "Une erreur est survenue : \r\n" followed by its message.
    static int GetEffectifByClasse(const QString& Code, bool EnRegle);
    // The codes of the level's classes (all classes when CodeNiveau is empty), each quoted, joined by ",".
    static QString GetListeClasseCodeByNiveauCode(const QString& Annee, const QString& CodeNiveau);
    // The codes of the section's classes (all classes with a level when IDSection is -1), as above.
    static QString GetListeClasseCodeBySectionID(const QString& Annee, int IDSection);

private:
    int Id = 0;
    std::unique_ptr<TCNiveau> CNiveau;
    QString Code;
    QString Libelle;
    double MinCoefficient = 0.0;
    std::unique_ptr<TCEnseignant> Titulaire;
    std::unique_ptr<TCSerie> Serie;
    int Effectif = 0;
    std::unique_ptr<TCLangue> Langue;
    std::unique_ptr<TCSalle> Salle;
};
