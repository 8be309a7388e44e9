// The advisor's rules alone: what the window shows, worked out from the four
// slider values.

#include "sizemodel.h"

#include <benchmark/benchmark.h>

namespace {

// Every pair of sizes in turn, so that every rule and text is among those
// measured, with the tints moving along.
void BM_AdvisorRules(benchmark::State &state)
{
    constexpr int sizes = advisor::kLargestSize - advisor::kSmallestSize + 1;
    constexpr int tints = advisor::kLightestTint - advisor::kDarkestTint + 1;
    advisor::Sliders sliders;
    int step = 0;
    for (auto _ : state) {
        sliders.currentSize = advisor::kSmallestSize + step % sizes;
        sliders.desiredSize = advisor::kSmallestSize + (step / sizes) % sizes;
        sliders.beforeTint = advisor::kDarkestTint + step % tints;
        sliders.afterTint = advisor::kDarkestTint + (step / tints) % tints;
        benchmark::DoNotOptimize(advisor::displayFor(sliders));
        ++step;
    }
}

} // namespace

BENCHMARK(BM_AdvisorRules)->Unit(benchmark::kNanosecond)->Repetitions(5);
