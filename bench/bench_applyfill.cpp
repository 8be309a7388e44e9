// The Apply fill as the user waits for it: from the click on OK in the
// insert box to the success box, on the window's real timer, with the boxes
// answered by a poll and no CD drive.

#include "frmcontrol.h"
#include "modalanswerer.h"
#include "nulltray.h"

#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

constexpr int kTimeoutMs = 10000;
const QString kInsert = QStringLiteral("Please insert penis now.");
const QString kSuccess = QStringLiteral("Success! You should notice changes within the next few days.");

void BM_ApplyFill(benchmark::State &state)
{
    NullTray tray;
    FrmControl window(tray);
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
        bench::ModalAnswerer answerer({QMessageBox::Ok, QMessageBox::Ok});
        // Returns once the insert box is answered and the fill has begun.
        QTest::mouseClick(apply, Qt::LeftButton);
        const bool ended = bench::runEventLoopUntil(
            [&] { return answerer.allAnswered() && window.isEnabled(); }, kTimeoutMs);

        const QList<bench::ModalAnswerer::Box> &boxes = answerer.boxes();
        if (!ended || boxes.size() != 2 || boxes.at(0).text != kInsert || boxes.at(1).text != kSuccess
            || bar->value() != bar->maximum()) {
            state.SkipWithError("the Apply sequence did not run from the insert box to the success box");
            return;
        }
        state.SetIterationTime(double(boxes.at(1).shownNs - boxes.at(0).answeredNs) / 1e9);
    }
}

} // namespace

BENCHMARK(BM_ApplyFill)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
