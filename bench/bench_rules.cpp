// The advisor's rules alone: one display refresh computed from four slider
// values and handed to a display that keeps nothing.

#include "displayrefresh.h"
#include "sizemodel.h"

#include <benchmark/benchmark.h>

namespace {

class FixedSliders final : public advisor::Sliders
{
public:
    int current = advisor::kResetSize;
    int desired = advisor::kResetSize;
    int before = advisor::kResetTint;
    int after = advisor::kResetTint;

    int currentSize() const override { return current; }
    int desiredSize() const override { return desired; }
    int beforeTint() const override { return before; }
    int afterTint() const override { return after; }
};

class NullDisplay final : public advisor::Display
{
public:
    void setCurrentCaption(const QString &caption) override { benchmark::DoNotOptimize(caption); }
    void setDesiredCaption(const QString &caption) override { benchmark::DoNotOptimize(caption); }
    void setPreviewVisible(bool visible) override { benchmark::DoNotOptimize(visible); }
    void setBeforePicture(int pictureNumber) override { benchmark::DoNotOptimize(pictureNumber); }
    void setAfterPicture(int pictureNumber) override { benchmark::DoNotOptimize(pictureNumber); }
    void setBeforeWidth(int twips) override { benchmark::DoNotOptimize(twips); }
    void setAfterWidth(int twips) override { benchmark::DoNotOptimize(twips); }
    void setRecommendation(const QString &text) override { benchmark::DoNotOptimize(text); }
};

// Every pair of sizes in turn, so that every rule and text is among those
// measured, with the tints moving along.
void BM_AdvisorRules(benchmark::State &state)
{
    constexpr int sizes = advisor::kLargestSize - advisor::kSmallestSize + 1;
    constexpr int tints = advisor::kLightestTint - advisor::kDarkestTint + 1;
    FixedSliders sliders;
    NullDisplay display;
    int step = 0;
    for (auto _ : state) {
        sliders.current = advisor::kSmallestSize + step % sizes;
        sliders.desired = advisor::kSmallestSize + (step / sizes) % sizes;
        sliders.before = advisor::kDarkestTint + step % tints;
        sliders.after = advisor::kDarkestTint + (step / tints) % tints;
        advisor::updateDisplay(sliders, display);
        ++step;
    }
}

} // namespace

BENCHMARK(BM_AdvisorRules)->Unit(benchmark::kNanosecond)->Repetitions(5);
