#include "editing/SelectionOperations.h"
#include "editing/ClipboardBuffer.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "model/ChangeBatch.h"
#include "model/Design.h"
#include <algorithm>
#include <cstring>

namespace {
// The selected cells that lie on the design, and the half-cell points of that part.
struct Clipped
{
    int left, top, right, bottom;

    Clipped(const Design& design, const TRect& r)
        : left(std::max(r.Left, 0))
        , top(std::max(r.Top, 0))
        , right(std::min(r.Right, design.width()))
        , bottom(std::min(r.Bottom, design.height()))
    {
    }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool holds(const QPoint& p) const
    {
        return !isEmpty() && p.x() >= 2 * left && p.x() <= 2 * right && p.y() >= 2 * top && p.y() <= 2 * bottom;
    }
    bool holds(const TBackStitch& s) const { return holds(s.FromPoint) && holds(s.ToPoint); }
    bool holds(const TRhode& rhode) const
    {
        return std::all_of(rhode.stitches.cbegin(), rhode.stitches.cend(), [this](const TBackStitch& s) { return holds(s); });
    }
};

void copyBlock(const TBitmap32& layer, TBitmap32& target, int scale, const Clipped& c, const TRect& r)
{
    const int count = scale * (c.right - c.left);
    for (int y = scale * c.top; y < scale * c.bottom; ++y) {
        std::memcpy(target.scanLine(y - scale * r.Top) + (scale * c.left - scale * r.Left),
            layer.constScanLine(y) + scale * c.left, size_t(count) * sizeof(TColor32));
    }
}

void copyRasters(const Design& design, ClipboardBuffer& buffer, const TRect& r, const Clipped& c)
{
    buffer.reset(r.width(), r.height(), design.stitch.BackGroundColor);
    if (c.isEmpty())
        return;
    copyBlock(design.CrossLayer, buffer.bitmap, 1, c, r);
    copyBlock(design.QuarterLayer, buffer.qbitmap, 2, c, r);
}

void relativeTo(TBackStitch& s, const QPoint& corner)
{
    s.FromPoint -= corner;
    s.ToPoint -= corner;
}

// Empties the cells (scale 1) or quarters (scale 2) of the clipped area; true if any held one.
bool emptyArea(StitchOperations& ops, const Clipped& c, int scale)
{
    const TColor32 bg = ops.background();
    bool any = false;
    for (int y = scale * c.top; y < scale * c.bottom; ++y) {
        for (int x = scale * c.left; x < scale * c.right; ++x) {
            const bool full = scale == 1;
            if ((full ? ops.cellValue(x, y) : ops.quarterValue(x, y)) == bg)
                continue;
            any = true;
            if (full)
                ops.updatePixel(x, y, false, bg);
            else
                ops.updateQPixel(x, y, false, bg);
        }
    }
    return any;
}

// Takes the items the clipped area holds out of a list, scanning from its end; each goes with
// its position at the moment it went.
template <typename T, typename Holds, typename Remove>
QList<RemovedItem<T>> takeFromEnd(const QList<T>& list, Holds holds, Remove remove)
{
    QList<RemovedItem<T>> taken;
    for (int i = int(list.size()) - 1; i >= 0; --i) {
        if (holds(list[i]))
            taken.append({i, remove(i)});
    }
    return taken;
}

void mirrorRaster(TBitmap32& layer, bool horizontal)
{
    layer.image() = layer.image().mirrored(horizontal, !horizontal);
}

// A quarter turn of a raster, clockwise or counter-clockwise.
void turnRaster(TBitmap32& layer, bool clockwise)
{
    const int w = layer.width(), h = layer.height();
    TBitmap32 turned(h, w);
    for (int y = 0; y < h; ++y) {
        const TColor32* line = layer.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            if (clockwise)
                turned.setPixel(h - 1 - y, x, line[x]);
            else
                turned.setPixel(y, w - 1 - x, line[x]);
        }
    }
    layer = std::move(turned);
}

// Moves every point of the buffer's lists.
template <typename Map>
void mapPoints(ClipboardBuffer& buffer, Map map)
{
    for (TBackStitch& s : buffer.BackStitches) {
        s.FromPoint = map(s.FromPoint);
        s.ToPoint = map(s.ToPoint);
    }
    for (const TRhodeRef& rhode : buffer.Rhodes) {
        for (TBackStitch& s : rhode->stitches) {
            s.FromPoint = map(s.FromPoint);
            s.ToPoint = map(s.ToPoint);
        }
    }
    for (TFrenchKnot& k : buffer.FrenchKnots)
        k.Center = map(k.Center);
}

void turn(ClipboardBuffer& buffer, TRect& r, bool clockwise)
{
    const int w = buffer.height(), h = buffer.width(); // after the turn
    turnRaster(buffer.bitmap, clockwise);
    turnRaster(buffer.qbitmap, clockwise);
    if (clockwise)
        mapPoints(buffer, [w](const QPoint& p) { return QPoint(2 * w - p.y(), p.x()); });
    else
        mapPoints(buffer, [h](const QPoint& p) { return QPoint(p.y(), 2 * h - p.x()); });
    r.Right = r.Left + w;
    r.Bottom = r.Top + h;
}
} // namespace

void SelectionOperations::Copy(const Design& design, ClipboardBuffer& buffer, const TRect& r, bool backStitchesVisible)
{
    const Clipped c(design, r);
    copyRasters(design, buffer, r, c);
    const QPoint corner(2 * r.Left, 2 * r.Top);
    for (TFrenchKnot knot : design.FrenchKnotList) {
        if (!c.holds(knot.Center))
            continue;
        knot.Center -= corner;
        buffer.FrenchKnots << knot;
    }
    if (!backStitchesVisible)
        return;
    for (TBackStitch stitch : design.BackStitchList) {
        if (!c.holds(stitch))
            continue;
        relativeTo(stitch, corner);
        buffer.BackStitches << stitch;
    }
    for (const TRhodeRef& rhode : design.RhodeList) {
        if (!c.holds(*rhode))
            continue;
        TRhodeRef copy = rhode->Clone();
        for (TBackStitch& stitch : copy->stitches)
            relativeTo(stitch, corner);
        buffer.Rhodes << copy;
    }
}

bool SelectionOperations::Cut(Design& design, ClipboardBuffer& buffer, const TRect& r, bool backStitchesVisible)
{
    ChangeBatch batch(design);
    const Clipped c(design, r);
    copyRasters(design, buffer, r, c);
    if (c.isEmpty())
        return false;
    StitchOperations ops(design);
    emptyArea(ops, c, 1);
    const auto knots = takeFromEnd<TFrenchKnot>(
        design.FrenchKnotList, [&](const TFrenchKnot& k) { return c.holds(k.Center); },
        [&](int i) { return ops.frenchKnotDelete(i, false); });
    QList<RemovedItem<TBackStitch>> stitches;
    QList<RemovedItem<TRhodeRef>> rhodes;
    if (backStitchesVisible) {
        stitches = takeFromEnd<TBackStitch>(
            design.BackStitchList, [&](const TBackStitch& s) { return c.holds(s); },
            [&](int i) { return ops.backStitchesDelete(i, false); });
        rhodes = takeFromEnd<TRhodeRef>(
            design.RhodeList, [&](const TRhodeRef& rh) { return c.holds(*rh); },
            [&](int i) { return ops.RhodeDelete(i, false); });
    }
    emptyArea(ops, c, 2);
    const bool recorded = HistoryFactories::actionCut(design, QPoint(r.Left, r.Top), design.stitch.BackGroundColor,
        knots, rhodes, stitches, buffer.qbitmap, buffer.bitmap);
    // The buffer keeps the design's drawing order, relative to its corner.
    const QPoint corner(2 * r.Left, 2 * r.Top);
    for (auto it = knots.crbegin(); it != knots.crend(); ++it) {
        TFrenchKnot knot = it->item;
        knot.Center -= corner;
        buffer.FrenchKnots << knot;
    }
    for (auto it = stitches.crbegin(); it != stitches.crend(); ++it) {
        TBackStitch stitch = it->item;
        relativeTo(stitch, corner);
        buffer.BackStitches << stitch;
    }
    for (auto it = rhodes.crbegin(); it != rhodes.crend(); ++it) {
        TRhodeRef copy = it->item->Clone();
        for (TBackStitch& stitch : copy->stitches)
            relativeTo(stitch, corner);
        buffer.Rhodes << copy;
    }
    return recorded;
}

bool SelectionOperations::Merge(Design& design, const ClipboardBuffer& buffer, const TRect& r)
{
    return HistoryFactories::actionFix(design, QPoint(r.Left, r.Top), buffer);
}

void SelectionOperations::MirrorHorizontal(ClipboardBuffer& buffer)
{
    const int w = buffer.width();
    mirrorRaster(buffer.bitmap, true);
    mirrorRaster(buffer.qbitmap, true);
    mapPoints(buffer, [w](const QPoint& p) { return QPoint(2 * w - p.x(), p.y()); });
}

void SelectionOperations::MirrorVertical(ClipboardBuffer& buffer)
{
    const int h = buffer.height();
    mirrorRaster(buffer.bitmap, false);
    mirrorRaster(buffer.qbitmap, false);
    mapPoints(buffer, [h](const QPoint& p) { return QPoint(p.x(), 2 * h - p.y()); });
}

void SelectionOperations::RotateRight(ClipboardBuffer& buffer, TRect& r)
{
    turn(buffer, r, true);
}

void SelectionOperations::RotateLeft(ClipboardBuffer& buffer, TRect& r)
{
    turn(buffer, r, false);
}
