#include "core/model/UniteImage.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

TImage::TImage(const QByteArray& octets) : octets_(octets) {
    if (octets_.isEmpty())
        return;
    QBuffer tampon(&octets_);
    tampon.open(QIODevice::ReadOnly);
    QImageReader lecteur(&tampon);
    lecteur.setDecideFormatFromContent(true);
    format_ = lecteur.format().toLower();
    image_ = lecteur.read();
}

TImage::TImage(const QImage& image) : image_(image) {
    if (image_.isNull())
        return;
    QBuffer tampon(&octets_);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter ecrivain(&tampon, "png");
    if (ecrivain.write(image_))
        format_ = "png";
    else
        octets_.clear();
}
