#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace assetgen {

// One image of an icon file, kept as an uncompressed bitmap.
struct IconImage
{
    enum class Depth { Palette8, Bgra32 };

    QImage image; // square, ARGB32; pixels with alpha 0 are transparent
    Depth depth = Depth::Bgra32;
};

// A .ico file with the images in the given order. The AND mask is set exactly
// where alpha is 0. An 8-bit image has no other transparency: its other pixels
// must be opaque, and it gets a 256-entry table whose entry 0 is black, the
// colour of its transparent pixels.
QByteArray encodeIco(const QList<IconImage> &images);

} // namespace assetgen
