#pragma once
#include "editing/tools/Tool.h"

// The flood fill (modFill), a one-click tool: from the clicked cell, every 4-connected cell of
// its stored value (empty cells too) gets the drawing colour; a diagonal gap does not let the
// fill through. Unless full and quarter stitches may share a cell, the quarters of the filled
// cells are emptied. The pen size plays no part. One click is one fill record; a click on a cell
// of the drawing colour, or outside the design, does nothing.
class FillTool : public Tool
{
protected:
    ToolFeedback onPress(ToolContext& context, const ToolPointer& pointer) override;
};
