// Nearest thread colour for 100 000 random colours over the shipped DMC palette: the plain scan
// (NearestColor) against the pruned search (NearestColorSearch), which must give the same answers.
#include "model/ColorDistance.h"
#include "model/PaletteLoader.h"
#include <benchmark/benchmark.h>
#include <random>
#include <vector>

namespace {
constexpr int kColours = 100000;

const TColorTable& dmc()
{
    static const TColorTable table = [] {
        TPaletteCatalogue catalogue;
        const Status s = PaletteLoader::loadFile(QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/palettes/dmc.ctb"), catalogue);
        if (!s || catalogue.isEmpty())
            qFatal("the shipped DMC palette did not load: %s", qPrintable(s.text()));
        return catalogue.begin()->second;
    }();
    return table;
}

const std::vector<TColorRef>& randomColours()
{
    static const std::vector<TColorRef> colours = [] {
        std::mt19937 random(12345);
        std::uniform_int_distribution<int> channel(0, 255);
        std::vector<TColorRef> result;
        for (int i = 0; i < kColours; ++i)
            result.push_back(makeColorRef(channel(random), channel(random), channel(random)));
        return result;
    }();
    return colours;
}

void PlainScan(benchmark::State& state)
{
    const TColorTable& table = dmc();
    for (auto _ : state) {
        for (TColorRef c : randomColours())
            benchmark::DoNotOptimize(NearestColor(c, table));
    }
    state.SetItemsProcessed(state.iterations() * kColours);
}
BENCHMARK(PlainScan)->Unit(benchmark::kMillisecond);

void PrunedSearch(benchmark::State& state)
{
    const NearestColorSearch search(dmc());
    for (auto _ : state) {
        for (TColorRef c : randomColours())
            benchmark::DoNotOptimize(search.find(c));
    }
    state.SetItemsProcessed(state.iterations() * kColours);
}
BENCHMARK(PrunedSearch)->Unit(benchmark::kMillisecond);

void PrunedSearchIncludingSetUp(benchmark::State& state)
{
    for (auto _ : state) {
        const NearestColorSearch search(dmc());
        for (TColorRef c : randomColours())
            benchmark::DoNotOptimize(search.find(c));
    }
    state.SetItemsProcessed(state.iterations() * kColours);
}
BENCHMARK(PrunedSearchIncludingSetUp)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
