#include "core/model/EnregistrementNiveau.h"

#include "core/data/OBDataModuleU.h"
#include "core/model/OutilsModele.h"

QString CleNiveau(const QString& Texte) {
    QString sansEspaces = Texte;
    sansEspaces.remove(QLatin1Char(' '));
    return Modele::MajusculesAscii(sansEspaces);
}

bool NiveauExistant(const QString& Code, const QString& Nom) {
    Modele::ConnexionAnnee();
    TSQLQuery* lecture = OBDataModule->SQLQuery2;
    lecture->Preparer({QStringLiteral("SELECT * From niveau")});
    const TResultat niveaux = lecture->Lire();
    lecture->Close();
    const int colonneCode = niveaux.Colonne(QStringLiteral("code"));
    const int colonneNom = niveaux.Colonne(QStringLiteral("nom"));
    const QString code = CleNiveau(Code);
    const QString nom = CleNiveau(Nom);
    for (const QVariantList& ligne : niveaux.Lignes) {
        // A null name reads as the empty text.
        if (CleNiveau(TChamp(ligne.value(colonneNom)).AsString()) == nom ||
            CleNiveau(TChamp(ligne.value(colonneCode)).AsString()) == code)
            return true;
    }
    return false;
}

void EnregistrerNiveau(const QString& Code, const QString& Nom, int Ordre) {
    Modele::ConnexionAnnee();
    TSQLQuery* ecriture = OBDataModule->SQLQuery1;
    ecriture->Preparer(
        {QStringLiteral("INSERT INTO niveau (code, nom, ordre) VALUES(:code, :nom, :ordre)")},
        {{QStringLiteral("code"), Code}, {QStringLiteral("nom"), Nom}, {QStringLiteral("ordre"), Ordre}});
    ecriture->ExecSQL();
}
