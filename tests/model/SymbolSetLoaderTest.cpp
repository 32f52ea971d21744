#include "model/SymbolSetLoader.h"
#include "model/Windows1252.h"
#include "support/TestEnvironment.h"
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QString writeChr(const QTemporaryDir& dir, const QString& name, const QStringList& lines)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    for (const QString& line : lines)
        f.write(Windows1252::fromUnicode(line) + "\r\n");
    return path;
}
} // namespace

TEST(SymbolSetLoader, ReadsNameDescriptionFontAndCodes)
{
    QTemporaryDir dir;
    const QString path = writeChr(dir, QStringLiteral("s.chr"),
        {"Caf\u00e9 set", "Shapes \u20ac", "VelwickArtSymbols110,,53", "65", "128", "159", "160", "600", "33"});
    TSymbolSetCatalogue catalogue;
    ASSERT_TRUE(SymbolSetLoader::loadFile(path, catalogue).isOk());
    const TCharacterInfo& info = catalogue.at(QStringLiteral("Caf\u00e9 set"));
    EXPECT_EQ(info.fileName, path);
    EXPECT_EQ(info.altName, QStringLiteral("Shapes \u20ac"));
    EXPECT_EQ(info.fontName, QStringLiteral("VelwickArtSymbols110"));
    EXPECT_EQ(info.fontCharset, 53);
    EXPECT_EQ(info.fontStyle, 53);
    // 128 and 159 go through the code page (euro sign, Latin y with diaeresis); 160 and 600 are
    // the code units themselves.
    EXPECT_EQ(info.characters, QStringLiteral("A\u20ac\u0178\u00a0\u0258!"));
}

TEST(SymbolSetLoader, FontLineFieldsAndTheirDefaults)
{
    struct Case
    {
        QString fontLine;
        QString font;
        int style;
        int charset;
    };
    const std::vector<Case> cases = {
        {"Symbols,,53", "Symbols", 53, 53},
        {"Symbols,0,2", "Symbols", 2, 2},
        {"Symbols", "Symbols", 0, 57},
        {"Symbols,,", "Symbols", 0, 57},
        {"Symbols,,x", "Symbols", 0, 57},
        {"\"Art, Symbols\",,53", "Art, Symbols", 53, 53},
        // A font name with a blank needs quotes; without them the name splits.
        {"Art Symbols,,53", "Art", 0, 57},
        {"", "", 0, 57},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fontLine.toStdString());
        TCharacterInfo info;
        ASSERT_TRUE(SymbolSetLoader::parse({"N", "D", c.fontLine, "65"}, QStringLiteral("f.chr"), info).isOk());
        EXPECT_EQ(info.fontName, c.font);
        EXPECT_EQ(info.fontStyle, c.style);
        EXPECT_EQ(info.fontCharset, c.charset);
        EXPECT_EQ(info.characters, QStringLiteral("A"));
    }
}

TEST(SymbolSetLoader, RepeatedNamesAreNumbered)
{
    QTemporaryDir dir;
    for (const char* file : {"a.chr", "b.chr", "c.chr"})
        writeChr(dir, QLatin1String(file), {"Set", "Description", "F,,53", "65"});
    writeChr(dir, QStringLiteral("d.chr"), {"Set (1) extra", "Description", "F,,53", "66"});
    TSymbolSetCatalogue catalogue;
    EXPECT_TRUE(SymbolSetLoader::loadFolder(dir.path(), catalogue).isEmpty());
    EXPECT_EQ(catalogue.keys(), (std::vector<QString>{"Set", "Set (1)", "Set (2)", "Set (1) extra"}));
    EXPECT_EQ(catalogue.at(QStringLiteral("Set (2)")).Name, QStringLiteral("Set (2)"));
    EXPECT_EQ(catalogue.at(QStringLiteral("Set (2)")).fileName, QDir(dir.path()).filePath(QStringLiteral("c.chr")));
}

TEST(SymbolSetLoader, BadCodeLineSkipsTheFileWithItsNameAndLine)
{
    const std::vector<QString> badLines = {"x", "", "12a", "65536", "-1", "6.5"};
    for (const QString& bad : badLines) {
        SCOPED_TRACE(bad.toStdString());
        QTemporaryDir dir;
        writeChr(dir, QStringLiteral("a.chr"), {"Good", "D", "F,,53", "65"});
        const QString path = writeChr(dir, QStringLiteral("b.chr"), {"Bad", "D", "F,,53", "65", bad, "66"});
        writeChr(dir, QStringLiteral("c.chr"), {"Also good", "D", "F,,53", "67"});
        TSymbolSetCatalogue catalogue;
        const QStringList messages = SymbolSetLoader::loadFolder(dir.path(), catalogue);
        EXPECT_EQ(catalogue.keys(), (std::vector<QString>{"Good", "Also good"}));
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].contains(path));
        EXPECT_TRUE(messages[0].contains(QStringLiteral("line 5"))) << messages[0].toStdString();
    }
}

TEST(SymbolSetLoader, FilesWithoutAFontLineOrUnreadableAreSkipped)
{
    QTemporaryDir dir;
    TSymbolSetCatalogue catalogue;
    const QString shortFile = writeChr(dir, QStringLiteral("short.chr"), {"Name", "Description"});
    const Status s = SymbolSetLoader::loadFile(shortFile, catalogue);
    ASSERT_FALSE(s.isOk());
    EXPECT_TRUE(s.text().contains(shortFile));
    EXPECT_FALSE(SymbolSetLoader::loadFile(dir.filePath(QStringLiteral("missing.chr")), catalogue).isOk());
    EXPECT_TRUE(catalogue.isEmpty());
    // A set with a font line and no characters is a valid, empty set.
    EXPECT_TRUE(SymbolSetLoader::loadFile(writeChr(dir, QStringLiteral("e.chr"), {"E", "D", "F"}), catalogue).isOk());
    EXPECT_TRUE(catalogue.at(QStringLiteral("E")).characters.isEmpty());
}

TEST(SymbolSetLoader, ShippedSymbolSetsLoadWithoutMessage)
{
    const QString folder = TestEnvironment::sourceData(QStringLiteral("characters"));
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.chr")}, QDir::Files);
    if (files.isEmpty())
        GTEST_SKIP() << "no symbol sets shipped in " << folder.toStdString();
    TSymbolSetCatalogue catalogue;
    const QStringList messages = SymbolSetLoader::loadFolder(folder, catalogue);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(catalogue.size(), files.size());
    const QStringList families = QFontDatabase::families();
    for (const auto& [name, info] : catalogue) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(info.characters.isEmpty());
        // A font name with a blank must be quoted, or the font line splits it.
        EXPECT_TRUE(families.contains(info.fontName)) << "unknown font " << info.fontName.toStdString();
        EXPECT_EQ(info.fontCharset, 53);
        // Text layout hides a soft hyphen, and text taken out of a PDF chart turns a no-break
        // space into a blank: neither may stand for a colour.
        EXPECT_FALSE(info.characters.contains(QChar(0x00AD)));
        EXPECT_FALSE(info.characters.contains(QChar(0x00A0)));
    }
}
