// Thread palette files (".ctb") loaded as the start-up loads its catalogue, then used as a new
// design uses a palette: the symbols of its first colours rendered with the file's symbol
// numbers.
#include "FuzzSupport.h"
#include "model/PaletteLoader.h"
#include "model/SymbolSetLoader.h"
#include "model/TCharacters.h"

namespace {
constexpr int kRenderedColors = 8;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString fileName = FuzzSupport::writeInput(data, size, QStringLiteral("input.ctb"));
    TPaletteCatalogue catalogue;
    const Status status = PaletteLoader::loadFile(fileName, catalogue);
    FuzzSupport::checkNamesFile(status, fileName);
    if (!status || catalogue.isEmpty())
        return 0;
    const TCharacterInfo set = SymbolSetLoader::builtInSet();
    TCharacters symbols(set.characters);
    symbols.ffontname = set.fontName;
    int rendered = 0;
    for (const auto& [color, info] : catalogue.begin()->second) {
        if (rendered++ == kRenderedColors)
            break;
        symbols.CharToBitmap(color, info, TCharacters::kListSize);
    }
    return 0;
}
