// The print layout of a large chart: 1000 x 1000 cells in 400 colours laid in runs of 1 to 12
// cells, 2 000 back stitches, every print option on (margins, page numbers, grid numbers, back
// stitches apart, every page kind), A4 at 1200 dpi with 1 mm cells: about 1 000 pages, most of
// them stitch steps pages. The print dialog runs calc on every spin step.
#include "model/ColorUsage.h"
#include "model/Design.h"
#include "model/TCharacters.h"
#include "printing/StitchStepList.h"
#include "printing/TPreview.h"
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {
std::unique_ptr<Design> largeDesign()
{
    auto d = std::make_unique<Design>();
    d->stitch.BackGroundColor = 0xFFFFFFFFu;
    QRandomGenerator random(11);
    QList<TColorRef> colors;
    for (int i = 0; i < 400; ++i) {
        const TColorRef c = makeColorRef(random.bounded(256), random.bounded(256), random.bounded(254));
        TColorInfo info;
        info.colorName = QStringLiteral("Colour %1").arg(i);
        info.colorID = QString::number(3000 - i);
        info.charID = i % 180;
        info.orderID = i;
        d->stitch.Colors.insert(c, info);
        colors << c;
    }
    d->stitch.chars = std::make_unique<TCharacters>(defaultCharacterString());
    d->allocateLayers(1000, 1000);
    for (int y = 0; y < 1000; ++y) {
        for (int x = 0; x < 1000;) {
            const int run = random.bounded(1, 13);
            const bool empty = random.bounded(10) == 0;
            const TColorRef c = colors[random.bounded(400)];
            for (int end = std::min(1000, x + run); x < end; ++x) {
                if (!empty)
                    d->CrossLayer.setCanvasPixel(x, y, c);
            }
        }
    }
    for (int i = 0; i < 2000; ++i) {
        const QPoint from(random.bounded(2000), random.bounded(2000));
        d->BackStitchList.append({from, from + QPoint(random.bounded(-4, 5), random.bounded(-4, 5)), colors[i % 400], i});
    }
    ColorUsage::CalcColorUsage(*d);
    return d;
}

const Design& shared()
{
    static const std::unique_ptr<Design> design = largeDesign();
    return *design;
}

void everyOptionOn(TPreview& p)
{
    PrintOptions& o = p.options;
    o.gridXSpin = o.gridYSpin = 100;
    o.pageNumbers = o.gridNumbers = o.inlineBorder = true;
    o.backStitchesSeparate = true;
    o.printTitle = o.stitchList = o.printLabels = o.printContents = o.printInfo = true;
    p.setPrinter({210, 297, 9921, 14031, 1200});
}

// calc after the first, as on every spin step; state.range(0) is the key position.
void Calc(benchmark::State& state)
{
    TPreview preview;
    preview.setDesign(shared());
    everyOptionOn(preview);
    preview.calc();
    for (auto _ : state) {
        preview.position = TPosition(state.range(0));
        preview.calc();
        benchmark::DoNotOptimize(preview.pageNumber);
    }
    state.counters["pages"] = preview.pageNumber;
}
BENCHMARK(Calc)->DenseRange(pLeft, pSeparate)->Unit(benchmark::kMicrosecond);

void StitchSteps(benchmark::State& state)
{
    for (auto _ : state) {
        const QList<TStitchListItem> steps = StitchStepList::build(shared());
        benchmark::DoNotOptimize(steps.size());
        state.counters["items"] = double(steps.size());
    }
}
BENCHMARK(StitchSteps)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
