#include "preview/TFImages.h"
#include <QDir>
#include <gtest/gtest.h>

namespace {
struct Texture
{
    const char* name;
    const TBitmap32 TFImages::*image;
    int size;
    bool transparent;
};
const Texture kTextures[] = {
    {"ImageBackGround", &TFImages::ImageBackGround, 97, false},
    {"ImageCross", &TFImages::ImageCross, 97, true},
    {"ImageQuarter", &TFImages::ImageQuarter, 49, true},
    {"ImageFrenchKnot", &TFImages::ImageFrenchKnot, 97, true},
    {"ImageBack", &TFImages::ImageBack, 97, true},
    {"ImageBackM", &TFImages::ImageBackM, 97, true},
};
} // namespace

TEST(TFImages, GreyThreadsOnMagentaAndTheSameBytesEveryTime)
{
    const TFImages& images = TFImages::instance();
    const TFImages again;
    // Written out to be looked at.
    const QString folder = QDir::temp().filePath(QStringLiteral("threadwright-preview-textures"));
    QDir().mkpath(folder);
    for (const Texture& t : kTextures) {
        SCOPED_TRACE(t.name);
        const TBitmap32& image = images.*t.image;
        ASSERT_EQ(image.width(), t.size);
        ASSERT_EQ(image.height(), t.size);
        EXPECT_TRUE(image == again.*t.image);
        int magenta = 0, bright = 0, thread = 0;
        for (int y = 0; y < t.size; ++y) {
            for (int x = 0; x < t.size; ++x) {
                const TColor32 p = image.pixel(x, y);
                ASSERT_EQ(p >> 24, 0xFFu);
                if (p == TFImages::kMagenta) {
                    ++magenta;
                    continue;
                }
                const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
                ASSERT_TRUE(r == g && g == b) << x << "," << y;
                ++thread;
                bright += r >= 200;
            }
        }
        EXPECT_EQ(magenta > 0, t.transparent);
        EXPECT_GT(bright * 10, thread * 6) << "mostly 200 to 255";
        image.image().save(QDir(folder).filePath(QLatin1String(t.name) + QStringLiteral(".png")));
    }
    // The knot's transparent colour is read from its bottom-left pixel; the strips' middle
    // piece runs from edge to edge; the cross reaches every corner.
    EXPECT_EQ(images.ImageFrenchKnot.pixel(0, 96), TFImages::kMagenta);
    EXPECT_NE(images.ImageBackM.pixel(0, 48), TFImages::kMagenta);
    EXPECT_NE(images.ImageBackM.pixel(96, 48), TFImages::kMagenta);
    EXPECT_EQ(images.ImageBack.pixel(0, 48), TFImages::kMagenta);
    for (const QPoint corner : {QPoint(6, 6), QPoint(90, 6), QPoint(6, 90), QPoint(90, 90)})
        EXPECT_NE(images.ImageCross.pixel(corner.x(), corner.y()), TFImages::kMagenta);
}
