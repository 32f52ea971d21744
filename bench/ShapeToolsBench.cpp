// The shape, fill and border tools on a 1000 x 1000 design, each with its record, and each
// undo, against the floor of a bare updatePixel loop over the same million cells (one change
// batch around it, as around every tool event). Then the outline and the inline border of large
// regions: a 600 x 600 block, and the whole design with a hole at every odd (x, y), whose
// outline is about a million back stitches.
#include "conversion/DesignCreation.h"
#include "editing/StitchOperations.h"
#include "editing/tools/BorderTool.h"
#include "editing/tools/FillTool.h"
#include "editing/tools/OutlineTool.h"
#include "editing/tools/ShapeTool.h"
#include "model/ChangeBatch.h"
#include "support/LargeDesign.h"
#include <benchmark/benchmark.h>

namespace {
constexpr int kSide = LargeDesign::kSide;

std::unique_ptr<Design> emptyDesign()
{
    auto d = LargeDesign::freshDesign();
    DesignCreation::CreateNewTemplate(*d, kSide, kSide, QStringLiteral("Bench"), LargeDesign::kPalette);
    return d;
}

TColorRef colour(const Design& d, int index)
{
    return d.stitch.Colors.entryAt(index).first;
}

ToolPointer at(const Design& d, int x, int y)
{
    const QPoint cell(x, y);
    return ToolPointer::locate(d, cell, 2 * cell, 2 * cell, 8 * cell, QSize(8, 8));
}

void click(Tool& tool, ToolContext& context, const QPoint& cell)
{
    tool.press(context, at(context.design, cell.x(), cell.y()));
    tool.release(context, at(context.design, cell.x(), cell.y()));
}

void BareUpdatePixelLoop(benchmark::State& state)
{
    auto d = emptyDesign();
    StitchOperations ops(*d);
    int round = 0;
    for (auto _ : state) {
        const TColorRef c = colour(*d, round++ % 2);
        ChangeBatch batch(*d);
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x)
                ops.updatePixel(x, y, false, c);
        }
    }
    state.counters["cells"] = double(kSide) * kSide;
}
BENCHMARK(BareUpdatePixelLoop)->Unit(benchmark::kMillisecond);

// One gesture of a tool on the empty design; `undo` times its undo instead.
template <typename MakeTool>
void gesture(benchmark::State& state, MakeTool make, const QList<QPoint>& clicks, bool undo)
{
    auto d = emptyDesign();
    d->stitch.setDrawcolor(colour(*d, 3));
    d->stitch.setPensize(4);
    ToolContext context{*d};
    context.fillMode = fillFull;
    std::unique_ptr<Tool> tool = make();
    for (auto _ : state) {
        if (undo)
            state.PauseTiming();
        for (const QPoint& c : clicks)
            click(*tool, context, c);
        if (!undo)
            state.PauseTiming();
        else
            state.ResumeTiming();
        d->History.Undo();
        if (!undo)
            state.ResumeTiming();
    }
}

std::unique_ptr<Tool> fill()
{
    return std::make_unique<FillTool>();
}
std::unique_ptr<Tool> rectangle()
{
    return std::make_unique<ShapeTool>(ShapeTool::Shape::rectangle);
}
std::unique_ptr<Tool> circle()
{
    return std::make_unique<ShapeTool>(ShapeTool::Shape::circle);
}

void FloodFillEmpty(benchmark::State& state)
{
    gesture(state, fill, {{0, 0}}, state.range(0));
}
BENCHMARK(FloodFillEmpty)->Arg(0)->Arg(1)->ArgName("undo")->Unit(benchmark::kMillisecond);

void FilledRectanglePen4(benchmark::State& state)
{
    gesture(state, rectangle, {{0, 0}, {kSide - 1, kSide - 1}}, state.range(0));
}
BENCHMARK(FilledRectanglePen4)->Arg(0)->Arg(1)->ArgName("undo")->Unit(benchmark::kMillisecond);

void FilledCircleRadius500(benchmark::State& state)
{
    gesture(state, circle, {{kSide / 2, kSide / 2}, {kSide, kSide / 2}}, state.range(0));
}
BENCHMARK(FilledCircleRadius500)->Arg(0)->Arg(1)->ArgName("undo")->Unit(benchmark::kMillisecond);

// A design holding one region in colour 0: a block of `block` x `block` cells at the top-left,
// or (block 0) the whole design but a hole at every odd (x, y).
std::unique_ptr<Design> regionDesign(int block)
{
    auto d = emptyDesign();
    const TColorRef c = colour(*d, 0);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const bool in = block ? x < block && y < block : x % 2 == 0 || y % 2 == 0;
            if (in)
                d->CrossLayer.setCanvasPixel(x, y, c);
        }
    }
    d->stitch.setDrawcolor(colour(*d, 5));
    return d;
}

template <typename T, typename... Args>
void oneClick(benchmark::State& state, int block, Args... args)
{
    auto d = regionDesign(block);
    ToolContext context{*d};
    T tool(args...);
    qsizetype stitches = 0;
    for (auto _ : state) {
        click(tool, context, {0, 0});
        state.PauseTiming();
        stitches = d->BackStitchList.size();
        d->History.Undo();
        state.ResumeTiming();
    }
    if (stitches)
        state.counters["back_stitches"] = double(stitches);
}

void OutlineBlock600(benchmark::State& state)
{
    oneClick<OutlineTool>(state, 600);
}
BENCHMARK(OutlineBlock600)->Unit(benchmark::kMillisecond);

void OutlineWithHoles(benchmark::State& state)
{
    oneClick<OutlineTool>(state, 0);
}
BENCHMARK(OutlineWithHoles)->Iterations(2)->Unit(benchmark::kMillisecond);

void InlineBorderWithHoles(benchmark::State& state)
{
    oneClick<BorderTool>(state, 0, BorderTool::Side::inside);
}
BENCHMARK(InlineBorderWithHoles)->Iterations(2)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
