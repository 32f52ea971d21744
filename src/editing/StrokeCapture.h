#pragma once
#include "editing/CellCapture.h"

// What one stroke of the pen or quarter pen collects for its draw record, each map holding the
// value from before the stroke first touched the position.
struct StrokeCapture
{
    CellCapture cross;            // full stitches written or emptied (cell grid)
    CellCapture quarter;          // quarters written or emptied (quarter grid)
    CellCapture crossFromQuarter; // cells that four quarters of the drawing colour merged into

    bool isEmpty() const { return cross.isEmpty() && quarter.isEmpty() && crossFromQuarter.isEmpty(); }
    void clear()
    {
        cross.clear();
        quarter.clear();
        crossFromQuarter.clear();
    }
};
