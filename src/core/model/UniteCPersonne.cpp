#include "core/model/UniteCPersonne.h"

TCPersonne::TCPersonne(const QString& Matricule, const QString& Nom, const QString& Prenom,
                       const QString& Nationalite, const QString& Telephone, const QString& Adresse)
    : Matricule(Matricule), Nom(Nom), Prenom(Prenom), Nationalite(Nationalite), Telephone(Telephone),
      Adresse(Adresse) {}

TCPersonne::TCPersonne(const TCPersonne& Personne)
    : TCObjet(Personne), Matricule(Personne.Matricule), Nom(Personne.Nom), Prenom(Personne.Prenom),
      Nationalite(Personne.Nationalite), Telephone(Personne.Telephone), Adresse(Personne.Adresse) {}
