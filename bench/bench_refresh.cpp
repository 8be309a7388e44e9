// One display refresh of the real window, with every widget it writes: the
// user steps the current-size slider, the slider reports it, and the
// window's handler recomputes and writes captions, pictures and advice.
// The repaint that follows is not part of it (see bench_drag.cpp).

#include "mainwindowundertest.h"
#include "scrollslider.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void BM_Refresh(benchmark::State &state)
{
    MainWindowUnderTest main;
    FrmControl &window = main.window;
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    auto *slider = window.findChild<ScrollSlider *>(QStringLiteral("sldCurrent"));
    auto *caption = window.findChild<QLabel *>(QStringLiteral("lblCurrent"));
    if (!slider || !caption) {
        state.SkipWithError("no current-size slider or caption");
        return;
    }
    qint64 refreshes = 0;
    QObject::connect(slider, &ScrollSlider::scrolled, &window, [&refreshes] { ++refreshes; });

    // Down and Up in turn: 7 to 8 and back, each a real change.
    bool down = true;
    for (auto _ : state) {
        slider->triggerAction(down ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
        down = !down;
    }

    if (refreshes != qint64(state.iterations()))
        state.SkipWithError("a step did not reach the refresh");
    const QString expected = down ? QStringLiteral("7\"") : QStringLiteral("8\"");
    if (caption->text() != expected)
        state.SkipWithError("the caption does not show the slider's size");
    QApplication::processEvents();
}

} // namespace

BENCHMARK(BM_Refresh)->Unit(benchmark::kMicrosecond)->Repetitions(5);
