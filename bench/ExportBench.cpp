// Exporting the chart book of the 1000 x 1000 design as 900 x 800 JPEG page pictures (20 px
// cells, quality 70), against encoding the same number of page pictures alone; and the print
// dialog's work on a spin step: calc and the miniature.
//
// Peak memory is the process's: run one benchmark per process (see README.md).
#include "imaging/JpegRowWriter.h"
#include "printing/ChartBook.h"
#include "printing/KeyEntryList.h"
#include "printing/PageMiniature.h"
#include "printing/PagePictureSink.h"
#include "printing/PrintRun.h"
#include "printing/TPreview.h"
#include "support/LargeDesign.h"
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {
double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// A square part of the large design, `side` cells a side, so a run has fewer pages.
std::unique_ptr<Design> partOfLargeDesign(int side)
{
    const Design& large = LargeDesign::largeDesign();
    auto d = LargeDesign::freshDesign();
    d->stitch.BackGroundColor = large.stitch.BackGroundColor;
    d->stitch.Colors = large.stitch.Colors;
    d->stitch.chars = std::make_unique<TCharacters>(large.stitch.chars->fcharacters);
    d->allocateLayers(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            d->CrossLayer.setCanvasPixel(x, y, large.CrossLayer.canvasPixel(x, y));
    ColorUsage::CalcColorUsage(*d);
    return d;
}

const Design& designOfSide(int side)
{
    static const std::unique_ptr<Design> part = partOfLargeDesign(400);
    return side == LargeDesign::kSide ? LargeDesign::largeDesign() : *part;
}

void layOut(TPreview& layout, const Design& design, bool exportImage)
{
    layout.options.exportImage = exportImage;
    layout.setDesign(design);
    if (!exportImage)
        layout.setPrinter({210, 297, 9921, 14031, 1200});
    KeyEntryList::sort(layout.KeyEntries, design.stitch.Colors, ColorList::byPalette);
    layout.calc();
}

QString pageName(const QTemporaryDir& dir, int page, int count)
{
    return dir.filePath(PageFileNames::numbered(QStringLiteral("page_#.jpeg"), page, count));
}

// The whole export: pages drawn, encoded one at a time and renamed into place.
void Export(benchmark::State& state)
{
    const Design& design = designOfSide(int(state.range(0)));
    TPreview layout;
    layOut(layout, design, true);
    const ChartBook book(design, layout, {});
    int held = 0;
    for (auto _ : state) {
        QTemporaryDir dir;
        PagePictureSink sink(QSize(layout.pagewidthReal, layout.pageheightReal), PageFileNames::PictureType::Jpeg, 70,
            [&dir](int page, int count) { return pageName(dir, page, count); });
        if (!PrintRun::drawAndFinish(book, sink))
            state.SkipWithError("export failed");
        held = sink.mostPicturesHeld();
    }
    state.counters["pages"] = book.pageCount();
    state.counters["picturesHeld"] = held;
    state.counters["peakMB"] = peakMegabytes();
}

// The same number of white 900 x 800 page pictures encoded and written alone.
void EncodeAlone(benchmark::State& state)
{
    const Design& design = designOfSide(int(state.range(0)));
    TPreview layout;
    layOut(layout, design, true);
    const int pages = ChartBook(design, layout, {}).pageCount();
    QImage picture(layout.pagewidthReal, layout.pageheightReal, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (auto _ : state) {
        QTemporaryDir dir;
        for (int i = 1; i <= pages; ++i) {
            QFile file(pageName(dir, i, pages));
            file.open(QIODevice::WriteOnly);
            JpegRowWriter jpeg(file, 70);
            jpeg.start(picture.width(), picture.height());
            for (int y = 0; y < picture.height(); ++y)
                jpeg.writeRow(reinterpret_cast<const TColor32*>(picture.constScanLine(y)));
            jpeg.finish();
        }
    }
    state.counters["pages"] = pages;
    state.counters["peakMB"] = peakMegabytes();
}

// One spin step of the print dialog on paper: the layout again and the miniature.
void CalcAndMiniature(benchmark::State& state)
{
    const Design& design = LargeDesign::largeDesign();
    TPreview layout;
    layOut(layout, design, false);
    QImage miniature(260, 260, QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        layout.options.gridXSpin = 300 + (++step % 50);
        layout.calc();
        PageMiniature::draw(miniature, layout);
        benchmark::DoNotOptimize(miniature.constBits());
    }
    state.counters["pages"] = int(layout.PageMap.size());
}
} // namespace

BENCHMARK(Export)->Arg(400)->Arg(LargeDesign::kSide)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(EncodeAlone)->Arg(400)->Arg(LargeDesign::kSide)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(CalcAndMiniature)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Pages and the miniature write text, which needs a GUI application.
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
}
