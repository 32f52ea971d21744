#include "imaging/WhiteGround.h"
#include <gtest/gtest.h>

TEST(WhiteGround, PixelsAreBlendedOverWhiteByTheirAlpha)
{
    const struct
    {
        QRgb stored;
        QRgb expected;
    } cases[] = {
        {qRgba(0, 0, 0, 0), 0xFFFFFFFFu},          // transparent: white, whatever colour it stores
        {qRgba(255, 0, 0, 0), 0xFFFFFFFFu},
        {qRgba(200, 100, 50, 255), 0xFFC86432u},  // opaque: unchanged
        {qRgba(255, 0, 0, 128), 0xFFFF7F7Fu},     // half: 255 x 127 / 255 = 127 of white added
        {qRgba(0, 0, 0, 1), 0xFFFEFEFEu},
    };
    QImage image(int(std::size(cases)), 1, QImage::Format_ARGB32);
    for (int i = 0; i < int(std::size(cases)); ++i)
        image.setPixel(i, 0, cases[i].stored);
    WhiteGround::compose(image);
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    for (int i = 0; i < int(std::size(cases)); ++i)
        EXPECT_EQ(image.pixel(i, 0), cases[i].expected) << i;
}

TEST(WhiteGround, OtherFormatsBecomeOpaqueArgb)
{
    QImage premultiplied(2, 1, QImage::Format_ARGB32_Premultiplied);
    premultiplied.fill(Qt::transparent);
    QImage rgb(2, 1, QImage::Format_RGB888);
    rgb.fill(QColor(10, 20, 30));
    WhiteGround::compose(premultiplied);
    WhiteGround::compose(rgb);
    EXPECT_EQ(premultiplied.format(), QImage::Format_ARGB32);
    EXPECT_EQ(premultiplied.pixel(1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(rgb.format(), QImage::Format_ARGB32);
    EXPECT_EQ(rgb.pixel(1, 0), 0xFF0A141Eu);
}
