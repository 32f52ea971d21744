// threadwright-cli edit: scripts of steps driving the window's tools.
#include "support/CliCommandTest.h"
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>

namespace {
const QString kDmc = QStringLiteral("DMC Stranded Cotton v1");

// Full stitches and back-stitch units per colour id, from `info --json`.
QMap<QString, QPair<int, int>> perColour(const QJsonObject& info)
{
    QMap<QString, QPair<int, int>> counts;
    for (const QJsonValue& c : info.value(QStringLiteral("colors")).toArray()) {
        const QJsonObject o = c.toObject();
        counts[o.value(QStringLiteral("id")).toString()] = {o.value(QStringLiteral("full")).toInt(),
            o.value(QStringLiteral("back_units")).toInt()};
    }
    return counts;
}
} // namespace

class EditCommandTest : public CliCommandTest
{
protected:
    QStringList newDesign(int width, int height, const QStringList& steps)
    {
        return QStringList{QStringLiteral("edit"), QStringLiteral("--new"), QStringLiteral("%1x%2").arg(width).arg(height),
                   QStringLiteral("--palette"), kDmc, QStringLiteral("-o"), output}
            + steps;
    }

    const QString output = path(QStringLiteral("out.qmk"));
};

TEST_F(EditCommandTest, EveryShapeToolAsARealProcess)
{
    const QStringList steps = {
        "mode line", "color 310", "click 0,0", "click 3,1", "click 3,1",
        "mode rectangle", "fill-mode none", "color 321", "click 1,3", "click 4,5",
        "mode fill", "color 700", "click 2,4",
        "mode rectangle", "fill-mode full", "color 796", "click 10,3", "click 13,5",
        "mode circle", "color 444", "click 20,4", "click 20,5",
        "fill-mode none", "color 550", "click 25,4", "click 26,4",
        "mode draw", "color 3846", "click 0,10", "click 0,11", "click 1,11",
        "mode outline", "color 801", "click 0,11",
        "mode draw", "color 208", "click 10,12", "click 15,12",
        "mode outline-border", "corner round", "color 995", "click 10,12",
        "corner sharp", "color 996", "click 15,12", "click 30,5",
    };
    QProcess process;
    process.start(QStringLiteral(THREADWRIGHT_CLI_PATH),
        QStringList{QStringLiteral("--data"), TestEnvironment::sourceData()} + newDesign(30, 20, steps));
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed(),
        QStringLiteral("%1: 30 x 20 cells, 14 undo records").arg(output));

    const QJsonObject info = infoJson(output);
    EXPECT_EQ(info.value(QStringLiteral("back_stitches")).toInt(), 7);
    const QMap<QString, QPair<int, int>> expected = {{"208", {2, 0}}, {"310", {4, 0}}, {"321", {10, 0}},
        {"3846", {3, 0}}, {"444", {5, 0}}, {"550", {4, 0}}, {"700", {2, 0}}, {"796", {12, 0}}, {"801", {0, 16}},
        {"995", {4, 0}}, {"996", {8, 0}}};
    EXPECT_EQ(perColour(info), expected);
}

TEST_F(EditCommandTest, UndoAndRedoStepsAndGesturesOverSeveralEvents)
{
    // A pen stroke by press, moves and release; then a line undone and redone, and a rectangle
    // undone for good.
    ASSERT_EQ(run(newDesign(10, 5, {"color 310", "press 0,0", "move 1,0", "move 2,0", "release 2,0", "mode line",
                  "color 321", "click 0,2", "click 4,2", "key esc", "undo", "redo", "mode rectangle", "click 6,0",
                  "click 7,1", "undo"})),
        0)
        << delegate.errors.join('\n').toStdString();
    EXPECT_EQ(delegate.printed, QStringLiteral("%1: 10 x 5 cells, 2 undo records\n").arg(output));
    const QMap<QString, QPair<int, int>> expected = {{"310", {3, 0}}, {"321", {5, 0}}};
    EXPECT_EQ(perColour(infoJson(output)), expected);
}

TEST_F(EditCommandTest, BadScriptsAreRefusedAndWriteNothing)
{
    struct Case
    {
        const char* name;
        QStringList steps;
        int exitCode;
        const char* message; // a pattern the error line must hold
    };
    const std::vector<Case> cases = {
        {"an unknown verb", {"mode line", "jump 3,4"}, 2, "step 2 .*unknown step \"jump\""},
        {"a position without a comma", {"click 3 4"}, 2, "step 1 .*X,Y"},
        {"an unknown mode", {"mode spray"}, 2, "step 1 .*mode takes one of"},
        {"a pen size beyond 4", {"pen 5"}, 2, "step 1 .*pen takes 1\\|2\\|3\\|4"},
        {"undo with an argument", {"undo 2"}, 2, "step 1 .*no argument"},
        {"a colour the palette lacks", {"mode draw", "color 99999", "click 0,0"}, 1, "step 2: .*has no colour 99999"},
        {"nothing to undo", {"undo"}, 1, "step 1: there is nothing to undo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(run(newDesign(5, 5, c.steps)), c.exitCode);
        ASSERT_EQ(delegate.errors.size(), 1);
        EXPECT_TRUE(delegate.errors.first().contains(QRegularExpression(QLatin1String(c.message))))
            << delegate.errors.first().toStdString();
        EXPECT_FALSE(QFile::exists(output));
    }
    EXPECT_EQ(run({QStringLiteral("edit"), QStringLiteral("--new"), QStringLiteral("5x5"), QStringLiteral("--palette"),
                  QStringLiteral("No such palette"), QStringLiteral("-o"), output}),
        1);
    EXPECT_EQ(run({QStringLiteral("edit"), QStringLiteral("--new"), QStringLiteral("5by5"), QStringLiteral("-o"), output}), 2);
    EXPECT_FALSE(QFile::exists(output));
}

TEST_F(EditCommandTest, EditsAnExistingDesignAndKeepsItsRecords)
{
    ASSERT_EQ(run(newDesign(6, 6, {"color 310", "click 1,1"})), 0);
    const QString second = path(QStringLiteral("second.qmk"));
    ASSERT_EQ(run({QStringLiteral("edit"), output, QStringLiteral("-o"), second, QStringLiteral("mode fill"),
                  QStringLiteral("color 321"), QStringLiteral("click 0,0")}),
        0)
        << delegate.errors.join('\n').toStdString();
    EXPECT_EQ(delegate.printed, QStringLiteral("%1: 6 x 6 cells, 1 undo records\n").arg(second));
    const QMap<QString, QPair<int, int>> expected = {{"310", {1, 0}}, {"321", {35, 0}}};
    EXPECT_EQ(perColour(infoJson(second)), expected);
}
