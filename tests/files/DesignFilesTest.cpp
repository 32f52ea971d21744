// Opening by extension: design files under both extensions in any case, anything else refused.
#include "files/DesignFiles.h"
#include "support/QmkTestFiles.h"
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace QmkTestFiles;

TEST(DesignFiles, DesignFilesOpenUnderEitherExtensionInAnyCase)
{
    QTemporaryDir dir;
    Content c;
    c.colors = paletteColors();
    c.pixels = {1, -1, -1, 1};
    for (const char* name : {"a.qmk", "b.QMK", "c.qmkp", "d.QmkP"}) {
        SCOPED_TRACE(name);
        const QString file = QDir(dir.path()).filePath(QString::fromLatin1(name));
        writeFile(file, build(c));
        auto d = freshDesign();
        const DesignFiles::LoadResult result = DesignFiles::load(file, *d);
        ASSERT_TRUE(result.status) << result.status.text().toStdString();
        EXPECT_TRUE(result.warnings.isEmpty());
        EXPECT_EQ(d->CrossLayer.canvasPixel(0, 0), kRed);
        EXPECT_EQ(d->stitch.Colors.at(kRed).colorCount, 2);
    }
}

TEST(DesignFiles, OtherKindsOfFileAreRefusedByName)
{
    QTemporaryDir dir;
    for (const char* name : {"picture.png", "design.qmk.bak", "noextension"}) {
        SCOPED_TRACE(name);
        const QString file = QDir(dir.path()).filePath(QString::fromLatin1(name));
        writeFile(file, build(Content()));
        auto d = freshDesign();
        const DesignFiles::LoadResult result = DesignFiles::load(file, *d);
        ASSERT_FALSE(result.status);
        EXPECT_EQ(result.status.text(), QStringLiteral("This kind of file cannot be opened: ") + file);
        EXPECT_EQ(d->width(), 0) << "the fresh design stays empty";
    }
}

TEST(DesignFiles, WarningsOfALoadThatSucceededAreHandedBack)
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath(QStringLiteral("cut.qmk"));
    Content c;
    c.colors = paletteColors();
    writeFile(file, build(c).chopped(10));
    auto d = freshDesign();
    const DesignFiles::LoadResult result = DesignFiles::load(file, *d);
    ASSERT_TRUE(result.status);
    ASSERT_EQ(result.warnings.size(), 1);
    EXPECT_EQ(result.warnings[0].text(),
        QStringLiteral("The file %1 is cut short; everything after the cut was left empty.").arg(file));
}
