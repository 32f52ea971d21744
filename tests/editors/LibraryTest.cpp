// The design library's core: entries read apart from the open design, their colours brought
// into the open design's table, their whole content handed to the clipboard buffer, and the
// storing of a design or a part of it.
#include "editing/ClipboardBuffer.h"
#include "editing/TRect.h"
#include "editors/LibraryAdd.h"
#include "editors/LibraryEntry.h"
#include "editors/LibraryFolder.h"
#include "files/QmkWriter.h"
#include "support/TestDesigns.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kBlue = 0xFF0000;
constexpr TColorRef kGreen = 0x00FF00;
constexpr TColorRef kNavy = 0x800000;
constexpr TColor32 kOpenBackground = 0xFFF0E0D0u;

// A 3 x 2 entry in red and blue with a quarter, a back stitch, a knot and a rhode in blue.
std::unique_ptr<Design> entryDesign()
{
    auto d = TestDesigns::fromRows({"rb.", ".r."}, {{'r', kRed}, {'b', kBlue}});
    d->stitch.setColorsname(QStringLiteral("Entry palette"));
    d->QuarterLayer.setCanvasPixel(5, 3, kBlue);
    d->BackStitchList.append({QPoint(0, 0), QPoint(2, 2), kBlue, 0});
    d->FrenchKnotList.append({QPoint(3, 1), kBlue, 0});
    TRhodeRef rhode = TestDesigns::rhodeShape(QStringLiteral("fan"), 1, 1, false, {{4, 0, 6, 2}});
    rhode->color = kBlue;
    d->RhodeList.append(rhode);
    return d;
}

class LibraryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        open = TestDesigns::empty(20, 10, {kRed, kGreen, kNavy});
        open->stitch.BackGroundColor = kOpenBackground;
        open->stitch.setColorsname(QStringLiteral("Open palette"));
    }

    QString path(const QString& name) const { return QDir(folder.path()).filePath(name); }

    // The entry design written as `name` and read back as a library entry.
    void store(Design& d, const QString& name, const QmkTexts* texts = nullptr)
    {
        ASSERT_TRUE(SaveQMK(d, path(name), QRect(0, 0, d.width(), d.height()), d.CrossLayer, texts));
        ASSERT_TRUE(entry.load(path(name), LibraryEntry::freshDesign(open->stitch), folder.path() + QLatin1Char('/')));
    }

    QTemporaryDir folder;
    std::unique_ptr<Design> open;
    LibraryEntry entry;
};
} // namespace

TEST_F(LibraryTest, EveryEntryColourBecomesAColourOfTheOpenTable)
{
    const struct
    {
        const char* what;
        QString openPalette;
        bool converted;
    } cases[] = {
        {"the same palette: a colour of the table stays, a foreign one is mapped", "Entry palette", false},
        {"another palette: every colour is mapped to the nearest", "Open palette", true},
    };
    auto d = entryDesign();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        open->stitch.setColorsname(c.openPalette);
        store(*d, QStringLiteral("motif.qmk"));
        entry.compareWith(&open->stitch);
        EXPECT_EQ(entry.needsConversion(), c.converted);
        EXPECT_EQ(entry.matchColor(kRed), kRed);
        EXPECT_EQ(entry.matchColor(kBlue), kNavy);
    }
    entry.compareWith(nullptr);
    EXPECT_FALSE(entry.needsConversion()) << "without an open design nothing is converted";
}

TEST_F(LibraryTest, TheBufferTakesTheWholeEntryInTheOpenColoursAndBackground)
{
    auto d = entryDesign();
    store(*d, QStringLiteral("motif.qmk"));
    entry.compareWith(&open->stitch);
    ClipboardBuffer buffer;
    buffer.BackStitches.append({QPoint(9, 9), QPoint(8, 8), kGreen, 0});
    entry.fillBuffer(open->stitch.BackGroundColor, buffer);

    ASSERT_EQ(buffer.width(), 3);
    ASSERT_EQ(buffer.height(), 2);
    EXPECT_EQ(buffer.background, kOpenBackground);
    EXPECT_EQ(buffer.bitmap.canvasPixel(0, 0), kRed);
    EXPECT_EQ(buffer.bitmap.canvasPixel(1, 0), kNavy);
    EXPECT_EQ(buffer.bitmap.pixel(2, 0), kOpenBackground) << "an empty cell takes the open background";
    EXPECT_EQ(buffer.qbitmap.canvasPixel(5, 3), kNavy);
    EXPECT_EQ(buffer.qbitmap.pixel(0, 0), kOpenBackground);
    ASSERT_EQ(buffer.BackStitches.size(), 1) << "what the buffer held before is gone";
    EXPECT_EQ(buffer.BackStitches[0], (TBackStitch{QPoint(0, 0), QPoint(2, 2), kNavy, 0}));
    ASSERT_EQ(buffer.FrenchKnots.size(), 1);
    EXPECT_EQ(buffer.FrenchKnots[0].Center, QPoint(3, 1));
    EXPECT_EQ(buffer.FrenchKnots[0].Color, kNavy);
    ASSERT_EQ(buffer.Rhodes.size(), 1);
    EXPECT_EQ(buffer.Rhodes[0]->color, kNavy);
    EXPECT_NE(buffer.Rhodes[0], d->RhodeList[0]) << "the buffer owns its rhodes";
}

TEST_F(LibraryTest, LabelsPreviewAndUnreadableEntries)
{
    auto d = entryDesign();
    store(*d, QStringLiteral("plain.qmk"));
    EXPECT_EQ(entry.name(), QStringLiteral("plain.qmk"));
    EXPECT_EQ(entry.description(), folder.path() + QStringLiteral("/plain.qmk"));
    EXPECT_EQ(entry.palette(), QStringLiteral("Entry palette"));

    d->stitch.Title = QStringLiteral("Mine");

    const QmkTexts texts{QStringLiteral("Rose"), {QStringLiteral("A rose"), QStringLiteral("in red")}};
    store(*d, QStringLiteral("rose.qmk"), &texts);
    EXPECT_EQ(entry.name(), QStringLiteral("Rose"));
    EXPECT_EQ(entry.description(), QStringLiteral("A rose\nin red"));
    EXPECT_EQ(d->stitch.Title, QStringLiteral("Mine")) << "the stored design keeps its own title";
    const QImage& preview = entry.preview();
    ASSERT_EQ(preview.size(), QSize(6, 4));
    EXPECT_EQ(preview.pixel(0, 1) & 0xFFFFFF, 0xFF0000u) << "a red cell as a 2 x 2 block";
    EXPECT_EQ(preview.pixel(5, 3) & 0xFFFFFF, 0x0000FFu) << "a blue quarter as one pixel";
    EXPECT_EQ(preview.pixel(4, 0) & 0xFFFFFF, 0xFFFFFFu) << "an empty cell in the entry's background";

    QFile bad(path(QStringLiteral("bad.qmk")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a design");
    bad.close();
    EXPECT_FALSE(entry.load(path(QStringLiteral("bad.qmk")), LibraryEntry::freshDesign(open->stitch), folder.path()));
    EXPECT_FALSE(entry.loaded());
    EXPECT_TRUE(entry.preview().isNull());
}

TEST_F(LibraryTest, TheFolderListsExactExtensionsInNumericOrder)
{
    for (const char* name : {"motif 10.qmk", "motif 2.qmk", "Motif 3.qmk", "a.qmkp", "motif.QMK", "notes.txt"}) {
        QFile f(path(QString::fromUtf8(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(LibraryFolder::entries(folder.path()), QStringList({"a.qmkp", "motif 2.qmk", "Motif 3.qmk", "motif 10.qmk"}));
    EXPECT_TRUE(LibraryFolder::entries(path(QStringLiteral("missing"))).isEmpty());
}

TEST(LibraryAdd, TheRectangleIsTheSelectionClippedToTheDesign)
{
    auto d = TestDesigns::empty(10, 6, {kRed});
    const struct
    {
        std::optional<TRect> selection;
        QRect cells;
    } cases[] = {
        {std::nullopt, QRect(0, 0, 10, 6)},
        {TRect{2, 1, 5, 4}, QRect(2, 1, 3, 3)},
        {TRect{-2, -1, 3, 2}, QRect(0, 0, 3, 2)},
        {TRect{8, 5, 20, 20}, QRect(8, 5, 2, 1)},
        {TRect{12, 0, 15, 3}, QRect()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LibraryAdd::rectangle(*d, c.selection), c.cells) << c.cells.x() << "," << c.cells.y();
}

TEST(LibraryAdd, ThePreviewHoldsBackStitchesWithBothEndsInsideOrOnTheEdge)
{
    auto d = TestDesigns::empty(6, 4, {kRed, kGreen, kBlue});
    d->CrossLayer.setCanvasPixel(1, 1, kRed);
    d->CrossLayer.setCanvasPixel(0, 0, kBlue);
    d->BackStitchList.append({QPoint(2, 6), QPoint(6, 2), kGreen, 0}); // ends on the far edges
    d->BackStitchList.append({QPoint(1, 5), QPoint(3, 5), kBlue, 0});  // one end outside
    const QImage preview = LibraryAdd::preview(*d, QRect(1, 1, 2, 2));
    ASSERT_EQ(preview.size(), QSize(4, 4));
    EXPECT_EQ(preview.pixel(2, 2) & 0xFFFFFF, 0x00FF00u) << "kept: its ends lie on the bounds";
    EXPECT_EQ(preview.pixel(1, 3) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(preview.pixel(0, 0) & 0xFFFFFF, 0xFF0000u) << "the selected part's red cell";
    EXPECT_EQ(preview.pixel(0, 2) & 0xFFFFFF, 0xFFFFFFu) << "the stitch with an end outside is left out";
}

TEST(LibraryAdd, NamesAndTheFileWritten)
{
    for (const char* name : {"rose", "Straße ✿", "rose.qmkp", "a.b"})
        EXPECT_TRUE(LibraryAdd::nameAllowed(QString::fromUtf8(name))) << name;
    for (const char* name : {"", ".", "..", "*.qmk", "a/b", "a\\b", "a:b", "a<b", "a>b", "a?b", "a|b", "a\"b", "a\tb"})
        EXPECT_FALSE(LibraryAdd::nameAllowed(QString::fromUtf8(name))) << name;
    EXPECT_EQ(LibraryAdd::fileName(QStringLiteral("rose")), QStringLiteral("rose.qmk"));
    EXPECT_EQ(LibraryAdd::fileName(QStringLiteral("rose.qmk")), QStringLiteral("rose.qmk"));
    EXPECT_EQ(LibraryAdd::fileName(QStringLiteral("rose.qmkp")), QStringLiteral("rose.qmkp.qmk"));
    EXPECT_EQ(LibraryAdd::fileName(QStringLiteral("rose.QMK")), QStringLiteral("rose.QMK.qmk"));
}

TEST(LibraryAdd, SavingMakesTheFolderAndAFolderThatCannotBeMadeWritesNothing)
{
    QTemporaryDir dir;
    auto d = TestDesigns::fromRows({"rr", "r."}, {{'r', kRed}});
    d->stitch.Title = QStringLiteral("Mine");
    d->stitch.comment = QStringList{QStringLiteral("my note")};
    const QString library = dir.filePath(QStringLiteral("new/library"));
    ASSERT_TRUE(LibraryAdd::save(*d, library, QStringLiteral("rose"), QRect(0, 0, 2, 1), QStringLiteral("Rose"), QString()));
    EXPECT_TRUE(QFile::exists(library + QStringLiteral("/rose.qmk")));

    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Status refused =
        LibraryAdd::save(*d, dir.filePath(QStringLiteral("file/library")), QStringLiteral("rose"), QRect(0, 0, 2, 2), {}, {});
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.text().contains(QStringLiteral("file/library"))) << refused.text().toStdString();
    EXPECT_EQ(d->stitch.Title, QStringLiteral("Mine"));
    EXPECT_EQ(d->stitch.comment, QStringList{QStringLiteral("my note")});
}
