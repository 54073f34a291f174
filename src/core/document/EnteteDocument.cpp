#include "core/document/EnteteDocument.h"

#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"
#include "core/model/UnitParametres.h"

namespace {

QString Parametre(const QString& AnneeScolaire, const char* Nom) {
    return TParametre::GetParamValueText(AnneeScolaire, QString::fromLatin1(Nom), QString());
}

} // namespace

void InitDocumentsHeader(bool AppliquerLogo, TLogoDocument& Logo, QString& NomFr, QString& NomEn,
                         QString& DeviseFr, QString& DeviseEn, QString& AdresseFr, QString& AdresseEn,
                         QString& AnneeFr, QString& AnneeEn, const QString& AnneeScolaire) {
    {
        TRequete requete(Modele::ConnexionAnnee(), QStringLiteral("providerdonneeInitDocumentsHeader"));
        TClientDataSet& ds =
            requete.Ouvrir({QStringLiteral("SELECT nom_fr"), QStringLiteral("FROM configuration")});
        if (!ds.IsEmpty()) {
            ds.First();
            NomFr = ds.FieldByName(QStringLiteral("nom_fr")).AsString();
        }
    }
    NomEn = Parametre(AnneeScolaire, "KORVEN_SCHOOL_NAME_EN");
    DeviseFr = Parametre(AnneeScolaire, "KORVEN_SCHOOL_DEVISE_FR");
    DeviseEn = Parametre(AnneeScolaire, "KORVEN_SCHOOL_DEVISE_EN");
    // Each address line reads its three parameters.
    AdresseFr = QStringLiteral("B.P. ") + Parametre(AnneeScolaire, "KORVEN_SCHOOL_POBOX") +
                QStringLiteral(" Tél. ") + Parametre(AnneeScolaire, "KORVEN_SCHOOL_PHONE_NUMBER") +
                QLatin1Char(' ') + Parametre(AnneeScolaire, "KORVEN_SCHOOL_CITY");
    AdresseEn = QStringLiteral("P.O. Box ") + Parametre(AnneeScolaire, "KORVEN_SCHOOL_POBOX") +
                QStringLiteral(" Phone ") + Parametre(AnneeScolaire, "KORVEN_SCHOOL_PHONE_NUMBER") +
                QLatin1Char(' ') + Parametre(AnneeScolaire, "KORVEN_SCHOOL_CITY");
    AnneeFr = QStringLiteral("Année scolaire: ") + AnneeScolaire;
    AnneeEn = QStringLiteral("Academic year: ") + AnneeScolaire;
    if (AppliquerLogo &&
        TParametre::GetParamValueText(AnneeScolaire, QStringLiteral("REPORT_DISPLAY_LOGO_ON_REPORT"),
                                      QStringLiteral("1")) == QLatin1String("0")) {
        Logo.Visible = false;
        return;
    }
    Logo.Visible = true;
    Logo.Image = TParametre::GetParamValueBlob(AnneeScolaire, QStringLiteral("KORVEN_LOGO_ETABLISSEMENT"),
                                               std::nullopt);
}

void InitDocumentsHeader(bool AppliquerLogo, TEnteteDocument& Entete, const QString& AnneeScolaire) {
    InitDocumentsHeader(AppliquerLogo, Entete.Logo, Entete.NomFr, Entete.NomEn, Entete.DeviseFr,
                        Entete.DeviseEn, Entete.AdresseFr, Entete.AdresseEn, Entete.AnneeFr, Entete.AnneeEn,
                        AnneeScolaire);
}
