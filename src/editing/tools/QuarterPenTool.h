#pragma once
#include "editing/tools/PenStrokeTool.h"

// The quarter pen (modQDraw): quarter stitches in the drawing colour under the pen footprint,
// taken in the quarter grid. Unless full and quarter stitches may share a cell, each quarter it
// writes empties the full stitch of its cell; when the four quarters of a cell all hold the
// drawing colour they become one full stitch, and the stroke leaves that cell alone afterwards.
class QuarterPenTool : public PenStrokeTool
{
public:
    QuarterPenTool() : PenStrokeTool(modQDraw, ToolGrid::quarters) {}
};
