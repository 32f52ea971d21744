#include "model/Design.h"
#include "model/SaveQuestions.h"
#include "support/RecordingListener.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kWhite = 0xFFFFFF;
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kBlue = 0xFF0000;

// Answers TStitch::Check from a script and records what it was asked.
class ScriptedQuestions : public SaveQuestions
{
public:
    Answer answer = Answer::Cancel;
    QString chosenName;
    bool saveSucceeds = true;
    int asked = 0;
    QStringList saved;

    Answer ask(const QString&) override
    {
        ++asked;
        return answer;
    }
    QString chooseSaveFileName(const QString&) override { return chosenName; }
    bool saveWholeDesign(const QString& fileName) override
    {
        saved << fileName;
        return saveSucceeds;
    }
};
} // namespace

TEST(TStitch, WhiteStitchOnWhiteBackgroundIsNotEmpty)
{
    auto d = TestDesigns::fromRows({"w."}, {{'w', kWhite}});
    EXPECT_EQ(d->CrossLayer.pixel(0, 0), 0x00FFFFFFu);
    EXPECT_FALSE(d->isEmptyCell(0, 0));
    EXPECT_TRUE(d->isEmptyCell(1, 0));
    EXPECT_EQ(d->CrossLayer.canvasPixel(0, 0), kWhite);
}

TEST(TStitch, CreateSetsTheStartingValues)
{
    Design d;
    EXPECT_EQ(d.stitch.BackGroundColor, 0x00FFFFFFu);
    EXPECT_EQ(d.stitch.drawcolor(), 0u);
    EXPECT_EQ(d.stitch.pensize(), 1);
    EXPECT_DOUBLE_EQ(d.stitch.len, 0.006);
    EXPECT_DOUBLE_EQ(d.stitch.backlen, 0.003);
    EXPECT_DOUBLE_EQ(d.stitch.baseLen, 0.08);
    EXPECT_FALSE(d.stitch.FileNameAssigned);
    EXPECT_EQ(d.stitch.defaultCharacters.size(), 180);
    EXPECT_TRUE(d.stitch.defaultCharacters.startsWith(QLatin1String("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ0")));
    EXPECT_EQ(d.History.position(), -1);
}

TEST(TStitch, BackgroundChangeMovesOnlyEmptyCellsOfBothLayers)
{
    auto d = TestDesigns::fromRows({"r.", ".b"}, {{'r', kRed}, {'b', kBlue}});
    d->QuarterLayer.setCanvasPixel(3, 0, kBlue);
    RecordingListener listener;
    d->setListener(&listener);

    d->stitch.changeBackgroundColor(kBlue);

    const TColor32 blueBackground = 0xFF0000FFu;
    EXPECT_EQ(d->stitch.BackGroundColor, blueBackground);
    EXPECT_EQ(d->CrossLayer.pixel(1, 0), blueBackground);
    EXPECT_EQ(d->CrossLayer.pixel(0, 1), blueBackground);
    EXPECT_EQ(d->CrossLayer.canvasPixel(0, 0), kRed);
    // A stitch in the colour of the new background stays a stitch.
    EXPECT_FALSE(d->isEmptyCell(1, 1));
    EXPECT_FALSE(d->isEmptyQuarter(3, 0));
    EXPECT_TRUE(d->isEmptyQuarter(0, 0));
    EXPECT_EQ(d->History.count(), 1);
    EXPECT_FALSE(d->stitch.fileSaved());
    EXPECT_TRUE(listener.has(QStringLiteral("background")));

    d->History.Undo();
    EXPECT_EQ(d->stitch.BackGroundColor, 0xFFFFFFFFu);
    EXPECT_EQ(d->CrossLayer.pixel(1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(d->QuarterLayer.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_FALSE(d->isEmptyCell(1, 1));

    d->History.Redo();
    EXPECT_EQ(d->stitch.BackGroundColor, blueBackground);
    EXPECT_EQ(d->QuarterLayer.pixel(0, 0), blueBackground);
}

TEST(TStitch, BackgroundChangeToTheSameColourDoesNothing)
{
    auto d = TestDesigns::fromRows({".."}, {});
    d->stitch.setFileSaved(true);
    d->stitch.changeBackgroundColor(kWhite);
    EXPECT_EQ(d->History.count(), 0);
    EXPECT_TRUE(d->stitch.fileSaved());
}

TEST(TStitch, CheckFollowsTheAnswers)
{
    struct Case
    {
        const char* name;
        bool saved;
        bool named;
        Answer answer;
        QString chosen;
        bool saveSucceeds;
        bool result;
        int asked;
        bool savedAfter;
        int writes;
    };
    const Case cases[] = {
        {"saved design is not asked", true, true, Answer::Yes, {}, true, true, 0, true, 0},
        {"cancel keeps the design", false, true, Answer::Cancel, {}, true, false, 1, false, 0},
        {"no discards without saving", false, true, Answer::No, {}, true, true, 1, false, 0},
        {"yes saves a named design", false, true, Answer::Yes, {}, true, true, 1, true, 1},
        {"a failed save keeps the design", false, true, Answer::Yes, {}, false, false, 1, false, 1},
        {"yes then cancelled dialog", false, false, Answer::Yes, {}, true, false, 1, false, 0},
        {"yes then a chosen name", false, false, Answer::Yes, QStringLiteral("/tmp/x.qmk"), true, true, 1, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Design d;
        d.stitch.setFilename(QStringLiteral("/old/name.qmk"));
        d.stitch.FileNameAssigned = c.named;
        d.stitch.setFileSaved(c.saved);
        ScriptedQuestions q;
        q.answer = c.answer;
        q.chosenName = c.chosen;
        q.saveSucceeds = c.saveSucceeds;
        EXPECT_EQ(d.stitch.Check(q), c.result);
        EXPECT_EQ(q.asked, c.asked);
        EXPECT_EQ(d.stitch.fileSaved(), c.savedAfter);
        EXPECT_EQ(q.saved.size(), c.writes);
        if (!c.chosen.isEmpty()) {
            EXPECT_EQ(d.stitch.filename(), c.chosen);
            EXPECT_TRUE(d.stitch.FileNameAssigned);
        }
    }
}

TEST(TStitch, SettersNotifyTheListener)
{
    auto d = TestDesigns::empty(2, 2, {kRed});
    RecordingListener listener;
    d->setListener(&listener);

    d->stitch.setFileSaved(false);
    d->stitch.setFilename(QStringLiteral("a.qmk"));
    d->stitch.setColorsname(QStringLiteral("Cotton v2"));
    d->stitch.setDrawcolor(kRed);
    d->stitch.setDrawcolor(kBlue); // not in the colour table: stored, nothing shown
    d->stitch.setPensize(5);

    EXPECT_EQ(listener.calls, (QStringList{QStringLiteral("fileSaved false"), QStringLiteral("fileName a.qmk"),
                                  QStringLiteral("palette Cotton v2"), QStringLiteral("drawColor 0000ff"),
                                  QStringLiteral("penSize 5")}));
    EXPECT_EQ(d->stitch.drawcolor(), kBlue);
    EXPECT_EQ(d->stitch.pensize(), 5);
}

TEST(TStitch, TranslateAddsMissingTextsAsThemselves)
{
    Design d;
    d.stitch.Language.insert(QStringLiteral("Save"), QStringLiteral("Speichern"));
    EXPECT_EQ(d.stitch.translate(QStringLiteral("Save")), QStringLiteral("Speichern"));
    EXPECT_EQ(d.stitch.translate(QStringLiteral("Unknown text")), QStringLiteral("Unknown text"));
    EXPECT_EQ(d.stitch.Language.value(QStringLiteral("Unknown text")), QStringLiteral("Unknown text"));
    EXPECT_EQ(d.stitch.translate(QStringLiteral("save")), QStringLiteral("save"));
}
