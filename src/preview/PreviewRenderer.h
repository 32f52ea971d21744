#pragma once
#include "model/StitchIndex.h"
#include "preview/BackImageCache.h"
#include "preview/BackStrip.h"
#include "preview/CellImages.h"
#include "preview/PictureRegion.h"
#include <QImage>
#include <QRect>

class Design;
class TFImages;

// The real preview of a design: the stitches as thread on fabric. The whole picture is
// FCellWidth x W by FCellHeight x H pixels, but it is never made whole: DrawBitmap renders any
// rectangle of it, and a rectangle's pixels equal the same rectangle of the whole picture. The
// window renders the part it shows; the export renders bands and streams them to a file.
//
// Layers, each clipped to the rectangle, bottom first: every cell (fabric, the cross, the
// quarters over their quadrants), french knots, back stitches, rhodes (stitch mode only for the
// last two), each list in its order. Knots and strips that start outside and reach in are
// drawn. Cell images, knot images and turned strips are made on first use at the current cell
// size and kept until it changes.
//
// Call order: prepare() with the design and the zoom, then DrawBitmap() for any rectangles;
// prepare() again after the design or the zoom changed.
class PreviewRenderer
{
public:
    static constexpr int kMinZoom = 5;
    static constexpr int kMaxZoom = 50;
    static constexpr int kDefaultZoom = 8;
    // The side of the largest turned strip that is kept as an image; larger ones are drawn
    // pixel by pixel into each rectangle.
    static constexpr int kLargestCachedSide = 1024;

    explicit PreviewRenderer(const TFImages& textures);

    // Cell size for the zoom: z x z, or rnd(z) x rnd(0.7 z) in knitting. Drops every made
    // picture when the cell size or the mode changed, or when `forget` is set (the design may
    // have been edited).
    void prepare(const Design& design, int zoom, bool knitting, bool forget = false);

    int FCellWidth = 0;
    int FCellHeight = 0;
    QSize pictureSize() const;

    // Renders `region` (picture pixels, inside the picture) into `target`, an image of
    // Format_RGB32 and the region's size.
    void DrawBitmap(QImage& target, const QRect& region);

    void setLargestCachedSide(int side) { m_largestCachedSide = side; }
    const BackImageCache& backImageCache() const { return m_backImageCache; }
    const CellImages& cellImages() const { return m_cells; }

private:
    void drawCells(const PictureRegion& r);
    void drawKnots(const PictureRegion& r, const QRect& points);
    void drawStitch(const PictureRegion& r, const QPoint& from, const QPoint& to, TColorRef color);
    // The half-cell points whose knots and stitches may reach into the region.
    QRect pointsNear(const QRect& region) const;

    const TFImages& m_textures;
    const Design* m_design = nullptr;
    bool m_knitting = false;
    int m_largestCachedSide = kLargestCachedSide;
    CellImages m_cells;
    BackStrip m_strip;
    BackImageCache m_backImageCache;
    StitchIndex m_index;
};
