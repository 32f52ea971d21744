#include "conversion/ConversionPictures.h"
#include "conversion/PaletteMatching.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

using namespace ConversionPictures;

namespace {
struct Step4
{
    QList<double> deltas;
    PaletteMatching matching{deltas};
    TBitmap32 resized;
    TBitmap32 final;

    // "Set size", then the palette change with a symbol set of `symbols` characters.
    Step4(const TBitmap32& picture, const TColorTable& palette, int symbols = 180) : resized(picture)
    {
        matching.loadUsedColors(resized);
        matching.setPalette(palette);
        matching.paletteChange(resized, symbols, final);
    }

    // "Set used colors" with a typed maximum and the "maxColors" setting.
    void setUsedColors(int typed, int setting = 500)
    {
        matching.recompute(resized, matching.chooseMaxColors(typed, setting), final);
    }
};

// A row of `count` pixels of each colour, in the order given.
TBitmap32 runs(const QList<QPair<TColorRef, int>>& colours)
{
    std::vector<TColorRef> row;
    for (const auto& [color, count] : colours)
        row.insert(row.end(), size_t(count), color);
    return picture({row});
}

TColorTable distinctPalette(int count)
{
    QList<TColorRef> colors;
    for (int i = 0; i < count; ++i)
        colors << makeColorRef(40 + 3 * i, 255 - 4 * i, (90 * i) % 256);
    return TestDesigns::palette(colors);
}

TBitmap32 oneOfEach(const TColorTable& palette)
{
    std::vector<TColorRef> row;
    for (const auto& [color, info] : palette)
        row.push_back(color);
    return picture({row});
}
} // namespace

TEST(PaletteMatchingTest, UsedColoursInFirstAppearanceOrderWithPixelCounts)
{
    QList<double> deltas;
    PaletteMatching matching(deltas);
    matching.loadUsedColors(greys({{30, 10, 30}, {20, 10, 10}}));
    EXPECT_EQ(matching.UsedColorDic.keys(), (std::vector<TColorRef>{grey(30), grey(10), grey(20)}));
    EXPECT_EQ(matching.UsedColorDic.at(grey(10)).colorCount, 3);
    EXPECT_EQ(matching.UsedColorDic.at(grey(30)).colorCount, 2);
    EXPECT_EQ(matching.UsedColorDic.at(grey(20)).colorCount, 1);
}

TEST(PaletteMatchingTest, MatchingCountsPixelsAndRecordsOnlyInexactDistances)
{
    // 50 lies as far from 40 as from 60: the palette's first wins. 200 is in the palette.
    Step4 s(greys({{50, 50, 200, 75}}), greyPalette({60, 40, 200}));
    EXPECT_EQ(s.matching.UsedColorDic.at(grey(50)).matchColor, grey(60));
    EXPECT_EQ(s.matching.UsedColorDic.at(grey(200)).matchColor, grey(200));
    EXPECT_EQ(s.matching.UsedColorDic.at(grey(75)).matchColor, grey(60));
    EXPECT_EQ(s.matching.PaletteDic.at(grey(60)).colorCount, 3);
    EXPECT_EQ(s.matching.PaletteDic.at(grey(40)).colorCount, 0);
    EXPECT_EQ(s.matching.PaletteDic.at(grey(200)).colorCount, 1);
    ASSERT_EQ(s.deltas.size(), 2) << "one distance per inexact picture colour, none for 200";
    EXPECT_LT(s.deltas[0], s.deltas[1]) << "sorted ascending";
    EXPECT_DOUBLE_EQ(s.matching.MaxLevelDithering, s.deltas.last());
}

TEST(PaletteMatchingTest, ExactPictureGivesEmptyDeltasAndLevelZero)
{
    Step4 s(greys({{0, 255}, {255, 0}}), greyPalette({0, 255}));
    EXPECT_TRUE(s.deltas.isEmpty());
    EXPECT_EQ(s.matching.MaxLevelDithering, 0.0);
}

TEST(PaletteMatchingTest, FullPaletteDrawingUsesEachColoursMatch)
{
    Step4 s(greys({{50, 210}, {200, 10}}), greyPalette({0, 60, 200}));
    EXPECT_EQ(greysOf(s.final), (std::vector<std::vector<int>>{{60, 200}, {200, 0}}));
}

// Picture colours matching A (10 pixels), B (7) and C (2), reduced to two colours: A and B stay
// and C's pixels take the one nearer to C (A), although their own colour is nearer to B.
TEST(PaletteMatchingTest, ReductionKeepsTheMostUsedAndMapsThroughThePaletteColour)
{
    const TColorRef A = grey(0), B = grey(100), C = grey(45), nearC = grey(52);
    Step4 s(runs({{A, 10}, {nearC, 2}, {B, 7}}), TestDesigns::palette({C, A, B}));
    ASSERT_EQ(s.matching.UsedColorDic.at(nearC).matchColor, C);
    s.setUsedColors(2);
    EXPECT_EQ(s.matching.ReducedPaletteDic.keys(), (std::vector<TColorRef>{A, B}));
    EXPECT_EQ(s.matching.PaletteDic.at(C).matchColor, A);
    EXPECT_EQ(s.final.canvasPixel(10, 0), A);
    EXPECT_EQ(s.final.canvasPixel(11, 0), A);
    EXPECT_EQ(s.final.canvasPixel(12, 0), B);
}

TEST(PaletteMatchingTest, EqualCountsGoToTheColourFirstInPaletteOrder)
{
    const TColorRef A = grey(0), B = grey(100), C = grey(200);
    Step4 s(runs({{C, 3}, {B, 3}, {A, 1}}), TestDesigns::palette({A, B, C}));
    s.setUsedColors(1);
    EXPECT_EQ(s.matching.ReducedPaletteDic.keys(), std::vector<TColorRef>{B});
}

TEST(PaletteMatchingTest, MaxColorsPossibleAndChosenFollowSymbolsTypedValueAndSetting)
{
    const TColorTable palette = distinctPalette(55);
    const struct
    {
        int symbols;
        int typed;
        int setting;
        int possible;
        int chosen;
    } cases[] = {
        {40, 40, 500, 40, 40}, // 55 colours with pixels, but only 40 symbols
        {40, 60, 500, 40, 40},
        {40, 40, 30, 40, 30},  // the "maxColors" setting
        {180, 500, 500, 55, 55},
        {180, 12, 500, 55, 12},
    };
    for (const auto& c : cases) {
        Step4 s(oneOfEach(palette), palette, c.symbols);
        EXPECT_EQ(s.matching.MaxColorsPossible, c.possible);
        EXPECT_EQ(s.matching.chooseMaxColors(c.typed, c.setting), c.chosen);
        EXPECT_EQ(s.matching.MaxColorsChosen, c.chosen);
    }
}

TEST(PaletteMatchingTest, AllMatchedColoursStayWhenTheMaximumAllowsThem)
{
    const TColorTable palette = distinctPalette(20);
    TColorTable twelve;
    for (const auto& [color, info] : palette) {
        if (twelve.size() < 12)
            twelve.insert(color, info);
    }
    for (int typed : {12, 13, 100}) {
        Step4 s(oneOfEach(twelve), palette);
        ASSERT_EQ(s.matching.MaxColorsPossible, 12);
        s.setUsedColors(typed);
        EXPECT_EQ(s.matching.ReducedPaletteDic.size(), 12);
        EXPECT_EQ(colorsOf(s.final), colorsOf(oneOfEach(twelve))) << "every pixel keeps its palette match";
    }
}

TEST(PaletteMatchingTest, SetUsedColorsTwiceGivesTheSameResult)
{
    const TColorTable palette = distinctPalette(30);
    std::vector<TColorRef> row;
    for (int i = 0; i < 90; ++i)
        row.push_back(makeColorRef((i * 37) % 256, (i * 91) % 256, (i * 53) % 256));
    Step4 s(picture({row, row}), palette);
    s.setUsedColors(7);
    const TBitmap32 first = s.final;
    const TColorTable reduced = s.matching.ReducedPaletteDic;
    s.setUsedColors(7);
    EXPECT_TRUE(s.final == first);
    EXPECT_EQ(s.matching.ReducedPaletteDic, reduced);
}

// Without the guard, a reduced set padded with the candidate FF000000, or an empty one, drew
// that non-colour into cells (stored as a black stitch, which the palettes here lack).
TEST(PaletteMatchingTest, NeverDrawsTheNoColourValue)
{
    const TColorTable palette = distinctPalette(20);
    const struct
    {
        const char* name;
        int symbols;
        int typed;
        int stalePossible;
    } cases[] = {
        {"fewer used colours than the maximum", 180, 15, 15}, // MaxColorsPossible from a larger picture
        {"maximum 0", 180, 0, 0},
        {"symbol set without characters", 0, 500, 0},
    };
    TColorTable eight;
    for (const auto& [color, info] : palette) {
        if (eight.size() < 8)
            eight.insert(color, info);
    }
    for (const auto& c : cases) {
        Step4 s(oneOfEach(eight), palette, c.symbols);
        if (c.stalePossible > 0)
            s.matching.MaxColorsPossible = c.stalePossible;
        s.setUsedColors(c.typed);
        EXPECT_FALSE(s.matching.ReducedPaletteDic.isEmpty()) << c.name;
        EXPECT_FALSE(s.matching.ReducedPaletteDic.contains(kNoColor)) << c.name;
        for (int x = 0; x < s.final.width(); ++x)
            EXPECT_TRUE(s.matching.ReducedPaletteDic.contains(s.final.canvasPixel(x, 0))) << c.name;
    }
}
