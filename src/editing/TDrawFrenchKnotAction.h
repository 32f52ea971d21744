#pragma once
#include "editing/RecordOrder.h"
#include "model/TUndoAction.h"
#include "model/UTypes.h"

// One french knot the knot tool appended; its Index is its position in the list.
class TDrawFrenchKnotAction : public TUndoAction
{
public:
    TDrawFrenchKnotAction(Design& design, const TFrenchKnot& frenchKnot);

    void Undo() override;
    void Execute() override;

private:
    TFrenchKnot fFrenchKnot;
    RecordOrder m_order;
};
