#include "editing/TDrawFrenchKnotAction.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

TDrawFrenchKnotAction::TDrawFrenchKnotAction(Design& design, const TFrenchKnot& frenchKnot)
    : TUndoAction(design)
    , fFrenchKnot(frenchKnot)
{
}

void TDrawFrenchKnotAction::onUndo()
{
    StitchOperations(fdesign).frenchKnotDelete(fFrenchKnot.Index, true);
}

void TDrawFrenchKnotAction::onExecute()
{
    StitchOperations(fdesign).frenchKnotAdd(fFrenchKnot, true);
}
