#include "printing/PagePictureSink.h"
#include "support/FileSizeLimit.h"
#include <QDir>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
using PictureType = PageFileNames::PictureType;

PagePictureSink::Names namesIn(const QTemporaryDir& dir, const QString& pattern)
{
    return [folder = dir.path() + QLatin1Char('/'), pattern](int page, int count) {
        return folder + PageFileNames::numbered(pattern, page, count);
    };
}

// Draws `pages` pages: page i gets a grey square of level 20 * i in its top-left corner; the
// pages listed in `noisy` are filled with random pixels, which no encoder can make small.
bool drawPages(PagePictureSink& sink, int pages, const QList<int>& noisy = {})
{
    for (int i = 1; i <= pages; ++i) {
        if (i > 1 && !sink.newPage())
            return false;
        QPainter& p = sink.painter();
        if (noisy.contains(i)) {
            for (int y = 0; y < 64; ++y) {
                for (int x = 0; x < 64; ++x)
                    p.fillRect(x, y, 1, 1, QColor::fromRgb(QRandomGenerator::global()->generate()));
            }
        }
        p.fillRect(0, 0, 10, 10, QColor(20 * i, 20 * i, 20 * i));
    }
    return true;
}

QStringList entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}
} // namespace

TEST(PagePictureSink, WritesEveryPageInItsFormatAndSizeOnlyWhenFinished)
{
    struct Case
    {
        PictureType type;
        const char* pattern;
        const char* format;
        int tolerance;
    };
    const Case cases[] = {{PictureType::Png, "p#.png", "png", 0}, {PictureType::Bmp, "p#.bmp", "bmp", 0},
        {PictureType::Jpeg, "p#.jpeg", "jpeg", 6}};
    for (const Case& c : cases) {
        QTemporaryDir dir;
        PagePictureSink sink(QSize(64, 48), c.type, 90, namesIn(dir, QString::fromLatin1(c.pattern)));
        ASSERT_TRUE(drawPages(sink, 3));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0) << "nothing under its name before the end";
        ASSERT_TRUE(sink.finish()) << sink.failure().text().toStdString();
        ASSERT_EQ(sink.written().size(), 3);
        EXPECT_EQ(entries(dir).size(), 3) << c.format << ": no temporaries left";
        for (int i = 1; i <= 3; ++i) {
            const QString name = dir.filePath(PageFileNames::numbered(QString::fromLatin1(c.pattern), i, 3));
            EXPECT_EQ(sink.written()[i - 1], name);
            const QImage page(name, c.format);
            ASSERT_EQ(page.size(), QSize(64, 48)) << name.toStdString();
            EXPECT_NEAR(qRed(page.pixel(4, 4)), 20 * i, c.tolerance) << name.toStdString();
            EXPECT_NEAR(qGreen(page.pixel(40, 40)), 255, c.tolerance) << "pages start white";
        }
    }
}

TEST(PagePictureSink, AFailedPageLeavesTheOldFilesAndNoTemporaries)
{
    QTemporaryDir dir;
    const auto names = namesIn(dir, QStringLiteral("old_#.png"));
    for (int i = 1; i <= 5; ++i) {
        QFile old(names(i, 5));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    PagePictureSink sink(QSize(300, 300), PictureType::Png, 70, names);
    {
        // A plain page is a few hundred bytes; the noisy third page does not fit.
        FileSizeLimit limit(4000);
        EXPECT_FALSE(drawPages(sink, 5, {3}));
    }
    EXPECT_TRUE(sink.failure().text().contains(QStringLiteral("old_3.png"))) << sink.failure().text().toStdString();
    sink.abort();
    EXPECT_EQ(entries(dir).size(), 5);
    for (int i = 1; i <= 5; ++i) {
        QFile old(names(i, 5));
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), QByteArray("old"));
    }
}

TEST(PagePictureSink, HoldsOnePagePictureHoweverLongTheRun)
{
    QTemporaryDir dir;
    PagePictureSink sink(QSize(90, 80), PictureType::Jpeg, 70, namesIn(dir, QStringLiteral("long_#.jpg")));
    ASSERT_TRUE(drawPages(sink, 50));
    ASSERT_TRUE(sink.finish());
    EXPECT_EQ(sink.mostPicturesHeld(), 1);
    EXPECT_EQ(sink.written().first(), dir.filePath(QStringLiteral("long_01.jpg")));
    EXPECT_EQ(sink.written().last(), dir.filePath(QStringLiteral("long_50.jpg")));
}

TEST(PagePictureSink, AnAbortedRunWritesNothing)
{
    QTemporaryDir dir;
    {
        PagePictureSink sink(QSize(20, 20), PictureType::Bmp, 70, namesIn(dir, QStringLiteral("a#.bmp")));
        ASSERT_TRUE(drawPages(sink, 4));
        sink.abort();
    }
    EXPECT_TRUE(entries(dir).isEmpty());
}
