#include "editing/TDrawRhodeAction.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

TDrawRhodeAction::TDrawRhodeAction(Design& design, const TRhode& rhode)
    : TUndoAction(design)
    , fRhode(rhode.Clone())
{
}

void TDrawRhodeAction::Undo()
{
    TUndoAction::Undo();
    m_order.undoing();
    StitchOperations(fdesign).RhodeDelete(fRhode->index, true);
}

void TDrawRhodeAction::Execute()
{
    TUndoAction::Execute();
    m_order.executing();
    StitchOperations(fdesign).RhodeAdd(fRhode->Clone(), true);
}

long long TDrawRhodeAction::heldBytes() const
{
    return qsizetype(sizeof(TRhode)) + fRhode->stitches.capacity() * qsizetype(sizeof(TBackStitch));
}
