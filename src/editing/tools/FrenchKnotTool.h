#pragma once
#include "editing/tools/Tool.h"

// The french-knot tool (modFrenchKnot), a one-click tool: a press on a half-cell grid point of
// the design appends a knot of the drawing colour there and records it. While the drawing
// colour is the background value (the eraser's colour) there is no thread to make a knot of,
// and the press does nothing.
class FrenchKnotTool : public Tool
{
protected:
    ToolFeedback onPress(ToolContext& context, const ToolPointer& pointer) override;
};
