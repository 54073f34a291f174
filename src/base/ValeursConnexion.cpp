#include "base/ValeursConnexion.h"

#include "base/KORVENTypesU.h"

#include <QStringList>

#include <algorithm>

namespace {

bool Chiffres(QStringView texte) {
    if (texte.isEmpty())
        return false;
    for (const QChar c : texte)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// Four decimal parts from 0 to 255. A leading zero is refused: the system's resolver reads "010" as octal.
bool Ipv4(QStringView texte) {
    const auto parties = texte.split(QLatin1Char('.'));
    if (parties.size() != 4)
        return false;
    for (const QStringView partie : parties) {
        if (!Chiffres(partie) || partie.size() > 3 ||
            (partie.size() > 1 && partie.front() == QLatin1Char('0')))
            return false;
        if (partie.toInt() > 255)
            return false;
    }
    return true;
}

bool Hexadecimaux(QStringView groupe) {
    if (groupe.isEmpty() || groupe.size() > 4)
        return false;
    for (const QChar c : groupe)
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) &&
            !(c >= QLatin1Char('a') && c <= QLatin1Char('f')) &&
            !(c >= QLatin1Char('A') && c <= QLatin1Char('F')))
            return false;
    return true;
}

// Groups of hexadecimal digits separated by ":", how many; -1 when one is not a group.
int Groupes(QStringView texte) {
    if (texte.isEmpty())
        return 0;
    int nombre = 0;
    for (const QStringView groupe : texte.split(QLatin1Char(':'))) {
        if (!Hexadecimaux(groupe))
            return -1;
        ++nombre;
    }
    return nombre;
}

// Eight groups of up to four hexadecimal digits, "::" standing once for one or more zero groups, the last
// two groups possibly written as an IPv4 address. No zone (the "%" part) is accepted.
bool Ipv6(QStringView texte) {
    QString adresse = texte.toString();
    const qsizetype dernier = adresse.lastIndexOf(QLatin1Char(':'));
    if (dernier < 0)
        return false;
    if (adresse.indexOf(QLatin1Char('.'), dernier) >= 0) {
        if (!Ipv4(QStringView(adresse).mid(dernier + 1)))
            return false;
        adresse = adresse.left(dernier + 1) + QStringLiteral("0:0");
    }
    const qsizetype double_ = adresse.indexOf(QStringLiteral("::"));
    if (double_ < 0)
        return Groupes(adresse) == 8;
    if (adresse.indexOf(QStringLiteral("::"), double_ + 1) >= 0)
        return false;
    const int avant = Groupes(QStringView(adresse).left(double_));
    const int apres = Groupes(QStringView(adresse).mid(double_ + 2));
    return avant >= 0 && apres >= 0 && avant + apres <= 7;
}

// A number as the system's resolver reads a part of an IPv4 address: decimal, octal (a leading 0) or
// hexadecimal ("0x", digits or not).
bool NombreDuResolveur(QStringView texte) {
    if (texte.size() >= 2 && texte[0] == QLatin1Char('0') &&
        (texte[1] == QLatin1Char('x') || texte[1] == QLatin1Char('X')))
        return std::all_of(texte.begin() + 2, texte.end(),
                           [](QChar c) { return Hexadecimaux(QStringView(&c, 1)); });
    return Chiffres(texte);
}

// Dot-separated numbers the resolver takes for an IPv4 address in one of its older forms ("0x7f000001",
// "127.1", "127.0.0.0x1", "0177.0.0.1"): whatever address they reach, they are not a name.
bool FormeNumerique(QStringView texte) {
    for (const QStringView partie : texte.split(QLatin1Char('.')))
        if (!NombreDuResolveur(partie))
            return false;
    return true;
}

bool CaractereDeNom(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') || c == QLatin1Char('_');
}

// Dot-separated labels of 1 to 63 letters, digits, "-" (not at either end) and "_"; 253 characters at most;
// the last label not all digits, so that a number is never taken for a name.
bool NomHote(QStringView texte) {
    if (texte.isEmpty() || texte.size() > 253)
        return false;
    const auto etiquettes = texte.split(QLatin1Char('.'));
    for (const QStringView etiquette : etiquettes) {
        if (etiquette.isEmpty() || etiquette.size() > 63)
            return false;
        if (etiquette.front() == QLatin1Char('-') || etiquette.back() == QLatin1Char('-'))
            return false;
        for (const QChar c : etiquette)
            if (!CaractereDeNom(c))
                return false;
    }
    return !Chiffres(etiquettes.back());
}

} // namespace

QString HoteServeur(const QString& serveur) {
    if (serveur.isEmpty())
        throw EKorven(QStringLiteral("Aucun serveur de base de données n'est indiqué."));
    if (serveur.size() > 2 && serveur.front() == QLatin1Char('[') && serveur.back() == QLatin1Char(']')) {
        const QString adresse = serveur.mid(1, serveur.size() - 2);
        if (Ipv6(adresse))
            return adresse;
    } else if (Ipv4(serveur)) {
        return serveur;
    } else if (FormeNumerique(serveur)) {
        throw EKorven(
            QStringLiteral("Le serveur « %1 » est une adresse écrite en nombres sous une forme que le "
                           "système lit autrement (hexadécimale, octale ou en moins de quatre parties) : "
                           "écrivez l'adresse IPv4 en quatre nombres décimaux de 0 à 255.")
                .arg(serveur));
    } else if (NomHote(serveur)) {
        return serveur;
    }
    throw EKorven(QStringLiteral("Le serveur « %1 » n'est ni un nom d'hôte, ni une adresse IPv4, ni une "
                                 "adresse IPv6 entre crochets.")
                      .arg(serveur));
}

int PortServeur(const QString& port) {
    if (port.isEmpty())
        throw EKorven(QStringLiteral("Aucun port n'est indiqué (un numéro de 1 à 65535 est attendu)."));
    bool lu = false;
    const int numero = port.toInt(&lu, 10);
    if (!Chiffres(port) || !lu || numero < 1 || numero > 65535)
        throw EKorven(QStringLiteral("Le port « %1 » n'est pas un numéro de 1 à 65535.").arg(port));
    return numero;
}

TSecuriteConnexion SecuriteConnexion(const QString& tls, const QString& autoriteCertification) {
    TSecuriteConnexion securite;
    if (tls.compare(TlsExige, Qt::CaseInsensitive) == 0)
        securite.Exiger = true;
    else if (!tls.isEmpty() && tls.compare(TlsPrefere, Qt::CaseInsensitive) != 0)
        throw EKorven(QStringLiteral("La valeur « %1 » de la clé %2 n'est pas reconnue (%3 ou %4).")
                          .arg(tls, CleTls, TlsExige, TlsPrefere));
    securite.AutoriteCertification = autoriteCertification;
    if (!autoriteCertification.isEmpty())
        securite.Exiger = true;
    return securite;
}
