#pragma once

#include <QColor>
#include <QWidget>

// One stroke of the About window's etched separator: a solid line filling
// its rectangle in one colour. It takes no focus and no mouse events, so the
// pointer over it counts as over the bare window.
class AboutLine : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)

public:
    explicit AboutLine(QWidget *parent = nullptr);

    QColor color() const;
    void setColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color = Qt::black;
};
