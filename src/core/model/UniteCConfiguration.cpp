#include "core/model/UniteCConfiguration.h"

TCConfiguration::TCConfiguration(
    const QString& NomFr, const QString& NomEn, const QString& DeviseFr, const QString& DeviseEn,
    const QString& BoitePostale, const QString& CiviliteResponsable, const QString& NomResponsable,
    const QString& PrefixeQualiteResponsable, const QString& QualiteResponsable, const QString& Telephone,
    const QString& Fax, const QString& Adresse, const QString& Localisation, const QString& Ville,
    const QString& PrefixeRegion, const QString& Region, const QString& RegionEn,
    const QString& PrefixeDepartement, const QString& Departement, const QString& DepartementEn,
    const QString& PrefixeArrondissement, const QString& Arrondissement, const QString& FormatBulletin,
    const QString& LogoBul, int MinSequence, const TImage& Logo, const TImage& SignatureResponsable,
    int AgeMinimal, int AgeMaximal, const QString& ProfilBul, const QString& HeureDueEmploisDeTemps)
    : NomFr(NomFr), NomEn(NomEn), DeviseFr(DeviseFr), DeviseEn(DeviseEn), BoitePostale(BoitePostale),
      CiviliteResponsable(CiviliteResponsable), NomResponsable(NomResponsable),
      PrefixeQualiteResponsable(PrefixeQualiteResponsable), QualiteResponsable(QualiteResponsable),
      Telephone(Telephone), Fax(Fax), Adresse(Adresse), Localisation(Localisation), Ville(Ville),
      PrefixeRegion(PrefixeRegion), Region(Region), RegionEn(RegionEn),
      PrefixeDepartement(PrefixeDepartement), Departement(Departement), DepartementEn(DepartementEn),
      PrefixeArrondissement(PrefixeArrondissement), Arrondissement(Arrondissement), MinSequence(MinSequence),
      Logo(Logo), AgeMinimal(AgeMinimal), AgeMaximal(AgeMaximal), SignatureResponsable(SignatureResponsable),
      FormatBulletin(FormatBulletin), LogoBul(LogoBul), ProfilBul(ProfilBul),
      HeureDueEmploisDeTemps(HeureDueEmploisDeTemps) {}
