#pragma once

#include <QString>

// Resource paths (":/assets/...") of the pictures and icons built into the
// program. tools/assetgen draws them; the files live in assets/.
namespace assets {

inline constexpr int kTintPictureCount = 5;

// Tint picture 1 (darkest) to 5 (lightest), 150 x 20 pixels with a
// transparent background. An empty path for any other number.
QString tintPicture(int number);

// The large picture of the Preview window, 339 x 500 pixels.
QString previewPicture();

// The 48 x 48 picture of the About window.
QString aboutPicture();

// The icon of the main window and of the executable: 16, 32 and 48 pixels,
// each in 256 colours and with an alpha channel.
QString applicationIcon();

// The 32 x 32 icon of the About window.
QString aboutIcon();

} // namespace assets
