#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>

// The bytes of a picture of one colour, as a blob column stores them (PNG unless told).
inline QByteArray ImageDeTest(QSize Taille, const QColor& Couleur, const char* Format = "PNG") {
    QImage image(Taille, QImage::Format_RGB32);
    image.fill(Couleur);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, Format);
    return octets;
}
