#pragma once

#include "cdtray.h"
#include "messageboxes.h"
#include "sizemodel.h"

#include <QObject>
#include <QTimer>

namespace core {

// The staged treatment behind Apply: questions, the CD tray, the progress bar
// filled on Timer1 and the success notice.
//
// The user answers through the message boxes; the main window follows the
// sequence through its signals, emitted in the order the window shows them:
// once the insertion is confirmed the window is disabled, then the tray
// closes, the bar is reset and Timer1 starts; 100 ticks of 10 ms fill the
// bar, the next one stops the timer, the success notice is answered, and the
// window is enabled again.
class ApplySequence : public QObject
{
    Q_OBJECT

public:
    ApplySequence(CdTray &tray, MessageBoxes &boxes, QObject *parent = nullptr);

    // The Apply button, with the sliders as they stand. Does nothing while
    // an earlier Apply is still under way, up to its success notice.
    void apply(const Sliders &sliders);

signals:
    void windowEnabledChanged(bool enabled);
    void progressChanged(int minimum, int maximum, int value);

private:
    // Where a sequence stands; a new one starts only from Idle.
    enum class Stage { Idle, Asking, Filling, Finishing };

    // The questions and the insertion request; false where the user stopped.
    bool askAndOpenTray(const Sliders &sliders);
    void startFill();
    void Timer1_Timer();
    Answer ask(const QString &text, const QString &title, Message::Icon icon, Message::Buttons buttons);

    CdTray &m_tray;
    MessageBoxes &m_boxes;
    QTimer Timer1;
    int m_maximum = 0;
    int m_value = 0;
    Stage m_stage = Stage::Idle;
};

} // namespace core
