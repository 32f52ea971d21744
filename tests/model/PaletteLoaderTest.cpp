#include "model/PaletteLoader.h"
#include "model/Windows1252.h"
#include "support/TestEnvironment.h"
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Writes a palette file as the palette editor does: Windows-1252, CR LF.
QString writeCtb(const QTemporaryDir& dir, const QString& name, const QStringList& lines)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    for (const QString& line : lines)
        f.write(Windows1252::fromUnicode(line) + "\r\n");
    return path;
}

struct Colour
{
    TColorRef color;
    QString name;
    QString number;
    int symbol;
    int order;
};

struct GrammarCase
{
    const char* what;
    QStringList lines;
    QString key;
    std::vector<Colour> colours; // in table order
};

const std::vector<GrammarCase>& grammarCases()
{
    static const std::vector<GrammarCase> cases = {
        {"a version line adds the version to the key",
            {";$NCotton", ";$V2", "310, 0, 0, 0, 5"}, "Cotton v2", {{0x000000, "310", "310", 5, 0}}},
        {"a second line that is not a version line is lost, even when it is a colour line",
            {";$NCotton", "310, 0, 0, 0, 5", "321, 199, 43, 59, 6"}, "Cotton",
            {{makeColorRef(199, 43, 59), "321", "321", 6, 0}}},
        {"a version marker anywhere in the second line counts",
            {";$NCotton", "x;$V3"}, "Cotton vV3", {}},
        {"the five-field line 310, 0, 0, 0, 5",
            {";$NC", ";$V1", "310, 0, 0, 0, 5"}, "C v1", {{0, "310", "310", 5, 0}}},
        {"a six-field line with a quoted name",
            {";$NC", ";$V1", "\"Light Blue\", 3325, 102, 153, 204, 17"}, "C v1",
            {{makeColorRef(102, 153, 204), "Light Blue", "3325", 17, 0}}},
        {"a quoted name keeps commas, blanks and doubled quotes",
            {";$NC", ";$V1", "\"Red, \"\"bright\"\" \", 321, 199, 43, 59, 1"}, "C v1",
            {{makeColorRef(199, 43, 59), "Red, \"bright\" ", "321", 1, 0}}},
        {"channels are taken modulo 256",
            {";$NC", ";$V1", "1, 256, 257, 511, 0", "2, -1, 0, 0, 0"}, "C v1",
            {{makeColorRef(0, 1, 255), "1", "1", 0, 0}, {makeColorRef(255, 0, 0), "2", "2", 0, 1}}},
        {"a repeated colour keeps the first line and orderID still counts the second",
            {";$NC", ";$V1", "310, 0, 0, 0, 5", "3371, 0, 0, 0, 6", "321, 199, 43, 59, 7"}, "C v1",
            {{0, "310", "310", 5, 0}, {makeColorRef(199, 43, 59), "321", "321", 7, 2}}},
        {"an empty line is skipped and counted",
            {";$NC", ";$V1", "", "310, 0, 0, 0, 5"}, "C v1", {{0, "310", "310", 5, 1}}},
        {"lines with other field counts are skipped and counted, even with words in them",
            {";$NC", ";$V1", "1, 2, 3, 4", "Light Blue, 3325, 102, 153, 204, 17", "x", "a, b, c, d, e, f, g",
                "310, 0, 0, 0, 5"},
            "C v1", {{0, "310", "310", 5, 4}}},
        {"blanks alone separate fields",
            {";$NC", ";$V1", "310 0\t0   0 5"}, "C v1", {{0, "310", "310", 5, 0}}},
        {"a file of two lines is an empty palette",
            {";$NEmpty", ";$V1"}, "Empty v1", {}},
        {"Windows-1252 names",
            {";$NCoton fran\u00e7ais", ";$V1", "\"\u20ac Gr\u00fcn\", 700, 0, 128, 0, 3"}, "Coton fran\u00e7ais v1",
            {{makeColorRef(0, 128, 0), "\u20ac Gr\u00fcn", "700", 3, 0}}},
    };
    return cases;
}
} // namespace

TEST(PaletteLoader, GrammarCases)
{
    for (const GrammarCase& c : grammarCases()) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        TPaletteCatalogue catalogue;
        ASSERT_TRUE(PaletteLoader::loadFile(writeCtb(dir, QStringLiteral("p.ctb"), c.lines), catalogue).isOk());
        ASSERT_EQ(catalogue.keys(), std::vector<QString>{c.key});
        const TColorTable& table = catalogue.at(c.key);
        ASSERT_EQ(table.size(), int(c.colours.size()));
        int i = 0;
        for (const auto& [color, info] : table) {
            const Colour& want = c.colours[size_t(i++)];
            EXPECT_EQ(color, want.color);
            EXPECT_EQ(info.matchColor, want.color);
            EXPECT_EQ(info.colorName, want.name);
            EXPECT_EQ(info.colorID, want.number);
            EXPECT_EQ(info.charID, want.symbol);
            EXPECT_EQ(info.orderID, want.order);
            EXPECT_EQ(info.colorCount + info.quarterStitchesCount + info.backStitchesCount + info.Ord, 0);
        }
    }
}

TEST(PaletteLoader, FieldThatIsNotANumberSkipsTheFileWithItsNameAndLine)
{
    const std::vector<std::pair<QString, int>> bad = {
        {QStringLiteral("310, x, 0, 0, 5"), 4},
        {QStringLiteral("\"Black\", 310, 0, 0, 0, five"), 4},
        {QStringLiteral("310, 0, 0, 0, 5.0"), 4},
    };
    for (const auto& [line, lineNumber] : bad) {
        SCOPED_TRACE(line.toStdString());
        QTemporaryDir dir;
        const QString path = writeCtb(dir, QStringLiteral("bad.ctb"), {";$NC", ";$V1", "321, 199, 43, 59, 1", line});
        TPaletteCatalogue catalogue;
        const Status s = PaletteLoader::loadFile(path, catalogue);
        ASSERT_FALSE(s.isOk());
        EXPECT_TRUE(s.text().contains(path));
        EXPECT_TRUE(s.text().contains(QStringLiteral("line %1").arg(lineNumber))) << s.text().toStdString();
        EXPECT_TRUE(catalogue.isEmpty());
    }
}

TEST(PaletteLoader, FolderLoadsInNameOrderFirstKeyWinsAndBadFilesOnlySkipThemselves)
{
    QTemporaryDir dir;
    writeCtb(dir, QStringLiteral("a.ctb"), {";$NCotton", ";$V1", "310, 0, 0, 0, 5"});
    // Same key: ignored without reading its colour lines, so its bad line raises nothing.
    writeCtb(dir, QStringLiteral("b.ctb"), {";$NCotton", ";$V1", "321, 199, 43, 59, 1", "1, x, 0, 0, 0"});
    const QString bad = writeCtb(dir, QStringLiteral("c.ctb"), {";$NBroken", ";$V1", "1, 2, 3, 4, 5", "2, 2, 3, y, 5"});
    writeCtb(dir, QStringLiteral("d.ctb"), {";$NSilk", ";$V7", "\"Gold\", 5, 200, 160, 0, 9"});
    writeCtb(dir, QStringLiteral("notes.txt"), {";$NNot a palette", ";$V1"});

    TPaletteCatalogue catalogue;
    TPaletteFiles files;
    const QStringList messages = PaletteLoader::loadFolder(dir.path(), catalogue, &files);

    EXPECT_EQ(catalogue.keys(), (std::vector<QString>{"Cotton v1", "Silk v7"}));
    EXPECT_EQ(catalogue.at(QStringLiteral("Cotton v1")).keys(), std::vector<TColorRef>{0});
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(bad));
    EXPECT_TRUE(messages[0].contains(QStringLiteral("line 4")));
    EXPECT_EQ(files.keys(), catalogue.keys());
    EXPECT_EQ(files.value(QStringLiteral("Cotton v1")), QDir(dir.path()).filePath(QStringLiteral("a.ctb")));
    EXPECT_EQ(files.value(QStringLiteral("Silk v7")), QDir(dir.path()).filePath(QStringLiteral("d.ctb")));
}

TEST(PaletteLoader, UnreadableFileGivesAMessageNamingIt)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.ctb"));
    TPaletteCatalogue catalogue;
    const Status s = PaletteLoader::loadFile(missing, catalogue);
    ASSERT_FALSE(s.isOk());
    EXPECT_TRUE(s.text().contains(missing));
    EXPECT_FALSE(PaletteLoader::loadFile(writeCtb(dir, QStringLiteral("empty.ctb"), {}), catalogue).isOk());
}

TEST(PaletteLoader, ShippedPalettesLoadWithoutMessageAsWritten)
{
    TPaletteCatalogue catalogue;
    TPaletteFiles files;
    const QStringList messages = PaletteLoader::loadFolder(TestEnvironment::sourceData(QStringLiteral("palettes")), catalogue, &files);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(catalogue.keys(), (std::vector<QString>{"Anchor Stranded Cotton v1", "DMC Stranded Cotton v1"}));
    EXPECT_EQ(catalogue.at(QStringLiteral("DMC Stranded Cotton v1")).size(), 489);
    EXPECT_EQ(catalogue.at(QStringLiteral("Anchor Stranded Cotton v1")).size(), 445);

    for (const auto& [key, table] : catalogue) {
        SCOPED_TRACE(key.toStdString());
        int order = 0;
        QSet<QString> numbers;
        for (const auto& [color, info] : table) {
            // Every line was taken, in order, with the symbol cycling through the default set.
            EXPECT_EQ(info.orderID, order);
            EXPECT_EQ(info.charID, order % 180);
            EXPECT_FALSE(info.colorName.isEmpty());
            numbers.insert(info.colorID);
            ++order;
        }
        EXPECT_EQ(numbers.size(), table.size());
    }
    const TColorTable& dmc = catalogue.at(QStringLiteral("DMC Stranded Cotton v1"));
    const auto byNumber = [&](const QString& number) {
        for (const auto& [color, info] : dmc) {
            if (info.colorID == number)
                return info;
        }
        return TColorInfo();
    };
    EXPECT_EQ(byNumber(QStringLiteral("310")).matchColor, makeColorRef(0, 0, 0));
    EXPECT_EQ(byNumber(QStringLiteral("310")).colorName, QStringLiteral("Black"));
    EXPECT_EQ(byNumber(QStringLiteral("321")).matchColor, makeColorRef(199, 43, 59));
    EXPECT_EQ(byNumber(QStringLiteral("B5200")).colorName, QStringLiteral("Snow White"));
    EXPECT_EQ(byNumber(QStringLiteral("Ecru")).colorName, QStringLiteral("Ecru"));
    EXPECT_EQ(byNumber(QStringLiteral("01")).matchColor, makeColorRef(227, 227, 230));
}
