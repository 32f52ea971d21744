// Which corrections file the start-up reads and where the corrections are written: the user's
// file first, the shipped one only when the user has none, and never a write to the shipped one.
#include "CliSession.h"
#include "files/CMYKFile.h"
#include "model/CMYKConversion.h"
#include "model/Design.h"
#include "shell/CMYKTable.h"
#include "shell/Paths.h"
#include "support/QmkTestFiles.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class CMYKTableTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir(Paths::userPalettesFolder()).removeRecursively();
        doc.PalettesPath = shipped.path() + QLatin1Char('/');
    }
    void TearDown() override { QDir(Paths::userPalettesFolder()).removeRecursively(); }

    static void write(const QString& fileName, TColor32 key)
    {
        TCMYKMap map;
        map.insert(key, CMYKConversion::correction(1, 2, 3, 4));
        ASSERT_TRUE(CMYKFile::save(fileName, map));
    }

    QTemporaryDir shipped;
    Design design;
    TStitch& doc = design.stitch;
};
} // namespace

TEST_F(CMYKTableTest, ShippedFileIsReadOnlyWhenTheUserHasNone)
{
    const QString shippedFile = shipped.filePath(QStringLiteral("CMYK.ini"));
    write(shippedFile, 0xFF000001u);
    ASSERT_TRUE(CMYKTable::load(doc));
    EXPECT_EQ(doc.CMYK.keys(), std::vector<TColor32>{0xFF000001u});

    write(Paths::userPalettesFolder() + QStringLiteral("cmyk.ini"), 0xFF000002u);
    ASSERT_TRUE(CMYKTable::load(doc));
    EXPECT_EQ(doc.CMYK.keys(), std::vector<TColor32>{0xFF000002u});
}

TEST_F(CMYKTableTest, SavingWritesTheUsersFolderUnderTheNameItHas)
{
    const QString shippedFile = shipped.filePath(QStringLiteral("CMYK.ini"));
    write(shippedFile, 0xFF000001u);
    const QByteArray shippedBefore = QmkTestFiles::readFile(shippedFile);
    ASSERT_TRUE(CMYKTable::load(doc));
    doc.CMYK.insert(0xFF000003u, CMYKConversion::correction(0, 0, 0, 100));

    ASSERT_TRUE(CMYKTable::save(doc));
    EXPECT_EQ(QmkTestFiles::readFile(shippedFile), shippedBefore);
    EXPECT_EQ(QmkTestFiles::readFile(Paths::userPalettesFolder() + QStringLiteral("CMYK.ini")), CMYKFile::format(doc.CMYK));

    QDir(Paths::userPalettesFolder()).rename(QStringLiteral("CMYK.ini"), QStringLiteral("cmyk.ini"));
    doc.CMYK.remove(0xFF000001u);
    ASSERT_TRUE(CMYKTable::save(doc));
    EXPECT_EQ(QDir(Paths::userPalettesFolder()).entryList(QDir::Files), QStringList{QStringLiteral("cmyk.ini")});
    Design again;
    again.stitch.PalettesPath = doc.PalettesPath;
    ASSERT_TRUE(CMYKTable::load(again.stitch));
    EXPECT_EQ(again.stitch.CMYK, doc.CMYK);
}

TEST_F(CMYKTableTest, EveryFreshDocumentReadsTheUsersCorrectionsAgain)
{
    write(Paths::userPalettesFolder() + QStringLiteral("CMYK.ini"), 0xFF000002u);
    CliSession session;
    EXPECT_EQ(session.freshDesign()->stitch.CMYK.keys(), std::vector<TColor32>{0xFF000002u});
    write(Paths::userPalettesFolder() + QStringLiteral("CMYK.ini"), 0xFF000005u);
    EXPECT_EQ(session.freshDesign()->stitch.CMYK.keys(), std::vector<TColor32>{0xFF000005u});
}
