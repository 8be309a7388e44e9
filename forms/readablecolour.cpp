#include "readablecolour.h"

#include <QFont>
#include <QFontInfo>

#include <algorithm>
#include <cmath>

namespace {

qreal relativeLuminance(const QColor &colour)
{
    const auto linear = [](qreal channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// 18 points, or 14 points bold, at the guidelines' 96 dots to the inch.
bool isLargeText(const QFont &font)
{
    const int pixels = QFontInfo(font).pixelSize();
    return pixels >= 24 || (font.bold() && pixels >= 19);
}

} // namespace

qreal contrastRatio(const QColor &a, const QColor &b)
{
    const qreal la = relativeLuminance(a);
    const qreal lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableColour(const QList<QColor> &candidates, const QColor &background, const QFont &font)
{
    const qreal needed = isLargeText(font) ? 3.0 : 4.5;
    const auto readable = std::find_if(candidates.begin(), candidates.end(), [&](const QColor &candidate) {
        return contrastRatio(candidate, background) >= needed;
    });
    if (readable != candidates.end())
        return *readable;
    return *std::max_element(candidates.begin(), candidates.end(), [&](const QColor &a, const QColor &b) {
        return contrastRatio(a, background) < contrastRatio(b, background);
    });
}
