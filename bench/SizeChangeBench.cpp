// Changing a design's size on the large design (1000 x 1000, every cell stitched, a quarter of
// the quarters used) with 20 000 back stitches, 5 000 knots and 1 000 rhodes: inserting 10
// columns at column 500, removing 100 columns through a size change, and the undo of each,
// against the floor of copying both layers once (memcpy of 4 MB + 16 MB, same run). Then the
// text tool's work for a 72-point line of 40 characters: rendering, filling the buffer, pasting.
#include "editing/HistoryFactories.h"
#include "editing/SelectionSession.h"
#include "editing/StitchOperations.h"
#include "editing/TextPlacement.h"
#include "editing/TextStitches.h"
#include "support/LargeDesign.h"
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstring>
#include <random>

namespace {
Design& sizedDesign()
{
    static Design& d = [] () -> Design& {
        Design& design = LargeDesign::largeDesign();
        StitchOperations ops(design);
        const std::vector<TColorRef> colours = design.stitch.Colors.keys();
        std::mt19937 random(5);
        std::uniform_int_distribution<int> point(0, 2 * LargeDesign::kSide - 4);
        std::uniform_int_distribution<int> pick(0, int(colours.size()) - 1);
        for (int i = 0; i < 20000; ++i) {
            const QPoint from(point(random), point(random));
            ops.backStitchesAdd({from, from + QPoint(2, 2), colours[size_t(pick(random))], i}, false);
        }
        for (int i = 0; i < 5000; ++i)
            ops.frenchKnotAdd({QPoint(point(random), point(random)), colours[size_t(pick(random))], i}, false);
        for (int i = 0; i < 1000; ++i) {
            auto rhode = std::make_shared<TRhode>();
            const QPoint at(point(random), point(random));
            rhode->color = colours[size_t(pick(random))];
            rhode->stitches = {{at, at + QPoint(2, 2), rhode->color, 0}, {at + QPoint(2, 0), at + QPoint(0, 2), rhode->color, 1}};
            ops.RhodeAdd(rhode, false);
        }
        return design;
    }();
    return d;
}

// Each iteration times the change (or its undo) alone; the other half puts the design back.
template <typename Change>
void changeOrUndo(benchmark::State& state, Change change, const char* label)
{
    Design& d = sizedDesign();
    const bool timeUndo = state.range(0) != 0;
    for (auto _ : state) {
        if (timeUndo)
            state.PauseTiming();
        change(d);
        if (timeUndo)
            state.ResumeTiming();
        else
            state.PauseTiming();
        d.History.Undo();
        if (!timeUndo)
            state.ResumeTiming();
    }
    state.SetLabel(timeUndo ? "undo" : label);
}

void InsertColumns(benchmark::State& state)
{
    changeOrUndo(state, [](Design& d) { HistoryFactories::actionInsert(d, 500, itColumn, 10); }, "insert");
}

void RemoveColumns(benchmark::State& state)
{
    changeOrUndo(state,
        [](Design& d) { HistoryFactories::actionChangeDimensions(d, LargeDesign::kSide - 100, LargeDesign::kSide); },
        "size change");
}

void CopyBothLayers(benchmark::State& state)
{
    const Design& d = sizedDesign();
    std::vector<uchar> cross(size_t(d.CrossLayer.image().sizeInBytes()));
    std::vector<uchar> quarter(size_t(d.QuarterLayer.image().sizeInBytes()));
    for (auto _ : state) {
        std::memcpy(cross.data(), d.CrossLayer.image().constBits(), cross.size());
        std::memcpy(quarter.data(), d.QuarterLayer.image().constBits(), quarter.size());
        benchmark::DoNotOptimize(cross.data());
        benchmark::DoNotOptimize(quarter.data());
    }
}

void TextLine72(benchmark::State& state)
{
    const Design& d = sizedDesign();
    const QString text = QStringLiteral("Forty characters of text for the bench!!");
    SelectionSession selection;
    for (auto _ : state) {
        const QImage mask = TextStitches::render(text, QStringLiteral("DejaVu Sans"), 72, TextStitches::styleBold);
        TextPlacement::fillBuffer(selection.buffer(), mask, d.stitch.Colors.keys().front(), d.stitch.BackGroundColor);
        selection.Paste(QPoint(0, 0));
        benchmark::DoNotOptimize(selection.buffer().width());
    }
}
} // namespace

BENCHMARK(CopyBothLayers)->Unit(benchmark::kMillisecond);
BENCHMARK(InsertColumns)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(RemoveColumns)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(TextLine72)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
