#pragma once
#include "model/TUndoAction.h"
#include "model/UTypes.h"
#include <QList>

// The back stitches the outline tool appended, each with Index = its position in the list.
// Execute appends them again in order; Undo takes them out from the last to the first.
class TOutlineAction : public TUndoAction
{
public:
    TOutlineAction(Design& design, QList<TBackStitch> arr, TColorRef newColor);

    long long heldBytes() const override;

private:
    void onExecute() override;
    void onUndo() override;
    QList<TBackStitch> fArr;
    TColorRef fNewColor;
};
