#include "printing/PageFileNames.h"
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PageFileNames, NumbersPagesWithTheDigitsOfTheCountWhereTheNameAsks)
{
    struct Case
    {
        const char* name;
        int page;
        int count;
        bool percentD;
        const char* expected;
    };
    const Case cases[] = {
        {"rose_#.jpeg", 1, 12, false, "rose_01.jpeg"},
        {"rose_#.jpeg", 12, 12, false, "rose_12.jpeg"},
        {"rose_#.jpeg", 9, 9, false, "rose_9.jpeg"},
        {"rose_#.jpeg", 1, 10, false, "rose_01.jpeg"},
        {"p#_#.png", 3, 100, false, "p003_#.png"},     // only the first '#'
        {"rose.v2.png", 4, 10, false, "rose.v204.png"}, // no '#': before the last full stop
        {"rose", 2, 5, false, "rose2"},                 // no full stop: at the end
        {"page-%d.png", 7, 20, true, "page-07.png"},
        {"page-%d.png", 7, 20, false, "page-%d07.png"},
        {"#-%d.png", 2, 2, true, "2-%d.png"},           // '#' wins over "%d"
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PageFileNames::numbered(QString::fromUtf8(c.name), c.page, c.count, c.percentD), QString::fromUtf8(c.expected))
            << c.name << " page " << c.page << " of " << c.count;
    }
}

TEST(PageFileNames, TheDialogsNameGetsTheTypesExtensionBeforeItsNumber)
{
    const QString jpeg = PageFileNames::extension(PageFileNames::PictureType::Jpeg);
    EXPECT_EQ(PageFileNames::numbered(PageFileNames::withExtension(QStringLiteral("rose_#.JPEG"), jpeg), 1, 12),
        QStringLiteral("rose_01.jpeg"));
    EXPECT_EQ(PageFileNames::withExtension(QStringLiteral("rose"), PageFileNames::extension(PageFileNames::PictureType::Bmp)),
        QStringLiteral("rose.bmp"));
    EXPECT_EQ(PageFileNames::withExtension(QStringLiteral("_#.JPEG"), PageFileNames::extension(PageFileNames::PictureType::Png)),
        QStringLiteral("_#.png"));
}

TEST(PageFileNames, RefusesEmptyNamesAndTheNineReservedCharacters)
{
    for (const char* bad : {"", "a\"b", "a*b", "a/b", "ro:se", "a<b", "a>b", "a?b", "a\\b", "a|b"})
        EXPECT_EQ(PageFileNames::checkName(QString::fromUtf8(bad)).message(), QStringLiteral("Filename is not valid")) << bad;
    for (const char* good : {"rose_#.JPEG", "Größe €.png", "名前"})
        EXPECT_TRUE(PageFileNames::checkName(QString::fromUtf8(good))) << good;
}

TEST(PageFileNames, MakesMissingFoldersAndNamesAFolderThatCannotBe)
{
    QTemporaryDir dir;
    const QString deep = dir.filePath(QStringLiteral("a/b/c"));
    EXPECT_TRUE(PageFileNames::makeFolder(deep));
    EXPECT_TRUE(QDir(deep).exists());
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(PageFileNames::makeFolder(dir.filePath(QStringLiteral("file/sub"))).message(), QStringLiteral("Foldername is not valid"));
    EXPECT_FALSE(PageFileNames::makeFolder(QString()));
}
