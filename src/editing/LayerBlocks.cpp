#include "editing/LayerBlocks.h"
#include <algorithm>
#include <cstring>

namespace {
// Copies the block of `size` at `from` in src to `to` in dst; both blocks lie inside.
void copyBlock(const TBitmap32& src, const QPoint& from, TBitmap32& dst, const QPoint& to, const QSize& size)
{
    if (size.width() <= 0)
        return;
    for (int y = 0; y < size.height(); ++y) {
        std::memcpy(dst.scanLine(to.y() + y) + to.x(), src.constScanLine(from.y() + y) + from.x(),
            size_t(size.width()) * sizeof(TColor32));
    }
}

TBitmap32 filled(int width, int height, TColor32 fill)
{
    TBitmap32 raster;
    raster.SetSize(width, height);
    raster.fill(fill);
    return raster;
}
} // namespace

TBitmap32 LayerBlocks::resized(const TBitmap32& layer, int width, int height, TColor32 fill)
{
    TBitmap32 out = filled(width, height, fill);
    copyBlock(layer, QPoint(0, 0), out, QPoint(0, 0),
        QSize(std::min(width, layer.width()), std::min(height, layer.height())));
    return out;
}

TBitmap32 LayerBlocks::withColumnsInserted(const TBitmap32& layer, int at, int count, TColor32 fill)
{
    const int h = layer.height();
    TBitmap32 out = filled(layer.width() + count, h, fill);
    copyBlock(layer, QPoint(0, 0), out, QPoint(0, 0), QSize(at, h));
    copyBlock(layer, QPoint(at, 0), out, QPoint(at + count, 0), QSize(layer.width() - at, h));
    return out;
}

TBitmap32 LayerBlocks::withRowsInserted(const TBitmap32& layer, int at, int count, TColor32 fill)
{
    const int w = layer.width();
    TBitmap32 out = filled(w, layer.height() + count, fill);
    copyBlock(layer, QPoint(0, 0), out, QPoint(0, 0), QSize(w, at));
    copyBlock(layer, QPoint(0, at), out, QPoint(0, at + count), QSize(w, layer.height() - at));
    return out;
}

TBitmap32 LayerBlocks::withColumnsRemoved(const TBitmap32& layer, int at, int count, TColor32 fill)
{
    const int h = layer.height();
    TBitmap32 out = filled(layer.width() - count, h, fill);
    copyBlock(layer, QPoint(0, 0), out, QPoint(0, 0), QSize(at, h));
    copyBlock(layer, QPoint(at + count, 0), out, QPoint(at, 0), QSize(layer.width() - at - count, h));
    return out;
}

TBitmap32 LayerBlocks::withRowsRemoved(const TBitmap32& layer, int at, int count, TColor32 fill)
{
    const int w = layer.width();
    TBitmap32 out = filled(w, layer.height() - count, fill);
    copyBlock(layer, QPoint(0, 0), out, QPoint(0, 0), QSize(w, at));
    copyBlock(layer, QPoint(0, at + count), out, QPoint(0, at), QSize(w, layer.height() - at - count));
    return out;
}
