#pragma once

#include "sizemodel.h"

#include <QObject>
#include <QString>

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

// The desktop's modal message boxes.
class MessageBoxes
{
public:
    // Shows the message and returns once the user has answered it.
    virtual Answer show(const Message &message) = 0;

protected:
    ~MessageBoxes() = default;
};

// The staged treatment behind Apply: questions, the CD tray (through the
// platform's media-control commands), the progress bar filled on the timer
// and the success notice.
//
// The user answers through the message boxes; the main window follows the
// sequence through its signals, emitted in the order the window shows them:
// once the insertion is confirmed the window is disabled, then the tray
// closes, the bar is reset and the timer starts; a full bar stops the timer,
// the success notice is answered, and the window is enabled again.
class ApplySequence : public QObject
{
    Q_OBJECT

public:
    static constexpr int kTickMilliseconds = 10;
    static inline const QString kOpenTray = QStringLiteral("set cdaudio door open");
    static inline const QString kCloseTray = QStringLiteral("set cdaudio door closed ");

    explicit ApplySequence(MessageBoxes &boxes, QObject *parent = nullptr);

    // The Apply button, with the sliders as they stand. Does nothing while
    // an earlier Apply is still under way, up to its success notice.
    void apply(const Sliders &sliders);
    // One tick of the timer.
    void tick();

signals:
    void windowEnabledChanged(bool enabled);
    void progressChanged(int minimum, int maximum, int value);
    void timerChanged(int milliseconds, bool enabled);

private:
    // Where a sequence stands; a new one starts only from Idle.
    enum class Stage { Idle, Asking, Filling, Finishing };

    // The questions and the insertion request; false where the user stopped.
    bool askAndOpenTray(const Sliders &sliders);
    void startFill();
    Answer ask(const QString &text, const QString &title, Message::Icon icon, Message::Buttons buttons);

    MessageBoxes &m_boxes;
    int m_maximum = 0;
    int m_value = 0;
    Stage m_stage = Stage::Idle;
};

} // namespace advisor
