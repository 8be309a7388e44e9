#include "sizemodel.h"

#include "runtimeerror.h"

#include <cmath>

namespace core {

namespace {

constexpr QChar kInchMark = QLatin1Char('"');

QString sizeCaption(int size)
{
    return QString::number(size) + kInchMark;
}

// A longer piece of the same picture for a larger size.
int pictureWidthTwips(int size)
{
    return checkedNarrow<int>((static_cast<long long>(size) - 3) * 160 + 330);
}

int tintPictureNumber(int tint)
{
    return checkedNarrow<int>(static_cast<long long>(tint) + 1);
}

// The text chosen by the change alone.
QString changeText(qint16 change)
{
    if (change < -1)
        return QStringLiteral("Why would you do that?");
    if (change == 0)
        return QStringLiteral("Adjust the sliders until you are happy with the proposed change in size.");
    if (change == -1 || change == 1)
        return QStringLiteral("A minor change in size, success is likely.");
    if (change == 2)
        return QStringLiteral("This is the most common change in size. There is a 90% chance of success.");
    if (change == 3)
        return QStringLiteral("Three inches added to any penis is a major change. Use with caution.");
    return QStringLiteral("Adding more than 3 inches to any penis is very hazardous. ");
}

QString recommendation(int currentSize, int desiredSize)
{
    // Later rules override earlier ones: the desired size has the last word,
    // then an implausible current size, then the change itself.
    const qint16 change = checkedNarrow<qint16>(static_cast<long long>(desiredSize) - currentSize);
    QString text = changeText(change);

    if (currentSize > 8)
        text = QStringLiteral("Yeah right! Now choose your REAL size...");

    if (desiredSize == 3 || desiredSize == 4)
        text = QStringLiteral("That's ridiculous. A penis that size has no effect. You couldn't find it for the "
                              "pubic hair. With most partners you'd be like a tadpole in the ocean.");
    else if (desiredSize >= 8 && desiredSize <= 10)
        text = QStringLiteral("Be careful with your penis. With most partners you will not be able to completely ")
               + kInchMark + QStringLiteral("sheath your sword") + kInchMark + QLatin1Char('.');
    else if (desiredSize >= 11 && desiredSize <= 13)
        text = QStringLiteral("A penis of that size is difficult to manage. Your partner will be in constant pain "
                              "and will not be able to walk straight.");
    else if (desiredSize == 14)
        text = QStringLiteral("That's ridiculous. Click preview to see what that would look like!");

    return text;
}

} // namespace

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

Display displayFor(const Sliders &sliders)
{
    Display display;
    display.currentCaption = sizeCaption(sliders.currentSize);
    display.desiredCaption = sizeCaption(sliders.desiredSize);
    display.beforePicture = tintPictureNumber(sliders.beforeTint);
    display.afterPicture = tintPictureNumber(sliders.afterTint);
    display.beforeWidthTwips = pictureWidthTwips(sliders.currentSize);
    display.afterWidthTwips = pictureWidthTwips(sliders.desiredSize);
    display.recommendation = recommendation(sliders.currentSize, sliders.desiredSize);
    // Offered for the largest desired size only.
    display.previewVisible = sliders.desiredSize == kLargestSize;
    return display;
}

} // namespace core
