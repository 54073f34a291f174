#include "core/model/UniteCGrade.h"

TCGrade::TCGrade(const QString& Code, const QString& Intitule, int VolumeHoraireHebdomadaire)
    : Code(Code), Intitule(Intitule), VolumeHoraireHebdomadaire(VolumeHoraireHebdomadaire) {}

TCGrade::TCGrade(int Id, const QString& Code, const QString& Intitule, int VolumeHoraireHebdomadaire)
    : Id(Id), Code(Code), Intitule(Intitule), VolumeHoraireHebdomadaire(VolumeHoraireHebdomadaire) {}

TCGrade::TCGrade(const TCGrade& Grade)
    : TCObjet(Grade), Id(Grade.Id), Code(Grade.Code), Intitule(Grade.Intitule),
      VolumeHoraireHebdomadaire(Grade.VolumeHoraireHebdomadaire) {}
