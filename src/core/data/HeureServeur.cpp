#include "core/data/HeureServeur.h"

#include "base/KORVENTypesU.h"
#include "core/data/OBDataModuleU.h"
#include "core/data/Requete.h"

QDateTime GetDateHeureServeur() {
    if (OBDataModule == nullptr)
        throw EKorven(QStringLiteral("Impossible de renvoyer l'heure du serveur."));
    TRequete requete(OBDataModule->OBOrbelanSQLConnection, QStringLiteral("ProviderDonnee"));
    TClientDataSet& resultat = requete.Ouvrir({QStringLiteral("SELECT NOW() AS date_time_now")});
    if (resultat.IsEmpty())
        throw EKorven(QStringLiteral("Impossible de renvoyer l'heure du serveur."));
    if (resultat.RecordCount() != 1)
        throw EKorven(QStringLiteral("Impossible de renvoyer un résultat unique."));
    return resultat.FieldByName(QStringLiteral("date_time_now")).AsDateTime();
}
