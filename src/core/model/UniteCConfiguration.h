#pragma once

#include "core/model/UniteCObjet.h"
#include "core/model/UniteImage.h"

#include <QString>

// The school's configuration record (first row of table configuration), filled once at sign-in and held by
// the wizard. It holds copies of the values read; a null column gives the empty text, 0 or an empty picture.
class TCConfiguration : public TCObjet {
public:
    TCConfiguration(const QString& NomFr, const QString& NomEn, const QString& DeviseFr,
                    const QString& DeviseEn, const QString& BoitePostale, const QString& CiviliteResponsable,
                    const QString& NomResponsable, const QString& PrefixeQualiteResponsable,
                    const QString& QualiteResponsable, const QString& Telephone, const QString& Fax,
                    const QString& Adresse, const QString& Localisation, const QString& Ville,
                    const QString& PrefixeRegion, const QString& Region, const QString& RegionEn,
                    const QString& PrefixeDepartement, const QString& Departement,
                    const QString& DepartementEn, const QString& PrefixeArrondissement,
                    const QString& Arrondissement, const QString& FormatBulletin, const QString& LogoBul,
                    int MinSequence, const TImage& Logo, const TImage& SignatureResponsable, int AgeMinimal,
                    int AgeMaximal, const QString& ProfilBul, const QString& HeureDueEmploisDeTemps);

    const QString& GetNomFr() const { return NomFr; }
    const QString& GetNomEn() const { return NomEn; }
    const QString& GetDeviseFr() const { return DeviseFr; }
    const QString& GetDeviseEn() const { return DeviseEn; }
    const QString& GetBoitePostale() const { return BoitePostale; }
    const QString& GetCiviliteResponsable() const { return CiviliteResponsable; }
    const QString& GetNomResponsable() const { return NomResponsable; }
    const QString& GetPrefixeQualiteResponsable() const { return PrefixeQualiteResponsable; }
    const QString& GetQualiteResponsable() const { return QualiteResponsable; }
    const QString& GetTelephone() const { return Telephone; }
    const QString& GetFax() const { return Fax; }
    const QString& GetAdresse() const { return Adresse; }
    const QString& GetLocalisation() const { return Localisation; }
    const QString& GetVille() const { return Ville; }
    const QString& GetPrefixeRegion() const { return PrefixeRegion; }
    const QString& GetRegion() const { return Region; }
    const QString& GetRegionEn() const { return RegionEn; }
    const QString& GetPrefixeDepartement() const { return PrefixeDepartement; }
    const QString& GetDepartement() const { return Departement; }
    const QString& GetDepartementEn() const { return DepartementEn; }
    const QString& GetPrefixeArrondissement() const { return PrefixeArrondissement; }
    const QString& GetArrondissement() const { return Arrondissement; }
    int GetMinSequence() const { return MinSequence; }
    const TImage& GetLogo() const { return Logo; }
    int GetAgeMinimal() const { return AgeMinimal; }
    int GetAgeMaximal() const { return AgeMaximal; }
    const TImage& GetSignatureResponsable() const { return SignatureResponsable; }
    const QString& GetFormatBulletin() const { return FormatBulletin; }
    const QString& GetLogoBul() const { return LogoBul; }
    const QString& GetProfilBul() const { return ProfilBul; }
    const QString& GetHeureDueEmploisDeTemps() const { return HeureDueEmploisDeTemps; }

private:
    QString NomFr;
    QString NomEn;
    QString DeviseFr;
    QString DeviseEn;
    QString BoitePostale;
    QString CiviliteResponsable;
    QString NomResponsable;
    QString PrefixeQualiteResponsable;
    QString QualiteResponsable;
    QString Telephone;
    QString Fax;
    QString Adresse;
    QString Localisation;
    QString Ville;
    QString PrefixeRegion;
    QString Region;
    QString RegionEn;
    QString PrefixeDepartement;
    QString Departement;
    QString DepartementEn;
    QString PrefixeArrondissement;
    QString Arrondissement;
    int MinSequence = 0;
    TImage Logo;
    int AgeMinimal = 0;
    int AgeMaximal = 0;
    TImage SignatureResponsable;
    QString FormatBulletin;
    QString LogoBul;
    QString ProfilBul;
    QString HeureDueEmploisDeTemps;
};
