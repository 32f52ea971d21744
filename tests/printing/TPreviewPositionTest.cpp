// The page table for each key position, with margins, page numbers and grid numbers on and off,
// on an image export of 900 x 800 px with 20 px cells (title 30, comment 45, ruler band 30, key
// cells 135 x 18, legend distance 15). Expected numbers are worked out by hand from the rules.
#include "LayoutRun.h"
#include <gtest/gtest.h>

namespace {
struct PositionCase
{
    const char* name;
    TPosition position;
    int width = 100, height = 90, entries = 30;
    bool margins = false, pageNumbers = false, gridNumbers = false, keySizeFree = false;
    int hpages = 0, vpages = 0;
    QList<int> columnStarts; // cellXFirst of the chart pages along row 0
    QList<int> rowStarts;    // cellYFirst of the chart pages down column 0
    QPoint firstOffset;      // page (0, 0)
    QPoint keyAt;            // a page carrying key entries, and its numbers
    QPoint keyPageOffset;
    int keyOffset = 0, keycount = 0, keycols = 0, keyFirst = 0, keyRestart = 0;
};

void PrintTo(const PositionCase& c, std::ostream* os)
{
    *os << c.name;
}

class KeyPosition : public ::testing::TestWithParam<PositionCase>
{
};

bool chartPage(const TMyPage& p)
{
    return p.cellsX >= 1 && p.cellsY >= 1;
}

TEST_P(KeyPosition, CutsThePagesAndPlacesTheKey)
{
    const PositionCase& c = GetParam();
    LayoutRun run(c.width, c.height, c.entries);
    PrintOptions& o = run.preview.options;
    o.inlineBorder = c.margins;
    o.pageNumbers = c.pageNumbers;
    o.gridNumbers = c.gridNumbers;
    o.keySizeFromDesign = !c.keySizeFree;
    run.preview.position = c.position;
    run.preview.calc();
    ASSERT_TRUE(run.preview.status.isOk()) << run.preview.status.text().toStdString();
    EXPECT_TRUE(run.preview.warning.isEmpty());
    EXPECT_EQ(run.preview.position, c.position);
    EXPECT_EQ(run.preview.hpages, c.hpages);
    EXPECT_EQ(run.preview.vpages, c.vpages);

    QList<int> columns, rows;
    for (int i = 0; run.hasPage(i, 0); ++i) {
        if (chartPage(run.page(i, 0)))
            columns << run.page(i, 0).cellXFirst;
    }
    for (int j = 0; run.hasPage(0, j); ++j) {
        if (chartPage(run.page(0, j)))
            rows << run.page(0, j).cellYFirst;
    }
    EXPECT_EQ(columns, c.columnStarts);
    EXPECT_EQ(rows, c.rowStarts);
    EXPECT_EQ(QPoint(run.page(0, 0).xOffcetPx, run.page(0, 0).yOffcetPx), c.firstOffset);

    ASSERT_TRUE(run.hasPage(c.keyAt.x(), c.keyAt.y()));
    const TMyPage& key = run.page(c.keyAt.x(), c.keyAt.y());
    EXPECT_TRUE(run.preview.showsKey(key));
    EXPECT_EQ(QPoint(key.xOffcetPx, key.yOffcetPx), c.keyPageOffset);
    EXPECT_EQ(key.keyOffset, c.keyOffset);
    EXPECT_EQ(key.keycount, c.keycount);
    EXPECT_EQ(key.keycols, c.keycols);
    EXPECT_EQ(key.keyFirst, c.keyFirst);
    EXPECT_EQ(key.KeyRestart, c.keyRestart);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Separate, KeyPosition, ::testing::Values(
    PositionCase{"plain", pSeparate, 100, 90, 30, false, false, false, false, 4, 3,
        {0, 43, 88}, {0, 34, 74}, {0, 75}, {3, 0}, {0, 60}, 0, 30, 1, 0, 30},
    PositionCase{"grid numbers", pSeparate, 100, 90, 30, false, false, true, false, 4, 3,
        {0, 43, 86}, {0, 34, 72}, {0, 75}, {3, 0}, {0, 60}, 0, 30, 1, 0, 30},
    PositionCase{"margins and page numbers", pSeparate, 100, 90, 30, true, true, false, false, 4, 3,
        {0, 42, 85}, {0, 32, 70}, {15, 90}, {3, 0}, {15, 75}, 0, 30, 1, 0, 30},
    PositionCase{"second key page", pSeparate, 100, 90, 300, false, false, false, false, 4, 3,
        {0, 43, 88}, {0, 34, 74}, {0, 75}, {3, 1}, {0, 60}, 0, 41, 2, 246, 41}),
    [](const auto& info) { return QString::fromLatin1(info.param.name).replace(' ', '_').toStdString(); });

INSTANTIATE_TEST_SUITE_P(Top, KeyPosition, ::testing::Values(
    PositionCase{"plain", pTop, 100, 90, 30, false, false, false, false, 3, 3,
        {0, 43, 88}, {0, 31, 71}, {0, 144}, {1, 0}, {0, 144}, 0, 6, 3, 6, 13},
    PositionCase{"grid numbers", pTop, 100, 90, 30, false, false, true, false, 3, 3,
        {0, 43, 86}, {0, 31, 69}, {0, 144}, {2, 0}, {0, 144}, 0, 2, 3, 12, 14},
    PositionCase{"margins and page numbers", pTop, 100, 90, 30, true, true, false, false, 3, 3,
        {0, 42, 85}, {0, 29, 67}, {15, 159}, {2, 0}, {15, 159}, 0, 2, 3, 12, 14}),
    [](const auto& info) { return QString::fromLatin1(info.param.name).replace(' ', '_').toStdString(); });

INSTANTIATE_TEST_SUITE_P(Left, KeyPosition, ::testing::Values(
    PositionCase{"plain", pLeft, 100, 90, 30, false, false, false, false, 3, 3,
        {0, 36, 81}, {0, 34, 74}, {135, 75}, {0, 2}, {135, 0}, 0, 17, 1, 60, 77},
    PositionCase{"grid numbers", pLeft, 100, 90, 30, false, false, true, false, 3, 3,
        {0, 36, 79}, {0, 34, 72}, {135, 75}, {0, 2}, {135, 0}, 0, 20, 1, 60, 80},
    PositionCase{"margins and page numbers", pLeft, 100, 90, 30, true, true, false, false, 3, 3,
        {0, 35, 78}, {0, 32, 70}, {150, 90}, {0, 2}, {150, 15}, 0, 22, 1, 60, 82}),
    [](const auto& info) { return QString::fromLatin1(info.param.name).replace(' ', '_').toStdString(); });

INSTANTIATE_TEST_SUITE_P(Right, KeyPosition, ::testing::Values(
    PositionCase{"plain", pRight, 100, 90, 30, false, false, false, false, 3, 3,
        {0, 43, 88}, {0, 34, 74}, {0, 75}, {2, 2}, {0, 0}, 285, 17, 1, 60, 77},
    PositionCase{"grid numbers", pRight, 100, 90, 30, false, false, true, false, 3, 3,
        {0, 43, 86}, {0, 34, 72}, {0, 75}, {2, 2}, {0, 0}, 325, 20, 1, 60, 80},
    PositionCase{"key on an extra page", pRight, 88, 90, 30, false, false, false, false, 3, 3,
        {0, 43}, {0, 34, 74}, {0, 75}, {2, 0}, {0, 0}, 0, 30, 1, 0, 77}),
    [](const auto& info) { return QString::fromLatin1(info.param.name).replace(' ', '_').toStdString(); });

INSTANTIATE_TEST_SUITE_P(Bottom, KeyPosition, ::testing::Values(
    PositionCase{"plain", pBottom, 100, 90, 30, false, false, false, false, 3, 3,
        {0, 43, 88}, {0, 34, 74}, {0, 75}, {1, 2}, {0, 0}, 365, 6, 3, 6, 13},
    PositionCase{"grid numbers", pBottom, 100, 90, 30, false, false, true, false, 3, 3,
        {0, 43, 86}, {0, 34, 72}, {0, 75}, {1, 2}, {0, 0}, 435, 6, 3, 6, 14},
    PositionCase{"margins and page numbers", pBottom, 100, 90, 30, true, true, false, false, 3, 3,
        {0, 42, 85}, {0, 32, 70}, {15, 90}, {1, 2}, {15, 15}, 460, 6, 3, 6, 14},
    PositionCase{"key on an extra page", pBottom, 100, 74, 30, false, false, false, false, 3, 3,
        {0, 43, 88}, {0, 34}, {0, 75}, {0, 2}, {0, 0}, 0, 6, 3, 0, 13},
    PositionCase{"key size free", pBottom, 100, 90, 30, false, false, false, true, 3, 3,
        {0, 43, 88}, {0, 34, 74}, {0, 75}, {1, 2}, {0, 0}, 365, 6, 2, 6, 18}),
    [](const auto& info) { return QString::fromLatin1(info.param.name).replace(' ', '_').toStdString(); });
// clang-format on
} // namespace
