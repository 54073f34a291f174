#include "core/model/OutilsModele.h"

#include "base/KORVENFonctionsU.h"
#include "base/KORVENTypesU.h"
#include "core/data/OBDataModuleU.h"

#include <QRegularExpression>

namespace Modele {

bool EstVide(const QString& texte) {
    for (const QChar c : texte)
        if (c.unicode() > 0x20)
            return false;
    return true;
}

QString MajusculesAscii(const QString& texte) {
    QString resultat = texte;
    for (QChar& c : resultat)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    return resultat;
}

void Echouer(const QString& message) {
    throw EKorven(message);
}

QString BaseAnnee(const QString& Annee) {
    if (EstVide(Annee))
        Echouer(MsgPasserAnnee);
    const QString base = NomBaseAnnee(Annee);
    static const QRegularExpression nomSimple(QStringLiteral("^[A-Za-z0-9_]+$"));
    if (!nomSimple.match(base).hasMatch())
        Echouer(QStringLiteral("L'année scolaire « %1 » ne correspond à aucun nom de base de données valide.")
                    .arg(Annee));
    return base;
}

void VerifierNomChamp(const QString& NomChamp) {
    static const QRegularExpression colonne(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!colonne.match(NomChamp).hasMatch())
        Echouer(QStringLiteral("« %1 » n'est pas un nom de champ valide.").arg(NomChamp));
}

void VerifierListeEntiers(const QString& Liste) {
    static const QRegularExpression liste(
        QStringLiteral("^\\s*\\(\\s*-?[0-9]+(\\s*,\\s*-?[0-9]+)*\\s*\\)\\s*$"));
    if (!liste.match(Liste).hasMatch())
        Echouer(QStringLiteral("« %1 » n'est pas une liste d'ordres de niveau valide : une liste de nombres "
                               "entiers entre parenthèses est attendue, par exemple (3,4).")
                    .arg(Liste));
}

TSQLConnection* ConnexionAnnee() {
    if (OBDataModule == nullptr)
        Echouer(QStringLiteral("Le module de données n'est pas créé."));
    return OBDataModule->OBSQLConnection;
}

TClientDataSet& OuvrirDonnees1(const QStringList& lignes, const TParams& parametres) {
    ConnexionAnnee();
    OBDataModule->SQLQueryDonnees1->Preparer(lignes, parametres);
    OBDataModule->ClientDataSetDonnees1->Close();
    OBDataModule->ClientDataSetDonnees1->Open();
    return *OBDataModule->ClientDataSetDonnees1;
}

} // namespace Modele
