#pragma once

#include <QImage>

namespace assetgen {

// The About window's 48 x 48 picture: a round gauge with a face, its needle
// in the green, smiling.
QImage aboutPictureArtwork();

} // namespace assetgen
