#pragma once
#include "imaging/TBitmap32.h"
#include <QPoint>
#include <QRect>
#include <optional>

// The colour picked from a picture: the average of a square of pixels under the cursor.
namespace ColorAveraging {
// The square from (x - size/2, y - size/2) to (x + size/2, y + size/2) inclusive, clamped to
// the picture; empty when it lies wholly outside.
QRect square(const QSize& picture, const QPoint& at, int size);
// Red, green and blue each summed over the pixels of the clamped square and divided (integer
// division) by their number: pixels outside the picture have no colour and are not counted.
// Nothing when the square holds no pixel of the picture.
std::optional<TColorRef> average(const TBitmap32& picture, const QPoint& at, int size);
} // namespace ColorAveraging
