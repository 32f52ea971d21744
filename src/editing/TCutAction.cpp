#include "editing/TCutAction.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

TCutAction::TCutAction(Design& design, const QPoint& topLeft, TColor32 backGroundColor, TBitmap32 bitmap,
    TBitmap32 qBitmap, QList<RemovedItem<TBackStitch>> backStitches, QList<RemovedItem<TRhodeRef>> rhodes,
    QList<RemovedItem<TFrenchKnot>> frenchKnots)
    : TUndoAction(design)
    , fTopLeft(topLeft)
    , fBackGroundColor(backGroundColor)
    , fBitmap(std::move(bitmap))
    , fQBitmap(std::move(qBitmap))
    , fBackStitches(std::move(backStitches))
    , fRhodes(std::move(rhodes))
    , fFrenchKnots(std::move(frenchKnots))
{
}

void TCutAction::writeCells(const TColor32* value)
{
    StitchOperations ops(fdesign);
    const auto write = [&](const TBitmap32& layer, int offsetX, int offsetY, bool quarters) {
        for (int y = 0; y < layer.height(); ++y) {
            const TColor32* line = layer.constScanLine(y);
            for (int x = 0; x < layer.width(); ++x) {
                if (line[x] == fBackGroundColor)
                    continue;
                const TColorRef color = value ? *value : colorRefFromColor32(line[x]);
                if (quarters)
                    ops.updateQPixel(offsetX + x, offsetY + y, false, color);
                else
                    ops.updatePixel(offsetX + x, offsetY + y, false, color);
            }
        }
    };
    write(fBitmap, fTopLeft.x(), fTopLeft.y(), false);
    write(fQBitmap, 2 * fTopLeft.x(), 2 * fTopLeft.y(), true);
}

void TCutAction::onExecute()
{
    writeCells(&fBackGroundColor);
    StitchOperations ops(fdesign);
    for (const auto& removed : fFrenchKnots)
        ops.frenchKnotDelete(removed.position, false);
    for (const auto& removed : fBackStitches)
        ops.backStitchesDelete(removed.position, false);
    for (const auto& removed : fRhodes)
        ops.RhodeDelete(removed.position, false);
}

void TCutAction::onUndo()
{
    writeCells(nullptr);
    StitchOperations ops(fdesign);
    for (auto it = fRhodes.crbegin(); it != fRhodes.crend(); ++it)
        ops.RhodeInsert(it->position, it->item, false);
    for (auto it = fBackStitches.crbegin(); it != fBackStitches.crend(); ++it)
        ops.backStitchesInsert(it->position, it->item, false);
    for (auto it = fFrenchKnots.crbegin(); it != fFrenchKnots.crend(); ++it)
        ops.frenchKnotInsert(it->position, it->item, false);
}

long long TCutAction::heldBytes() const
{
    long long bytes = fBitmap.image().sizeInBytes() + fQBitmap.image().sizeInBytes();
    bytes += fBackStitches.capacity() * qsizetype(sizeof(RemovedItem<TBackStitch>));
    bytes += fFrenchKnots.capacity() * qsizetype(sizeof(RemovedItem<TFrenchKnot>));
    bytes += fRhodes.capacity() * qsizetype(sizeof(RemovedItem<TRhodeRef>));
    for (const auto& removed : fRhodes)
        bytes += qsizetype(sizeof(TRhode)) + removed.item->stitches.capacity() * qsizetype(sizeof(TBackStitch));
    return bytes;
}
