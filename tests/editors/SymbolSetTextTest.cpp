#include "editors/SymbolSetText.h"
#include "model/SymbolSetLoader.h"
#include <QFile>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QString written(const QTemporaryDir& dir, const SymbolSetText::Contents& contents)
{
    QByteArray bytes;
    EXPECT_TRUE(SymbolSetText::encode(contents, bytes));
    const QString fileName = dir.filePath(QStringLiteral("set.chr"));
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return fileName;
}
} // namespace

TEST(SymbolSetText, AWrittenSetReadsBackThroughTheCatalogueEqual)
{
    const QTemporaryDir dir;
    const SymbolSetText::Contents contents{QStringLiteral("Zeichen \"fein\""), QString::fromUtf8("Crème brûlée – 5 €, œuvre"),
        QStringLiteral("My Font, Bold \"x\""), {65, 128, 161, 600, 33}, {}};
    const QString fileName = written(dir, contents);

    TSymbolSetCatalogue catalogue;
    ASSERT_TRUE(SymbolSetLoader::loadFile(fileName, catalogue));
    const TCharacterInfo& info = catalogue.at(contents.name);
    EXPECT_EQ(info.altName, contents.description);
    EXPECT_EQ(info.fontName, contents.font);
    EXPECT_EQ(info.fontCharset, 53);
    EXPECT_EQ(info.characters, QString::fromUtf8("A€¡\u0258!"));

    SymbolSetText::Contents read;
    ASSERT_TRUE(SymbolSetText::read(fileName, read));
    EXPECT_EQ(read.name, contents.name);
    EXPECT_EQ(read.description, contents.description);
    EXPECT_EQ(read.font, contents.font);
    EXPECT_EQ(read.codes, contents.codes);
}

TEST(SymbolSetText, TheFileIsCodePageTextWithCrLfAndAFontWithBlanksIsQuoted)
{
    QByteArray bytes;
    ASSERT_TRUE(SymbolSetText::encode({QStringLiteral("S"), QString::fromUtf8("é"), QStringLiteral("DejaVu Sans"), {66, 128}, {}}, bytes));
    EXPECT_EQ(bytes, QByteArray("S\r\n\xE9\r\n\"DejaVu Sans\",,53\r\n66\r\n128\r\n"));
    ASSERT_TRUE(SymbolSetText::encode({QStringLiteral("S"), QString(), QStringLiteral("Plain"), {66}, {}}, bytes));
    EXPECT_EQ(bytes, QByteArray("S\r\n\r\nPlain,,53\r\n66\r\n"));
}

TEST(SymbolSetText, TextsTheFileCannotHoldAndAnEmptySetAreRefused)
{
    const struct
    {
        const char* what;
        SymbolSetText::Contents contents;
    } cases[] = {
        {"name outside the code page", {QString::fromUtf8("Ωmega"), QString(), QStringLiteral("F"), {65}, {}}},
        {"line break in the description", {QStringLiteral("S"), QStringLiteral("two\nlines"), QStringLiteral("F"), {65}, {}}},
        {"font outside the code page", {QStringLiteral("S"), QString(), QString::fromUtf8("文泉驿"), {65}, {}}},
        {"no symbols", {QStringLiteral("S"), QString(), QStringLiteral("F"), {}, {}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray bytes = "old";
        EXPECT_FALSE(SymbolSetText::encode(c.contents, bytes));
        EXPECT_EQ(bytes, QByteArray("old"));
    }
}

TEST(SymbolSetText, BlanksSoftHyphenAndControlsHaveNoVisibleGlyph)
{
    const QFontMetrics metrics{QFont(QStringLiteral("DejaVu Sans"))};
    EXPECT_TRUE(SymbolSetText::hasVisibleGlyph(metrics, 65));
    EXPECT_TRUE(SymbolSetText::hasVisibleGlyph(metrics, 128)); // the euro sign
    for (const int code : {32, 160, 173, 129, 10})
        EXPECT_FALSE(SymbolSetText::hasVisibleGlyph(metrics, code)) << code;
}
