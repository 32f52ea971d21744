#include "conversion/ConversionPictures.h"
#include "conversion/ConvertedDesign.h"
#include "model/Design.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

using namespace ConversionPictures;

namespace {
const QString kPalette = QStringLiteral("Greys v1");
const QString kSymbols = QStringLiteral("Six");

// A design as the start-up initialisation leaves it, with one palette and one symbol set.
std::unique_ptr<Design> freshDesign()
{
    auto design = std::make_unique<Design>();
    TStitch& doc = design->stitch;
    doc.DefaultTitle = QStringLiteral("Untitled");
    doc.ColorPalettes.insert(kPalette, greyPalette({0, 50, 100, 150, 200, 250}));
    TCharacterInfo set;
    set.Name = kSymbols;
    set.fontName = QStringLiteral("DejaVu Sans");
    set.characters = QStringLiteral("ABCDEF");
    doc.characters.insert(kSymbols, set);
    return design;
}

// The result of a conversion that kept 150, 0 and 250 (most used first).
TColorTable reduced()
{
    TColorTable kept;
    const TColorTable palette = greyPalette({0, 50, 100, 150, 200, 250});
    for (int v : {150, 0, 250}) {
        TColorInfo info = palette.at(grey(v));
        info.colorCount = 99;      // a working count, not the design's
        info.matchColor = grey(0); // a working target, not the colour itself
        kept.insert(grey(v), info);
    }
    return kept;
}

TBitmap32 result(const std::vector<std::vector<int>>& rows)
{
    TBitmap32 bitmap(int(rows.front().size()), int(rows.size()));
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x)
            bitmap.setCanvasPixel(x, y, grey(rows[size_t(y)][size_t(x)]));
    }
    return bitmap;
}
} // namespace

TEST(ConvertedDesignTest, ResultBecomesTheCrossLayerWithTheWholePaletteAndCountedColours)
{
    auto design = freshDesign();
    const TBitmap32 final = result({{150, 150, 0}, {250, 150, 0}});
    ASSERT_TRUE(ConvertedDesign::build(*design, final, reduced(), kPalette, kSymbols));
    const TStitch& doc = design->stitch;

    EXPECT_TRUE(design->CrossLayer == final);
    EXPECT_EQ(design->QuarterLayer.width(), 6);
    EXPECT_EQ(design->QuarterLayer.height(), 4);
    EXPECT_TRUE(design->QuarterLayer == TBitmap32(6, 4, 0xFFFFFFFFu));
    EXPECT_EQ(doc.BackGroundColor, 0xFFFFFFFFu);

    EXPECT_EQ(doc.Colors.keys(),
        (std::vector<TColorRef>{grey(150), grey(0), grey(250), grey(50), grey(100), grey(200)}))
        << "the kept colours first, in their order, then the rest of the palette";
    EXPECT_EQ(doc.drawcolor(), grey(150));
    const std::pair<int, int> counts[] = {{150, 3}, {0, 2}, {250, 1}, {50, 0}, {100, 0}, {200, 0}};
    for (const auto& [v, count] : counts) {
        const TColorInfo& info = doc.Colors.at(grey(v));
        EXPECT_EQ(info.colorCount, count) << v;
        EXPECT_EQ(info.matchColor, grey(v)) << "a design's table holds the colour itself";
        EXPECT_EQ(info.charID, greyPalette({0, 50, 100, 150, 200, 250}).at(grey(v)).charID)
            << "symbols come from the palette entries";
    }
    EXPECT_EQ(doc.usedColors(), 3);
    EXPECT_EQ(doc.colorsname(), kPalette);
    ASSERT_TRUE(doc.chars);
    EXPECT_EQ(doc.chars->CharsName, kSymbols);
    EXPECT_EQ(doc.chars->fcharacters, QStringLiteral("ABCDEF"));
    EXPECT_EQ(doc.fileMode, fmConvert);
    EXPECT_FALSE(doc.fileSaved());
    EXPECT_EQ(doc.Title, QStringLiteral("Untitled"));
}

TEST(ConvertedDesignTest, PixelsWithoutAStitchBecomeEmptyCells)
{
    auto design = freshDesign();
    TBitmap32 final = result({{150, 0}});
    final.setPixel(1, 0, 0xFF00FF00u); // "Create empty template" clears to the old background
    ASSERT_TRUE(ConvertedDesign::build(*design, final, reduced(), kPalette, kSymbols));
    EXPECT_FALSE(design->isEmptyCell(0, 0));
    EXPECT_TRUE(design->isEmptyCell(1, 0));
    EXPECT_EQ(design->stitch.Colors.at(grey(0)).colorCount, 0);
}

TEST(ConvertedDesignTest, EmptyResultIsRefusedAndLeavesTheDesign)
{
    auto design = freshDesign();
    const Status s = ConvertedDesign::build(*design, TBitmap32(), reduced(), kPalette, kSymbols);
    ASSERT_FALSE(s);
    EXPECT_TRUE(s.text().startsWith(QStringLiteral("A design of 0 x 0 stitches")));
    EXPECT_TRUE(design->stitch.Colors.isEmpty());
    EXPECT_TRUE(design->CrossLayer.empty());
}
