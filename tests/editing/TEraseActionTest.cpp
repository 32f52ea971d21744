#include "DesignSnapshot.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kBlue = 0xFF0000;

TRhodeRef rhodeAt(int x, TColorRef color, int index)
{
    auto r = std::make_shared<TRhode>();
    r->color = color;
    r->index = index;
    r->stitches = {{QPoint(x, 0), QPoint(x + 2, 2), 0, 0}, {QPoint(x + 2, 0), QPoint(x, 2), 0, 0}};
    return r;
}

// A design with two of everything; the Index fields deliberately differ from the positions.
std::unique_ptr<Design> busyDesign()
{
    auto d = TestDesigns::empty(4, 2, {kRed, kBlue});
    StitchOperations ops(*d);
    ops.updatePixel(0, 0, false, kRed);
    ops.updatePixel(1, 0, false, kBlue);
    ops.updateQPixel(4, 2, false, kBlue);
    ops.backStitchesAdd({QPoint(0, 0), QPoint(2, 0), kRed, 7}, false);
    ops.backStitchesAdd({QPoint(0, 2), QPoint(4, 2), kBlue, 9}, false);
    ops.frenchKnotAdd({QPoint(1, 1), kRed, 4}, false);
    ops.frenchKnotAdd({QPoint(3, 1), kBlue, 5}, false);
    ops.RhodeAdd(rhodeAt(0, kRed, 6), false);
    ops.RhodeAdd(rhodeAt(4, kBlue, 8), false);
    return d;
}
} // namespace

TEST(TEraseAction, UndoPutsBackTheVeryItemsAtTheirPositions)
{
    auto d = busyDesign();
    const DesignSnapshot before = DesignSnapshot::of(*d);
    const TRhode* firstRhode = d->RhodeList[0].get();
    StitchOperations ops(*d);
    const TColor32 bg = d->stitch.BackGroundColor;

    // The eraser's gesture: two cells (one already empty), a quarter, and list items.
    CellCapture cross;
    CellCapture quarters;
    for (const QPoint& p : {QPoint(1, 0), QPoint(2, 0)}) {
        cross.record(p, ops.cellValue(p.x(), p.y()));
        ops.updatePixel(p.x(), p.y(), false, bg);
    }
    quarters.record(QPoint(4, 2), ops.quarterValue(4, 2));
    ops.updateQPixel(4, 2, false, bg);
    QList<RemovedItem<TBackStitch>> backs;
    backs.append({1, ops.backStitchesDelete(1, true)});
    backs.append({0, ops.backStitchesDelete(0, true)});
    QList<RemovedItem<TRhodeRef>> rhodes;
    rhodes.append({0, ops.RhodeDelete(0, true)});
    QList<RemovedItem<TFrenchKnot>> knots;
    knots.append({1, ops.frenchKnotDelete(1, true)});
    ASSERT_TRUE(HistoryFactories::actionErase(*d, cross, quarters, bg, knots, rhodes, backs));
    rhodes.clear(); // the tool lets go of its list; the record keeps the rhode alive
    const DesignSnapshot after = DesignSnapshot::of(*d);
    EXPECT_EQ(countsAgainstRecount(*d), "");

    d->History.Undo();
    EXPECT_EQ(before.firstDifference(DesignSnapshot::of(*d)), "");
    EXPECT_EQ(d->RhodeList[0].get(), firstRhode);
    d->History.Redo();
    EXPECT_EQ(after.firstDifference(DesignSnapshot::of(*d)), "");
    d->History.Undo();
    EXPECT_EQ(before.firstDifference(DesignSnapshot::of(*d)), "");
    EXPECT_EQ(countsAgainstRecount(*d), "");
}

TEST(TEraseAction, TheRecordReleasesTheRhodesItKeeps)
{
    auto d = busyDesign();
    StitchOperations ops(*d);
    std::weak_ptr<TRhode> watch = d->RhodeList[1];
    QList<RemovedItem<TRhodeRef>> rhodes{{1, ops.RhodeDelete(1, true)}};
    ASSERT_TRUE(HistoryFactories::actionErase(*d, {}, {}, d->stitch.BackGroundColor, {}, rhodes, {}));
    rhodes.clear();
    EXPECT_FALSE(watch.expired());
    d->History.Reset();
    EXPECT_TRUE(watch.expired());
}

TEST(TEraseAction, GestureThatErasedNothingRecordsNothing)
{
    auto d = busyDesign();
    EXPECT_FALSE(HistoryFactories::actionErase(*d, {}, {}, d->stitch.BackGroundColor, {}, {}, {}));
    EXPECT_EQ(d->History.count(), 0);
}
