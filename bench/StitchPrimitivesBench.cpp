// The stitch primitives on their hot path: one cell written, with and without refresh, the
// listener being the empty default (the view's repaint is measured in ViewBench). Each call
// moves a count from one colour to another without a colour entering or leaving use.
//
// Then a one-million-cell edit through the history against the bare primitive loop over the
// same cells: a fill of a 1000 x 1000 design (every cell from red to blue) that each iteration
// of FillRecordUndoOrRedo undoes or redoes, inside the batch its record base opens, and
// BareUpdatePixelLoop writing the same million cells with updatePixel, no batch, the other
// colour each time. A listener counts what reaches it: a step of the record must arrive as one
// repaint region and one count change.
#include "editing/CellCapture.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "model/ChangeBatch.h"
#include "model/Design.h"
#include "model/DesignListener.h"
#include <benchmark/benchmark.h>
#include <optional>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kBlue = 0xFF0000;

std::unique_ptr<Design> design(int side = 200)
{
    auto d = std::make_unique<Design>();
    d->stitch.BackGroundColor = 0xFFFFFFFFu;
    for (TColorRef c : {kRed, kBlue}) {
        TColorInfo info;
        info.matchColor = c;
        d->stitch.Colors.insert(c, info);
    }
    d->allocateLayers(side, side);
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
constexpr int kSide = 1000;

class CountingListener : public DesignListener
{
public:
    long long cells = 0;
    long long regions = 0;
    long long counts = 0;

    void cellChanged(int, int, bool) override { ++cells; }
    void cellsChanged(const QRect&) override { ++regions; }
    void colorCountsChanged() override { ++counts; }
};

// Every cell written with `color`, in a batch when `batch`, and the cells in row order.
QList<QPoint> writeAll(Design& d, TColorRef color, bool batch)
{
    std::optional<ChangeBatch> open;
    if (batch)
        open.emplace(d);
    QList<QPoint> cells;
    cells.reserve(kSide * kSide);
    StitchOperations ops(d);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            ops.updatePixel(x, y, false, color);
            cells << QPoint(x, y);
        }
    }
    return cells;
}

void report(benchmark::State& state, const CountingListener& listener)
{
    const double steps = double(state.iterations());
    state.counters["cellCalls"] = double(listener.cells) / steps;
    state.counters["regions"] = double(listener.regions) / steps;
    state.counters["countChanges"] = double(listener.counts) / steps;
}

void BareUpdatePixelLoop(benchmark::State& state)
{
    auto d = design(kSide);
    CountingListener listener;
    d->setListener(&listener);
    StitchOperations ops(*d);
    bool blue = true;
    for (auto _ : state) {
        const TColorRef color = blue ? kBlue : kRed;
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x)
                ops.updatePixel(x, y, false, color);
        }
        blue = !blue;
    }
    report(state, listener);
}

void FillRecordUndoOrRedo(benchmark::State& state)
{
    auto d = design(kSide);
    writeAll(*d, kRed, false);
    const QList<QPoint> cells = writeAll(*d, kBlue, true);
    HistoryFactories::actionFill(*d, cells, kRed, d->stitch.BackGroundColor, CellCapture(), kBlue);
    CountingListener listener;
    d->setListener(&listener);
    for (auto _ : state) {
        if (d->History.canUndo())
            d->History.Undo();
        else
            d->History.Redo();
    }
    report(state, listener);
}
} // namespace

BENCHMARK(UpdatePixel)->Arg(0)->Arg(1);
BENCHMARK(UpdateQPixel);
BENCHMARK(BareUpdatePixelLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(FillRecordUndoOrRedo)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
