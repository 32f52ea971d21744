// The back-stitch tool's chains, driven with half-cell grid points.
#include "ToolRig.h"
#include "editing/DesignSnapshot.h"
#include "editing/tools/BackStitchTool.h"
#include <gtest/gtest.h>

namespace {
using Stitch = QPair<QPoint, QPoint>;

QList<Stitch> stitchesOf(const Design& d)
{
    QList<Stitch> stitches;
    for (const TBackStitch& s : d.BackStitchList)
        stitches << Stitch(s.FromPoint, s.ToPoint);
    return stitches;
}
} // namespace

TEST(BackStitchTool, ClickSequencesMakeChains)
{
    struct Case
    {
        const char* name;
        bool continueChain;
        QList<QPoint> clicks;
        QList<Stitch> stitches;
        bool waitingForStart;
    };
    // The design is 3 x 2 cells: points 0 .. 6 across, 0 .. 4 down.
    const std::vector<Case> cases = {
        {"two clicks make a stitch and the chain goes on", true, {{0, 0}, {2, 0}}, {{{0, 0}, {2, 0}}}, false},
        {"a chain runs head to tail", true, {{0, 0}, {2, 0}, {2, 2}, {5, 3}},
            {{{0, 0}, {2, 0}}, {{2, 0}, {2, 2}}, {{2, 2}, {5, 3}}}, false},
        {"a click on the last end ends the chain; the next click starts anew", true,
            {{0, 0}, {2, 0}, {2, 0}, {4, 4}, {6, 4}}, {{{0, 0}, {2, 0}}, {{4, 4}, {6, 4}}}, false},
        {"a click on the start at once ends the chain without a stitch", true, {{1, 1}, {1, 1}}, {}, true},
        {"without continuing every stitch takes two clicks", false, {{0, 0}, {2, 0}, {4, 0}, {6, 0}},
            {{{0, 0}, {2, 0}}, {{4, 0}, {6, 0}}}, true},
        {"clicks off the grid are ignored", true, {{-1, 0}, {0, 0}, {7, 0}, {0, 5}, {6, 4}}, {{{0, 0}, {6, 4}}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolRig rig({"...", "..."});
        rig.backStitchesContinue = c.continueChain;
        const DesignSnapshot before = DesignSnapshot::of(rig.design());
        BackStitchTool tool;
        for (const QPoint& p : c.clicks)
            rig.click(tool, rig.point(p.x(), p.y()));
        const Design& d = rig.design();
        EXPECT_EQ(stitchesOf(d), c.stitches);
        EXPECT_EQ(tool.waitingForFirst(), c.waitingForStart);
        ASSERT_EQ(rig.records(), c.stitches.size()) << "one record per stitch";
        for (int i = 0; i < d.BackStitchList.size(); ++i) {
            EXPECT_EQ(d.BackStitchList[i].Index, i);
            EXPECT_EQ(d.BackStitchList[i].Color, ToolRig::kRed);
        }
        EXPECT_EQ(countsAgainstRecount(rig.design()), "");
        while (rig.design().History.canUndo())
            rig.design().History.Undo();
        EXPECT_EQ(before.firstDifference(DesignSnapshot::of(rig.design())), "");
    }
}

TEST(BackStitchTool, TheRubberLineFollowsThePointerUntilEscape)
{
    ToolRig rig({"...", "..."});
    BackStitchTool tool;
    ToolContext c = rig.context();
    EXPECT_FALSE(tool.move(c, rig.point(3, 3)).previewChanged) << "no line before a start";
    rig.click(tool, rig.point(1, 1));
    EXPECT_TRUE(tool.move(c, rig.point(3, 3)).previewChanged);
    EXPECT_EQ(tool.preview().lines, (QList<ToolPreview::Line>{{QPoint(1, 1), QPoint(3, 3), ToolRig::kRed, 5}}));

    tool.cancel(c); // Escape
    EXPECT_TRUE(tool.waitingForFirst());
    EXPECT_TRUE(tool.preview().isEmpty());
    rig.click(tool, rig.point(3, 3));
    rig.click(tool, rig.point(4, 4));
    EXPECT_EQ(stitchesOf(rig.design()), (QList<Stitch>{{{3, 3}, {4, 4}}})) << "Escape began a new chain";
}

TEST(BackStitchTool, TheEraserColourMakesNoStitch)
{
    ToolRig rig({"...", "..."});
    rig.design().stitch.setDrawcolor(rig.design().stitch.BackGroundColor);
    BackStitchTool tool;
    rig.click(tool, rig.point(0, 0));
    rig.click(tool, rig.point(2, 2));
    EXPECT_TRUE(rig.design().BackStitchList.isEmpty());
    EXPECT_EQ(rig.records(), 0);
    EXPECT_EQ(rig.design().stitch.Colors.size(), 3) << "no colour entry for the background value";
}
