#include "base/FichierIni.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

QString Decoder(const QByteArray& octets) {
    if (octets.startsWith("\xFF\xFE")) {
        QStringDecoder utf16(QStringDecoder::Utf16LE);
        return utf16(octets.mid(2));
    }
    if (octets.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(octets.mid(3));
    return QString::fromUtf8(octets);
}

QString SansGuillemets(QString valeur) {
    if (valeur.size() >= 2) {
        const QChar premier = valeur.front();
        if ((premier == QLatin1Char('"') || premier == QLatin1Char('\'')) && valeur.back() == premier)
            return valeur.mid(1, valeur.size() - 2);
    }
    return valeur;
}

} // namespace

TFichierIni::TFichierIni(const QString& chemin) {
    // Only a regular file of reasonable size is read: a device or a pipe named by mistake must neither
    // block nor fill the memory.
    const QFileInfo info(chemin);
    if (!info.exists()) {
        erreur_ = QStringLiteral("le fichier n'existe pas");
        return;
    }
    if (!info.isFile()) {
        erreur_ = QStringLiteral("ce n'est pas un fichier ordinaire");
        return;
    }
    if (info.size() > TailleMaximale) {
        erreur_ = QStringLiteral("le fichier est trop volumineux (plus de 1 Mo)");
        return;
    }
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        erreur_ = QStringLiteral("le fichier ne peut pas être lu (%1)").arg(fichier.errorString());
        return;
    }
    const QString texte = Decoder(fichier.read(TailleMaximale));
    QString section;
    bool dansSection = false;
    for (QString ligne : texte.split(QLatin1Char('\n'))) {
        ligne = ligne.trimmed();
        if (ligne.isEmpty() || ligne.startsWith(QLatin1Char(';')))
            continue;
        if (ligne.startsWith(QLatin1Char('['))) {
            const qsizetype fin = ligne.indexOf(QLatin1Char(']'));
            if (fin > 0) {
                section = ligne.mid(1, fin - 1).trimmed().toLower();
                dansSection = true;
            }
            continue;
        }
        const qsizetype egal = ligne.indexOf(QLatin1Char('='));
        if (!dansSection || egal <= 0)
            continue;
        const QString cle = ligne.left(egal).trimmed().toLower();
        auto& cles = valeurs_[section];
        if (!cles.contains(cle))
            cles.insert(cle, SansGuillemets(ligne.mid(egal + 1).trimmed()));
    }
}

QString TFichierIni::LireChaine(const QString& section, const QString& cle, const QString& defaut) const {
    const auto s = valeurs_.constFind(section.toLower());
    if (s == valeurs_.constEnd())
        return defaut;
    const auto v = s->constFind(cle.toLower());
    return v == s->constEnd() ? defaut : *v;
}
