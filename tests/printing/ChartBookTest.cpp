#include "BookFixture.h"
#include "PageTargets.h"
#include "printing/ChartBook.h"
#include "printing/ListPagePainter.h"
#include "printing/BookPagePainter.h"
#include "printing/PageContext.h"
#include <QPainter>
#include <gtest/gtest.h>

using F = BookFixture;

namespace {
void selectEveryBookPage(F& f)
{
    PrintOptions& o = f.preview.options;
    o.printTitle = o.stitchList = o.printLabels = o.printContents = o.printInfo = true;
    o.pageNumbers = o.inlineBorder = true;
}
} // namespace

TEST(ChartBook, DrawsEveryPageOfTheTableOnceAndEndsWithoutABlankPage)
{
    F f(QStringList(70, QString(50, QLatin1Char('r'))) + QStringList(10, QString(50, QLatin1Char('.'))));
    f.design->stitch.BookInfo = QStringLiteral("<p>Thanks</p>");
    selectEveryBookPage(f);
    f.layout();
    const QList<QImage> pages = f.pages();
    ASSERT_EQ(pages.size(), int(f.preview.PageMap.size()));
    EXPECT_EQ(ChartBook(*f.design, f.preview, f.options).pageCount(), pages.size());
    for (int i = 0; i < pages.size(); ++i)
        EXPECT_GT(inkIn(pages[i], pages[i].rect()), 0) << "page " << i + 1 << " is blank";
}

TEST(ChartBook, ReportsEveryPageAndStopsWhenCancelled)
{
    F f(QStringList(70, QString(70, QLatin1Char('b'))));
    const int total = ChartBook(*f.design, f.preview, f.options).pageCount();
    ASSERT_GE(total, 3);
    ImagePages target(QSize(f.preview.pagewidthReal, f.preview.pageheightReal));
    QList<int> reported;
    const Status cancelled = ChartBook(*f.design, f.preview, f.options).draw(target, [&](int done, int all) {
        EXPECT_EQ(all, total);
        reported << done;
        return done < 2;
    });
    EXPECT_FALSE(cancelled.isOk());
    EXPECT_TRUE(cancelled.message().isEmpty());
    EXPECT_EQ(reported, QList<int>({1, 2}));
    EXPECT_EQ(target.finish().size(), 2);
}

TEST(ChartBook, StitchStepsFillThePagesTheLayoutReservedWithMargins)
{
    // Empty rows list one heading and one background run each.
    F f(QStringList(300, QString(5, QLatin1Char('.'))));
    f.preview.options.stitchList = true;
    f.preview.options.inlineBorder = true;
    f.preview.options.printDesign = false;
    f.preview.options.printLegend = false;
    f.layout();
    int reserved = 0;
    for (const auto& [at, page] : f.preview.PageMap)
        reserved += page.PrintStitches == psStitchList ? 1 : 0;
    ASSERT_GE(reserved, 2) << f.preview.status.message().toStdString();
    const QList<QImage> pages = f.pages();
    ASSERT_EQ(pages.size(), reserved);
    EXPECT_GT(inkIn(pages.last(), pages.last().rect()), 0);
}

TEST(ChartBook, LabelSheetsHoldTheGridAndNeverDivideByAOneColumnGrid)
{
    F f({"r"});
    f.preview.options.printLabels = true;
    f.preview.options.printDesign = false;
    f.preview.options.printLegend = false;
    f.preview.KeyEntries = QList<TMyColor>(271, TMyColor{QStringLiteral("Red"), F::kRed, QStringLiteral("0"), 1, 0, ctCross});
    f.preview.calc();
    const QList<QImage> sheets = f.pages();
    ASSERT_EQ(sheets.size(), 2);
    const PageContext context(*f.design, f.preview, f.options);
    const ListPagePainter labels(context);
    // 271 labels: the second sheet holds one, in the first place.
    EXPECT_GT(inkIn(sheets[1], labels.labelRect(0, 0).toRect()), 0);
    EXPECT_EQ(inkIn(sheets[1], labels.labelRect(0, 1).toRect()), 0);

    EXPECT_EQ(ListPagePainter::gap(210, 80, 1, 178), 0);
    EXPECT_EQ(ListPagePainter::gap(297, 270, 0, 100), 0);
    EXPECT_NEAR(ListPagePainter::gap(210, 80, 10, 178), 2.6667, 1e-3);
    f.preview.options.LabelGridHor = 1;
    EXPECT_EQ(labels.labelRect(0, 0).left(), f.preview.mmPx * 4.0);

    // A name too long for every font height is written at height 1, not forever shrunk.
    QImage tiny(40, 40, QImage::Format_RGB32);
    tiny.fill(Qt::white);
    QPainter p(&tiny);
    labels.drawLabel(p, QRectF(2, 2, 8, 8), TMyColor{QString(200, QLatin1Char('W')), F::kRed, QStringLiteral("0"), 1, 0, ctBack});
}

TEST(BookPages, TitlePictureFitsTheBoxEvenForDesignsWiderThanItsPixels)
{
    struct Case
    {
        int width, height;
    };
    for (const Case c : {Case{50, 40}, Case{600, 600}, Case{900, 100}}) {
        F f(QStringList(c.height, QString(c.width, QLatin1Char('b'))));
        const PageContext context(*f.design, f.preview, f.options);
        const QRectF picture = BookPagePainter(context).titlePicture();
        const double box = qRound(0.528 * 800);
        EXPECT_GT(picture.width(), 0) << c.width;
        EXPECT_LE(std::max(picture.width(), picture.height()), box + 1) << c.width;
        EXPECT_NEAR(picture.center().x(), 450, 1) << c.width;
    }
    F big(QStringList(600, QString(600, QLatin1Char('b'))));
    big.preview.options.printTitle = true;
    big.preview.options.printDesign = false;
    big.preview.options.printLegend = false;
    big.layout();
    const QImage title = big.firstPage();
    const PageContext context(*big.design, big.preview, big.options);
    const QRect picture = BookPagePainter(context).titlePicture().toRect();
    EXPECT_GT(inkIn(title, picture.adjusted(picture.width() / 3, picture.height() / 3, -picture.width() / 3, -picture.height() / 3)),
        picture.width() * picture.height() / 10);
}

TEST(BookPages, InfoTextIsHtmlOrPlainTextOfAnRtfValue)
{
    EXPECT_EQ(BookPagePainter::plainFromRtf(QStringLiteral(R"({\rtf1\ansi{\fonttbl{\f0\fswiss Arial;}}{\colortbl;\red0\green0\blue0;}\f0\fs20 Caf\'e9 \b open\b0\par Sundays \{ok\}})")),
        QStringLiteral("Caf\u00e9 open\nSundays {ok}"));
    for (const QString& info : {QStringLiteral("<p style='font-size:40pt'>Thread shop</p>"), QStringLiteral(R"({\rtf1\ansi\fs80 Thread shop\par})")}) {
        F f({"r"});
        f.design->stitch.BookInfo = info;
        f.preview.options.printInfo = true;
        f.preview.options.printDesign = false;
        f.preview.options.printLegend = false;
        f.layout();
        const QImage page = f.firstPage();
        const QRect text(90, 160, 720, 240);
        EXPECT_GT(inkIn(page, text), 20) << info.toStdString();
        EXPECT_EQ(inkIn(page, QRect(0, 410, 900, 290)), 0) << "nothing below the text's rectangle";
    }
}

TEST(BookPages, ContentsWithMapCellsBelowAPixelDrawOnlyTheHeading)
{
    // 100 page rows share the 95 pixels below the heading's 300.
    F f(QStringList(2000, QString(3, QLatin1Char('r'))));
    f.preview.options.printContents = true;
    f.preview.options.JPEGHeight = 400;
    f.layout();
    ASSERT_GT(f.preview.vpages, 95);
    QImage contents(900, 400, QImage::Format_RGB32);
    contents.fill(Qt::white);
    QPainter p(&contents);
    const PageContext context(*f.design, f.preview, f.options);
    BookPagePainter(context).drawContentsPage(p, f.preview.PageMap.rbegin()->second);
    p.end();
    EXPECT_GT(inkIn(contents, QRect(0, 0, 200, 40)), 0);
    EXPECT_EQ(inkIn(contents, QRect(0, 305, 900, 95)), 0);
}
