#include "base/KORVENFonctionsU.h"

#include "base/KORVENTypesU.h"
#include "base/RepertoireSysteme.h"

#include <QDir>

QString GetAnneeScolaireSuivante(const QString& code) {
    const QString partie = code.mid(5, 4);
    bool ok = false;
    const int annee = partie.toInt(&ok);
    if (code.size() < 9 || !ok)
        throw EKorven(QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(partie));
    return QString::number(annee) + QLatin1Char('/') + QString::number(annee + 1);
}

QString NomBaseAnnee(const QString& code) {
    QString nom = code;
    return QStringLiteral("bd_") + nom.replace(QLatin1Char('/'), QLatin1Char('_'));
}

QString GetFichierConfiguration() {
#ifdef Q_OS_WIN
    // In Windows' form, whatever separators KORVEN_SYSTEM_DIR was given with.
    return QDir::toNativeSeparators(GetRepertoireSysteme() + QLatin1Char('\\') + NomFichierConfiguration);
#else
    return QDir(GetRepertoireSysteme()).filePath(NomFichierConfiguration);
#endif
}
