#include "preview/PreviewTint.h"
#include <algorithm>

void PreviewTint::tintAll(TBitmap32& image, TColorRef c)
{
    for (int y = 0; y < image.height(); ++y) {
        TColor32* line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            line[x] = tint(line[x], c);
    }
}

void PreviewTint::tintThread(TBitmap32& image, TColorRef c)
{
    for (int y = 0; y < image.height(); ++y) {
        TColor32* line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (!isMagenta(line[x]))
                line[x] = tint(line[x], c);
        }
    }
}

void PreviewTint::drawTransparent(TBitmap32& target, const TBitmap32& source, int x, int y)
{
    const int x0 = std::max(x, 0), x1 = std::min(x + source.width(), target.width());
    const int y0 = std::max(y, 0), y1 = std::min(y + source.height(), target.height());
    for (int ty = y0; ty < y1; ++ty) {
        const TColor32* from = source.constScanLine(ty - y);
        TColor32* to = target.scanLine(ty);
        for (int tx = x0; tx < x1; ++tx) {
            if (!isMagenta(from[tx - x]))
                to[tx] = from[tx - x];
        }
    }
}
