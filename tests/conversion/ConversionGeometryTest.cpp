#include "conversion/ConversionGeometry.h"
#include "model/DesignLimits.h"
#include <gtest/gtest.h>

TEST(ConversionGeometryTest, SizeRuleFitsIntoASquareKeepingProportions)
{
    const struct
    {
        QSize adjusted;
        int S;
        QSize expected;
    } cases[] = {
        {{300, 200}, 100, {100, 67}}, // rnd(100 / 1.5)
        {{200, 300}, 100, {67, 100}},
        {{250, 250}, 100, {100, 100}},
        {{5640, 3172}, 300, {300, 169}},
        {{400, 100}, 50, {50, 12}},   // 12.5 goes to the even 12
        {{400, 140}, 50, {50, 18}},   // 17.5 goes to the even 18
        {{60, 40}, 100, {60, 40}},    // S cannot exceed the longer side
        {{60, 40}, 1, {2, 1}},        // nor go below 2: rnd(2 / 1.5) = 1
        {{1000, 1}, 100, {100, 0}},   // too flat for one row: refused below
        {{0, 10}, 100, {0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ConversionGeometry::stitchSize(c.adjusted, c.S), c.expected)
            << c.adjusted.width() << "x" << c.adjusted.height() << " S " << c.S;
    }
    EXPECT_EQ(ConversionGeometry::maxSizeLimit({40000, 100}), 32767);
    EXPECT_EQ(ConversionGeometry::maxSizeLimit({120, 450}), 450);
}

TEST(ConversionGeometryTest, DesignSizesOutsideTheLimitsAreRefusedWithTheSize)
{
    EXPECT_TRUE(ConversionGeometry::checkDesignSize({1, 1}));
    EXPECT_TRUE(ConversionGeometry::checkDesignSize({4096, 4096}));
    for (const QSize size : {QSize(100, 0), QSize(0, 0), QSize(32768, 10), QSize(4097, 4096)}) {
        const Status s = ConversionGeometry::checkDesignSize(size);
        ASSERT_FALSE(s);
        EXPECT_TRUE(s.text().startsWith(QStringLiteral("A design of %1 x %2 stitches").arg(size.width()).arg(size.height())))
            << s.text().toStdString();
    }
}

TEST(ConversionGeometryTest, CropRoundsEachEdgeHalvesToEven)
{
    EXPECT_EQ(ConversionGeometry::cropRect(QRectF(QPointF(0.5, 1.5), QPointF(10.5, 20.4))), QRect(0, 2, 10, 18));
    EXPECT_EQ(ConversionGeometry::cropRect(QRectF(QPointF(2.6, 0), QPointF(3.4, 7))), QRect(3, 0, 0, 7));
}

TEST(ConversionGeometryTest, CropCopiesThePartAndRefusesEmptyOrOutsideParts)
{
    TBitmap32 picture(6, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x)
            picture.setPixel(x, y, 0xFF000000u | TColor32(16 * y + x));
    }
    TBitmap32 crop;
    ASSERT_TRUE(ConversionGeometry::cropPicture(picture, QRect(2, 1, 3, 2), crop));
    EXPECT_EQ(crop.width(), 3);
    EXPECT_EQ(crop.pixel(0, 0), 0xFF000012u);
    EXPECT_EQ(crop.pixel(2, 1), 0xFF000024u);

    const TBitmap32 before = crop;
    for (const QRect r : {QRect(3, 0, 0, 4), QRect(0, 2, 6, 0), QRect(4, 0, 3, 2), QRect(-1, 0, 2, 2)}) {
        const Status s = ConversionGeometry::cropPicture(picture, r, crop);
        EXPECT_FALSE(s) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
        EXPECT_TRUE(s.message().contains(QStringLiteral("is empty or lies outside the picture")));
        EXPECT_TRUE(crop == before);
    }
}

TEST(ConversionGeometryTest, ShadowKeepsAtMostAThousandPixelsAndNeverASideOfZero)
{
    const struct
    {
        QSize adjusted, shadow;
    } cases[] = {
        {QSize(300, 200), QSize(300, 200)},
        {QSize(1000, 1000), QSize(1000, 1000)},
        {QSize(3000, 2000), QSize(1000, 666)},
        {QSize(1999, 3001), QSize(666, 1000)},
        {QSize(5000, 2), QSize(1000, 1)},    // 0.4 would be no pixel at all
        {QSize(2, 40000), QSize(1, 1000)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConversionGeometry::shadowSize(c.adjusted), c.shadow) << c.adjusted.width() << " x " << c.adjusted.height();
}

TEST(ConversionGeometryTest, CropViewZoomFitsThePictureBetweenATenthAndOne)
{
    struct Case
    {
        QSize picture, viewport;
        double zoom;
    };
    const Case cases[] = {
        {{300, 200}, {600, 450}, 1.00},     // small: shown as it is
        {{600, 450}, {600, 450}, 1.00},     // as wide as the view, lower
        {{1200, 450}, {600, 450}, 0.50},    // twice as wide
        {{600, 900}, {600, 450}, 0.50},     // twice as high
        {{12000, 9000}, {600, 450}, 0.10},  // twenty times the view
        {{60000, 45000}, {600, 450}, 0.10}, // the slider stops at 0.10
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ConversionGeometry::fitZoom(c.picture, c.viewport), c.zoom) << c.picture.width();
    EXPECT_EQ(ConversionGeometry::zoomedSize({1001, 3}, 0.10), QSize(100, 1));
}

TEST(ConversionGeometryTest, CropFrameMovesKeepTheirSizeAndEdgesStopAtThePicture)
{
    using ConversionGeometry::RubberResize;
    const QRectF old(20, 20, 40, 30);
    const QSizeF view(200, 100);
    const QPointF origin(0, 0);
    struct Case
    {
        TDragKind kind;
        QRectF proposed, expected;
    };
    const Case cases[] = {
        {dkMove, QRectF(-15, 20, 40, 30), QRectF(0, 20, 40, 30)},         // past the left edge
        {dkMove, QRectF(190, 20, 40, 30), QRectF(160, 20, 40, 30)},       // past the right edge
        {dkMove, QRectF(30, -5, 40, 30), QRectF(30, 0, 40, 30)},          // past the top
        {dkMove, QRectF(30, 95, 40, 30), QRectF(30, 70, 40, 30)},         // past the bottom
        {dkLeft, QRectF(-10, 20, 70, 30), QRectF(0, 20, 60, 30)},         // edge stops at the picture
        {dkBottomRight, QRectF(20, 20, 400, 400), QRectF(20, 20, 180, 80)}, // corner stops at both
        {dkRight, QRectF(20, 20, 1, 30), old},                              // thinner than 2 pixels
        {dkTop, QRectF(20, 80, 40, -30), old},                              // turned inside out
    };
    for (const Case& c : cases)
        EXPECT_EQ(RubberResize(c.kind, old, c.proposed, origin, view, 1.0), c.expected) << int(c.kind);
    // At zoom 0.5 two picture pixels are one view pixel.
    EXPECT_EQ(RubberResize(dkRight, old, QRectF(20, 20, 1, 30), origin, view, 0.5), QRectF(20, 20, 1, 30));
}

TEST(ConversionGeometryTest, CropFrameAndSelectionConvertBothWaysInsideThePicture)
{
    const QRectF frame(10, 5, 30, 20);
    const QRectF selection = ConversionGeometry::selectionFromFrame(frame, {}, 0.5, QSize(70, 100));
    EXPECT_EQ(selection, QRectF(20, 10, 50, 40)); // the right edge stays on the picture
    EXPECT_EQ(ConversionGeometry::frameFromSelection(selection, {}, 0.5), QRectF(10, 5, 25, 20));
}

TEST(ConversionGeometryTest, LargestSizeIsTheLargestDesignTheLimitsAllow)
{
    // A square of 32767 stitches a side would be 64 times the cells a design may hold.
    EXPECT_EQ(ConversionGeometry::maxSizeLimit({40000, 40000}), 4096);
    EXPECT_EQ(ConversionGeometry::stitchSize({40000, 40000}, 32767), QSize(4096, 4096));
    const QSize wide = ConversionGeometry::stitchSize({40000, 20000}, 32767);
    EXPECT_TRUE(DesignLimits::sizeAllowed(wide.width(), wide.height()));
    EXPECT_FALSE(DesignLimits::sizeAllowed(wide.width() + 2, wide.height() + 1));
}
