// threadwright-cli edit: inserting columns at a clicked column and changing the size, with the
// knots and back stitches that lie beyond the line or outside the new size.
#include "support/CliCommandTest.h"
#include "editing/TextStitches.h"
#include <QImage>
#include <QJsonArray>

namespace {
const QStringList kStitches = {"mode draw", "color 310", "click 2,1", "mode backstitch", "color 321", "click 4,2",
    "click 4,4", "click 4,4", "color 444", "click 6,2", "click 6,4", "click 6,4", "mode knot", "color 801",
    "click 6,6", "color 700", "click 4,8"};
const QStringList kInsertion = {"insert columns 2", "click 2,0"};
} // namespace

class EditSizeStepsTest : public CliCommandTest
{
protected:
    int edit(const QStringList& steps)
    {
        delegate.printed.clear();
        return run(QStringList{"edit", "--new", "10x6", "--palette", "DMC Stranded Cotton v1", "-o", output} + steps);
    }

    const QString output = path(QStringLiteral("out.qmk"));
};

TEST_F(EditSizeStepsTest, InsertedColumnsMoveWhatLiesBeyondTheLine)
{
    ASSERT_EQ(edit(kStitches + kInsertion), 0) << delegate.errors.join('\n').toStdString();
    EXPECT_EQ(delegate.printed, QStringLiteral("%1: 12 x 6 cells, 6 undo records\n").arg(output));

    const QString picture = path(QStringLiteral("out.png"));
    ASSERT_EQ(run({"render", output, "-o", picture, "--zoom", "8"}), 0) << delegate.errors.join('\n').toStdString();
    const QImage shown(picture);
    const struct
    {
        int x, y;
        QRgb colour;
        const char* what;
    } pixels[] = {{36, 12, 0x000000, "the full stitch moved right"}, {20, 12, 0xFFFFFF, "an inserted column"},
        {24, 12, 0xFFFFFF, "an inserted column"}, {16, 12, 0xC72B3B, "a back stitch on the line stays"},
        {40, 12, 0xFFD600, "a back stitch beyond moves"}, {40, 24, 0x653919, "a knot beyond moves"},
        {16, 32, 0x07731B, "a knot on the line stays"}};
    for (const auto& p : pixels)
        EXPECT_EQ(shown.pixel(p.x, p.y) & 0xFFFFFF, p.colour) << p.what;
}

TEST_F(EditSizeStepsTest, AShrinkTakesOutWhatLiesOutsideAndUndoRestoresIt)
{
    ASSERT_EQ(edit(kStitches + kInsertion + QStringList{"resize 4 6"}), 0) << delegate.errors.join('\n').toStdString();
    QJsonObject info = infoJson(output);
    EXPECT_EQ(info.value("french_knots").toInt(), 1);
    EXPECT_EQ(info.value("back_stitches").toInt(), 1);

    ASSERT_EQ(edit(kStitches + kInsertion + QStringList{"resize 4 6", "undo", "undo"}), 0);
    const QJsonObject undone = infoJson(output);
    ASSERT_EQ(edit(kStitches), 0);
    EXPECT_EQ(undone, infoJson(output));
}

TEST_F(EditSizeStepsTest, MalformedAndRefusedSizeSteps)
{
    for (const char* step : {"insert columns 0", "insert cols 2", "insert rows", "resize 4", "resize four 6",
             "text \"unterminated", "text", "text \"A\" size 0", "text \"A\" style heavy", "text \"A\" enlarge"}) {
        EXPECT_EQ(edit({step}), 2) << step;
        EXPECT_TRUE(delegate.errors.last().contains("step 1")) << delegate.errors.last().toStdString();
    }
    EXPECT_EQ(edit({"resize 40000 6"}), 1);
    EXPECT_EQ(edit({"insert rows 32767", "click 0,0"}), 1);
    EXPECT_TRUE(delegate.errors.last().contains("32767")) << delegate.errors.last().toStdString();
}

TEST_F(EditSizeStepsTest, TextFloatsAtTheTopLeftAfterTheDesignGrewAndMergesInTheCurrentColour)
{
    const QImage mask = TextStitches::render(QStringLiteral("Rose \"R\""), QStringLiteral("DejaVu Sans"), 10, TextStitches::styleBold);
    ASSERT_GT(mask.width(), 10);
    const QStringList steps = {"color 310", "text \"Rose \\\"R\\\"\" font \"DejaVu Sans\"", "merge"};
    ASSERT_EQ(edit(steps), 0) << delegate.errors.join('\n').toStdString();
    EXPECT_EQ(delegate.printed, QStringLiteral("text %1 x %2\n%3: %1 x %4 cells, 2 undo records\n")
                                    .arg(mask.width())
                                    .arg(mask.height())
                                    .arg(output)
                                    .arg(std::max(6, mask.height())));
    const QJsonObject info = infoJson(output);
    int ink = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            ink += mask.pixelColor(x, y).alpha() > 0;
    ASSERT_EQ(info.value("colors").toArray().size(), 1);
    EXPECT_EQ(info.value("colors").toArray()[0].toObject().value("full").toInt(), ink);

    ASSERT_EQ(edit({"color 310", "text \"Rose\" font \"DejaVu Sans\" size 24 style italic enlarge off", "merge"}), 0);
    EXPECT_TRUE(delegate.printed.contains(QStringLiteral(": 10 x 6 cells"))) << delegate.printed.toStdString();
}
