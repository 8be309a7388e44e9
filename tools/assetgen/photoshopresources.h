#pragma once

#include <QByteArray>
#include <QSize>

namespace assetgen {

// Payload of an APP13 marker as image editors write it: "Photoshop 3.0" and
// two image resource blocks, the resolution (72 dpi) and a thumbnail (resource
// 0x040C) holding `thumbnailJpeg`, a small JFIF picture of `thumbnailSize`.
QByteArray photoshopResourceBlock(const QByteArray &thumbnailJpeg, QSize thumbnailSize);

} // namespace assetgen
