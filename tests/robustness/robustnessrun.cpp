#include "robustnessrun.h"

#include "aboutcredits.h"
#include "answers.h"
#include "appidentity.h"
#include "displaycheck.h"
#include "frmabout.h"
#include "frmcontrol.h"
#include "frmtoobig.h"
#include "linkrecorder.h"
#include "sizemodel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QWindow>

namespace {

using Outcome = UserAction::Outcome;

// QCoreApplication::exit() status that stops the run after a failure.
constexpr int kFailureStatus = 99;
// An access key clicks its button 100 ms after the key
// (QAbstractButton::animateClick) on a coarse timer, which may be 5 % late;
// the next event comes after that.
constexpr int kAccessKeyPauseMs = 125;
// While the bar fills, a few events are enough: none may do anything.
constexpr int kFillingPauseMs = 20;
constexpr int kActivationLimitMs = 3000;
constexpr int kFillLimitMs = 10000;
constexpr int kQuietWatchLimit = 15; // seconds without an event

const SliderValues kResetValues{advisor::kResetSize, advisor::kResetSize, advisor::kResetTint, advisor::kResetTint};

// What each box looks like: its buttons, the first of them the default.
QMessageBox::StandardButtons buttonsOf(ApplyModel::Box box)
{
    switch (box) {
    case ApplyModel::Box::Reduce:
    case ApplyModel::Box::Fatal:
        return QMessageBox::Yes | QMessageBox::No;
    case ApplyModel::Box::Insert:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case ApplyModel::Box::NothingChanged:
    case ApplyModel::Box::Success:
        return QMessageBox::Ok;
    }
    return QMessageBox::NoButton;
}

QMessageBox::StandardButton defaultOf(ApplyModel::Box box)
{
    return buttonsOf(box).testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
}

QString kindOf(const QWidget &window)
{
    if (qobject_cast<const QMessageBox *>(&window))
        return QStringLiteral("message boxes");
    return window.objectName();
}

QString urlList(const QList<QUrl> &urls)
{
    QStringList texts;
    for (const QUrl &url : urls)
        texts << url.toString();
    return QLatin1Char('[') + texts.join(QStringLiteral(", ")) + QLatin1Char(']');
}

} // namespace

RobustnessRun::RobustnessRun(const Plan &plan)
    : m_plan(plan)
    , m_user(plan.seed, plan.hands)
    , m_fillingUser(plan.seed, plan.hands)
{
    m_stepTimer.setSingleShot(true);
    m_stepTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_stepTimer, &QTimer::timeout, this, &RobustnessRun::step);
    m_watchdog.setInterval(1000);
    connect(&m_watchdog, &QTimer::timeout, this, &RobustnessRun::watchdog);
    m_user.betweenMoves = [this] { checkState(); };
    m_tray.onCall = [this](const QByteArray &command) {
        commandSent(QString::fromLatin1(command), m_tray.calls.constLast().callbackWindow);
    };
}

RobustnessRun::~RobustnessRun()
{
    m_tray.onCall = nullptr;
}

QString RobustnessRun::run()
{
    m_links = std::make_unique<LinkRecorder>([this](const QUrl &url) { linkOpened(url); });
    qApp->installEventFilter(this);
    m_watchdog.start();

    while (m_failure.isEmpty() && !m_done) {
        openMainWindow();
        if (!m_failure.isEmpty())
            break;
        m_stepTimer.start(0);
        m_inExec = true;
        const int status = QApplication::exec();
        m_inExec = false;
        m_stepTimer.stop();
        applicationEnded(status);
    }

    m_watchdog.stop();
    qApp->removeEventFilter(this);
    m_display.reset();
    m_window.reset();
    m_links.reset();
    return m_failure;
}

QString RobustnessRun::summary() const
{
    QStringList parts{QStringLiteral("%1 events").arg(m_journal.userEvents())};
    for (auto count = m_counts.cbegin(); count != m_counts.cend(); ++count)
        parts << QStringLiteral("%1 %2").arg(count.value()).arg(count.key());
    return parts.join(QStringLiteral(", "));
}

// ---------------------------------------------------------------- sessions

void RobustnessRun::openMainWindow()
{
    m_model = ApplyModel();
    m_ending = false;
    m_delayed.reset();
    m_runningSteps.clear();

    m_window = std::make_unique<FrmControl>();
    m_display = std::make_unique<DisplayCheck>(*m_window);
    m_sliders.clear();
    for (const char *name : {"sldCurrent", "sldWanted", "sldCol1", "sldCol2"}) {
        auto *slider = m_window->findChild<QSlider *>(QLatin1String(name));
        m_sliders << slider;
        connect(slider, &QSlider::valueChanged, this, [this, slider] { sliderMoved(slider); });
    }
    // Connected after the window's own handlers: these run once those have returned.
    connect(m_window->findChild<QPushButton *>(QStringLiteral("cmdExit")), &QPushButton::clicked, this,
            &RobustnessRun::exitClicked);
    connect(m_window->findChild<QPushButton *>(QStringLiteral("cmdGo")), &QPushButton::clicked, this,
            [this] { report(m_model.applyClicked()); });
    ++m_counts[QStringLiteral("main windows")];
    m_journal.note(QStringLiteral("a new frmControl opens"));

    // A fresh window, whatever the last one went through.
    if (sliders() != kResetValues)
        fail(QStringLiteral("a new main window starts at %1").arg(sliders().toString()));
    if (m_window->windowTitle() != app::title())
        fail(QStringLiteral("a new main window is captioned \"%1\"").arg(m_window->windowTitle()));
    checkState();
}

void RobustnessRun::applicationEnded(int status)
{
    if (m_failure.isEmpty()) {
        if (!m_ending)
            fail(QStringLiteral("the application ended with status %1 without Exit or the close box").arg(status));
        else if (status != 0)
            fail(QStringLiteral("the application ended with status %1, expected 0").arg(status));
        else
            report(m_model.ended());
    }
    m_journal.note(QStringLiteral("QApplication::exec() returned %1").arg(status));
    m_display.reset();
    m_window.reset();
    m_modals.clear();
    m_openBoxes.clear();
    if (m_windingDown)
        m_done = true;
}

// ---------------------------------------------------------------- steps

void RobustnessRun::step()
{
    if (!m_failure.isEmpty() || m_ending || !m_window)
        return;
    // The user's next event waits until the last one is over (QTest spins
    // the event loop after each), unless that one opened a modal window
    // whose loop this is; and until a window that closed is gone.
    const bool insideAnotherEvent =
        !m_runningSteps.isEmpty() && m_runningSteps.constLast().modalShowsAtStart == m_modalShows;
    if (insideAnotherEvent || !settled()) {
        m_stepTimer.start(0);
        return;
    }
    if (m_delayed) {
        verifyDelayed();
        if (!m_failure.isEmpty() || m_ending)
            return;
    }

    QWidget *modal = QApplication::activeModalWidget();
    QWidget &top = modal ? *modal : *m_window;
    if (!waitForActivation(top))
        return;

    const bool filling = !modal && !m_window->isEnabled();
    if (!m_windingDown && !filling && m_journal.userEvents() >= m_plan.events) {
        m_windingDown = true;
        m_journal.note(QStringLiteral("all events spent: closing every window, then Exit"));
    }
    const std::optional<UserAction> action = m_windingDown ? windDownAction(top, filling) : nextAction(top, filling);
    ++m_actions;
    if (!m_failure.isEmpty())
        return;
    if (!action) {
        m_stepTimer.start(kFillingPauseMs);
        return;
    }
    perform(*action, top, filling);
}

bool RobustnessRun::settled() const
{
    // A modal window that has closed is destroyed as soon as its loop
    // returns; until then the handler that opened it has not gone on.
    for (const QPointer<QWidget> &window : m_modals) {
        if (window && !window->isVisible())
            return false;
    }
    return true;
}

bool RobustnessRun::waitForActivation(QWidget &top)
{
    if (QGuiApplication::focusWindow() == top.windowHandle()) {
        m_activationWait.invalidate();
        return true;
    }
    // The window manager gives the focus to a window that opens, and back
    // to the owner when it closes; the offscreen platform leaves that to us.
    if (!m_activationWait.isValid()) {
        m_activationWait.start();
        m_journal.note(QStringLiteral("the window manager activates %1").arg(nameOf(&top)));
    } else if (m_activationWait.elapsed() > kActivationLimitMs) {
        fail(QStringLiteral("%1 never became the active window").arg(nameOf(&top)));
        return false;
    }
    top.activateWindow();
    m_stepTimer.start(0);
    return false;
}

std::optional<UserAction> RobustnessRun::nextAction(QWidget &top, bool filling)
{
    if (filling)
        return m_fillingUser.onDisabledMainWindow(top);
    if (&top == m_window.get())
        return m_user.onMainWindow(top);
    if (auto *box = qobject_cast<QMessageBox *>(&top))
        return m_user.onMessageBox(*box, m_fills < m_plan.fills);
    if (qobject_cast<FrmTooBig *>(&top))
        return m_user.onPreview(top);
    if (qobject_cast<FrmAbout *>(&top))
        return m_user.onAbout(top);
    fail(QStringLiteral("an unknown modal window is open: %1").arg(nameOf(&top)));
    return std::nullopt;
}

std::optional<UserAction> RobustnessRun::windDownAction(QWidget &top, bool filling)
{
    if (filling)
        return std::nullopt; // the bar fills on its own
    if (&top != m_window.get())
        return RandomUser::closeBox(top, Outcome::WindowCloses);
    auto *cmdExit = m_window->findChild<QPushButton *>(QStringLiteral("cmdExit"));
    return RandomUser::clickControl(*m_window, *cmdExit, Outcome::ApplicationEnds);
}

void RobustnessRun::perform(const UserAction &action, QWidget &top, bool filling)
{
    const QString what = nameOf(&top) + QStringLiteral(": ") + action.description;
    if (filling)
        m_journal.note(QStringLiteral("while the bar fills, ") + what);
    else
        m_journal.userEvent(what);
    ++m_counts[filling ? QStringLiteral("events while filling") : QStringLiteral("events on ") + kindOf(top)];
    if (!filling)
        ++m_counts[action.kind];

    // The next event is due while this one may still be running: if it
    // opens a modal window, that is where the user goes on. An access key
    // only starts its button's click, so its pause is counted after it.
    if (!action.delayed)
        m_stepTimer.start(filling ? kFillingPauseMs : 0);

    const QPointer<QWidget> target = &top;
    const QPointer<QMessageBox> box = qobject_cast<QMessageBox *>(&top);
    const Fingerprint before = fingerprint();
    const int previewShows = m_previewShows;
    const int aboutShows = m_aboutShows;

    m_runningSteps.append(StepRecord{m_modalShows, std::nullopt, {}});
    action.perform();
    if (m_window && !filling && &top == m_window.get() && fingerprint().sliders != before.sliders)
        ++m_counts[action.kind + QStringLiteral(" that moved a slider")];
    if (box && !box->isVisible())
        closedBoxAnswered(box);
    const StepRecord record = m_runningSteps.takeLast();
    if (action.delayed)
        m_stepTimer.start(kAccessKeyPauseMs);

    if (!m_failure.isEmpty())
        return;
    if (action.delayed)
        m_delayed = Delayed{action, m_previewShows};
    else
        verify(action, target, record, before, previewShows, aboutShows);
    checkState();
}

void RobustnessRun::verify(const UserAction &action, const QPointer<QWidget> &target, const StepRecord &record,
                           const Fingerprint &before, int previewShows, int aboutShows)
{
    const QString what = QStringLiteral("\"%1\"").arg(action.description);
    switch (action.outcome) {
    case Outcome::Unknown:
        break;
    case Outcome::WindowCloses:
        if (target && target->isVisible())
            fail(QStringLiteral("%1 left %2 open").arg(what, nameOf(target)));
        break;
    case Outcome::WindowStays:
        if (!target || !target->isVisible())
            fail(QStringLiteral("%1 closed the window").arg(what));
        break;
    case Outcome::ApplicationEnds:
        if (!m_ending)
            fail(QStringLiteral("%1 did not end the application").arg(what));
        break;
    case Outcome::SlidersReset:
        if (!m_ending && sliders() != kResetValues)
            fail(QStringLiteral("%1 did not reset the sliders: %2").arg(what, sliders().toString()));
        break;
    case Outcome::PreviewOpens:
        if (m_previewShows == previewShows)
            fail(QStringLiteral("%1 did not open the Preview window").arg(what));
        break;
    case Outcome::AboutOpens:
        if (m_aboutShows == aboutShows)
            fail(QStringLiteral("%1 did not open the About window").arg(what));
        break;
    case Outcome::NothingHappens:
        if (fingerprint() != before)
            fail(QStringLiteral("%1 reached a window blocked by %2").arg(what, nameOf(QApplication::activeModalWidget())));
        break;
    }

    if (action.answer) {
        if (!record.answer)
            fail(QStringLiteral("%1 did not answer the box").arg(what));
        else if (*record.answer != *action.answer)
            fail(QStringLiteral("%1 answered %2, expected %3").arg(what, answers::nameOf(*record.answer), answers::nameOf(*action.answer)));
    }
    if (action.link) {
        const QList<QUrl> expected = action.link->isEmpty() ? QList<QUrl>{} : QList<QUrl>{QUrl(*action.link)};
        if (record.links != expected)
            fail(QStringLiteral("%1 asked the desktop to open %2, expected %3").arg(what, urlList(record.links), urlList(expected)));
    }
}

void RobustnessRun::verifyDelayed()
{
    const Delayed delayed = *m_delayed;
    m_delayed.reset();
    const QString what = QStringLiteral("\"%1\"").arg(delayed.action.description);
    switch (delayed.action.outcome) {
    case Outcome::ApplicationEnds:
        fail(QStringLiteral("%1 did not end the application").arg(what));
        break;
    case Outcome::SlidersReset:
        if (sliders() != kResetValues)
            fail(QStringLiteral("%1 did not reset the sliders: %2").arg(what, sliders().toString()));
        break;
    case Outcome::PreviewOpens:
        if (m_previewShows == delayed.previewShows)
            fail(QStringLiteral("%1 did not open the Preview window").arg(what));
        break;
    default:
        break;
    }
}

void RobustnessRun::checkState()
{
    if (!m_window || m_ending || !m_failure.isEmpty())
        return;
    if (const QString mismatches = m_display->mismatches(); !mismatches.isEmpty()) {
        fail(QStringLiteral("the display disagrees with the sliders (%1):\n%2").arg(sliders().toString(), mismatches.trimmed()));
        return;
    }
    if (settled() && m_window->isEnabled() == m_model.fillRunning()) {
        fail(QStringLiteral("the main window is %1 with %2")
                 .arg(m_window->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"), m_model.stageName()));
        return;
    }
    if (m_model.fillRunning() && m_fillTime.isValid() && m_fillTime.elapsed() > kFillLimitMs)
        fail(QStringLiteral("the bar has been filling for %1 ms").arg(m_fillTime.elapsed()));
}

// ---------------------------------------------------------------- watchers

bool RobustnessRun::eventFilter(QObject *watched, QEvent *event)
{
    if (watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && widget->isWindow() && widget->isModal())
            modalShown(widget);
        else if (event->type() == QEvent::Hide && m_window && widget == m_window.get())
            mainWindowHidden();
    }
    return QObject::eventFilter(watched, event);
}

void RobustnessRun::modalShown(QWidget *window)
{
    ++m_modalShows;
    m_modals.removeAll(nullptr);
    m_modals.append(window);
    m_journal.note(QStringLiteral("%1 opens").arg(nameOf(window)));
    if (!m_window || m_ending || !m_failure.isEmpty())
        return;

    if (auto *box = qobject_cast<QMessageBox *>(window)) {
        boxShown(box);
        return;
    }
    if (window->parentWidget() != m_window.get())
        fail(QStringLiteral("%1 opened over another window than frmControl").arg(nameOf(window)));
    else if (!m_model.idle())
        fail(QStringLiteral("%1 opened with %2").arg(nameOf(window), m_model.stageName()));
    else if (qobject_cast<FrmTooBig *>(window)) {
        ++m_previewShows;
        ++m_counts[QStringLiteral("Previews")];
        if (sliders().desired != advisor::kLargestSize)
            fail(QStringLiteral("the Preview window opened for desired size %1").arg(sliders().desired));
        else if (window->windowTitle() != QLatin1String("Flaccid"))
            fail(QStringLiteral("the Preview window is captioned \"%1\"").arg(window->windowTitle()));
    } else if (qobject_cast<FrmAbout *>(window)) {
        ++m_aboutShows;
        ++m_counts[QStringLiteral("Abouts")];
        if (window->windowTitle() != QStringLiteral("About ") + app::title())
            fail(QStringLiteral("the About window is captioned \"%1\"").arg(window->windowTitle()));
    } else {
        fail(QStringLiteral("an unknown modal window opened: %1").arg(nameOf(window)));
    }
}

void RobustnessRun::boxShown(QMessageBox *box)
{
    const std::optional<ApplyModel::Box> kind = ApplyModel::boxOf(box->text());
    if (!kind) {
        fail(QStringLiteral("an unexpected message box opened, \"%1\": %2").arg(box->windowTitle(), box->text()));
        return;
    }
    ++m_counts[QStringLiteral("boxes")];
    const QString title = *kind == ApplyModel::Box::Reduce ? app::title() + QStringLiteral(" - Are you mad?") : app::title();
    if (box->windowTitle() != title)
        fail(QStringLiteral("%1 is titled \"%2\", expected \"%3\"").arg(nameOf(box), box->windowTitle(), title));
    else if (box->standardButtons() != buttonsOf(*kind) || !box->defaultButton()
             || box->standardButton(box->defaultButton()) != defaultOf(*kind))
        fail(QStringLiteral("%1 has the wrong buttons or default button").arg(nameOf(box)));
    else if (box->parentWidget() != m_window.get())
        fail(QStringLiteral("%1 opened over another window than frmControl").arg(nameOf(box)));

    m_openBoxes.insert(box, *kind);
    connect(box, &QObject::destroyed, this, [this, box] { m_openBoxes.remove(box); });
    connect(box, &QDialog::finished, this, [this, box] {
        // The close box sets the answer only after this signal: it is
        // collected once the close request has been handled.
        if (QAbstractButton *clicked = box->clickedButton())
            boxAnswered(box, answers::answerOf(box->standardButton(clicked)).value_or(advisor::Answer::Ok));
    });
    report(m_model.boxShown(*kind, sliders()));
}

void RobustnessRun::closedBoxAnswered(QMessageBox *box)
{
    if (!m_openBoxes.contains(box))
        return; // answered already
    if (QAbstractButton *clicked = box->clickedButton())
        boxAnswered(box, answers::answerOf(box->standardButton(clicked)).value_or(advisor::Answer::Ok));
    else
        fail(QStringLiteral("%1 closed without an answer").arg(nameOf(box)));
}

void RobustnessRun::boxAnswered(QMessageBox *box, advisor::Answer answer)
{
    const auto kind = m_openBoxes.constFind(box);
    if (kind == m_openBoxes.constEnd())
        return;
    const ApplyModel::Box answered = *kind;
    m_openBoxes.erase(kind);
    m_journal.note(QStringLiteral("%1 answered %2").arg(nameOf(box), answers::nameOf(answer)));
    ++m_counts[QStringLiteral("answers ") + answers::nameOf(answer)];
    if (!m_runningSteps.isEmpty())
        m_runningSteps.last().answer = answer;
    if (!m_ending)
        report(m_model.boxAnswered(answered, answer, sliders()));
}

void RobustnessRun::commandSent(const QString &command, quintptr callbackWindow)
{
    ++m_commands;
    m_journal.note(QStringLiteral("media command \"%1\"").arg(command));
    if (!m_window || m_ending || !m_failure.isEmpty())
        return;
    if (callbackWindow != 0)
        fail(QStringLiteral("media command \"%1\" with callback window %2").arg(command).arg(callbackWindow));
    report(m_model.commandSent(command, m_window->isEnabled(), sliders()));
    if (command == advisor::ApplySequence::kCloseTray) {
        ++m_fills;
        ++m_counts[QStringLiteral("fills")];
        m_fillTime.start();
        // Events during the fill come from a generator of their own: how many
        // fit into the fill depends on the machine, and must not change what
        // the user does afterwards.
        m_fillingUser.reseed(m_user.seedForAnother());
    }
}

void RobustnessRun::linkOpened(const QUrl &url)
{
    ++m_linkRequests;
    ++m_counts[QStringLiteral("links opened")];
    m_journal.note(QStringLiteral("the desktop is asked to open %1").arg(url.toString()));
    if (url != QUrl(about::website()) && url != QUrl(about::mailTarget()))
        fail(QStringLiteral("the desktop was asked to open %1").arg(url.toString()));
    else if (m_runningSteps.isEmpty())
        fail(QStringLiteral("the desktop was asked to open %1 without a click").arg(url.toString()));
    else
        m_runningSteps.last().links.append(url);
}

void RobustnessRun::sliderMoved(const QSlider *slider)
{
    if (!m_window || m_ending || !m_failure.isEmpty())
        return;
    const QWidget *modal = QApplication::activeModalWidget();
    if (modal || !m_window->isEnabled() || !m_model.idle())
        fail(QStringLiteral("%1 moved to %2 with %3")
                 .arg(slider->objectName())
                 .arg(slider->value())
                 .arg(modal ? nameOf(modal) + QStringLiteral(" open")
                            : !m_window->isEnabled() ? QStringLiteral("the window disabled") : m_model.stageName()));
}

void RobustnessRun::exitClicked()
{
    m_journal.note(QStringLiteral("Exit acts"));
    ++m_counts[QStringLiteral("exits")];
    const QWidget *modal = QApplication::activeModalWidget();
    if (!m_window->isEnabled())
        fail(QStringLiteral("Exit acted while the window was disabled"));
    else if (modal)
        fail(QStringLiteral("Exit acted while %1 was open").arg(nameOf(modal)));
    else if (!m_model.idle())
        fail(QStringLiteral("Exit acted with %1").arg(m_model.stageName()));
    m_ending = true;
}

void RobustnessRun::mainWindowHidden()
{
    if (m_ending || !m_failure.isEmpty())
        return;
    // Only the close box hides it: the application ends.
    m_journal.note(QStringLiteral("frmControl closes"));
    ++m_counts[QStringLiteral("closed by the close box")];
    if (!m_window->isEnabled())
        fail(QStringLiteral("the main window closed while disabled"));
    else if (const QWidget *modal = QApplication::activeModalWidget())
        fail(QStringLiteral("the main window closed while %1 was open").arg(nameOf(modal)));
    else if (!m_model.idle())
        fail(QStringLiteral("the main window closed with %1").arg(m_model.stageName()));
    m_ending = true;
}

// ---------------------------------------------------------------- helpers

SliderValues RobustnessRun::sliders() const
{
    return {m_sliders.at(0)->value(), m_sliders.at(1)->value(), m_sliders.at(2)->value(), m_sliders.at(3)->value()};
}

RobustnessRun::Fingerprint RobustnessRun::fingerprint() const
{
    const QWidget *top = QApplication::activeModalWidget();
    return {sliders(), m_commands, m_linkRequests, m_modalShows, m_ending, top, top && top->isVisible()};
}

QString RobustnessRun::nameOf(const QWidget *window) const
{
    if (!window)
        return QStringLiteral("no window");
    if (const auto *box = qobject_cast<const QMessageBox *>(window))
        return QStringLiteral("the box \"%1\"").arg(box->text());
    if (!window->objectName().isEmpty())
        return window->objectName();
    return QLatin1String(window->metaObject()->className());
}

void RobustnessRun::report(const QString &error)
{
    if (!error.isEmpty())
        fail(error);
}

void RobustnessRun::fail(const QString &what)
{
    if (!m_failure.isEmpty())
        return;
    m_failure = QStringLiteral("%1\nat %2; replay: %3\nlast events:\n%4")
                    .arg(what, m_journal.position(), m_plan.replay, m_journal.lastEntries());
    // Said at once: an error that escapes a handler ends the process.
    qWarning().noquote() << m_failure;
    m_stepTimer.stop();
    if (m_inExec)
        QCoreApplication::exit(kFailureStatus);
}

void RobustnessRun::watchdog()
{
    if (m_actions != m_actionsAtLastWatch) {
        m_actionsAtLastWatch = m_actions;
        m_quietWatches = 0;
        return;
    }
    if (++m_quietWatches < kQuietWatchLimit)
        return;
    QStringList open;
    for (const QPointer<QWidget> &window : std::as_const(m_modals)) {
        if (window)
            open << nameOf(window) + (window->isVisible() ? QString() : QStringLiteral(" (closed, not yet gone)"));
    }
    fail(QStringLiteral("no event for %1 s; modal windows: %2").arg(kQuietWatchLimit).arg(open.join(QStringLiteral(", "))));
}
