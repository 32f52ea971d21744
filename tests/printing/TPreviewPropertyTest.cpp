// On random designs and options, the chart pages cover every design cell exactly once per copy
// and every chart fits its usable page together with its ruler bands.
#include "LayoutRun.h"
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {
bool isChart(const TMyPage& p)
{
    return !p.keysOnly && !(p.hasKeys && p.cellsX == 0)
        && (p.PrintStitches == psCrossStitchOnly || p.PrintStitches == psBackStitchOnly || p.PrintStitches == psBoth);
}

void randomOptions(QRandomGenerator& random, TPreview& preview)
{
    PrintOptions& o = preview.options;
    const auto chance = [&](int percent) { return random.bounded(100) < percent; };
    o.exportImage = chance(50);
    o.JPEGWidth = random.bounded(200, 2000);
    o.JPEGHeight = random.bounded(200, 2000);
    o.JPEGGrid = random.bounded(1, 60);
    o.gridXSpin = random.bounded(90, 2011);
    o.gridYSpin = chance(50) ? o.gridXSpin : random.bounded(90, 2011);
    o.pageNumbers = chance(50);
    o.gridNumbers = chance(50);
    o.inlineBorder = chance(50);
    o.BorderLeft = random.bounded(0, 40);
    o.BorderTop = random.bounded(0, 40);
    o.BorderRight = random.bounded(0, 40);
    o.BorderBottom = random.bounded(0, 40);
    o.keySizeFromDesign = chance(70);
    o.backStitchesSeparate = chance(40);
    o.knitting = chance(30);
    o.printTitle = chance(30);
    o.printContents = chance(30);
    const int paper[][2] = {{210, 297}, {297, 210}, {148, 210}, {100, 150}};
    const auto& sheet = paper[random.bounded(4)];
    const int dpi = random.bounded(72, 1300);
    preview.setPrinter({sheet[0], sheet[1], qRound(sheet[0] * dpi / 25.4), qRound(sheet[1] * dpi / 25.4), dpi});
    preview.position = TPosition(random.bounded(5));
}
} // namespace

TEST(TPreviewProperty, ChartPagesCoverEveryCellOnceAndFitTheirPage)
{
    QRandomGenerator random(20261210);
    int laidOut = 0;
    for (int round = 0; round < 300; ++round) {
        const int width = random.bounded(1, 400), height = random.bounded(1, 400);
        LayoutRun run(width, height, random.bounded(0, 300));
        if (random.bounded(2))
            run.addBackStitch();
        TPreview& p = run.preview;
        randomOptions(random, p);
        p.calc();
        if (!p.status.isOk())
            continue;
        ++laidOut;
        const int copies = p.options.backStitchesSeparate && p.hasBackStitches() ? 2 : 1;
        std::vector<int> covered(size_t(width) * height, 0);
        const int band = p.borderPX;
        for (const auto& [at, page] : p.PageMap) {
            ASSERT_TRUE(at.x() < p.hpages && at.y() < p.vpages) << round;
            if (!isChart(page) || page.cellsX < 1 || page.cellsY < 1)
                continue;
            ASSERT_EQ(page.cellXLast - page.cellXFirst + 1, page.cellsX);
            ASSERT_EQ(page.cellYLast - page.cellYFirst + 1, page.cellsY);
            for (int y = page.cellYFirst; y <= page.cellYLast; ++y) {
                for (int x = page.cellXFirst; x <= page.cellXLast; ++x)
                    ++covered[size_t(y) * width + x];
            }
            const int left = page.isLeft || p.options.gridNumbers ? band : 0;
            const int top = page.isTop || p.options.gridNumbers ? band : 0;
            EXPECT_LE(page.xOffcetPx + left + page.cellsX * p.gridWidthPx, p.inlineBorderPX.left() + p.pagewidth + 1e-6)
                << "round " << round << " page " << at.x() << "," << at.y();
            EXPECT_LE(page.yOffcetPx + top + page.cellsY * p.gridHeightPx, p.inlineBorderPX.top() + p.pageheight + 1e-6)
                << "round " << round << " page " << at.x() << "," << at.y();
        }
        for (size_t i = 0; i < covered.size(); ++i)
            ASSERT_EQ(covered[i], copies) << "round " << round << " cell " << i % width << "," << i / width;
        int number = 0;
        for (const auto& [at, page] : p.PageMap)
            ASSERT_EQ(page.pageNum, ++number);
        EXPECT_EQ(p.pageNumber, number);
    }
    EXPECT_GT(laidOut, 200);
}
