#pragma once
#include "editing/tools/PenStrokeTool.h"

// The pen (modDraw): full stitches in the drawing colour under the pen footprint. Unless full
// and quarter stitches may share a cell, each cell it writes loses its quarters.
class PenTool : public PenStrokeTool
{
public:
    PenTool() : PenStrokeTool(modDraw, ToolGrid::cells) {}
};
