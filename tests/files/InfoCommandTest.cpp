// threadwright-cli info and save-as, in-process through CommandProcessor, and once each as a
// real process for the exit code and stderr.
#include "CommandProcessor.h"
#include "support/CliCommandTest.h"
#include "support/RecordingDelegate.h"
#include "files/QmkWriter.h"
#include "model/ColorUsage.h"
#include "support/QmkTestFiles.h"
#include "support/TestEnvironment.h"
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace QmkTestFiles;

namespace {
class DesignCommands : public CliCommandTest
{
protected:
    void SetUp() override
    {
        auto d = sampleDesign();
        ColorUsage::CalcColorUsage(*d);
        ASSERT_TRUE(SaveQMK(*d, sample));
    }

    QString sample = path(QStringLiteral("sample.qmk"));
};

QSet<QString> keysOf(const QJsonObject& o)
{
    const QStringList keys = o.keys();
    return QSet<QString>(keys.begin(), keys.end());
}
} // namespace

TEST_F(DesignCommands, InfoJsonDescribesTheDesignAndItsUsedColours)
{
    const QJsonObject info = infoJson(sample);
    EXPECT_EQ(keysOf(info),
        (QSet<QString>{"width", "height", "palette", "symbol_set", "font", "background", "title", "comment",
            "stitch_length", "back_stitch_length", "base_length", "used_colors", "back_stitches", "french_knots",
            "rhodes", "colors"}));
    EXPECT_EQ(info["width"].toInt(), 8);
    EXPECT_EQ(info["height"].toInt(), 6);
    EXPECT_EQ(info["palette"].toString(), kPalette);
    EXPECT_EQ(info["font"].toString(), QStringLiteral("VelwickArtSymbols110"));
    EXPECT_EQ(info["background"].toString(), QStringLiteral("#F0E0D0"));
    EXPECT_EQ(info["title"].toString(), QStringLiteral("Rosen für Oma"));
    EXPECT_EQ(info["comment"].toArray(), QJsonArray({QStringLiteral("Grüße – 5 €"), QString(), QStringLiteral("third line")}));
    EXPECT_DOUBLE_EQ(info["stitch_length"].toDouble(), 0.005);
    EXPECT_DOUBLE_EQ(info["back_stitch_length"].toDouble(), 0.0025);
    EXPECT_DOUBLE_EQ(info["base_length"].toDouble(), 0.1);
    EXPECT_EQ(info["used_colors"].toInt(), 4);
    EXPECT_EQ(info["back_stitches"].toInt(), 2);
    EXPECT_EQ(info["french_knots"].toInt(), 1);
    EXPECT_EQ(info["rhodes"].toInt(), 1);

    const QJsonArray colors = info["colors"].toArray();
    ASSERT_EQ(colors.size(), 4);
    QStringList order;
    for (const QJsonValue& c : colors)
        order << c.toObject()["rgb"].toString();
    EXPECT_EQ(order, (QStringList{"#000000", "#C72B3B", "#00A000", "#FFFFFF"}));
    // Black: 4 cells, 1 quarter, back stitch 2 and rhode 2 + 2, no knot.
    EXPECT_EQ(colors[0].toObject(),
        (QJsonObject{{"id", "100"}, {"name", "Colour 000000"}, {"rgb", "#000000"}, {"symbol_index", 0}, {"full", 4},
            {"quarters", 1}, {"back_units", 6}, {"knots", 0}, {"count", 11}}));
    const QJsonObject green = colors[2].toObject();
    EXPECT_EQ(green["full"].toInt(), 2);
    EXPECT_EQ(green["quarters"].toInt(), 1);
    EXPECT_EQ(green["knots"].toInt(), 1);
    EXPECT_EQ(green["count"].toInt(), 4);
}

TEST_F(DesignCommands, InfoWithoutJsonIsAReadableSummary)
{
    ASSERT_EQ(run({QStringLiteral("info"), sample}), 0);
    EXPECT_TRUE(delegate.printed.contains(QStringLiteral("Size:          8 x 6 cells\n")));
    EXPECT_TRUE(delegate.printed.contains(QStringLiteral("Title:         Rosen für Oma\n")));
    EXPECT_TRUE(delegate.printed.contains(QStringLiteral("Colours used:  4\n")));
    EXPECT_EQ(delegate.printed.count(QStringLiteral("  symbol ")), 4);
    EXPECT_TRUE(delegate.errors.isEmpty());
}

TEST_F(DesignCommands, SaveAsWritesADesignThatReadsTheSame)
{
    const QJsonObject before = infoJson(sample);
    const QString copy = path(QStringLiteral("copy.qmk"));
    ASSERT_EQ(run({QStringLiteral("save-as"), sample, copy}), 0) << delegate.errors.join('\n').toStdString();
    EXPECT_TRUE(delegate.printed.contains(copy));
    EXPECT_EQ(infoJson(copy), before);
}

TEST_F(DesignCommands, FailuresAreOneLineOnStderrAndUsageErrorsExitWith2)
{
    struct Case
    {
        QStringList arguments;
        int exitCode;
        QString message;
    };
    const QString damaged = path(QStringLiteral("damaged.qmk"));
    writeFile(damaged, QByteArray("HDSF"));
    const QString picture = path(QStringLiteral("picture.png"));
    writeFile(picture, QByteArray("png"));
    const std::vector<Case> cases = {
        {{"info", path("missing.qmk")}, 1, "Could not read the file"},
        {{"info", damaged, "--json"}, 1, "ends before the size of the design"},
        {{"info", picture}, 1, "This kind of file cannot be opened"},
        {{"save-as", damaged, path("out.qmk")}, 1, "ends before the size of the design"},
        {{"save-as", sample, path("no/such/folder/out.qmk")}, 1, "Could not write the file"},
        {{"info"}, 2, "needs exactly one design file"},
        {{"info", sample, sample}, 2, "needs exactly one design file"},
        {{"info", sample, "--xml"}, 2, "unknown option"},
        {{"save-as", sample}, 2, "needs a design file and an output file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(run(c.arguments), c.exitCode);
        ASSERT_EQ(delegate.errors.size(), 1);
        EXPECT_TRUE(delegate.errors[0].contains(c.message)) << delegate.errors[0].toStdString();
        EXPECT_TRUE(delegate.printed.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.qmk"))));
}

TEST_F(DesignCommands, TheRealProgramReportsSuccessAndFailure)
{
    const QStringList data = {QStringLiteral("--data"), TestEnvironment::sourceData()};
    // Without a runtime folder Qt warns on stderr, which would hide what the program printed.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
    QProcess ok;
    ok.setProcessEnvironment(environment);
    ok.start(QStringLiteral(THREADWRIGHT_CLI_PATH), data + QStringList{QStringLiteral("info"), sample, QStringLiteral("--json")});
    ASSERT_TRUE(ok.waitForFinished(60000));
    EXPECT_EQ(ok.exitCode(), 0) << ok.readAllStandardError().toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(ok.readAllStandardOutput()).object()["width"].toInt(), 8);

    QProcess failed;
    failed.setProcessEnvironment(environment);
    failed.start(QStringLiteral(THREADWRIGHT_CLI_PATH), data + QStringList{QStringLiteral("info"), path(QStringLiteral("missing.qmk"))});
    ASSERT_TRUE(failed.waitForFinished(60000));
    EXPECT_EQ(failed.exitCode(), 1);
    const QString stderrText = QString::fromLocal8Bit(failed.readAllStandardError());
    EXPECT_EQ(stderrText.count(QLatin1Char('\n')), 1) << stderrText.toStdString();
    EXPECT_TRUE(stderrText.startsWith(QStringLiteral("threadwright-cli: Could not read the file"))) << stderrText.toStdString();
    EXPECT_TRUE(failed.readAllStandardOutput().isEmpty());
}

TEST_F(DesignCommands, ADataFolderWithoutCataloguesIsAUsageError)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("fonts-only/fonts"));
    QDir(m_dir.path()).mkpath(QStringLiteral("empty-palettes/palettes"));
    const struct
    {
        QString folder;
        QString message;
    } cases[] = {
        {path(QStringLiteral("nowhere")), QStringLiteral("does not exist")},
        {path(QStringLiteral("fonts-only")), QStringLiteral("holds no palettes")},
        {path(QStringLiteral("empty-palettes")), QStringLiteral("holds no palettes")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder.toStdString());
        EXPECT_EQ(delegate.run({QStringLiteral("info"), sample}, c.folder), 2);
        ASSERT_EQ(delegate.errors.size(), 1);
        EXPECT_TRUE(delegate.errors[0].contains(c.folder)) << delegate.errors[0].toStdString();
        EXPECT_TRUE(delegate.errors[0].contains(c.message)) << delegate.errors[0].toStdString();
        EXPECT_TRUE(delegate.printed.isEmpty());
    }
}
