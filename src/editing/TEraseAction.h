#pragma once
#include "editing/CellValues.h"
#include "editing/RemovedItem.h"
#include "model/TRhode.h"
#include "model/TUndoAction.h"
#include "model/UTypes.h"
#include <QList>

// One gesture of the eraser, recorded at release. The maps hold the full stitches and quarters
// with their values before the gesture; the lists hold the back stitches, rhodes and knots the
// gesture took out, each with its position at the moment it was taken out, in the order they
// went. The rhodes are the very objects taken out of the design, shared with it while they are
// back in it.
//
// Execute empties the cells and quarters (fColor is the background value) and takes the items
// out again, each list in recorded order; Undo writes the values back and puts the items back,
// each list from its last item to its first.
class TEraseAction : public TUndoAction
{
public:
    TEraseAction(Design& design, CellValues crossArray, CellValues quarterArray, TColor32 color,
        QList<RemovedItem<TFrenchKnot>> frenchKnotArray, QList<RemovedItem<TRhodeRef>> rhodeArray,
        QList<RemovedItem<TBackStitch>> backArray);

    long long heldBytes() const override;

private:
    void onExecute() override;
    void onUndo() override;
    CellValues fCrossArray;
    CellValues fQuarterArray;
    QList<RemovedItem<TBackStitch>> fBackArray;
    QList<RemovedItem<TRhodeRef>> fRhodeArray;
    QList<RemovedItem<TFrenchKnot>> fFrenchKnotArray;
    TColor32 fColor;
};
