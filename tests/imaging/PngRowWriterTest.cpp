#include "imaging/PngRowWriter.h"
#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace {
// A device that takes the first `room` bytes and then fails, like a full disk.
class FullDevice : public QIODevice
{
public:
    explicit FullDevice(qint64 room)
        : m_room(room)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override
    {
        if (length > m_room) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_room -= length;
        return length;
    }

private:
    qint64 m_room;
};
} // namespace

TEST(PngRowWriter, WritesTheRowsAsAnOpaquePicture)
{
    QImage picture(37, 5, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 7, y * 50, (x + y) % 2 ? 255 : 3));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PngRowWriter png(buffer);
    ASSERT_TRUE(png.start(picture.width(), picture.height()));
    for (int y = 0; y < picture.height(); ++y)
        ASSERT_TRUE(png.writeRow(reinterpret_cast<const TColor32*>(picture.constScanLine(y))));
    ASSERT_TRUE(png.finish());
    const QImage read = QImage::fromData(buffer.data(), "PNG");
    EXPECT_FALSE(read.hasAlphaChannel());
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), picture);
}

TEST(PngRowWriter, AFailingDeviceStopsItWithTheDevicesReason)
{
    // Pixels that do not compress, so the bytes reach the device early.
    QImage row(4000, 1, QImage::Format_RGB32);
    for (int x = 0; x < row.width(); ++x)
        row.setPixel(x, 0, quint32(x) * 2654435761u);
    for (const qint64 room : {0, 20, 100}) {
        FullDevice device(room);
        PngRowWriter png(device);
        bool written = png.start(row.width(), 50);
        for (int y = 0; y < 50 && written; ++y)
            written = png.writeRow(reinterpret_cast<const TColor32*>(row.constScanLine(0)));
        EXPECT_FALSE(written && png.finish()) << room;
        EXPECT_EQ(png.errorString(), QStringLiteral("No space left on device")) << room;
        EXPECT_FALSE(png.writeRow(reinterpret_cast<const TColor32*>(row.constScanLine(0))));
    }
}
