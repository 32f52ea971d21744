#include "editors/PaletteDocument.h"
#include "model/PaletteLoader.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
TColorInfo colour(const char* name, const char* number, TColorRef color, int symbol)
{
    return PaletteDocument::valuesOf(QString::fromUtf8(name), QString::fromUtf8(number), color, symbol);
}

// A palette of three colours added through the editor's own steps.
PaletteDocument threeColours()
{
    PaletteDocument doc;
    for (const TColorInfo& c : {colour("Black", "310", 0x000000, 0), colour("Red", "321", 0x0000C7, 1),
             colour("White", "B5200", 0xFFFFFF, 2)}) {
        doc.beginNew(10);
        doc.store(c);
    }
    return doc;
}
} // namespace

TEST(PaletteDocument, OkChecksNameThenNumberThenColourSkippingTheEditedColour)
{
    struct Case
    {
        const char* what;
        bool edit; // edit row 1 ("Red") instead of adding
        TColorInfo values;
        PaletteRefusal refusal;
        int row;
    };
    const Case cases[] = {
        {"new: same name", false, colour("Black", "1", 0x111111, 5), PaletteRefusal::Name, 0},
        {"new: same number", false, colour("Grey", "321", 0x111111, 5), PaletteRefusal::Number, 1},
        {"new: same colour", false, colour("Snow", "1", 0xFFFFFF, 5), PaletteRefusal::Rgb, 2},
        {"new: the name of one and the number of an earlier one", false, colour("White", "310", 0x111111, 5), PaletteRefusal::Number, 0},
        {"new: names compare with letter case", false, colour("black", "1", 0x111111, 5), PaletteRefusal::None, -1},
        {"new: a blank name takes the number, here another colour's name", false, colour("  ", "Red", 0x111111, 5), PaletteRefusal::Name, 1},
        {"edit: same name as another", true, colour("White", "321", 0x0000C7, 1), PaletteRefusal::Name, 2},
        {"edit: same number as another", true, colour("Red", "310", 0x0000C7, 1), PaletteRefusal::Number, 0},
        {"edit: same colour as another", true, colour("Red", "321", 0x000000, 1), PaletteRefusal::Rgb, 0},
        {"edit: keeping its own values", true, colour("Red", "321", 0x0000C7, 1), PaletteRefusal::None, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PaletteDocument doc = threeColours();
        doc.setCurrent(1);
        if (c.edit)
            doc.beginEdit();
        else
            doc.beginNew(10);
        int row = -1;
        EXPECT_EQ(doc.check(c.values, &row), c.refusal);
        EXPECT_EQ(row, c.row);
    }
}

TEST(PaletteDocument, TheSymbolQuestionConcernsOnlyOtherColoursWhenEditing)
{
    PaletteDocument doc = threeColours();
    doc.setCurrent(1);
    doc.beginNew(10);
    EXPECT_TRUE(doc.symbolUsedByOther(1));
    doc.cancel();
    doc.beginEdit();
    EXPECT_FALSE(doc.symbolUsedByOther(1)); // its own symbol
    EXPECT_TRUE(doc.symbolUsedByOther(2));
    EXPECT_FALSE(doc.symbolUsedByOther(7));
}

TEST(PaletteDocument, NewColoursNumberAfterTheLastAndPreselectTheNextSymbolWrapping)
{
    PaletteDocument doc = threeColours();
    EXPECT_EQ(doc.colors().last().orderID, 2);
    EXPECT_EQ(doc.current(), 2);
    EXPECT_TRUE(doc.changed());
    EXPECT_EQ(doc.beginNew(10), 3);
    doc.cancel();
    EXPECT_EQ(doc.beginNew(3), 0); // past the end of a three-symbol string
    doc.cancel();
    PaletteDocument empty;
    EXPECT_EQ(empty.beginNew(3), 0);
}

TEST(PaletteDocument, SortsAreStableAndMovesSurviveSortingBackByPalette)
{
    PaletteDocument doc = threeColours();
    for (const TColorInfo& c : {colour("Ecru", "Ecru", 0x00F0F0, 3), colour("Blue", "10", 0xFF0000, 4),
             colour("blue", "9", 0xEE0000, 5)}) {
        doc.beginNew(10);
        doc.store(c);
    }
    auto numbers = [&doc] {
        QStringList n;
        for (const TColorInfo& c : doc.colors())
            n << c.colorID;
        return n.join(QLatin1Char(' '));
    };
    doc.sortBy(PaletteSort::ByNumber);
    EXPECT_EQ(numbers(), QStringLiteral("9 10 310 321 B5200 Ecru"));
    EXPECT_FALSE(doc.canUp() || doc.canDown());
    doc.sortBy(PaletteSort::ByName);
    EXPECT_EQ(numbers(), QStringLiteral("310 10 Ecru 321 B5200 9"));
    doc.sortBy(PaletteSort::ByPalette);
    EXPECT_EQ(numbers(), QStringLiteral("310 321 B5200 Ecru 10 9"));
    doc.setCurrent(0);
    EXPECT_FALSE(doc.canUp());
    doc.moveDown();
    EXPECT_EQ(doc.current(), 1);
    EXPECT_EQ(numbers(), QStringLiteral("321 310 B5200 Ecru 10 9"));
    doc.sortBy(PaletteSort::ByName);
    doc.sortBy(PaletteSort::ByPalette);
    EXPECT_EQ(numbers(), QStringLiteral("321 310 B5200 Ecru 10 9"));
}

TEST(PaletteDocument, DeleteShowsTheNextRowAndMarksTheListChanged)
{
    PaletteDocument doc = threeColours();
    ASSERT_TRUE(doc.savePalette(QDir::temp().filePath(QStringLiteral("tw-palette-doc.ctb")), QStringLiteral("P"), QStringLiteral("1")).isOk());
    QFile::remove(QDir::temp().filePath(QStringLiteral("tw-palette-doc.ctb")));
    EXPECT_FALSE(doc.canSave());
    doc.setCurrent(2);
    doc.deleteCurrent();
    EXPECT_EQ(doc.current(), 1);
    EXPECT_TRUE(doc.canSave());
    doc.deleteCurrent();
    doc.deleteCurrent();
    EXPECT_EQ(doc.current(), -1);
    EXPECT_FALSE(doc.canEdit() || doc.canDelete());
}

// The file's place is taken by a folder, which no write can replace (permissions would not stop
// a test run as root).
TEST(PaletteDocument, AFailedSaveReportsTheFileAndKeepsTheChanges)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("mine.ctb"));
    ASSERT_TRUE(QDir().mkpath(file));
    PaletteDocument doc = threeColours();
    const Status s = doc.savePalette(file, QStringLiteral("Mine"), QStringLiteral("1"));
    EXPECT_FALSE(s.isOk());
    EXPECT_TRUE(s.text().contains(file));
    EXPECT_TRUE(doc.changed());
    EXPECT_FALSE(doc.saved());
    EXPECT_TRUE(QFileInfo(file).isDir());
}
