#include "base/KorvenUtils.h"

#include <algorithm>

QString ChaineSQL(const QString& valeur) {
    // Most values hold nothing to escape: copied whole.
    const bool ordinaire = std::none_of(valeur.cbegin(), valeur.cend(), [](QChar c) {
        return c == QLatin1Char('\'') || c == QLatin1Char('\\') || c == QChar(u'\0');
    });
    if (ordinaire)
        return QLatin1Char('\'') + valeur + QLatin1Char('\'');
    QString texte;
    texte.reserve(valeur.size() + 2);
    texte += QLatin1Char('\'');
    for (const QChar c : valeur) {
        if (c == QLatin1Char('\''))
            texte += QStringLiteral("''");
        else if (c == QLatin1Char('\\'))
            texte += QStringLiteral("\\\\");
        else if (c == QChar(u'\0'))
            texte += QStringLiteral("\\0");
        else
            texte += c;
    }
    texte += QLatin1Char('\'');
    return texte;
}
