// The whole chart book of a large design as a PDF: 1000 x 1000 cells in 300 colours laid in
// 10 x 10 blocks, 20 000 back stitches and 5 000 french knots, the default print options, A4
// portrait at 1200 dpi (3 mm cells: 66 x 90 cells a page, about 170 chart pages and the key).
// `Baseline` paints the same chart pages with a bare QPdfWriter loop: one filled rectangle and
// one drawText per cell plus the grid lines. `PeakMemory/N` draws the book of an N x N design
// and reports the process's peak resident size: pages are streamed to the file, so it must not
// grow with the design (run each size in its own process, see README.md).
#include "model/ColorUsage.h"
#include "model/Design.h"
#include "model/TCharacters.h"
#include "printing/ChartBook.h"
#include "printing/PageTarget.h"
#include "printing/TPreview.h"
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {
constexpr int kColours = 300;

std::unique_ptr<Design> blockDesign(int side)
{
    auto d = std::make_unique<Design>();
    d->stitch.BackGroundColor = 0xFFFFFFFFu;
    d->stitch.chars = std::make_unique<TCharacters>(defaultCharacterString());
    d->stitch.chars->ffontname = QStringLiteral("VelwickArtSymbols110");
    QRandomGenerator random(5);
    QList<TColorRef> colors;
    for (int i = 0; i < kColours; ++i) {
        const TColorRef c = makeColorRef(random.bounded(256), random.bounded(256), random.bounded(254));
        TColorInfo info;
        info.colorName = QStringLiteral("Thread %1").arg(i);
        info.colorID = QString::number(100 + i);
        info.charID = i % 180;
        info.orderID = i;
        d->stitch.Colors.insert(c, info);
        colors << c;
    }
    d->allocateLayers(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            d->CrossLayer.setCanvasPixel(x, y, colors[((y / 10) * (side / 10 + 1) + x / 10) % kColours]);
    const int stitches = side * side / 50;
    for (int i = 0; i < stitches; ++i) {
        const QPoint from(random.bounded(2 * side), random.bounded(2 * side));
        d->BackStitchList.append({from, from + QPoint(random.bounded(-4, 5), random.bounded(-4, 5)), colors[i % kColours], i});
    }
    for (int i = 0; i < stitches / 4; ++i)
        d->FrenchKnotList.append({QPoint(random.bounded(2 * side), random.bounded(2 * side)), colors[i % kColours], i});
    ColorUsage::CalcColorUsage(*d);
    return d;
}

void layOut(TPreview& layout, const Design& design)
{
    layout.setDesign(design);
    layout.setPrinter({210, 297, 9921, 14031, 1200});
    layout.calc();
}

class PdfTarget : public PageTarget
{
public:
    explicit PdfTarget(const QString& file)
        : m_writer(file)
    {
        m_writer.setResolution(1200);
        m_writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        m_painter.begin(&m_writer);
    }
    QPainter& painter() override { return m_painter; }
    bool newPage() override { return m_writer.newPage(); }
    int resolution() const override { return 1200; }

private:
    QPdfWriter m_writer;
    QPainter m_painter;
};

QGuiApplication& application()
{
    static int argc = 1;
    static char name[] = "PrintBench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    static const int font = QFontDatabase::addApplicationFont(QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/fonts/VelwickArtSymbols110.ttf"));
    Q_UNUSED(font);
    return app;
}

const Design& largeDesign()
{
    static const std::unique_ptr<Design> design = blockDesign(1000);
    return *design;
}

void ChartBookPdf(benchmark::State& state)
{
    application();
    TPreview layout;
    layOut(layout, largeDesign());
    const QTemporaryDir dir;
    for (auto _ : state) {
        PdfTarget target(dir.filePath(QStringLiteral("book.pdf")));
        const Status drawn = ChartBook(largeDesign(), layout, PageDrawOptions()).draw(target);
        benchmark::DoNotOptimize(drawn.isOk());
    }
    state.counters["pages"] = layout.pageNumber;
}

void Baseline(benchmark::State& state)
{
    application();
    TPreview layout;
    layOut(layout, largeDesign());
    const Design& d = largeDesign();
    const QTemporaryDir dir;
    for (auto _ : state) {
        PdfTarget target(dir.filePath(QStringLiteral("baseline.pdf")));
        QPainter& p = target.painter();
        QFont font(QStringLiteral("VelwickArtSymbols110"));
        font.setPixelSize(layout.SymbolSizePX);
        p.setFont(font);
        bool first = true;
        for (const auto& [at, page] : layout.PageMap) {
            if (page.cellsX < 1 || page.cellsY < 1)
                continue;
            if (!first)
                target.newPage();
            first = false;
            const double gw = layout.gridWidthPx, gh = layout.gridHeightPx;
            for (int y = 0; y < page.cellsY; ++y) {
                for (int x = 0; x < page.cellsX; ++x) {
                    const TColor32 v = d.CrossLayer.pixel(page.cellXFirst + x, page.cellYFirst + y);
                    const QRectF cell(page.xOffcetPx + x * gw, page.yOffcetPx + y * gh, gw, gh);
                    p.fillRect(cell, QColor::fromRgb(v | 0xFF000000u));
                    p.drawText(cell.bottomLeft(), QStringLiteral("A"));
                }
            }
            for (int y = 0; y <= page.cellsY; ++y)
                p.drawLine(QPointF(page.xOffcetPx, page.yOffcetPx + y * gh), QPointF(page.xOffcetPx + page.cellsX * gw, page.yOffcetPx + y * gh));
            for (int x = 0; x <= page.cellsX; ++x)
                p.drawLine(QPointF(page.xOffcetPx + x * gw, page.yOffcetPx), QPointF(page.xOffcetPx + x * gw, page.yOffcetPx + page.cellsY * gh));
        }
    }
}

void PeakMemory(benchmark::State& state)
{
    application();
    const std::unique_ptr<Design> design = blockDesign(int(state.range(0)));
    TPreview layout;
    layOut(layout, *design);
    const QTemporaryDir dir;
    for (auto _ : state) {
        PdfTarget target(dir.filePath(QStringLiteral("book.pdf")));
        benchmark::DoNotOptimize(ChartBook(*design, layout, PageDrawOptions()).draw(target).isOk());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mb"] = double(usage.ru_maxrss) / 1024;
}
} // namespace

BENCHMARK(ChartBookPdf)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(Baseline)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(PeakMemory)->Arg(100)->Arg(1000)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_MAIN();
