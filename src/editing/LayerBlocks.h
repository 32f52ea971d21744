#pragma once
#include "imaging/TBitmap32.h"

// Rasters rebuilt at another size for the records that insert rows or columns or change the
// design's size. Each returns a new raster filled with `fill` into which the kept blocks of the
// old one are copied pixel for pixel (stitch pixels keep their alpha byte).
namespace LayerBlocks {
// The old raster at (0, 0) of a width x height raster; what does not fit is cut off.
TBitmap32 resized(const TBitmap32& layer, int width, int height, TColor32 fill);
// `count` empty columns (or rows) before column (row) `at`; what was at `at` and after moves on.
TBitmap32 withColumnsInserted(const TBitmap32& layer, int at, int count, TColor32 fill);
TBitmap32 withRowsInserted(const TBitmap32& layer, int at, int count, TColor32 fill);
// The reverse: columns (rows) at .. at + count - 1 taken out, the rest moving back.
TBitmap32 withColumnsRemoved(const TBitmap32& layer, int at, int count, TColor32 fill);
TBitmap32 withRowsRemoved(const TBitmap32& layer, int at, int count, TColor32 fill);
} // namespace LayerBlocks
