// The stitch primitives on their hot path: one cell written, with and without refresh, the
// listener being the empty default (the view's repaint is measured in ViewBench). Each call
// moves a count from one colour to another without a colour entering or leaving use.
#include "editing/StitchOperations.h"
#include "model/Design.h"
#include <benchmark/benchmark.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kBlue = 0xFF0000;

std::unique_ptr<Design> design()
{
    auto d = std::make_unique<Design>();
    d->stitch.BackGroundColor = 0xFFFFFFFFu;
    for (TColorRef c : {kRed, kBlue}) {
        TColorInfo info;
        info.matchColor = c;
        d->stitch.Colors.insert(c, info);
    }
    d->allocateLayers(200, 200);
    StitchOperations ops(*d);
    // Both colours stay in use, so the loop measures the plain count moves.
    ops.updatePixel(0, 0, false, kRed);
    ops.updatePixel(1, 0, false, kBlue);
    ops.updateQPixel(0, 0, false, kRed);
    ops.updateQPixel(1, 0, false, kBlue);
    return d;
}

void UpdatePixel(benchmark::State& state)
{
    auto d = design();
    StitchOperations ops(*d);
    const bool refresh = state.range(0) != 0;
    int i = 0;
    for (auto _ : state) {
        const int x = 2 + i % 198;
        ops.updatePixel(x, 1 + (i / 198) % 199, refresh, (i & 1) ? kRed : kBlue);
        ++i;
    }
}

void UpdateQPixel(benchmark::State& state)
{
    auto d = design();
    StitchOperations ops(*d);
    int i = 0;
    for (auto _ : state) {
        ops.updateQPixel(2 + i % 398, 1 + (i / 398) % 399, true, (i & 1) ? kRed : kBlue);
        ++i;
    }
}
} // namespace

BENCHMARK(UpdatePixel)->Arg(0)->Arg(1);
BENCHMARK(UpdateQPixel);
BENCHMARK_MAIN();
