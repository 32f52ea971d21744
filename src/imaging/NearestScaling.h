#pragma once
#include "imaging/TBitmap32.h"

// Nearest-neighbour scaling: target pixel i reads source pixel (i x source size) div target
// size on each axis, so no colour is mixed and a transparent colour stays exact.
inline TBitmap32 nearestScaled(const TBitmap32& source, int width, int height)
{
    TBitmap32 result(width, height);
    for (int y = 0; y < height; ++y) {
        const TColor32* from = source.constScanLine(int(qint64(y) * source.height() / height));
        TColor32* to = result.scanLine(y);
        for (int x = 0; x < width; ++x)
            to[x] = from[qint64(x) * source.width() / width];
    }
    return result;
}
