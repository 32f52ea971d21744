#include "editing/TEraseAction.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

TEraseAction::TEraseAction(Design& design, CellValues crossArray, CellValues quarterArray, TColor32 color,
    QList<RemovedItem<TFrenchKnot>> frenchKnotArray, QList<RemovedItem<TRhodeRef>> rhodeArray,
    QList<RemovedItem<TBackStitch>> backArray)
    : TUndoAction(design)
    , fCrossArray(std::move(crossArray))
    , fQuarterArray(std::move(quarterArray))
    , fBackArray(std::move(backArray))
    , fRhodeArray(std::move(rhodeArray))
    , fFrenchKnotArray(std::move(frenchKnotArray))
    , fColor(color)
{
}

void TEraseAction::onExecute()
{
    StitchOperations ops(fdesign);
    for (const CellValues::Entry& e : fCrossArray)
        ops.updatePixel(e.x, e.y, false, fColor);
    for (const CellValues::Entry& e : fQuarterArray)
        ops.updateQPixel(e.x, e.y, false, fColor);
    for (const auto& removed : fBackArray)
        ops.backStitchesDelete(removed.position, false);
    for (const auto& removed : fRhodeArray)
        ops.RhodeDelete(removed.position, false);
    for (const auto& removed : fFrenchKnotArray)
        ops.frenchKnotDelete(removed.position, false);
}

void TEraseAction::onUndo()
{
    StitchOperations ops(fdesign);
    for (const CellValues::Entry& e : fCrossArray)
        ops.updatePixel(e.x, e.y, false, e.value);
    for (const CellValues::Entry& e : fQuarterArray)
        ops.updateQPixel(e.x, e.y, false, e.value);
    for (auto it = fBackArray.crbegin(); it != fBackArray.crend(); ++it)
        ops.backStitchesInsert(it->position, it->item, false);
    for (auto it = fRhodeArray.crbegin(); it != fRhodeArray.crend(); ++it)
        ops.RhodeInsert(it->position, it->item, false);
    for (auto it = fFrenchKnotArray.crbegin(); it != fFrenchKnotArray.crend(); ++it)
        ops.frenchKnotInsert(it->position, it->item, false);
}

long long TEraseAction::heldBytes() const
{
    long long bytes = fCrossArray.heldBytes() + fQuarterArray.heldBytes();
    bytes += fBackArray.capacity() * qsizetype(sizeof(RemovedItem<TBackStitch>));
    bytes += fFrenchKnotArray.capacity() * qsizetype(sizeof(RemovedItem<TFrenchKnot>));
    bytes += fRhodeArray.capacity() * qsizetype(sizeof(RemovedItem<TRhodeRef>));
    for (const auto& removed : fRhodeArray)
        bytes += qsizetype(sizeof(TRhode)) + removed.item->stitches.capacity() * qsizetype(sizeof(TBackStitch));
    return bytes;
}
