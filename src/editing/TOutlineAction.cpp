#include "editing/TOutlineAction.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

TOutlineAction::TOutlineAction(Design& design, QList<TBackStitch> arr, TColorRef newColor)
    : TUndoAction(design)
    , fArr(std::move(arr))
    , fNewColor(newColor)
{
}

void TOutlineAction::onExecute()
{
    StitchOperations ops(fdesign);
    for (const TBackStitch& stitch : fArr)
        ops.backStitchesAdd(stitch, false);
}

void TOutlineAction::onUndo()
{
    StitchOperations ops(fdesign);
    for (auto it = fArr.crbegin(); it != fArr.crend(); ++it)
        ops.backStitchesDelete(it->Index, false);
}

long long TOutlineAction::heldBytes() const
{
    return fArr.capacity() * qsizetype(sizeof(TBackStitch));
}
