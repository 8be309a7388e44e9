#pragma once

#include "expecteddisplay.h"
#include "messageboxdriver.h"
#include "qtmessageboxes.h"
#include "randomuser.h"
#include "recordingshell.h"
#include "recordingtray.h"
#include "usertexts.h"

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

class FrmControl;

// Drives the real windows with random input until its events are spent,
// checking after every event what must hold whatever the user does.
//
// Each event is one step, run from a timer on the window in front. A step
// that opens a modal window returns only once that closes, so the next
// steps run inside its event loop, as the user's next clicks would. Apply's
// message boxes are answered at random by a MessageBoxDriver, now and then
// with a click or key on the main window at once, as a fast user's next
// input handled before the sequence that asked has gone on. Exit ends
// QApplication::exec() for real; the run goes on with a fresh main window.
//
// Across a sequence it checks that the tray is told to close only after it
// was told to open, that no two of the program's boxes are open at once, and
// that the window takes no input from the tray closing until the success box
// is answered.
class RobustnessRun : public QObject
{
public:
    struct Plan
    {
        quint32 seed = 0;
        int events = 0;
        int fills = 0; // each takes a second
        RandomUser::Hands hands = RandomUser::Hands::KeyboardAndMouse;
        QString replay; // the command line that runs the same again
    };

    explicit RobustnessRun(const Plan &plan);
    ~RobustnessRun() override;

    // Runs to the end; returns what went wrong, or an empty text.
    QString run();
    QString summary() const;

private:
    void step();
    void perform(QWidget &top, bool filling);
    // Visible modal windows, or -1 while one that closed is not yet gone.
    int openModals() const;
    void check();
    void trayCommand(const QString &command);
    void rightAfterAnswer(const QMessageBox &box);
    void linkOpened(const RecordingShell::Request &request);
    QMessageBox::StandardButton answer(const QMessageBox &box);
    int successBoxes() const { return int(m_boxes.texts().count(texts::kSuccess)); }
    static int programBoxes();
    void note(const QString &what);
    void fail(const QString &what);

    Plan m_plan;
    RandomUser m_user;
    // Input while the bar fills, from a sequence of its own: how much of it
    // fits into a fill depends on the machine, and must not change the rest.
    RandomUser m_fillingUser;
    RecordingTray m_tray;
    RecordingShell m_shell;
    platform::QtMessageBoxes m_messageBoxes;
    MessageBoxDriver m_boxes;
    std::unique_ptr<FrmControl> m_window;
    std::unique_ptr<ExpectedDisplay> m_display;

    QTimer m_stepTimer;
    QTimer m_watchdog;
    QElapsedTimer m_sinceEvent;
    QElapsedTimer m_fillTime;
    QList<int> m_running; // for each step under way, the modal windows open as it began
    QStringList m_journal;
    QMap<QString, int> m_counts;
    int m_events = 0;
    int m_fills = 0;
    int m_successAnswers = 0;
    QString m_lastTrayCommand;
    bool m_windingDown = false;
    QString m_failure;
};
