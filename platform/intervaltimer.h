#pragma once

#include <QObject>
#include <QTimer>

namespace platform {

// A timer switched by two settings, as a form's timer control is: it ticks
// only while it is enabled and its interval is above zero.
class IntervalTimer : public QObject
{
    Q_OBJECT

public:
    explicit IntervalTimer(QObject *parent = nullptr);

    void setInterval(int milliseconds);
    void setEnabled(bool enabled);

signals:
    void timeout();

private:
    void update();

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = true;
};

} // namespace platform
