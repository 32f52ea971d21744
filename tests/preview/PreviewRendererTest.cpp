#include "imaging/KernelResampler.h"
#include "preview/PreviewDesigns.h"
#include "preview/PreviewRenderer.h"
#include "preview/PreviewTint.h"
#include "preview/TFImages.h"
#include "support/TestDesigns.h"
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace PreviewDesigns;

namespace {
QImage region(PreviewRenderer& renderer, const QRect& rect)
{
    QImage image(rect.size(), QImage::Format_RGB32);
    image.fill(0xFF123456u); // a pixel left unpainted shows
    renderer.DrawBitmap(image, rect);
    return image;
}

QImage whole(PreviewRenderer& renderer)
{
    return region(renderer, QRect(QPoint(0, 0), renderer.pictureSize()));
}

// The number of pixels that differ.
int differences(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

bool isThreadColoured(QRgb p, TColorRef c)
{
    // A tinted pixel keeps the colour's proportions: its strongest channel is the colour's.
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    const int cr = redOf(c), cg = greenOf(c), cb = blueOf(c);
    const int strongest = std::max({cr, cg, cb});
    return (strongest == cr && r >= g && r >= b) || (strongest == cg && g >= r && g >= b) || (strongest == cb && b >= r && b >= g);
}
} // namespace

TEST(PreviewTint, WhiteTakesOneFromEveryChannelAndBlackGivesZero)
{
    for (int v : {1, 2, 128, 200, 255}) {
        const TColor32 p = 0xFF000000u | (TColor32(v) << 16) | (TColor32(v) << 8) | TColor32(v);
        const TColor32 less = TColor32(v - 1);
        EXPECT_EQ(PreviewTint::tint(p, 0xFFFFFF), 0xFF000000u | (less << 16) | (less << 8) | less) << v;
        EXPECT_EQ(PreviewTint::tint(p, 0x000000), 0xFF000000u) << v;
    }
    EXPECT_EQ(PreviewTint::tint(0xFF000000u, 0xFFFFFF), 0xFF000000u);
    // Red multiplies red: the thread colour value keeps red in its low byte.
    EXPECT_EQ(PreviewTint::tint(0xFF80FF40u, 0x0000FF), 0xFF7F0000u);
    EXPECT_EQ(PreviewTint::tint(0xFFFFFFFFu, 0xFF00FF), 0xFFFE00FEu); // never magenta
}

TEST(PreviewRenderer, AnEmptyDesignIsTheTintedFabricTileRepeated)
{
    auto d = TestDesigns::empty(3, 2, {kRed});
    d->stitch.BackGroundColor = 0xFFC0E0FFu; // a light blue, red C0 in the ARGB value
    d->allocateLayers(3, 2);
    PreviewRenderer renderer(TFImages::instance());
    renderer.prepare(*d, 9, false);
    const QImage picture = whole(renderer);
    ASSERT_EQ(picture.size(), QSize(27, 18));

    TBitmap32 tile = KernelResampler::scaled(TFImages::instance().ImageBackGround, QSize(9, 9));
    PreviewTint::tintAll(tile, 0xFFE0C0);
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 27; ++x)
            ASSERT_EQ(picture.pixel(x, y), tile.pixel(x % 9, y % 9)) << x << "," << y;
}

TEST(PreviewRenderer, KnittingCellsAreTenBySevenAndShowOnlyCrossesAndKnots)
{
    auto d = TestDesigns::fromRows({"r.", ".."}, {{'r', kRed}});
    setQuarter(*d, 2, 2, kBlue);
    addBackStitch(*d, QPoint(2, 2), QPoint(4, 4), kBlue);
    addKnot(*d, QPoint(3, 1), kGreen);
    PreviewRenderer renderer(TFImages::instance());
    renderer.prepare(*d, 10, true);
    EXPECT_EQ(renderer.FCellWidth, 10);
    EXPECT_EQ(renderer.FCellHeight, 7);
    const QImage picture = whole(renderer);
    ASSERT_EQ(picture.size(), QSize(20, 14));

    const QImage fabric = region(renderer, QRect(0, 7, 10, 7)); // an empty cell
    // The second row of cells: the quarter and the back stitch are not drawn, so the empty
    // lower-right cell equals the empty lower-left one.
    EXPECT_EQ(differences(region(renderer, QRect(10, 7, 10, 7)), fabric), 0);
    // The knot at (3, 1) covers the upper-right cell's middle, the cross the upper-left cell's.
    EXPECT_TRUE(isThreadColoured(picture.pixel(15, 3), kGreen));
    EXPECT_TRUE(isThreadColoured(picture.pixel(5, 3), kRed));
}

TEST(PreviewRenderer, AnyRectangleEqualsTheSameRectangleOfTheWholePicture)
{
    auto d = everyKind();
    struct Case
    {
        int zoom;
        bool knitting;
    };
    for (const Case c : {Case{5, false}, Case{8, false}, Case{23, false}, Case{50, false}, Case{10, true}, Case{23, true}}) {
        SCOPED_TRACE(testing::Message() << "zoom " << c.zoom << (c.knitting ? " knitting" : ""));
        PreviewRenderer renderer(TFImages::instance());
        renderer.prepare(*d, c.zoom, c.knitting);
        const QImage picture = whole(renderer);
        ASSERT_FALSE(picture.isNull());
        // Rectangles made first, so a fresh renderer gives the same pixels as a used one.
        QRandomGenerator random(quint32(c.zoom));
        for (int i = 0; i < 24; ++i) {
            const int x = random.bounded(picture.width()), y = random.bounded(picture.height());
            const QRect rect(x, y, 1 + random.bounded(picture.width() - x), 1 + random.bounded(picture.height() - y));
            PreviewRenderer fresh(TFImages::instance());
            fresh.prepare(*d, c.zoom, c.knitting);
            PreviewRenderer& used = i % 2 ? renderer : fresh;
            ASSERT_EQ(differences(region(used, rect), picture.copy(rect)), 0) << "rectangle " << rect.x() << "," << rect.y()
                                                                             << " " << rect.width() << "x" << rect.height();
        }
    }
}

TEST(PreviewRenderer, StripsDrawnDirectlyEqualTheCachedImages)
{
    // Every stitch of the design drawn pixel by pixel into the picture, as strips too large to
    // keep are, against the same stitches turned once and cached.
    auto d = everyKind();
    for (int zoom : {5, 17, 40}) {
        SCOPED_TRACE(zoom);
        PreviewRenderer cached(TFImages::instance());
        cached.prepare(*d, zoom, false);
        PreviewRenderer direct(TFImages::instance());
        direct.prepare(*d, zoom, false);
        direct.setLargestCachedSide(0);
        const QImage expected = whole(cached);
        EXPECT_EQ(differences(whole(direct), expected), 0);
        EXPECT_EQ(direct.backImageCache().size(), 0);
        EXPECT_GT(cached.backImageCache().size(), 0);
        const QRect part(zoom * 3 + 1, zoom * 2 + 3, zoom * 3, zoom * 2);
        EXPECT_EQ(differences(region(direct, part), expected.copy(part)), 0);
    }
}

TEST(PreviewRenderer, ColoursWithoutASymbolOrTableEntryGetCellImages)
{
    auto d = everyKind();
    PreviewRenderer renderer(TFImages::instance());
    renderer.prepare(*d, 20, false);
    const QImage picture = whole(renderer);
    // Cell (7, 0) of kStray (no table entry) and cell (5, 0) of kBlue (charID -1) are crosses.
    EXPECT_TRUE(isThreadColoured(picture.pixel(7 * 20 + 10, 10), kStray));
    EXPECT_TRUE(isThreadColoured(picture.pixel(5 * 20 + 10, 10), kBlue));
    EXPECT_EQ(renderer.cellImages().colourCount(), 4u);
}

TEST(PreviewRenderer, AZeroLengthStitchIsSkipped)
{
    auto d = TestDesigns::fromRows({"..", ".."}, {{'r', kRed}});
    PreviewRenderer renderer(TFImages::instance());
    renderer.prepare(*d, 12, false);
    const QImage without = whole(renderer);
    addBackStitch(*d, QPoint(2, 2), QPoint(2, 2), kRed);
    renderer.prepare(*d, 12, false, true);
    EXPECT_EQ(differences(whole(renderer), without), 0);
    EXPECT_EQ(renderer.backImageCache().size(), 0);
}

TEST(PreviewRenderer, EqualStitchesShareOneCachedImageAndAnotherColourMakesASecond)
{
    auto d = TestDesigns::empty(6, 6, {kRed});
    addBackStitch(*d, QPoint(0, 0), QPoint(2, 2), kRed);
    addBackStitch(*d, QPoint(6, 6), QPoint(4, 4), kRed); // the same stitch drawn the other way
    PreviewRenderer renderer(TFImages::instance());
    renderer.prepare(*d, 10, false);
    whole(renderer);
    EXPECT_EQ(renderer.backImageCache().size(), 1);
    addBackStitch(*d, QPoint(8, 0), QPoint(10, 2), kBlue);
    renderer.prepare(*d, 10, false, true);
    whole(renderer);
    EXPECT_EQ(renderer.backImageCache().size(), 2);
}
