#pragma once
#include "editing/RubberResize.h"
#include "imaging/TBitmap32.h"
#include "model/Status.h"
#include <QRect>
#include <QRectF>
#include <QSize>

// The crop of the conversion's first page and the size rule of its size page.
namespace ConversionGeometry {
// The crop in whole pixels: rnd of each edge of the selection (halves to even).
QRect cropRect(const QRectF& SelectionRect);
// The crop of a picture of `picture` pixels: cropRect of the selection, a null selection
// standing for the whole picture.
QRect cropOf(const QRectF& SelectionRect, const QSize& picture);

// Copies the crop of the picture into `preAdjustmentsBitmap`. A crop that is empty or lies
// outside the picture is refused and leaves the raster as it was. (A kernel copy at the same
// size and a whole-pixel offset takes every pixel unchanged, so this is a plain copy.)
Status cropPicture(const TBitmap32& PictureSource, const QRect& crop, TBitmap32& preAdjustmentsBitmap);

// The largest "Max width/height" for an adjusted picture: at most its longer side, and no more
// than the largest S whose design fits the design limits.
int maxSizeLimit(const QSize& adjusted);

// Fits the adjusted picture into an S x S square keeping its proportions: with q = width /
// height, rnd(S x q) x S when q < 1, otherwise S x rnd(S / q). S is first brought into the
// range the size control allows (2 up to maxSizeLimit). An empty picture gives an empty size.
QSize stitchSize(const QSize& adjusted, int S);

// The size of the shadow picture kept from an adjusted picture: the same when neither side
// exceeds kShadowSide, otherwise Floor(side / m x kShadowSide) for each side, m being the longer
// one; never a side of 0, however thin the picture.
constexpr int kShadowSide = 1000;
QSize shadowSize(const QSize& adjusted);

// The zoom of the crop page's view: 1 when the picture fits the viewport, otherwise the scale
// that fits it, never below the zoom slider's 0.10.
constexpr double kMinZoom = 0.10;
double fitZoom(const QSize& picture, const QSize& viewport);

// The view bitmap of the crop page at a zoom: rnd of each side, at least one pixel.
QSize zoomedSize(const QSize& picture, double zoom);

// The crop frame's correction while it is dragged (view pixels): a moved frame keeps its size
// and stays on the view bitmap of `view` pixels at `offset`; a dragged edge stops at the bitmap's
// edge. A frame smaller than two picture pixels a side, or turned inside out, keeps `old`.
QRectF RubberResize(TDragKind kind, const QRectF& old, const QRectF& proposed, const QPointF& offset,
    const QSizeF& view, double zoom);

// The crop in picture pixels of a frame in view pixels, inside the picture.
QRectF selectionFromFrame(const QRectF& frame, const QPointF& offset, double zoom, const QSize& picture);

// The crop frame in view pixels of a crop in picture pixels.
QRectF frameFromSelection(const QRectF& SelectionRect, const QPointF& offset, double zoom);

// Refuses a size that is not a design size (a side of 0, or beyond the design limits).
Status checkDesignSize(const QSize& size);
} // namespace ConversionGeometry
