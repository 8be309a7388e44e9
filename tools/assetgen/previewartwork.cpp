#include "previewartwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace assetgen {
namespace {

const QColor kInk(30, 24, 40);
const QColor kHide(150, 172, 205);
const QColor kHideShade(112, 132, 172);
const QColor kEarInside(242, 160, 186);
const QColor kNail(250, 246, 232);

QPen inkPen(double width)
{
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void paintSunburst(QPainter &painter)
{
    const QPointF centre(200, 190);
    QRadialGradient glow(centre, 330);
    glow.setColorAt(0, QColor(255, 236, 120));
    glow.setColorAt(1, QColor(255, 176, 70));
    painter.fillRect(QRectF(0, 0, 339, 500), glow);

    constexpr int kRays = 22;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    for (int ray = 0; ray < kRays; ray += 2) {
        const double from = 2 * std::numbers::pi * ray / kRays;
        const double to = 2 * std::numbers::pi * (ray + 1) / kRays;
        QPainterPath wedge(centre);
        wedge.lineTo(centre + QPointF(std::cos(from), std::sin(from)) * 700);
        wedge.lineTo(centre + QPointF(std::cos(to), std::sin(to)) * 700);
        wedge.closeSubpath();
        painter.drawPath(wedge);
    }

    // Halftone dots fading out from the top left corner, as printed comics have.
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 9; ++column) {
            const double radius = 5.5 - 0.45 * (row + column);
            if (radius <= 0.6)
                continue;
            painter.setBrush(QColor(236, 84, 120, 150));
            painter.drawEllipse(QPointF(12 + column * 18 + (row % 2) * 9, 12 + row * 16), radius, radius);
        }
}

void paintFloor(QPainter &painter)
{
    QLinearGradient floor(0, 418, 0, 500);
    floor.setColorAt(0, QColor(206, 86, 170));
    floor.setColorAt(1, QColor(132, 52, 140));
    painter.setPen(inkPen(4));
    painter.setBrush(floor);
    painter.drawRect(QRectF(-10, 418, 360, 100));
    painter.setPen(QPen(QColor(240, 140, 210), 3, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 4; ++line)
        painter.drawLine(QPointF(-10, 440 + line * 17), QPointF(350, 440 + line * 17));

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 20, 80, 90));
    painter.drawEllipse(QRectF(40, 425, 290, 34));
}

void paintLeg(QPainter &painter, const QRectF &leg, const QColor &hide)
{
    painter.setPen(inkPen(4));
    painter.setBrush(hide);
    painter.drawRoundedRect(leg, 14, 14);
    painter.setBrush(kNail);
    painter.setPen(inkPen(2.5));
    for (int nail = 0; nail < 3; ++nail)
        painter.drawChord(QRectF(leg.left() + 4 + nail * (leg.width() - 8) / 3, leg.bottom() - 11,
                                 (leg.width() - 8) / 3, 16),
                          0, 180 * 16);
}

void paintBody(QPainter &painter)
{
    paintLeg(painter, QRectF(238, 348, 40, 90), kHideShade);
    paintLeg(painter, QRectF(150, 352, 40, 86), kHideShade);

    // Tail, hanging as tired as the rest.
    painter.setPen(inkPen(5));
    QPainterPath tail(QPointF(306, 300));
    tail.cubicTo(QPointF(326, 320), QPointF(322, 352), QPointF(316, 372));
    painter.drawPath(tail);
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(315, 378), 5, 8);

    QRadialGradient hide(QPointF(190, 270), 150);
    hide.setColorAt(0, kHide.lighter(112));
    hide.setColorAt(1, kHideShade);
    painter.setPen(inkPen(4.5));
    painter.setBrush(hide);
    painter.drawEllipse(QRectF(110, 236, 206, 148));

    paintLeg(painter, QRectF(270, 344, 38, 94), kHide);
    paintLeg(painter, QRectF(118, 350, 42, 92), kHide);

    painter.setPen(QPen(kHideShade.darker(120), 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(150, 300, 90, 60), 200 * 16, 120 * 16);
    painter.drawArc(QRectF(230, 280, 60, 60), 220 * 16, 90 * 16);
}

void paintTrunk(QPainter &painter)
{
    // From the face straight down, then lying along the floor in a limp curl.
    QPainterPath trunk(QPointF(96, 276));
    trunk.cubicTo(QPointF(84, 330), QPointF(96, 384), QPointF(82, 420));
    trunk.cubicTo(QPointF(74, 442), QPointF(46, 448), QPointF(30, 440));
    trunk.cubicTo(QPointF(16, 432), QPointF(22, 414), QPointF(36, 420));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInk, 34, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(trunk);
    painter.setPen(QPen(kHide, 26, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(trunk);

    painter.setPen(QPen(kHideShade.darker(130), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int wrinkle = 1; wrinkle < 9; ++wrinkle) {
        const double at = wrinkle / 12.0;
        const QPointF point = trunk.pointAtPercent(at);
        const double angle = trunk.angleAtPercent(at) * std::numbers::pi / 180;
        const QPointF across(std::sin(angle) * 9, std::cos(angle) * 9);
        painter.drawLine(point - across, point + across);
    }

    // Droop lines beside the trunk.
    painter.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(52, 330), QPointF(50, 352));
    painter.drawLine(QPointF(40, 350), QPointF(37, 376));
    painter.drawLine(QPointF(124, 360), QPointF(126, 384));
}

void paintHead(QPainter &painter)
{
    // The ear behind the head, hanging low.
    QPainterPath ear(QPointF(150, 190));
    ear.cubicTo(QPointF(218, 168), QPointF(246, 240), QPointF(224, 302));
    ear.cubicTo(QPointF(206, 340), QPointF(164, 320), QPointF(150, 286));
    ear.closeSubpath();
    painter.setPen(inkPen(4.5));
    painter.setBrush(kHideShade);
    painter.drawPath(ear);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kEarInside);
    painter.drawPath(QTransform().translate(150, 246).scale(0.72, 0.74).translate(-168, -244).map(ear));

    QRadialGradient face(QPointF(106, 206), 90);
    face.setColorAt(0, kHide.lighter(120));
    face.setColorAt(1, kHide);
    painter.setPen(inkPen(4.5));
    painter.setBrush(face);
    painter.drawEllipse(QPointF(124, 236), 66, 62);

    // Half-closed, tired eye under a sagging brow.
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(100, 222), 14, 17);
    painter.setBrush(kInk);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(97, 230), 6, 7);
    painter.setBrush(kHide.darker(105));
    painter.setPen(inkPen(3.5));
    painter.drawChord(QRectF(84, 203, 32, 36), 10 * 16, 160 * 16);
    painter.drawLine(QPointF(80, 194), QPointF(114, 200));

    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(118, 262, 26, 16), 20 * 16, 140 * 16); // a sigh

    painter.setPen(inkPen(3));
    painter.setBrush(kNail);
    QPainterPath tusk(QPointF(110, 272));
    tusk.cubicTo(QPointF(108, 292), QPointF(120, 300), QPointF(128, 296));
    tusk.lineTo(QPointF(124, 274));
    tusk.closeSubpath();
    painter.drawPath(tusk);

    QPainterPath drop(QPointF(62, 160));
    drop.cubicTo(QPointF(50, 180), QPointF(50, 192), QPointF(62, 192));
    drop.cubicTo(QPointF(74, 192), QPointF(74, 180), QPointF(62, 160));
    painter.setBrush(QColor(120, 200, 250));
    painter.drawPath(drop);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 246, 255));
    painter.drawEllipse(QPointF(58, 183), 2.5, 4);
}

void paintWiltedFlower(QPainter &painter)
{
    painter.setPen(QPen(QColor(40, 120, 50), 5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath stem(QPointF(306, 440));
    stem.cubicTo(QPointF(304, 380), QPointF(330, 360), QPointF(322, 390));
    painter.drawPath(stem);
    painter.setPen(inkPen(2.5));
    painter.setBrush(QColor(90, 190, 80));
    painter.drawEllipse(QRectF(284, 398, 20, 10));

    painter.setBrush(QColor(240, 70, 90));
    for (int petal = 0; petal < 5; ++petal) {
        painter.save();
        painter.translate(322, 398);
        painter.rotate(30 + petal * 30);
        painter.drawEllipse(QRectF(-5, 0, 10, 22));
        painter.restore();
    }
    painter.setBrush(QColor(255, 220, 60));
    painter.drawEllipse(QPointF(322, 398), 6, 6);

    QPainterPath pot(QPointF(282, 436));
    pot.lineTo(QPointF(330, 436));
    pot.lineTo(QPointF(322, 486));
    pot.lineTo(QPointF(290, 486));
    pot.closeSubpath();
    QLinearGradient clay(282, 0, 330, 0);
    clay.setColorAt(0, QColor(236, 120, 60));
    clay.setColorAt(1, QColor(186, 80, 40));
    painter.setPen(inkPen(4));
    painter.setBrush(clay);
    painter.drawPath(pot);
    painter.drawRoundedRect(QRectF(276, 428, 60, 14), 4, 4);
}

} // namespace

QImage previewArtwork(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(size.width()) / kPreviewSize.width(), double(size.height()) / kPreviewSize.height());
    paintSunburst(painter);
    paintFloor(painter);
    paintBody(painter);
    paintTrunk(painter);
    paintHead(painter);
    paintWiltedFlower(painter);
    return image;
}

} // namespace assetgen
