#include "iconartwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace assetgen {

QImage applicationIconArtwork(int size, bool opaque)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 48-unit grid whose steps of 3 fall on whole pixels at 16.
    painter.scale(size / 48.0, size / 48.0);

    QLinearGradient tile(0, 0, 0, 48);
    tile.setColorAt(0, QColor(60, 140, 235));
    tile.setColorAt(1, QColor(22, 62, 160));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    if (opaque)
        painter.drawRect(QRectF(0, 0, 48, 48));
    else
        painter.drawRoundedRect(QRectF(3, 3, 42, 42), 9, 9);

    // Slider groove with ticks.
    painter.setBrush(QColor(12, 28, 78));
    painter.drawRoundedRect(QRectF(15, 9, 6, 30), 3, 3);
    painter.setBrush(QColor(190, 215, 255));
    for (int tick = 0; tick < 5; ++tick)
        painter.drawRect(QRectF(24, 10.5 + tick * 6, 3, 1.5));

    // Knob, pushed up past the middle.
    QLinearGradient knob(0, 16.5, 0, 25.5);
    knob.setColorAt(0, QColor(255, 196, 90));
    knob.setColorAt(1, QColor(236, 112, 20));
    painter.setPen(QPen(QColor(90, 40, 0), 1.5));
    painter.setBrush(knob);
    painter.drawRoundedRect(QRectF(9, 16.5, 18, 9), 2.5, 2.5);

    // Arrow: more.
    QPainterPath arrow(QPointF(36, 7.5));
    arrow.lineTo(QPointF(43.5, 19.5));
    arrow.lineTo(QPointF(39, 19.5));
    arrow.lineTo(QPointF(39, 39));
    arrow.lineTo(QPointF(33, 39));
    arrow.lineTo(QPointF(33, 19.5));
    arrow.lineTo(QPointF(28.5, 19.5));
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(120, 90, 0), 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(QColor(255, 226, 60));
    painter.drawPath(arrow);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

namespace {

// A five-pointed star, point up. These measures put no pixel centre near an
// edge and enclose exactly 184 of them.
QPolygonF star()
{
    const QPointF centre(16.0, 16.35);
    constexpr double kOuter = 11.2;
    constexpr double kInner = 0.5 * kOuter;
    QPolygonF points;
    for (int corner = 0; corner < 10; ++corner) {
        const double angle = -std::numbers::pi / 2 + corner * std::numbers::pi / 5;
        const double radius = corner % 2 ? kInner : kOuter;
        points << centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
    }
    return points;
}

constexpr int kAboutIconOpaquePixels = 184;

} // namespace

QImage aboutIconArtwork()
{
    const QPolygonF outline = star();

    QImage canvas(32, 32, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient gold(QPointF(13, 11), 16);
    gold.setColorAt(0, QColor(255, 246, 170));
    gold.setColorAt(0.5, QColor(255, 204, 40));
    gold.setColorAt(1, QColor(214, 130, 10));
    painter.fillRect(canvas.rect(), gold);
    painter.setPen(QPen(QColor(150, 80, 0), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(outline);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 50, 10));
    painter.drawEllipse(QPointF(13.5, 15.5), 1.1, 1.5);
    painter.drawEllipse(QPointF(18.5, 15.5), 1.1, 1.5);
    painter.setPen(QPen(QColor(90, 50, 10), 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(12.5, 15.5, 7, 5), 200 * 16, 140 * 16);
    painter.end();

    // The mask is the star's pixel centres, not the painted coverage, so every
    // opaque pixel is fully opaque.
    QImage icon = canvas.convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x) {
            if (outline.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill)) {
                icon.setPixel(x, y, icon.pixel(x, y) | 0xff000000u);
                ++opaque;
            } else {
                icon.setPixel(x, y, 0u);
            }
        }
    if (opaque != kAboutIconOpaquePixels)
        throw std::logic_error("about icon: the star does not cover 184 pixels");
    return icon;
}

} // namespace assetgen
