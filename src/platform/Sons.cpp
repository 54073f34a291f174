#include "platform/Sons.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

class SonsQt : public ISons {
public:
    void Jouer(const QString& chemin) override {
        const QFileInfo fichier(CheminSon(chemin));
        if (!fichier.isFile() || QCoreApplication::instance() == nullptr)
            return;
        // The effect lives until it has played (or failed to load); nobody waits for it.
        auto* effet = new QSoundEffect(QCoreApplication::instance());
        QObject::connect(effet, &QSoundEffect::playingChanged, effet, [effet] {
            if (!effet->isPlaying())
                effet->deleteLater();
        });
        QObject::connect(effet, &QSoundEffect::statusChanged, effet, [effet] {
            if (effet->status() == QSoundEffect::Error)
                effet->deleteLater();
            else if (effet->status() == QSoundEffect::Ready) {
                effet->play();
            }
        });
        // Without a sound device the effect reports itself playing for ever; the sounds of the system last
        // a second or two, so whatever happens the effect goes after half a minute.
        QTimer::singleShot(30000, effet, &QObject::deleteLater);
        effet->setSource(QUrl::fromLocalFile(fichier.absoluteFilePath()));
    }
};

SonsQt parDefaut;
ISons* courant = nullptr;

} // namespace

ISons& Sons() {
    return courant ? *courant : parDefaut;
}

void InstallerSons(ISons* sons) {
    courant = sons;
}

QString CheminSon(const QString& chemin) {
#ifdef Q_OS_WIN
    return chemin;
#else
    QString local = chemin;
    local.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::current().filePath(local);
#endif
}
