#include "displayrefresh.h"

#include "sizemodel.h"

namespace advisor {

void updateDisplay(const Sliders &sliders, Display &display)
{
    const int current = sliders.currentSize();
    const int desired = sliders.desiredSize();

    display.setCurrentCaption(sizeCaption(current));
    display.setDesiredCaption(sizeCaption(desired));
    // Hidden first, shown again below only when the rules offer it.
    display.setPreviewVisible(false);
    // The picture first: assigning it resets the control to the picture's
    // natural width, which the width that follows cuts down again.
    display.setBeforePicture(tintPictureNumber(sliders.beforeTint()));
    display.setAfterPicture(tintPictureNumber(sliders.afterTint()));
    display.setBeforeWidth(pictureWidthTwips(current));
    display.setAfterWidth(pictureWidthTwips(desired));
    const QString text = recommendation(current, desired);
    if (previewAvailable(desired))
        display.setPreviewVisible(true);
    display.setRecommendation(text);
}

} // namespace advisor
