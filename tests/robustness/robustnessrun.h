#pragma once

#include "applymodel.h"
#include "eventjournal.h"
#include "randomuser.h"
#include "mcirecorder.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <optional>

class DisplayCheck;
class FrmControl;
class LinkRecorder;
class QMessageBox;
class QSlider;

// Drives the real windows with random input until its events are spent.
//
// Each user event is one step, run from a timer on whichever window the user
// can reach: the main window, or the modal window on top of it. A step that
// opens a modal window (Apply's questions, Preview, About) does not return
// until that window closes, so the next steps run inside its event loop, as
// the user's next clicks would; any other step that spins the event loop
// (QTest does, after every event) lets no step run inside it.
//
// Exit ends QApplication::exec() for real: the run notes how the
// application ended, checks it, and carries on with a fresh main window. (A
// loop of the run's own would not do: once QCoreApplication::exit() has
// ended one, every later modal window's exec() returns at once, until
// QApplication::exec() runs again.)
//
// Watchers see everything the program does as it happens (message boxes as
// they open, media commands, link requests, slider values, Exit) and check
// it against the Apply model; after every event the display is checked
// against the sliders.
class RobustnessRun : public QObject
{
    Q_OBJECT

public:
    struct Plan
    {
        quint32 seed = 0;
        int events = 0;
        int fills = 0; // fills allowed: each takes a second
        RandomUser::Hands hands = RandomUser::Hands::KeyboardAndMouse;
        QString replay; // how to run the same again, for failure reports
    };

    explicit RobustnessRun(const Plan &plan);
    ~RobustnessRun() override;

    // Runs to the end; returns what went wrong, or an empty text.
    QString run();
    // What the run went through, for the log.
    QString summary() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What one running step saw happen while it acted.
    struct StepRecord
    {
        int modalShowsAtStart = 0;
        std::optional<advisor::Answer> answer;
        QList<QUrl> links;
    };
    struct Delayed
    {
        UserAction action;
        int previewShows = 0;
    };
    struct Fingerprint
    {
        SliderValues sliders;
        int commands = 0;
        int links = 0;
        int modalShows = 0;
        bool ending = false;
        const QWidget *top = nullptr;
        bool topVisible = false;

        friend bool operator==(const Fingerprint &, const Fingerprint &) = default;
    };

    void openMainWindow();
    void applicationEnded(int status);

    void step();
    bool settled() const;
    bool waitForActivation(QWidget &top);
    std::optional<UserAction> nextAction(QWidget &top, bool filling);
    std::optional<UserAction> windDownAction(QWidget &top, bool filling);
    void perform(const UserAction &action, QWidget &top, bool filling);
    void verify(const UserAction &action, const QPointer<QWidget> &target, const StepRecord &record,
                const Fingerprint &before, int previewShows, int aboutShows);
    void verifyDelayed();
    void checkState();

    void modalShown(QWidget *window);
    void boxShown(QMessageBox *box);
    void boxAnswered(QMessageBox *box, advisor::Answer answer);
    void closedBoxAnswered(QMessageBox *box);
    void commandSent(const QString &command, quintptr callbackWindow);
    void linkOpened(const QUrl &url);
    void sliderMoved(const QSlider *slider);
    void exitClicked();
    void mainWindowHidden();

    SliderValues sliders() const;
    Fingerprint fingerprint() const;
    QString nameOf(const QWidget *window) const;
    void report(const QString &error);
    void fail(const QString &what);
    void watchdog();

    Plan m_plan;
    RandomUser m_user;
    RandomUser m_fillingUser; // input while the bar fills, so that its timing cannot steer the run
    EventJournal m_journal;
    MciRecorder m_tray;
    std::unique_ptr<LinkRecorder> m_links;
    std::unique_ptr<FrmControl> m_window;
    std::unique_ptr<DisplayCheck> m_display;
    QList<QSlider *> m_sliders;
    ApplyModel m_model;

    QTimer m_stepTimer;
    QTimer m_watchdog;
    QList<StepRecord> m_runningSteps;
    std::optional<Delayed> m_delayed;
    QList<QPointer<QWidget>> m_modals;
    QHash<const QMessageBox *, ApplyModel::Box> m_openBoxes;
    QElapsedTimer m_activationWait;
    QElapsedTimer m_fillTime;

    int m_modalShows = 0;
    int m_previewShows = 0;
    int m_aboutShows = 0;
    int m_commands = 0;
    int m_linkRequests = 0;
    int m_fills = 0;
    int m_actions = 0;
    int m_actionsAtLastWatch = -1;
    int m_quietWatches = 0;
    bool m_inExec = false;
    bool m_ending = false;
    bool m_windingDown = false;
    bool m_done = false;
    QString m_failure;
    QMap<QString, int> m_counts;
};
