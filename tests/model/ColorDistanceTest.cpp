#include "model/ColorDistance.h"
#include "model/PaletteLoader.h"
#include "support/TestDesigns.h"
#include "support/TestEnvironment.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <random>

namespace {
constexpr TColorRef kBlack = 0x000000;
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kGreen = 0x00FF00;
constexpr TColorRef kBlue = 0xFF0000;
constexpr TColorRef kWhite = 0xFFFFFF;

double searchRoles(TColorRef a, TColorRef b)
{
    return ColorDistance(blueOf(a), greenOf(a), redOf(a), blueOf(b), greenOf(b), redOf(b));
}

double ditherRoles(TColorRef a, TColorRef b)
{
    return ColorDistance(redOf(a), greenOf(a), blueOf(a), redOf(b), greenOf(b), blueOf(b));
}

// The recorded distance of a NearestColor call, or 0 for an exact match (which records nothing).
std::pair<TColorRef, double> plainNearest(TColorRef c, const TColorTable& table)
{
    QList<double> deltas;
    const TColorRef k = NearestColor(c, table, &deltas);
    return {k, deltas.isEmpty() ? 0.0 : deltas.last()};
}
} // namespace

TEST(ColorDistance, KnownDistancesFromBlackWithBothChannelRoles)
{
    struct Case
    {
        TColorRef color;
        double search;
        double dither;
    };
    const Case cases[] = {
        {kRed, 441.385, 403.033},
        {kBlue, 403.033, 441.385},
        {kGreen, 510.0, 510.0},
        {kWhite, 764.834, 764.834},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.color);
        EXPECT_NEAR(searchRoles(kBlack, c.color), c.search, 0.0005);
        EXPECT_NEAR(ditherRoles(kBlack, c.color), c.dither, 0.0005);
        // NearestColor uses the search roles: the distance it records says so.
        QList<double> deltas;
        EXPECT_EQ(NearestColor(c.color, TestDesigns::palette({kBlack}), &deltas), kBlack);
        ASSERT_EQ(deltas.size(), 1);
        EXPECT_NEAR(deltas[0], c.search, 0.0005);
    }
    EXPECT_EQ(ColorDistance(10, 20, 30, 10, 20, 30), 0.0);
}

TEST(ColorDistance, TiesGoToTheKeyMetFirst)
{
    // Both keys differ from c by one step of green only: exactly 2 away.
    const TColorRef c = makeColorRef(100, 100, 100);
    const TColorRef up = makeColorRef(100, 101, 100);
    const TColorRef down = makeColorRef(100, 99, 100);
    ASSERT_EQ(searchRoles(c, up), searchRoles(c, down));
    EXPECT_EQ(NearestColor(c, TestDesigns::palette({up, down})), up);
    EXPECT_EQ(NearestColor(c, TestDesigns::palette({down, up})), down);
    EXPECT_EQ(NearestColorSearch(TestDesigns::palette({up, down})).find(c), up);
    EXPECT_EQ(NearestColorSearch(TestDesigns::palette({down, up})).find(c), down);
}

TEST(ColorDistance, ExactMatchIsReturnedAndRecordsNothing)
{
    const TColorTable table = TestDesigns::palette({kWhite, kRed, kBlack});
    QList<double> deltas;
    EXPECT_EQ(NearestColor(kRed, table, &deltas), kRed);
    EXPECT_TRUE(deltas.isEmpty());
    EXPECT_EQ(NearestColor(makeColorRef(250, 0, 0), table, &deltas), kRed);
    ASSERT_EQ(deltas.size(), 1);
    EXPECT_DOUBLE_EQ(deltas[0], searchRoles(makeColorRef(250, 0, 0), kRed));
    double d = -1;
    EXPECT_EQ(NearestColorSearch(table).find(kRed, &d), kRed);
    EXPECT_EQ(d, 0.0);
}

TEST(ColorDistance, EmptyTableAnswersNoColorAndRecordsNothing)
{
    QList<double> deltas;
    EXPECT_EQ(NearestColor(kRed, TColorTable(), &deltas), kNoColor);
    EXPECT_TRUE(deltas.isEmpty());
    const NearestColorSearch search{TColorTable()};
    EXPECT_TRUE(search.empty());
    EXPECT_EQ(search.find(kRed), kNoColor);
}

TEST(NearestColorSearch, AgreesWithThePlainScanOverTheShippedPalettes)
{
    TPaletteCatalogue catalogue;
    ASSERT_TRUE(PaletteLoader::loadFolder(TestEnvironment::sourceData(QStringLiteral("palettes")), catalogue).isEmpty());
    ASSERT_FALSE(catalogue.isEmpty());
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> channel(0, 255);
    for (const auto& [key, table] : catalogue) {
        SCOPED_TRACE(key.toStdString());
        const NearestColorSearch search(table);
        std::vector<TColorRef> probes;
        for (int i = 0; i < 20000; ++i)
            probes.push_back(makeColorRef(channel(random), channel(random), channel(random)));
        for (const auto& entry : table) {
            probes.push_back(entry.first);
            probes.push_back(entry.first ^ 0x010101);
        }
        int mismatches = 0;
        for (const TColorRef c : probes) {
            const auto [want, wantDistance] = plainNearest(c, table);
            double distance = -1;
            const TColorRef got = search.find(c, &distance);
            if (got != want || distance != wantDistance)
                ++mismatches;
        }
        EXPECT_EQ(mismatches, 0);
    }
}

TEST(NearestColorSearch, AgreesWithThePlainScanOnATableFullOfTies)
{
    // A coarse lattice in shuffled order puts many keys at equal distances from lattice midpoints.
    std::vector<TColorRef> lattice;
    const int steps[] = {0, 64, 128, 192, 255};
    for (int r : steps)
        for (int g : steps)
            for (int b : steps)
                lattice.push_back(makeColorRef(r, g, b));
    std::mt19937 random(7);
    std::shuffle(lattice.begin(), lattice.end(), random);
    const TColorTable table = TestDesigns::palette(QList<TColorRef>(lattice.begin(), lattice.end()));
    const NearestColorSearch search(table);
    const int probes[] = {0, 32, 64, 96, 128, 160, 192, 224, 255};
    int mismatches = 0;
    for (int r : probes)
        for (int g : probes)
            for (int b : probes) {
                const TColorRef c = makeColorRef(r, g, b);
                const auto [want, wantDistance] = plainNearest(c, table);
                double distance = -1;
                if (search.find(c, &distance) != want || distance != wantDistance)
                    ++mismatches;
            }
    EXPECT_EQ(mismatches, 0);
}
