// Placing text: the buffer holds the ink alone, and the design grows to hold the text as one
// undo step that restores it exactly.
#include "DesignSnapshot.h"
#include "editing/ClipboardBuffer.h"
#include "editing/SelectionSession.h"
#include "editing/StitchOperations.h"
#include "editing/TextPlacement.h"
#include "editing/TextStitches.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kWhite = 0xFFFFFF;
}

TEST(TextPlacement, TheBufferHoldsTheInkAloneInTheThreadColour)
{
    const QImage mask = TextStitches::render(QStringLiteral("Hi"), QStringLiteral("DejaVu Sans"), 10, TextStitches::styleBold);
    ClipboardBuffer buffer;
    buffer.reset(3, 3, 0xFFFFFFFFu);
    buffer.BackStitches.append({QPoint(0, 0), QPoint(2, 2), kRed, 0});
    buffer.FrenchKnots.append({QPoint(1, 1), kRed, 0});
    buffer.Rhodes.append(std::make_shared<TRhode>());

    for (const TColorRef colour : {kRed, kWhite}) {
        TextPlacement::fillBuffer(buffer, mask, colour, 0xFFFFFFFFu);
        EXPECT_EQ(buffer.width(), mask.width());
        EXPECT_EQ(buffer.height(), mask.height());
        EXPECT_EQ(buffer.qbitmap.width(), 2 * mask.width());
        EXPECT_TRUE(buffer.BackStitches.isEmpty());
        EXPECT_TRUE(buffer.FrenchKnots.isEmpty());
        EXPECT_TRUE(buffer.Rhodes.isEmpty());
        int stitches = 0;
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const bool ink = mask.constScanLine(y)[x] != 0;
                EXPECT_EQ(!buffer.isEmptyCell(x, y), ink);
                if (ink) {
                    EXPECT_EQ(buffer.bitmap.canvasPixel(x, y), colour);
                    ++stitches;
                }
            }
        }
        EXPECT_GT(stitches, 10);
    }
}

TEST(TextPlacement, AutoEnlargeGrowsRightAndDownAndUndoesToTheDesignBefore)
{
    auto d = TestDesigns::empty(10, 6, {kRed});
    StitchOperations(*d).updatePixel(9, 5, false, kRed);
    const DesignSnapshot before = DesignSnapshot::of(*d);

    EXPECT_TRUE(TextPlacement::enlargeFor(*d, QSize(4, 3)));
    EXPECT_EQ(d->History.count(), 0) << "a text that fits changes nothing";

    EXPECT_TRUE(TextPlacement::enlargeFor(*d, QSize(25, 4)));
    EXPECT_EQ(d->width(), 25);
    EXPECT_EQ(d->height(), 6);
    EXPECT_EQ(d->CrossLayer.canvasPixel(9, 5), kRed);
    EXPECT_FALSE(d->stitch.fileSaved());

    // Merging the text at the top left, then undoing the merge and the size change.
    SelectionSession selection;
    TextPlacement::fillBuffer(selection.buffer(),
        TextStitches::render(QStringLiteral("Rose"), QStringLiteral("DejaVu Sans"), 10, TextStitches::styleBold), kRed,
        d->stitch.BackGroundColor);
    ASSERT_TRUE(selection.Paste(QPoint(0, 0)));
    ASSERT_TRUE(selection.Merge(*d));
    d->History.Undo();
    d->History.Undo();
    EXPECT_EQ(DesignSnapshot::of(*d), before) << DesignSnapshot::of(*d).firstDifference(before);

    const Status refused = TextPlacement::enlargeFor(*d, QSize(40000, 2));
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.text().contains(QStringLiteral("32767")));
    EXPECT_EQ(d->width(), 10);
}
