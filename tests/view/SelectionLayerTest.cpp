// Floating content and the selection frame on pixels, and the size of the desktop picture.
#include "editing/SelectionSession.h"
#include "support/TestDesigns.h"
#include "view/ChartRenderer.h"
#include "view/SelectionLayer.h"
#include "view/SelectionPicture.h"
#include <QPainter>
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kNavy = 0x800000;
constexpr quint32 kRedPixel = 0xFFFF0000u;
constexpr quint32 kNavyPixel = 0xFF000080u;
constexpr quint32 kWhite = 0xFFFFFFFFu;

quint32 at(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000u;
}
} // namespace

TEST(SelectionLayer, FloatingContentIsDrawnFromTheBufferOverTheDesignWithEmptyCellsClear)
{
    // Design cell (2, 0) is navy; the buffer floats at cell (1, 0) scrolled one column away.
    auto d = TestDesigns::fromRows({"..n...", "......"}, {{'n', kNavy}});
    SelectionSession selection;
    selection.buffer().reset(3, 2, d->stitch.BackGroundColor);
    selection.buffer().bitmap.setCanvasPixel(0, 0, kRed);
    selection.buffer().qbitmap.setCanvasPixel(5, 3, kNavy);
    selection.buffer().FrenchKnots << TFrenchKnot{QPoint(2, 4), kRed, 0};
    selection.enter(QPoint(1, 0));
    ASSERT_TRUE(selection.Paste(QPoint(0, 0)));
    ViewGeometry g = ViewGeometry::forZoom(10, false, 1, 0);
    ViewOptions o;
    o.grid = false;
    o.selection = &selection;
    QImage frame(60, 30, QImage::Format_RGB32);
    ChartRenderer().render(frame, frame.rect(), *d, g, o);
    EXPECT_EQ(at(frame, 5, 5), kRedPixel) << "buffer cell (0, 0) at view cell (0, 0)";
    EXPECT_EQ(at(frame, 15, 5), kNavyPixel) << "an empty buffer cell shows the design";
    EXPECT_EQ(at(frame, 27, 17), kNavyPixel) << "the quarter (5, 3) covers pixels 25..29 x 15..19";
    EXPECT_EQ(at(frame, 22, 17), kWhite);
    EXPECT_EQ(at(frame, 10, 20), kRedPixel) << "the knot centred on point (2, 4)";
    EXPECT_EQ(at(frame, 45, 5), kWhite) << "the design beyond the content";

    // Only a region: the same pixels as the whole.
    QImage part(60, 30, QImage::Format_RGB32);
    part.fill(0);
    ChartRenderer().render(part, QRect(20, 10, 10, 10), *d, g, o);
    EXPECT_EQ(part.copy(20, 10, 10, 10), frame.copy(20, 10, 10, 10));
}

TEST(SelectionLayer, TheFrameHasRedHandlesAndAStippleThatMovesWithThePhase)
{
    const TRect s{1, 1, 4, 3};
    const ViewGeometry g = ViewGeometry::forZoom(10, false);
    const auto draw = [&](int phase) {
        QImage image(60, 40, QImage::Format_RGB32);
        image.fill(0xFF808080u);
        QPainter p(&image);
        SelectionLayer::drawFrame(p, s, g, phase, image.rect());
        return image;
    };
    const QImage first = draw(0), second = draw(1);
    EXPECT_EQ(at(first, 10, 10), 0xFFFF0000u) << "top-left handle";
    EXPECT_EQ(at(first, 25, 30), 0xFFFF0000u) << "bottom edge's middle handle";
    // Along the top edge from x = 10: W W W W B B B, then B B W W B W W B in the next phase.
    EXPECT_EQ(at(first, 14, 10), 0xFF000000u);
    EXPECT_EQ(at(first, 17, 10), kWhite);
    EXPECT_EQ(at(second, 14, 10), 0xFF000000u);
    EXPECT_EQ(at(second, 13, 10), kWhite);
    EXPECT_EQ(at(first, 20, 20), 0xFF808080u) << "the inside is left alone";
    EXPECT_TRUE(SelectionLayer::frameRegion(s, g).contains(QPoint(40, 20)));
    EXPECT_FALSE(SelectionLayer::frameRegion(s, g).contains(QPoint(20, 20)));
}

TEST(SelectionPicture, KeepsTheLongerSideWithin4096PixelsButNeverBelowOnePixelPerCell)
{
    struct Case
    {
        int columns, rows, zoom;
        QSize cell;
    };
    const Case cases[] = {
        {10, 10, 8, {8, 8}},
        {1000, 10, 8, {4, 4}},
        {10, 2000, 40, {2, 2}},
        {9000, 1, 8, {1, 1}},
    };
    for (const Case& c : cases) {
        const QSize cell = SelectionPicture::cellSize(c.columns, c.rows, ViewGeometry::forZoom(c.zoom, false));
        EXPECT_EQ(cell, c.cell) << c.columns << " x " << c.rows;
    }
    auto d = TestDesigns::fromRows({"n..", "..."}, {{'n', kNavy}});
    const QImage picture = SelectionPicture::render(*d, {-2, 0, 2, 5}, ViewGeometry::forZoom(8, false, 1, 1), {});
    EXPECT_EQ(picture.size(), QSize(16, 16)) << "the part on the design only";
    EXPECT_EQ(at(picture, 4, 4), kNavyPixel);
    EXPECT_TRUE(SelectionPicture::render(*d, {5, 0, 7, 2}, ViewGeometry(), {}).isNull());
}
