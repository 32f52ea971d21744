#include "editing/tools/GridSegment.h"
#include <gtest/gtest.h>

TEST(GridSegment, OnePositionPerStepOfTheLongerAxisBothEndsIncluded)
{
    struct Case
    {
        const char* name;
        QPoint from, to;
        QList<QPoint> points;
    };
    const std::vector<Case> cases = {
        {"one position", {2, 3}, {2, 3}, {{2, 3}}},
        {"along a row, backwards", {3, 0}, {0, 0}, {{3, 0}, {2, 0}, {1, 0}, {0, 0}}},
        {"shallow: x steps, y from the centre rounded down", {0, 0}, {4, 1}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}},
        {"steep", {0, 0}, {1, 3}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
        {"a diagonal is y-major", {0, 0}, {-2, -2}, {{0, 0}, {-1, -1}, {-2, -2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GridSegment::points(c.from, c.to), c.points);
    }
}
