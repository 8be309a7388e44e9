#include "abouthoverlabel.h"

#include <QMouseEvent>

AboutHoverLabel::AboutHoverLabel(QWidget *parent)
    : QLabel(parent)
{
    // Moves without a button reach a widget only while it tracks the mouse.
    setMouseTracking(true);
}

void AboutHoverLabel::setUnderlined(bool underlined)
{
    QFont underlinedFont = font();
    underlinedFont.setUnderline(underlined);
    setFont(underlinedFont);
}

void AboutHoverLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}

void AboutHoverLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void AboutHoverLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // QWidget's default takes it for a press, which would open the link a
    // second time; a double-click is one click and a double-click nobody
    // handles.
    event->accept();
}

void AboutHoverLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}
