#pragma once

#include <QSize>

namespace assetgen {

// The one outline of the five tint pictures, exact to the pixel: a rounded,
// taller end at the left (columns 2 to 17) and a straight body of rows 2 to 15
// that ends in a vertical edge at column 147. Since the picture is shown cut
// off from the right, every column from 18 on ends the shape cleanly.
namespace tintoutline {

inline constexpr QSize kPictureSize{150, 20};
inline constexpr int kFirstColumn = 2;
inline constexpr int kBodyFirstColumn = 18;
inline constexpr int kLastColumn = 147;
inline constexpr int kBodyTop = 2;
inline constexpr int kBodyBottom = 15;

bool isOpaque(int x, int y);

} // namespace tintoutline
} // namespace assetgen
