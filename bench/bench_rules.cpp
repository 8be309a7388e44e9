// The advisor's rules alone: what the window shows, worked out from the four
// slider values.

#include "sizemodel.h"

#include <benchmark/benchmark.h>

namespace {

// Every pair of sizes in turn, so that every rule and text is among those
// measured, with the tints moving along.
void BM_AdvisorRules(benchmark::State &state)
{
    constexpr int sizes = core::kLargestSize - core::kSmallestSize + 1;
    constexpr int tints = core::kLightestTint - core::kDarkestTint + 1;
    core::Sliders sliders;
    int step = 0;
    for (auto _ : state) {
        sliders.currentSize = core::kSmallestSize + step % sizes;
        sliders.desiredSize = core::kSmallestSize + (step / sizes) % sizes;
        sliders.beforeTint = core::kDarkestTint + step % tints;
        sliders.afterTint = core::kDarkestTint + (step / tints) % tints;
        benchmark::DoNotOptimize(core::displayFor(sliders));
        ++step;
    }
}

} // namespace

BENCHMARK(BM_AdvisorRules)->Unit(benchmark::kNanosecond)->Repetitions(5);
