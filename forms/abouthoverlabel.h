#pragma once

#include <QLabel>

// A label of the About window that reports the pointer moving over it and
// clicks on it. Its whole rectangle counts, not only the painted text, and
// the moves it reports stop here instead of reaching the window as moves over
// the bare client area.
class AboutHoverLabel : public QLabel
{
    Q_OBJECT

public:
    explicit AboutHoverLabel(QWidget *parent = nullptr);

    void setUnderlined(bool underlined);

signals:
    void mouseMoved();
    // Pressed and released inside the rectangle with the left button. The
    // second press of a double-click starts no click of its own.
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
