// The shadow picture beside a design file: written after the design, read after it, and never
// written over a picture of the user's own without leave.
#include "files/ShadowFile.h"
#include "model/Design.h"
#include "shell/DesignSession.h"
#include "shell/GeneralSettings.h"
#include "shell/SettingsStore.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QImage solid(QRgb color, int width = 4, int height = 3)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

QByteArray bytesOf(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class DesignSessionShadowTest : public ::testing::Test
{
protected:
    std::unique_ptr<Design> designWithShadow(QRgb color)
    {
        QStringList messages;
        auto design = session.freshDesign(&messages);
        design->allocateLayers(6, 4);
        design->shadowPicture = solid(color);
        return design;
    }

    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    QTemporaryDir dir;
    SettingsStore store{QDir(dir.path()).filePath(QStringLiteral("settings.ini"))};
    GeneralSettings general;
    DesignSession session{store, general, DesignSession::Program::CommandLine};
};
} // namespace

TEST_F(DesignSessionShadowTest, SavedShadowComesBackOnOpen)
{
    auto design = designWithShadow(0xFF336699u);
    const QString file = path(QStringLiteral("rose.qmk"));
    ASSERT_TRUE(session.save(*design, file));
    EXPECT_TRUE(ShadowFile::isMarked(path(QStringLiteral("rose.png"))));

    QStringList messages;
    DesignSession::Opened opened = session.openDesign(file, &messages);
    ASSERT_TRUE(opened.design);
    EXPECT_TRUE(opened.warnings.isEmpty());
    EXPECT_EQ(opened.design->shadowPicture, solid(0xFF336699u));

    auto plain = designWithShadow(0xFF000000u);
    plain->shadowPicture = QImage();
    ASSERT_TRUE(session.save(*plain, path(QStringLiteral("plain.qmk"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("plain.png")))) << "no shadow, no side file";
    opened = session.openDesign(path(QStringLiteral("plain.qmk")), &messages);
    ASSERT_TRUE(opened.design);
    EXPECT_TRUE(opened.design->shadowPicture.isNull());
}

TEST_F(DesignSessionShadowTest, SideFileIsReplacedOnlyWhenItIsOursOrAllowed)
{
    enum class Existing { None, Marked, LoadedFrom, Foreign };
    const struct
    {
        Existing existing;
        DesignSession::ForeignSideFile foreign;
        bool replaced;
    } cases[] = {
        {Existing::None, DesignSession::ForeignSideFile::Keep, true},
        {Existing::Marked, DesignSession::ForeignSideFile::Keep, true},
        {Existing::LoadedFrom, DesignSession::ForeignSideFile::Keep, false}, // holds the shadow already
        {Existing::Foreign, DesignSession::ForeignSideFile::Keep, false},
        {Existing::Foreign, DesignSession::ForeignSideFile::Replace, true},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(n);
        const QString file = path(QStringLiteral("case%1.qmk").arg(n++));
        const QString side = ShadowFile::sideFileName(file);
        auto design = designWithShadow(0xFF112233u);
        if (c.existing == Existing::Marked)
            ASSERT_TRUE(ShadowFile::write(side, solid(0xFF445566u)));
        if (c.existing == Existing::Foreign || c.existing == Existing::LoadedFrom)
            ASSERT_TRUE(solid(0xFF778899u).save(side));
        if (c.existing == Existing::LoadedFrom)
            design->shadowFile = side;
        const QByteArray before = bytesOf(side);
        EXPECT_EQ(DesignSession::sideFileIsForeign(*design, file), c.existing == Existing::Foreign);
        QStringList warnings;
        ASSERT_TRUE(session.save(*design, file, c.foreign, &warnings));
        EXPECT_TRUE(warnings.isEmpty());
        EXPECT_TRUE(QFile::exists(file)) << "the design is saved either way";
        if (c.replaced) {
            QImage read;
            ASSERT_TRUE(ShadowFile::read(side, &read));
            EXPECT_EQ(read, solid(0xFF112233u));
            EXPECT_TRUE(ShadowFile::isMarked(side));
        } else {
            EXPECT_EQ(bytesOf(side), before);
        }
    }
}

TEST_F(DesignSessionShadowTest, UnreadableOrHugeSideFileOpensWithoutShadowAndOneWarning)
{
    auto design = designWithShadow(0xFF112233u);
    design->shadowPicture = QImage();
    const QString file = path(QStringLiteral("rose.qmk"));
    ASSERT_TRUE(session.save(*design, file));
    for (const QByteArray& bytes : {QByteArray("garbage"),
             QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200002710000013890806000000dc0ba4ed000000004944415435af061e0000000049454e44ae426082")}) {
        QFile side(path(QStringLiteral("rose.png")));
        ASSERT_TRUE(side.open(QIODevice::WriteOnly));
        side.write(bytes);
        side.close();
        QStringList messages;
        const DesignSession::Opened opened = session.openDesign(file, &messages);
        ASSERT_TRUE(opened.design);
        EXPECT_TRUE(opened.design->shadowPicture.isNull());
        ASSERT_EQ(opened.warnings.size(), 1);
        EXPECT_TRUE(opened.warnings.first().contains(QStringLiteral("rose.png"))) << opened.warnings.first().toStdString();
    }
}

TEST_F(DesignSessionShadowTest, SideFileThatCannotBeWrittenLeavesTheDesignSaved)
{
    auto design = designWithShadow(0xFF112233u);
    const QString file = path(QStringLiteral("rose.qmk"));
    // A folder where the side file would go: the design is written, the picture cannot be.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("rose.png")));
    design->stitch.setFileSaved(false);
    QStringList warnings;
    ASSERT_TRUE(session.save(*design, file, DesignSession::ForeignSideFile::Replace, &warnings));
    EXPECT_TRUE(design->stitch.fileSaved());
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().contains(QStringLiteral("rose.png")));
}
