#include "app/KorvenUtils.h"

QString ChaineSQL(const QString& valeur) {
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
