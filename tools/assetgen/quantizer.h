#pragma once

#include "indexedpicture.h"

#include <QImage>

namespace assetgen {

// BT.601 luma of a colour, 0 to 255.
double luma(QRgb colour);

// For shaded artwork of one hue: the opaque colours, ordered by luma, are cut
// into `opaqueColours` runs of about equal pixel count and each run becomes the
// mean of its colours. So every entry is used, the entries rise from dark to
// light and the mean colour of the picture is kept. Pixels with alpha 0 get
// one more entry, `transparentColour`, which is also the background entry.
// Alpha must be 0 or 255.
IndexedPicture quantizeAlongLuma(const QImage &image, int opaqueColours, QRgb transparentColour);

// General-purpose reduction of the opaque pixels of `image` to at most
// `tableSize` colours (giflib's median cut). The table is padded with black
// up to `tableSize` entries. Pixels with alpha 0 keep index 0.
IndexedPicture quantizeMedianCut(const QImage &image, int tableSize);

} // namespace assetgen
