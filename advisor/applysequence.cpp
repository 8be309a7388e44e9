#include "applysequence.h"

#include "appidentity.h"
#include "mcisendstring.h"

namespace advisor {

namespace {
constexpr quintptr kNoCallbackWindow = 0;
constexpr int kProgressMinimum = 0;
constexpr int kProgressMaximum = 100;
} // namespace

ApplySequence::ApplySequence(MessageBoxes &boxes, QObject *parent)
    : QObject(parent)
    , m_boxes(boxes)
{
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
    const QString title = app::title();

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

    // Replies and failures of the tray commands are of no interest: a
    // machine without a drive runs the same sequence.
    platform::SendMciCommand(kOpenTray, kNoCallbackWindow);
    // Cancel leaves the tray open.
    return ask(QStringLiteral("Please insert penis now."), title, Information, OkCancel) != Answer::Cancel;
}

void ApplySequence::startFill()
{
    emit windowEnabledChanged(false);
    platform::SendMciCommand(kCloseTray, kNoCallbackWindow);
    m_maximum = kProgressMaximum;
    m_value = kProgressMinimum;
    emit progressChanged(kProgressMinimum, m_maximum, m_value);
    m_stage = Stage::Filling;
    emit timerChanged(kTickMilliseconds, true);
}

void ApplySequence::tick()
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
    emit timerChanged(kTickMilliseconds, false);
    ask(QStringLiteral("Success! You should notice changes within the next few days."), app::title(),
        Message::Icon::Information, Message::Buttons::Ok);
    m_stage = Stage::Idle;
    emit windowEnabledChanged(true);
}

} // namespace advisor
