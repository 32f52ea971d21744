// The design settings' heaviest OK: moving a large design onto another palette and reducing it
// to 30 colours, against opening the same design from its file. Both rewrite every cell and
// recount, so the second is the yardstick.
#include "files/QmkLoader.h"
#include "files/QmkWriter.h"
#include "model/ColorUsage.h"
#include "model/Design.h"
#include "shell/DesignSettingsValues.h"
#include "shell/Startup.h"
#include "support/BenchProcess.h"
#include "support/LargeDesign.h"
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
const QString kDmc = QStringLiteral("DMC Stranded Cotton v1");
const QString kAnchor = QStringLiteral("Anchor Stranded Cotton v1");

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString designFile()
{
    return folder().filePath(QStringLiteral("large.qmk"));
}

// A document as the start-up initialisation leaves it, with the shipped palettes and symbol sets.
std::unique_ptr<Design> freshDesign()
{
    auto d = std::make_unique<Design>();
    d->stitch.PalettesPath = QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/palettes/");
    d->stitch.CharactersPath = QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/characters/");
    Startup::loadCatalogues(*d);
    return d;
}

// QmkBench's large design in 400 DMC colours, written once to the file every benchmark reads.
void writeDesignFile()
{
    auto d = freshDesign();
    TStitch& doc = d->stitch;
    if (!doc.palette(kDmc) || !doc.palette(kAnchor))
        qFatal("the shipped DMC and Anchor palettes are needed");
    doc.BackGroundColor = 0xFFFFFFFFu;
    doc.Colors = *doc.palette(kDmc);
    doc.setColorsname(kDmc);
    doc.chars = std::make_unique<TCharacters>(doc.characters.entryAt(0).second.characters);
    doc.chars->CharsName = doc.characters.entryAt(0).first;
    LargeDesign::stitchEverywhere(*d, doc.Colors.keys());
    if (!SaveQMK(*d, designFile()))
        qFatal("could not write the benchmark's design file");
}

std::unique_ptr<Design> loadedDesign(benchmark::State& state)
{
    auto design = freshDesign();
    if (!LoadQMK(designFile(), *design))
        state.SkipWithError("load failed");
    return design;
}

// The yardstick: opening the file into a fresh document, recount included.
void LoadQMKWhole(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto design = freshDesign();
        state.ResumeTiming();
        if (!LoadQMK(designFile(), *design))
            state.SkipWithError("load failed");
        state.PauseTiming();
        design.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(LoadQMKWhole)->Unit(benchmark::kMillisecond)->UseRealTime();

// OK in the design settings with the fields of `edit` changed: the undo steps it makes and the
// final recount.
void applySettings(benchmark::State& state, void (*edit)(DesignSettingsValues&), int steps)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto design = loadedDesign(state);
        const DesignSettingsValues shown = DesignSettingsValues::read(*design);
        DesignSettingsValues edited = shown;
        edit(edited);
        state.ResumeTiming();
        const DesignSettingsValues::Outcome outcome = edited.apply(*design, shown);
        state.PauseTiming();
        if (!outcome.refused || design->History.count() != steps)
            state.SkipWithError("the settings were not applied");
        design.reset();
        state.ResumeTiming();
    }
}

// The palette changed from DMC to Anchor and 30 colours asked for: two undo steps.
void PaletteChangeAndReduction(benchmark::State& state)
{
    applySettings(state, [](DesignSettingsValues& v) {
        v.palette = kAnchor;
        v.colorsCount = 30;
    }, 2);
}
BENCHMARK(PaletteChangeAndReduction)->Unit(benchmark::kMillisecond)->UseRealTime();

// The two parts alone, to see where the time goes.
void PaletteChange(benchmark::State& state)
{
    applySettings(state, [](DesignSettingsValues& v) { v.palette = kAnchor; }, 1);
}
BENCHMARK(PaletteChange)->Unit(benchmark::kMillisecond)->UseRealTime();

void Reduction(benchmark::State& state)
{
    applySettings(state, [](DesignSettingsValues& v) { v.colorsCount = 30; }, 1);
}
BENCHMARK(Reduction)->Unit(benchmark::kMillisecond)->UseRealTime();

// The recount that ends every apply that changed something.
void Recount(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto design = loadedDesign(state);
        state.ResumeTiming();
        ColorUsage::CalcColorUsage(*design);
        state.PauseTiming();
        design.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(Recount)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

int main(int argc, char** argv)
{
    return BenchProcess::run(argc, argv, folder(), writeDesignFile);
}
