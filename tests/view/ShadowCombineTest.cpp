// The shadow picture laid over the rendered chart.
#include "imaging/Rounding.h"
#include "support/TestDesigns.h"
#include "view/ChartRenderer.h"
#include "view/ShadowCombine.h"
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr quint32 kWhite = 0xFFFFFFFFu;

ViewOptions withShadow(const QImage& picture, int opacity)
{
    ViewOptions o;
    o.grid = false;
    o.symbols = false;
    o.shadow = picture;
    o.shadowOpacity = opacity;
    return o;
}

QImage render(const Design& d, const ViewGeometry& g, const ViewOptions& o, QSize size)
{
    QImage frame(size, QImage::Format_RGB32);
    ChartRenderer().render(frame, frame.rect(), d, g, o);
    return frame;
}

QImage solid(int width, int height, QRgb color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

// Every pixel its own colour, none of them white.
QImage distinctPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(10 * x % 250, 10 * y % 250, (x * 7 + y * 13) % 250));
    return image;
}
} // namespace

TEST(ShadowCombine, SourcePixelIsTakenNearTheMiddleOfEachDesignPixel)
{
    const struct
    {
        int d, designSide, pictureSide, expected;
    } cases[] = {
        {0, 100, 10, 0}, {9, 100, 10, 0}, {10, 100, 10, 1}, {99, 100, 10, 9},
        {0, 3, 10, 1},     // (0.5 x 10 / 3) = 1.67
        {2, 3, 10, 8},     // 8.33
        {500, 100, 10, 9}, // beyond the design: the last pixel
        {-4, 100, 10, 0},
        {0, 4, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShadowCombine::sourceIndex(c.d, c.designSide, c.pictureSide), c.expected) << c.d << " of " << c.designSide;
}

TEST(ShadowCombine, OpacityBlendsAndTheBackgroundColourIsSeeThrough)
{
    auto d = TestDesigns::fromRows({"rr", "rr"}, {{'r', kRed}});
    d->stitch.BackGroundColor = kWhite;
    const ViewGeometry g = ViewGeometry::forZoom(4, false);
    const QSize size(8, 8);
    const auto at = [&](const QImage& picture, int opacity) {
        return render(*d, g, withShadow(picture, opacity), size).pixel(1, 1);
    };
    // Black over red at the starting opacity 50: rnd(255 x 205 / 255) = 205 of the red stays.
    EXPECT_EQ(at(solid(1, 1, 0xFF000000u), 50), qRgb(205, 0, 0));
    EXPECT_EQ(at(solid(1, 1, 0xFF0000FFu), 127), qRgb(128, 0, 127));
    EXPECT_EQ(at(solid(1, 1, 0xFF00FF00u), 255), qRgb(0, 255, 0));
    EXPECT_EQ(at(solid(1, 1, 0xFF00FF00u), 0), qRgb(255, 0, 0));
    // At 100 % a picture pixel equal to the background shows the chart; one unit off is drawn.
    EXPECT_EQ(at(solid(1, 1, kWhite), 255), qRgb(255, 0, 0));
    EXPECT_EQ(at(solid(1, 1, 0xFFFFFFFEu), 255), qRgb(255, 255, 254));
    // Outside the design the grey stays.
    EXPECT_EQ(render(*d, g, withShadow(solid(1, 1, 0xFF000000u), 255), QSize(12, 12)).pixel(10, 10) | 0xFF000000u,
        ChartRenderer::kOutside);
}

// Only the visible part is sampled; it must equal the matching part of the picture stretched
// over the whole design, whatever the zoom, the scroll position or the cell shape.
TEST(ShadowCombine, VisiblePartEqualsTheWholeStretchedPicture)
{
    auto d = TestDesigns::empty(13, 9, {kRed});
    d->stitch.BackGroundColor = kWhite;
    d->CrossLayer.fill(kWhite);
    const QImage picture = distinctPicture(17, 5);
    for (const bool knitting : {false, true})
        for (const int zoom : {2, 5, 12, 40})
            for (const QPoint scroll : {QPoint(0, 0), QPoint(3, 2), QPoint(12, 8)}) {
                SCOPED_TRACE(testing::Message() << "zoom " << zoom << (knitting ? " knitting" : "") << " scroll "
                                                << scroll.x() << "," << scroll.y());
                const ViewGeometry g = ViewGeometry::forZoom(zoom, knitting, scroll.x(), scroll.y());
                const QImage frame = render(*d, g, withShadow(picture, 255), QSize(90, 70));
                const int designWidth = 13 * g.CellWidth;
                const int designHeight = 9 * g.CellHeight;
                int wrong = 0;
                for (int y = 0; y < frame.height(); ++y)
                    for (int x = 0; x < frame.width(); ++x) {
                        const int X = x + scroll.x() * g.CellWidth;
                        const int Y = y + scroll.y() * g.CellHeight;
                        if (X >= designWidth || Y >= designHeight)
                            continue;
                        // The reference stretch in floating point.
                        const int sx = std::min(16, int((X + 0.5) * 17 / designWidth));
                        const int sy = std::min(4, int((Y + 0.5) * 5 / designHeight));
                        wrong += (frame.pixel(x, y) | 0xFF000000u) != picture.pixel(sx, sy);
                    }
                EXPECT_EQ(wrong, 0);
            }
}

// The combine works several view pixels at a time with arithmetic in place of the tables: every
// chart channel value at several opacities must still give rnd(F x w / 255) + rnd(B x (255 - w)
// / 255), and a picture pixel with alpha its own weight.
TEST(ShadowCombine, EveryChannelValueBlendsByTheRoundingRule)
{
    constexpr int kWidth = 259; // not a multiple of the pixels done at once
    QImage frame(kWidth, 2, QImage::Format_RGB32);
    QImage picture(kWidth, 2, QImage::Format_ARGB32);
    for (int x = 0; x < kWidth; ++x) {
        const int c = x % 256;
        frame.setPixel(x, 0, qRgb(c, 255 - c, c / 2));
        frame.setPixel(x, 1, qRgb(c, 255 - c, c / 2));
        picture.setPixel(x, 0, qRgb(255 - c, c / 3, c));
        picture.setPixel(x, 1, qRgba(200, 100, 50, 128));
    }
    for (const int opacity : {1, 50, 127, 200, 254, 255}) {
        QImage combined = frame;
        ShadowCombine().apply(combined, combined.rect(), picture, {combined.size(), {}}, kWhite, opacity);
        const auto rule = [](int f, int b, int w) { return rnd(f * w / 255.0) + rnd(b * (255 - w) / 255.0); };
        int wrong = 0;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const QRgb f = picture.pixel(x, y), b = frame.pixel(x, y);
                const int w = qAlpha(f) == 255 ? opacity : rnd(opacity * qAlpha(f) / 255.0);
                const QRgb expected = qRgb(rule(qRed(f), qRed(b), w), rule(qGreen(f), qGreen(b), w), rule(qBlue(f), qBlue(b), w));
                wrong += combined.pixel(x, y) != expected;
            }
        EXPECT_EQ(wrong, 0) << "opacity " << opacity;
    }
}
