#pragma once
#include "editing/CellValues.h"
#include "editing/TMode.h"
#include "model/TUndoAction.h"
#include "imaging/ColorValues.h"

// A stroke of the pen (modDraw) or the quarter pen (modQDraw), recorded at release after the
// stroke changed the design. Each map holds the value a position had before the stroke first
// touched it: fArrCross the full stitches written (pen) or emptied (quarter pen), fArrQuarter
// the quarters emptied (pen) or written (quarter pen), fArrCrossFromQuarter the cells that four
// quarters merged into.
//
// Redo rebuilds the state at release: the pen writes fNewColor into its cells and empties its
// quarters; the quarter pen empties its full stitches, writes fNewColor into its quarters except
// those of merged cells (the merge emptied them) and then gives the merged cells their full
// stitch. Undo writes the recorded values back in the reverse order.
class TDrawAction : public TUndoAction
{
public:
    TDrawAction(Design& design, TMode mode, CellValues arrCross, CellValues arrCrossFromQuarter,
        TColor32 backColor, CellValues arrQuarter, TColorRef newColor);

    long long heldBytes() const override;

private:
    void onExecute() override;
    void onUndo() override;
    CellValues fArrCross;
    CellValues fArrQuarter;
    CellValues fArrCrossFromQuarter;
    TColorRef fNewColor;
    TColor32 fBackColor;
    TMode fMode;
};
