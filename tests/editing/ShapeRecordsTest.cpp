// The records of the line, fill and outline tools.
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
} // namespace

TEST(TLineAction, DrawsOverQuartersAndUndoRestoresThem)
{
    auto d = TestDesigns::empty(3, 1, {kRed, kBlue});
    StitchOperations ops(*d);
    ops.updateQPixel(1, 0, false, kBlue);
    ops.updateQPixel(2, 1, false, kBlue);
    ops.updatePixel(2, 0, false, kBlue);
    const DesignSnapshot before = DesignSnapshot::of(*d);

    // A point outside the design and a repeated one: recorded once, drawn nowhere.
    HistoryFactories::actionLine(*d, {{0, 0}, {1, 0}, {1, 0}, {3, 0}, {-1, 0}}, kRed);
    const TColor32 bg = d->stitch.BackGroundColor;
    EXPECT_EQ(LayerPictures::text(d->CrossLayer, kColors, bg), "rrb");
    EXPECT_EQ(LayerPictures::text(d->QuarterLayer, kColors, bg), "......|......");
    expectUndoAndRedo(*d, before);
}

TEST(TLineAction, ALineThatChangesNothingRecordsNothing)
{
    auto d = TestDesigns::empty(3, 1, {kRed, kBlue});
    StitchOperations ops(*d);
    ops.updatePixel(0, 0, false, kRed);
    // Cells already red, and cells outside the design only.
    EXPECT_FALSE(HistoryFactories::actionLine(*d, {{0, 0}, {-1, 0}, {3, 0}}, kRed));
    EXPECT_FALSE(HistoryFactories::actionLine(*d, {}, kRed));
    EXPECT_EQ(d->History.count(), 0);
    // A quarter under a red cell still changes: it is emptied.
    ops.updateQPixel(1, 1, false, kBlue);
    EXPECT_TRUE(HistoryFactories::actionLine(*d, {{0, 0}}, kRed));
    EXPECT_EQ(d->History.count(), 1);
}

TEST(TFillAction, UndoGivesTheRegionItsOldColourAndTheQuartersTheirValues)
{
    auto d = TestDesigns::empty(3, 1, {kRed, kBlue});
    StitchOperations ops(*d);
    ops.updatePixel(2, 0, false, kBlue);
    ops.updateQPixel(0, 1, false, kBlue);
    const DesignSnapshot before = DesignSnapshot::of(*d);

    // The fill tool: the empty region (0,0)-(1,0) becomes red, the quarter under it is emptied.
    const TColor32 bg = d->stitch.BackGroundColor;
    CellCapture quarters;
    quarters.record(QPoint(0, 1), kBlue);
    ops.updateQPixel(0, 1, false, bg);
    const QList<QPoint> region{{0, 0}, {1, 0}};
    for (const QPoint& p : region)
        ops.updatePixel(p.x(), p.y(), false, kRed);
    HistoryFactories::actionFill(*d, region, bg, bg, quarters, kRed);
    expectUndoAndRedo(*d, before);
}

TEST(TOutlineAction, UndoTakesOutTheAddedStitchesFromTheLast)
{
    auto d = TestDesigns::empty(2, 2, {kRed, kBlue});
    StitchOperations ops(*d);
    ops.backStitchesAdd({QPoint(0, 0), QPoint(4, 0), kBlue, 0}, false);
    const DesignSnapshot before = DesignSnapshot::of(*d);
    QList<TBackStitch> outline;
    for (const auto& [from, to] : QList<QPair<QPoint, QPoint>>{{{0, 0}, {0, 2}}, {{0, 2}, {2, 2}}, {{2, 2}, {2, 0}}}) {
        outline.append({from, to, kRed, int(d->BackStitchList.size())});
        ops.backStitchesAdd(outline.last(), false);
    }
    HistoryFactories::actionOutline(*d, outline, kRed);
    expectUndoAndRedo(*d, before);
}
