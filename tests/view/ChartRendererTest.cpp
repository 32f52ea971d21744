#include "model/TCharacters.h"
#include "support/TestDesigns.h"
#include "view/ChartRenderer.h"
#include <QSet>
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kNavy = 0x800000;
constexpr TColorRef kWhite = 0xFFFFFF;
constexpr quint32 kRedPixel = 0xFFFF0000u;
constexpr quint32 kNavyPixel = 0xFF000080u;
constexpr quint32 kBackground = 0xFFFFFFFFu;

QImage render(const Design& d, const ViewGeometry& g, const ViewOptions& o, QSize size = QSize(64, 48))
{
    QImage frame(size, QImage::Format_RGB32);
    ChartRenderer renderer;
    renderer.render(frame, frame.rect(), d, g, o);
    return frame;
}

quint32 at(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000u;
}

ViewOptions plain()
{
    ViewOptions o;
    o.grid = false;
    o.symbols = false;
    return o;
}

std::unique_ptr<Design> smallDesign()
{
    auto d = TestDesigns::fromRows({"r.n", ".w."}, {{'r', kRed}, {'n', kNavy}, {'w', kWhite}});
    d->stitch.chars->ffontname = QStringLiteral("VelwickArtSymbols110");
    return d;
}
} // namespace

TEST(ChartRenderer, CellsAreSolidBlocksAndTheOutsideIsGrey)
{
    auto d = smallDesign();
    const QImage f = render(*d, ViewGeometry::forZoom(10, false), plain());
    EXPECT_EQ(at(f, 0, 0), kRedPixel);
    EXPECT_EQ(at(f, 9, 9), kRedPixel);
    EXPECT_EQ(at(f, 10, 0), kBackground);
    EXPECT_EQ(at(f, 29, 9), kNavyPixel);
    EXPECT_EQ(at(f, 30, 0), ChartRenderer::kOutside);
    EXPECT_EQ(at(f, 0, 20), ChartRenderer::kOutside);
    // A white stitch on a white background looks like the background but is a stitch.
    EXPECT_EQ(at(f, 15, 15), 0xFFFFFFFFu);
}

TEST(ChartRenderer, EveryPixelOfTheFrameIsPaintedAtEveryZoom)
{
    // The view renders into a frame it keeps, so a pixel left alone would show an old picture.
    auto d = smallDesign();
    constexpr quint32 kStale = 0xFFFF00FFu;
    for (const bool knitting : {false, true})
        for (const int zoom : ViewGeometry::kZoomSteps)
            for (const int scroll : {0, 1}) {
                SCOPED_TRACE(testing::Message() << "zoom " << zoom << (knitting ? " knitting" : "") << " scroll " << scroll);
                QImage frame(QSize(150, 90), QImage::Format_RGB32);
                frame.fill(kStale);
                ViewOptions o;
                o.zoom = zoom;
                ChartRenderer().render(frame, frame.rect(), *d, ViewGeometry::forZoom(zoom, knitting, scroll, 0), o);
                int stale = 0;
                for (int y = 0; y < frame.height(); ++y)
                    for (int x = 0; x < frame.width(); ++x)
                        stale += at(frame, x, y) == kStale;
                EXPECT_EQ(stale, 0);
            }
}

TEST(ChartRenderer, KnittingCellsAreLowerThanWide)
{
    auto d = smallDesign();
    const QImage f = render(*d, ViewGeometry::forZoom(10, true), plain());
    EXPECT_EQ(at(f, 0, 6), kRedPixel);
    EXPECT_EQ(at(f, 0, 7), kBackground);
    EXPECT_EQ(at(f, 0, 14), ChartRenderer::kOutside);
}

TEST(ChartRenderer, ScrollingMovesTheFirstVisibleCell)
{
    auto d = smallDesign();
    const QImage f = render(*d, ViewGeometry::forZoom(10, false, 2, 0), plain());
    EXPECT_EQ(at(f, 0, 0), kNavyPixel);
    EXPECT_EQ(at(f, 10, 0), ChartRenderer::kOutside);
}

TEST(ChartRenderer, GridLinesRunOnTheLeftAndTopOfEveryCellInsideTheDesign)
{
    auto d = smallDesign();
    ViewOptions o = plain();
    o.grid = true;
    const QImage f = render(*d, ViewGeometry::forZoom(10, false), o);
    EXPECT_EQ(at(f, 10, 5), ChartRenderer::kGridLine);
    EXPECT_EQ(at(f, 5, 10), ChartRenderer::kGridLine);
    EXPECT_EQ(at(f, 5, 0), ChartRenderer::kGridLine);
    EXPECT_EQ(at(f, 5, 5), kRedPixel);
    EXPECT_EQ(at(f, 30, 5), ChartRenderer::kOutside); // no line beyond the last cell
}

TEST(ChartRenderer, QuartersCoverTheirPartOfTheCell)
{
    auto d = smallDesign();
    d->QuarterLayer.setCanvasPixel(3, 0, kNavy); // top right quarter of cell (1, 0)
    const QImage f = render(*d, ViewGeometry::forZoom(10, false), plain());
    EXPECT_EQ(at(f, 15, 0), kNavyPixel);
    EXPECT_EQ(at(f, 19, 4), kNavyPixel);
    EXPECT_EQ(at(f, 14, 4), kBackground);
    EXPECT_EQ(at(f, 15, 5), kBackground);
}

TEST(ChartRenderer, BackStitchesAreFivePixelsWideAndUnderTheQuarters)
{
    auto d = TestDesigns::empty(4, 4, {kRed, kNavy});
    d->BackStitchList.append({QPoint(0, 4), QPoint(8, 4), kRed, 0});
    d->QuarterLayer.setCanvasPixel(0, 3, kNavy);
    const QImage f = render(*d, ViewGeometry::forZoom(10, false), plain());
    int thickness = 0;
    for (int y = 10; y < 30; ++y)
        thickness += at(f, 25, y) == kRedPixel ? 1 : 0;
    EXPECT_EQ(thickness, 5);
    EXPECT_EQ(at(f, 25, 20), kRedPixel);
    EXPECT_EQ(at(f, 2, 19), kNavyPixel); // the quarter lies on top of the stitch
}

TEST(ChartRenderer, FrenchKnotIsAFilledEllipseInsideItsBox)
{
    auto d = TestDesigns::empty(4, 4, {kRed});
    d->FrenchKnotList.append({QPoint(3, 3), kRed, 0});
    const QImage f = render(*d, ViewGeometry::forZoom(20, false), plain(), QSize(80, 80));
    // Centre (30, 30), r = 10: the ellipse fills (22, 22) to (38, 38).
    EXPECT_EQ(at(f, 30, 30), kRedPixel);
    EXPECT_EQ(at(f, 23, 30), kRedPixel);
    EXPECT_EQ(at(f, 21, 30), kBackground);
    EXPECT_EQ(at(f, 39, 30), kBackground);
    EXPECT_EQ(at(f, 23, 23), kBackground); // corner of the box, outside the ellipse
}

TEST(ChartRenderer, HighlightGreysEveryColourButTheDrawingColour)
{
    auto d = smallDesign();
    ViewOptions o = plain();
    o.highlight = true;
    o.highlightColor = kRed;
    const QImage f = render(*d, ViewGeometry::forZoom(10, false), o);
    EXPECT_EQ(at(f, 5, 5), kRedPixel);
    const quint32 grey = 128 / 12 + 192; // navy: (0 + 0 + 128) div 12 + 192
    EXPECT_EQ(at(f, 25, 5), 0xFF000000u | grey << 16 | grey << 8 | grey);
    EXPECT_EQ(at(f, 15, 5), kBackground);
}

TEST(ChartRenderer, SymbolsShowFromZoomEightInTheContrastColour)
{
    auto d = smallDesign();
    ViewOptions o = plain();
    o.symbols = true;
    const auto colours = [&](int zoom, int cellX) {
        o.zoom = zoom;
        const ViewGeometry g = ViewGeometry::forZoom(zoom, false);
        const QImage f = render(*d, g, o, QSize(3 * zoom, 2 * zoom));
        QSet<quint32> seen;
        for (int y = 0; y < zoom; ++y)
            for (int x = cellX * zoom; x < (cellX + 1) * zoom; ++x)
                seen.insert(at(f, x, y));
        return seen;
    };
    EXPECT_EQ(colours(7, 0), QSet<quint32>{kRedPixel});
    EXPECT_TRUE(colours(8, 0).contains(0xFFFFFFFFu)); // white on the dark red
    EXPECT_EQ(colours(8, 0).size(), 2);
    EXPECT_TRUE(colours(20, 1).contains(kBackground)); // cell (1, 0) is empty: no symbol
    EXPECT_EQ(colours(20, 1).size(), 1);
    // The white stitch carries its symbol in near-black.
    o.zoom = 20;
    const QImage f = render(*d, ViewGeometry::forZoom(20, false), o, QSize(60, 40));
    bool nearBlack = false;
    for (int y = 20; y < 40; ++y)
        for (int x = 20; x < 40; ++x)
            nearBlack = nearBlack || at(f, x, y) == 0xFF020000u;
    EXPECT_TRUE(nearBlack);
}

TEST(ChartRenderer, ARegionRendersExactlyLikeTheWholeFrame)
{
    auto d = smallDesign();
    d->BackStitchList.append({QPoint(1, 1), QPoint(5, 3), kNavy, 0});
    d->FrenchKnotList.append({QPoint(2, 2), kRed, 0});
    d->QuarterLayer.setCanvasPixel(4, 1, kRed);
    ViewOptions o;
    o.symbols = true;
    o.zoom = 12;
    const ViewGeometry g = ViewGeometry::forZoom(12, false);
    const QImage whole = render(*d, g, o);
    QImage partial(whole.size(), QImage::Format_RGB32);
    partial.fill(0);
    ChartRenderer renderer;
    for (int y = 0; y < whole.height(); y += 7)
        for (int x = 0; x < whole.width(); x += 9)
            renderer.render(partial, QRect(x, y, 9, 7), *d, g, o);
    EXPECT_EQ(partial, whole);
}
