#pragma once
#include "imaging/ColorValues.h"
#include <optional>

// Which lines the chart painter draws along the cell edges.
enum class ChartGrid {
    None,
    // One line of `thinLine` width on the left and top edge of every cell (the work view).
    CellLines,
    // Lines on every cell edge, `mediumLine` wide on every fifth and `thickLine` wide on every
    // tenth (counted from the design's first column and row), `thinLine` wide elsewhere.
    Ruled,
};

// What the chart painter shows. Widths are in device units of the target; the defaults are the
// work view's pixels.
struct ChartOptions
{
    ChartGrid grid = ChartGrid::CellLines;
    bool symbols = false;
    bool backStitches = true;
    // Every colour but this one in its highlight grey.
    std::optional<TColorRef> highlight;

    double thinLine = 1;
    double mediumLine = 2;
    double thickLine = 3;
    double backStitchWidth = 5;
    double rhodeWidth = 3;
    // The knot's ellipse keeps this far inside the square of its cell around the centre.
    double knotInset = 2;
    // The symbol's font is this much lower than the cell (or quarter) it sits in.
    int symbolInset = 2;
};
