#include "printing/StitchStepFlow.h"
#include "printing/StitchStepList.h"
#include "support/TestDesigns.h"
#include <QRandomGenerator>
#include <gtest/gtest.h>

TEST(StitchStepList, RunsEndWhereTheStoredCellChanges)
{
    // A white stitch on the white background is a stitch, never part of an empty run.
    auto d = TestDesigns::fromRows({"ww.w", "aab.", "...."}, {{'w', 0xFFFFFF}, {'a', 0x000080}, {'b', 0x00FF00}});
    d->QuarterLayer.setCanvasPixel(6, 4, 0x000080); // quarters take no part
    const QList<TStitchListItem> steps = StitchStepList::build(*d);
    const struct
    {
        int row, count;
        bool background;
        TColorRef color;
    } expected[] = {{1, 2, false, 0xFFFFFF}, {1, 1, true, 0xFFFFFF}, {1, 1, false, 0xFFFFFF}, {2, 2, false, 0x000080},
        {2, 1, false, 0x00FF00}, {2, 1, true, 0xFFFFFF}, {3, 4, true, 0xFFFFFF}};
    ASSERT_EQ(steps.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(steps[i].Row, expected[i].row) << i;
        EXPECT_EQ(steps[i].Count, expected[i].count) << i;
        EXPECT_EQ(steps[i].isBackgroud, expected[i].background) << i;
        EXPECT_EQ(steps[i].Color, expected[i].color) << i;
    }
    EXPECT_EQ(steps[3].ColorName, QStringLiteral("Colour 000080"));
    EXPECT_EQ(steps[3].SymbolColor, 0xFFFFFFFFu);
    EXPECT_EQ(steps[0].SymbolColor, 0xFF000000u);
    EXPECT_FALSE(steps[3].Symbol.isEmpty());
    EXPECT_TRUE(steps[1].ColorName.isEmpty());
    EXPECT_EQ(StitchStepFlow::lineCount(steps), 7 + 3);
}

TEST(StitchStepFlow, PlacesEveryLineAsTheLineByLineFlowDoes)
{
    QRandomGenerator random(7);
    for (int round = 0; round < 200; ++round) {
        const int keyWidth = random.bounded(1, 200), keyHeight = random.bounded(1, 40);
        const int pageWidth = random.bounded(1, 1000), pageHeight = random.bounded(1, 1000);
        const int top = random.bounded(0, 300);
        const StitchStepFlow flow(pageWidth, pageHeight, top, keyWidth, keyHeight);
        const int lines = random.bounded(1, 600);
        int y = top, column = 0, page = 0;
        for (int line = 0; line < lines; ++line) {
            const StitchStepFlow::Place place = flow.place(line);
            ASSERT_EQ(place.page, page) << round << " line " << line;
            ASSERT_EQ(place.column, column) << round << " line " << line;
            ASSERT_EQ(place.y, y) << round << " line " << line;
            y += keyHeight;
            if (pageHeight < y + keyHeight) {
                y = top;
                if (pageWidth < (++column + 1) * keyWidth) {
                    column = 0;
                    ++page;
                }
            }
        }
        EXPECT_EQ(flow.pageCount(lines), flow.place(lines - 1).page + 1);
    }
}

TEST(StitchStepFlow, LinesFillingTheLastPageExactlyNeedNoFurtherPage)
{
    // 800 px high, lines from 30 in steps of 18: 42 a column; 900 px wide: 6 columns of 135.
    const StitchStepFlow flow(900, 800, 30, 135, 18);
    EXPECT_EQ(flow.pageCount(2 * 6 * 42), 2);
    EXPECT_EQ(flow.pageCount(2 * 6 * 42 + 1), 3);
    EXPECT_EQ(flow.pageCount(0), 0);
    // A top margin shortens the columns.
    EXPECT_EQ(StitchStepFlow(900, 800, 30 + 45, 135, 18).linesPerColumn(), 40);
}
