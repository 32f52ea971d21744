// The shape library of the rhodes tool: its current shape, removing shapes, and placing a copy
// of a shape on a design, and refusing it where it would reach off the design.
#include "model/RhodeShapes.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

namespace {
TRhodeRef shape(int width, int height, const QList<QList<int>>& stitches, bool original = false)
{
    return TestDesigns::rhodeShape(QStringLiteral("shape"), width, height, original, stitches);
}

// Fan 3: three stitches from the middle of the bottom edge of a 2 x 2 box to its top edge.
TRhodeRef fan()
{
    return shape(2, 2, {{2, 4, 0, 0}, {2, 4, 2, 0}, {2, 4, 4, 0}});
}

QList<QPoint> pointsOf(const TRhode& r)
{
    QList<QPoint> points;
    for (const TBackStitch& s : r.stitches)
        points << s.FromPoint << s.ToPoint;
    return points;
}
} // namespace

TEST(RhodeShapes, TheFirstShapeBecomesCurrentAndRemovingKeepsACurrentShape)
{
    RhodeShapes shapes;
    EXPECT_EQ(shapes.current(), nullptr);
    const TRhodeRef a = fan(), b = fan(), c = fan();
    shapes.append(a);
    shapes.append(b);
    shapes.append(c);
    EXPECT_EQ(shapes.current(), a);
    shapes.setCurrentIndex(2);
    EXPECT_EQ(shapes.current(), c);
    shapes.setCurrentIndex(7);
    EXPECT_EQ(shapes.current(), c) << "an index beyond the library changes nothing";

    ASSERT_TRUE(shapes.remove(0));
    EXPECT_EQ(shapes.current(), c) << "the current shape stays current";
    ASSERT_TRUE(shapes.remove(1));
    EXPECT_EQ(shapes.current(), b) << "the removed current shape hands over to the one before";
    ASSERT_TRUE(shapes.remove(0));
    EXPECT_EQ(shapes.currentIndex(), -1);
    EXPECT_FALSE(shapes.remove(0));
}

TEST(RhodeShapes, OriginalShapesCannotBeRemoved)
{
    RhodeShapes shapes;
    shapes.append(shape(1, 1, {{0, 0, 2, 2}}, true));
    EXPECT_FALSE(shapes.remove(0));
    EXPECT_EQ(shapes.size(), 1);
}

TEST(RhodeShapes, APlacedShapeHasItsBoxCentredOnThePoint)
{
    const TRhodeRef placed = RhodeShapes::place(*fan(), QPoint(10, 6), 0x123456, 4, 20, 20);
    ASSERT_TRUE(placed);
    EXPECT_EQ(pointsOf(*placed),
        (QList<QPoint>{{10, 8}, {8, 4}, {10, 8}, {10, 4}, {10, 8}, {12, 4}}));
    EXPECT_EQ(placed->color, 0x123456u);
    EXPECT_EQ(placed->index, 4);
    EXPECT_EQ(placed->width, 0);
    EXPECT_EQ(placed->height, 0);
    EXPECT_TRUE(placed->name.isEmpty());
    EXPECT_FALSE(placed->original);
    for (const TBackStitch& s : placed->stitches)
        EXPECT_EQ(s.Color, 0x123456u);
}

TEST(RhodeShapes, AShapeNearAnEdgeIsPlacedOnlyWhenAllItsPointsLieOnTheDesign)
{
    struct Case
    {
        const char* name;
        QPoint centre;
        bool placed;
    };
    // The design is 3 x 3 cells: points 0 .. 6 both ways. The fan reaches 2 left and right of
    // its centre, 2 above and 2 below.
    const std::vector<Case> cases = {
        {"top left corner itself", {0, 0}, false},
        {"one point short of the left edge", {1, 2}, false},
        {"touching the top left edges", {2, 2}, true},
        {"touching the bottom right edges", {4, 4}, true},
        {"one point past the right edge", {5, 4}, false},
        {"one point past the bottom edge", {4, 5}, false},
        {"beyond the right edge", {9, 3}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TRhodeRef placed = RhodeShapes::place(*fan(), c.centre, 0, 0, 3, 3);
        EXPECT_EQ(placed != nullptr, c.placed);
        if (placed) {
            const QPoint offset = c.centre - QPoint(2, 2);
            EXPECT_EQ(pointsOf(*placed),
                (QList<QPoint>{QPoint(2, 4) + offset, QPoint(0, 0) + offset, QPoint(2, 4) + offset,
                    QPoint(2, 0) + offset, QPoint(2, 4) + offset, QPoint(4, 0) + offset}));
        }
    }
}

TEST(RhodeShapes, NothingIsPlacedThatCannotLieOnTheDesign)
{
    EXPECT_EQ(RhodeShapes::place(*fan(), QPoint(1, 1), 0, 0, 1, 3), nullptr) << "wider than the design";
    EXPECT_EQ(RhodeShapes::place(*fan(), QPoint(1, 1), 0, 0, 3, 1), nullptr) << "higher than the design";
    EXPECT_NE(RhodeShapes::place(*fan(), QPoint(2, 2), 0, 0, 2, 2), nullptr) << "as large as the design";
    EXPECT_EQ(RhodeShapes::place(*shape(2, 2, {}), QPoint(2, 2), 0, 0, 5, 5), nullptr) << "no stitches";
}
