#include "editing/TReplaceColorAction.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

TReplaceColorAction::TReplaceColorAction(
    Design& design, QList<QPoint> arr, QList<int> arrBack, TColorRef newColor, TColorRef oldColor)
    : TUndoAction(design)
    , fArr(std::move(arr))
    , fArrBack(std::move(arrBack))
    , fNewColor(newColor)
    , fOldColor(oldColor)
{
}

void TReplaceColorAction::apply(TColorRef color)
{
    StitchOperations ops(fdesign);
    for (const QPoint& p : fArr)
        ops.updatePixel(p.x(), p.y(), false, color);
    for (int position : fArrBack)
        ops.backStitchesSetColor(position, color, false);
}

void TReplaceColorAction::onUndo()
{
    apply(fOldColor);
}

void TReplaceColorAction::onExecute()
{
    apply(fNewColor);
}

long long TReplaceColorAction::heldBytes() const
{
    return fArr.capacity() * qsizetype(sizeof(QPoint)) + fArrBack.capacity() * qsizetype(sizeof(int));
}
