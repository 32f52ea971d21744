// The freehand tools: pen, quarter pen, eraser and the cursor tool's drag, driven with grid
// positions. Every stroke is checked as pictures of both layers, then undone to the state before
// it and redone to the state after it.
#include "ToolRig.h"
#include "editing/DesignSnapshot.h"
#include "editing/StitchOperations.h"
#include "editing/tools/EraserTool.h"
#include "editing/tools/PanTool.h"
#include "editing/tools/PenFootprint.h"
#include "editing/tools/PenTool.h"
#include "editing/tools/QuarterPenTool.h"
#include <gtest/gtest.h>

namespace {
using Pointers = QList<ToolPointer>;

// One stroke of a pen tool on a small design, as pictures of both layers before and after.
struct StrokeCase
{
    const char* name;
    QStringList cells;
    QStringList quarters;
    int penSize;
    bool allowQuarterOverCross;
    QList<QPoint> path; // press, moves, release, in the tool's grid
    QStringList cellsAfter;
    QStringList quartersAfter; // empty: not checked
};

// Draws the case's stroke with `pen`, the path mapped to pointers by `pointerAt`, and checks the
// pictures, that the stroke is one record, and that undo and redo restore both states.
template <typename PointerAt>
void expectStroke(const StrokeCase& c, Tool& pen, PointerAt pointerAt)
{
    SCOPED_TRACE(c.name);
    ToolRig rig(c.cells, c.quarters);
    rig.design().stitch.setPensize(c.penSize);
    rig.allowQuarterOverCross = c.allowQuarterOverCross;
    const DesignSnapshot before = DesignSnapshot::of(rig.design());
    Pointers path;
    for (const QPoint& p : c.path)
        path << pointerAt(rig, p);
    rig.drag(pen, path);
    EXPECT_EQ(rig.cells(), c.cellsAfter);
    if (!c.quartersAfter.isEmpty())
        EXPECT_EQ(rig.quarters(), c.quartersAfter);
    ASSERT_EQ(rig.records(), 1) << "one stroke, one record";
    expectUndoAndRedo(rig.design(), before);
}

QStringList footprintPicture(int size)
{
    QStringList rows(5, QStringLiteral("....."));
    for (const QPoint& p : PenFootprint::around(QPoint(2, 2), size))
        rows[p.y()][p.x()] = QLatin1Char('#');
    return rows;
}
} // namespace

TEST(PenFootprint, SizesOneToFourAroundTheCentre)
{
    struct Case
    {
        int size;
        QStringList picture;
    };
    const std::vector<Case> cases = {
        {1, {".....", ".....", "..#..", ".....", "....."}},
        {2, {".....", ".....", "..##.", "..##.", "....."}},
        {3, {".....", "..#..", ".###.", "..#..", "....."}},
        {4, {".....", "..##.", ".####", ".####", "..##."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        EXPECT_EQ(footprintPicture(c.size), c.picture);
    }
    EXPECT_EQ(PenFootprint::around(QPoint(2, 2), 4).size(), 12);
    EXPECT_EQ(PenFootprint::around(QPoint(0, 0), 3).first(), QPoint(0, -1)) << "row by row from the top";
}

TEST(PenTool, StrokesByPenSizeEdgeAndCoexistence)
{
    const QStringList noQuarters = {"......", "......", "......", "......"};
    const std::vector<StrokeCase> cases = {
        {"size 1 draws the cell under the pointer", {"...", ".b."}, {}, 1, false, {{1, 1}}, {"...", ".r."}, {}},
        {"size 2 reaches right and down", {"...", "...", "..."}, {}, 2, false, {{1, 1}}, {"...", ".rr", ".rr"}, {}},
        {"size 3 is a plus", {"...", "...", "..."}, {}, 3, false, {{1, 1}}, {".r.", "rrr", ".r."}, {}},
        {"size 4 is a block without corners", {"....", "....", "....", "...."}, {}, 4, false, {{1, 1}},
            {".rr.", "rrrr", "rrrr", ".rr."}, {}},
        {"a drag draws every footprint on its way", {"....", "....", "...."}, {}, 1, false,
            {{0, 0}, {1, 0}, {1, 1}, {2, 2}}, {"rr..", ".r..", "..r."}, {}},
        {"dragged along just past the edge, the part inside still draws", {"...", "...", "..."}, {}, 3, false,
            {{-1, 0}, {-1, 2}}, {"...", "r..", "r.."}, {}},
        {"a fast drag covers every cell between two pointer positions", {"...........", "..........."}, {}, 1,
            false, {{0, 0}, {10, 0}}, {"rrrrrrrrrrr", "..........."}, {}},
        {"a steep fast drag steps one cell per row", {"..", "..", "..", ".."}, {}, 1, false, {{0, 0}, {1, 3}},
            {"r.", "r.", ".r", ".r"}, {}},
        {"a press outside draws nothing, a drag inside from there does", {"...", "..."}, {}, 1, false,
            {{-1, 0}, {0, 0}}, {"r..", "..."}, {}},
        {"a full stitch takes the quarters of its cell", {"...", "..."}, {"..bb..", "..b...", "......", "......"}, 1,
            false, {{1, 0}}, {".r.", "..."}, noQuarters},
        {"with quarters over crosses allowed both stay", {"...", "..."}, {"..bb..", "..b...", "......", "......"}, 1,
            true, {{1, 0}}, {".r.", "..."}, {"..bb..", "..b...", "......", "......"}},
    };
    for (const StrokeCase& c : cases) {
        PenTool pen;
        expectStroke(c, pen, [](const ToolRig& rig, const QPoint& p) { return rig.cell(p.x(), p.y()); });
    }
}

TEST(PenTool, APressOutsideTheDesignRecordsNoEmptyUndoStep)
{
    ToolRig rig({"...", "..."});
    PenTool pen;
    rig.drag(pen, {rig.cell(5, 0), rig.cell(6, 1)});
    rig.drag(pen, {rig.cell(-1, -1)});
    EXPECT_EQ(rig.records(), 0);
    EXPECT_EQ(rig.cells(), (QStringList{"...", "..."}));
}

// The standing test of after-the-fact records: the stroke crosses a cell twice and the drawing
// colour changes in between; undo brings back the cell's value from before the stroke.
TEST(PenTool, ACellCrossedTwiceIsRecordedOnceWithItsValueFromBeforeTheStroke)
{
    ToolRig rig({"b.."});
    const DesignSnapshot before = DesignSnapshot::of(rig.design());
    PenTool pen;
    ToolContext c = rig.context();
    pen.press(c, rig.cell(0, 0));
    pen.move(c, rig.cell(1, 0));
    rig.design().stitch.setDrawcolor(ToolRig::kGreen);
    pen.move(c, rig.cell(0, 0));
    pen.move(c, rig.cell(2, 0));
    EXPECT_EQ(pen.stroke().cross.size(), 3);
    EXPECT_EQ(pen.stroke().cross.value(QPoint(0, 0)), ToolRig::kBlue);
    pen.release(c, rig.cell(2, 0));
    EXPECT_EQ(rig.cells(), QStringList{"rrr"}) << "a stroke keeps the colour it started with";
    expectUndoAndRedo(rig.design(), before);
    EXPECT_TRUE(pen.stroke().isEmpty());
}

TEST(PenTool, CancelRecordsWhatTheStrokeDrewAndResetForgetsIt)
{
    ToolRig rig({"...."});
    PenTool pen;
    ToolContext c = rig.context();
    pen.press(c, rig.cell(0, 0));
    pen.move(c, rig.cell(1, 0));
    pen.cancel(c);
    EXPECT_EQ(rig.records(), 1) << "the history matches the design";
    EXPECT_FALSE(pen.buttonHeld());
    pen.move(c, rig.cell(3, 0));
    EXPECT_EQ(rig.cells(), QStringList{"rr.."}) << "no button held after cancel";

    pen.press(c, rig.cell(2, 0));
    pen.reset();
    pen.release(c, rig.cell(2, 0));
    EXPECT_EQ(rig.records(), 1);
}

TEST(QuarterPenTool, QuartersMergesAndCoexistence)
{
    const std::vector<StrokeCase> cases = {
        {"one quarter", {"..", ".."}, {}, 1, false, {{1, 2}}, {"..", ".."}, {"....", "....", ".r..", "...."}},
        {"the fourth quarter of the drawing colour merges the cell", {"..", ".."}, {"rr..", "r...", "....", "...."}, 1,
            false, {{1, 1}}, {"r.", ".."}, {"....", "....", "....", "...."}},
        {"a drag over a whole cell merges it", {"..", ".."}, {}, 1, false, {{2, 0}, {3, 0}, {2, 1}, {3, 1}, {2, 2}},
            {".r", ".."}, {"....", "....", "..r.", "...."}},
        {"a fast drag covers every quarter between two pointer positions", {"...", "..."}, {}, 1, false,
            {{0, 1}, {5, 1}}, {"...", "..."}, {"......", "rrrrrr", "......", "......"}},
        {"size 2 covering a cell merges at once", {"..", ".."}, {}, 2, false, {{2, 2}}, {"..", ".r"},
            {"....", "....", "....", "...."}},
        {"other colours in the cell do not merge", {"..", ".."}, {"rb..", "r...", "....", "...."}, 1, false, {{1, 1}},
            {"..", ".."}, {"rb..", "rr..", "....", "...."}},
        {"a quarter takes the full stitch of its cell", {"b.", ".."}, {}, 1, false, {{0, 0}}, {"..", ".."},
            {"r...", "....", "....", "...."}},
        {"with quarters over crosses allowed the full stitch stays", {"b.", ".."}, {}, 1, true, {{0, 0}},
            {"b.", ".."}, {"r...", "....", "....", "...."}},
        {"a merge over a full stitch of another colour", {"b.", ".."}, {"rr..", "r...", "....", "...."}, 1, true,
            {{1, 1}}, {"r.", ".."}, {"....", "....", "....", "...."}},
    };
    for (const StrokeCase& c : cases) {
        QuarterPenTool pen;
        expectStroke(c, pen, [](const ToolRig& rig, const QPoint& q) { return rig.quarter(q.x(), q.y()); });
    }
}

TEST(QuarterPenTool, AMergedCellIsLeftAloneForTheRestOfTheStroke)
{
    ToolRig rig({".."}, {"rr..", "r..."});
    rig.design().stitch.setDrawcolor(ToolRig::kRed);
    QuarterPenTool pen;
    ToolContext c = rig.context();
    pen.press(c, rig.quarter(1, 1));
    EXPECT_EQ(rig.cells(), QStringList{"r."});
    // Back over the merged cell: its quarters stay empty.
    pen.move(c, rig.quarter(0, 0));
    pen.move(c, rig.quarter(2, 0));
    pen.release(c, rig.quarter(2, 0));
    EXPECT_EQ(rig.picture(), "r. / ..r.|....");
}

TEST(EraserTool, ErasesCellsAndQuartersUnderTheFootprint)
{
    struct Case
    {
        const char* name;
        QStringList cells;
        QStringList quarters;
        int penSize;
        QList<QPoint> path; // cells
        QStringList cellsAfter;
        QStringList quartersAfter;
    };
    const std::vector<Case> cases = {
        {"one cell", {"rb.", "gg."}, {}, 1, {{1, 0}}, {"r..", "gg."}, {}},
        {"size 3 takes a plus", {"rrr", "rrr", "rrr"}, {}, 3, {{1, 1}}, {"r.r", "...", "r.r"}, {}},
        {"a drag takes every cell on its way", {"rgb", "rgb"}, {}, 1, {{0, 0}, {1, 0}, {1, 1}}, {"..b", "r.b"}, {}},
        {"dragged along just past the edge, the part inside is still erased", {"rrr", "rrr", "rrr"}, {}, 3,
            {{-1, 0}, {-1, 2}}, {"rrr", ".rr", ".rr"}, {}},
        {"a fast drag erases every cell between two pointer positions", {"rrrrrrrrrrr", "bbbbbbbbbbb"}, {}, 1,
            {{0, 0}, {10, 0}}, {"...........", "bbbbbbbbbbb"}, {}},
        {"quarters under the pointer with their neighbours of the footprint", {"..", ".."},
            {"rb..", "gr..", "...b", "...."}, 2, {{0, 0}}, {"..", ".."}, {"....", "....", "...b", "...."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolRig rig(c.cells, c.quarters);
        rig.design().stitch.setPensize(c.penSize);
        const DesignSnapshot before = DesignSnapshot::of(rig.design());
        EraserTool eraser;
        Pointers path;
        for (const QPoint& p : c.path)
            path << rig.cell(p.x(), p.y());
        // The cell pointer's quarter is the cell's bottom-right one; quarters are pointed at
        // through the top-left one.
        if (!c.quarters.isEmpty())
            path = {rig.quarter(2 * c.path[0].x(), 2 * c.path[0].y())};
        rig.drag(eraser, path);
        EXPECT_EQ(rig.cells(), c.cellsAfter);
        if (!c.quartersAfter.isEmpty())
            EXPECT_EQ(rig.quarters(), c.quartersAfter);
        ASSERT_EQ(rig.records(), 1);
        expectUndoAndRedo(rig.design(), before);
        EXPECT_TRUE(eraser.holdsNothing());
    }
}

TEST(EraserTool, RecordsNothingWhenNothingWasErased)
{
    ToolRig rig({"r..", "..."});
    EraserTool eraser;
    rig.drag(eraser, {rig.cell(2, 1), rig.cell(1, 1)});
    rig.drag(eraser, {rig.cell(7, 7)});
    EXPECT_EQ(rig.records(), 0);
}

namespace {
// Three back stitches, two rhodes and two knots all passing through the point (2, 2) of a
// 3 x 3 design, plus one of each elsewhere, added in this order.
void addCrowd(Design& d)
{
    StitchOperations ops(d);
    ops.backStitchesAdd({QPoint(0, 2), QPoint(4, 2), ToolRig::kRed, 0}, false);
    ops.backStitchesAdd({QPoint(2, 0), QPoint(2, 4), ToolRig::kGreen, 1}, false);
    ops.backStitchesAdd({QPoint(4, 4), QPoint(6, 6), ToolRig::kBlue, 2}, false);
    for (const int x : {0, 4}) {
        auto r = std::make_shared<TRhode>();
        r->color = x == 0 ? ToolRig::kRed : ToolRig::kGreen;
        r->index = int(d.RhodeList.size());
        r->stitches = {{QPoint(x, 0), QPoint(2, 2), 0, 0}, {QPoint(x, 6), QPoint(x, 4), 0, 0}};
        ops.RhodeAdd(r, false);
    }
    ops.frenchKnotAdd({QPoint(2, 2), ToolRig::kRed, 0}, false);
    ops.frenchKnotAdd({QPoint(2, 2), ToolRig::kBlue, 1}, false);
    ops.frenchKnotAdd({QPoint(6, 0), ToolRig::kBlue, 2}, false);
}
} // namespace

TEST(EraserTool, APressTakesTheLastBackStitchRhodeAndKnotItHits)
{
    struct Case
    {
        const char* name;
        bool backStitchesVisible;
        QList<TColorRef> backStitchesLeft;
        int rhodes, knots; // left afterwards
    };
    const std::vector<Case> cases = {
        {"back stitches shown", true, {ToolRig::kRed, ToolRig::kBlue}, 1, 2},
        {"back stitches hidden: only the knot", false, {ToolRig::kRed, ToolRig::kGreen, ToolRig::kBlue}, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolRig rig({"...", "...", "..."});
        addCrowd(rig.design());
        rig.backStitchesVisible = c.backStitchesVisible;
        const DesignSnapshot before = DesignSnapshot::of(rig.design());
        const TRhodeRef lastRhode = rig.design().RhodeList.last();
        EraserTool eraser;
        rig.click(eraser, rig.point(2, 2));
        const Design& d = rig.design();
        QList<TColorRef> backStitchesLeft;
        for (const TBackStitch& s : d.BackStitchList)
            backStitchesLeft << s.Color;
        EXPECT_EQ(backStitchesLeft, c.backStitchesLeft) << "the back stitch added last went";
        EXPECT_EQ(d.RhodeList.size(), c.rhodes);
        EXPECT_EQ(d.FrenchKnotList.size(), c.knots);
        EXPECT_EQ(d.FrenchKnotList[0].Color, ToolRig::kRed) << "the knot added last went";
        if (c.backStitchesVisible) {
            EXPECT_EQ(d.RhodeList[0]->color, ToolRig::kRed) << "the rhode added last went";
            // The eraser keeps no copy: the removed rhode lives in the record alone.
            EXPECT_EQ(lastRhode.use_count(), 2) << "this test's reference and the record's";
        }
        EXPECT_TRUE(eraser.holdsNothing());
        expectUndoAndRedo(rig.design(), before);
    }
}

TEST(EraserTool, MovesTakeBackStitchesButNeitherRhodesNorKnots)
{
    ToolRig rig({"...", "...", "..."});
    addCrowd(rig.design());
    const DesignSnapshot before = DesignSnapshot::of(rig.design());
    EraserTool eraser;
    ToolContext c = rig.context();
    eraser.press(c, rig.point(6, 1)); // hits nothing
    const ToolFeedback stay = eraser.move(c, rig.pixel(4 * 6 + 1, 4 * 1));
    EXPECT_FALSE(stay.showPosition) << "still on the last cell, nothing erased";
    eraser.move(c, rig.point(2, 2));
    eraser.move(c, rig.point(1, 2));
    eraser.release(c, rig.point(1, 2));
    const Design& d = rig.design();
    EXPECT_EQ(d.BackStitchList.size(), 1) << "one back stitch per move into another cell";
    EXPECT_EQ(d.BackStitchList[0].Color, ToolRig::kBlue);
    EXPECT_EQ(d.RhodeList.size(), 2);
    EXPECT_EQ(d.FrenchKnotList.size(), 3);
    ASSERT_EQ(rig.records(), 1);
    expectUndoAndRedo(rig.design(), before);
}

TEST(EraserTool, BackStitchHitBoxAtLargeCells)
{
    struct Case
    {
        const char* name;
        QPoint pixel; // whole-design pixel at 40 x 40 cells
        bool hit;
    };
    // The stitch runs from point (2, 0) to (2, 4): x = 40 in pixels, y 0 to 80.
    const std::vector<Case> cases = {
        {"on the line", {40, 40}, true},
        {"2 pixels beside it", {42, 40}, true},
        {"3 pixels beside it", {43, 40}, false},
        {"2 pixels past its end", {40, 82}, true},
        {"3 pixels past its end", {40, 83}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolRig rig({"...", "...", "..."});
        StitchOperations(rig.design()).backStitchesAdd({QPoint(2, 0), QPoint(2, 4), ToolRig::kRed, 0}, false);
        ToolPointer at = ToolPointer::locate(rig.design(), c.pixel / 40, c.pixel / 20, (c.pixel + QPoint(10, 10)) / 20,
            c.pixel, QSize(40, 40));
        EraserTool eraser;
        ToolContext context = rig.context();
        eraser.press(context, at);
        eraser.release(context, at);
        EXPECT_EQ(rig.design().BackStitchList.isEmpty(), c.hit);
    }
}

TEST(PanTool, TheDragScrollsSoTheAnchorCellStaysUnderThePointer)
{
    ToolRig rig({"...", "..."});
    PanTool pan;
    ToolContext c = rig.context();
    EXPECT_EQ(pan.move(c, rig.cell(2, 1)).scroll, QPoint()) << "no button held";
    pan.press(c, rig.cell(2, 1));
    EXPECT_EQ(pan.move(c, rig.cell(0, 0)).scroll, QPoint(2, 1));
    EXPECT_EQ(pan.move(c, rig.cell(5, 1)).scroll, QPoint(-3, 0));
    pan.release(c, rig.cell(5, 1));
    EXPECT_EQ(pan.move(c, rig.cell(0, 0)).scroll, QPoint());
    EXPECT_EQ(rig.records(), 0);
}
