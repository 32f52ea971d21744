#include "DesignSnapshot.h"
#include "editing/StitchOperations.h"
#include "editing/TReduceColorsAction.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kA = 0x0000FF; // 8 cells: 8
constexpr TColorRef kB = 0x0000C0; // a cell and a back stitch of length 2: 3
constexpr TColorRef kC = 0x00FF00; // 3 cells: 3, after B in palette order
constexpr TColorRef kD = 0xFF0000; // a quarter and a rhode stitch of length 1: 2
constexpr TColorRef kE = 0x00FFFF; // a french knot: 5

std::unique_ptr<Design> fiveColours()
{
    auto d = TestDesigns::empty(4, 4, {kA, kB, kC, kD, kE});
    StitchOperations ops(*d);
    for (int i = 0; i < 8; ++i)
        ops.updatePixel(i % 4, i / 4, false, kA);
    ops.updatePixel(0, 2, false, kB);
    ops.backStitchesAdd({QPoint(0, 0), QPoint(0, 2), kB, 0}, false);
    for (int x = 1; x < 4; ++x)
        ops.updatePixel(x, 2, false, kC);
    ops.updateQPixel(0, 7, false, kD);
    auto rhode = std::make_shared<TRhode>();
    rhode->color = kD;
    rhode->stitches = {{QPoint(2, 2), QPoint(3, 3), 0, 0}};
    ops.RhodeAdd(rhode, false);
    ops.frenchKnotAdd({QPoint(5, 5), kE, 0}, false);
    return d;
}

QList<TColorRef> stitchColours(const Design& d)
{
    QList<TColorRef> colours;
    const auto add = [&](TColorRef c) {
        if (!colours.contains(c))
            colours << c;
    };
    for (const TBitmap32* layer : {&d.CrossLayer, &d.QuarterLayer}) {
        for (int y = 0; y < layer->height(); ++y) {
            for (int x = 0; x < layer->width(); ++x) {
                if (layer->pixel(x, y) != d.stitch.BackGroundColor)
                    add(layer->canvasPixel(x, y));
            }
        }
    }
    for (const TBackStitch& s : d.BackStitchList)
        add(s.Color);
    for (const TFrenchKnot& k : d.FrenchKnotList)
        add(k.Color);
    for (const TRhodeRef& r : d.RhodeList)
        add(r->color);
    return colours;
}
} // namespace

TEST(TReduceColorsAction, KeepsTheMostUsedAndMovesEveryStitchOfTheOthers)
{
    struct Case
    {
        int newCount;
        QList<TColorRef> replaced; // least used first; equal counts by palette order
        QList<TColorRef> kept;
    };
    const Case cases[] = {
        {0, {kD, kB, kC, kE}, {kA}},
        {1, {kD, kB, kC, kE}, {kA}},
        {2, {kD, kB, kC}, {kA, kE}},
        {3, {kD, kB}, {kA, kC, kE}},
        {4, {kD}, {kA, kB, kC, kE}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.newCount);
        auto d = fiveColours();
        const DesignSnapshot before = DesignSnapshot::of(*d);
        EXPECT_EQ(TReduceColorsAction::replacedColors(*d, c.newCount), c.replaced);
        d->stitch.reduceColors(c.newCount);
        ASSERT_EQ(d->History.count(), 1);

        QList<TColorRef> remaining = stitchColours(*d);
        std::sort(remaining.begin(), remaining.end());
        QList<TColorRef> kept = c.kept;
        std::sort(kept.begin(), kept.end());
        EXPECT_EQ(remaining, kept);
        EXPECT_EQ(d->stitch.usedColors(), int(c.kept.size()));
        expectUndoAndRedo(*d, before);
    }
}

TEST(TReduceColorsAction, NoMoreColoursInUseThanAskedForChangesNothing)
{
    for (int newCount : {5, 6, 500}) {
        SCOPED_TRACE(newCount);
        auto d = fiveColours();
        d->stitch.setFileSaved(true);
        d->stitch.reduceColors(newCount);
        EXPECT_EQ(d->History.count(), 0);
        EXPECT_TRUE(d->stitch.fileSaved());
    }
}

TEST(TReduceColorsAction, ReducingToNothingNeverWritesTheNoColourValue)
{
    // The nearest-colour search answers kNoColor over an empty table; a reduction to zero
    // colours must still keep one, so no stitch is ever given that value.
    auto d = fiveColours();
    d->stitch.reduceColors(0);
    EXPECT_FALSE(d->stitch.Colors.contains(kNoColor));
    EXPECT_EQ(stitchColours(*d), QList<TColorRef>{kA});
}
