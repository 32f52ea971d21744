#include "BookFixture.h"
#include "model/TCMYK.h"
#include <gtest/gtest.h>

namespace {
using F = BookFixture;
constexpr int S = F::kS;
constexpr int U = F::kU;

struct Probe
{
    const char* what;
    int x;
    int y;
    TColorRef color;
};

void expectPixels(const QImage& page, const std::vector<Probe>& probes)
{
    ASSERT_FALSE(page.isNull());
    for (const Probe& p : probes)
        EXPECT_TRUE(hasColor(page, p.x, p.y, p.color)) << p.what << " at " << p.x << "," << p.y << ": " << std::hex << page.pixel(p.x, p.y);
}

QStringList filled(int width, int height, char cell = 'r')
{
    return QStringList(height, QString(width, QLatin1Char(cell)));
}
} // namespace

TEST(ChartPage, GridLinesHaveTheirWidthsAndTicksAndFillsKeepClearOfThem)
{
    F f(filled(12, 12));
    f.preview.options.thickLines = 200;  // 6 px at 3 px per mm
    f.preview.options.mediumLines = 100; // 3 px
    f.preview.options.thinLines = 34;    // 1 px
    f.layout();
    expectPixels(f.firstPage(), {
        {"thick line, left half", 27, U + 50, F::kBlack},
        {"thick line, right half", 32, U + 50, F::kBlack},
        {"band left of the thick line", 26, U + 50, F::kWhite},
        {"fill after half a thick line", 33, U + 50, F::kRed},
        {"fill stops half a medium line early", 127, U + 50, F::kRed},
        {"gap before the medium line", 128, U + 50, F::kWhite},
        {"medium line", 129, U + 50, F::kBlack},
        {"medium line", 131, U + 50, F::kBlack},
        {"fill after the medium line", 132, U + 50, F::kRed},
        {"thin line", 50, U + 50, F::kBlack},
        {"gap before the thin line", 49, U + 50, F::kWhite},
        {"fill after the thin line", 51, U + 50, F::kRed},
        {"thick tick across the band", 0, U, F::kBlack},
        {"medium tick is half the band", 14, U + 100, F::kBlack},
        {"before the medium tick", 12, U + 100, F::kWhite},
        {"thin tick is a quarter of the band", 23, U + 20, F::kBlack},
        {"before the thin tick", 21, U + 20, F::kWhite},
    });
}

TEST(ChartPage, WithoutPrintGridOnlyTheOutlineAndTicksAreDrawn)
{
    F f(filled(12, 12));
    f.options.grid = false;
    f.options.symbols = false;
    expectPixels(f.firstPage(), {
        {"no inner vertical line", 50, U + 50, F::kRed},
        {"no inner horizontal line", 60, U + 20, F::kRed},
        {"outline", S, U + 50, F::kBlack},
        {"outline", 60, U + 240, F::kBlack},
        {"tick", 25, U + 20, F::kBlack},
    });
}

TEST(ChartPage, RulerNumbersAreAbsoluteFromTenAndFollowGridNumbers)
{
    for (const bool numbers : {false, true}) {
        SCOPED_TRACE(numbers ? "grid numbers" : "no grid numbers");
        F f(filled(60, 12, '.'));
        f.preview.options.gridNumbers = numbers;
        f.layout();
        const QList<QImage> pages = f.pages();
        ASSERT_GE(pages.size(), 2);
        const QImage& first = pages[0];
        EXPECT_GT(inkIn(first, QRect(0, U + 202, 20, 10)), 0) << "row 10";
        EXPECT_EQ(inkIn(first, QRect(0, U + 2, 12, 12)), 0) << "no number on line 0";
        EXPECT_GT(inkIn(first, QRect(S + 200 - 3 - 22, U - 28, 22, 10)), 0) << "column 10 ends left of its line";
        EXPECT_EQ(inkIn(first, QRect(S + 200 + 2, U - 28, 12, 10)), 0) << "nothing right of column 10's line";
        // The second page column starts at design column 43: its thick line is column 50.
        const QImage& second = pages[1];
        const int s = numbers ? S : 0;
        EXPECT_GT(inkIn(second, QRect(s + 140 - 3 - 22, U - 28, 22, 10)), 0) << "column 50";
        if (numbers)
            EXPECT_GT(inkIn(second, QRect(0, U + 202, 20, 10)), 0) << "row 10 in the band every page has";
        else
            EXPECT_TRUE(hasColor(second, 0, U + 50, F::kBlack)) << "no band: the chart starts at the page edge";
    }
}

TEST(ChartPage, SymbolsTakeTheirColourFromTheCellOrBlackWithoutColours)
{
    for (const bool colours : {true, false}) {
        SCOPED_TRACE(colours ? "colours" : "no colours");
        F f({"rw"});
        f.options.useColors = colours;
        const QImage page = f.firstPage();
        ASSERT_FALSE(page.isNull());
        int onRed = 0, reds = 0, onWhite = 0;
        for (int y = U + 1; y < U + 19; ++y) {
            for (int x = S + 1; x < S + 19; ++x) {
                onRed += hasColor(page, x, y, colours ? F::kWhite : F::kBlack) ? 1 : 0;
                reds += hasColor(page, x, y, F::kRed) ? 1 : 0;
                onWhite += hasColor(page, x + 20, y, F::kBlack) ? 1 : 0;
            }
        }
        EXPECT_GT(onRed, 5);
        EXPECT_EQ(reds > 0, colours);
        EXPECT_GT(onWhite, 5);
    }
}

TEST(ChartPage, CirclesUseTheThreadColourAndFillsThePrintColour)
{
    struct Case
    {
        const char* name;
        bool circles;
        bool light;
        TColorRef centre;
        TColorRef corner;
    };
    const Case cases[] = {
        {"fill", false, false, 0x00FF00, 0x00FF00},
        {"circles", true, false, F::kRed, F::kWhite},
        {"light circles", false, true, F::kRed, makeColorRef(255, 128, 128)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        F f({"rr"});
        f.design->stitch.CMYK.insert(color32FromColorRef(F::kRed), TCMYK{100, 0, 100, 0, 0x00FF00});
        f.options.cmyk = true;
        f.options.symbols = false;
        f.options.circles = c.circles;
        f.options.lightCircles = c.light;
        expectPixels(f.firstPage(), {{"centre", S + 10, U + 10, c.centre}, {"corner", S + 1, U + 1, c.corner}});
    }
}

TEST(ChartPage, BackStitchesAreCutAtThePageAndMarkedWhereALineOrColourStarts)
{
    F f(filled(60, 12, '.'));
    auto& stitches = f.design->BackStitchList;
    stitches.append({QPoint(2, 2), QPoint(8, 2), F::kRed, 0});
    stitches.append({QPoint(8, 2), QPoint(14, 2), F::kRed, 1});   // continues: no marker
    stitches.append({QPoint(14, 2), QPoint(20, 2), F::kBlue, 2}); // colour change: marker
    stitches.append({QPoint(4, 8), QPoint(4, 8), F::kRed, 3});    // no length: no marker
    stitches.append({QPoint(80, 4), QPoint(92, 4), F::kBlue, 4}); // crosses into page 2
    f.options.backSymbol = false;
    f.layout();
    // A marker's centre lies two thirds of a cell (13 px) along the stitch from its start.
    expectPixels(f.firstPage(), {
        {"marker of the first stitch", S + 33, U + 15, F::kRed},
        {"line", S + 50, U + 20, F::kRed},
        {"no marker where the line continues", S + 93, U + 15, F::kWhite},
        {"marker at the colour change", S + 153, U + 15, F::kBlue},
        {"no marker for a stitch without length", S + 45, U + 75, F::kWhite},
        {"line up to the chart edge", S + 850, U + 40, F::kBlue},
        {"nothing past the chart edge", S + 865, U + 40, F::kWhite},
        {"marker of the cut stitch", S + 813, U + 35, F::kBlue},
    });
}

TEST(ChartPage, KnotsOnAPageEdgeGoToTheNextPageAndOnTheDesignEdgeToTheLast)
{
    F f(filled(60, 12, '.'));
    f.design->FrenchKnotList.append({QPoint(86, 4), F::kBlue, 0});  // right edge of page 1's last column
    f.design->FrenchKnotList.append({QPoint(120, 24), F::kBlue, 1}); // the design's corner
    f.layout();
    const QList<QImage> pages = f.pages();
    ASSERT_GE(pages.size(), 2);
    EXPECT_FALSE(hasColor(pages[0], S + 857, U + 40, F::kBlue));
    // The second page has no left band: its chart starts at x 0 with design column 43.
    EXPECT_TRUE(hasColor(pages[1], 3, U + 40, F::kBlue));
    EXPECT_TRUE(hasColor(pages[1], 340 - 3, U + 240 - 3, F::kBlue));
}

TEST(ChartPage, WithoutColoursStitchesAreGreyMarkersWhiteAndKnotsKeepTheirColour)
{
    F f({"r...", "....", "....", "...."});
    f.design->BackStitchList.append({QPoint(2, 4), QPoint(8, 4), F::kRed, 0});
    f.design->FrenchKnotList.append({QPoint(6, 6), F::kBlue, 0});
    f.options.useColors = false;
    f.options.backSymbol = false;
    f.layout();
    const TColorRef grey = makeColorRef(85, 85, 85);
    const QImage page = f.firstPage();
    expectPixels(page, {
        {"no fill", S + 3, U + 3, F::kWhite},
        {"grey stitch", S + 50, U + 40, grey},
        {"white marker", S + 33, U + 35, F::kWhite},
        {"knot in its own colour", S + 58, U + 60, F::kBlue},
    });
    EXPECT_GT(inkIn(page, QRect(S + 22, U + 36, 3, 8)), 0) << "the marker's black outline";
}

TEST(ChartPage, KnittingQuartersFollowTheLowerCells)
{
    F f({"..", ".."});
    f.design->QuarterLayer.setCanvasPixel(1, 1, F::kRed);
    f.preview.options.knitting = true; // cells 20 x 14
    f.options.symbols = false;
    f.layout();
    const QImage page = f.firstPage();
    int reds = 0;
    for (int y = U + 8; y < U + 14; ++y)
        for (int x = S + 11; x < S + 20; ++x)
            reds += hasColor(page, x, y, F::kRed) ? 1 : 0;
    EXPECT_GT(reds, 27);
    EXPECT_EQ(inkIn(page, QRect(S + 11, U + 15, 8, 12)), 0) << "the cell below stays empty";
}

TEST(ChartPage, RealModeShowsThreadOnFabricWithoutGridOrSymbols)
{
    F f({"rb", "b."});
    f.options.real = true;
    const QImage page = f.firstPage();
    ASSERT_FALSE(page.isNull());
    const auto reddish = [](QRgb c) { return qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c) + 60; };
    const auto bluish = [](QRgb c) { return qBlue(c) > qRed(c) + 60 && qBlue(c) > qGreen(c) + 60; };
    int red = 0, blue = 0, black = 0;
    for (int y = U + 1; y < U + 40; ++y) {
        for (int x = S + 1; x < S + 40; ++x) {
            red += reddish(page.pixel(x, y)) ? 1 : 0;
            blue += bluish(page.pixel(x, y)) ? 1 : 0;
            black += (page.pixel(x, y) & 0xFFFFFFu) == 0 ? 1 : 0;
        }
    }
    EXPECT_GT(red, 40);
    EXPECT_GT(blue, 80);
    EXPECT_EQ(black, 0) << "no grid lines";
}

TEST(ChartPage, AColourWhoseSymbolIsOutsideTheSetIsFilledWithoutSymbol)
{
    F f({"rr"});
    f.design->stitch.Colors.find(F::kRed)->charID = 100000;
    f.preview.options.printTitle = true;
    f.layout();
    const QList<QImage> pages = f.pages();
    ASSERT_EQ(pages.size(), 3);
    int white = 0;
    for (int y = U + 2; y < U + 18; ++y)
        for (int x = S + 2; x < S + 18; ++x)
            white += hasColor(pages[1], x, y, F::kWhite) ? 1 : 0;
    EXPECT_EQ(white, 0) << "no symbol on the red cell";
    EXPECT_GT(inkIn(pages[0], QRect(0, 160, 900, 430)), 1000) << "the title picture shows the colour";
}
