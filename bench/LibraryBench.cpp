// The design library: selecting a 1000 x 1000 entry (every cell stitched, a quarter of the
// quarters used, 10 000 back stitches, 1 000 knots) until its preview is ready, which is reading
// the file, the preview and the colour comparison with the open design; reading the file alone
// (LoadQMKWhole) as the floor; handing the entry to the clipboard buffer; listing a folder of
// 2 000 entries.
#include "editing/ClipboardBuffer.h"
#include "editing/StitchOperations.h"
#include "editors/LibraryEntry.h"
#include "editors/LibraryFolder.h"
#include "files/QmkLoader.h"
#include "files/QmkWriter.h"
#include "support/LargeDesign.h"
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {
constexpr int kEntries = 2000;

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

// The large entry, written once.
const QString& entryFile()
{
    static const QString file = [] {
        Design& d = LargeDesign::largeDesign();
        StitchOperations ops(d);
        const std::vector<TColorRef> colours = d.stitch.Colors.keys();
        std::mt19937 random(11);
        std::uniform_int_distribution<int> point(0, 2 * LargeDesign::kSide - 4);
        std::uniform_int_distribution<int> pick(0, int(colours.size()) - 1);
        for (int i = 0; i < 10000; ++i) {
            const QPoint from(point(random), point(random));
            ops.backStitchesAdd({from, from + QPoint(2, 2), colours[size_t(pick(random))], i}, false);
        }
        for (int i = 0; i < 1000; ++i)
            ops.frenchKnotAdd({QPoint(point(random), point(random)), colours[size_t(pick(random))], i}, false);
        const QString name = folder().filePath(QStringLiteral("large.qmk"));
        SaveQMK(d, name);
        return name;
    }();
    return file;
}

const Design& openDesign()
{
    static const std::unique_ptr<Design> open = [] {
        auto d = LargeDesign::freshDesign();
        d->stitch.Colors = LargeDesign::palette();
        d->stitch.setColorsname(LargeDesign::kPalette);
        return d;
    }();
    return *open;
}

void LoadQMKWhole(benchmark::State& state)
{
    for (auto _ : state) {
        auto fresh = LibraryEntry::freshDesign(openDesign().stitch);
        benchmark::DoNotOptimize(LoadQMK(entryFile(), *fresh));
    }
}

void SelectEntry(benchmark::State& state)
{
    LibraryEntry entry;
    for (auto _ : state) {
        entry.load(entryFile(), LibraryEntry::freshDesign(openDesign().stitch), folder().path());
        entry.compareWith(&openDesign().stitch);
        benchmark::DoNotOptimize(entry.preview().constBits());
    }
}

void LoadIntoBuffer(benchmark::State& state)
{
    LibraryEntry entry;
    entry.load(entryFile(), LibraryEntry::freshDesign(openDesign().stitch), folder().path());
    entry.compareWith(&openDesign().stitch);
    ClipboardBuffer buffer;
    for (auto _ : state) {
        entry.fillBuffer(openDesign().stitch.BackGroundColor, buffer);
        benchmark::DoNotOptimize(buffer.width());
    }
}

void ListFolder(benchmark::State& state)
{
    static QTemporaryDir many;
    for (int i = 0; i < kEntries; ++i)
        QFile(many.filePath(QStringLiteral("motif %1.qmk").arg(i))).open(QIODevice::WriteOnly);
    for (auto _ : state)
        benchmark::DoNotOptimize(LibraryFolder::entries(many.path()).size());
}
} // namespace

BENCHMARK(LoadQMKWhole)->Unit(benchmark::kMillisecond);
BENCHMARK(SelectEntry)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadIntoBuffer)->Unit(benchmark::kMillisecond);
BENCHMARK(ListFolder)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
