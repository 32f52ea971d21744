// Copy, cut, merge and the transforms of floating content, on small designs.
#include "DesignSnapshot.h"
#include "editing/ClipboardBuffer.h"
#include "editing/SelectionOperations.h"
#include "editing/StitchOperations.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>
#include <functional>
#include <random>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kBlue = 0xFF0000;

TRhodeRef cross(int x, int y, TColorRef color)
{
    auto r = std::make_shared<TRhode>();
    r->color = color;
    r->stitches = {{QPoint(x, y), QPoint(x + 2, y + 2), 0, 0}, {QPoint(x + 2, y), QPoint(x, y + 2), 0, 0}};
    return r;
}

// 4 x 3 cells:  R B . .   a blue quarter in cell (1, 1), a red knot at (1, 1), a blue one at
//               . b . .   the corner (8, 6), a red back stitch (0, 0)-(2, 2), a blue one
//               . . . R   (6, 0)-(8, 6) and a red rhode over cell (1, 1).
void fill(Design& d)
{
    StitchOperations ops(d);
    ops.updatePixel(0, 0, false, kRed);
    ops.updatePixel(1, 0, false, kBlue);
    ops.updatePixel(3, 2, false, kRed);
    ops.updateQPixel(2, 2, false, kBlue);
    ops.backStitchesAdd({QPoint(0, 0), QPoint(2, 2), kRed, 0}, false);
    ops.backStitchesAdd({QPoint(6, 0), QPoint(8, 6), kBlue, 1}, false);
    ops.frenchKnotAdd({QPoint(1, 1), kRed, 0}, false);
    ops.frenchKnotAdd({QPoint(8, 6), kBlue, 1}, false);
    ops.RhodeAdd(cross(2, 2, kRed), false);
}

std::unique_ptr<Design> busy()
{
    auto d = TestDesigns::empty(4, 3, {kRed, kBlue});
    fill(*d);
    return d;
}

int nonEmpty(const TBitmap32& layer, TColor32 background)
{
    int n = 0;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            n += layer.pixel(x, y) != background;
    return n;
}
} // namespace

TEST(SelectionOperations, EdgeCases)
{
    const std::function<void()> cases[] = {
        [] {
            SCOPED_TRACE("a copy two columns left of the design, merged at the same place into an empty one");
            auto d = busy();
            ClipboardBuffer buffer;
            const TRect r{-2, 0, 4, 3};
            SelectionOperations::Copy(*d, buffer, r, true);
            ASSERT_EQ(buffer.width(), 6);
            for (int y = 0; y < 3; ++y)
                EXPECT_TRUE(buffer.isEmptyCell(0, y) && buffer.isEmptyCell(1, y));
            EXPECT_EQ(buffer.FrenchKnots.first().Center, QPoint(5, 1));
            auto empty = TestDesigns::empty(4, 3, {kRed, kBlue});
            ASSERT_TRUE(SelectionOperations::Merge(*empty, buffer, r));
            EXPECT_EQ(DesignSnapshot::of(*d).firstDifference(DesignSnapshot::of(*empty)), "");
            EXPECT_EQ(countsAgainstRecount(*empty), "");
        },
        [] {
            SCOPED_TRACE("a back stitch or a rhode reaching out of the selection stays behind");
            auto d = busy();
            ClipboardBuffer buffer;
            SelectionOperations::Copy(*d, buffer, {0, 0, 1, 1}, true);
            ASSERT_EQ(buffer.BackStitches.size(), 1);
            EXPECT_EQ(buffer.BackStitches[0].ToPoint, QPoint(2, 2));
            EXPECT_TRUE(buffer.Rhodes.isEmpty());
            EXPECT_EQ(buffer.FrenchKnots.size(), 1);
            SelectionOperations::Copy(*d, buffer, {1, 1, 2, 2}, true);
            EXPECT_EQ(buffer.Rhodes.size(), 1);
            EXPECT_EQ(buffer.Rhodes[0]->stitches[0].FromPoint, QPoint(0, 0));
        },
        [] {
            SCOPED_TRACE("hidden back stitches: cells, quarters and knots only");
            auto d = busy();
            ClipboardBuffer buffer;
            ASSERT_TRUE(SelectionOperations::Cut(*d, buffer, {0, 0, 4, 3}, false));
            EXPECT_EQ(nonEmpty(buffer.bitmap, buffer.background), 3);
            EXPECT_EQ(nonEmpty(buffer.qbitmap, buffer.background), 1);
            EXPECT_EQ(buffer.FrenchKnots.size(), 2);
            EXPECT_TRUE(buffer.BackStitches.isEmpty() && buffer.Rhodes.isEmpty());
            EXPECT_EQ(d->BackStitchList.size(), 2);
            EXPECT_EQ(d->RhodeList.size(), 1);
            EXPECT_TRUE(d->FrenchKnotList.isEmpty());
        },
        [] {
            SCOPED_TRACE("a full stitch and a quarter of one cell merge to the quarter only");
            auto d = TestDesigns::fromRows({"..b."}, {{'b', kBlue}});
            ClipboardBuffer buffer;
            buffer.reset(1, 1, d->stitch.BackGroundColor);
            buffer.bitmap.setCanvasPixel(0, 0, kRed);
            buffer.qbitmap.setCanvasPixel(1, 0, kBlue);
            ASSERT_TRUE(SelectionOperations::Merge(*d, buffer, {2, 0, 3, 1}));
            EXPECT_TRUE(d->isEmptyCell(2, 0));
            EXPECT_EQ(d->QuarterLayer.canvasPixel(5, 0), kBlue);
            EXPECT_EQ(nonEmpty(d->QuarterLayer, d->stitch.BackGroundColor), 1);
        },
        [] {
            SCOPED_TRACE("rotating a 3 x 2 buffer right gives 2 x 3 and moves a knot at (0, 0) to (4, 0)");
            ClipboardBuffer buffer;
            buffer.reset(3, 2, 0xFFFFFFFFu);
            buffer.FrenchKnots << TFrenchKnot{QPoint(0, 0), kRed, 0};
            buffer.bitmap.setCanvasPixel(0, 0, kRed);
            TRect r{5, 6, 8, 8};
            SelectionOperations::RotateRight(buffer, r);
            EXPECT_EQ(buffer.width(), 2);
            EXPECT_EQ(buffer.height(), 3);
            EXPECT_EQ(buffer.qbitmap.width(), 4);
            EXPECT_EQ(buffer.FrenchKnots[0].Center, QPoint(4, 0));
            EXPECT_EQ(buffer.bitmap.canvasPixel(1, 0), kRed);
            EXPECT_EQ(r, (TRect{5, 6, 7, 9}));
        },
        [] {
            SCOPED_TRACE("undo after a cut restores everything at its place");
            auto d = busy();
            const DesignSnapshot before = DesignSnapshot::of(*d);
            ClipboardBuffer buffer;
            ASSERT_TRUE(SelectionOperations::Cut(*d, buffer, {-1, 0, 4, 4}, true));
            EXPECT_EQ(nonEmpty(d->CrossLayer, d->stitch.BackGroundColor), 0);
            EXPECT_TRUE(d->BackStitchList.isEmpty() && d->RhodeList.isEmpty() && d->FrenchKnotList.isEmpty());
            EXPECT_EQ(buffer.BackStitches.size(), 2);
            EXPECT_EQ(buffer.BackStitches[0].FromPoint, QPoint(2, 0)) << "relative and in drawing order";
            expectUndoAndRedo(*d, before);
        },
        [] {
            SCOPED_TRACE("a merge reaching out of the design writes and restores its part on the design only");
            auto d = busy();
            ClipboardBuffer buffer;
            SelectionOperations::Copy(*d, buffer, {0, 0, 4, 3}, true);
            const DesignSnapshot before = DesignSnapshot::of(*d);
            ASSERT_TRUE(SelectionOperations::Merge(*d, buffer, {2, 1, 6, 4}));
            EXPECT_EQ(d->CrossLayer.canvasPixel(2, 1), kRed);
            EXPECT_EQ(d->CrossLayer.canvasPixel(3, 1), kBlue);
            EXPECT_EQ(d->QuarterLayer.canvasPixel(6, 4), kBlue);
            EXPECT_EQ(d->FrenchKnotList.size(), 3) << "the knot at (5, 3) lands, the corner one falls off";
            EXPECT_EQ(d->BackStitchList.size(), 3);
            EXPECT_EQ(d->RhodeList.size(), 2);
            expectUndoAndRedo(*d, before);
        },
        [] {
            SCOPED_TRACE("a cut of nothing and a merge that changes nothing record nothing");
            auto d = busy();
            ClipboardBuffer buffer;
            EXPECT_FALSE(SelectionOperations::Cut(*d, buffer, {1, 2, 3, 3}, true));
            EXPECT_FALSE(SelectionOperations::Merge(*d, buffer, {0, 1, 2, 2}));
            buffer.reset(2, 1, d->stitch.BackGroundColor);
            buffer.bitmap.setCanvasPixel(0, 0, kRed);
            buffer.bitmap.setCanvasPixel(1, 0, kBlue);
            EXPECT_FALSE(SelectionOperations::Merge(*d, buffer, {0, 0, 2, 1})) << "the same stitches are there";
            EXPECT_FALSE(d->History.canUndo());
            ClipboardBuffer none;
            EXPECT_FALSE(SelectionOperations::Merge(*d, none, {0, 0, 1, 1}));
        },
    };
    for (const auto& c : cases)
        c();
}

TEST(SelectionOperations, TransformLawsHoldOnRandomBuffers)
{
    std::mt19937 random(7);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    for (int round = 0; round < 40; ++round) {
        ClipboardBuffer buffer;
        const int w = 1 + pick(5), h = 1 + pick(5);
        buffer.reset(w, h, 0xFFFFFFFFu);
        for (int i = 0; i < w * h; ++i) {
            buffer.bitmap.setCanvasPixel(pick(w), pick(h), TColorRef(pick(3)));
            buffer.qbitmap.setCanvasPixel(pick(2 * w), pick(2 * h), TColorRef(pick(3)));
        }
        const auto point = [&] { return QPoint(pick(2 * w + 1), pick(2 * h + 1)); };
        buffer.BackStitches << TBackStitch{point(), point(), kRed, 0};
        buffer.FrenchKnots << TFrenchKnot{point(), kBlue, 0};
        buffer.Rhodes << cross(pick(2 * w - 1), pick(2 * h - 1), kRed);
        const TRect start{pick(9), pick(9), 0, 0};
        TRect r{start.Left, start.Top, start.Left + w, start.Top + h};
        const TRect original = r;
        const auto same = [&](const ClipboardBuffer& other, const char* law) {
            SCOPED_TRACE(law);
            EXPECT_TRUE(buffer.bitmap == other.bitmap);
            EXPECT_TRUE(buffer.qbitmap == other.qbitmap);
            EXPECT_EQ(buffer.BackStitches, other.BackStitches);
            EXPECT_EQ(buffer.FrenchKnots, other.FrenchKnots);
            EXPECT_TRUE(buffer.Rhodes[0]->sameContent(*other.Rhodes[0]));
            EXPECT_EQ(r, original);
        };
        ClipboardBuffer copy = buffer;
        copy.Rhodes = {buffer.Rhodes[0]->Clone()};
        for (int i = 0; i < 4; ++i)
            SelectionOperations::RotateRight(buffer, r);
        same(copy, "four right turns");
        SelectionOperations::MirrorHorizontal(buffer);
        SelectionOperations::MirrorHorizontal(buffer);
        same(copy, "two horizontal mirrors");
        SelectionOperations::MirrorVertical(buffer);
        SelectionOperations::MirrorVertical(buffer);
        same(copy, "two vertical mirrors");
        SelectionOperations::RotateRight(buffer, r);
        SelectionOperations::RotateLeft(buffer, r);
        same(copy, "right then left");
    }
}
