#include "conversion/PictureLoader.h"
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {
// The 54-byte header of an uncompressed 24-bit BMP file that claims the given size, with no
// pixel data behind it: only the header's size can be read.
QByteArray bmpHeader(qint32 width, qint32 height)
{
    QByteArray b(54, '\0');
    const auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
    const auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, b.data() + at); };
    b[0] = 'B';
    b[1] = 'M';
    const quint32 rowBytes = (quint32(width) * 3 + 3) / 4 * 4;
    put32(2, 54 + rowBytes * quint32(height));
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    put16(26, 1);
    put16(28, 24);
    return b;
}

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}
} // namespace

TEST(PictureLoaderTest, SizeLimitIsFiftyMillionPixels)
{
    EXPECT_TRUE(PictureLoader::sizeAllowed({10000, 5000}));
    EXPECT_FALSE(PictureLoader::sizeAllowed({10000, 5001}));
    EXPECT_FALSE(PictureLoader::sizeAllowed({50000001, 1}));
    EXPECT_TRUE(PictureLoader::sizeAllowed({1, 1}));
}

// The header promises 10000 x 5001 pixels: refused from the header, before any pixel memory is
// allocated, with the out-of-memory message.
TEST(PictureLoaderTest, HugePictureIsRefusedFromItsHeader)
{
    QTemporaryDir dir;
    const QString path = write(dir, QStringLiteral("huge.bmp"), bmpHeader(10000, 5001));
    TBitmap32 picture(2, 2, 0xFF010203u);
    const Status s = PictureLoader::load(path, picture);
    ASSERT_FALSE(s);
    EXPECT_EQ(s.message(), QStringLiteral("Out of Memory. Picture is very big!"));
    EXPECT_TRUE(picture == TBitmap32(2, 2, 0xFF010203u)) << "the raster is left as it was";
}

TEST(PictureLoaderTest, FileThatIsNotAPictureNamesTheFile)
{
    QTemporaryDir dir;
    const QString path = write(dir, QStringLiteral("notes.png"), "these are not pixels");
    TBitmap32 picture;
    const Status s = PictureLoader::load(path, picture);
    ASSERT_FALSE(s);
    EXPECT_EQ(s.message(), QStringLiteral("The picture %1 could not be read: %2"));
    EXPECT_TRUE(s.text().contains(QStringLiteral("notes.png")));
    EXPECT_TRUE(picture.empty());
    EXPECT_FALSE(PictureLoader::load(dir.filePath(QStringLiteral("missing.jpg")), picture));
}

TEST(PictureLoaderTest, ReadsFormatsAsOpaqueArgb)
{
    QImage rgb(3, 2, QImage::Format_RGB32);
    rgb.fill(QColor(10, 20, 30));
    rgb.setPixel(2, 1, qRgb(200, 100, 50));
    QImage indexed = rgb.convertToFormat(QImage::Format_Indexed8);
    QTemporaryDir dir;
    for (const auto& [name, image] : {std::pair{QStringLiteral("p.png"), rgb}, std::pair{QStringLiteral("p.bmp"), rgb},
             std::pair{QStringLiteral("p.tiff"), rgb}, std::pair{QStringLiteral("indexed.png"), indexed}}) {
        ASSERT_TRUE(image.save(dir.filePath(name)));
        TBitmap32 picture;
        ASSERT_TRUE(PictureLoader::load(dir.filePath(name), picture)) << name.toStdString();
        EXPECT_EQ(picture.image().format(), QImage::Format_ARGB32);
        EXPECT_EQ(picture.pixel(0, 0), 0xFF0A141Eu) << name.toStdString();
        EXPECT_EQ(picture.pixel(2, 1), 0xFFC86432u) << name.toStdString();
    }
}
