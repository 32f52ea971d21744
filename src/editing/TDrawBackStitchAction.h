#pragma once
#include "model/TUndoAction.h"
#include "model/UTypes.h"

// One back stitch the back-stitch tool appended; its Index is its position in the list.
class TDrawBackStitchAction : public TUndoAction
{
public:
    TDrawBackStitchAction(Design& design, const TBackStitch& backStitch);


private:
    void onExecute() override;
    void onUndo() override;
    TBackStitch fBackStitch;
};
