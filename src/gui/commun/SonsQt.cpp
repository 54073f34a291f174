#include "gui/commun/SonsQt.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

void SonsQt::Jouer(const QString& chemin) {
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
    // Without a sound device the effect reports itself playing for ever; the sounds of the system last a
    // second or two, so whatever happens the effect goes after half a minute.
    QTimer::singleShot(30000, effet, &QObject::deleteLater);
    effet->setSource(QUrl::fromLocalFile(fichier.absoluteFilePath()));
}
