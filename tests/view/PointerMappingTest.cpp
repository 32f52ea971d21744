// The grid positions the tools get for a view pixel: cell, quarter, nearest half-cell point and
// the pixel in the whole design, scrolled and in knitting cells.
#include "support/TestDesigns.h"
#include "view/PointerMapping.h"
#include <gtest/gtest.h>

TEST(PointerMapping, GridPositionsUnderAViewPixel)
{
    struct Case
    {
        const char* name;
        ViewGeometry geometry;
        QPoint pixel;
        QPoint cell, quarter, point, designPixel;
        bool cellInside, pointInside;
    };
    // The design is 10 x 6 cells.
    const std::vector<Case> cases = {
        {"top left", ViewGeometry::forZoom(8, false), {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, true, true},
        {"nearest point rounds up past a quarter cell", ViewGeometry::forZoom(8, false), {6, 1}, {0, 0}, {1, 0},
            {2, 0}, {6, 1}, true, true},
        {"scrolled by 3 columns and 2 rows", ViewGeometry::forZoom(8, false, 3, 2), {13, 9}, {4, 3}, {9, 6},
            {9, 6}, {37, 25}, true, true},
        {"knitting cells are 8 x 6", ViewGeometry::forZoom(8, true), {8, 13}, {1, 2}, {2, 4}, {2, 4}, {8, 13}, true,
            true},
        {"past the right edge", ViewGeometry::forZoom(8, false), {83, 4}, {10, 0}, {20, 1}, {21, 1}, {83, 4}, false,
            false},
        {"the far corner point is on the design", ViewGeometry::forZoom(8, false), {79, 47}, {9, 5}, {19, 11},
            {20, 12}, {79, 47}, true, true},
    };
    const auto d = TestDesigns::empty(10, 6, {});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ToolPointer p = PointerMapping::at(c.geometry, c.pixel, *d);
        EXPECT_EQ(p.cell, c.cell);
        EXPECT_EQ(p.quarter, c.quarter);
        EXPECT_EQ(p.point, c.point);
        EXPECT_EQ(p.designPixel, c.designPixel);
        EXPECT_EQ(p.cellSize, QSize(c.geometry.CellWidth, c.geometry.CellHeight));
        EXPECT_EQ(p.cellInside, c.cellInside);
        EXPECT_EQ(p.quarterInside, c.cellInside);
        EXPECT_EQ(p.pointInside, c.pointInside);
    }
}
