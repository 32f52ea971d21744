#include "editing/TOutlineAction.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"
#include "model/DesignListener.h"

TOutlineAction::TOutlineAction(Design& design, QList<TBackStitch> arr, TColorRef newColor)
    : TUndoAction(design)
    , fArr(std::move(arr))
    , fNewColor(newColor)
{
}

void TOutlineAction::Execute()
{
    TUndoAction::Execute();
    m_order.executing();
    StitchOperations ops(fdesign);
    for (const TBackStitch& stitch : fArr)
        ops.backStitchesAdd(stitch, false);
    fdesign.listener().colorCountsChanged();
}

void TOutlineAction::Undo()
{
    TUndoAction::Undo();
    m_order.undoing();
    StitchOperations ops(fdesign);
    for (auto it = fArr.crbegin(); it != fArr.crend(); ++it)
        ops.backStitchesDelete(it->Index, false);
    fdesign.listener().colorCountsChanged();
}

long long TOutlineAction::heldBytes() const
{
    return fArr.capacity() * qsizetype(sizeof(TBackStitch));
}
