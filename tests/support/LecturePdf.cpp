#include "support/LecturePdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace LecturePdf {

QByteArray Lancer(const char* Outil, const QStringList& Arguments) {
    const QString chemin = QStandardPaths::findExecutable(QString::fromLatin1(Outil));
    if (chemin.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("%1 is missing: scripts/install-deps installs poppler-utils")
                                    .arg(QString::fromLatin1(Outil))),
                     __FILE__, __LINE__);
        return {};
    }
    QProcess processus;
    processus.start(chemin, Arguments);
    if (!processus.waitForFinished(60000) || processus.exitCode() != 0)
        QTest::qFail(qPrintable(QStringLiteral("%1 failed: %2")
                                    .arg(QString::fromLatin1(Outil),
                                         QString::fromUtf8(processus.readAllStandardError()))),
                     __FILE__, __LINE__);
    return processus.readAllStandardOutput();
}

namespace {

QStringList Intervalle(int page) {
    if (page <= 0)
        return {};
    return {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page)};
}

} // namespace

QString Texte(const QString& Pdf, int Page) {
    QString texte = QString::fromUtf8(Lancer("pdftotext", Intervalle(Page) << Pdf << QStringLiteral("-")));
    texte.replace(QRegularExpression(QStringLiteral("[ \\t\\r\\n\\f]+")), QStringLiteral(" "));
    return texte;
}

QStringList Lignes(const QString& Pdf, int Page) {
    const QString texte = QString::fromUtf8(
        Lancer("pdftotext", Intervalle(Page) << QStringLiteral("-layout") << Pdf << QStringLiteral("-")));
    QStringList lignes;
    for (const QString& l : texte.split(QRegularExpression(QStringLiteral("[\\n\\f]")))) {
        const QString simple = l.simplified();
        if (!simple.isEmpty())
            lignes << simple;
    }
    return lignes;
}

int Pages(const QString& Pdf) {
    const QString info = QString::fromUtf8(Lancer("pdfinfo", {Pdf}));
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

int Images(const QString& Pdf) {
    const QStringList lignes = QString::fromUtf8(Lancer("pdfimages", {QStringLiteral("-list"), Pdf}))
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return static_cast<int>(lignes.size()) - 2; // two lines of headings
}

QList<TMot> Mots(const QString& Pdf) {
    const QString html =
        QString::fromUtf8(Lancer("pdftotext", {QStringLiteral("-bbox"), Pdf, QStringLiteral("-")}));
    QList<TMot> mots;
    int page = 0;
    static const QRegularExpression balise(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto it = balise.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        QString texte = m.captured(5);
        texte.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&#39;"), QStringLiteral("'"))
            .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        mots.append({page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                     m.captured(4).toDouble(), texte});
    }
    return mots;
}

QList<TMot> MotsNommes(const QList<TMot>& Mots, const QString& Texte) {
    QList<TMot> trouves;
    for (const TMot& m : Mots)
        if (m.Texte == Texte)
            trouves << m;
    return trouves;
}

} // namespace LecturePdf
