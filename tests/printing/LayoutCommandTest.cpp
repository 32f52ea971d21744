#include "CommandProcessor.h"
#include "files/QmkWriter.h"
#include "support/RecordingDelegate.h"
#include "support/TestDesigns.h"
#include "support/TestEnvironment.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class LayoutCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto d = TestDesigns::empty(100, 90, {0x0000FF, 0x00FF00});
        d->stitch.setColorsname(QStringLiteral("Test colours"));
        d->CrossLayer.setCanvasPixel(0, 0, 0x0000FF);
        d->CrossLayer.setCanvasPixel(1, 0, 0x00FF00);
        d->BackStitchList.append({QPoint(0, 0), QPoint(4, 0), 0x00FF00, 0});
        design = dir.filePath(QStringLiteral("chart.qmk"));
        ASSERT_TRUE(SaveQMK(*d, design));
    }

    int run(QStringList arguments)
    {
        arguments.prepend(QStringLiteral("layout"));
        return delegate.run(arguments, TestEnvironment::sourceData());
    }

    QTemporaryDir dir;
    QString design;
    RecordingDelegate delegate;
};
} // namespace

TEST_F(LayoutCommandTest, WrongUsageIsExitCodeTwo)
{
    const QStringList wrong[] = {
        {},
        {design, QStringLiteral("--paper"), QStringLiteral("a4"), QStringLiteral("--export"), QStringLiteral("900x800")},
        {design, QStringLiteral("--paper"), QStringLiteral("a4"), QStringLiteral("--export-grid"), QStringLiteral("20")},
        {design, QStringLiteral("--paper"), QStringLiteral("b5")},
        {design, QStringLiteral("--paper"), QStringLiteral("0x297")},
        {design, QStringLiteral("--export"), QStringLiteral("900x")},
        {design, QStringLiteral("--export"), QStringLiteral("-1x800")},
        {design, QStringLiteral("--dpi"), QStringLiteral("0")},
        {design, QStringLiteral("--paper"), QStringLiteral("a4"), QStringLiteral("--grid-mm"), QStringLiteral("0.89")},
        {design, QStringLiteral("--paper"), QStringLiteral("a4"), QStringLiteral("--grid-mm"), QStringLiteral("3.001")},
        {design, QStringLiteral("--key"), QStringLiteral("middle")},
        {design, QStringLiteral("--margins"), QStringLiteral("15,15,10")},
        {design, QStringLiteral("--pages"), QStringLiteral("design,cover")},
        {design, QStringLiteral("--sort"), QStringLiteral("colour")},
        {design, QStringLiteral("--orientation"), QStringLiteral("upright")},
        {design, QStringLiteral("--shadow")},
    };
    for (const QStringList& arguments : wrong) {
        EXPECT_EQ(run(arguments), CommandProcessor::Usage) << arguments.join(' ').toStdString();
        EXPECT_EQ(delegate.errors.size(), 1);
    }
}

TEST_F(LayoutCommandTest, PaperGeometryFollowsOrientationAndGrid)
{
    // A4 landscape at 300 dpi: 3508 x 2480 px; 2.5 mm cells are 2.5 * 3508 / 297 px wide.
    ASSERT_EQ(run({design, QStringLiteral("--json"), QStringLiteral("--paper"), QStringLiteral("297x210"),
                  QStringLiteral("--orientation"), QStringLiteral("landscape"), QStringLiteral("--dpi"),
                  QStringLiteral("300"), QStringLiteral("--grid-mm"), QStringLiteral("2.5,3"),
                  QStringLiteral("--key"), QStringLiteral("bottom"), QStringLiteral("--sort"), QStringLiteral("usage")}),
        0);
    const QJsonObject o = delegate.printedJson();
    EXPECT_EQ(o[QStringLiteral("pageWidthPx")].toInt(), 3508);
    EXPECT_EQ(o[QStringLiteral("pageHeightPx")].toInt(), 2480);
    EXPECT_NEAR(o[QStringLiteral("cellWidthPx")].toDouble(), 29.5286, 0.0001);
    EXPECT_NEAR(o[QStringLiteral("cellHeightPx")].toDouble(), 35.4286, 0.0001);
    EXPECT_EQ(o[QStringLiteral("key")].toString(), QStringLiteral("bottom"));
    // Usage order: green (one cell and 4 back-stitch units) before blue (one cell); the back
    // entry of green stays right after its cross entry.
    const QJsonArray keys = o[QStringLiteral("keyEntries")].toArray();
    ASSERT_EQ(keys.size(), 3);
    const QString types[] = {QStringLiteral("cross"), QStringLiteral("back"), QStringLiteral("cross")};
    const int counts[] = {1, 4, 1};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(keys[i].toObject()[QStringLiteral("type")].toString(), types[i]);
        EXPECT_EQ(keys[i].toObject()[QStringLiteral("count")].toInt(), counts[i]);
    }
    EXPECT_EQ(keys[0].toObject()[QStringLiteral("name")].toString(), keys[1].toObject()[QStringLiteral("name")].toString());
}

TEST_F(LayoutCommandTest, RealProcessPrintsThePageTableOrOneErrorLine)
{
    QProcess process;
    const auto start = [&](QStringList arguments) {
        process.start(QStringLiteral(THREADWRIGHT_CLI_PATH),
            QStringList{QStringLiteral("--data"), TestEnvironment::sourceData(), QStringLiteral("layout")} + arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
    };
    start({design, QStringLiteral("--json"), QStringLiteral("--pages"), QStringLiteral("design,legend,steps")});
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QJsonObject o = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    EXPECT_EQ(o[QStringLiteral("key")].toString(), QStringLiteral("separate"));
    EXPECT_TRUE(o[QStringLiteral("warning")].isNull());
    const QJsonObject first = o[QStringLiteral("pages")].toArray().first().toObject();
    EXPECT_EQ(first[QStringLiteral("kind")].toString(), QStringLiteral("both"));
    EXPECT_EQ(first[QStringLiteral("yOffsetPx")].toInt(), 75);
    EXPECT_EQ(first[QStringLiteral("cellsX")].toInt(), 43);
    EXPECT_EQ(first[QStringLiteral("cellsY")].toInt(), 34);
    EXPECT_EQ(first[QStringLiteral("keyCount")].toInt(), 0); // chart pages of a separate key carry none
    const QJsonObject keyPage = o[QStringLiteral("pages")].toArray()[3].toObject();
    EXPECT_EQ(keyPage[QStringLiteral("col")].toInt(), 3);
    EXPECT_TRUE(keyPage[QStringLiteral("keysOnly")].toBool());
    EXPECT_EQ(keyPage[QStringLiteral("keyCount")].toInt(), 3);
    const QJsonArray steps = o[QStringLiteral("stitchSteps")].toArray();
    ASSERT_EQ(steps.size(), 90 + 2);
    EXPECT_EQ(steps[2].toObject(), (QJsonObject{{QStringLiteral("row"), 1}, {QStringLiteral("count"), 98},
                                       {QStringLiteral("background"), true}}));

    const QList<QStringList> failing = {{design, QStringLiteral("--json"), QStringLiteral("--export"), QStringLiteral("0x800")},
        {dir.filePath(QStringLiteral("none.qmk")), QStringLiteral("--json")}};
    for (const QStringList& arguments : failing) {
        start(arguments);
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
        const QStringList lines = QString::fromLocal8Bit(process.readAllStandardError())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                      .filter(QRegularExpression(QStringLiteral("^threadwright-cli")));
        EXPECT_EQ(lines.size(), 1);
    }
    start({design, QStringLiteral("--paper"), QStringLiteral("a4"), QStringLiteral("--export"), QStringLiteral("10x10")});
    EXPECT_EQ(process.exitCode(), 2);
}
