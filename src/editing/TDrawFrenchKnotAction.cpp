#include "editing/TDrawFrenchKnotAction.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

TDrawFrenchKnotAction::TDrawFrenchKnotAction(Design& design, const TFrenchKnot& frenchKnot)
    : TUndoAction(design)
    , fFrenchKnot(frenchKnot)
{
}

void TDrawFrenchKnotAction::Undo()
{
    TUndoAction::Undo();
    m_order.undoing();
    StitchOperations(fdesign).frenchKnotDelete(fFrenchKnot.Index, true);
}

void TDrawFrenchKnotAction::Execute()
{
    TUndoAction::Execute();
    m_order.executing();
    StitchOperations(fdesign).frenchKnotAdd(fFrenchKnot, true);
}
