#pragma once

#include <QImage>
#include <QSize>

namespace assetgen {

inline constexpr QSize kPreviewSize{339, 500};

// The Preview window's comic: a worn-out cartoon elephant whose trunk hangs
// limp down to the floor, beside a wilted flower. Drawn to any size, so the
// thumbnail is the same drawing, not a scaled copy.
QImage previewArtwork(QSize size);

} // namespace assetgen
