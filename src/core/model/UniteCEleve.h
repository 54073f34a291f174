#pragma once

#include "core/model/UniteCPersonne.h"
#include "core/model/UniteCSerie.h"
#include "core/model/UniteImage.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// A student of a year database (tables personne and eleve). The student owns its picture and its series of
// orientation; both are none by default. Flags are the texts "1" and "0". A date of birth that is not known
// is a null QDate.
class TCEleve : public TCPersonne {
public:
    // Identity copied from CPersonne, which stays the caller's.
    TCEleve(const TCPersonne& CPersonne, const QString& IdUnique, const QString& Pere, const QString& Mere,
            const QString& Tuteur, const QString& EnRegle, const QString& Redoublant,
            const QString& EnregistrePar, const QString& LieuNaissance, const QString& Classe,
            const QString& Sexe, double MontantVerse, const QDate& DateNaissance);
    // The same with the national identifier MatriculeNationnal: the form the sign-in uses.
    TCEleve(const TCPersonne& CPersonne, const QString& IdUnique, const QString& Pere, const QString& Mere,
            const QString& Tuteur, const QString& EnRegle, const QString& Redoublant,
            const QString& EnregistrePar, const QString& LieuNaissance, const QString& Classe,
            const QString& Sexe, const QString& MatriculeNationnal, double MontantVerse,
            const QDate& DateNaissance);
    // Nationality, telephone and address empty.
    TCEleve(const QString& IdUnique, const QString& Matricule, const QString& Nom, const QString& Prenom,
            const QString& Redoublant, const QString& EnRegle, const QString& Sexe);
    TCEleve(const QString& IdUnique, const QString& Matricule, const QString& Nom, const QString& Prenom,
            const QString& Redoublant, const QString& EnRegle, const QString& Sexe,
            const QString& LieuNaissance, const QDate& DateNaissance);
    // With the picture made from the bytes of a blob column (none when there are no bytes).
    TCEleve(const TCPersonne& CPersonne, const QString& IdUnique, const QString& Pere, const QString& Mere,
            const QString& LieuNaissance, const QString& Classe, const QString& Sexe,
            const QDate& DateNaissance, const QByteArray& Photo);
    // A copy with a picture and a series of its own.
    TCEleve(const TCEleve& Eleve);

    const QString& GetIdUnique() const { return IdUnique; }
    void SetIdUnique(const QString& Valeur) { IdUnique = Valeur; }
    const QString& GetPere() const { return Pere; }
    void SetPere(const QString& Valeur) { Pere = Valeur; }
    const QString& GetMere() const { return Mere; }
    void SetMere(const QString& Valeur) { Mere = Valeur; }
    const QString& GetTuteur() const { return Tuteur; }
    void SetTuteur(const QString& Valeur) { Tuteur = Valeur; }
    const QString& GetEnRegle() const { return EnRegle; }
    void SetEnRegle(const QString& Valeur) { EnRegle = Valeur; }
    double GetMontantVerse() const { return MontantVerse; }
    void SetMontantVerse(double Valeur) { MontantVerse = Valeur; }
    const QString& GetRedoublant() const { return Redoublant; }
    void SetRedoublant(const QString& Valeur) { Redoublant = Valeur; }
    const QString& GetEnregistrePar() const { return EnregistrePar; }
    void SetEnregistrePar(const QString& AnregistrePar) { EnregistrePar = AnregistrePar; }
    const QString& GetLieuNaissance() const { return LieuNaissance; }
    void SetLieuNaissance(const QString& Valeur) { LieuNaissance = Valeur; }
    const QString& GetClasse() const { return Classe; }
    void SetClasse(const QString& Valeur) { Classe = Valeur; }
    const QString& GetSexe() const { return Sexe; }
    void SetSexe(const QString& Valeur) { Sexe = Valeur; }
    const QDate& GetDateNaissance() const { return DateNaissance; }
    // The national student number (eleve.mat_nationnal); empty when the student has none.
    const QString& GetMatriculeNationnal() const { return MatriculeNationnal; }
    void SetDateNaissance(const QDate& Valeur) { DateNaissance = Valeur; }

    // The student's own picture, or nullptr.
    const TImage* GetPhoto() const { return Photo ? &*Photo : nullptr; }
    // Copies the given picture into the student's own; nullptr leaves the student without one.
    void SetPhoto(const TImage* Valeur);
    // A picture from the bytes of a blob column; no bytes leave the student without one.
    void SetPhoto(const QByteArray& Valeur);

    TCSerie* GetOrientationSerie() const { return OrientationSerie.get(); }
    // Takes the series over; the previous one is released.
    void SetOrientationSerie(std::unique_ptr<TCSerie> Valeur) { OrientationSerie = std::move(Valeur); }

    // The student of that matricule (connection's database), or none unless exactly one row.
    static std::unique_ptr<TCEleve> findByMatricule(const QString& Matricule);
    // Matricules of the class's students by name, excluded ones left out, with OnlyRegularSTudent only those
    // whose payments are in order; none when there is no row.
    static std::optional<QStringList>
    getListMatriculeByCodeClasse(const QString& Classe, bool OnlyRegularSTudent, const QString& Annee);
    // Students of the class who are not excluded.
    static int CountByClasse(const QString& AnneeScolaire, const QString& CodeClasse);
    // Sums of the year's valid instalments, valid payments and reductions of one student.
    static double GetMontantAVerser(const QString& Matricule, const QString& AnneeScolaire);
    static double GetMontantTotalVerse(const QString& Matricule, const QString& AnneeScolaire);
    static double GetMontantTotalReduction(const QString& Matricule, const QString& AnneeScolaire);
    // Owed minus reductions minus paid is exactly nothing (amounts compared to the cent).
    static bool IsEnRegle(const QString& Matricule, const QString& AnneeScolaire);

private:
    QString IdUnique;
    QString Pere;
    QString Mere;
    QString Tuteur;
    QString EnRegle;
    double MontantVerse = 0.0;
    QString Redoublant;
    QString EnregistrePar;
    QString LieuNaissance;
    QString Classe;
    QString Sexe;
    QString MatriculeNationnal;
    QDate DateNaissance;
    std::optional<TImage> Photo;
    std::unique_ptr<TCSerie> OrientationSerie;
};
