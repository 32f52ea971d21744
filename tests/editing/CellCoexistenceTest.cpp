#include "DesignSnapshot.h"
#include "GestureDriver.h"
#include "LayerPictures.h"
#include "editing/StitchOperations.h"
#include "model/ColorUsage.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kBlue = 0xFF0000;
const LayerPictures::Colors kColors = {{'r', kRed}, {'b', kBlue}};

enum class Tool { Pen, QuarterPen };

struct StrokeCase
{
    const char* name;
    bool allow;
    QStringList crossBefore;   // 2 x 1 cells
    QStringList quarterBefore; // 4 x 2 quarters
    Tool tool;
    QList<QPoint> centres;
    int size;
    QStringList crossAfter;
    QStringList quarterAfter;
};

// A 2 x 1 design with the pictured stitches, counted as the primitives count.
std::unique_ptr<Design> designOf(const StrokeCase& c)
{
    auto d = TestDesigns::empty(2, 1, {kRed, kBlue});
    LayerPictures::paint(d->CrossLayer, c.crossBefore, kColors, d->stitch.BackGroundColor);
    LayerPictures::paint(d->QuarterLayer, c.quarterBefore, kColors, d->stitch.BackGroundColor);
    ColorUsage::CalcColorUsage(*d);
    return d;
}
} // namespace

TEST(CellCoexistence, StrokesFollowTheRuleAndUndoRedoRestoreBothStates)
{
    const StrokeCase cases[] = {
        {"pen empties the quarters of its cell", false, {".."}, {"b..b", "b..."}, Tool::Pen, {{0, 0}}, 1,
            {"r."}, {"...b", "...."}},
        {"pen over quarters when allowed", true, {".."}, {"b..b", "b..."}, Tool::Pen, {{0, 0}}, 1, {"r."},
            {"b..b", "b..."}},
        {"quarter empties the full stitch of its cell", false, {"bb"}, {"....", "...."}, Tool::QuarterPen,
            {{1, 0}}, 1, {".b"}, {".r..", "...."}},
        {"quarter beside a full stitch when allowed", true, {"b."}, {"....", "...."}, Tool::QuarterPen, {{1, 0}},
            1, {"b."}, {".r..", "...."}},
        {"four quarters of one stroke merge", false, {".."}, {"....", "...."}, Tool::QuarterPen,
            {{0, 0}, {1, 0}, {0, 1}, {1, 1}}, 1, {"r."}, {"....", "...."}},
        {"pen size 2 on the quarter grid merges a cell", false, {".."}, {"....", "...."}, Tool::QuarterPen,
            {{2, 0}}, 2, {".r"}, {"....", "...."}},
        {"quarters from before the stroke take part in the merge", false, {".."}, {"rr..", "r..."},
            Tool::QuarterPen, {{1, 1}}, 1, {"r."}, {"....", "...."}},
        {"quarters the stroke overwrote take part in the merge", false, {".."}, {"bb.b", "bb.."},
            Tool::QuarterPen, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}, 1, {"r."}, {"...b", "...."}},
        {"merge over a full stitch when allowed", true, {"bb"}, {"rr..", "r..."}, Tool::QuarterPen, {{1, 1}}, 1,
            {"rb"}, {"....", "...."}},
        {"merge after the stroke emptied a full stitch", false, {"b."}, {"....", "...."}, Tool::QuarterPen,
            {{0, 0}, {1, 0}, {0, 1}, {1, 1}}, 1, {"r."}, {"....", "...."}},
        {"the stroke continues after a merge", false, {".."}, {"....", "...."}, Tool::QuarterPen,
            {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {1, 0}, {2, 1}}, 1, {"r."}, {"....", "..r."}},
    };
    for (const StrokeCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = designOf(c);
        const DesignSnapshot before = DesignSnapshot::of(*d);
        GestureDriver driver(*d, c.allow);
        if (c.tool == Tool::Pen)
            ASSERT_TRUE(driver.penStroke(c.centres, c.size, kRed));
        else
            ASSERT_TRUE(driver.quarterStroke(c.centres, c.size, kRed));
        const TColor32 bg = d->stitch.BackGroundColor;
        EXPECT_EQ(LayerPictures::text(d->CrossLayer, kColors, bg), LayerPictures::text(c.crossAfter));
        EXPECT_EQ(LayerPictures::text(d->QuarterLayer, kColors, bg), LayerPictures::text(c.quarterAfter));
        expectUndoAndRedo(*d, before);
        d->History.Undo();
        EXPECT_EQ(before.firstDifference(DesignSnapshot::of(*d)), "");
    }
}

TEST(CellCoexistence, TheBackgroundValueNeverMerges)
{
    auto d = TestDesigns::empty(1, 1, {kRed});
    StitchOperations ops(*d);
    ops.updatePixel(0, 0, false, kRed);
    StrokeCapture stroke;
    CellCoexistence rule(ops, true);
    EXPECT_FALSE(rule.mergeQuarters(0, 0, d->stitch.BackGroundColor, false, stroke));
    EXPECT_FALSE(d->isEmptyCell(0, 0));
    EXPECT_TRUE(stroke.isEmpty());
}

TEST(CellCoexistence, EmptiedValuesAreRecordedOnceWithTheirFirstValue)
{
    auto d = TestDesigns::empty(1, 1, {kRed, kBlue});
    StitchOperations ops(*d);
    ops.updateQPixel(1, 1, false, kBlue);
    StrokeCapture stroke;
    CellCoexistence rule(ops, false);
    rule.drawCross(0, 0, kRed, false, stroke);
    ops.updateQPixel(1, 1, false, kRed);
    rule.drawCross(0, 0, kBlue, false, stroke);
    EXPECT_EQ(stroke.quarter.size(), 1);
    EXPECT_EQ(stroke.quarter.value(QPoint(1, 1)), std::optional<quint32>(kBlue));
    EXPECT_EQ(stroke.cross.value(QPoint(0, 0)), std::optional<quint32>(d->stitch.BackGroundColor));
    EXPECT_TRUE(d->isEmptyQuarter(1, 1));
}
