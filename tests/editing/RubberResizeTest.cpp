#include "editing/RubberResize.h"
#include <gtest/gtest.h>

TEST(RubberResize, SnapsEveryDragKindAtEveryEdge)
{
    const QSize design(20, 10);
    const TRect old{2, 3, 6, 7};
    struct Case
    {
        const char* name;
        TDragKind kind;
        TRect proposed;
        bool floating;
        TRect expected;
    };
    const Case cases[] = {
        {"move inside keeps the size", dkMove, {5, 1, 0, 0}, false, {5, 1, 9, 5}},
        {"move far left keeps one column", dkMove, {-30, 3, 0, 0}, false, {-3, 3, 1, 7}},
        {"move far up keeps one row", dkMove, {2, -9, 0, 0}, false, {2, -3, 6, 1}},
        {"move beyond the right keeps one column", dkMove, {25, 3, 0, 0}, false, {19, 3, 23, 7}},
        {"move beyond the bottom keeps one row", dkMove, {2, 40, 0, 0}, false, {2, 9, 6, 13}},
        {"move while floating is allowed", dkMove, {4, 4, 0, 0}, true, {4, 4, 8, 8}},
        {"left edge out to the left", dkLeft, {-3, 3, 6, 7}, false, {-3, 3, 6, 7}},
        {"left edge beyond the design stops at the last column", dkLeft, {30, 3, 40, 7}, false, {5, 3, 6, 7}},
        {"left edge past the right edge leaves one column", dkLeft, {9, 3, 6, 7}, false, {5, 3, 6, 7}},
        {"top edge past the bottom edge leaves one row", dkTop, {2, 12, 6, 7}, false, {2, 6, 6, 7}},
        {"right edge to column 0 leaves one column", dkRight, {2, 3, 0, 7}, false, {2, 3, 3, 7}},
        {"right edge beyond the design", dkRight, {2, 3, 25, 7}, false, {2, 3, 25, 7}},
        {"right edge at most one design size beyond", dkRight, {2, 3, 99, 7}, false, {2, 3, 40, 7}},
        {"bottom edge left of the top edge leaves one row", dkBottom, {2, 3, 6, -4}, false, {2, 3, 6, 4}},
        {"left edge at most one design size before", dkLeft, {-99, 3, 6, 7}, false, {-20, 3, 6, 7}},
        {"top-left corner combines both edges", dkTopLeft, {30, 30, 6, 7}, false, {5, 6, 6, 7}},
        {"bottom-right corner combines both edges", dkBottomRight, {2, 3, -5, -5}, false, {2, 3, 3, 4}},
        {"top-right corner moves only its edges", dkTopRight, {0, 1, 9, 0}, false, {2, 1, 9, 7}},
        {"bottom-left corner moves only its edges", dkBottomLeft, {1, 0, 0, 9}, false, {1, 3, 6, 9}},
        {"resize while floating is refused", dkRight, {2, 3, 12, 7}, true, old},
        {"corner resize while floating is refused", dkTopLeft, {0, 0, 6, 7}, true, old},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TRect r = RubberResize(c.kind, old, c.proposed, design, c.floating);
        EXPECT_EQ(r, c.expected) << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
        EXPECT_GE(r.width(), 1);
        EXPECT_GE(r.height(), 1);
        EXPECT_TRUE(r.Right >= 1 && r.Left <= design.width() - 1 && r.Bottom >= 1 && r.Top <= design.height() - 1)
            << "the frame keeps a row and a column on the design";
    }
}
