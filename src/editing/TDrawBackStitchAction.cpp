#include "editing/TDrawBackStitchAction.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

TDrawBackStitchAction::TDrawBackStitchAction(Design& design, const TBackStitch& backStitch)
    : TUndoAction(design)
    , fBackStitch(backStitch)
{
}

void TDrawBackStitchAction::Undo()
{
    TUndoAction::Undo();
    m_order.undoing();
    StitchOperations(fdesign).backStitchesDelete(fBackStitch.Index, true);
}

void TDrawBackStitchAction::Execute()
{
    TUndoAction::Execute();
    m_order.executing();
    StitchOperations(fdesign).backStitchesAdd(fBackStitch, true);
}
