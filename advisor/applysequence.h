#pragma once

#include "controls.h"

#include <QString>
#include <QtGlobal>

namespace advisor {

// A modal question or notice. The first button is always the default.
struct Message
{
    enum class Icon { Information, Exclamation };
    enum class Buttons { Ok, YesNo, OkCancel };

    QString text;
    QString title;
    Icon icon;
    Buttons buttons;

    friend bool operator==(const Message &, const Message &) = default;
};

enum class Answer { Ok, Cancel, Yes, No };

class MessageBoxes
{
public:
    // Shows the message and returns once the user has answered it.
    virtual Answer show(const Message &message) = 0;

protected:
    ~MessageBoxes() = default;
};

// The media-control command interface of the platform.
class MediaControl
{
public:
    // Sends one command string; returns the reply buffer, untrimmed.
    virtual QString SendMciCommand(const QString &command, quintptr callbackWindow) = 0;

protected:
    ~MediaControl() = default;
};

// The staged treatment behind Apply: questions, the CD tray, the progress
// bar filled on the timer and the success notice.
class ApplySequence
{
public:
    static constexpr int kTickMilliseconds = 10;
    static inline const QString kOpenTray = QStringLiteral("set cdaudio door open");
    static inline const QString kCloseTray = QStringLiteral("set cdaudio door closed ");

    ApplySequence(const Sliders &sliders, ApplyPanel &panel, MessageBoxes &boxes, MediaControl &media);

    // The Apply button.
    void apply();
    // One tick of the timer while the bar fills.
    void tick();

    bool isFilling() const { return m_filling; }

private:
    Answer ask(const QString &text, const QString &title, Message::Icon icon, Message::Buttons buttons);

    const Sliders &m_sliders;
    ApplyPanel &m_panel;
    MessageBoxes &m_boxes;
    MediaControl &m_media;
    // True from the tray closing until the success notice has been answered.
    bool m_filling = false;
};

} // namespace advisor
