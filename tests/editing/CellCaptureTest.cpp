#include "editing/CellCapture.h"
#include <gtest/gtest.h>

TEST(CellCapture, FirstTouchWinsAndTheFrozenCopyRunsRowByRow)
{
    CellCapture capture;
    EXPECT_TRUE(capture.record(QPoint(2, 1), 10));
    EXPECT_TRUE(capture.record(QPoint(-1, 1), 11));
    EXPECT_TRUE(capture.record(QPoint(5, 0), 12));
    EXPECT_FALSE(capture.record(QPoint(2, 1), 99));
    EXPECT_TRUE(capture.record(QPoint(0, 3), 13));
    EXPECT_TRUE(capture.remove(QPoint(0, 3)));
    EXPECT_EQ(capture.value(QPoint(2, 1)), std::optional<quint32>(10));
    EXPECT_FALSE(capture.value(QPoint(0, 3)).has_value());

    const CellValues frozen = capture.frozen();
    const std::vector<CellValues::Entry> expected{{5, 0, 12}, {-1, 1, 11}, {2, 1, 10}};
    EXPECT_EQ(std::vector<CellValues::Entry>(frozen.begin(), frozen.end()), expected);
    EXPECT_TRUE(frozen.contains(QPoint(-1, 1)));
    EXPECT_FALSE(frozen.contains(QPoint(0, 3)));
    EXPECT_EQ(frozen.heldBytes(), 3 * 12);
    capture.clear();
    EXPECT_TRUE(capture.isEmpty());
    EXPECT_EQ(frozen.size(), 3);
}
