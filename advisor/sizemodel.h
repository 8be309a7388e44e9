#pragma once

#include <QString>

// The size model: what the four sliders mean and what the window shows for
// them. Sizes are whole inches, tints index the five tint pictures.
namespace advisor {

inline constexpr int kSmallestSize = 3;
inline constexpr int kLargestSize = 14;
inline constexpr int kDarkestTint = 0;
inline constexpr int kLightestTint = 4;

inline constexpr int kResetSize = 7;
inline constexpr int kResetTint = 2;

// Layout unit: 1440 twips to the inch, 15 to the pixel on a usual screen.
inline constexpr int kTwipsPerPixel = 15;
int twipsToPixels(int twips);

// "7\"": the size followed by the inch mark.
QString sizeCaption(int size);

// Width of a Before or After picture: it shows a longer piece of the same
// picture for a larger size.
int pictureWidthTwips(int size);

// Number (1 to 5) of the tint picture shown for a tint slider position.
int tintPictureNumber(int tint);

// The recommendation for a change from one size to another.
QString recommendation(int currentSize, int desiredSize);

// The Preview button is offered for the largest desired size only.
bool previewAvailable(int desiredSize);

} // namespace advisor
