#include "aboutpictureartwork.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace assetgen {

QImage aboutPictureArtwork()
{
    QImage image(48, 48, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 48);
    sky.setColorAt(0, QColor(150, 206, 250));
    sky.setColorAt(1, QColor(228, 244, 255));
    painter.fillRect(image.rect(), sky);

    const QPointF centre(24, 25);
    QRadialGradient face(QPointF(19, 18), 26);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(222, 226, 236));
    painter.setPen(QPen(QColor(40, 44, 70), 2.2));
    painter.setBrush(face);
    painter.drawEllipse(centre, 20.5, 20.5);

    // The scale, red on the left through yellow to green on the right.
    // The gradient turns anticlockwise from the right, over the top.
    QConicalGradient scale(centre, 0);
    scale.setColorAt(0.0, QColor(60, 190, 70));
    scale.setColorAt(0.25, QColor(250, 210, 40));
    scale.setColorAt(0.5, QColor(230, 50, 50));
    scale.setColorAt(1.0, QColor(60, 190, 70));
    painter.setPen(QPen(QBrush(scale), 4.5, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(centre.x() - 15, centre.y() - 15, 30, 30), 0, 180 * 16);

    painter.setPen(QPen(QColor(40, 44, 70), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int tick = 0; tick <= 6; ++tick) {
        painter.save();
        painter.translate(centre);
        painter.rotate(-180 + tick * 30);
        painter.drawLine(QPointF(11, 0), QPointF(13, 0));
        painter.restore();
    }

    // Needle pointing well into the green.
    painter.save();
    painter.translate(centre);
    painter.rotate(-38);
    painter.setPen(QPen(QColor(200, 30, 40), 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 0), QPointF(15, 0));
    painter.restore();
    painter.setPen(QPen(QColor(40, 44, 70), 1.2));
    painter.setBrush(QColor(70, 80, 120));
    painter.drawEllipse(centre, 3, 3);

    painter.setPen(QPen(QColor(40, 44, 70), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(centre.x() - 9, centre.y() + 1, 18, 12), 200 * 16, 140 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 150, 160, 170));
    painter.drawEllipse(QPointF(centre.x() - 12, centre.y() + 7), 3, 2);
    painter.drawEllipse(QPointF(centre.x() + 12, centre.y() + 7), 3, 2);
    return image;
}

} // namespace assetgen
