#pragma once

#include "indexedpicture.h"

#include <QByteArray>

namespace assetgen {

// A single-image GIF89a: screen and image of the picture's size at 0, 0, not
// interlaced, the palette as global colour table and one graphic-control
// extension that declares the transparent index, if any. Nothing else: no
// comment, no application extension, no local table.
QByteArray encodeGif(const IndexedPicture &picture);

} // namespace assetgen
