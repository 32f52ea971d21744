#include "LayoutRun.h"
#include <gtest/gtest.h>

TEST(TPreview, ExportOf900x800WithGrid20ShowsTheWorkedFirstPageAndKeyColumn)
{
    LayoutRun run(100, 90, 30);
    run.preview.calc();
    ASSERT_TRUE(run.preview.status.isOk());
    const TMyPage& first = run.page(0, 0);
    EXPECT_EQ(first.PrintStitches, psBoth);
    EXPECT_TRUE(first.isLeft && first.isTop);
    EXPECT_EQ(first.cellsX, 43);
    EXPECT_EQ(first.cellsY, 34);
    EXPECT_EQ(first.yOffcetPx, 75);
    EXPECT_EQ(first.pageNum, 1);
    EXPECT_TRUE(run.page(3, 0).keysOnly);
    EXPECT_EQ(run.preview.pageNumber, 10);
    EXPECT_EQ(run.preview.keysAcross(), 6);
    EXPECT_EQ(run.preview.keysDown(), 44);
}

TEST(TPreview, DesignSmallerThanAPageIsOneChartPage)
{
    for (TPosition position : {pLeft, pTop, pRight, pBottom, pSeparate}) {
        LayoutRun run(7, 5, 0);
        run.preview.position = position;
        run.preview.calc();
        ASSERT_TRUE(run.preview.status.isOk());
        ASSERT_EQ(run.preview.PageMap.size(), 1u) << position;
        EXPECT_EQ(run.page(0, 0).cellsX, 7);
        EXPECT_EQ(run.page(0, 0).cellsY, 5);
    }
}

TEST(TPreview, KnittingCellsAreSevenTenthsAsHigh)
{
    LayoutRun exported(10, 10, 1);
    exported.preview.options.knitting = true;
    exported.preview.options.JPEGGrid = 90;
    exported.preview.calc();
    EXPECT_EQ(exported.preview.gridWidthPx, 90);
    EXPECT_EQ(exported.preview.gridHeightPx, 62); // trunc(0.7 * 90) in doubles

    LayoutRun printed(10, 10, 1);
    printed.preview.options.exportImage = false;
    printed.preview.options.knitting = true;
    printed.preview.setPrinter({210, 297, 9921, 14031, 1200});
    printed.preview.calc();
    ASSERT_TRUE(printed.preview.status.isOk());
    EXPECT_DOUBLE_EQ(printed.preview.gridWidthPx, 3.0 * 9921 / 210);
    EXPECT_DOUBLE_EQ(printed.preview.gridHeightPx, 0.7 * 3.0 * (14031.0 / 297));
}

TEST(TPreview, TooManyKeyRowsOrColumnsSwitchToSeparateWithTheWarning)
{
    // 10 x 10 cells hold one key cell per row (pTop) or 11 per column (pLeft).
    for (const auto& [position, entries] : {std::pair{pTop, 40}, std::pair{pLeft, 200}}) {
        LayoutRun run(10, 10, entries);
        run.preview.position = position;
        run.preview.calc();
        ASSERT_TRUE(run.preview.status.isOk());
        EXPECT_EQ(run.preview.position, pSeparate);
        EXPECT_EQ(run.preview.warning,
            QStringLiteral("Project has too many colors. For best result of printing use Separate position"));
        EXPECT_TRUE(run.page(1, 0).keysOnly);
    }
}

TEST(TPreview, KeySizedByATooNarrowChartFallsBackToTheFreeSize)
{
    // Five cells of 20 px are narrower than one key cell of 135 px.
    LayoutRun run(5, 5, 8);
    run.preview.position = pTop;
    run.preview.calc();
    const TMyPage& page = run.page(0, 0);
    EXPECT_EQ(page.keycount, 6); // min(keys across, entries)
    EXPECT_EQ(page.keycols, 2);
    EXPECT_TRUE(run.preview.options.keySizeFromDesign);
}

TEST(TPreview, NoLayoutLeavesNoPagesAndSaysWhy)
{
    struct Case
    {
        const char* message;
        std::function<void(TPreview&)> change;
    } cases[] = {
        {"An image export needs", [](TPreview& p) { p.options.JPEGWidth = 0; }},
        {"An image export needs", [](TPreview& p) { p.options.JPEGGrid = 0; }},
        {"The margins and the page numbers leave no room",
            [](TPreview& p) {
                p.options.inlineBorder = true;
                p.options.BorderLeft = p.options.BorderRight = 450;
            }},
        {"The margins and the page numbers leave no room",
            [](TPreview& p) {
                p.options.JPEGHeight = 10;
                p.options.pageNumbers = true;
            }},
        {"The margins and the page numbers leave no room",
            [](TPreview& p) {
                p.options.exportImage = false;
                p.setPrinter({});
            }},
        {"A cell of the chart would be less than one pixel",
            [](TPreview& p) {
                p.options.knitting = true;
                p.options.JPEGGrid = 1;
            }},
        {"The page cannot hold one key entry", [](TPreview& p) { p.options.JPEGWidth = 100; }},
        {"The page cannot hold one cell of the chart beside its ruler", [](TPreview& p) { p.options.JPEGGrid = 871; }},
        {"The page cannot hold the title, the comment and the ruler", [](TPreview& p) { p.options.JPEGHeight = 104; }},
        {"A key page cannot hold one key entry below its heading",
            [](TPreview& p) {
                p.options.printDesign = false;
                p.options.JPEGHeight = 137;
            }},
    };
    for (const Case& c : cases) {
        LayoutRun run(30, 30, 3);
        c.change(run.preview);
        run.preview.calc();
        EXPECT_FALSE(run.preview.status.isOk()) << c.message;
        EXPECT_TRUE(run.preview.status.text().startsWith(QLatin1String(c.message)))
            << run.preview.status.text().toStdString();
        EXPECT_TRUE(run.preview.PageMap.empty());
        EXPECT_EQ(run.preview.pageNumber, 0);
    }
}

TEST(TPreview, BackStitchesApartCopyTheChartPagesOnlyWhenThereAreBackStitches)
{
    LayoutRun run(100, 90, 30);
    run.preview.options.backStitchesSeparate = true;
    run.preview.calc();
    EXPECT_EQ(run.preview.vpages, 3);
    EXPECT_EQ(run.page(0, 0).PrintStitches, psCrossStitchOnly);

    run.addBackStitch();
    run.preview.calc();
    EXPECT_EQ(run.preview.vpages, 6);
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 3; ++i) {
            TMyPage copy = run.page(i, j + 3);
            EXPECT_EQ(copy.PrintStitches, psBackStitchOnly);
            copy.PrintStitches = psCrossStitchOnly;
            copy.pageNum = run.page(i, j).pageNum;
            EXPECT_EQ(copy, run.page(i, j));
        }
    }
    EXPECT_FALSE(run.hasPage(3, 3)); // the key column is not copied
}

TEST(TPreview, BookPagesFollowInTheirOrder)
{
    // 271 entries fill one sheet of 10 x 27 labels and one label of a second sheet.
    LayoutRun run(100, 90, 271);
    PrintOptions& o = run.preview.options;
    o.printTitle = o.stitchList = o.printLabels = o.printContents = o.printInfo = true;
    run.preview.calc();
    ASSERT_TRUE(run.preview.status.isOk());
    EXPECT_EQ(run.page(0, 0).PrintStitches, psBookHeader);
    EXPECT_EQ(run.page(0, 1).cellYFirst, 0); // the chart moved down one row
    // 90 empty rows: 90 headings and 90 runs, 42 lines a column, 6 columns a page: one page.
    ASSERT_EQ(run.preview.StitchSteps.size(), 90);
    EXPECT_EQ(run.page(0, 4).PrintStitches, psStitchList);
    EXPECT_FALSE(run.hasPage(1, 4));
    EXPECT_EQ(run.page(0, 5).PrintStitches, psLabels);
    EXPECT_EQ(run.page(0, 6).PrintStitches, psLabels);
    EXPECT_EQ(run.page(0, 7).PrintStitches, psContents);
    EXPECT_EQ(run.page(0, 8).PrintStitches, psBookFooter);
    EXPECT_EQ(run.preview.vpages, 9);
    EXPECT_EQ(run.page(0, 8).pageNum, run.preview.pageNumber);

    run.preview.KeyEntries.resize(270);
    run.preview.calc();
    EXPECT_EQ(run.page(0, 6).PrintStitches, psContents);
}

TEST(TPreview, StitchStepPagesFillTheRowsOfThePageTable)
{
    // 2000 lines at 42 a column and 6 columns a page need 8 pages, laid 4 to a row.
    LayoutRun run(100, 1000, 1);
    run.preview.options.stitchList = true;
    run.preview.calc();
    const int chartRows = 1 + (1000 - 34 + 39) / 40;
    EXPECT_EQ(run.preview.hpages, 4);
    EXPECT_EQ(run.page(3, chartRows + 1).PrintStitches, psStitchList);
    EXPECT_FALSE(run.hasPage(0, chartRows + 2));
    EXPECT_EQ(run.preview.vpages, chartRows + 2);
}

TEST(TPreview, SelectionRemovesUnselectedPagesBeforeNumbering)
{
    LayoutRun legendOnly(100, 90, 30);
    legendOnly.preview.options.printDesign = false;
    legendOnly.preview.calc();
    ASSERT_EQ(legendOnly.preview.PageMap.size(), 1u);
    EXPECT_EQ(legendOnly.page(3, 0).pageNum, 1);

    LayoutRun designOnly(100, 90, 30);
    designOnly.preview.options.printLegend = false;
    designOnly.preview.calc();
    EXPECT_EQ(designOnly.preview.pageNumber, 9);
    EXPECT_FALSE(designOnly.hasPage(3, 0));
    EXPECT_EQ(designOnly.page(0, 1).pageNum, 4);
}
