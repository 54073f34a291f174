#pragma once

#include <QByteArray>
#include <QImage>

// A picture read from a blob column (a photo, a logo, a picture parameter). It recognises its format from
// the bytes themselves and keeps those bytes: written back, it gives the image file exactly as it was read.
// Bytes that no image reader understands are kept as they are, with a null Image().
class TImage {
public:
    // The empty picture.
    TImage() = default;
    // A picture from the bytes of an image file (PNG, JPEG, BMP, GIF...).
    explicit TImage(const QByteArray& octets);
    // A picture made in memory; written back as PNG.
    explicit TImage(const QImage& image);

    // No bytes at all.
    bool EstVide() const { return octets_.isEmpty(); }
    // The bytes decoded into an image.
    bool EstValide() const { return !image_.isNull(); }

    const QImage& Image() const { return image_; }
    // The format recognised from the bytes, lower case ("png", "jpeg", "bmp"...), or empty.
    const QByteArray& Format() const { return format_; }
    // The image file's bytes, as read (or, for a picture made in memory, as PNG).
    const QByteArray& Octets() const { return octets_; }

private:
    QByteArray octets_;
    QByteArray format_;
    QImage image_;
};
