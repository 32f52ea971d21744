#pragma once
#include "editing/RecordOrder.h"
#include "model/TUndoAction.h"
#include "model/UTypes.h"

// One back stitch the back-stitch tool appended; its Index is its position in the list.
class TDrawBackStitchAction : public TUndoAction
{
public:
    TDrawBackStitchAction(Design& design, const TBackStitch& backStitch);

    void Undo() override;
    void Execute() override;

private:
    TBackStitch fBackStitch;
    RecordOrder m_order;
};
