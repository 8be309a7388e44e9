#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

class QWidget;

// What the main window must show for its four sliders, by the rules the
// user sees, written out here rather than taken from the program.
class ExpectedDisplay
{
public:
    // Takes the pictures' places as the window first shows them: only their
    // widths may change afterwards.
    explicit ExpectedDisplay(const QWidget &window);

    // What disagrees, one line each; empty when the display is right.
    QString mismatches() const;

private:
    const QWidget &m_window;
    QRect m_beforePlace;
    QRect m_afterPlace;
    QList<QImage> m_tints; // darkest first
};
