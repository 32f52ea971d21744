// The work view on a large chart: 1000 x 1000 cells, 200 colours, every cell stitched, 20 000
// back stitches, symbols and grid on, rendered for a 1920 x 1080 view.
#include "model/ColorUsage.h"
#include "model/Design.h"
#include "model/TCharacters.h"
#include "shell/Startup.h"
#include "view/ChartRenderer.h"
#include <functional>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
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

// The same with the shadow picture over the chart at 50 %: a 1000 x 1000 photograph-like
// picture (no pixel of it equal to the background), sampled for the visible part only.
QImage shadowPicture()
{
    QImage picture(1000, 1000, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 251, y % 241, (x + y) % 239));
    return picture;
}

ViewOptions withShadow(int zoom, const QImage& picture)
{
    ViewOptions o = allLayers(zoom);
    o.shadow = picture;
    o.shadowOpacity = 127;
    return o;
}

void FullRepaintShadow(benchmark::State& state)
{
    const int zoom = int(state.range(0));
    Design& d = shared();
    QImage frame(kView, QImage::Format_RGB32);
    ChartRenderer renderer;
    const ViewGeometry g = ViewGeometry::forZoom(zoom, false, 400, 400);
    const ViewOptions o = withShadow(zoom, shadowPicture());
    for (auto _ : state)
        renderer.render(frame, frame.rect(), d, g, o);
}
BENCHMARK(FullRepaintShadow)->Arg(8)->Arg(40)->Unit(benchmark::kMillisecond)->MinTime(2.0);

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
// ViewMemoryShadow/N: the same with the shadow picture shown (the picture itself, held by the
// design, is made before the count starts).
void measureViewMemory(benchmark::State& state, const QImage* shadow)
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
            renderer->render(*frame, frame->rect(), *d, ViewGeometry::forZoom(40, false, side / 2, side / 2),
                shadow ? withShadow(40, *shadow) : allLayers(40));
            held = inUse() - before;
        }
    }
    state.counters["view_MB"] = double(held) / (1024 * 1024);
}

void ViewMemory(benchmark::State& state)
{
    measureViewMemory(state, nullptr);
}
BENCHMARK(ViewMemory)->Arg(100)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);

void ViewMemoryShadow(benchmark::State& state)
{
    const QImage picture = shadowPicture();
    measureViewMemory(state, &picture);
}
BENCHMARK(ViewMemoryShadow)->Arg(100)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
// Printing the whole 1000 x 1000 chart on one page at 1 mm a cell into a PDF (written to
// /dev/null), through the chart painter with grid, symbols and back stitches, against a bare
// loop that draws one rectangle and one text per cell on the same kind of writer.
constexpr int kPdfResolution = 600;

void onPdfPage(benchmark::State& state, const std::function<void(QPainter&, qreal cell)>& paint)
{
    const Design& d = shared();
    for (auto _ : state) {
        QFile sink(QStringLiteral("/dev/null"));
        sink.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&sink);
        pdf.setResolution(kPdfResolution);
        pdf.setPageMargins(QMarginsF());
        pdf.setPageSize(QPageSize(QSizeF(d.width(), d.height()), QPageSize::Millimeter));
        QPainter p(&pdf);
        paint(p, kPdfResolution / 25.4);
    }
}

void PdfThroughPainter(benchmark::State& state)
{
    onPdfPage(state, [](QPainter& p, qreal cell) {
        const Design& d = shared();
        ChartOptions o;
        o.symbols = true;
        ChartPainter().paint(p, d, QRect(0, 0, d.width(), d.height()), {QPointF(0, 0), QSizeF(cell, cell)}, o);
    });
}
BENCHMARK(PdfThroughPainter)->Iterations(1)->Unit(benchmark::kSecond);

void PdfBareLoop(benchmark::State& state)
{
    onPdfPage(state, [](QPainter& p, qreal cell) {
        const Design& d = shared();
        QFont font(d.stitch.chars->ffontname);
        font.setPixelSize(int(cell) - 2);
        p.setFont(font);
        QHash<TColor32, QString> symbols;
        for (int y = 0; y < d.height(); ++y) {
            const TColor32* row = d.CrossLayer.constScanLine(y);
            for (int x = 0; x < d.width(); ++x) {
                QString& symbol = symbols[row[x]];
                if (symbol.isEmpty())
                    symbol = QString(d.stitch.chars->symbolOf(d.stitch.Colors.find(colorRefFromColor32(row[x]))->charID).value());
                p.fillRect(QRectF(x * cell, y * cell, cell, cell), QColor::fromRgb(row[x]));
                p.setPen(Qt::white);
                p.drawText(QPointF(x * cell, (y + 1) * cell), symbol);
            }
        }
    });
}
BENCHMARK(PdfBareLoop)->Iterations(1)->Unit(benchmark::kSecond);
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
