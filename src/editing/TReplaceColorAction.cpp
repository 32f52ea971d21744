#include "editing/TReplaceColorAction.h"
#include "editing/RecordRefresh.h"
#include "editing/StitchOperations.h"

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
    refreshAfterRecord(fdesign);
}

void TReplaceColorAction::Undo()
{
    TUndoAction::Undo();
    m_order.undoing();
    apply(fOldColor);
}

void TReplaceColorAction::Execute()
{
    TUndoAction::Execute();
    m_order.executing();
    apply(fNewColor);
}

long long TReplaceColorAction::heldBytes() const
{
    return fArr.capacity() * qsizetype(sizeof(QPoint)) + fArrBack.capacity() * qsizetype(sizeof(int));
}
