#pragma once

#include "core/model/UniteCObjet.h"

#include <QString>

// A staff grade with its weekly teaching hours (table grade).
class TCGrade : public TCObjet {
public:
    TCGrade(const QString& Code, const QString& Intitule, int VolumeHoraireHebdomadaire);
    TCGrade(int Id, const QString& Code, const QString& Intitule, int VolumeHoraireHebdomadaire);
    TCGrade(const TCGrade& Grade);

    int GetId() const { return Id; }
    void SetId(int Valeur) { Id = Valeur; }
    const QString& GetCode() const { return Code; }
    void SetCode(const QString& Valeur) { Code = Valeur; }
    const QString& GetIntitule() const { return Intitule; }
    void SetIntitule(const QString& Valeur) { Intitule = Valeur; }
    int GetVolumeHoraireHebdomadaire() const { return VolumeHoraireHebdomadaire; }
    void SetVolumeHoraireHebdomadaire(int Valeur) { VolumeHoraireHebdomadaire = Valeur; }

private:
    int Id = 0;
    QString Code;
    QString Intitule;
    int VolumeHoraireHebdomadaire = 0;
};
