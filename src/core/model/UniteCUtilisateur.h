#pragma once

#include "core/model/UniteCObjet.h"

#include <QString>

class QComboBox;

// An account of the suite in a year database (table utilisateur). MotDePasse is the stored SHA-1 digest,
// never the clear password.
class TCUtilisateur : public TCObjet {
public:
    TCUtilisateur(const QString& Login, const QString& MotDePasse, const QString& Etat, const QString& Nom,
                  const QString& IsEnseignant);

    const QString& GetLogin() const { return Login; }
    void SetLogin(const QString& Valeur) { Login = Valeur; }
    const QString& GetMotDePasse() const { return MotDePasse; }
    void SetMotDePasse(const QString& Valeur) { MotDePasse = Valeur; }
    const QString& GetEtat() const { return Etat; }
    void SetEtat(const QString& Valeur) { Etat = Valeur; }
    const QString& GetNom() const { return Nom; }
    void SetNom(const QString& Valeur) { Nom = Valeur; }
    const QString& GetIsEnseignant() const { return IsEnseignant; }
    void SetIsEnseignant(const QString& Valeur) { IsEnseignant = Valeur; }

    // Appends the users of year Annee by name (only active ones with OnlyActif), after "Tout" when
    // WithAllOption; selects the first item when there is one.
    static void LoadCombobox(QComboBox* ComboBox, const QString& Annee, bool OnlyActif, bool WithAllOption);
    static void FreeCombobox(QComboBox* ComboBox);
    // Whether year SchoolYear has an account with that login.
    static bool Exists(const QString& Login, const QString& SchoolYear);

private:
    QString Login;
    QString MotDePasse;
    QString Etat;
    QString Nom;
    QString IsEnseignant;
};
