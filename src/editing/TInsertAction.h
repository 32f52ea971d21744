#pragma once
#include "editing/TInsertType.h"
#include "model/TUndoAction.h"

// `fCount` empty columns (itColumn) or rows (itRow) inserted before column or row `fPosition`;
// the change is made when the record is built. Both layers move as they are; back-stitch end
// points beyond the insertion line (half-cell x, or y, > 2 * fPosition) move by 2 * fCount, and
// so do french knots whose centre lies beyond it; a rhode moves whole when the centre of its
// points' box does, so it keeps its shape and length. Everything on the line stays. A position
// beyond the design appends at its edge. A back stitch that straddles the line changes its
// length, so it is moved through the primitives and its colour's counters follow; knots and
// rhodes keep their lengths and the layers their counts.
class TInsertAction : public TUndoAction
{
public:
    TInsertAction(Design& design, int position, TInsertType insertType, int count);

    // Whether the grown design stays within the size limits (count at least 1).
    static bool canInsert(const Design& design, TInsertType insertType, int count);


private:
    void onExecute() override;
    void onUndo() override;
    void insert();
    void remove();
    void moveBackStitches(int shift);
    void moveKnotsAndRhodes(int shift);
    int& along(QPoint& p) const { return fInsertType == itColumn ? p.rx() : p.ry(); }

    int fPosition;
    TInsertType fInsertType;
    int fCount;
};
