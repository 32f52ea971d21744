// What History keeps per recorded cell of a stroke: the record's own accounting (heldBytes) and
// the heap the record really retains, measured with the allocator's statistics around the
// factory call. Reported as counters; the time is the cost of recording the stroke.
#include "editing/CellCoexistence.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr int kSide = 1000;

std::unique_ptr<Design> emptyDesign()
{
    auto d = std::make_unique<Design>();
    d->stitch.BackGroundColor = 0xFFFFFFFFu;
    TColorInfo red;
    red.matchColor = kRed;
    d->stitch.Colors.insert(kRed, red);
    d->allocateLayers(kSide, kSide);
    return d;
}

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// A pen (or quarter pen) stroke of `cells` positions, row by row, then its record.
void strokeBytes(benchmark::State& state, TMode mode)
{
    const int cells = int(state.range(0));
    double heldPerCell = 0;
    double heapPerCell = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto d = emptyDesign();
        StitchOperations ops(*d);
        CellCoexistence rule(ops, false);
        StrokeCapture stroke;
        for (int i = 0; i < cells; ++i) {
            if (mode == modDraw)
                rule.drawCross(i % kSide, i / kSide, kRed, false, stroke);
            else
                rule.drawQuarter(i % (2 * kSide), i / (2 * kSide), kRed, false, stroke);
        }
        const size_t before = heapInUse();
        state.ResumeTiming();
        HistoryFactories::actionDraw(*d, mode, stroke.cross, stroke.crossFromQuarter, d->stitch.BackGroundColor,
            stroke.quarter, kRed);
        state.PauseTiming();
        const size_t after = heapInUse();
        const int recorded = stroke.cross.size() + stroke.quarter.size() + stroke.crossFromQuarter.size();
        heldPerCell = double(d->History.heldBytes()) / recorded;
        heapPerCell = double(after - before) / recorded;
        state.ResumeTiming();
    }
    state.counters["held_bytes_per_cell"] = heldPerCell;
    state.counters["heap_bytes_per_cell"] = heapPerCell;
}

void PenStroke(benchmark::State& state)
{
    strokeBytes(state, modDraw);
}

void QuarterPenStroke(benchmark::State& state)
{
    strokeBytes(state, modQDraw);
}
} // namespace

BENCHMARK(PenStroke)->Arg(100)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(QuarterPenStroke)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
