#pragma once

#include "core/model/UniteCObjet.h"

#include <QString>
#include <memory>

class QComboBox;

// A series (stream) of study (table series; examens_series ties series to examinations).
class TCSerie : public TCObjet {
public:
    explicit TCSerie(const QString& Nom);
    TCSerie(int Num, const QString& Nom);
    TCSerie(const TCSerie& Serie);

    int GetNum() const { return Num; }
    void SetNum(int Valeur) { Num = Valeur; }
    const QString& GetNom() const { return Nom; }
    void SetNom(const QString& Valeur) { Nom = Valeur; }

    // The last row read, or none.
    static std::unique_ptr<TCSerie> FindByNom(const QString& Nom, const QString& Annee);
    // The name of the last row whose name is not null; empty text when there is none.
    static QString FindNameByNum(int NumSerie, const QString& Annee);
    // Never none: no row raises "Aucune série trouvée avec l'identifiant N", two rows "Plus d'une série avec
    // le même identifiant N".
    static std::unique_ptr<TCSerie> FindObjectByNum(int NumSerie, const QString& Annee);

    // Every series by number, nothing selected.
    static void LoadComboboxSerie(QComboBox* Combobox, const QString& Annee);
    // The series of the examination of level CodeNiveau, by name, nothing selected.
    static void LoadComboboxSerie(QComboBox* Combobox, const QString& Annee, const QString& CodeNiveau);
    static void LoadComboboxSerie(QComboBox* Combobox, const QString& Annee, const char* CodeNiveau) {
        LoadComboboxSerie(Combobox, Annee, QString::fromUtf8(CodeNiveau));
    }
    // The series of examination ID_Examen, by name, nothing selected.
    static void LoadComboboxSerie(QComboBox* Combobox, const QString& Annee, int ID_Examen);
    // Every series by name, after "(Aucune)" (Num -1) when WithNoOption; nothing selected.
    static void LoadComboboxSerie(QComboBox* Combobox, const QString& Annee, bool WithNoOption);
    static void FreeComboboxSerie(QComboBox* Combobox);

private:
    int Num = 0;
    QString Nom;
};
