// The shape, fill, outline and border tools driven with grid positions, as the window drives
// them: what they write, what they record and what they preview.
#include "ToolRig.h"
#include "editing/DesignSnapshot.h"
#include "editing/tools/BorderTool.h"
#include "editing/tools/FillTool.h"
#include "editing/tools/OutlineTool.h"
#include "editing/tools/ShapeTool.h"
#include <gtest/gtest.h>

TEST(ShapeTool, LinesChainUntilTheLastCellIsClickedAgain)
{
    ToolRig rig({"......", "......"});
    ShapeTool line(ShapeTool::Shape::line);
    for (const QPoint& p : {QPoint(0, 0), QPoint(3, 0), QPoint(5, 1), QPoint(5, 1)})
        rig.click(line, rig.cell(p.x(), p.y()));
    EXPECT_EQ(rig.cells(), QStringList({"rrrr..", "....rr"}));
    // Two segments; the click on the last cell again changed nothing and recorded nothing.
    EXPECT_EQ(rig.records(), 2);
    EXPECT_TRUE(line.waitingForFirst());
    EXPECT_FALSE(line.buttonHeld());
}

TEST(ShapeTool, EscapeCancelsOnlyTheLine)
{
    ToolRig rig({"......", "......"});
    const DesignSnapshot before = DesignSnapshot::of(rig.design());
    ShapeTool line(ShapeTool::Shape::line);
    rig.click(line, rig.cell(0, 0));
    rig.design().stitch.setPensize(2);
    ToolContext context = rig.context();
    line.move(context, rig.cell(4, 0));
    EXPECT_EQ(line.preview().cells.size(), 12); // pen 2 reaches one row down and one column past the end
    ASSERT_TRUE(line.cancelsOnEscape());
    line.cancel(context);
    EXPECT_TRUE(line.waitingForFirst());
    EXPECT_TRUE(line.preview().isEmpty());
    EXPECT_EQ(DesignSnapshot::of(rig.design()), before);
    EXPECT_EQ(rig.records(), 0);

    // The rectangle keeps its first point through Escape, which the window does not pass on.
    ShapeTool rectangle(ShapeTool::Shape::rectangle);
    EXPECT_FALSE(rectangle.cancelsOnEscape());
    rig.design().stitch.setPensize(1);
    rig.click(rectangle, rig.cell(1, 0));
    rig.click(rectangle, rig.cell(3, 1));
    EXPECT_EQ(rig.cells(), QStringList({".rrr..", ".rrr.."}));
    EXPECT_TRUE(rectangle.waitingForFirst());
}

TEST(ShapeTool, ShapesKeepTheCellsInsideAndRecordOnce)
{
    struct Case
    {
        const char* name;
        ShapeTool::Shape shape;
        TFillMode fill;
        int pen;
        QPoint first, second;
        QStringList cells;
    };
    const std::vector<Case> cases = {
        {"an empty rectangle", ShapeTool::Shape::rectangle, fillNone, 1, {4, 3}, {0, 0}, {"rrrrr.", "r...r.", "r...r.", "rrrrr."}},
        {"a filled rectangle with pen 2 past the edge", ShapeTool::Shape::rectangle, fillFull, 2, {4, 2}, {6, 4}, {"......", "......", "....rr", "....rr"}},
        {"a filled circle at the edge", ShapeTool::Shape::circle, fillFull, 1, {5, 2}, {5, 0}, {"....rr", "...rrr", "...rrr", "...rrr"}},
        {"an empty circle", ShapeTool::Shape::circle, fillNone, 1, {2, 2}, {3, 2}, {"......", "..r...", ".r.r..", "..r..."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolRig rig({"......", "......", "......", "......"});
        rig.fillMode = c.fill;
        rig.design().stitch.setPensize(c.pen);
        const DesignSnapshot before = DesignSnapshot::of(rig.design());
        ShapeTool tool(c.shape);
        ToolContext context = rig.context();
        tool.press(context, rig.cell(c.first.x(), c.first.y()));
        EXPECT_TRUE(tool.buttonHeld());
        tool.release(context, rig.cell(c.first.x(), c.first.y()));
        rig.click(tool, rig.cell(c.second.x(), c.second.y()));
        EXPECT_EQ(rig.cells(), c.cells);
        EXPECT_EQ(rig.records(), 1);
        expectUndoAndRedo(rig.design(), before);
    }
}

TEST(ShapeTool, ThePreviewFollowsThePointerCellByCell)
{
    ToolRig rig({"......", "......"});
    rig.fillMode = fillFull;
    ShapeTool rectangle(ShapeTool::Shape::rectangle);
    ToolContext context = rig.context();
    EXPECT_FALSE(rectangle.move(context, rig.cell(2, 1)).previewChanged); // no first point yet
    rig.click(rectangle, rig.cell(0, 0));
    EXPECT_TRUE(rectangle.move(context, rig.cell(2, 1)).previewChanged);
    EXPECT_EQ(rectangle.preview().cells.size(), 6);
    EXPECT_EQ(rectangle.preview().cellColor, ToolRig::kRed);
    // Another pixel of the same cell asks for nothing.
    EXPECT_FALSE(rectangle.move(context, rig.pixel(8 * 2 + 1, 8 + 1)).previewChanged);
    EXPECT_TRUE(rectangle.move(context, rig.cell(1, 1)).previewChanged);
    EXPECT_EQ(rectangle.preview().cells.size(), 4);
    EXPECT_EQ(rig.cells(), QStringList({"......", "......"})); // the preview never touches the design
    rig.click(rectangle, rig.cell(1, 1));
    EXPECT_TRUE(rectangle.preview().isEmpty());
}

TEST(FillTool, FillsTheFourConnectedRegion)
{
    struct Case
    {
        const char* name;
        QStringList cells;
        QStringList quarters;
        bool allowQuarterOverCross;
        QPoint at;
        QStringList filled;
        QStringList quartersAfter;
        int records;
    };
    const QStringList noQuarters(8, QStringLiteral("........"));
    QStringList someQuarters = noQuarters;
    someQuarters[0] = QStringLiteral("b.......");
    someQuarters[5] = QStringLiteral("......g.");
    QStringList firstQuarterOnly = noQuarters;
    firstQuarterOnly[0] = QStringLiteral("b.......");
    const std::vector<Case> cases = {
        {"an empty area, up to a wall with a diagonal gap", {"..g.", ".g..", "g...", "...."}, noQuarters, false, {0, 0},
            {"rrg.", "rg..", "g...", "...."}, noQuarters, 1},
        {"a coloured region, quarters under it emptied", {"gg..", "....", "...g", "...."}, someQuarters, false, {3, 2},
            {"gg..", "....", "...r", "...."}, firstQuarterOnly, 1},
        {"quarters kept when they may share the cell", {"gg..", "....", "...g", "...."}, someQuarters, true, {3, 2},
            {"gg..", "....", "...r", "...."}, someQuarters, 1},
        {"a cell of the drawing colour", {"r...", "....", "....", "...."}, noQuarters, false, {0, 0},
            {"r...", "....", "....", "...."}, noQuarters, 0},
        {"outside the design", {"....", "....", "....", "...."}, noQuarters, false, {4, 0},
            {"....", "....", "....", "...."}, noQuarters, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolRig rig(c.cells, c.quarters);
        rig.allowQuarterOverCross = c.allowQuarterOverCross;
        const DesignSnapshot before = DesignSnapshot::of(rig.design());
        FillTool fill;
        rig.click(fill, rig.cell(c.at.x(), c.at.y()));
        EXPECT_EQ(rig.cells(), c.filled);
        EXPECT_EQ(rig.quarters(), c.quartersAfter);
        ASSERT_EQ(rig.records(), c.records);
        if (c.records)
            expectUndoAndRedo(rig.design(), before);
    }
    // The whole empty design, whatever the pen size.
    ToolRig rig({"...", "..."});
    rig.design().stitch.setPensize(4);
    FillTool fill;
    rig.click(fill, rig.cell(2, 1));
    EXPECT_EQ(rig.cells(), QStringList({"rrr", "rrr"}));
}

TEST(OutlineTool, OutlinesTheRegionWithBackStitches)
{
    struct Case
    {
        const char* name;
        QPoint at;
        int stitches;
    };
    const std::vector<Case> cases = {
        {"the L from its top", {0, 0}, 6}, {"the L from its middle", {0, 1}, 7}, {"the L from its corner", {1, 1}, 6},
        {"the empty cell beside it", {1, 0}, 4}, {"outside", {2, 0}, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolRig rig({"g.", "gg"});
        const DesignSnapshot before = DesignSnapshot::of(rig.design());
        OutlineTool outline;
        rig.click(outline, rig.cell(c.at.x(), c.at.y()));
        ASSERT_EQ(rig.design().BackStitchList.size(), c.stitches);
        for (int i = 0; i < c.stitches; ++i) {
            EXPECT_EQ(rig.design().BackStitchList[i].Index, i);
            EXPECT_EQ(rig.design().BackStitchList[i].Color, ToolRig::kRed);
        }
        EXPECT_EQ(rig.records(), c.stitches ? 1 : 0);
        if (c.stitches)
            expectUndoAndRedo(rig.design(), before);
    }
}

TEST(BorderTool, DrawsTheBordersOfTheClickedRegion)
{
    struct Case
    {
        const char* name;
        BorderTool::Side side;
        bool round;
        QPoint at;
        QStringList cells;
    };
    const QStringList single = {".....", ".....", "..g..", ".....", "....."};
    const std::vector<Case> cases = {
        {"outline, round", BorderTool::Side::outside, true, {2, 2}, {".....", "..r..", ".rgr.", "..r..", "....."}},
        {"outline, sharp", BorderTool::Side::outside, false, {2, 2}, {".....", ".rrr.", ".rgr.", ".rrr.", "....."}},
        {"inline of the area around, round", BorderTool::Side::inside, true, {0, 0},
            {"rrrrr", "r.r.r", "rrgrr", "r.r.r", "rrrrr"}},
        {"inline of the area around, sharp", BorderTool::Side::inside, false, {0, 0},
            {"rrrrr", "rrrrr", "rrgrr", "rrrrr", "rrrrr"}},
        {"a click at x = W", BorderTool::Side::outside, false, {5, 2}, single},
        {"a click at y = H", BorderTool::Side::inside, false, {2, 5}, single},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolRig rig(single);
        rig.roundCorners = c.round;
        const DesignSnapshot before = DesignSnapshot::of(rig.design());
        BorderTool border(c.side);
        rig.click(border, rig.cell(c.at.x(), c.at.y()));
        EXPECT_EQ(rig.cells(), c.cells);
        EXPECT_EQ(rig.records(), c.cells == single ? 0 : 1);
        if (rig.records())
            expectUndoAndRedo(rig.design(), before);
    }
}
