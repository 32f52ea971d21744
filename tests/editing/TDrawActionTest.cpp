#include "DesignSnapshot.h"
#include "GestureDriver.h"
#include "editing/CellCoexistence.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "support/RecordingListener.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kGreen = 0x00FF00;
constexpr TColorRef kBlue = 0xFF0000;
} // namespace

// The standing test of every after-the-fact record: the first touch of a cell wins.
TEST(TDrawAction, GestureThatCrossedACellTwiceUndoesToTheStateBeforeTheGesture)
{
    auto d = TestDesigns::empty(3, 1, {kRed, kGreen, kBlue});
    StitchOperations ops(*d);
    ops.updatePixel(1, 0, false, kBlue);
    const DesignSnapshot before = DesignSnapshot::of(*d);

    CellCoexistence rule(ops, false);
    StrokeCapture stroke;
    d->stitch.setDrawcolor(kRed);
    rule.drawCross(0, 0, kRed, true, stroke);
    rule.drawCross(1, 0, kRed, true, stroke);
    d->stitch.setDrawcolor(kGreen);
    rule.drawCross(1, 0, kGreen, true, stroke);
    rule.drawCross(2, 0, kGreen, true, stroke);
    ASSERT_TRUE(HistoryFactories::actionDraw(*d, modDraw, stroke.cross, stroke.crossFromQuarter,
        d->stitch.BackGroundColor, stroke.quarter, d->stitch.drawcolor()));

    d->History.Undo();
    EXPECT_EQ(before.firstDifference(DesignSnapshot::of(*d)), "");
    EXPECT_EQ(d->CrossLayer.canvasPixel(1, 0), kBlue);
    EXPECT_EQ(countsAgainstRecount(*d), "");
}

TEST(TDrawAction, PenStrokeRedoWritesTheColourAndEmptiesTheQuarters)
{
    auto d = TestDesigns::empty(4, 3, {kRed, kBlue});
    StitchOperations(*d).updateQPixel(3, 3, false, kBlue);
    GestureDriver driver(*d, false);
    ASSERT_TRUE(driver.penStroke({{1, 1}, {2, 1}}, 2, kRed));
    const DesignSnapshot after = DesignSnapshot::of(*d);
    EXPECT_EQ(driver.lastStroke().cross.size(), 6);
    EXPECT_EQ(driver.lastStroke().quarter.size(), 1);

    d->History.Undo();
    EXPECT_FALSE(d->isEmptyQuarter(3, 3));
    EXPECT_EQ(d->stitch.Colors.at(kRed).colorCount, 0);
    d->History.Redo();
    EXPECT_EQ(after.firstDifference(DesignSnapshot::of(*d)), "");
    EXPECT_EQ(countsAgainstRecount(*d), "");
}

TEST(TDrawAction, UndoAndRedoWriteQuietlyAndRedrawOnce)
{
    auto d = TestDesigns::empty(2, 1, {kRed});
    GestureDriver driver(*d, false);
    ASSERT_TRUE(driver.penStroke({{0, 0}}, 1, kRed));
    RecordingListener listener;
    d->setListener(&listener);
    d->History.Undo();
    EXPECT_EQ(listener.calls,
        (QStringList{QStringLiteral("fileSaved false"), QStringLiteral("unused 0000ff"), QStringLiteral("cells 0 0 1 1"),
            QStringLiteral("counts"), QStringLiteral("history - redo")}));
}

TEST(TDrawAction, StrokeThatTouchedNothingRecordsNothing)
{
    auto d = TestDesigns::empty(2, 1, {kRed});
    GestureDriver driver(*d, false);
    EXPECT_FALSE(driver.penStroke({{5, 5}}, 1, kRed));
    EXPECT_EQ(d->History.count(), 0);
}
