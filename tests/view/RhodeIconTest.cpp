// The picture of a rhodes shape in the rhodes tool's menu.
#include "model/TRhode.h"
#include "view/RhodeIcon.h"
#include <gtest/gtest.h>

TEST(RhodeIcon, GridAndStitchesScaledToTheShape)
{
    // A 2 x 2 box (coordinates up to 4): scale 35 div 4 = 8, a cell every 16 pixels.
    TRhode shape;
    shape.width = 2;
    shape.height = 2;
    shape.stitches = {{QPoint(0, 4), QPoint(4, 4), 0, 0}, {QPoint(2, 0), QPoint(2, 4), 0, 0}};
    const QImage icon = RhodeIcon::draw(shape);
    ASSERT_EQ(icon.size(), QSize(36, 36));
    const QRgb stitch = qRgb(0xF6, 0x89, 0x21); // colour value 2198006
    const QRgb grid = qRgb(0x80, 0x80, 0x80);
    EXPECT_EQ(icon.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(icon.pixel(0, 5), grid);
    EXPECT_EQ(icon.pixel(32, 5), grid) << "a cell line every 16 pixels";
    EXPECT_EQ(icon.pixel(5, 16), grid);
    EXPECT_EQ(icon.pixel(17, 5), stitch) << "the upright stitch at x = 16, 3 pixels wide";
    EXPECT_EQ(icon.pixel(15, 20), stitch);
    EXPECT_EQ(icon.pixel(10, 33), stitch) << "the bottom stitch at y = 32";
    EXPECT_EQ(icon.pixel(10, 30), qRgb(255, 255, 255));
}

TEST(RhodeIcon, AShapeWithoutWidthStillDraws)
{
    TRhode line;
    line.stitches = {{QPoint(0, 0), QPoint(0, 2), 0, 0}};
    const QImage icon = RhodeIcon::draw(line);
    EXPECT_EQ(icon.size(), QSize(36, 36)) << "largest X is 0: scale 35 div 1";
}
