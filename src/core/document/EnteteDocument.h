#pragma once

#include "core/model/UniteImage.h"

#include <QString>
#include <optional>

// The logo field of a printed document's header: shown or hidden, with a picture or none.
struct TLogoDocument {
    bool Visible = true;
    std::optional<TImage> Image;
};

// The school's identity in the header of a printed document: names, mottos, address lines and school year in
// French and English, and the logo. Texts start empty.
struct TEnteteDocument {
    TLogoDocument Logo;
    QString NomFr;
    QString NomEn;
    QString DeviseFr;
    QString DeviseEn;
    QString AdresseFr;
    QString AdresseEn;
    QString AnneeFr;
    QString AnneeEn;
};

// Fills the header fields of a document for year AnneeScolaire: the French name from the first row of
// configuration (the database the year connection opens; without a row the field keeps its text), the
// other texts from the year's parameters ("KORVEN_SCHOOL_NAME_EN", "KORVEN_SCHOOL_DEVISE_FR",
// "KORVEN_SCHOOL_DEVISE_EN", "KORVEN_SCHOOL_POBOX", "KORVEN_SCHOOL_PHONE_NUMBER", "KORVEN_SCHOOL_CITY"; a
// missing one gives the empty text), the logo from the picture parameter "KORVEN_LOGO_ETABLISSEMENT" (none
// when missing). With AppliquerLogo, the logo is hidden when "REPORT_DISPLAY_LOGO_ON_REPORT" (default "1") is
// "0". Errors (an empty year code, a database error) are raised once the look-up's objects are released.
void InitDocumentsHeader(bool AppliquerLogo, TLogoDocument& Logo, QString& NomFr, QString& NomEn,
                         QString& DeviseFr, QString& DeviseEn, QString& AdresseFr, QString& AdresseEn,
                         QString& AnneeFr, QString& AnneeEn, const QString& AnneeScolaire);

// The same, on the fields of one header.
void InitDocumentsHeader(bool AppliquerLogo, TEnteteDocument& Entete, const QString& AnneeScolaire);
