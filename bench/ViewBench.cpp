// The work view on a large chart: 1000 x 1000 cells, 200 colours, every cell stitched, 20 000
// back stitches, symbols and grid on, rendered for a 1920 x 1080 view.
#include "model/ColorUsage.h"
#include "model/Design.h"
#include "model/TCharacters.h"
#include "shell/Startup.h"
#include "view/ChartRenderer.h"
#include <QGuiApplication>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {
constexpr QSize kView(1920, 1080);

std::unique_ptr<Design> largeDesign(int side)
{
    auto d = std::make_unique<Design>();
    d->stitch.BackGroundColor = 0xFFFFFFFFu;
    QRandomGenerator random(7);
    QList<TColorRef> colors;
    for (int i = 0; i < 200; ++i) {
        const TColorRef c = makeColorRef(random.bounded(256), random.bounded(256), random.bounded(256));
        TColorInfo info;
        info.charID = i % 180;
        info.orderID = i;
        info.matchColor = c;
        d->stitch.Colors.insert(c, info);
        colors << c;
    }
    d->stitch.chars = std::make_unique<TCharacters>(defaultCharacterString());
    d->stitch.chars->ffontname = QStringLiteral("VelwickArtSymbols110");
    d->allocateLayers(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            d->CrossLayer.setCanvasPixel(x, y, colors[(x / 7 + y / 5) % 200]);
    for (int i = 0; i < 20000; ++i) {
        const QPoint from(random.bounded(2 * side), random.bounded(2 * side));
        d->BackStitchList.append({from, from + QPoint(random.bounded(-4, 5), random.bounded(-4, 5)), colors[i % 200], i});
    }
    return d;
}

Design& shared()
{
    static std::unique_ptr<Design> design = largeDesign(1000);
    return *design;
}

ViewOptions allLayers(int zoom)
{
    ViewOptions o;
    o.grid = true;
    o.symbols = true;
    o.zoom = zoom;
    return o;
}

void FullRepaint(benchmark::State& state)
{
    const int zoom = int(state.range(0));
    Design& d = shared();
    QImage frame(kView, QImage::Format_RGB32);
    ChartRenderer renderer;
    const ViewGeometry g = ViewGeometry::forZoom(zoom, false, 400, 400);
    for (auto _ : state)
        renderer.render(frame, frame.rect(), d, g, allLayers(zoom));
}
BENCHMARK(FullRepaint)->Arg(8)->Arg(20)->Arg(40)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Scrolling one cell to the right: the whole frame is rendered again at the new position.
void ScrollOneCell(benchmark::State& state)
{
    Design& d = shared();
    QImage frame(kView, QImage::Format_RGB32);
    ChartRenderer renderer;
    int h = 100;
    for (auto _ : state) {
        const ViewGeometry g = ViewGeometry::forZoom(20, false, ++h, 400);
        renderer.render(frame, frame.rect(), d, g, allLayers(20));
        if (h > 800)
            h = 100;
    }
}
BENCHMARK(ScrollOneCell)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// What a cell change costs the view: rendering the cell's repaint rectangle.
void CellRepaint(benchmark::State& state)
{
    Design& d = shared();
    QImage frame(kView, QImage::Format_RGB32);
    ChartRenderer renderer;
    const ViewGeometry g = ViewGeometry::forZoom(20, false, 400, 400);
    renderer.render(frame, frame.rect(), d, g, allLayers(20));
    int x = 400;
    for (auto _ : state) {
        renderer.render(frame, ChartRenderer::cellRepaintRect(g, x, 420), d, g, allLayers(20));
        x = x < 480 ? x + 1 : 400;
    }
}
BENCHMARK(CellRepaint)->Unit(benchmark::kMicrosecond);
// What the view keeps besides the design: the frame of the view's size, the glyphs of the
// symbols and the index of back stitches. Measured as the heap the renderer and its frame hold
// after a full render, for a small and a large design.
void ViewMemory(benchmark::State& state)
{
    const int side = int(state.range(0));
    auto d = largeDesign(side);
    size_t held = 0;
    for (auto _ : state) {
        const auto inUse = [] {
            const struct mallinfo2 m = mallinfo2();
            return m.uordblks + m.hblkhd; // small blocks and mapped ones
        };
        const size_t before = inUse();
        {
            auto frame = std::make_unique<QImage>(kView, QImage::Format_RGB32);
            auto renderer = std::make_unique<ChartRenderer>();
            renderer->render(*frame, frame->rect(), *d, ViewGeometry::forZoom(40, false, side / 2, side / 2), allLayers(40));
            held = inUse() - before;
        }
    }
    state.counters["view_MB"] = double(held) / (1024 * 1024);
}
BENCHMARK(ViewMemory)->Arg(100)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Startup::registerSymbolFont(QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/fonts/"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
