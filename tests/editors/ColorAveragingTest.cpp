#include "editors/ColorAveraging.h"
#include <gtest/gtest.h>

// A 40 x 30 picture whose pixel (x, y) has red x, green y and blue 7, so that the average of a
// square tells which pixels were counted.
TEST(ColorAveraging, TheSquareIsClampedToThePictureAndDividedByThePixelsInside)
{
    TBitmap32 picture(40, 30);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x)
            picture.setCanvasPixel(x, y, makeColorRef(x, y, 7));
    }
    struct Case
    {
        QPoint at;
        int size;
        QRect square;
        TColorRef average;
    };
    const Case cases[] = {
        {{0, 0}, 0, {0, 0, 1, 1}, makeColorRef(0, 0, 7)},
        {{39, 29}, 0, {39, 29, 1, 1}, makeColorRef(39, 29, 7)},
        {{20, 15}, 30, {5, 0, 31, 30}, makeColorRef(20, 14, 7)},
        {{0, 0}, 30, {0, 0, 16, 16}, makeColorRef(7, 7, 7)},
        {{39, 0}, 30, {24, 0, 16, 16}, makeColorRef(31, 7, 7)},
        {{0, 29}, 30, {0, 14, 16, 16}, makeColorRef(7, 21, 7)},
        {{39, 29}, 30, {24, 14, 16, 16}, makeColorRef(31, 21, 7)},
        {{20, 15}, 1, {20, 15, 1, 1}, makeColorRef(20, 15, 7)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.at.x() << "," << c.at.y() << " size " << c.size);
        EXPECT_EQ(ColorAveraging::square(QSize(40, 30), c.at, c.size), c.square);
        EXPECT_EQ(ColorAveraging::average(picture, c.at, c.size), c.average);
    }
    EXPECT_FALSE(ColorAveraging::average(picture, {-20, 5}, 30).has_value());
    EXPECT_FALSE(ColorAveraging::average(TBitmap32(), {0, 0}, 0).has_value());
}
