#include "conversion/ConversionPictures.h"
#include "conversion/ConversionProgress.h"
#include "conversion/Dithering.h"
#include "conversion/PaletteMatching.h"
#include "model/ColorDistance.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>
#include <climits>

using namespace ConversionPictures;
using Rows = std::vector<std::vector<int>>;

namespace {
// Three greys inside the gap of gapPalette: (0,0) 140 goes to 161 (error -21), (1,1) 110 to 99
// (+11, less what reaches it first) and (3,2) 150 to 161 (-11). Every other cell is matched
// exactly, so it shows the sum of the shares it received. The last column and row receive none.
const Rows kSources = {
    {140, 40, 40, 40, 40, 40},
    {40, 110, 40, 40, 40, 40},
    {40, 40, 40, 150, 40, 40},
    {40, 40, 40, 40, 40, 40},
};

struct KernelCase
{
    const char* name;
    DitherMethod method;
    Rows expected;
};

// Worked by hand, shares truncated toward zero. Floyd-Steinberg, for example: (0,0) sends
// -21*7/16 = -9 right (40 -> 31; flooring would give -10), -21*5/16 = -6 down (34) and
// -21*1/16 = -1 to (1,1), which then holds 109 and sends +10: 70/16 = 4 right (44), 30/16 = 1
// down-left (41), 50/16 = 3 down (43), 10/16 = 0 down-right. (3,2) sends -77/16 = -4 right
// (36) and nothing into the last row.
const KernelCase kKernelCases[] = {
    {"FloydSteinberg", DitherMethod::FloydSteinberg,
        {{161, 31, 40, 40, 40, 40}, {34, 99, 44, 40, 40, 40}, {41, 43, 40, 161, 36, 40}, {40, 40, 40, 40, 40, 40}}},
    // (0,0): -147/48 = -3, -105/48 = -2; row below -3, -2, -1; two rows below -2, -1, 0.
    // (1,1) holds 108 and sends +9: 63/48 = 1 right and straight down, all else 0.
    {"JarvisJudiceNinke", DitherMethod::JarvisJudiceNinke,
        {{161, 37, 38, 40, 40, 40}, {37, 99, 40, 40, 40, 40}, {38, 40, 40, 161, 39, 40}, {40, 40, 40, 40, 40, 40}}},
    // (0,0): -168/42 = -4, -84/42 = -2; row below -4, -2, -1; two rows below -2, -1, 0.
    // (1,1) holds 108 and sends +9: 72/42 = 1 right and straight down. (3,2): -88/42 = -2.
    {"Stucki", DitherMethod::Stucki,
        {{161, 36, 38, 40, 40, 40}, {36, 99, 40, 40, 40, 40}, {38, 40, 40, 161, 38, 40}, {40, 40, 40, 40, 40, 40}}},
    // (0,0): -42/4 = -10 right, -21/4 = -5 down. (1,1) untouched, +11: 22/4 = 5 right,
    // 11/4 = 2 down-left and down. (3,2): -22/4 = -5 right.
    {"SierraLite", DitherMethod::SierraLite,
        {{161, 30, 40, 40, 40, 40}, {35, 99, 45, 40, 40, 40}, {42, 42, 40, 161, 35, 40}, {40, 40, 40, 40, 40, 40}}},
};

class RecordingProgress : public ConversionProgress
{
public:
    void begin(int steps) override { events.push_back(-steps); }
    bool advance() override
    {
        events.push_back(++advanced);
        return advanced < cancelAfter;
    }
    std::vector<int> events; // begin(n) as -n, each advance as its running number
    int advanced = 0;
    int cancelAfter = 1000;
};
} // namespace

class DitherKernelTest : public ::testing::TestWithParam<KernelCase>
{
};

TEST_P(DitherKernelTest, DiffusesTruncatedSharesCellByCell)
{
    TBitmap32 bitmap = greys(kSources);
    ASSERT_TRUE(Dithering::DitherBitmap(bitmap, gapPalette(), GetParam().method, 0.0));
    EXPECT_EQ(greysOf(bitmap), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(EveryKernel, DitherKernelTest, ::testing::ValuesIn(kKernelCases),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DitheringTest, KernelsHaveTheirDivisorsAndWeightSums)
{
    const std::pair<DitherMethod, int> divisors[] = {{DitherMethod::FloydSteinberg, 16},
        {DitherMethod::JarvisJudiceNinke, 48}, {DitherMethod::Stucki, 42}, {DitherMethod::SierraLite, 4}};
    for (const auto& [method, divisor] : divisors) {
        const DitherKernel& k = DitherKernel::of(method);
        int sum = 0;
        for (const auto& tap : k.taps) {
            sum += tap.weight;
            EXPECT_TRUE(tap.dy > 0 || tap.dx > 0) << "a share may only go to pixels not yet visited";
        }
        EXPECT_EQ(k.divisor, divisor);
        EXPECT_EQ(sum, divisor) << "the whole error is shared out";
    }
    EXPECT_TRUE(DitherKernel::of(DitherMethod::None).taps.empty());
}

TEST(DitheringTest, LevelFollowsTheSliderFromMaximumToZero)
{
    EXPECT_DOUBLE_EQ(Dithering::levelFromPosition(50, 50.0), 25.0);
    EXPECT_DOUBLE_EQ(Dithering::levelFromPosition(0, 37.5), 37.5);
    EXPECT_DOUBLE_EQ(Dithering::levelFromPosition(100, 37.5), 0.0);
}

// Level 25: the threshold is 1.2 x 25 = 30. The first pixel is mapped to black; its green-only
// distance is 2 x its green. The second pixel, (127, 125, 127), is black as it is and white
// with 7 more green (16 x 7 / 16).
TEST(DitheringTest, ThresholdDiffusesOnlyAboveOnePointTwoTimesTheLevel)
{
    const struct
    {
        int green;
        TColorRef second;
    } cases[] = {{15, grey(0)}, {16, grey(255)}};
    for (const auto& c : cases) {
        TBitmap32 bitmap = picture({{makeColorRef(0, c.green, 0), makeColorRef(127, 125, 127), grey(0)},
            {grey(0), grey(0), grey(0)}});
        const double level = Dithering::levelFromPosition(50, 50.0);
        EXPECT_DOUBLE_EQ(ColorDistance(0, c.green, 0, 0, 0, 0), 2.0 * c.green);
        Dithering::DitherBitmap(bitmap, greyPalette({0, 255}), DitherMethod::FloydSteinberg, level);
        EXPECT_EQ(bitmap.canvasPixel(1, 0), c.second) << "green " << c.green;
    }
}

TEST(DitheringTest, ClampsChannelsAtTheNeighbour)
{
    // 140 goes to 161 and sends -9 right: 5 - 9 clamps at 0. 120 goes to 99 and sends +9 right:
    // 250 + 9 clamps at 255. Only the right neighbour is served: the row below is the last.
    TBitmap32 bitmap = greys({{140, 5, 120, 250, 40}, {40, 40, 40, 40, 40}});
    Dithering::DitherBitmap(bitmap, gapPalette(), DitherMethod::FloydSteinberg, 0.0);
    EXPECT_EQ(greysOf(bitmap)[0], (std::vector<int>{161, 0, 99, 255, 40}));
}

TEST(DitheringTest, SinglePixelIsMappedAndNothingElseHappens)
{
    TBitmap32 bitmap = greys({{140}});
    RecordingProgress progress;
    ASSERT_TRUE(Dithering::DitherBitmap(bitmap, gapPalette(), DitherMethod::Stucki, 0.0, &progress));
    EXPECT_EQ(greysOf(bitmap), Rows{{161}});
    EXPECT_EQ(progress.events, std::vector<int>{-1});
}

TEST(DitheringTest, ReportsEveryTenRowsAndCancels)
{
    TBitmap32 bitmap = greys(Rows(25, std::vector<int>(3, 140)));
    const TBitmap32 before = bitmap;
    RecordingProgress progress;
    ASSERT_TRUE(Dithering::DitherBitmap(bitmap, gapPalette(), DitherMethod::FloydSteinberg, 0.0, &progress));
    EXPECT_EQ(progress.events, (std::vector<int>{-3, 1, 2})) << "three steps, advanced at rows 10 and 20";

    TBitmap32 cancelled = before;
    RecordingProgress stop;
    stop.cancelAfter = 1;
    EXPECT_FALSE(Dithering::DitherBitmap(cancelled, gapPalette(), DitherMethod::FloydSteinberg, 0.0, &stop));
    EXPECT_TRUE(cancelled == before) << "a cancelled pass leaves the picture as it was";
}

TEST(DitheringTest, FillPaletteDicCountsPixelsAndGivesStrangersToTheirNearestKey)
{
    TColorTable map = greyPalette({0, 100, 200});
    Dithering::FillPaletteDic(greys({{0, 100, 100}, {90, 200, 0}}), map);
    EXPECT_EQ(map.at(grey(0)).colorCount, 2);
    EXPECT_EQ(map.at(grey(100)).colorCount, 3) << "90 counts for 100";
    EXPECT_EQ(map.at(grey(200)).colorCount, 1);
    EXPECT_EQ(map.size(), 3);
}

namespace {
// A picture with many colours, matched to a palette as the palette page does before a recomputation.
struct Matched
{
    QList<double> deltas;
    PaletteMatching matching{deltas};
    TBitmap32 resized;
    TBitmap32 plain;
};

void matchGradient(Matched& m, const TColorTable& palette, int symbols = 500)
{
    std::vector<std::vector<TColorRef>> rows;
    for (int y = 0; y < 14; ++y) {
        rows.emplace_back();
        for (int x = 0; x < 17; ++x)
            rows.back().push_back(makeColorRef(15 * x, 18 * y, (37 * x + 23 * y) % 256));
    }
    m.resized = picture(rows);
    m.matching.loadUsedColors(m.resized);
    m.matching.setPalette(palette);
    m.matching.paletteChange(m.resized, symbols, m.plain);
}

TColorTable colourPalette()
{
    QList<TColorRef> colors;
    for (int r = 0; r < 256; r += 51) {
        for (int g = 0; g < 256; g += 85) {
            for (int b = 0; b < 256; b += 128)
                colors << makeColorRef(r, g, b);
        }
    }
    return TestDesigns::palette(colors);
}
} // namespace

TEST(DitheringTest, SliderAtZeroGivesThePlainNearestColourMapping)
{
    Matched m;
    matchGradient(m, colourPalette());
    ASSERT_GT(m.matching.MaxLevelDithering, 0);
    const double level = Dithering::levelFromPosition(0, m.matching.MaxLevelDithering);
    for (DitherMethod method : {DitherMethod::FloydSteinberg, DitherMethod::JarvisJudiceNinke, DitherMethod::Stucki,
             DitherMethod::SierraLite}) {
        TBitmap32 result;
        ASSERT_TRUE(Dithering::recompute(m.matching, m.resized, m.matching.MaxColorsPossible, method, level, result));
        EXPECT_TRUE(result == m.plain) << "method " << int(method);
    }
}

TEST(DitheringTest, FullPassOnlyWhenTheMaximumIsWhatStepFourProposes)
{
    Matched m;
    matchGradient(m, colourPalette());
    const int possible = m.matching.MaxColorsPossible;
    TBitmap32 full;
    ASSERT_TRUE(Dithering::recompute(m.matching, m.resized, possible, DitherMethod::FloydSteinberg, 0.0, full));
    TBitmap32 single = m.resized;
    Dithering::DitherBitmap(single, m.matching.palette(), DitherMethod::FloydSteinberg, 0.0);
    EXPECT_TRUE(full == single) << "N = MaxColorsPossible: the result is the full-palette pass";

    int previous = INT_MAX;
    for (const auto& [color, info] : m.matching.ReducedPaletteDic) {
        EXPECT_GT(info.colorCount, 0);
        EXPECT_LE(info.colorCount, previous) << "the colours of the result, most used first";
        previous = info.colorCount;
    }
    EXPECT_EQ(m.matching.ReducedPaletteDic.size(), PaletteMatching::colorsWithPixels(m.matching.PaletteDic));
}

TEST(DitheringTest, ReducedPassKeepsTheMostUsedColoursOfTheFullPass)
{
    Matched m;
    matchGradient(m, colourPalette());
    const int N = 5;
    ASSERT_LT(N, m.matching.MaxColorsPossible);
    TBitmap32 result;
    ASSERT_TRUE(Dithering::recompute(m.matching, m.resized, N, DitherMethod::Stucki, 0.0, result));

    const TColorTable expectedKept = PaletteMatching::mostUsed(m.matching.PaletteDic, N);
    ASSERT_EQ(m.matching.ReducedPaletteDic.keys(), expectedKept.keys());
    int cells = 0;
    for (const auto& row : colorsOf(result)) {
        for (TColorRef c : row)
            EXPECT_TRUE(m.matching.ReducedPaletteDic.contains(c));
        cells += int(row.size());
    }
    int counted = 0;
    for (const auto& [color, info] : m.matching.ReducedPaletteDic)
        counted += info.colorCount;
    EXPECT_EQ(counted, cells) << "ReducedPaletteDic holds the counts of the reduced pass";
}

TEST(DitheringTest, CancelledRecomputationChangesNothing)
{
    Matched m;
    TBitmap32 tall = greys(Rows(30, std::vector<int>(4, 140)));
    m.matching.loadUsedColors(tall);
    m.matching.setPalette(gapPalette());
    m.matching.paletteChange(tall, 500, m.plain);
    const TColorTable paletteBefore = m.matching.PaletteDic;
    TBitmap32 result = m.plain;
    RecordingProgress stop;
    stop.cancelAfter = 1;
    EXPECT_FALSE(Dithering::recompute(m.matching, tall, 1, DitherMethod::FloydSteinberg, 0.0, result, &stop));
    EXPECT_TRUE(result == m.plain);
    EXPECT_EQ(m.matching.PaletteDic, paletteBefore);
}

// A symbol set without characters makes MaxColorsPossible 0 and the chosen maximum 1; a
// full pass that uses fewer colours than N stops the selection at the colours it has.
TEST(DitheringTest, NeverDrawsTheNoColourValue)
{
    const struct
    {
        const char* name;
        int symbols;
        int typed;
        int stalePossible; // MaxColorsPossible left from a larger picture; 0: as matched
    } cases[] = {{"symbol set without characters", 0, 500, 0}, {"maximum 0", 500, 0, 0},
        {"maximum above the colours used", 500, 300, 400}};
    for (const auto& c : cases) {
        Matched m;
        matchGradient(m, colourPalette(), c.symbols);
        if (c.stalePossible > 0)
            m.matching.MaxColorsPossible = c.stalePossible;
        const int N = m.matching.chooseMaxColors(c.typed, 500);
        TBitmap32 result;
        ASSERT_TRUE(Dithering::recompute(m.matching, m.resized, N, DitherMethod::FloydSteinberg, 0.0, result));
        EXPECT_FALSE(m.matching.ReducedPaletteDic.contains(kNoColor)) << c.name;
        EXPECT_LE(m.matching.ReducedPaletteDic.size(), N) << c.name;
        for (const auto& row : colorsOf(result)) {
            for (TColorRef color : row)
                ASSERT_TRUE(m.matching.ReducedPaletteDic.contains(color)) << c.name;
        }
    }
}
