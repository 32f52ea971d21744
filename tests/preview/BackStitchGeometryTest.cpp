#include "imaging/NearestScaling.h"
#include "preview/BackImageCache.h"
#include "preview/BackStitchGeometry.h"
#include "preview/BackStrip.h"
#include "preview/StripRotation.h"
#include "preview/TFImages.h"
#include <gtest/gtest.h>

TEST(BackStitchGeometry, LengthAndAngleFromTheLeftEnd)
{
    struct Case
    {
        QPoint from, to;
        double length, angle;
        QPoint left;
    };
    const Case cases[] = {
        {{0, 0}, {2, 2}, 1.41421356, 45, {0, 0}},   // one cell diagonally, falling to the right
        {{2, 2}, {0, 0}, 1.41421356, 45, {0, 0}},   // the same, drawn the other way
        {{0, 2}, {2, 0}, 1.41421356, -45, {0, 2}},  // rising
        {{3, 1}, {3, 7}, 3, 90, {3, 1}},            // vertical, from the upper end: falls
        {{3, 7}, {3, 1}, 3, -90, {3, 7}},           // vertical, from the lower end: rises
        {{5, 4}, {1, 4}, 2, 0, {1, 4}},             // horizontal
        {{0, 0}, {1, 0}, 0.5, 0, {0, 0}},           // the shortest
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.x() << "," << c.from.y() << " - " << c.to.x() << "," << c.to.y());
        const auto key = BackStitchGeometry::key(c.from, c.to, 0x123456);
        ASSERT_TRUE(key);
        EXPECT_NEAR(key->length, c.length, 1e-6);
        EXPECT_NEAR(key->angle, c.angle, 1e-9);
        EXPECT_EQ(key->color, 0x123456u);
        EXPECT_EQ(BackStitchGeometry::leftEnd(c.from, c.to), c.left);
    }
    EXPECT_FALSE(BackStitchGeometry::key(QPoint(4, 4), QPoint(4, 4), 0));
}

TEST(BackStrip, OneCellDiagonallyAtWidthTwentyIsTwentyEightPixelsWithEndsAndMiddle)
{
    const TFImages& t = TFImages::instance();
    const BackStrip strip(t, 20, 20);
    const auto key = BackStitchGeometry::key(QPoint(0, 0), QPoint(2, 2), 0xFFFFFF);
    const int width = strip.stripWidth(key->length);
    ASSERT_EQ(width, 28); // floor(28.28)
    const TBitmap32 end = nearestScaled(t.ImageBack, 20, 20);
    const TBitmap32 middle = nearestScaled(t.ImageBackM, 20, 20);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 5; ++x) // q = 5: the left end
            ASSERT_EQ(strip.pixel(width, x, y), end.pixel(x, y)) << x << "," << y;
        for (int x = 5; x < 23; ++x) // the middle pieces from x = q
            ASSERT_EQ(strip.pixel(width, x, y), middle.pixel((x - 5) % 20, y)) << x << "," << y;
        for (int k = 0; k < 5; ++k) // columns 5 .. 19 of the end squeezed into the last five
            ASSERT_EQ(strip.pixel(width, 23 + k, y), end.pixel(5 + k * 15 / 5, y)) << k << "," << y;
    }
    // A strip four cells long repeats the middle piece: the second piece starts at x = 25.
    EXPECT_EQ(strip.pixel(80, 25, 10), middle.pixel(0, 10));
}

TEST(StripRotation, TheTurnedStripTakesTheColourOnMagenta)
{
    const TFImages& t = TFImages::instance();
    const BackStrip strip(t, 20, 20);
    struct Case
    {
        QPoint from, to;
    };
    for (const Case c : {Case{{0, 0}, {8, 0}}, Case{{0, 0}, {6, 6}}, Case{{0, 6}, {6, 0}}, Case{{0, 0}, {0, 6}}, Case{{0, 0}, {5, 2}}}) {
        SCOPED_TRACE(testing::Message() << c.to.x() << "," << c.to.y());
        const auto key = BackStitchGeometry::key(c.from, c.to, 0x0000FF);
        const StripRotation rotation(strip, *key);
        const TRotateRec rec = rotation.build();
        ASSERT_EQ(rec.imagerotated.width(), rotation.side());
        const double pixels = key->length * 20;
        int thread = 0;
        for (int y = 0; y < rotation.side(); ++y) {
            for (int x = 0; x < rotation.side(); ++x) {
                const TColor32 p = rec.imagerotated.pixel(x, y);
                if ((p | 0xFF000000u) == TFImages::kMagenta)
                    continue;
                ++thread;
                ASSERT_EQ(p & 0x00FFFFu, 0u) << "only red in a red stitch";
            }
        }
        EXPECT_GT(thread, int(pixels * 4));
    }
}

TEST(BackImageCache, KeepsAtMostItsBytesDroppingTheLeastRecentlyUsed)
{
    const auto image = [](int side) { return TRotateRec{{}, {}, TBitmap32(side, side)}; };
    const auto key = [](double length) { return TBackRec{length, 0, 0}; };
    BackImageCache cache(3 * 100 * 4); // three 10 x 10 images
    cache.insert(key(1), image(10));
    cache.insert(key(2), image(10));
    cache.insert(key(3), image(10));
    ASSERT_TRUE(cache.find(key(1))); // now the most recent
    cache.insert(key(4), image(10));
    EXPECT_EQ(cache.size(), 3);
    EXPECT_FALSE(cache.find(key(2)));
    EXPECT_TRUE(cache.find(key(1)));
    EXPECT_TRUE(cache.find(key(3)));
    EXPECT_EQ(cache.bytes(), 1200);
    // An image larger than the whole cache is kept alone until the next insert.
    EXPECT_EQ(cache.insert(key(5), image(20)).imagerotated.width(), 20);
    EXPECT_EQ(cache.size(), 1);
    EXPECT_EQ(BackImageCache::kDefaultBytes, 64 << 20);
}

TEST(StripRotation, EveryTurnedStripFindsItsLeftEndAndTheNearSearchAgreesWithTheScan)
{
    // Nearest-pixel turning leaves some source pixels unread; when p1 was one of them, the
    // strip used to keep p1's place before turning and was drawn off its stitch.
    const TFImages& t = TFImages::instance();
    for (int w : {5, 20, 37}) {
        const BackStrip strip(t, w, w);
        for (int dx = 0; dx <= 10; ++dx) {
            for (int dy = -10; dy <= 10; ++dy) {
                const auto key = BackStitchGeometry::key(QPoint(0, 0), QPoint(dx, dy), 1);
                if (!key)
                    continue;
                const StripRotation rotation(strip, *key);
                const TRotateRec rec = rotation.build();
                ASSERT_EQ(rotation.turnedP1(), rec.p1) << w << ": " << dx << "," << dy;
                const double half = rotation.side() / 2.0, reach = strip.stripWidth(key->length) / 2.0;
                const double a = key->angle / 57.29577951308232;
                ASSERT_NEAR(rec.p1.x() + 0.5, half - reach * std::cos(a), 2.0) << w << ": " << dx << "," << dy;
                ASSERT_NEAR(rec.p1.y() + 0.5, half - reach * std::sin(a), 2.0) << w << ": " << dx << "," << dy;
            }
        }
    }
}
