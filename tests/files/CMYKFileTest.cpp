// The print colour corrections file: what a file makes of its sections, which file a folder
// holds whatever the case of its name, and that what is written reads back and writes again
// to the same bytes.
#include "files/CMYKFile.h"
#include "model/CMYKConversion.h"
#include "support/QmkTestFiles.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using QmkTestFiles::readFile;
using QmkTestFiles::writeFile;

namespace {
QString section(int n, const QString& rgb, const QString& values = QStringLiteral("CValue=1\nMValue=2\nYValue=3\nKValue=4"))
{
    return QStringLiteral("[color%1]\nrgb=%2\n%3\n").arg(n).arg(rgb, values);
}

constexpr TColor32 kRed = 0xFFFF0000u;
constexpr TColor32 kGreen = 0xFF00FF00u;
constexpr TColor32 kBlue = 0xFF0000FFu;

} // namespace

TEST(CMYKFile, ReadsOnlyTrustworthySections)
{
    const QString red = QStringLiteral("$FF0000"), green = QStringLiteral("$00FF00"), blue = QStringLiteral("$0000FF");
    struct Case
    {
        const char* name;
        QString text;
        std::vector<TColor32> keys;
        bool reported;
    };
    const Case cases[] = {
        {"count below the sections", "[main]\ncount=2\n" + section(1, red) + section(2, green) + section(3, blue),
            {kRed, kGreen}, false},
        {"count beyond the sections", "[main]\ncount=3\n" + section(1, red), {kRed}, false},
        {"huge count", "[main]\ncount=2147483647\n" + section(2, green) + section(1, red), {kRed, kGreen}, false},
        {"no count", section(1, red), {}, false},
        {"count not a number", "[main]\ncount=two\n" + section(1, red), {}, false},
        {"section without rgb", "[main]\ncount=2\n[color1]\nCValue=5\n" + section(2, green), {kGreen}, false},
        {"colour given twice", "[main]\ncount=3\n" + section(1, red) + section(2, red) + section(3, blue),
            {kRed, kBlue}, true},
        {"rgb not hexadecimal", "[main]\ncount=2\n" + section(1, QStringLiteral("$GG0000")) + section(2, green),
            {kGreen}, true},
        {"rgb without dollar", "[main]\ncount=1\n" + section(1, QStringLiteral("FF0000")), {}, true},
        {"rgb with a sign or a blank", "[main]\ncount=3\n" + section(1, QStringLiteral("$+FF00")) + section(2, QStringLiteral("$ FF00"))
                + section(3, QStringLiteral("$\u0661\u0662")),
            {}, true},
        {"rgb beyond a colour", "[main]\ncount=1\n" + section(1, QStringLiteral("$1000000")), {}, true},
        {"value 101", "[main]\ncount=2\n" + section(1, red, QStringLiteral("KValue=101")) + section(2, green),
            {kGreen}, true},
        {"negative value", "[main]\ncount=1\n" + section(1, red, QStringLiteral("CValue=-1")), {}, true},
        {"value not a number", "[main]\ncount=1\n" + section(1, red, QStringLiteral("MValue=x")), {}, true},
        {"other case and blanks", "[MAIN]\r\n COUNT = 1 \r\n[Color1]\r\nRGB=$ff0000\r\ncvalue=1\r\n", {kRed}, false},
        {"leading zero is another section", "[main]\ncount=1\n" + section(1, red).replace("color1", "color01"), {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TCMYKMap map;
        map.insert(0xFF123456u, TCMYK{});
        const Status status = CMYKFile::parse(c.text.split(QLatin1Char('\n')), QStringLiteral("/u/CMYK.ini"), map);
        EXPECT_EQ(map.keys(), c.keys);
        EXPECT_EQ(!status, c.reported) << status.text().toStdString();
        if (!status) {
            EXPECT_TRUE(status.text().contains(QStringLiteral("/u/CMYK.ini")));
        }
    }
}

TEST(CMYKFile, ValuesOfASectionAndTheColourTheyPrint)
{
    TCMYKMap map;
    const QString text = QStringLiteral("[main]\ncount=1\n[color1]\nrgb=$102030\nCValue=100\nYValue=7\n");
    ASSERT_TRUE(CMYKFile::parse(text.split(QLatin1Char('\n')), QString(), map));
    ASSERT_EQ(map.size(), 1);
    EXPECT_EQ(map.entryAt(0).first, 0xFF102030u);
    EXPECT_EQ(map.entryAt(0).second, CMYKConversion::correction(100, 0, 7, 0));
}

TEST(CMYKFile, WrittenFileReadsBackAndWritesTheSameBytes)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("CMYK.ini"));
    TCMYKMap map;
    map.insert(kGreen, CMYKConversion::correction(10, 20, 30, 40));
    map.insert(kRed, CMYKConversion::correction(0, 100, 100, 0));
    map.insert(0xFF0A0B0Cu, CMYKConversion::correction(0, 0, 0, 100));
    ASSERT_TRUE(CMYKFile::save(file, map));
    const QByteArray first = readFile(file);
    EXPECT_TRUE(first.startsWith("[main]\r\ncount=3\r\n"));
    EXPECT_TRUE(first.contains("[color3]\r\nrgb=$0A0B0C\r\nCValue=0\r\nMValue=0\r\nYValue=0\r\nKValue=100\r\n"));
    EXPECT_FALSE(QByteArray(first).replace("\r\n", "").contains('\n'));

    TCMYKMap read;
    ASSERT_TRUE(CMYKFile::load(file, read));
    EXPECT_EQ(read, map);
    ASSERT_TRUE(CMYKFile::save(file, read));
    EXPECT_EQ(readFile(file), CMYKFile::format(map));
}

TEST(CMYKFile, LineFeedFileReadsAsCrLf)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("CMYK.ini"));
    TCMYKMap map;
    map.insert(kBlue, CMYKConversion::correction(1, 2, 3, 4));
    writeFile(file, CMYKFile::format(map).replace("\r\n", "\n"));
    TCMYKMap read;
    ASSERT_TRUE(CMYKFile::load(file, read));
    EXPECT_EQ(read, map);
}

TEST(CMYKFile, FindsTheFileWhateverTheCaseAndWritesToTheSameName)
{
    QTemporaryDir dir;
    EXPECT_EQ(CMYKFile::findIn(dir.path()), QString());
    EXPECT_EQ(CMYKFile::fileFor(dir.path()), dir.filePath(QStringLiteral("CMYK.ini")));

    writeFile(dir.filePath(QStringLiteral("cmyk.ini")), "[main]\r\ncount=1\r\n[color1]\r\nrgb=$FF0000\r\n");
    EXPECT_EQ(CMYKFile::findIn(dir.path()), dir.filePath(QStringLiteral("cmyk.ini")));
    EXPECT_EQ(CMYKFile::fileFor(dir.path()), dir.filePath(QStringLiteral("cmyk.ini")));
    TCMYKMap read;
    ASSERT_TRUE(CMYKFile::load(CMYKFile::findIn(dir.path()), read));
    EXPECT_EQ(read.keys(), std::vector<TColor32>{kRed});

    writeFile(dir.filePath(QStringLiteral("CMYK.ini")), "[main]\r\ncount=0\r\n");
    EXPECT_EQ(CMYKFile::findIn(dir.path()), dir.filePath(QStringLiteral("CMYK.ini")));
}

TEST(CMYKFile, MissingFileGivesNoCorrectionsAndNoMessage)
{
    TCMYKMap map;
    map.insert(kRed, TCMYK{});
    EXPECT_TRUE(CMYKFile::load(QStringLiteral("/nonexistent/CMYK.ini"), map));
    EXPECT_TRUE(map.isEmpty());
    EXPECT_TRUE(CMYKFile::load(QString(), map));
}

TEST(CMYKFile, FailedSaveIsReportedAndChangesNothing)
{
    QTemporaryDir dir;
    // A folder where the file's temporary sibling cannot be renamed over: the name is a folder.
    const QString file = dir.filePath(QStringLiteral("CMYK.ini"));
    ASSERT_TRUE(QDir().mkpath(file));
    TCMYKMap map;
    map.insert(kRed, CMYKConversion::correction(1, 2, 3, 4));
    const Status status = CMYKFile::save(file, map);
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.text().contains(file));
    EXPECT_TRUE(QFileInfo(file).isDir());

    // A folder path through a plain file cannot be made.
    writeFile(dir.filePath(QStringLiteral("plain")), "old");
    EXPECT_FALSE(CMYKFile::save(dir.filePath(QStringLiteral("plain/palettes/CMYK.ini")), map));
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("plain"))), QByteArray("old"));
}
