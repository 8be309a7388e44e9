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

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool isTicking() const { return m_timer.isActive(); }

signals:
    void timeout();

private:
    void update();

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = true;
};

} // namespace platform
