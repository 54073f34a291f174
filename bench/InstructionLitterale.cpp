#include "InstructionLitterale.h"

#include "OutilsBench.h"
#include "base/KorvenUtils.h"
#include "core/data/RequeteSQL.h"

#include <QDate>
#include <QDateTime>

#include <algorithm>

namespace {

QString Litteral(const QVariant& valeur) {
    if (valeur.isNull())
        return QStringLiteral("NULL");
    switch (valeur.typeId()) {
    case QMetaType::Bool:
        return valeur.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return valeur.toString();
    case QMetaType::QByteArray:
        return QStringLiteral("X'") + QString::fromLatin1(valeur.toByteArray().toHex()) + QLatin1Char('\'');
    case QMetaType::QDate:
        return ChaineSQL(valeur.toDate().toString(QStringLiteral("yyyy-MM-dd")));
    case QMetaType::QDateTime:
        return ChaineSQL(valeur.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    default:
        return ChaineSQL(valeur.toString());
    }
}

bool CaractereNom(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

QString AvecParametres(const TSQLQuery& requete) {
    const QString texte = requete.Texte();
    if (requete.Params.isEmpty())
        return texte;
    QString resultat;
    resultat.reserve(texte.size() + 64);
    QChar guillemet;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (!guillemet.isNull()) {
            resultat += c;
            if (c == QLatin1Char('\\') && guillemet != QLatin1Char('`') && i + 1 < texte.size())
                resultat += texte[++i];
            else if (c == guillemet)
                guillemet = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            guillemet = c;
            resultat += c;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < texte.size() && CaractereNom(texte[i + 1])) {
            qsizetype fin = i + 1;
            while (fin < texte.size() && CaractereNom(texte[fin]))
                ++fin;
            const QString nom = texte.mid(i + 1, fin - i - 1);
            const auto parametre =
                std::find_if(requete.Params.cbegin(), requete.Params.cend(), [&nom](const auto& p) {
                    return p.first.compare(nom, Qt::CaseInsensitive) == 0;
                });
            if (parametre == requete.Params.cend())
                Arreter(QStringLiteral("parameter :%1 has no value in: %2").arg(nom, texte));
            resultat += Litteral(parametre->second);
            i = fin - 1;
            continue;
        }
        resultat += c;
    }
    return resultat;
}
