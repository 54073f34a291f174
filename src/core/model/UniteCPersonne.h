#pragma once

#include "core/model/UniteCObjet.h"

#include <QString>

// Any person of a year database (table personne): students and staff.
class TCPersonne : public TCObjet {
public:
    TCPersonne(const QString& Matricule, const QString& Nom, const QString& Prenom,
               const QString& Nationalite, const QString& Telephone, const QString& Adresse);
    // A copy of the six fields.
    TCPersonne(const TCPersonne& Personne);

    const QString& GetMatricule() const { return Matricule; }
    void SetMatrivule(const QString& Matrcule) { Matricule = Matrcule; }
    const QString& GetNom() const { return Nom; }
    void SetNom(const QString& Valeur) { Nom = Valeur; }
    const QString& GetPrenom() const { return Prenom; }
    void SetPrenom(const QString& Valeur) { Prenom = Valeur; }
    const QString& GetNationalite() const { return Nationalite; }
    void SetNationalite(const QString& Valeur) { Nationalite = Valeur; }
    const QString& GetTelephone() const { return Telephone; }
    void SetTelephone(const QString& Valeur) { Telephone = Valeur; }
    const QString& GetAdresse() const { return Adresse; }
    void SetAdresse(const QString& Valeur) { Adresse = Valeur; }

private:
    QString Matricule;
    QString Nom;
    QString Prenom;
    QString Nationalite;
    QString Telephone;
    QString Adresse;
};
