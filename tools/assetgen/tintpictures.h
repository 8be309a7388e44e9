#pragma once

#include "indexedpicture.h"

namespace assetgen {

inline constexpr int kTintPictureCount = 5;

// Tint picture 1 (darkest) to 5 (lightest): the same shaded, skin-toned shape
// lying on its side, in 63 colours plus white for the transparent background.
IndexedPicture tintPicture(int number);

} // namespace assetgen
