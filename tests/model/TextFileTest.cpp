#include "model/TextFile.h"
#include "model/Windows1252.h"
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Letters from all four byte ranges of Windows-1252 that differ from Latin-1 or ASCII.
const QString kText = QStringLiteral("Gr\u00fc\u00dfe \u20ac\u2013\u0152uvre\r\n\r\nna\u00efve \u201cquote\u201d\nlast");
const QStringList kLines = {QStringLiteral("Gr\u00fc\u00dfe \u20ac\u2013\u0152uvre"), QString(),
    QStringLiteral("na\u00efve \u201cquote\u201d"), QStringLiteral("last")};

QString writeBytes(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(QStringLiteral("f.txt"));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    return path;
}

QByteArray encoded(QStringConverter::Encoding encoding, const QString& text)
{
    QStringEncoder encoder(encoding);
    return encoder(text);
}
} // namespace

TEST(TextFile, ByteOrderMarkSelectsTheEncoding)
{
    struct Case
    {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"UTF-8 with BOM", QByteArray("\xEF\xBB\xBF") + kText.toUtf8()},
        {"UTF-16 LE with BOM", QByteArray("\xFF\xFE") + encoded(QStringConverter::Utf16LE, kText)},
        {"UTF-16 BE with BOM", QByteArray("\xFE\xFF") + encoded(QStringConverter::Utf16BE, kText)},
        {"Windows-1252 without BOM", Windows1252::fromUnicode(kText)},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QStringList lines;
        ASSERT_TRUE(TextFile::readLinesWithBom(writeBytes(dir, c.bytes), lines));
        EXPECT_EQ(lines, kLines);
    }
}

TEST(TextFile, EightBitFilesAreWindows1252EvenWithUtf8Bytes)
{
    QTemporaryDir dir;
    QStringList lines;
    ASSERT_TRUE(TextFile::readLines(writeBytes(dir, "\x80\x9F\xE9\r\n\xC3\xA9"), lines));
    EXPECT_EQ(lines, (QStringList{QStringLiteral("\u20ac\u0178\u00e9"), QStringLiteral("\u00c3\u00a9")}));
    QString error;
    EXPECT_FALSE(TextFile::readLines(dir.filePath(QStringLiteral("missing")), lines, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(TextFile, LineEnds)
{
    struct Case
    {
        QString text;
        QStringList lines;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"a\n\r\nb", {"a", "", "b"}},
        {" a \r\n", {" a "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(TextFile::splitLines(c.text), c.lines);
    }
}

TEST(TextFile, ParseInteger)
{
    struct Case
    {
        QString text;
        bool ok;
        int value;
    };
    const std::vector<Case> cases = {
        {"0", true, 0}, {"255", true, 255}, {"-3", true, -3}, {" 42 ", true, 42}, {"", false, 0},
        {" ", false, 0}, {"4 2", false, 0}, {"x", false, 0}, {"1.5", false, 0}, {"0x10", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        int value = -99;
        EXPECT_EQ(TextFile::parseInteger(c.text, value), c.ok);
        if (c.ok)
            EXPECT_EQ(value, c.value);
    }
}
