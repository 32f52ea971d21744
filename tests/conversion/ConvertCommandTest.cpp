// threadwright-cli convert, in-process through CommandProcessor, and once as a real process for
// the exit code and stderr.
#include "CliSession.h"
#include "CommandProcessor.h"
#include "support/RecordingDelegate.h"
#include "conversion/PictureConversion.h"
#include "conversion/PictureLoader.h"
#include "files/DesignFiles.h"
#include "files/ShadowFile.h"
#include <QFile>
#include "model/Design.h"
#include "support/TestEnvironment.h"
#include <QDir>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QString kDmc = QStringLiteral("DMC Stranded Cotton v1");

class ConvertCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QImage photo(90, 60, QImage::Format_RGB32);
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 90; ++x)
                photo.setPixel(x, y, qRgb(255 - 2 * x, 4 * y, (x * y) % 256));
        }
        ASSERT_TRUE(photo.save(picture));
    }

    int run(const QStringList& arguments) { return delegate.run(arguments, TestEnvironment::sourceData()); }

    std::unique_ptr<Design> open(const QString& file)
    {
        auto design = CliSession().freshDesign();
        const DesignFiles::LoadResult loaded = DesignFiles::load(file, *design);
        EXPECT_TRUE(loaded.status) << loaded.status.text().toStdString();
        return design;
    }

    // The cells the wizard's conversion gives the test picture for these choices, in the process.
    TBitmap32 convertedInProcess(const ConversionChoices& choices)
    {
        auto design = CliSession().freshDesign();
        TBitmap32 source;
        EXPECT_TRUE(PictureLoader::load(picture, source));
        PictureConversion conversion(design->stitch);
        EXPECT_TRUE(conversion.run(source, choices));
        return conversion.ImageFinal;
    }

    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    QTemporaryDir m_dir;
    QString picture = path(QStringLiteral("photo.png"));
    QString output = path(QStringLiteral("photo.qmk"));
    RecordingDelegate delegate;
};
} // namespace

TEST_F(ConvertCommandTest, WritesTheDesignTheWizardWouldMake)
{
    ASSERT_EQ(run({QStringLiteral("convert"), picture, QStringLiteral("-o"), output, QStringLiteral("--max-size"),
                  QStringLiteral("30"), QStringLiteral("--max-colors"), QStringLiteral("12"), QStringLiteral("--dither"),
                  QStringLiteral("floyd-steinberg"), QStringLiteral("--dither-level"), QStringLiteral("70"),
                  QStringLiteral("--palette"), kDmc, QStringLiteral("--contrast"), QStringLiteral("120")}),
        0)
        << delegate.errors.join('\n').toStdString();
    EXPECT_TRUE(delegate.errors.isEmpty());
    EXPECT_TRUE(delegate.printed.contains(QStringLiteral("30 x 20 cells"))) << delegate.printed.toStdString();

    const auto design = open(output);
    ASSERT_EQ(design->width(), 30);
    ASSERT_EQ(design->height(), 20);
    EXPECT_EQ(design->stitch.colorsname(), kDmc);
    EXPECT_LE(design->stitch.usedColors(), 12);
    EXPECT_GE(design->stitch.usedColors(), 2);

    ConversionChoices choices;
    choices.maxSize = 30;
    choices.maxColors = 12;
    choices.dithering = DitherMethod::FloydSteinberg;
    choices.ditherLevel = 70;
    choices.palette = kDmc;
    choices.contrast = 120;
    EXPECT_TRUE(design->CrossLayer == convertedInProcess(choices));

    QHash<TColorRef, int> cells;
    for (int y = 0; y < design->height(); ++y) {
        for (int x = 0; x < design->width(); ++x)
            ++cells[design->CrossLayer.canvasPixel(x, y)];
    }
    for (const auto& [color, info] : design->stitch.Colors)
        EXPECT_EQ(info.colorCount, cells.value(color));
}

TEST_F(ConvertCommandTest, DefaultsAreTheWizardsStartingValues)
{
    ASSERT_EQ(run({QStringLiteral("convert"), picture, QStringLiteral("-o"), output}), 0)
        << delegate.errors.join('\n').toStdString();
    const auto design = open(output);
    EXPECT_EQ(design->width(), 90) << "\"Max width/height\" 100, limited to the picture's longer side";
    EXPECT_EQ(design->height(), 60);
    EXPECT_EQ(design->stitch.colorsname(), kDmc) << "the default palette";
}

TEST_F(ConvertCommandTest, AKernelWithoutALevelDithersAtFullStrength)
{
    ASSERT_EQ(run({QStringLiteral("convert"), picture, QStringLiteral("-o"), output, QStringLiteral("--max-size"),
                  QStringLiteral("30"), QStringLiteral("--max-colors"), QStringLiteral("8"), QStringLiteral("--dither"),
                  QStringLiteral("stucki")}),
        0);
    const auto design = open(output);
    ConversionChoices choices;
    choices.maxSize = 30;
    choices.maxColors = 8;
    choices.dithering = DitherMethod::Stucki;
    choices.ditherLevel = 100;
    EXPECT_TRUE(design->CrossLayer == convertedInProcess(choices));
}

TEST_F(ConvertCommandTest, AColourCountAboveTheSymbolSetIsCappedWithOneWarning)
{
    ASSERT_EQ(run({QStringLiteral("convert"), picture, QStringLiteral("-o"), output, QStringLiteral("--max-size"),
                  QStringLiteral("30"), QStringLiteral("--symbols"), QStringLiteral("Letters and digits"),
                  QStringLiteral("--max-colors"), QStringLiteral("5000")}),
        0);
    ASSERT_EQ(delegate.errors.size(), 1);
    const QString warning = delegate.errors.first();
    static const QRegularExpression cap(QStringLiteral("^threadwright-cli: warning: --max-colors 5000 is capped at (\\d+): "
                                                       "the symbol set \"Letters and digits\" can mark only \\1 colours$"));
    const QRegularExpressionMatch m = cap.match(warning);
    ASSERT_TRUE(m.hasMatch()) << warning.toStdString();
    EXPECT_LE(open(output)->stitch.usedColors(), m.captured(1).toInt());
}

TEST_F(ConvertCommandTest, WrongUsageExitsWithTwo)
{
    const QStringList cases[] = {
        {QStringLiteral("convert"), picture},
        {QStringLiteral("convert"), QStringLiteral("-o"), output},
        {QStringLiteral("convert"), picture, picture, QStringLiteral("-o"), output},
        {QStringLiteral("convert"), picture, QStringLiteral("-o"), output, QStringLiteral("--size"), QStringLiteral("20x20"),
            QStringLiteral("--max-size"), QStringLiteral("20")},
        {QStringLiteral("convert"), picture, QStringLiteral("-o"), output, QStringLiteral("--size"), QStringLiteral("20")},
        {QStringLiteral("convert"), picture, QStringLiteral("-o"), output, QStringLiteral("--dither"), QStringLiteral("ordered")},
        {QStringLiteral("convert"), picture, QStringLiteral("-o"), output, QStringLiteral("--dither-level"), QStringLiteral("101")},
        {QStringLiteral("convert"), picture, QStringLiteral("-o"), output, QStringLiteral("--max-colors"), QStringLiteral("0")},
        {QStringLiteral("convert"), picture, QStringLiteral("-o"), output, QStringLiteral("--contrast"), QStringLiteral("-1")},
    };
    for (const QStringList& c : cases) {
        EXPECT_EQ(run(c), 2) << c.join(' ').toStdString();
        EXPECT_EQ(delegate.errors.size(), 1);
        EXPECT_FALSE(QFile::exists(output));
    }
}

TEST_F(ConvertCommandTest, FailuresExitWithOneAndAMessage)
{
    const struct
    {
        QStringList arguments;
        QString message;
    } cases[] = {
        {{QStringLiteral("convert"), path(QStringLiteral("missing.jpg")), QStringLiteral("-o"), output},
            QStringLiteral("could not be read")},
        {{QStringLiteral("convert"), picture, QStringLiteral("-o"), output, QStringLiteral("--palette"),
             QStringLiteral("Nowhere v9")},
            QStringLiteral("No palette named \"Nowhere v9\" is loaded.")},
        {{QStringLiteral("convert"), picture, QStringLiteral("-o"), output, QStringLiteral("--size"), QStringLiteral("0x5")},
            QStringLiteral("A design of 0 x 5 stitches cannot be made")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(c.arguments), 1);
        ASSERT_EQ(delegate.errors.size(), 1);
        EXPECT_TRUE(delegate.errors.first().contains(c.message)) << delegate.errors.first().toStdString();
        EXPECT_FALSE(QFile::exists(output));
    }
}

TEST_F(ConvertCommandTest, RealProcessReportsOnStderrAndExitCode)
{
    QProcess process;
    process.start(QStringLiteral(THREADWRIGHT_CLI_PATH),
        {QStringLiteral("--data"), TestEnvironment::sourceData(), QStringLiteral("convert"), picture, QStringLiteral("-o"),
            output, QStringLiteral("--max-size"), QStringLiteral("12"), QStringLiteral("--dither"), QStringLiteral("stucki")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(QFile::exists(output));

    process.start(QStringLiteral(THREADWRIGHT_CLI_PATH), {QStringLiteral("--data"), TestEnvironment::sourceData(),
                                                             QStringLiteral("convert"), output, QStringLiteral("-o"), path(QStringLiteral("x.qmk"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    // Qt may add notes of its own about the environment; ours is one line.
    const QStringList lines = QString::fromLocal8Bit(process.readAllStandardError())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                  .filter(QRegularExpression(QStringLiteral("^threadwright-cli")));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines.first().startsWith(QStringLiteral("threadwright-cli: The picture "))) << lines.first().toStdString();
}

TEST_F(ConvertCommandTest, ShadowGoesBesideTheDesignButNeverOverTheUsersPicture)
{
    const QString side = path(QStringLiteral("photo.png"));
    // The picture converted is photo.png itself: its name is the side file's.
    ASSERT_EQ(run({QStringLiteral("convert"), picture, QStringLiteral("-o"), output, QStringLiteral("--max-size"),
                  QStringLiteral("30"), QStringLiteral("--shadow")}),
        0);
    ASSERT_EQ(delegate.errors.size(), 1);
    EXPECT_TRUE(delegate.errors.first().contains(QStringLiteral("is not a shadow picture"))) << delegate.errors.first().toStdString();
    EXPECT_FALSE(ShadowFile::isMarked(side));
    EXPECT_EQ(QImage(side).size(), QSize(90, 60));

    delegate.errors.clear();
    const QString other = path(QStringLiteral("other.qmk"));
    ASSERT_EQ(run({QStringLiteral("convert"), picture, QStringLiteral("-o"), other, QStringLiteral("--max-size"),
                  QStringLiteral("30"), QStringLiteral("--brightness"), QStringLiteral("20"), QStringLiteral("--shadow")}),
        0);
    EXPECT_TRUE(delegate.errors.isEmpty()) << delegate.errors.join('\n').toStdString();
    const QString otherSide = path(QStringLiteral("other.png"));
    EXPECT_TRUE(ShadowFile::isMarked(otherSide));
    QImage shadow;
    ASSERT_TRUE(ShadowFile::read(otherSide, &shadow));
    EXPECT_EQ(shadow.size(), QSize(90, 60)) << "the adjusted picture, not the stitches";
    EXPECT_EQ(shadow.pixel(0, 0), qRgb(255, 20, 20));
    // Without --shadow no side file is written.
    ASSERT_EQ(run({QStringLiteral("convert"), picture, QStringLiteral("-o"), path(QStringLiteral("bare.qmk"))}), 0);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("bare.png"))));
}
