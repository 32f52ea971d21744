#include "editing/TFixAction.h"
#include "editing/ClipboardBuffer.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

namespace {
// The design's pixels under a layer-sized block at `at`, the background where it lies outside.
TBitmap32 pixelsUnder(const TBitmap32& layer, const QPoint& at, int width, int height, TColor32 background)
{
    TBitmap32 under(width, height, background);
    for (int y = 0; y < height; ++y) {
        const int ly = at.y() + y;
        if (ly < 0 || ly >= layer.height())
            continue;
        const TColor32* source = layer.constScanLine(ly);
        TColor32* target = under.scanLine(y);
        for (int x = std::max(0, -at.x()); x < width && at.x() + x < layer.width(); ++x)
            target[x] = source[at.x() + x];
    }
    return under;
}
} // namespace

TFixAction::TFixAction(Design& design, const QPoint& topLeft, const ClipboardBuffer& buffer)
    : TUndoAction(design)
    , fTopLeft(topLeft)
    , fNewBackGround(buffer.background)
    , fNewBitmap(buffer.bitmap)
    , fNewQBitmap(buffer.qbitmap)
{
    const TColor32 bg = design.stitch.BackGroundColor;
    fOldBitmap = pixelsUnder(design.CrossLayer, topLeft, buffer.width(), buffer.height(), bg);
    fOldQBitmap = pixelsUnder(design.QuarterLayer, 2 * topLeft, 2 * buffer.width(), 2 * buffer.height(), bg);
    const QPoint by = 2 * topLeft;
    for (TBackStitch stitch : buffer.BackStitches) {
        stitch.FromPoint = stitch.FromPoint + by;
        stitch.ToPoint = stitch.ToPoint + by;
        if (!design.containsPoint(stitch.FromPoint) || !design.containsPoint(stitch.ToPoint))
            continue;
        stitch.Index = int(design.BackStitchList.size() + fBackStitches.size());
        fBackStitches << stitch;
    }
    for (const TRhodeRef& source : buffer.Rhodes) {
        TRhodeRef rhode = source->Clone();
        bool inside = true;
        for (TBackStitch& stitch : rhode->stitches) {
            stitch.FromPoint = stitch.FromPoint + by;
            stitch.ToPoint = stitch.ToPoint + by;
            inside = inside && design.containsPoint(stitch.FromPoint) && design.containsPoint(stitch.ToPoint);
        }
        if (!inside)
            continue;
        rhode->index = int(design.RhodeList.size() + fRhodes.size());
        fRhodes << rhode;
    }
    for (TFrenchKnot knot : buffer.FrenchKnots) {
        knot.Center = knot.Center + by;
        if (!design.containsPoint(knot.Center))
            continue;
        knot.Index = int(design.FrenchKnotList.size() + fFrenchKnots.size());
        fFrenchKnots << knot;
    }
    onExecute();
}

void TFixAction::writeNewCells()
{
    StitchOperations ops(fdesign);
    const TColor32 bg = ops.background();
    for (int y = 0; y < fNewBitmap.height(); ++y) {
        const TColor32* line = fNewBitmap.constScanLine(y);
        for (int x = 0; x < fNewBitmap.width(); ++x) {
            const int cx = fTopLeft.x() + x, cy = fTopLeft.y() + y;
            if (line[x] == fNewBackGround || !ops.hasCell(cx, cy))
                continue;
            ops.updatePixel(cx, cy, false, colorRefFromColor32(line[x]));
            for (int q = 0; q < 4; ++q) {
                if (ops.quarterValue(2 * cx + q % 2, 2 * cy + q / 2) != bg)
                    ops.updateQPixel(2 * cx + q % 2, 2 * cy + q / 2, false, bg);
            }
        }
    }
    for (int y = 0; y < fNewQBitmap.height(); ++y) {
        const TColor32* line = fNewQBitmap.constScanLine(y);
        for (int x = 0; x < fNewQBitmap.width(); ++x) {
            const int qx = 2 * fTopLeft.x() + x, qy = 2 * fTopLeft.y() + y;
            if (line[x] == fNewBackGround || !ops.hasQuarter(qx, qy))
                continue;
            ops.updateQPixel(qx, qy, false, colorRefFromColor32(line[x]));
            if (ops.cellValue(qx / 2, qy / 2) != bg)
                ops.updatePixel(qx / 2, qy / 2, false, bg);
        }
    }
}

void TFixAction::addItems()
{
    StitchOperations ops(fdesign);
    for (const TBackStitch& stitch : fBackStitches)
        ops.backStitchesAdd(stitch, false);
    for (const TRhodeRef& rhode : fRhodes)
        ops.RhodeAdd(rhode->Clone(), false);
    for (const TFrenchKnot& knot : fFrenchKnots)
        ops.frenchKnotAdd(knot, false);
}

void TFixAction::onExecute()
{
    writeNewCells();
    addItems();
}

void TFixAction::onUndo()
{
    StitchOperations ops(fdesign);
    const auto restore = [&](const TBitmap32& old, const TBitmap32& layer, int offsetX, int offsetY, bool quarters) {
        const TColor32 bg = ops.background();
        for (int y = 0; y < old.height(); ++y) {
            const TColor32* line = old.constScanLine(y);
            for (int x = 0; x < old.width(); ++x) {
                const int lx = offsetX + x, ly = offsetY + y;
                if (!layer.contains(lx, ly) || layer.pixel(lx, ly) == line[x])
                    continue;
                const TColorRef value = line[x] == bg ? bg : colorRefFromColor32(line[x]);
                if (quarters)
                    ops.updateQPixel(lx, ly, false, value);
                else
                    ops.updatePixel(lx, ly, false, value);
            }
        }
    };
    restore(fOldBitmap, fdesign.CrossLayer, fTopLeft.x(), fTopLeft.y(), false);
    restore(fOldQBitmap, fdesign.QuarterLayer, 2 * fTopLeft.x(), 2 * fTopLeft.y(), true);
    for (auto it = fFrenchKnots.crbegin(); it != fFrenchKnots.crend(); ++it)
        ops.frenchKnotDelete(it->Index, false);
    for (auto it = fRhodes.crbegin(); it != fRhodes.crend(); ++it)
        ops.RhodeDelete((*it)->index, false);
    for (auto it = fBackStitches.crbegin(); it != fBackStitches.crend(); ++it)
        ops.backStitchesDelete(it->Index, false);
}

bool TFixAction::wouldChange(const Design& design, const QPoint& topLeft, const ClipboardBuffer& buffer)
{
    const TColor32 bg = design.stitch.BackGroundColor;
    const QPoint by = 2 * topLeft;
    for (const TBackStitch& s : buffer.BackStitches) {
        if (design.containsPoint(s.FromPoint + by) && design.containsPoint(s.ToPoint + by))
            return true;
    }
    for (const TFrenchKnot& k : buffer.FrenchKnots) {
        if (design.containsPoint(k.Center + by))
            return true;
    }
    for (const TRhodeRef& r : buffer.Rhodes) {
        if (std::all_of(r->stitches.cbegin(), r->stitches.cend(), [&](const TBackStitch& s) {
                return design.containsPoint(s.FromPoint + by) && design.containsPoint(s.ToPoint + by);
            }))
            return true;
    }
    // The cell and its quarters as the merge would leave them, against what they hold now.
    for (int y = 0; y < buffer.height(); ++y) {
        for (int x = 0; x < buffer.width(); ++x) {
            const int cx = topLeft.x() + x, cy = topLeft.y() + y;
            if (!design.CrossLayer.contains(cx, cy))
                continue;
            const bool full = !buffer.isEmptyCell(x, y);
            bool anyQuarter = false;
            for (int q = 0; q < 4; ++q) {
                const int bx = 2 * x + q % 2, bqy = 2 * y + q / 2;
                const TColor32 now = design.QuarterLayer.pixel(2 * cx + q % 2, 2 * cy + q / 2);
                TColor32 after = full ? bg : now;
                if (!buffer.isEmptyQuarter(bx, bqy)) {
                    anyQuarter = true;
                    after = buffer.qbitmap.pixel(bx, bqy);
                }
                if (after != now)
                    return true;
            }
            const TColor32 now = design.CrossLayer.pixel(cx, cy);
            const TColor32 after = anyQuarter ? bg : (full ? buffer.bitmap.pixel(x, y) : now);
            if (after != now)
                return true;
        }
    }
    return false;
}

long long TFixAction::heldBytes() const
{
    // The new rasters share the buffer's pixels until the buffer changes.
    long long bytes = fOldBitmap.image().sizeInBytes() + fOldQBitmap.image().sizeInBytes();
    bytes += fBackStitches.capacity() * qsizetype(sizeof(TBackStitch));
    bytes += fFrenchKnots.capacity() * qsizetype(sizeof(TFrenchKnot));
    for (const TRhodeRef& rhode : fRhodes)
        bytes += qsizetype(sizeof(TRhode)) + rhode->stitches.capacity() * qsizetype(sizeof(TBackStitch));
    return bytes;
}
