// The records of the back-stitch, french knot, rhode and replace-colour tools.
#include "DesignSnapshot.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "support/RecordingListener.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>
#include <functional>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kBlue = 0xFF0000;

TRhode shape(TColorRef color, int index)
{
    TRhode r;
    r.color = color;
    r.index = index;
    r.stitches = {{QPoint(0, 0), QPoint(2, 2), 0, 0}, {QPoint(2, 0), QPoint(0, 2), 0, 0}};
    return r;
}
} // namespace

TEST(ListItemRecords, UndoTakesTheItemOutAndRedoAppendsItAgain)
{
    // Each tool adds its item through the primitive, then hands it to the history.
    struct Case
    {
        const char* name;
        std::function<void(Design&)> tool;
        QString notification;
    };
    const Case cases[] = {
        {"back stitch",
            [](Design& d) {
                const TBackStitch s{QPoint(0, 0), QPoint(2, 0), kRed, int(d.BackStitchList.size())};
                StitchOperations(d).backStitchesAdd(s, true);
                HistoryFactories::actionDrawBackStitch(d, s);
            },
            QStringLiteral("backStitches")},
        {"french knot",
            [](Design& d) {
                const TFrenchKnot k{QPoint(1, 1), kRed, int(d.FrenchKnotList.size())};
                StitchOperations(d).frenchKnotAdd(k, true);
                HistoryFactories::actionDrawFrenchKnot(d, k);
            },
            QStringLiteral("frenchKnots")},
        {"rhode",
            [](Design& d) {
                const TRhode r = shape(kRed, int(d.RhodeList.size()));
                StitchOperations(d).RhodeAdd(r.Clone(), true);
                HistoryFactories::actionDrawRhode(d, r);
            },
            QStringLiteral("rhodes")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = TestDesigns::empty(3, 3, {kRed, kBlue});
        StitchOperations ops(*d);
        ops.backStitchesAdd({QPoint(0, 2), QPoint(2, 2), kBlue, 0}, false);
        ops.frenchKnotAdd({QPoint(3, 3), kBlue, 0}, false);
        ops.RhodeAdd(shape(kBlue, 0).Clone(), false);
        const DesignSnapshot before = DesignSnapshot::of(*d);
        c.tool(*d);
        const DesignSnapshot after = DesignSnapshot::of(*d);
        RecordingListener listener;
        d->setListener(&listener);

        d->History.Undo();
        EXPECT_EQ(before.firstDifference(DesignSnapshot::of(*d)), "");
        EXPECT_TRUE(listener.has(c.notification));
        EXPECT_TRUE(listener.has(QStringLiteral("unused 0000ff")));
        d->History.Redo();
        EXPECT_EQ(after.firstDifference(DesignSnapshot::of(*d)), "");
        EXPECT_EQ(countsAgainstRecount(*d), "");
    }
}

TEST(ListItemRecords, RedoOfARhodePlacesAFreshCopy)
{
    auto d = TestDesigns::empty(3, 3, {kRed, kBlue});
    TRhode placed = shape(kRed, 0);
    StitchOperations(*d).RhodeAdd(placed.Clone(), true);
    HistoryFactories::actionDrawRhode(*d, placed);
    placed.color = kBlue; // the tool's shape changes; the record kept its own copy
    d->History.Undo();
    d->History.Redo();
    const TRhodeRef firstRedo = d->RhodeList[0];
    EXPECT_EQ(firstRedo->color, kRed);
    d->History.Undo();
    d->History.Redo();
    EXPECT_NE(d->RhodeList[0], firstRedo);
    EXPECT_TRUE(d->RhodeList[0]->sameContent(*firstRedo));
}

TEST(TReplaceColorAction, CellsAndBackStitchesMoveBetweenTheColoursBothWays)
{
    auto d = TestDesigns::empty(3, 1, {kRed, kBlue});
    StitchOperations ops(*d);
    ops.updatePixel(0, 0, false, kRed);
    ops.updatePixel(2, 0, false, kRed);
    ops.updatePixel(1, 0, false, kBlue);
    ops.backStitchesAdd({QPoint(0, 0), QPoint(0, 2), kBlue, 0}, false);
    ops.backStitchesAdd({QPoint(0, 0), QPoint(2, 0), kRed, 1}, false);
    const DesignSnapshot before = DesignSnapshot::of(*d);

    // The tool: every cell and back stitch of red becomes blue.
    const QList<QPoint> cells{{0, 0}, {2, 0}};
    for (const QPoint& p : cells)
        ops.updatePixel(p.x(), p.y(), false, kBlue);
    ops.backStitchesSetColor(1, kBlue, false);
    HistoryFactories::actionReplaceColor(*d, cells, {1}, kBlue, kRed);
    const DesignSnapshot after = DesignSnapshot::of(*d);
    EXPECT_EQ(d->stitch.Colors.at(kBlue).colorCount, 3 + 4);
    EXPECT_EQ(d->stitch.usedColors(), 1);

    d->History.Undo();
    EXPECT_EQ(before.firstDifference(DesignSnapshot::of(*d)), "");
    d->History.Redo();
    EXPECT_EQ(after.firstDifference(DesignSnapshot::of(*d)), "");
}

TEST(TReplaceColorAction, ReplacingTheBackgroundFillsAndUndoEmptiesAgain)
{
    auto d = TestDesigns::empty(2, 1, {kRed});
    StitchOperations ops(*d);
    ops.updatePixel(0, 0, false, kRed);
    const DesignSnapshot before = DesignSnapshot::of(*d);
    ops.updatePixel(1, 0, false, kRed);
    HistoryFactories::actionReplaceColor(*d, {QPoint(1, 0)}, {}, kRed, d->stitch.BackGroundColor);
    d->History.Undo();
    EXPECT_EQ(before.firstDifference(DesignSnapshot::of(*d)), "");
    EXPECT_TRUE(d->isEmptyCell(1, 0));
}
