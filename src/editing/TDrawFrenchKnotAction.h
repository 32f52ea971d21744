#pragma once
#include "model/TUndoAction.h"
#include "model/UTypes.h"

// One french knot the knot tool appended; its Index is its position in the list.
class TDrawFrenchKnotAction : public TUndoAction
{
public:
    TDrawFrenchKnotAction(Design& design, const TFrenchKnot& frenchKnot);


private:
    void onExecute() override;
    void onUndo() override;
    TFrenchKnot fFrenchKnot;
};
