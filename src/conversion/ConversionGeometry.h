#pragma once
#include "imaging/TBitmap32.h"
#include "model/Status.h"
#include <QRect>
#include <QRectF>
#include <QSize>

// The crop of the conversion's first page and the size rule of its size page.
namespace ConversionGeometry {
// The crop in whole pixels: rnd of each edge of the selection (halves to even).
QRect cropRect(const QRectF& SelectionRect);

// Copies the crop of the picture into `preAdjustmentsBitmap`. A crop that is empty or lies
// outside the picture is refused and leaves the raster as it was. (A kernel copy at the same
// size and a whole-pixel offset takes every pixel unchanged, so this is a plain copy.)
Status cropPicture(const TBitmap32& PictureSource, const QRect& crop, TBitmap32& preAdjustmentsBitmap);

// The largest "Max width/height" for an adjusted picture: its longer side, at most 32767.
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

// Refuses a size that is not a design size (a side of 0, or beyond the design limits).
Status checkDesignSize(const QSize& size);
} // namespace ConversionGeometry
