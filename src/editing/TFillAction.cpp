#include "editing/TFillAction.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

TFillAction::TFillAction(Design& design, QList<QPoint> arr, TColorRef oldColor, TColor32 backColor,
    CellValues quarterArray, TColorRef newColor)
    : TUndoAction(design)
    , fArr(std::move(arr))
    , fNewColor(newColor)
    , fOldColor(oldColor)
    , fBackColor(backColor)
    , fQuarterArray(std::move(quarterArray))
{
}

void TFillAction::onExecute()
{
    StitchOperations ops(fdesign);
    for (const QPoint& p : fArr)
        ops.updatePixel(p.x(), p.y(), false, fNewColor);
    for (const CellValues::Entry& e : fQuarterArray)
        ops.updateQPixel(e.x, e.y, false, fBackColor);
}

void TFillAction::onUndo()
{
    StitchOperations ops(fdesign);
    for (const QPoint& p : fArr)
        ops.updatePixel(p.x(), p.y(), false, fOldColor);
    for (const CellValues::Entry& e : fQuarterArray)
        ops.updateQPixel(e.x, e.y, false, e.value);
}

long long TFillAction::heldBytes() const
{
    return fArr.capacity() * qsizetype(sizeof(QPoint)) + fQuarterArray.heldBytes();
}
