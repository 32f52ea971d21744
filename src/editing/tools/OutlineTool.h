#pragma once
#include "editing/tools/Tool.h"

// The outline tool (modOutline), a one-click tool: back stitches in the drawing colour around
// the region of the clicked cell (RegionOutline), appended to the design's back stitches and
// recorded as one outline record. A click outside the design, or with the background value as
// the drawing colour (no thread has it), does nothing.
class OutlineTool : public Tool
{
protected:
    ToolFeedback onPress(ToolContext& context, const ToolPointer& pointer) override;
};
