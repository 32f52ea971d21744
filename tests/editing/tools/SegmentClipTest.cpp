// The segment-against-box test shared by the eraser (screen pixels) and the replace-colour tool
// (half-cell units).
#include "editing/tools/SegmentClip.h"
#include <gtest/gtest.h>

TEST(SegmentClip, EdgesBelongToTheBox)
{
    struct Case
    {
        const char* name;
        QPoint a, b;
        bool meets;
    };
    const QRect box(QPoint(10, 10), QPoint(20, 20));
    const std::vector<Case> cases = {
        {"wholly inside", {12, 12}, {18, 18}, true},
        {"crossing it", {0, 15}, {30, 15}, true},
        {"ending on the left edge", {0, 15}, {10, 15}, true},
        {"running along the top edge", {0, 10}, {30, 10}, true},
        {"touching a corner diagonally", {0, 0}, {10, 10}, true},
        {"stopping one short", {0, 15}, {9, 15}, false},
        {"passing the corner outside", {0, 19}, {11, 30}, false},
        {"cutting the corner inside", {0, 20}, {11, 9}, true},
        {"beside it", {21, 0}, {21, 30}, false},
        {"a point inside", {15, 15}, {15, 15}, true},
        {"far away, large coordinates", {2000000, 0}, {2000000, 2000000}, false},
        {"large coordinates through it", {-2000000, -2000000}, {2000000, 2000000}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SegmentClip::meets(c.a, c.b, box), c.meets);
        EXPECT_EQ(SegmentClip::meets(c.b, c.a, box), c.meets) << "either direction";
    }
}
