#pragma once

#include <QObject>

// Watches the application for the first paint of a top-level window,
// writes the lines of probemarkers.h to standard output, flushed at once so
// that the parent can time them, and then ends the event loop. Install it on
// the application before the window is shown.
class FirstPaintReporter : public QObject
{
public:
    explicit FirstPaintReporter(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reportFrameDone();

    bool m_painted = false;
};
