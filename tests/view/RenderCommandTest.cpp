#include "CommandProcessor.h"
#include "files/QmkWriter.h"
#include "support/QmkTestFiles.h"
#include "support/RecordingDelegate.h"
#include "support/TestDesigns.h"
#include "support/TestEnvironment.h"
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(RenderCommand, WritesTheViewOfTheWholeDesign)
{
    QTemporaryDir dir;
    auto d = TestDesigns::fromRows({"r.", ".r"}, {{'r', 0x0000FF}});
    d->stitch.setColorsname(QStringLiteral("Test colours"));
    const QString design = dir.filePath(QStringLiteral("two.qmk"));
    ASSERT_TRUE(SaveQMK(*d, design));
    const QString picture = dir.filePath(QStringLiteral("two.png"));

    RecordingDelegate delegate;
    CommandProcessor processor(delegate);
    ASSERT_EQ(processor.run({QStringLiteral("render"), design, QStringLiteral("-o"), picture, QStringLiteral("--zoom"),
                  QStringLiteral("10"), QStringLiteral("--grid"), QStringLiteral("--data"), TestEnvironment::sourceData()}),
        0)
        << delegate.errors.join(QLatin1Char('\n')).toStdString();
    const QImage image(picture);
    ASSERT_EQ(image.size(), QSize(20, 20));
    EXPECT_EQ(image.pixel(5, 5), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(15, 5), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(10, 5), 0xFF808080u); // grid line

    const QStringList wrong[] = {
        {QStringLiteral("render"), design},
        {QStringLiteral("render"), design, QStringLiteral("-o"), picture, QStringLiteral("--zoom"), QStringLiteral("1")},
        {QStringLiteral("render"), design, QStringLiteral("-o"), picture, QStringLiteral("--shadow")},
    };
    for (const QStringList& arguments : wrong)
        EXPECT_EQ(processor.run(arguments), CommandProcessor::Usage) << arguments.join(' ').toStdString();
    EXPECT_EQ(processor.run({QStringLiteral("render"), dir.filePath(QStringLiteral("none.qmk")), QStringLiteral("-o"), picture}),
        CommandProcessor::Failed);
}

namespace {
int renderTo(CommandProcessor& processor, const QString& design, const QString& picture, const QStringList& extra)
{
    QStringList arguments{QStringLiteral("render"), design, QStringLiteral("-o"), picture, QStringLiteral("--data"),
        TestEnvironment::sourceData()};
    arguments << extra;
    return processor.run(arguments);
}
} // namespace

TEST(RenderCommand, APngWrittenInBandsEqualsThePictureWrittenWhole)
{
    // At zoom 60 one cell row of this design fills a band, so every row meets a band edge;
    // back stitches and knots cross them.
    QTemporaryDir dir;
    auto d = TestDesigns::empty(560, 3, {0x0000FF, 0x800000, 0xFFFFFF});
    d->stitch.setColorsname(QStringLiteral("Test colours"));
    for (int x = 0; x < 560; ++x)
        d->CrossLayer.setCanvasPixel(x, x % 3, QList<TColorRef>{0x0000FF, 0x800000, 0xFFFFFF}[x % 3]);
    d->BackStitchList.append({QPoint(1, 0), QPoint(9, 6), 0x800000, 0});
    d->FrenchKnotList.append({QPoint(6, 2), 0x0000FF, 0});
    const QString design = dir.filePath(QStringLiteral("wide.qmk"));
    ASSERT_TRUE(SaveQMK(*d, design));

    RecordingDelegate delegate;
    CommandProcessor processor(delegate);
    const QStringList options{QStringLiteral("--zoom"), QStringLiteral("60"), QStringLiteral("--grid"), QStringLiteral("--symbols")};
    ASSERT_EQ(renderTo(processor, design, dir.filePath(QStringLiteral("bands.png")), options), 0);
    ASSERT_EQ(renderTo(processor, design, dir.filePath(QStringLiteral("whole.bmp")), options), 0);
    const QImage bands(dir.filePath(QStringLiteral("bands.png")));
    ASSERT_EQ(bands.size(), QSize(560 * 60, 3 * 60));
    EXPECT_EQ(bands.convertToFormat(QImage::Format_RGB32), QImage(dir.filePath(QStringLiteral("whole.bmp"))).convertToFormat(QImage::Format_RGB32));
}

TEST(RenderCommand, RefusesAPictureTooLargeFromTheFileHeadBeforeLoading)
{
    // The head claims a size, but the file holds none of its cells: reading it would fail as
    // damaged, so a refusal naming the picture's pixels can only come from the head. A size no
    // design may have is left to the reader.
    const struct
    {
        const char* name;
        QByteArray size; // width and height as stored
        QString message;
    } cases[] = {
        {"20000 x 800 cells", QByteArray::fromHex("204e000020030000"), QStringLiteral("160000 x 6400 pixels")},
        {"2^30 x 3 cells", QByteArray::fromHex("0000004003000000"), QStringLiteral("1073741824 x 3 cells")},
    };
    QmkTestFiles::Content content;
    content.width = 7;
    content.height = 3;
    const QByteArray whole = QmkTestFiles::build(content);
    const QByteArray size = QByteArray::fromHex("0700000003000000");
    const qsizetype at = whole.indexOf(size);
    ASSERT_GE(at, 0);
    QTemporaryDir dir;
    for (const auto& c : cases) {
        QByteArray bytes = whole;
        bytes.replace(at, size.size(), c.size);
        const QString design = dir.filePath(QStringLiteral("huge.qmk"));
        QmkTestFiles::writeFile(design, bytes.left(at + 200));
        RecordingDelegate delegate;
        CommandProcessor processor(delegate);
        EXPECT_EQ(renderTo(processor, design, dir.filePath(QStringLiteral("huge.png")), {}), CommandProcessor::Failed) << c.name;
        EXPECT_TRUE(delegate.errors.join(QLatin1Char('\n')).contains(c.message))
            << c.name << ": " << delegate.errors.join(QLatin1Char('\n')).toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("huge.png"))));
    }
}
