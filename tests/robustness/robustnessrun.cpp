#include "robustnessrun.h"

#include "frmcontrol.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {
constexpr int kFailureStatus = 99;
constexpr int kFillingPauseMs = 20; // while the bar fills a few events are enough: none may do anything
constexpr int kFillLimitMs = 10000;
constexpr int kQuietLimitMs = 15000;
} // namespace

RobustnessRun::RobustnessRun(const Plan &plan)
    : m_plan(plan)
    , m_user(plan.seed, plan.hands)
    , m_fillingUser(plan.seed, plan.hands)
{
    m_stepTimer.setSingleShot(true);
    connect(&m_stepTimer, &QTimer::timeout, this, &RobustnessRun::step);
    connect(&m_watchdog, &QTimer::timeout, this, [this] {
        check(); // also while no event comes: a fill that never ends
        if (m_sinceEvent.isValid() && m_sinceEvent.elapsed() > kQuietLimitMs)
            fail(QStringLiteral("no event for %1 ms").arg(m_sinceEvent.elapsed()));
    });
    m_tray.onCommand = [this](const QString &command) { trayCommand(command); };
    m_shell.onOpen = [this](const RecordingShell::Request &request) { linkOpened(request); };
    m_boxes.chooser = [this](const QMessageBox &box) { return answer(box); };
    m_boxes.afterAnswer = [this](const QMessageBox &box) { rightAfterAnswer(box); };
}

RobustnessRun::~RobustnessRun() = default;

QString RobustnessRun::run()
{
    m_watchdog.start(1000);
    for (bool done = false; !done && m_failure.isEmpty(); done = m_windingDown) {
        m_window = std::make_unique<FrmControl>(m_tray, m_messageBoxes, m_shell);
        m_messageBoxes.setOwner(m_window.get());
        m_display = std::make_unique<ExpectedDisplay>(*m_window);
        ++m_counts[QStringLiteral("main windows")];
        note(QStringLiteral("a new main window opens"));
        check();
        if (m_failure.isEmpty()) {
            m_sinceEvent.start();
            m_stepTimer.start(0);
            const int status = QApplication::exec();
            m_stepTimer.stop();
            note(QStringLiteral("the application ends with status %1").arg(status));
            if (status != 0 || successBoxes() != m_fills)
                fail(QStringLiteral("the application ended with status %1 after %2 fills and %3 success boxes")
                         .arg(status).arg(m_fills).arg(successBoxes()));
        }
        m_display.reset();
        m_window.reset();
        m_messageBoxes.setOwner(nullptr);
    }
    m_watchdog.stop();
    return m_failure;
}

QString RobustnessRun::summary() const
{
    QStringList parts{
        QStringLiteral("%1 events, %2 fills, %3 success boxes").arg(m_events).arg(m_fills).arg(successBoxes())};
    for (auto count = m_counts.cbegin(); count != m_counts.cend(); ++count)
        parts << QStringLiteral("%1 %2").arg(count.value()).arg(count.key());
    return parts.join(QStringLiteral(", "));
}

void RobustnessRun::step()
{
    // The last event is still under way, unless it opened the window whose
    // loop this is. A message box is the driver's to answer.
    if (!m_failure.isEmpty())
        return;
    const int open = openModals();
    QWidget *top = QApplication::activeModalWidget();
    const bool underWay = open < 0 || (!m_running.isEmpty() && open <= m_running.constLast());
    if (underWay || qobject_cast<QMessageBox *>(top)) {
        m_stepTimer.start(1);
        return;
    }
    if (!top)
        top = m_window.get();
    // Without a window manager nothing activates a window that opens, nor
    // its owner again when it closes.
    if (QGuiApplication::focusWindow() != top->windowHandle()) {
        top->activateWindow();
        m_stepTimer.start(1);
        return;
    }
    const bool filling = !m_window->isEnabled();
    if (!filling && !m_windingDown && m_events >= m_plan.events) {
        m_windingDown = true;
        note(QStringLiteral("all events spent: every window closes, then Exit"));
    }
    if (filling && m_windingDown)
        m_stepTimer.start(kFillingPauseMs);
    else
        perform(*top, filling);
}

void RobustnessRun::perform(QWidget &top, bool filling)
{
    const auto announce = [&](const QString &what) {
        const QString where = top.objectName() + QStringLiteral(": ") + what;
        note(filling ? QStringLiteral("       while the bar fills, ") + where
                     : QStringLiteral("event %1: %2").arg(++m_events, 5).arg(where));
        ++m_counts[filling ? QStringLiteral("events while filling") : QStringLiteral("events on ") + top.objectName()];
        m_sinceEvent.restart();
    };
    // The next event is due while this one may still run: if it opens a
    // modal window, that is where the user goes on.
    m_stepTimer.start(filling ? kFillingPauseMs : 0);
    m_running.append(openModals());
    int pauseMs = 0;
    if (!m_windingDown) {
        pauseMs = (filling ? m_fillingUser : m_user).act(top, announce);
    } else {
        // Close whatever is open, then Exit.
        for (const char *name : {"cmdClose", "cmdOK", "cmdExit"}) {
            const auto *button = top.findChild<QPushButton *>(QLatin1String(name));
            if (button && button->window() == &top) {
                announce(QStringLiteral("click ") + QLatin1String(name));
                QTest::mouseClick(top.windowHandle(), Qt::LeftButton, {}, button->mapTo(&top, button->rect().center()));
                break;
            }
        }
    }
    m_running.removeLast();
    if (pauseMs > 0)
        m_stepTimer.start(pauseMs);
    check();
}

int RobustnessRun::openModals() const
{
    int open = 0;
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        // A dialog that has closed is gone once its exec() has returned;
        // until then the handler that opened it has not gone on.
        if (qobject_cast<const QDialog *>(window) && !window->isVisible())
            return -1;
        open += window->isVisible() && window->isModal();
    }
    return open;
}

void RobustnessRun::check()
{
    if (!m_failure.isEmpty() || !m_window)
        return;
    if (const QString wrong = m_display->mismatches(); !wrong.isEmpty())
        fail(QStringLiteral("the display disagrees with the sliders, ") + wrong.trimmed());
    else if (successBoxes() > m_fills)
        fail(QStringLiteral("%1 success boxes for %2 fills").arg(successBoxes()).arg(m_fills));
    else if (const int boxes = programBoxes(); boxes > 1)
        fail(QStringLiteral("%1 message boxes are open at once").arg(boxes));
    else if (m_window->isEnabled() && m_successAnswers < m_fills)
        fail(QStringLiteral("the main window takes input before the success box of fill %1 is answered").arg(m_fills));
    else if (m_window->isEnabled())
        return;
    else if (openModals() == 0 && successBoxes() == m_fills)
        fail(QStringLiteral("the main window stays disabled after the success box of fill %1").arg(m_fills));
    else if (m_fillTime.isValid() && m_fillTime.elapsed() > kFillLimitMs)
        fail(QStringLiteral("the main window has been disabled for %1 ms").arg(m_fillTime.elapsed()));
}

void RobustnessRun::trayCommand(const QString &command)
{
    note(QStringLiteral("       the tray is told to ") + command);
    if (command == QLatin1String("close")) {
        // A Cancel leaves the tray open, so an open may follow an open; a
        // close comes only after an open.
        if (m_lastTrayCommand != QLatin1String("open"))
            fail(QStringLiteral("the tray is told to close without being told to open"));
        else if (m_window->isEnabled())
            fail(QStringLiteral("the tray closes while the main window takes input"));
        ++m_fills;
        m_fillTime.start();
        m_fillingUser.reseed(m_user.draw());
    }
    m_lastTrayCommand = command;
}

void RobustnessRun::rightAfterAnswer(const QMessageBox &box)
{
    check();
    // Every other answer, and none once the run is winding down.
    if (m_windingDown || !m_failure.isEmpty() || m_user.draw() % 2 != 0)
        return;
    m_user.actRightAfter(*m_window, [&](const QString &what) {
        note(QStringLiteral("       right after \"%1\": %2").arg(box.text(), what));
        ++m_counts[QStringLiteral("inputs right after an answer")];
    });
    check();
}

int RobustnessRun::programBoxes()
{
    int open = 0;
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows)
        open += qobject_cast<const QMessageBox *>(window) && window->isVisible();
    return open;
}

void RobustnessRun::linkOpened(const RecordingShell::Request &request)
{
    ++m_counts[QStringLiteral("links opened")];
    note(QStringLiteral("       the shell is asked to open ") + request.target);
    if (request.target != texts::kMailLink && request.target != texts::kWebsite)
        fail(QStringLiteral("the shell was asked to open ") + request.target);
}

QMessageBox::StandardButton RobustnessRun::answer(const QMessageBox &box)
{
    const QMessageBox::StandardButton way = m_user.answer(box, m_fills < m_plan.fills);
    ++m_counts[QStringLiteral("message boxes")];
    if (box.text() == texts::kSuccess)
        ++m_successAnswers;
    note(QStringLiteral("       the box \"%1\" is answered by %2")
             .arg(box.text(), way == QMessageBox::NoButton ? QStringLiteral("Enter")
                              : way == QMessageBox::Escape ? QStringLiteral("Escape")
                                                           : QStringLiteral("a click on ") + box.button(way)->text()));
    return way;
}

void RobustnessRun::note(const QString &what)
{
    m_journal.append(what);
    if (m_journal.size() > 30)
        m_journal.removeFirst();
}

void RobustnessRun::fail(const QString &what)
{
    if (!m_failure.isEmpty())
        return;
    m_failure = QStringLiteral("%1\nat event %2; replay: %3\nlast events:\n%4")
                    .arg(what)
                    .arg(m_events)
                    .arg(m_plan.replay, m_journal.join(QLatin1Char('\n')));
    // Said at once: an error that follows may end the process.
    qWarning().noquote() << m_failure;
    m_stepTimer.stop();
    QCoreApplication::exit(kFailureStatus);
}
