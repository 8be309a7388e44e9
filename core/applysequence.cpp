#include "applysequence.h"

#include "appidentity.h"

namespace core {

namespace {
constexpr int kProgressMinimum = 0;
constexpr int kProgressMaximum = 100;
constexpr int kTickMilliseconds = 10;
} // namespace

ApplySequence::ApplySequence(CdTray &tray, MessageBoxes &boxes, QObject *parent)
    : QObject(parent)
    , m_tray(tray)
    , m_boxes(boxes)
    , Timer1(this)
{
    Timer1.setObjectName(QStringLiteral("Timer1"));
    // A coarse timer may stretch 10 ms to 15 or more; the bar's one-second
    // fill depends on the ticks being on time.
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(kTickMilliseconds);
    connect(&Timer1, &QTimer::timeout, this, &ApplySequence::Timer1_Timer);
}

Answer ApplySequence::ask(const QString &text, const QString &title, Message::Icon icon, Message::Buttons buttons)
{
    return m_boxes.show(Message{text, title, icon, buttons});
}

void ApplySequence::apply(const Sliders &sliders)
{
    // A box's answer and the user's next click can be handled in one pass of
    // the box's event loop, before the sequence that asked has gone on: that
    // Apply must not start a second sequence beside the first.
    if (m_stage != Stage::Idle)
        return;
    m_stage = Stage::Asking;
    if (askAndOpenTray(sliders))
        startFill();
    else
        m_stage = Stage::Idle;
}

bool ApplySequence::askAndOpenTray(const Sliders &sliders)
{
    using enum Message::Icon;
    using enum Message::Buttons;
    const QString title = identity::title();

    const int current = sliders.currentSize;
    const int desired = sliders.desiredSize;
    if (current == desired && sliders.beforeTint == sliders.afterTint) {
        ask(QStringLiteral("Please make some changes, then click Apply!"), title, Information, Ok);
        return false;
    }

    if (desired < current
        && ask(QStringLiteral("Are you sure you want to REDUCE your penis size?"),
               title + QStringLiteral(" - Are you mad?"), Exclamation, YesNo)
               == Answer::No)
        return false;

    if (static_cast<long long>(desired) - current > 4
        && ask(QStringLiteral("Are you sure you want to increase your penis size by that much? "
                              "This could be fatal."),
               title, Exclamation, YesNo)
               == Answer::No)
        return false;

    // A machine without a drive runs the same sequence.
    m_tray.open();
    // Cancel leaves the tray open.
    return ask(QStringLiteral("Please insert penis now."), title, Information, OkCancel) != Answer::Cancel;
}

void ApplySequence::startFill()
{
    emit windowEnabledChanged(false);
    m_tray.close();
    m_maximum = kProgressMaximum;
    m_value = kProgressMinimum;
    emit progressChanged(kProgressMinimum, m_maximum, m_value);
    m_stage = Stage::Filling;
    Timer1.start();
}

void ApplySequence::Timer1_Timer()
{
    // A tick that arrives while the success notice is open finds the bar
    // still full; it must not show the notice a second time.
    if (m_stage != Stage::Filling)
        return;

    if (m_maximum >= m_value + 1) {
        ++m_value;
        emit progressChanged(kProgressMinimum, m_maximum, m_value);
        return;
    }

    // Stop the timer before the notice opens rather than after it closes:
    // the user sees the same order of events, and no tick can stack a
    // second notice while this one waits for an answer.
    m_stage = Stage::Finishing;
    Timer1.stop();
    ask(QStringLiteral("Success! You should notice changes within the next few days."), identity::title(),
        Message::Icon::Information, Message::Buttons::Ok);
    m_stage = Stage::Idle;
    emit windowEnabledChanged(true);
}

} // namespace core
