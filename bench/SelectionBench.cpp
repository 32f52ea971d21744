// The selection on a large chart: 1000 x 1000 cells, every cell stitched, a quarter of the
// quarters used, 20 000 back stitches, 1 000 knots and 500 rhodes. Cut, copy and merge of the
// whole design and the undo of cut and merge, against the floor of the same run: a bare loop of
// updatePixel over the cells plus updateQPixel over the quarters. Then what the view adds: the
// desktop picture of a copy, a move of 1000 x 1000 floating content at zoom 40 re-rendered in a
// 1920 x 1080 view, and one frame animation step.
#include "editing/ClipboardBuffer.h"
#include "editing/SelectionOperations.h"
#include "editing/SelectionSession.h"
#include "editing/StitchOperations.h"
#include "model/ChangeBatch.h"
#include "model/Design.h"
#include "model/TCharacters.h"
#include "view/ChartRenderer.h"
#include "view/SelectionLayer.h"
#include "view/SelectionPicture.h"
#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {
constexpr int kSide = 1000;
constexpr TRect kWhole{0, 0, kSide, kSide};

QList<TColorRef> colours()
{
    QList<TColorRef> list;
    QRandomGenerator random(7);
    for (int i = 0; i < 200; ++i)
        list << makeColorRef(random.bounded(256), random.bounded(256), random.bounded(256));
    return list;
}

std::unique_ptr<Design> largeDesign()
{
    static const QList<TColorRef> colors = colours();
    auto d = std::make_unique<Design>();
    d->stitch.BackGroundColor = 0xFFFFFFFFu;
    for (int i = 0; i < colors.size(); ++i) {
        TColorInfo info;
        info.charID = i % 180;
        info.orderID = i;
        info.matchColor = colors[i];
        d->stitch.Colors.insert(colors[i], info);
    }
    d->stitch.chars = std::make_unique<TCharacters>(defaultCharacterString());
    d->allocateLayers(kSide, kSide);
    QRandomGenerator random(11);
    StitchOperations ops(*d);
    ChangeBatch batch(*d);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            ops.updatePixel(x, y, false, colors[(x / 7 + y / 5) % 200]);
    for (int qy = 0; qy < 2 * kSide; ++qy)
        for (int qx = (qy / 2) % 2; qx < 2 * kSide; qx += 4)
            ops.updateQPixel(qx, qy, false, colors[(qx + qy) % 200]);
    for (int i = 0; i < 20000; ++i) {
        const QPoint from(random.bounded(2 * kSide - 8) + 4, random.bounded(2 * kSide - 8) + 4);
        ops.backStitchesAdd({from, from + QPoint(random.bounded(-4, 5), random.bounded(-4, 5)), colors[i % 200], i}, false);
    }
    for (int i = 0; i < 1000; ++i)
        ops.frenchKnotAdd({QPoint(random.bounded(2 * kSide), random.bounded(2 * kSide)), colors[i % 200], i}, false);
    for (int i = 0; i < 500; ++i) {
        auto r = std::make_shared<TRhode>();
        const QPoint at(random.bounded(2 * kSide - 4), random.bounded(2 * kSide - 4));
        r->stitches = {{at, at + QPoint(4, 4), 0, 0}, {at + QPoint(4, 0), at + QPoint(0, 4), 0, 0}};
        r->color = colors[i % 200];
        r->index = i;
        ops.RhodeAdd(r, false);
    }
    return d;
}

// Runs `prepare` untimed and `timed` timed, on a fresh design each iteration.
template <typename Prepare, typename Timed>
void eachOnFreshDesign(benchmark::State& state, Prepare prepare, Timed timed)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto d = largeDesign();
        ClipboardBuffer buffer;
        prepare(*d, buffer);
        state.ResumeTiming();
        timed(*d, buffer);
        state.PauseTiming();
        d.reset();
        state.ResumeTiming();
    }
}

void none(Design&, ClipboardBuffer&) {}

void Floor(benchmark::State& state)
{
    static const QList<TColorRef> colors = colours();
    eachOnFreshDesign(state, none, [](Design& d, ClipboardBuffer&) {
        StitchOperations ops(d);
        ChangeBatch batch(d);
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x)
                ops.updatePixel(x, y, false, colors[(x + y) % 200]);
        for (int qy = 0; qy < 2 * kSide; ++qy)
            for (int qx = 0; qx < 2 * kSide; ++qx)
                ops.updateQPixel(qx, qy, false, colors[(qx + 3 * qy) % 200]);
    });
}
BENCHMARK(Floor)->Iterations(3)->Unit(benchmark::kMillisecond);

void Copy(benchmark::State& state)
{
    eachOnFreshDesign(state, none, [](Design& d, ClipboardBuffer& b) { SelectionOperations::Copy(d, b, kWhole, true); });
}
BENCHMARK(Copy)->Iterations(3)->Unit(benchmark::kMillisecond);

void Cut(benchmark::State& state)
{
    eachOnFreshDesign(state, none, [](Design& d, ClipboardBuffer& b) { SelectionOperations::Cut(d, b, kWhole, true); });
}
BENCHMARK(Cut)->Iterations(3)->Unit(benchmark::kMillisecond);

void UndoCut(benchmark::State& state)
{
    eachOnFreshDesign(
        state, [](Design& d, ClipboardBuffer& b) { SelectionOperations::Cut(d, b, kWhole, true); },
        [](Design& d, ClipboardBuffer&) { d.History.Undo(); });
}
BENCHMARK(UndoCut)->Iterations(3)->Unit(benchmark::kMillisecond);

// The cut content merged back at its place.
void Merge(benchmark::State& state)
{
    eachOnFreshDesign(
        state, [](Design& d, ClipboardBuffer& b) { SelectionOperations::Cut(d, b, kWhole, true); },
        [](Design& d, ClipboardBuffer& b) { SelectionOperations::Merge(d, b, kWhole); });
}
BENCHMARK(Merge)->Iterations(3)->Unit(benchmark::kMillisecond);

void UndoMerge(benchmark::State& state)
{
    eachOnFreshDesign(
        state,
        [](Design& d, ClipboardBuffer& b) {
            SelectionOperations::Cut(d, b, kWhole, true);
            SelectionOperations::Merge(d, b, kWhole);
        },
        [](Design& d, ClipboardBuffer&) { d.History.Undo(); });
}
BENCHMARK(UndoMerge)->Iterations(3)->Unit(benchmark::kMillisecond);

// Copy as the window does it: the buffer and the picture for other programs, at zoom 8.
void CopyWithPicture(benchmark::State& state)
{
    ViewOptions o;
    o.zoom = 8;
    const ViewGeometry g = ViewGeometry::forZoom(8, false);
    eachOnFreshDesign(state, none, [&](Design& d, ClipboardBuffer& b) {
        SelectionOperations::Copy(d, b, kWhole, true);
        benchmark::DoNotOptimize(SelectionPicture::render(d, kWhole, g, o));
    });
}
BENCHMARK(CopyWithPicture)->Iterations(3)->Unit(benchmark::kMillisecond);

void PictureOnly(benchmark::State& state)
{
    static std::unique_ptr<Design> d = largeDesign();
    ViewOptions o;
    o.zoom = 8;
    o.grid = state.range(0) != 0;
    const ViewGeometry g = ViewGeometry::forZoom(8, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(SelectionPicture::render(*d, kWhole, g, o));
}
BENCHMARK(PictureOnly)->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond);

// One step of a drag of 1000 x 1000 floating content at zoom 40: the content moved by a cell
// and the whole 1920 x 1080 view rendered again (old and new place cover all of it).
void MoveFloating(benchmark::State& state)
{
    static std::unique_ptr<Design> d = largeDesign();
    SelectionSession selection;
    selection.enter(QPoint(0, 0));
    selection.resize(dkBottomRight, kWhole, QSize(kSide, kSide));
    selection.Copy(*d, true);
    selection.Paste(QPoint(0, 0));
    ViewOptions o;
    o.zoom = 40;
    o.symbols = true;
    o.selection = &selection;
    const ViewGeometry g = ViewGeometry::forZoom(40, false, 100, 100);
    QImage frame(1920, 1080, QImage::Format_RGB32);
    ChartRenderer renderer;
    int step = 0;
    for (auto _ : state) {
        const int at = 1 + step++ % 2;
        selection.resize(dkMove, {at, at, 0, 0}, QSize(kSide, kSide));
        renderer.render(frame, frame.rect(), *d, g, o);
    }
}
BENCHMARK(MoveFloating)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// One tick of the frame's animation in a 1920 x 1080 view: the frame's pixels painted from the
// rendered view, then the frame over them (the widget's paint of the frame's region).
void FrameTick(benchmark::State& state)
{
    const ViewGeometry g = ViewGeometry::forZoom(8, false);
    const TRect s{2, 2, 230, 130};
    QImage rendered(1920, 1080, QImage::Format_RGB32);
    rendered.fill(0xFFFFFFFFu);
    QImage screen(1920, 1080, QImage::Format_RGB32);
    int phase = 0;
    for (auto _ : state) {
        const QRegion region = SelectionLayer::frameRegion(s, g);
        QPainter p(&screen);
        for (const QRect& r : region)
            p.drawImage(r, rendered, r);
        SelectionLayer::drawFrame(p, s, g, ++phase, region.boundingRect());
    }
}
BENCHMARK(FrameTick)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
