#pragma once

#include <QString>

// The size model: what the four sliders mean and what the main window shows
// for them. Sizes are whole inches, tints index the five tint pictures.
namespace core {

inline constexpr int kSmallestSize = 3;
inline constexpr int kLargestSize = 14;
inline constexpr int kDarkestTint = 0;
inline constexpr int kLightestTint = 4;

inline constexpr int kResetSize = 7;
inline constexpr int kResetTint = 2;

// Layout unit: 1440 twips to the inch, 15 to the pixel on a usual screen.
inline constexpr int kTwipsPerPixel = 15;
int twipsToPixels(int twips);

// The four sliders: the whole state of the advisor.
struct Sliders
{
    int currentSize = kResetSize;
    int desiredSize = kResetSize;
    int beforeTint = kResetTint;
    int afterTint = kResetTint;
};

// Everything the main window shows for the sliders.
struct Display
{
    QString currentCaption; // "7\"": the size and the inch mark
    QString desiredCaption;
    int beforePicture = 0; // tint picture number, 1 (darkest) to 5
    int afterPicture = 0;
    int beforeWidthTwips = 0; // the picture is cut off at this width
    int afterWidthTwips = 0;
    QString recommendation;
    bool previewVisible = false;

    friend bool operator==(const Display &, const Display &) = default;
};

// Raises an Overflow error for a change beyond what the sliders can reach.
Display displayFor(const Sliders &sliders);

} // namespace core
