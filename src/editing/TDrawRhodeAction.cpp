#include "editing/TDrawRhodeAction.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

TDrawRhodeAction::TDrawRhodeAction(Design& design, const TRhode& rhode)
    : TUndoAction(design)
    , fRhode(rhode.Clone())
{
}

void TDrawRhodeAction::onUndo()
{
    StitchOperations(fdesign).RhodeDelete(fRhode->index, true);
}

void TDrawRhodeAction::onExecute()
{
    StitchOperations(fdesign).RhodeAdd(fRhode->Clone(), true);
}

long long TDrawRhodeAction::heldBytes() const
{
    return qsizetype(sizeof(TRhode)) + fRhode->stitches.capacity() * qsizetype(sizeof(TBackStitch));
}
