// The side file that keeps a design's shadow picture.
#include "files/ShadowFile.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QImage picture()
{
    QImage image(5, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, qRgb(40 * x, 60 * y, 7));
    return image;
}

void writeBytes(const QString& file, const QByteArray& bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

TEST(ShadowFile, SideFileIsTheDesignNameWithPng)
{
    EXPECT_EQ(ShadowFile::sideFileName(QStringLiteral("/d/garden.qmk")), QStringLiteral("/d/garden.png"));
    EXPECT_EQ(ShadowFile::sideFileName(QStringLiteral("/d/a.b.qmk")), QStringLiteral("/d/a.b.png"));
    EXPECT_EQ(ShadowFile::sideFileName(QStringLiteral("/d/old.stv")), QStringLiteral("/d/old.png"));
}

TEST(ShadowFile, WrittenPictureIsMarkedAndReadsBackTheSame)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("rose.png"));
    ASSERT_TRUE(ShadowFile::write(file, picture()));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    // A plain tEXt entry, which every picture viewer shows as the software that wrote it.
    EXPECT_TRUE(f.readAll().contains(QByteArray("tEXtSoftware\0Threadwright shadow picture", 40)));
    EXPECT_TRUE(ShadowFile::isMarked(file));
    QImage read;
    ASSERT_TRUE(ShadowFile::read(file, &read));
    EXPECT_EQ(read, picture());

    const QString plain = dir.filePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(picture().save(plain));
    EXPECT_FALSE(ShadowFile::isMarked(plain));
    EXPECT_FALSE(ShadowFile::isMarked(dir.filePath(QStringLiteral("missing.png"))));
}

TEST(ShadowFile, MissingIsNoErrorButUnreadableAndHugeFilesAre)
{
    QTemporaryDir dir;
    QImage read = picture();
    EXPECT_TRUE(ShadowFile::read(dir.filePath(QStringLiteral("none.png")), &read));
    EXPECT_TRUE(read.isNull());

    const QString broken = dir.filePath(QStringLiteral("broken.png"));
    writeBytes(broken, QByteArray("not a picture at all"));
    const Status unreadable = ShadowFile::read(broken, &read);
    EXPECT_FALSE(unreadable);
    EXPECT_TRUE(unreadable.text().contains(QStringLiteral("broken.png")));
    EXPECT_TRUE(read.isNull());

    // The header of a 10000 x 5001 PNG: refused before a pixel is decoded.
    const QString huge = dir.filePath(QStringLiteral("huge.png"));
    writeBytes(huge, QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200002710000013890806000000dc0ba4ed000000004944415435af061e0000000049454e44ae426082"));
    const Status tooLarge = ShadowFile::read(huge, &read);
    EXPECT_FALSE(tooLarge);
    EXPECT_TRUE(tooLarge.text().contains(QStringLiteral("10000 x 5001"))) << tooLarge.text().toStdString();
}

TEST(ShadowFile, TransparentPartsAreReadAsWhite)
{
    QTemporaryDir dir;
    QImage clear(2, 1, QImage::Format_ARGB32);
    clear.setPixel(0, 0, qRgba(0, 0, 0, 0));
    clear.setPixel(1, 0, qRgba(255, 0, 0, 255));
    const QString file = dir.filePath(QStringLiteral("clear.png"));
    ASSERT_TRUE(clear.save(file));
    QImage read;
    ASSERT_TRUE(ShadowFile::read(file, &read));
    EXPECT_EQ(read.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(read.pixel(1, 0), 0xFFFF0000u);
}

TEST(ShadowFile, FailedWriteLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("rose.png"));
    ASSERT_TRUE(ShadowFile::write(file, picture()));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    EXPECT_FALSE(ShadowFile::write(file, QImage())) << "a null picture cannot be written";
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}
