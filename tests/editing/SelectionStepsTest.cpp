// The selection's steps of threadwright-cli edit: select, copy, cut, paste, move, turn, mirror and
// merge, as a real process and on the rendered chart.
#include "support/CliCommandTest.h"
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>

namespace {
const QString kDmc = QStringLiteral("DMC Stranded Cotton v1");
}

class SelectionStepsTest : public CliCommandTest
{
protected:
    QStringList newDesign(const QStringList& steps)
    {
        return QStringList{QStringLiteral("edit"), QStringLiteral("--new"), QStringLiteral("20x20"),
                   QStringLiteral("--palette"), kDmc, QStringLiteral("-o"), output}
            + steps;
    }

    const QString output = path(QStringLiteral("out.qmk"));
};

TEST_F(SelectionStepsTest, CopyPasteTurnMoveAndMergeAsARealProcess)
{
    const QStringList steps = {"mode draw", "color 310", "click 1,1", "color 321", "click 2,1", "color 700",
        "click 3,1", "color 796", "click 1,2", "mode knot", "color 801", "click 2,2", "mode backstitch", "color 444",
        "click 2,4", "click 8,4", "click 8,4", "select 1,1,4,3", "copy", "paste", "rotate-right", "move-to 10,10",
        "merge"};
    QProcess process;
    process.start(QStringLiteral(THREADWRIGHT_CLI_PATH),
        QStringList{QStringLiteral("--data"), TestEnvironment::sourceData()} + newDesign(steps));
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed(),
        QStringLiteral("%1: 20 x 20 cells, 7 undo records").arg(output));

    const QJsonObject info = infoJson(output);
    EXPECT_EQ(info.value(QStringLiteral("back_stitches")).toInt(), 2);
    EXPECT_EQ(info.value(QStringLiteral("french_knots")).toInt(), 2);
    QMap<QString, QList<int>> counts;
    for (const QJsonValue& c : info.value(QStringLiteral("colors")).toArray()) {
        const QJsonObject o = c.toObject();
        counts[o.value(QStringLiteral("id")).toString()] = {o.value(QStringLiteral("full")).toInt(),
            o.value(QStringLiteral("back_units")).toInt(), o.value(QStringLiteral("knots")).toInt()};
    }
    const QMap<QString, QList<int>> expected = {{"310", {2, 0, 0}}, {"321", {2, 0, 0}}, {"700", {2, 0, 0}},
        {"796", {2, 0, 0}}, {"801", {0, 0, 2}}, {"444", {0, 12, 0}}};
    EXPECT_EQ(counts, expected);

    const QString picture = path(QStringLiteral("out.png"));
    ASSERT_EQ(run({QStringLiteral("render"), output, QStringLiteral("-o"), picture, QStringLiteral("--zoom"),
                  QStringLiteral("8")}),
        0);
    const QImage image(picture);
    const QList<QPair<QPoint, QRgb>> pixels = {{{92, 84}, 0x000000}, {{92, 100}, 0x07731B}, {{84, 84}, 0x11416D},
        {{84, 92}, 0xFFFFFF}, {{88, 92}, 0xFFD600}, {{96, 80}, 0x653919}};
    for (const auto& [at, rgb] : pixels)
        EXPECT_EQ(image.pixel(at) & 0xFFFFFFu, rgb) << at.x() << "," << at.y();
}

TEST_F(SelectionStepsTest, StepsTheWindowWouldNotOfferAreRefused)
{
    struct Case
    {
        const char* name;
        QStringList steps;
        int exitCode;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"a frame of three numbers", {"select 1,2,3"}, 2, "step 1 .*L,T,R,B"},
        {"move-to with an argument of one number", {"select 0,0,2,2", "move-to 4"}, 2, "step 2 .*X,Y"},
        {"copy outside the selection", {"copy"}, 1, "step 1: .*needs the selection"},
        {"paste with an empty buffer", {"paste"}, 1, "step 1: there is nothing to paste"},
        {"merge without pasted content", {"select 0,0,2,2", "merge"}, 1, "step 2: .*needs pasted content"},
        {"a turn without pasted content", {"select 0,0,2,2", "copy", "rotate-left"}, 1, "step 3: .*pasted content"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(run(newDesign(c.steps)), c.exitCode);
        ASSERT_EQ(delegate.errors.size(), 1);
        EXPECT_TRUE(delegate.errors.first().contains(QRegularExpression(QLatin1String(c.message))))
            << delegate.errors.first().toStdString();
        EXPECT_FALSE(QFile::exists(output));
    }
}

TEST_F(SelectionStepsTest, CutMirrorsAndMergesOutsideTheDesignWithoutLosingAnything)
{
    // A frame far beyond the design stops one design size away: -20,-20 to 40,40. Mirrored both
    // ways, the two stitches of cells (0, 0) and (1, 0) come to the design's last row, merged
    // once (the second merge changes nothing and records nothing); two undos bring them back.
    const QStringList steps = {"mode draw", "color 310", "click 0,0", "click 1,0", "select -99,-99,99999,99999",
        "cut", "paste", "mirror-h", "mirror-v", "move-to -20,-20", "merge", "key enter", "undo", "undo"};
    ASSERT_EQ(run(newDesign(steps)), 0) << delegate.errors.join(QLatin1Char('\n')).toStdString();
    const QJsonObject info = infoJson(output);
    EXPECT_EQ(info.value(QStringLiteral("colors")).toArray().first().toObject().value(QStringLiteral("full")).toInt(), 2)
        << "undoing the merge and the cut brings both stitches back";
}
