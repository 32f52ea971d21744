#pragma once
// The large design the file benchmarks share: 1000 x 1000 cells with 400 colours, every cell
// stitched and a quarter of the quarter cells used (random colours, fixed seed).
#include "model/ColorUsage.h"
#include "model/Design.h"
#include <random>

namespace LargeDesign {
constexpr int kSide = 1000;
constexpr int kColours = 400;
inline const QString kPalette = QStringLiteral("Bench v1");

inline TColorTable palette()
{
    TColorTable table;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> channel(0, 255);
    while (table.size() < kColours) {
        const TColorRef c = makeColorRef(channel(random), channel(random), channel(random));
        TColorInfo info;
        info.colorName = QStringLiteral("Thread %1").arg(table.size());
        info.colorID = QString::number(100 + table.size());
        info.matchColor = c;
        info.charID = table.size();
        info.orderID = table.size();
        table.insert(c, info);
    }
    return table;
}

// A document as the start-up initialisation leaves it: the palette and a symbol set with a
// symbol for every colour.
inline std::unique_ptr<Design> freshDesign()
{
    auto d = std::make_unique<Design>();
    d->stitch.ColorPalettes.insert(kPalette, palette());
    TCharacterInfo set;
    set.Name = QStringLiteral("Bench");
    set.fontName = QStringLiteral("VelwickArtSymbols110");
    for (int i = 0; i < kColours; ++i)
        set.characters += QChar(0x21 + i);
    d->stitch.characters.insert(set.Name, set);
    d->stitch.defaultCharacters = set.Name;
    return d;
}

// Sizes the design kSide x kSide and stitches every cell and a quarter of the quarter cells in
// random colours of the first kColours of `colours` (fixed seed), then recounts.
inline void stitchEverywhere(Design& d, std::vector<TColorRef> colours)
{
    colours.resize(kColours);
    d.allocateLayers(kSide, kSide);
    std::mt19937 random(11);
    std::uniform_int_distribution<int> pick(0, kColours - 1);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            d.CrossLayer.setCanvasPixel(x, y, colours[size_t(pick(random))]);
    std::uniform_int_distribution<int> quarter(0, 3);
    for (int y = 0; y < 2 * kSide; ++y)
        for (int x = 0; x < 2 * kSide; ++x)
            if (quarter(random) == 0)
                d.QuarterLayer.setCanvasPixel(x, y, colours[size_t(pick(random))]);
    ColorUsage::CalcColorUsage(d);
}

inline Design& largeDesign()
{
    static const std::unique_ptr<Design> design = [] {
        auto d = freshDesign();
        TStitch& doc = d->stitch;
        doc.BackGroundColor = 0xFFFFFFFFu;
        doc.Colors = doc.ColorPalettes.at(kPalette);
        doc.setColorsname(kPalette);
        doc.chars = std::make_unique<TCharacters>(doc.characters.at(QStringLiteral("Bench")).characters);
        doc.chars->CharsName = QStringLiteral("Bench");
        doc.chars->ffontname = QStringLiteral("VelwickArtSymbols110");
        stitchEverywhere(*d, doc.Colors.keys());
        return d;
    }();
    return *design;
}
} // namespace LargeDesign
