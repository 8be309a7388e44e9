#include "intervaltimer.h"

namespace platform {

IntervalTimer::IntervalTimer(QObject *parent)
    : QObject(parent)
{
    // A coarse timer may stretch 10 ms to 15 or more; the progress bar's one
    // second fill depends on the ticks being on time.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &IntervalTimer::timeout);
}

void IntervalTimer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    update();
}

void IntervalTimer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    update();
}

void IntervalTimer::update()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval); // restarts the count, as a new setting does
    else
        m_timer.stop();
}

} // namespace platform
