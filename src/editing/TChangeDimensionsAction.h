#pragma once
#include "editing/CellValues.h"
#include "editing/RemovedItem.h"
#include "model/TUndoAction.h"
#include "model/TRhode.h"
#include "model/UTypes.h"
#include <QList>

// A new width and height; the change is made when the record is built. The top-left part of the
// design stays; cells and quarters beyond the new size are cut off (fArr, fArrQuarter keep the
// stitched ones with their values) and back stitches with an end point beyond the new half-cell
// grid are taken out, from the last to the first (fArrBack), and so are french knots whose
// centre and rhodes with any stitch point lie beyond it (fArrKnots, fArrRhodes): nothing is
// left outside the design, invisible but still counted. New columns and rows are empty.
//
// The cut-off stitches leave the counts through the primitives' bulk forms before the layers
// shrink, and are written back through them after the layers grow again on undo, so the counts
// follow exactly without a recount (which would also reweigh french knots), and k items leave or
// rejoin a list of n in one pass of n.
class TChangeDimensionsAction : public TUndoAction
{
public:
    TChangeDimensionsAction(Design& design, int newWidth, int newHeight);

    // Whether the size is allowed and differs from the design's.
    static bool canChange(const Design& design, int newWidth, int newHeight);

    long long heldBytes() const override;

private:
    void onExecute() override;
    void onUndo() override;
    void record();
    void shrinkAndGrow(int width, int height);
    void cut();

    CellValues fArr;
    CellValues fArrQuarter;
    QList<RemovedItem<TBackStitch>> fArrBack;
    QList<RemovedItem<TFrenchKnot>> fArrKnots;
    QList<RemovedItem<TRhodeRef>> fArrRhodes;
    TColor32 fBackGroundColor;
    int fNewWidth;
    int fNewHeight;
    int fOldWidth;
    int fOldHeight;
};
