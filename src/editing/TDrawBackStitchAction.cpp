#include "editing/TDrawBackStitchAction.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

TDrawBackStitchAction::TDrawBackStitchAction(Design& design, const TBackStitch& backStitch)
    : TUndoAction(design)
    , fBackStitch(backStitch)
{
}

void TDrawBackStitchAction::onUndo()
{
    StitchOperations(fdesign).backStitchesDelete(fBackStitch.Index, true);
}

void TDrawBackStitchAction::onExecute()
{
    StitchOperations(fdesign).backStitchesAdd(fBackStitch, true);
}
