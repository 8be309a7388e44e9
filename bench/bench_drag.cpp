// A user dragging a size slider's thumb: each movement of the mouse moves
// the thumb by one size, refreshes the display and is painted before the
// next one.

#include "mainwindowundertest.h"
#include "scrollslider.h"
#include "sliderthumb.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

constexpr int kMovements = 1000;

// Counts the paints a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget)
        : QObject(widget)
    {
        widget->installEventFilter(this);
    }

    qint64 paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

void BM_SliderDrag(benchmark::State &state)
{
    MainWindowUnderTest main;
    FrmControl &window = main.window;
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    auto *slider = window.findChild<ScrollSlider *>(QStringLiteral("sldWanted"));
    auto *caption = window.findChild<QLabel *>(QStringLiteral("lblDesired"));
    if (!slider || !caption) {
        state.SkipWithError("no desired-size slider or caption");
        return;
    }
    qint64 refreshes = 0;
    QObject::connect(slider, &ScrollSlider::scrolled, &window, [&refreshes] { ++refreshes; });
    // The caption is repainted whenever the refresh changes it.
    auto *captionPaints = new PaintCounter(caption);
    QApplication::processEvents();
    captionPaints->paints = 0;

    const int start = slider->value();
    {
        bench::ThumbDrag drag(slider);
        bool down = true;
        for (auto _ : state) {
            drag.moveTo(down ? start + 1 : start);
            down = !down;
        }
    }

    if (refreshes != qint64(state.iterations()))
        state.SkipWithError("a movement did not move the thumb by one size");
    if (captionPaints->paints < qint64(state.iterations()))
        state.SkipWithError("a movement was not painted");
    state.counters["paints_per_movement"] = double(captionPaints->paints) / double(state.iterations());
}

} // namespace

BENCHMARK(BM_SliderDrag)->Unit(benchmark::kMicrosecond)->Iterations(kMovements)->Repetitions(5);
