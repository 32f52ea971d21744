// Symbol-set files (".chr") loaded into the shipped catalogue as the start-up loads them, then
// shown as a design shows its symbols: every size of the cache rendered in the file's font for a
// few colours whose symbols run through the set.
#include "FuzzSupport.h"
#include "model/Design.h"
#include "model/SymbolSetLoader.h"

namespace {
constexpr int kRenderedColors = 6;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString fileName = FuzzSupport::writeInput(data, size, QStringLiteral("input.chr"));
    auto design = FuzzSupport::freshDesign();
    TSymbolSetCatalogue& catalogue = design->stitch.characters;
    const int before = catalogue.size();
    const Status status = SymbolSetLoader::loadFile(fileName, catalogue);
    FuzzSupport::checkNamesFile(status, fileName);
    if (!status)
        return 0;
    if (catalogue.size() != before + 1)
        FuzzSupport::fail("a loaded symbol set did not join the catalogue under a name of its own");
    const TCharacterInfo& set = std::prev(catalogue.end())->second;
    TColorTable colors;
    const int count = qMin<int>(kRenderedColors, set.characters.size());
    for (int k = 0; k < count; ++k) {
        TColorInfo info;
        info.charID = k * int(set.characters.size()) / qMax(count, 1);
        info.colorCount = 1;
        colors.insert(TColorRef(0x102030 * k), info);
    }
    TCharacters symbols(set.characters);
    symbols.SetFontName(set.fontName, colors);
    return 0;
}
