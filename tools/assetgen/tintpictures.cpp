#include "tintpictures.h"

#include "quantizer.h"
#include "tintoutline.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSet>

#include <algorithm>
#include <array>
#include <stdexcept>

namespace assetgen {
namespace {

struct Rgb
{
    double red, green, blue;

    Rgb operator+(const Rgb &o) const { return {red + o.red, green + o.green, blue + o.blue}; }
    Rgb operator-(const Rgb &o) const { return {red - o.red, green - o.green, blue - o.blue}; }
    Rgb operator*(double f) const { return {red * f, green * f, blue * f}; }
};

constexpr Rgb kWhite{255, 255, 255};

// Mean colour of the opaque pixels, darkest first; the main window's tint
// slider runs from the first to the last.
constexpr std::array<Rgb, kTintPictureCount> kMeanColours{{
    {96, 55, 31},
    {132, 90, 66},
    {162, 113, 86},
    {183, 143, 128},
    {182, 155, 146},
}};

constexpr int kOpaqueColours = 63;

Rgb mix(const Rgb &a, const Rgb &b, double t)
{
    return a * (1 - t) + b * t;
}

QColor toColour(const Rgb &c, int alpha = 255)
{
    const auto channel = [](double v) { return std::clamp(int(v + 0.5), 0, 255); };
    return QColor(channel(c.red), channel(c.green), channel(c.blue), alpha);
}

// The shape as the painter sees it; the exact pixel outline is applied after
// painting, so the shading only has to cover it.
const QRectF kBulb(8.6 - 6.2, 9.5 - 9.2, 2 * 6.2, 2 * 9.2);
const QRectF kBody(12.0, tintoutline::kBodyTop, tintoutline::kLastColumn + 1 - 12.0,
                   tintoutline::kBodyBottom + 1 - tintoutline::kBodyTop);

QImage paintShadedShape(const Rgb &skin)
{
    const Rgb shadow = skin * 0.62;
    // Lights scale with the skin, so that a dark tint keeps its shading.
    const Rgb light = mix(skin * 1.15, kWhite, 0.08);
    const Rgb sheen = mix(skin * 1.3, kWhite, 0.15);

    QImage canvas(tintoutline::kPictureSize, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);

    // A lying cylinder, lit from above.
    QLinearGradient body(0, tintoutline::kBodyTop, 0, tintoutline::kBodyBottom + 1);
    body.setColorAt(0.0, toColour(light));
    body.setColorAt(0.22, toColour(sheen));
    body.setColorAt(0.5, toColour(skin));
    body.setColorAt(0.85, toColour(skin * 0.86));
    body.setColorAt(1.0, toColour(shadow));
    painter.fillRect(canvas.rect(), body);

    // A long soft highlight that looks the same wherever the body is cut off.
    painter.setPen(Qt::NoPen);
    painter.setBrush(toColour(mix(skin * 1.3, kWhite, 0.3), 90));
    painter.drawRoundedRect(QRectF(17.0, 4.0, 140.0, 1.7), 0.8, 0.8);

    // The bulb is rounder than the body and stands slightly in front of it.
    QPainterPath bulb;
    bulb.addEllipse(kBulb);
    QRadialGradient roundness(kBulb.center(), 10.5, QPointF(6.4, 5.6));
    roundness.setColorAt(0.0, toColour(mix(skin * 1.3, kWhite, 0.25)));
    roundness.setColorAt(0.45, toColour(skin));
    roundness.setColorAt(0.85, toColour(skin * 0.8));
    roundness.setColorAt(1.0, toColour(shadow));
    painter.fillPath(bulb, roundness);

    painter.save();
    painter.setClipRect(QRectF(kBulb.center().x(), 0, 20, 20));
    painter.setPen(QPen(toColour(shadow * 0.8, 110), 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(kBulb, -75 * 16, 150 * 16);
    painter.restore();

    painter.setPen(Qt::NoPen);
    painter.setBrush(toColour(mix(skin * 1.3, kWhite, 0.5), 170));
    painter.drawEllipse(QRectF(4.3, 3.4, 4.6, 2.8));
    painter.setBrush(toColour(mix(skin * 1.3, kWhite, 0.2), 90));
    painter.drawEllipse(QRectF(3.6, 11.5, 2.2, 3.6));

    // A cartoon contour along the edge.
    QPainterPath outline;
    outline.addEllipse(kBulb);
    outline.addRect(kBody);
    painter.setPen(QPen(toColour(shadow * 0.7, 200), 1.1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline.simplified());
    painter.end();

    QImage picture = canvas.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, tintoutline::isOpaque(x, y) ? (picture.pixel(x, y) | 0xff000000u) : 0u);
    return picture;
}

Rgb meanOpaqueColour(const IndexedPicture &picture)
{
    Rgb sum{0, 0, 0};
    int pixels = 0;
    for (int y = 0; y < picture.size.height(); ++y)
        for (int x = 0; x < picture.size.width(); ++x)
            if (const int index = picture.indexAt(x, y); index != picture.transparentIndex) {
                const QRgb colour = picture.palette.at(index);
                sum = sum + Rgb{double(qRed(colour)), double(qGreen(colour)), double(qBlue(colour))};
                ++pixels;
            }
    return sum * (1.0 / pixels);
}

void requireDistinctColours(const IndexedPicture &picture)
{
    QSet<QRgb> seen;
    for (const QRgb colour : picture.palette)
        seen.insert(colour);
    if (seen.size() != picture.palette.size())
        throw std::runtime_error("tint picture: two palette entries came out the same");
}

} // namespace

IndexedPicture tintPicture(int number)
{
    if (number < 1 || number > kTintPictureCount)
        throw std::out_of_range("tint picture: number out of range");
    const Rgb target = kMeanColours[std::size_t(number - 1)];

    // Shading and contour pull the mean away from the skin colour; a few
    // corrections bring it back onto the target.
    Rgb skin = target;
    IndexedPicture picture;
    for (int round = 0; round < 6; ++round) {
        picture = quantizeAlongLuma(paintShadedShape(skin), kOpaqueColours, qRgb(255, 255, 255));
        skin = skin + (target - meanOpaqueColour(picture));
    }
    picture.colourResolution = 6;
    requireDistinctColours(picture);
    return picture;
}

} // namespace assetgen
