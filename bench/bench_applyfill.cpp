// The Apply fill as the user waits for it: from the click on OK in the
// insert box to the success box, on the window's real timer, with the boxes
// answered as a user does and no CD drive.

#include "mainwindowundertest.h"
#include "messageboxdriver.h"
#include "usertexts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTestEventLoop>

#include <benchmark/benchmark.h>

namespace {

constexpr int kTimeoutMs = 10000;

// The two moments the user sees, on one clock: the insert box going away as
// OK is clicked, and the success box appearing. The driver notices a box
// only at its next poll, too late to time it. Ends the wait once the window
// takes input again.
class FillWatch : public QObject
{
public:
    explicit FillWatch(const QWidget *window)
        : m_window(window)
    {
        m_clock.start();
        qApp->installEventFilter(this);
    }
    ~FillWatch() override { qApp->removeEventFilter(this); }

    qint64 okClickedNs = -1;
    qint64 successShownNs = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (qobject_cast<QMessageBox *>(watched)) {
            if (event->type() == QEvent::Hide && okClickedNs < 0)
                okClickedNs = m_clock.nsecsElapsed();
            else if (event->type() == QEvent::Show && okClickedNs >= 0)
                successShownNs = m_clock.nsecsElapsed();
        } else if (watched == m_window && event->type() == QEvent::EnabledChange && m_window->isEnabled()) {
            QTestEventLoop::instance().exitLoop();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QWidget *m_window;
    QElapsedTimer m_clock;
};

void BM_ApplyFill(benchmark::State &state)
{
    MainWindowUnderTest main;
    FrmControl &window = main.window;
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    auto *desired = window.findChild<QSlider *>(QStringLiteral("sldWanted"));
    auto *apply = window.findChild<QPushButton *>(QStringLiteral("cmdGo"));
    auto *bar = window.findChild<QProgressBar *>(QStringLiteral("prgApply"));
    if (!desired || !apply || !bar) {
        state.SkipWithError("no desired-size slider, Apply button or progress bar");
        return;
    }
    // Two inches more: no question before the tray.
    desired->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    desired->triggerAction(QAbstractSlider::SliderSingleStepAdd);

    for (auto _ : state) {
        MessageBoxDriver boxes;
        boxes.answers = {QMessageBox::Ok, QMessageBox::Ok};
        const FillWatch watch(&window);
        // Returns once the insert box is answered and the fill has begun; the
        // fill needs a real event loop, whose timers fire on time.
        QTest::mouseClick(apply, Qt::LeftButton);
        QTestEventLoop::instance().enterLoopMSecs(kTimeoutMs);

        if (QTestEventLoop::instance().timeout() || boxes.texts() != QStringList{texts::kInsert, texts::kSuccess}
            || watch.successShownNs < 0 || bar->value() != bar->maximum()) {
            state.SkipWithError("the Apply sequence did not run from the insert box to the success box");
            return;
        }
        state.SetIterationTime(double(watch.successShownNs - watch.okClickedNs) / 1e9);
    }
}

} // namespace

BENCHMARK(BM_ApplyFill)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
