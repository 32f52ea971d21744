#pragma once
#include "editing/StrokeCapture.h"
#include "imaging/ColorValues.h"

class StitchOperations;

// The rule by which the drawing tools let full and quarter stitches share a cell. With
// `allowQuarterOverCross` false, a full stitch written by a tool empties the quarters of its cell
// and a quarter empties the full stitch of its cell; with it true both layers are written
// independently. Independently of the setting, four quarters of the drawing colour in one cell
// merge into a full stitch. Placing pasted content uses the exclusive rule whatever the setting:
// build this helper with false for it.
//
// Every value the rule empties or overwrites is recorded, first touch wins, in the capture the
// caller passes, so the gesture's record can restore the state from before the gesture.
// drawCross and drawQuarter ignore positions outside the design; the other operations expect
// positions inside it.
class CellCoexistence
{
public:
    CellCoexistence(StitchOperations& ops, bool allowQuarterOverCross);

    // Before or after a full stitch goes into cell (x, y): empties its non-empty quarters.
    void clearQuartersOfCell(int x, int y, bool refresh, CellCapture& quarters) const;
    // Before a quarter goes into quarter cell (qx, qy): empties the full stitch of its cell.
    void clearCrossOfQuarter(int qx, int qy, bool refresh, CellCapture& cross) const;

    // After a quarter of `color` went into (qx, qy): when all four quarters of its cell hold
    // `color`, they are emptied and the cell gets a full stitch of `color`. The quarters'
    // values and the cell's value are recorded (first touch wins), so undo restores the
    // quarters and the full stitch from before the stroke and redo finds the merged state.
    // True when the cell merged; the background value never merges.
    bool mergeQuarters(int qx, int qy, TColorRef color, bool refresh, StrokeCapture& stroke) const;

    // One footprint cell of the pen: records the cell, writes `color` and applies the rule.
    void drawCross(int x, int y, TColorRef color, bool refresh, StrokeCapture& stroke) const;
    // One footprint quarter of the quarter pen: records the quarter, applies the rule, writes
    // `color` and runs the merge test. True when the quarter's cell merged. A quarter of a cell
    // that already merged in this stroke is left alone: its full stitch's value from before the
    // stroke is in crossFromQuarter, and touching it again would record the merged value.
    bool drawQuarter(int qx, int qy, TColorRef color, bool refresh, StrokeCapture& stroke) const;

private:
    StitchOperations& m_ops;
    bool m_allowQuarterOverCross;
};
