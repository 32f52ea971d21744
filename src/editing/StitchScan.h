#pragma once
#include "imaging/TBitmap32.h"
#include <QPoint>
#include <optional>

// Visits every stitched pixel of a layer row by row, a row pointer at a time: `lookup(colour)`
// runs once for each run of equal neighbours (a whole-design record would otherwise look every
// stitch up) and `visit(point, found)` gets what it returned for the pixel's colour.
template <typename Lookup, typename Visit>
void scanStitchesByColour(const TBitmap32& layer, TColor32 background, Lookup lookup, Visit visit)
{
    std::optional<TColorRef> last;
    decltype(lookup(TColorRef())) found{};
    for (int y = 0; y < layer.height(); ++y) {
        const TColor32* row = layer.constScanLine(y);
        for (int x = 0; x < layer.width(); ++x) {
            if (row[x] == background)
                continue;
            const TColorRef color = colorRefFromColor32(row[x]);
            if (color != last) {
                last = color;
                found = lookup(color);
            }
            visit(QPoint(x, y), found);
        }
    }
}
