#include "CommandProcessor.h"
#include "files/QmkWriter.h"
#include "support/PdfInfo.h"
#include "support/RecordingDelegate.h"
#include "support/TestDesigns.h"
#include "support/TestEnvironment.h"
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class ExportCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto d = TestDesigns::empty(100, 90, {0x0000FF, 0x00FF00});
        d->stitch.setColorsname(QStringLiteral("Test colours"));
        d->stitch.Title = QStringLiteral("Rose garden");
        d->CrossLayer.setCanvasPixel(0, 0, 0x0000FF);
        d->CrossLayer.setCanvasPixel(1, 0, 0x00FF00);
        design = dir.filePath(QStringLiteral("chart.qmk"));
        ASSERT_TRUE(SaveQMK(*d, design));
    }

    int run(const QString& command, QStringList arguments)
    {
        arguments.prepend(command);
        return delegate.run(arguments, TestEnvironment::sourceData());
    }

    // The pages `layout` lists for the same options.
    int layoutPages(const QStringList& options)
    {
        EXPECT_EQ(run(QStringLiteral("layout"), QStringList{design, QStringLiteral("--json")} + options), 0);
        return int(delegate.printedJson()[QStringLiteral("pages")].toArray().size());
    }

    QStringList files(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir dir;
    QString design;
    RecordingDelegate delegate;
};
} // namespace

TEST_F(ExportCommandTest, WrongUsageIsExitCodeTwoAndWritesNothing)
{
    const QString out = dir.filePath(QStringLiteral("out/p.png"));
    const QStringList wrong[] = {
        {design},                                                                   // no -o
        {design, QStringLiteral("-o"), dir.filePath(QStringLiteral("p.gif"))},      // no such picture type
        {design, QStringLiteral("-o"), dir.filePath(QStringLiteral("p"))},
        {design, QStringLiteral("-o"), out, QStringLiteral("--paper"), QStringLiteral("a4")},
        {design, QStringLiteral("-o"), dir.filePath(QStringLiteral("p.pdf")), QStringLiteral("--export"), QStringLiteral("900x800")},
        {design, QStringLiteral("-o"), out, QStringLiteral("--quality"), QStringLiteral("5")},
        {design, QStringLiteral("-o"), out, QStringLiteral("--json")},
        {design, QStringLiteral("-o"), out, QStringLiteral("--key"), QStringLiteral("middle")},
        {design, QStringLiteral("-o"), out, QStringLiteral("--no-colours")},
    };
    for (const QStringList& arguments : wrong) {
        EXPECT_EQ(run(QStringLiteral("export"), arguments), CommandProcessor::Usage) << arguments.join(' ').toStdString();
        EXPECT_EQ(delegate.errors.size(), 1);
        EXPECT_TRUE(delegate.printed.isEmpty());
    }
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("out"))).exists());
}

TEST_F(ExportCommandTest, PicturePagesAreTheLayoutsPagesNumberedAsGiven)
{
    const QStringList options = {QStringLiteral("--export"), QStringLiteral("300x200"), QStringLiteral("--export-grid"),
        QStringLiteral("10")};
    const int pages = layoutPages(options);
    ASSERT_GE(pages, 10) << "two digits in the numbers";
    const QString folder = dir.filePath(QStringLiteral("pages"));
    ASSERT_EQ(run(QStringLiteral("export"), QStringList{design, QStringLiteral("-o"), folder + QStringLiteral("/rose_%d.jpg"),
                                                QStringLiteral("--quality"), QStringLiteral("40"), QStringLiteral("--no-grid")}
                                                + options),
        0)
        << delegate.errors.join('\n').toStdString();
    const QStringList printed = delegate.printed.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(printed.size(), pages);
    EXPECT_EQ(printed.first(), folder + QStringLiteral("/rose_01.jpg"));
    EXPECT_EQ(printed.last(), folder + QStringLiteral("/rose_%1.jpg").arg(pages));
    EXPECT_EQ(files(folder).size(), pages) << "no temporaries left";
    EXPECT_EQ(QImage(printed.last()).size(), QSize(300, 200));
}

TEST_F(ExportCommandTest, APdfIsOnA4At1200DpiUnlessToldAndCarriesTheTitle)
{
    const QString pdf = dir.filePath(QStringLiteral("book.pdf"));
    const int pages = layoutPages({QStringLiteral("--paper"), QStringLiteral("a4"), QStringLiteral("--dpi"), QStringLiteral("1200")});
    ASSERT_EQ(run(QStringLiteral("export"), {design, QStringLiteral("-o"), pdf}), 0) << delegate.errors.join('\n').toStdString();
    EXPECT_EQ(delegate.printed, pdf + QLatin1Char('\n'));
    const PdfInfo info = PdfInfo::of(pdf);
    EXPECT_EQ(info.pages, pages);
    EXPECT_EQ(info.title, QStringLiteral("Rose garden"));
    EXPECT_TRUE(info.pageSize.contains(QStringLiteral("(A4)"))) << info.pageSize.toStdString();

    ASSERT_EQ(run(QStringLiteral("export"), {design, QStringLiteral("-o"), pdf, QStringLiteral("--paper"), QStringLiteral("letter"),
                                                QStringLiteral("--orientation"), QStringLiteral("landscape"), QStringLiteral("--dpi"),
                                                QStringLiteral("300")}),
        0);
    EXPECT_TRUE(PdfInfo::of(pdf).pageSize.startsWith(QStringLiteral("79"))) << "letter across: 792 x 612 pt";
}

TEST_F(ExportCommandTest, NoPagesOrNoLayoutIsExitCodeOneAndLeavesOldFiles)
{
    const QString old = dir.filePath(QStringLiteral("p1.png"));
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();
    const QString out = dir.filePath(QStringLiteral("p#.png"));
    EXPECT_EQ(run(QStringLiteral("export"), {design, QStringLiteral("-o"), out, QStringLiteral("--pages"), QString()}), 1);
    ASSERT_EQ(delegate.errors.size(), 1);
    EXPECT_TRUE(delegate.errors.first().contains(QStringLiteral("the options select no pages")));
    EXPECT_EQ(run(QStringLiteral("export"), {design, QStringLiteral("-o"), out, QStringLiteral("--export"), QStringLiteral("0x800")}), 1);
    EXPECT_EQ(run(QStringLiteral("export"), {dir.filePath(QStringLiteral("none.qmk")), QStringLiteral("-o"), out}), 1);
    EXPECT_TRUE(delegate.printed.isEmpty());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old"));
    EXPECT_EQ(files(dir.path()), (QStringList{QStringLiteral("chart.qmk"), QStringLiteral("p1.png")}));
}

TEST_F(ExportCommandTest, RealProcessPrintsOnePathALineAndExitCodes)
{
    QProcess process;
    const auto start = [&](const QStringList& arguments) {
        process.start(QStringLiteral(THREADWRIGHT_CLI_PATH),
            QStringList{QStringLiteral("--data"), TestEnvironment::sourceData(), QStringLiteral("export")} + arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
    };
    const QString out = dir.filePath(QStringLiteral("page.bmp"));
    const QStringList options = {QStringLiteral("--export"), QStringLiteral("2000x2000")};
    start(QStringList{design, QStringLiteral("-o"), out} + options);
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    const int pages = layoutPages(options);
    ASSERT_TRUE(pages > 0 && pages < 10);
    ASSERT_EQ(lines.size(), pages + 1);
    for (int i = 1; i <= pages; ++i)
        EXPECT_EQ(lines[i - 1], dir.filePath(QStringLiteral("page%1.bmp").arg(i)));
    EXPECT_TRUE(lines.last().isEmpty());
    start({design, QStringLiteral("-o"), out, QStringLiteral("--export"), QStringLiteral("0x10")});
    EXPECT_EQ(process.exitCode(), 1);
    start({design});
    EXPECT_EQ(process.exitCode(), 2);
}
