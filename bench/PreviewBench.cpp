// The real preview. A 500 x 500 design, 60 colours, every cell stitched, 10 % of the cells with
// quarters, 2 000 back stitches and 500 knots, at zoom 10 (5000 x 5000 pixels): all bands of
// the picture against the floor of copying ready cell tiles row by row; the window's repaint of
// a 1920 x 1080 view at three zooms; the first frame after a zoom change with 500 colours in
// view; and the heap the window's renderer holds while showing a 1000 x 1000 design at zoom 20.
#include "model/Design.h"
#include "preview/PreviewRenderer.h"
#include "preview/TFImages.h"
#include <QGuiApplication>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <cstring>
#include <malloc.h>

namespace {
constexpr QSize kView(1920, 1080);
constexpr int kBandCells = 16; // rows of cells per band, as a 5000-pixel picture is saved

std::unique_ptr<Design> design(int side, int colourCount, int backStitches, int knots, int quarterPercent,
    int (*colourOf)(int x, int y, int count))
{
    auto d = std::make_unique<Design>();
    d->stitch.BackGroundColor = 0xFFFFFFFFu;
    QRandomGenerator random(11);
    QList<TColorRef> colours;
    for (int i = 0; i < colourCount; ++i)
        colours << makeColorRef(random.bounded(256), random.bounded(256), random.bounded(256));
    d->allocateLayers(side, side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            d->CrossLayer.setCanvasPixel(x, y, colours[colourOf(x, y, colourCount)]);
            if (random.bounded(100) < quarterPercent)
                d->QuarterLayer.setCanvasPixel(2 * x + random.bounded(2), 2 * y + random.bounded(2), colours[random.bounded(colourCount)]);
        }
    }
    for (int i = 0; i < backStitches; ++i) {
        const QPoint from(random.bounded(2 * side), random.bounded(2 * side));
        d->BackStitchList.append({from, from + QPoint(random.bounded(-4, 5), random.bounded(-4, 5)), colours[i % colourCount], i});
    }
    for (int i = 0; i < knots; ++i)
        d->FrenchKnotList.append({QPoint(random.bounded(2 * side), random.bounded(2 * side)), colours[i % colourCount], i});
    return d;
}

int blocks(int x, int y, int count)
{
    return (x / 7 + y / 5) % count;
}

// Every colour of 500 within any 38 x 21 cells.
int everyColourNearby(int x, int y, int count)
{
    return (x + 38 * y) % count;
}

Design& preview500()
{
    static std::unique_ptr<Design> d = design(500, 60, 2000, 500, 10, blocks);
    return *d;
}

// The floor: 25 Mpx copied row by row from 60 ready 10 x 10 tiles, in the same bands.
void RowCopyFloor(benchmark::State& state)
{
    std::vector<QImage> tiles;
    for (int i = 0; i < 60; ++i) {
        tiles.emplace_back(10, 10, QImage::Format_RGB32);
        tiles.back().fill(QColor::fromHsv(i * 6, 200, 200));
    }
    QImage band(5000, kBandCells * 10, QImage::Format_RGB32);
    for (auto _ : state) {
        for (int top = 0; top < 500; top += kBandCells) {
            for (int y = 0; y < band.height(); ++y) {
                auto* line = reinterpret_cast<quint32*>(band.scanLine(y));
                for (int cx = 0; cx < 500; ++cx)
                    std::memcpy(line + cx * 10, tiles[size_t(blocks(cx, top + y / 10, 60))].constScanLine(y % 10), 40);
            }
            benchmark::DoNotOptimize(band.constBits());
        }
    }
    state.counters["Mpx"] = 25;
}
BENCHMARK(RowCopyFloor)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Every band of the picture, as the export renders them. Cold: a fresh renderer each time, so
// the cell images, knot images and turned strips are made inside the measurement.
void AllBands(benchmark::State& state)
{
    const bool cold = state.range(0) != 0;
    Design& d = preview500();
    QImage band(5000, kBandCells * 10, QImage::Format_RGB32);
    auto renderer = std::make_unique<PreviewRenderer>(TFImages::instance());
    renderer->prepare(d, 10, false);
    for (auto _ : state) {
        if (cold) {
            renderer = std::make_unique<PreviewRenderer>(TFImages::instance());
            renderer->prepare(d, 10, false);
        }
        for (int top = 0; top < 5000; top += band.height()) {
            renderer->DrawBitmap(band, QRect(0, top, 5000, std::min(band.height(), 5000 - top)));
            benchmark::DoNotOptimize(band.constBits());
        }
    }
}
BENCHMARK(AllBands)->ArgName("cold")->Arg(0)->Arg(1)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The window's paint of a whole 1920 x 1080 view, scrolled one cell further each time.
void ViewportRepaint(benchmark::State& state)
{
    const int zoom = int(state.range(0));
    Design& d = preview500();
    PreviewRenderer renderer(TFImages::instance());
    renderer.prepare(d, zoom, false);
    QImage view(kView, QImage::Format_RGB32);
    const QSize picture = renderer.pictureSize();
    int x = 0;
    for (auto _ : state) {
        const QRect shown = QRect(QPoint(x % (picture.width() - kView.width()), 200), kView).intersected(QRect(QPoint(), picture));
        renderer.DrawBitmap(view, shown);
        x += zoom;
    }
}
BENCHMARK(ViewportRepaint)->ArgName("zoom")->Arg(5)->Arg(10)->Arg(50)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// A zoom change drops every made picture; the first view after it makes those of the 500
// colours in view.
void FirstFrameAfterZoomChange(benchmark::State& state)
{
    static std::unique_ptr<Design> d = design(500, 500, 2000, 500, 10, everyColourNearby);
    const int zoom = int(state.range(0));
    PreviewRenderer renderer(TFImages::instance());
    QImage view(kView, QImage::Format_RGB32);
    for (auto _ : state) {
        renderer.prepare(*d, zoom == PreviewRenderer::kMaxZoom ? zoom - 1 : zoom + 1, false);
        renderer.prepare(*d, zoom, false);
        const QRect shown = QRect(QPoint(), kView).intersected(QRect(QPoint(), renderer.pictureSize()));
        renderer.DrawBitmap(view, shown);
    }
    state.counters["colours"] = double(renderer.cellImages().colourCount());
}
BENCHMARK(FirstFrameAfterZoomChange)->ArgName("zoom")->Arg(10)->Arg(50)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The heap the window's renderer holds after showing views all over a 1000 x 1000 design at
// zoom 20 (a 20 000 x 20 000 picture): the design itself is not counted.
void WindowMemory(benchmark::State& state)
{
    auto d = design(1000, 200, 20000, 5000, 10, blocks);
    const auto inUse = [] {
        const struct mallinfo2 m = mallinfo2();
        return m.uordblks + m.hblkhd;
    };
    size_t held = 0;
    for (auto _ : state) {
        const size_t before = inUse();
        auto renderer = std::make_unique<PreviewRenderer>(TFImages::instance());
        renderer->prepare(*d, 20, false);
        QImage view(kView, QImage::Format_RGB32);
        for (int y = 0; y + kView.height() <= 20000; y += 3000)
            for (int x = 0; x + kView.width() <= 20000; x += 3000)
                renderer->DrawBitmap(view, QRect(QPoint(x, y), kView));
        held = inUse() - before;
    }
    state.counters["held_MB"] = double(held) / (1024 * 1024);
}
BENCHMARK(WindowMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
