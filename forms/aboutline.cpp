#include "aboutline.h"

#include <QPainter>

AboutLine::AboutLine(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

QColor AboutLine::color() const
{
    return m_color;
}

void AboutLine::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void AboutLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
}
