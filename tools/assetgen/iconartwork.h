#pragma once

#include <QImage>

namespace assetgen {

// The application icon at `size` pixels: a blue tile with a slider whose
// orange knob and yellow arrow point upwards. `opaque` fills the whole
// square, for the 256-colour images that have no transparency; otherwise the
// tile has rounded, soft corners on a transparent ground.
QImage applicationIconArtwork(int size, bool opaque);

// The About window's 32 x 32 icon: a smiling golden star on a transparent
// ground, exactly 184 pixels of it opaque.
QImage aboutIconArtwork();

} // namespace assetgen
