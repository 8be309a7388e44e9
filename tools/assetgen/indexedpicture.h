#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QSize>

#include <optional>

namespace assetgen {

// A palette picture as a GIF stores it: one colour-table index per pixel,
// row by row from the top.
struct IndexedPicture
{
    QSize size;
    QList<QRgb> palette;
    QByteArray indices;
    int colourResolution = 8; // bits per primary colour the artwork was made with
    int backgroundIndex = 0;
    std::optional<int> transparentIndex;

    int indexAt(int x, int y) const { return static_cast<unsigned char>(indices.at(y * size.width() + x)); }
};

} // namespace assetgen
