#include "applysequence.h"

#include "appidentity.h"

namespace advisor {

namespace {
constexpr quintptr kNoCallbackWindow = 0;
constexpr float kProgressMin = 0.0F;
constexpr float kProgressMax = 100.0F;
} // namespace

ApplySequence::ApplySequence(const Sliders &sliders, ApplyPanel &panel, MessageBoxes &boxes, MediaControl &media)
    : m_sliders(sliders)
    , m_panel(panel)
    , m_boxes(boxes)
    , m_media(media)
{
}

Answer ApplySequence::ask(const QString &text, const QString &title, Message::Icon icon, Message::Buttons buttons)
{
    return m_boxes.show(Message{text, title, icon, buttons});
}

void ApplySequence::apply()
{
    using enum Message::Icon;
    using enum Message::Buttons;
    const QString title = app::title();

    const int current = m_sliders.currentSize();
    const int desired = m_sliders.desiredSize();
    if (current == desired && m_sliders.beforeTint() == m_sliders.afterTint()) {
        ask(QStringLiteral("Please make some changes, then click Apply!"), title, Information, Ok);
        return;
    }

    if (desired < current
        && ask(QStringLiteral("Are you sure you want to REDUCE your penis size?"),
               title + QStringLiteral(" - Are you mad?"), Exclamation, YesNo)
               == Answer::No)
        return;

    if (static_cast<long long>(desired) - current > 4
        && ask(QStringLiteral("Are you sure you want to increase your penis size by that much? "
                              "This could be fatal."),
               title, Exclamation, YesNo)
               == Answer::No)
        return;

    m_media.SendMciCommand(kOpenTray, kNoCallbackWindow);
    if (ask(QStringLiteral("Please insert penis now."), title, Information, OkCancel) == Answer::Cancel)
        return; // the tray stays open

    m_panel.setWindowEnabled(false);
    m_media.SendMciCommand(kCloseTray, kNoCallbackWindow);
    m_panel.setProgressMin(kProgressMin);
    m_panel.setProgressMax(kProgressMax);
    m_panel.setProgressValue(kProgressMin);
    m_filling = true;
    m_panel.setTimerInterval(kTickMilliseconds);
    m_panel.setTimerEnabled(true);
}

void ApplySequence::tick()
{
    // A tick that arrives while the success notice is open finds the bar
    // still full; it must not show the notice a second time.
    if (!m_filling)
        return;

    const float value = m_panel.progressValue();
    if (m_panel.progressMax() >= value + 1.0F) {
        m_panel.setProgressValue(value + 1.0F);
        return;
    }

    // Stop the timer before the notice opens rather than after it closes:
    // the user sees the same order of events, and no tick can stack a
    // second notice while this one waits for an answer.
    m_filling = false;
    m_panel.setTimerEnabled(false);
    ask(QStringLiteral("Success! You should notice changes within the next few days."), app::title(),
        Message::Icon::Information, Message::Buttons::Ok);
    m_panel.setWindowEnabled(true);
}

} // namespace advisor
