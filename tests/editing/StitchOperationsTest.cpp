#include "editing/StitchOperations.h"
#include "model/ColorUsage.h"
#include "support/RecordingListener.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>
#include <functional>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kBlue = 0xFF0000;

TRhodeRef rhodeOf(TColorRef color, const QList<QPair<QPoint, QPoint>>& stitches)
{
    auto rhode = std::make_shared<TRhode>();
    rhode->color = color;
    for (const auto& [from, to] : stitches)
        rhode->stitches.append({from, to, 0, 0});
    return rhode;
}

QStringList transitionsOf(const RecordingListener& listener)
{
    QStringList lines;
    for (const QString& line : listener.calls) {
        if (line.startsWith(QLatin1String("used ")) || line.startsWith(QLatin1String("unused ")))
            lines << line;
    }
    return lines;
}

const QString usedRed = QStringLiteral("used 0000ff");
const QString unusedRed = QStringLiteral("unused 0000ff");
} // namespace

TEST(StitchOperations, CountersFollowEveryKindOfStitch)
{
    using Steps = std::function<void(StitchOperations&, TColor32 bg)>;
    struct Case
    {
        const char* name;
        Steps steps;
        int colorCount;
        int quarters;
        int back;
        QStringList transitions;
    };
    const QPoint o(0, 0);
    const Case cases[] = {
        {"one quarter", [](StitchOperations& s, TColor32) { s.updateQPixel(0, 0, true, kRed); }, 1, 1, 0, {usedRed}},
        {"a second quarter anywhere",
            [](StitchOperations& s, TColor32) {
                s.updateQPixel(0, 0, true, kRed);
                s.updateQPixel(5, 3, true, kRed);
            },
            1, 2, 0, {usedRed}},
        {"a third quarter",
            [](StitchOperations& s, TColor32) {
                s.updateQPixel(0, 0, true, kRed);
                s.updateQPixel(5, 3, true, kRed);
                s.updateQPixel(1, 0, true, kRed);
            },
            2, 3, 0, {usedRed}},
        {"three quarters removed in another order",
            [](StitchOperations& s, TColor32 bg) {
                s.updateQPixel(0, 0, true, kRed);
                s.updateQPixel(5, 3, true, kRed);
                s.updateQPixel(1, 0, true, kRed);
                s.updateQPixel(1, 0, true, bg);
                s.updateQPixel(0, 0, true, bg);
                s.updateQPixel(5, 3, true, bg);
            },
            0, 0, 0, {usedRed, unusedRed}},
        {"a full stitch and two quarters",
            [](StitchOperations& s, TColor32) {
                s.updatePixel(2, 2, true, kRed);
                s.updateQPixel(0, 0, true, kRed);
                s.updateQPixel(0, 1, true, kRed);
            },
            2, 2, 0, {usedRed}},
        {"same colour written over the only stitch",
            [](StitchOperations& s, TColor32) {
                s.updatePixel(1, 1, true, kRed);
                s.updatePixel(1, 1, true, kRed);
            },
            1, 0, 0, {usedRed, unusedRed, usedRed}},
        {"same colour written over one of two stitches",
            [](StitchOperations& s, TColor32) {
                s.updatePixel(1, 1, true, kRed);
                s.updatePixel(2, 1, true, kRed);
                s.updatePixel(1, 1, true, kRed);
            },
            2, 0, 0, {usedRed}},
        {"same colour written over a quarter",
            [](StitchOperations& s, TColor32) {
                s.updateQPixel(3, 3, true, kRed);
                s.updateQPixel(3, 3, true, kRed);
            },
            1, 1, 0, {usedRed, unusedRed, usedRed}},
        {"full stitch replaced by another colour",
            [](StitchOperations& s, TColor32) {
                s.updatePixel(0, 0, true, kRed);
                s.updatePixel(0, 0, true, kBlue);
            },
            0, 0, 0, {usedRed, unusedRed}},
        {"full stitch emptied with the background",
            [](StitchOperations& s, TColor32 bg) {
                s.updatePixel(0, 0, true, kRed);
                s.updatePixel(0, 0, true, bg);
            },
            0, 0, 0, {usedRed, unusedRed}},
        {"french knot weighs five", [](StitchOperations& s, TColor32) { s.frenchKnotAdd({QPoint(1, 1), kRed, 0}, true); },
            5, 0, 0, {usedRed}},
        {"the only french knot deleted",
            [](StitchOperations& s, TColor32) {
                s.frenchKnotAdd({QPoint(1, 1), kRed, 0}, true);
                s.frenchKnotDelete(0, true);
            },
            0, 0, 0, {usedRed, unusedRed}},
        {"one of two knots deleted",
            [](StitchOperations& s, TColor32) {
                s.frenchKnotAdd({QPoint(1, 1), kRed, 0}, true);
                s.frenchKnotInsert(0, {QPoint(3, 1), kRed, 0}, true);
                s.frenchKnotDelete(1, true);
            },
            5, 0, 0, {usedRed}},
        {"back stitch of length five", [o](StitchOperations& s, TColor32) { s.backStitchesAdd({o, QPoint(3, 4), kRed, 0}, true); },
            5, 0, 5, {usedRed}},
        {"diagonal to the centre counts one",
            [o](StitchOperations& s, TColor32) { s.backStitchesAdd({o, QPoint(1, 1), kRed, 0}, true); }, 1, 0, 1, {usedRed}},
        {"back stitch recoloured away",
            [o](StitchOperations& s, TColor32) {
                s.backStitchesAdd({o, QPoint(2, 0), kRed, 0}, true);
                s.backStitchesSetColor(0, kBlue, true);
            },
            0, 0, 0, {usedRed, unusedRed}},
        {"rhode counts each stitch",
            [o](StitchOperations& s, TColor32) {
                s.RhodeAdd(rhodeOf(kRed, {{o, QPoint(2, 0)}, {o, QPoint(2, 2)}, {QPoint(1, 1), QPoint(2, 2)}}), true);
            },
            5, 0, 5, {usedRed}},
        {"rhode as only use deleted leaves use once",
            [o](StitchOperations& s, TColor32) {
                s.RhodeAdd(rhodeOf(kRed, {{o, QPoint(2, 0)}, {o, QPoint(2, 2)}, {QPoint(1, 1), QPoint(2, 2)}}), true);
                s.RhodeDelete(0, true);
            },
            0, 0, 0, {usedRed, unusedRed}},
        {"rhode recoloured away",
            [o](StitchOperations& s, TColor32) {
                s.RhodeAdd(rhodeOf(kRed, {{o, QPoint(2, 0)}}), true);
                s.RhodeSetColor(0, kBlue, true);
            },
            0, 0, 0, {usedRed, unusedRed}},
        {"knot recoloured onto the colour",
            [](StitchOperations& s, TColor32) {
                s.frenchKnotAdd({QPoint(1, 1), kBlue, 0}, true);
                s.frenchKnotSetColor(0, kRed, true);
            },
            5, 0, 0, {usedRed}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = TestDesigns::empty(4, 4, {kBlue, kRed});
        RecordingListener listener;
        d->setListener(&listener);
        StitchOperations ops(*d);
        c.steps(ops, d->stitch.BackGroundColor);
        const TColorInfo& red = d->stitch.Colors.at(kRed);
        EXPECT_EQ(red.colorCount, c.colorCount);
        EXPECT_EQ(red.quarterStitchesCount, c.quarters);
        EXPECT_EQ(red.backStitchesCount, c.back);
        EXPECT_EQ(d->stitch.chars->CharsUsed[size_t(red.charID)], c.colorCount >= 1 ? 1 : 0);
        EXPECT_EQ(d->stitch.chars->inUse(kRed), c.colorCount >= 1);
        int used = 0;
        for (const auto& [color, info] : d->stitch.Colors)
            used += info.colorCount >= 1 ? 1 : 0;
        EXPECT_EQ(d->stitch.usedColors(), used);
        QStringList redTransitions;
        for (const QString& line : transitionsOf(listener)) {
            if (line.endsWith(QLatin1String("0000ff")))
                redTransitions << line;
        }
        EXPECT_EQ(redTransitions, c.transitions);
    }
}

TEST(StitchOperations, NotificationsEndWithTheChangeAndCountsOnlyOnRefresh)
{
    struct Case
    {
        const char* name;
        std::function<void(StitchOperations&)> step;
        QStringList calls;
    };
    const Case cases[] = {
        {"new colour with refresh", [](StitchOperations& s) { s.updatePixel(1, 0, true, kRed); },
            {usedRed, QStringLiteral("cell 1 0"), QStringLiteral("counts")}},
        {"quarter without refresh", [](StitchOperations& s) { s.updateQPixel(3, 1, false, kRed); },
            {usedRed, QStringLiteral("quarter 3 1")}},
        {"outside the design", [](StitchOperations& s) { s.updatePixel(4, 0, true, kRed); }, {}},
        {"quarter outside the design", [](StitchOperations& s) { s.updateQPixel(-1, 0, true, kRed); }, {}},
        {"back stitch", [](StitchOperations& s) { s.backStitchesAdd({QPoint(0, 0), QPoint(2, 0), kRed, 0}, false); },
            {usedRed, QStringLiteral("backStitches")}},
        {"knot with refresh", [](StitchOperations& s) { s.frenchKnotAdd({QPoint(0, 0), kRed, 0}, true); },
            {usedRed, QStringLiteral("frenchKnots"), QStringLiteral("counts")}},
        {"rhode", [](StitchOperations& s) { s.RhodeAdd(rhodeOf(kRed, {{QPoint(0, 0), QPoint(0, 2)}}), false); },
            {usedRed, QStringLiteral("rhodes")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = TestDesigns::empty(4, 4, {kRed});
        RecordingListener listener;
        d->setListener(&listener);
        StitchOperations ops(*d);
        c.step(ops);
        EXPECT_EQ(listener.calls, c.calls);
    }
}

TEST(StitchOperations, ReplacingTheOnlyStitchOfAColourReportsBothTransitionsFirst)
{
    auto d = TestDesigns::empty(4, 4, {kRed, kBlue});
    StitchOperations ops(*d);
    ops.updatePixel(2, 3, false, kRed);
    RecordingListener listener;
    d->setListener(&listener);
    ops.updatePixel(2, 3, true, kBlue);
    EXPECT_EQ(listener.calls,
        (QStringList{unusedRed, QStringLiteral("used ff0000"), QStringLiteral("cell 2 3"), QStringLiteral("counts")}));
    EXPECT_EQ(d->stitch.usedColors(), 1);
}

TEST(StitchOperations, RhodeDeleteHandsTheRhodeBackUndestroyed)
{
    auto d = TestDesigns::empty(4, 4, {kRed});
    StitchOperations ops(*d);
    TRhodeRef placed = rhodeOf(kRed, {{QPoint(0, 0), QPoint(2, 2)}});
    const std::weak_ptr<TRhode> watch = placed;
    ops.RhodeAdd(placed, true);
    placed.reset();
    TRhodeRef taken = ops.RhodeDelete(0, true);
    EXPECT_TRUE(d->RhodeList.isEmpty());
    EXPECT_EQ(taken, watch.lock());
    taken.reset();
    EXPECT_TRUE(watch.expired());
}

TEST(StitchOperations, SymbolIndexBeyondTheSymbolStringTouchesNoMark)
{
    auto d = TestDesigns::empty(4, 4, {kRed});
    d->stitch.chars = std::make_unique<TCharacters>(QStringLiteral("abc"));
    d->stitch.Colors.at(kRed).charID = 3;
    StitchOperations ops(*d);
    ops.updatePixel(0, 0, true, kRed);
    EXPECT_EQ(d->stitch.chars->CharsUsed, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(d->stitch.usedColors(), 1);
    EXPECT_FALSE(d->stitch.chars->symbolOf(3).has_value());
    ops.updatePixel(0, 0, true, d->stitch.BackGroundColor);
    EXPECT_EQ(d->stitch.usedColors(), 0);
}

TEST(StitchOperations, KnotCountedByTheRecountStillLeavesUseWhenDeleted)
{
    // The recount weighs a knot 1 and deleting it takes 5: the count drops to -4 without ever
    // being 0, and the colour must leave use all the same.
    auto d = TestDesigns::empty(4, 4, {kRed});
    d->FrenchKnotList.append({QPoint(1, 1), kRed, 0});
    ColorUsage::CalcColorUsage(*d);
    ASSERT_EQ(d->stitch.Colors.at(kRed).colorCount, 1);
    StitchOperations ops(*d);
    ops.frenchKnotDelete(0, true);
    EXPECT_EQ(d->stitch.usedColors(), 0);
    EXPECT_FALSE(d->stitch.chars->inUse(kRed));
}

TEST(StitchOperations, AColourMissingFromTheTableGetsItsOwnEntry)
{
    auto d = TestDesigns::empty(4, 4, {kRed});
    StitchOperations ops(*d);
    ops.updatePixel(0, 0, true, kBlue);
    ASSERT_TRUE(d->stitch.Colors.contains(kBlue));
    EXPECT_EQ(d->stitch.Colors.at(kBlue).colorCount, 1);
    EXPECT_EQ(d->stitch.Colors.at(kRed).colorCount, 0);
}
