#include "BookFixture.h"
#include "printing/KeyPainter.h"
#include "printing/PageContext.h"
#include <gtest/gtest.h>

using F = BookFixture;

TEST(KeyPainter, ThreadLengthsInCentimetresWithOneDecimal)
{
    F f({"r"});
    struct Case
    {
        double len, backlen, baseLen;
        TColorType type;
        int count;
        const char* expected;
    };
    const Case cases[] = {
        {0.006, 0.003, 0.08, ctCross, 100, "68.0 cm"},
        {0.006, 0.003, 0.08, ctBack, 100, "38.0 cm"},
        {0, 0, 0, ctCross, 250, "0.0 cm"},
        {0, 0, 0, ctBack, 3, "0.0 cm"},
        {0.0012345, 0, 0, ctCross, 1, "0.1 cm"},
    };
    for (const Case& c : cases) {
        f.design->stitch.len = c.len;
        f.design->stitch.backlen = c.backlen;
        f.design->stitch.baseLen = c.baseLen;
        const PageContext context(*f.design, f.preview, f.options);
        TMyColor entry;
        entry.ColorType = c.type;
        entry.Count = c.count;
        EXPECT_EQ(KeyPainter(context).length(entry), QString::fromLatin1(c.expected)) << c.count;
    }
}

TEST(KeyPainter, KeyPagesShowSquareBoxesForStitchesAndRoundOnesForBackStitches)
{
    F f({"r"});
    f.design->BackStitchList.append({QPoint(0, 0), QPoint(2, 0), F::kBlue, 0});
    f.layout();
    const QList<QImage> pages = f.pages();
    ASSERT_EQ(pages.size(), 2);
    // Key cells start two title heights down; each box is a key height less 2 mm (18 - 6 px).
    const QImage& key = pages[1];
    const int top = 2 * f.preview.titleHeightPx;
    const int step = f.preview.keyHeightPx;
    EXPECT_TRUE(hasColor(key, 0, top, F::kBlack)) << "a square's corner";
    EXPECT_TRUE(hasColor(key, 1, top + 1, F::kRed)) << "filled to its corner";
    EXPECT_TRUE(hasColor(key, 0, top + step, F::kWhite)) << "a circle leaves the corner";
    EXPECT_TRUE(hasColor(key, 1, top + step + 6, F::kBlue)) << "filled at its side";
}

TEST(KeyPainter, KeysBesideTheChartStandWhereTheLayoutPutsThemAndInsideTheMargins)
{
    for (const TPosition position : {pLeft, pTop, pRight, pBottom, pSeparate}) {
        SCOPED_TRACE(int(position));
        F f(QStringList(40, QString(60, QLatin1Char('r'))));
        f.preview.options.inlineBorder = true;
        f.preview.position = position;
        f.preview.KeyEntries = QList<TMyColor>(150, f.preview.KeyEntries.value(0));
        f.preview.calc();
        ASSERT_TRUE(f.preview.status.isOk());
        const QMargins m = f.preview.inlineBorderPX;
        ASSERT_GT(m.left(), 0);
        const QList<QImage> pages = f.pages();
        ASSERT_EQ(pages.size(), int(f.preview.PageMap.size()));
        int i = 0;
        for (const auto& [at, page] : f.preview.PageMap) {
            const QImage& image = pages[i++];
            EXPECT_EQ(inkIn(image, QRect(0, 0, m.left(), image.height())), 0) << "left margin of page " << page.pageNum;
            EXPECT_EQ(inkIn(image, QRect(0, 0, image.width(), m.top())), 0) << "top margin of page " << page.pageNum;
            if (position == pRight && page.hasKeys && page.cellsX > 0)
                EXPECT_TRUE(hasColor(image, page.keyOffset, m.top() + f.preview.titleHeightPx + f.preview.CommentHeightPX + 3, F::kBlack))
                    << "the key's left edge on page " << page.pageNum;
        }
    }
}
