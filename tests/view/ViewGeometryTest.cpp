#include "view/ViewGeometry.h"
#include <gtest/gtest.h>

TEST(ViewGeometry, CellSizeFollowsZoomAndMode)
{
    struct Case
    {
        int zoom;
        bool knitting;
        int width;
        int height;
    };
    const Case cases[] = {{8, false, 8, 8}, {5, true, 5, 4}, {8, true, 8, 6}, {10, true, 10, 7},
        {15, true, 15, 10}, {40, true, 40, 28}, {2, true, 2, 1}};
    for (const Case& c : cases) {
        const ViewGeometry g = ViewGeometry::forZoom(c.zoom, c.knitting);
        EXPECT_EQ(g.CellWidth, c.width) << c.zoom;
        EXPECT_EQ(g.CellHeight, c.height) << c.zoom;
    }
    EXPECT_EQ(ViewGeometry::zoomPercent(2), 50);
    EXPECT_EQ(ViewGeometry::zoomPercent(4), 100);
    EXPECT_EQ(ViewGeometry::zoomPercent(7), 175);
    EXPECT_EQ(ViewGeometry::zoomPercent(40), 1000);
    // Knitting cells of one pixel height still have halves of one pixel.
    EXPECT_EQ(ViewGeometry::forZoom(2, true).halfHeight(), 1);
}

TEST(ViewGeometry, PixelsMapToGridPositionsWithTheScroll)
{
    ViewGeometry g = ViewGeometry::forZoom(10, false, 3, 2);
    EXPECT_EQ(g.cellAt({0, 0}), QPoint(3, 2));
    EXPECT_EQ(g.cellAt({19, 9}), QPoint(4, 2));
    EXPECT_EQ(g.quarterAt({4, 5}), QPoint(6, 5));
    EXPECT_EQ(g.quarterAt({5, 4}), QPoint(7, 4));
    // The nearest half-cell point: a quarter cell away from a corner rounds to it.
    EXPECT_EQ(g.halfPointAt({2, 2}), QPoint(6, 4));
    EXPECT_EQ(g.halfPointAt({3, 3}), QPoint(7, 5));
    EXPECT_EQ(g.cellRect(4, 3), QRect(10, 10, 10, 10));
    EXPECT_EQ(g.pointPosition(7, 5), QPoint(5, 5));

    // Odd cell widths split a cell into halves of 2 and 3 pixels.
    g = ViewGeometry::forZoom(5, false);
    EXPECT_EQ(g.quarterRect(0, 0), QRect(0, 0, 2, 2));
    EXPECT_EQ(g.quarterRect(1, 1), QRect(2, 2, 3, 3));
}
