#include "base/KorvenUtils.h"

#include <algorithm>
#include <cstring>

QChar* EcrireChaineSQL(QChar* destination, QStringView valeur) {
    const QChar* debut = valeur.data();
    const QChar* const fin = debut + valeur.size();
    *destination++ = QLatin1Char('\'');
    for (;;) {
        // Runs of ordinary characters, the bulk of any value, are copied whole.
        const QChar* c = debut;
        // The three characters to escape are all at or below the backslash: most letters pass one test.
        while (c != fin && (c->unicode() > u'\\' ||
                            (c->unicode() != u'\'' && c->unicode() != u'\\' && c->unicode() != 0)))
            ++c;
        if (c != debut) {
            std::memcpy(destination, debut, static_cast<size_t>(c - debut) * sizeof(QChar));
            destination += c - debut;
        }
        if (c == fin)
            break;
        if (c->unicode() == u'\'') {
            *destination++ = QLatin1Char('\'');
            *destination++ = QLatin1Char('\'');
        } else {
            *destination++ = QLatin1Char('\\');
            *destination++ = c->unicode() == 0 ? QLatin1Char('0') : QLatin1Char('\\');
        }
        debut = c + 1;
    }
    *destination++ = QLatin1Char('\'');
    return destination;
}

QString ChaineSQL(const QString& valeur) {
    const qsizetype echappes = std::count_if(valeur.cbegin(), valeur.cend(), [](QChar c) {
        return c == QLatin1Char('\'') || c == QLatin1Char('\\') || c == QChar(u'\0');
    });
    QString texte;
    texte.resize(valeur.size() + echappes + 2);
    QChar* const debut = texte.data();
    texte.truncate(EcrireChaineSQL(debut, valeur) - debut);
    return texte;
}

bool EgauxSansCasse(QStringView a, QStringView b) {
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i < n && a[i] == b[i])
        ++i;
    if (i == a.size() && i == b.size())
        return true;
    // A character written as a surrogate pair is folded whole.
    if (i > 0 && a[i - 1].isHighSurrogate())
        --i;
    return a.sliced(i).compare(b.sliced(i), Qt::CaseInsensitive) == 0;
}
