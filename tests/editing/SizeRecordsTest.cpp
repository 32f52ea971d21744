// The records that change the design's size: row and column insertion, and new dimensions.
#include "DesignSnapshot.h"
#include "LayerPictures.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kBlue = 0xFF0000;
const LayerPictures::Colors kColors = {{'r', kRed}, {'b', kBlue}};

// A rhode whose points span half-cell x from `left` to left + 2 and y from 1 to 3.
TRhodeRef rhodeAt(int left, TColorRef color)
{
    auto rhode = std::make_shared<TRhode>();
    rhode->width = rhode->height = 1;
    rhode->color = color;
    rhode->stitches = {{QPoint(left, 1), QPoint(left + 2, 3), color, 0}, {QPoint(left + 2, 1), QPoint(left, 3), color, 1}};
    return rhode;
}

// A 3 x 2 design "rb." / ".r." with a quarter in cell (2, 1) and three back stitches: one on
// the left edge of column 1 (and on the top edge of row 0), one across that line, one beyond
// it. Only end points beyond the insertion line move. Two knots, one on the line between
// columns 0 and 1, and two rhodes: the first's box centre lies on that line, the second's
// beyond it.
std::unique_ptr<Design> smallDesign()
{
    auto d = TestDesigns::empty(3, 2, {kRed, kBlue});
    StitchOperations ops(*d);
    ops.updatePixel(0, 0, false, kRed);
    ops.updatePixel(1, 0, false, kBlue);
    ops.updatePixel(1, 1, false, kRed);
    ops.updateQPixel(5, 3, false, kBlue);
    ops.backStitchesAdd({QPoint(0, 0), QPoint(2, 0), kRed, 0}, false);
    ops.backStitchesAdd({QPoint(1, 1), QPoint(4, 1), kBlue, 1}, false);
    ops.backStitchesAdd({QPoint(4, 4), QPoint(6, 4), kBlue, 2}, false);
    ops.frenchKnotAdd({QPoint(5, 3), kRed, 0}, false);
    ops.frenchKnotAdd({QPoint(2, 2), kBlue, 1}, false);
    ops.RhodeAdd(rhodeAt(1, kRed), false);
    ops.RhodeAdd(rhodeAt(2, kBlue), false);
    return d;
}

std::string cross(const Design& d)
{
    return LayerPictures::text(d.CrossLayer, kColors, d.stitch.BackGroundColor);
}
} // namespace

TEST(TInsertAction, InsertsEmptyLinesAndMovesWhatLiesBeyond)
{
    struct Case
    {
        const char* name;
        int position;
        TInsertType type;
        int count;
        std::string crossAfter;
        QList<QPair<QPoint, QPoint>> stitchesAfter;
        QList<QPoint> knotsAfter;
        QList<QPoint> rhodeCornersAfter; // each rhode's first stitch's first point
    };
    const Case cases[] = {
        {"two columns at column 1", 1, itColumn, 2, "r..b.|...r.",
            {{{0, 0}, {2, 0}}, {{1, 1}, {8, 1}}, {{8, 4}, {10, 4}}}, {{9, 3}, {2, 2}}, {{1, 1}, {6, 1}}},
        {"two rows at row 0", 0, itRow, 2, "...|...|rb.|.r.",
            {{{0, 0}, {2, 0}}, {{1, 5}, {4, 5}}, {{4, 8}, {6, 8}}}, {{5, 7}, {2, 6}}, {{1, 5}, {2, 5}}},
        {"a column beyond the design appends", 7, itColumn, 1, "rb..|.r..",
            {{{0, 0}, {2, 0}}, {{1, 1}, {4, 1}}, {{4, 4}, {6, 4}}}, {{5, 3}, {2, 2}}, {{1, 1}, {2, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = smallDesign();
        const DesignSnapshot before = DesignSnapshot::of(*d);
        ASSERT_TRUE(HistoryFactories::actionInsert(*d, c.position, c.type, c.count));
        EXPECT_EQ(cross(*d), c.crossAfter);
        for (qsizetype i = 0; i < c.stitchesAfter.size(); ++i) {
            EXPECT_EQ(d->BackStitchList[i].FromPoint, c.stitchesAfter[i].first);
            EXPECT_EQ(d->BackStitchList[i].ToPoint, c.stitchesAfter[i].second);
        }
        for (qsizetype i = 0; i < c.knotsAfter.size(); ++i)
            EXPECT_EQ(d->FrenchKnotList[i].Center, c.knotsAfter[i]);
        for (qsizetype i = 0; i < c.rhodeCornersAfter.size(); ++i) {
            const TRhode& r = *d->RhodeList[i];
            EXPECT_EQ(r.stitches[0].FromPoint, c.rhodeCornersAfter[i]);
            EXPECT_EQ(r.stitches[1].ToPoint - r.stitches[1].FromPoint, QPoint(-2, 2)) << "the shape is kept";
        }
        EXPECT_EQ(countsAgainstRecount(*d), "");
        expectUndoAndRedo(*d, before);
    }
}

TEST(TInsertAction, SizeBeyondTheLimitsInsertsNothing)
{
    auto d = smallDesign();
    EXPECT_FALSE(HistoryFactories::actionInsert(*d, 0, itColumn, 32767));
    EXPECT_FALSE(HistoryFactories::actionInsert(*d, 0, itRow, 0));
    EXPECT_EQ(d->History.count(), 0);
    EXPECT_EQ(d->width(), 3);
}

TEST(TChangeDimensionsAction, CutsOffBeyondTheNewSizeAndUndoRestoresIt)
{
    struct Case
    {
        const char* name;
        int width;
        int height;
        std::string crossAfter;
        int backStitchesAfter;
        int knotsAfter;
        int rhodesAfter;
    };
    const Case cases[] = {
        {"narrower", 1, 2, "r|.", 1, 1, 0},
        {"lower", 3, 1, "rb.", 2, 1, 0},
        {"larger", 4, 3, "rb..|.r..|....", 3, 2, 2},
        {"narrower and higher", 2, 3, "rb|.r|..", 2, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = smallDesign();
        const DesignSnapshot before = DesignSnapshot::of(*d);
        ASSERT_TRUE(HistoryFactories::actionChangeDimensions(*d, c.width, c.height));
        EXPECT_EQ(cross(*d), c.crossAfter);
        EXPECT_EQ(d->QuarterLayer.width(), 2 * c.width);
        EXPECT_EQ(d->BackStitchList.size(), c.backStitchesAfter);
        EXPECT_EQ(d->FrenchKnotList.size(), c.knotsAfter);
        EXPECT_EQ(d->RhodeList.size(), c.rhodesAfter);
        EXPECT_EQ(countsAgainstRecount(*d), "");
        expectUndoAndRedo(*d, before);
    }
}

TEST(TChangeDimensionsAction, TheSameOrAForbiddenSizeChangesNothing)
{
    auto d = smallDesign();
    EXPECT_FALSE(HistoryFactories::actionChangeDimensions(*d, 3, 2));
    EXPECT_FALSE(HistoryFactories::actionChangeDimensions(*d, 0, 2));
    EXPECT_FALSE(HistoryFactories::actionChangeDimensions(*d, 5000, 5000));
    EXPECT_EQ(d->History.count(), 0);
}
