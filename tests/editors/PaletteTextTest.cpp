#include "editors/PaletteDocument.h"
#include "editors/PaletteText.h"
#include "model/CommaText.h"
#include "model/PaletteLoader.h"
#include "model/TextFile.h"
#include "model/Windows1252.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
TColorInfo colour(const QString& name, const QString& number, TColorRef color, int symbol)
{
    return PaletteDocument::valuesOf(name, number, color, symbol);
}

// Writes the list as the editor saves it and reads it with the catalogue loader.
TColorTable roundTrip(const QList<TColorInfo>& colors, QString& key)
{
    QByteArray bytes;
    EXPECT_TRUE(PaletteText::encode(QStringLiteral("My \"own\", palette"), QStringLiteral("1.0"), colors, bytes).isOk());
    TColorTable table;
    EXPECT_TRUE(PaletteLoader::parse(TextFile::splitLines(Windows1252::toUnicode(bytes)), QStringLiteral("x.ctb"), key, table).isOk());
    return table;
}
} // namespace

TEST(PaletteText, EveryWrittenColourReadsBackThroughTheCatalogueLoader)
{
    struct Case
    {
        const char* what;
        TColorInfo color;
        int fields;
    };
    const Case cases[] = {
        {"a name equal to the number is not written", colour("310", "310", 0x000000, 5), 5},
        {"a plain different name", colour("Black", "310", 0x010101, 5), 6},
        {"quotes inside", colour("Say \"hi\"", "1", 0x020202, 1), 6},
        {"a leading quote", colour("\"quoted", "2", 0x030303, 1), 6},
        {"commas", colour("Red, bright", "3", 0x040404, 1), 6},
        {"blanks at either end and inside", colour(" Light  Blue ", "4", 0x050505, 1), 6},
        {"a tab", colour("a\tb", "5", 0x060606, 1), 6},
        {"a number with a blank and a name", colour("Blanc", "B 5200", 0x070707, 1), 6},
        {"a number with a comma equal to its name", colour("1,5", "1,5", 0x080808, 1), 5},
        {"Windows-1252 letters", colour("\u00e4\u20ac", "\u20ac", 0x090909, 1), 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(splitCommaText(PaletteText::colorLine(c.color)).size(), c.fields);
        QString key;
        const TColorTable table = roundTrip({c.color}, key);
        EXPECT_EQ(key, QStringLiteral("My \"own\", palette v1.0"));
        ASSERT_EQ(table.size(), 1);
        const TColorInfo& read = table.begin()->second;
        EXPECT_EQ(read.colorName, c.color.colorName);
        EXPECT_EQ(read.colorID, c.color.colorID);
        EXPECT_EQ(read.matchColor, c.color.matchColor);
        EXPECT_EQ(read.charID, c.color.charID);
    }
}

TEST(PaletteText, AnEmptyNameReadsBackEmpty)
{
    TColorInfo c = colour("x", "", 0x0A0A0A, 2);
    c.colorName = QString();
    c.colorID = QStringLiteral("7");
    QString key;
    const TColorTable table = roundTrip({c}, key);
    ASSERT_EQ(table.size(), 1);
    EXPECT_EQ(table.begin()->second.colorName, QString());
    EXPECT_EQ(table.begin()->second.colorID, QStringLiteral("7"));
}

TEST(PaletteText, RefusesWhatTheFileCannotHoldInsteadOfWritingSomethingElse)
{
    QByteArray bytes = "untouched";
    const struct
    {
        const char* what;
        QString name;
        QList<TColorInfo> colors;
        const char* named; // the colour the message must name, if any
    } cases[] = {
        {"a colour name outside the code page", "P", {colour("Omega \u03a9", "9", 1, 0)}, "Omega"},
        {"a number outside the code page", "P", {colour("N", "\u03a9", 1, 0)}, "N"},
        {"a line break in a name", "P", {colour("two\nlines", "9", 1, 0)}, "9"},
        {"a palette name outside the code page", "P\u03a9", {colour("N", "1", 1, 0)}, nullptr},
        {"an empty palette", "P", {}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Status s = PaletteText::encode(c.name, QStringLiteral("1"), c.colors, bytes);
        EXPECT_FALSE(s.isOk());
        if (c.named)
            EXPECT_TRUE(s.text().contains(QLatin1String(c.named)));
        EXPECT_EQ(bytes, QByteArray("untouched"));
    }
}

TEST(PaletteText, RefusesAFileTheLoaderCouldNotReadBack)
{
    QList<TColorInfo> colors;
    const QString longName(200, QLatin1Char('n'));
    for (int i = 0; colors.size() * 200 <= TextFile::kMaxFileBytes; ++i)
        colors << colour(longName + QString::number(i), QString::number(i), TColorRef(i), 0);
    QByteArray bytes;
    EXPECT_FALSE(PaletteText::encode(QStringLiteral("Big"), QStringLiteral("1"), colors, bytes).isOk());
}

TEST(PaletteText, OpeningKeepsDuplicatesAndListsTheLinesItCannotKeep)
{
    const QStringList lines = {";$NP", ";$V1", "310, 0, 0, 0, 5", "", "Light Blue, 3325, 102, 153, 204, 17",
        "3371, 0, 0, 0, 6", "1, x, 0, 0, 0", "\"Blanc\", B5200, 255, 255, 255, 2"};
    const PaletteText::Contents contents = PaletteText::decode(lines);
    ASSERT_EQ(contents.colors.size(), 3);
    EXPECT_EQ(contents.colors[1].colorID, QStringLiteral("3371"));
    EXPECT_EQ(contents.colors[1].orderID, 3);
    EXPECT_EQ(contents.colors[2].colorID, QStringLiteral("B5200"));
    EXPECT_EQ(contents.notKept, (QStringList{QStringLiteral("5: Light Blue, 3325, 102, 153, 204, 17"), QStringLiteral("7: 1, x, 0, 0, 0")}));
    PaletteDocument doc;
    QTemporaryDir dir;
    EXPECT_FALSE(doc.loadpalette(QStringLiteral("/nonexistent/x.ctb")).isOk());
    QFile f(dir.filePath(QStringLiteral("p.ctb")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Windows1252::fromUnicode(lines.join(QStringLiteral("\r\n"))));
    f.close();
    QStringList notKept;
    ASSERT_TRUE(doc.loadpalette(f.fileName(), &notKept).isOk());
    EXPECT_EQ(notKept.size(), 2);
    EXPECT_FALSE(doc.isDuplicate(0));
    EXPECT_TRUE(doc.isDuplicate(1));
    EXPECT_FALSE(doc.isDuplicate(2));
}
