// The one-click tools: pipette, replace colour, french knot and rhode, driven with grid
// positions.
#include "ToolRig.h"
#include "editing/DesignSnapshot.h"
#include "editing/StitchOperations.h"
#include "editing/tools/FrenchKnotTool.h"
#include "editing/tools/PipetteTool.h"
#include "editing/tools/ReplaceColorTool.h"
#include "editing/tools/RhodeTool.h"
#include <gtest/gtest.h>

namespace {
char letterOf(TColorRef color)
{
    for (const auto& [letter, value] : ToolRig::colors()) {
        if (value == color)
            return letter;
    }
    return '?';
}

std::string backStitchColours(const Design& d)
{
    std::string colours;
    for (const TBackStitch& s : d.BackStitchList)
        colours += letterOf(s.Color);
    return colours;
}

// Fan of three stitches from the middle of the bottom of a 2 x 2 box to its top edge.
TRhodeRef fan()
{
    auto r = std::make_shared<TRhode>();
    r->name = QStringLiteral("Fan");
    r->width = 2;
    r->height = 2;
    r->stitches = {{QPoint(2, 4), QPoint(0, 0), 0, 0}, {QPoint(2, 4), QPoint(2, 0), 0, 0}, {QPoint(2, 4), QPoint(4, 0), 0, 0}};
    return r;
}
} // namespace

TEST(PipetteTool, PicksTheFullStitchUnderThePointer)
{
    struct Case
    {
        const char* name;
        QList<QPoint> path; // cells
        TColorRef picked;
    };
    const std::vector<Case> cases = {
        {"a stitched cell gives its colour", {{1, 0}}, ToolRig::kBlue},
        {"an empty cell gives nothing", {{2, 0}}, ToolRig::kRed},
        {"a quarter gives nothing", {{2, 1}}, ToolRig::kRed},
        {"a drag picks along its way", {{1, 0}, {1, 1}}, ToolRig::kGreen},
        {"a drag released outside keeps the colour picked last inside", {{1, 0}, {1, 1}, {4, 1}}, ToolRig::kGreen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolRig rig({"rb.", ".g."}, {"......", "....b.", "......", "......"});
        PipetteTool pipette;
        QList<ToolPointer> path;
        for (const QPoint& p : c.path)
            path << rig.cell(p.x(), p.y());
        rig.drag(pipette, path);
        EXPECT_EQ(rig.design().stitch.drawcolor(), c.picked);
        EXPECT_EQ(rig.records(), 0);
    }
}

TEST(PipetteTool, MovesPickOnlyWithTheButtonHeldAndHideThePositionOutside)
{
    ToolRig rig({"rb."});
    PipetteTool pipette;
    ToolContext c = rig.context();
    pipette.move(c, rig.cell(1, 0));
    EXPECT_EQ(rig.design().stitch.drawcolor(), ToolRig::kRed);
    EXPECT_TRUE(pipette.move(c, rig.cell(2, 0)).showPosition);
    EXPECT_FALSE(pipette.move(c, rig.cell(3, 0)).showPosition);
}

TEST(ReplaceColorTool, ReplacesTheColourOfTheClickedCellOrBackStitch)
{
    const TColorRef empty = 0xFFFFFFFFu; // the rig's background value
    struct Case
    {
        const char* name;
        TColorRef drawColor;
        QPoint cell;
        bool backStitchesVisible;
        QStringList cellsAfter;
        std::string backStitchesAfter;
        int records;
    };
    // Back stitches: red along the left edge of the design, blue along the bottom edge of cell
    // (2, 1) (touching cell (1, 1) at a corner), green across cell (0, 0).
    const std::vector<Case> cases = {
        {"every red cell and back stitch", ToolRig::kGreen, {0, 0}, true, {"gb.", "g.b"}, "gbg", 1},
        {"an empty cell fills every empty cell", ToolRig::kGreen, {2, 0}, true, {"rbg", "rgb"}, "rbg", 1},
        {"a back stitch touching the clicked cell gives the colour", ToolRig::kGreen, {1, 1}, true, {"rg.", "r.g"},
            "rgg", 1},
        {"hidden back stitches give nothing", ToolRig::kGreen, {1, 1}, false, {"rbg", "rgb"}, "rbg", 1},
        {"of several back stitches the earliest in the list", ToolRig::kBlue, {0, 0}, true, {"bb.", "b.b"}, "bbg", 1},
        {"by the background: cells are emptied, back stitches keep a thread colour", empty, {0, 0}, true,
            {".b.", "..b"}, "rbg", 1},
        {"by the background through a back stitch's colour", empty, {1, 1}, true, {"r..", "r.."}, "rbg", 1},
        {"the drawing colour itself changes nothing", ToolRig::kRed, {0, 1}, true, {"rb.", "r.b"}, "rbg", 0},
        {"a click outside changes nothing", ToolRig::kGreen, {3, 0}, true, {"rb.", "r.b"}, "rbg", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolRig rig({"rb.", "r.b"}, {"......", "......", "r.....", "......"});
        Design& d = rig.design();
        StitchOperations ops(d);
        ops.backStitchesAdd({QPoint(0, 0), QPoint(0, 4), ToolRig::kRed, 0}, false);
        ops.backStitchesAdd({QPoint(4, 4), QPoint(6, 4), ToolRig::kBlue, 1}, false);
        ops.backStitchesAdd({QPoint(0, 0), QPoint(2, 2), ToolRig::kGreen, 2}, false);
        ops.frenchKnotAdd({QPoint(1, 1), ToolRig::kRed, 0}, false);
        auto rhode = fan();
        rhode->color = ToolRig::kRed;
        ops.RhodeAdd(rhode, false);
        rig.backStitchesVisible = c.backStitchesVisible;
        d.stitch.setDrawcolor(c.drawColor);
        const DesignSnapshot before = DesignSnapshot::of(d);

        ReplaceColorTool tool;
        rig.click(tool, rig.cell(c.cell.x(), c.cell.y()));
        EXPECT_EQ(rig.cells(), c.cellsAfter);
        EXPECT_EQ(backStitchColours(d), c.backStitchesAfter);
        EXPECT_EQ(rig.quarters()[2], QStringLiteral("r....."));
        EXPECT_EQ(d.FrenchKnotList[0].Color, ToolRig::kRed);
        EXPECT_EQ(d.RhodeList[0]->color, ToolRig::kRed);
        ASSERT_EQ(rig.records(), c.records);
        if (c.records)
            expectUndoAndRedo(d, before);
    }
}

TEST(FrenchKnotTool, AddsAKnotOnAGridPointOfTheDesign)
{
    struct Case
    {
        const char* name;
        QPoint point;
        bool eraserColour;
        bool added;
    };
    // The design is 3 x 2 cells: points 0 .. 6 across, 0 .. 4 down.
    const std::vector<Case> cases = {
        {"a cell centre", {1, 1}, false, true},
        {"the far corner", {6, 4}, false, true},
        {"past the right edge", {7, 0}, false, false},
        {"below the bottom edge", {0, 5}, false, false},
        {"the background as drawing colour", {1, 1}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolRig rig({"...", "..."});
        Design& d = rig.design();
        StitchOperations(d).frenchKnotAdd({QPoint(3, 3), ToolRig::kBlue, 0}, false);
        if (c.eraserColour)
            d.stitch.setDrawcolor(d.stitch.BackGroundColor);
        const DesignSnapshot before = DesignSnapshot::of(d);
        FrenchKnotTool tool;
        rig.click(tool, rig.point(c.point.x(), c.point.y()));
        ASSERT_EQ(d.FrenchKnotList.size(), c.added ? 2 : 1);
        EXPECT_EQ(rig.records(), c.added ? 1 : 0);
        if (!c.added)
            continue;
        EXPECT_EQ(d.FrenchKnotList[1], (TFrenchKnot{c.point, ToolRig::kRed, 1}));
        EXPECT_EQ(d.stitch.Colors.at(ToolRig::kRed).colorCount, 5);
        expectUndoAndRedo(d, before);
    }
}

TEST(RhodeTool, PlacesTheCurrentShapeCentredOnThePointOrNothing)
{
    struct Case
    {
        const char* name;
        QPoint point;
        bool withShape;
        bool eraserColour;
        bool placed;
    };
    // The design is 4 x 4 cells (points 0 .. 8); the fan reaches 2 points each way.
    const std::vector<Case> cases = {
        {"in the middle", {4, 4}, true, false, true},
        {"touching the top left edges", {2, 2}, true, false, true},
        {"one point too near the left edge", {1, 4}, true, false, false},
        {"one point too near the bottom edge", {4, 7}, true, false, false},
        {"off the design", {9, 4}, true, false, false},
        {"with an empty shape library", {4, 4}, false, false, false},
        {"the background as drawing colour", {4, 4}, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolRig rig({"....", "....", "....", "...."});
        Design& d = rig.design();
        if (c.withShape)
            rig.shapes.append(fan());
        if (c.eraserColour)
            d.stitch.setDrawcolor(d.stitch.BackGroundColor);
        const DesignSnapshot before = DesignSnapshot::of(d);
        RhodeTool tool;
        ToolContext context = rig.context();
        tool.move(context, rig.point(c.point.x(), c.point.y()));
        EXPECT_EQ(tool.preview().isEmpty(), !c.placed) << "the outline shows exactly where a press places";
        rig.click(tool, rig.point(c.point.x(), c.point.y()));
        ASSERT_EQ(d.RhodeList.size(), c.placed ? 1 : 0);
        EXPECT_EQ(rig.records(), c.placed ? 1 : 0);
        if (!c.placed)
            continue;
        const TRhode& placed = *d.RhodeList[0];
        const QPoint offset = c.point - QPoint(2, 2);
        EXPECT_EQ(placed.stitches[2].FromPoint, QPoint(2, 4) + offset);
        EXPECT_EQ(placed.stitches[2].ToPoint, QPoint(4, 0) + offset);
        EXPECT_EQ(placed.color, ToolRig::kRed);
        EXPECT_EQ(placed.index, 0);
        EXPECT_EQ(placed.width, 0);
        EXPECT_TRUE(placed.name.isEmpty());
        ASSERT_EQ(tool.preview().lines.size(), 3);
        EXPECT_EQ(tool.preview().lines[2], (ToolPreview::Line{placed.stitches[2].FromPoint, placed.stitches[2].ToPoint,
                                               ToolRig::kRed, 3}));
        expectUndoAndRedo(d, before);
    }
}

TEST(RhodeTool, ThePreviewFollowsThePointerAndCancelDropsIt)
{
    ToolRig rig({"....", "....", "....", "...."});
    rig.shapes.append(fan());
    RhodeTool tool;
    ToolContext c = rig.context();
    EXPECT_TRUE(tool.move(c, rig.point(4, 4)).previewChanged);
    EXPECT_FALSE(tool.move(c, rig.point(4, 4)).previewChanged);
    EXPECT_TRUE(tool.move(c, rig.point(1, 1)).previewChanged) << "where nothing can go, the outline goes";
    EXPECT_TRUE(tool.preview().isEmpty());
    tool.move(c, rig.point(5, 5));
    tool.cancel(c);
    EXPECT_TRUE(tool.preview().isEmpty());
    EXPECT_EQ(rig.records(), 0) << "a preview never writes the design";
    EXPECT_TRUE(rig.design().RhodeList.isEmpty());
}
