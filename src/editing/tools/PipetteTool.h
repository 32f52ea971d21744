#pragma once
#include "editing/tools/Tool.h"

// The pipette (modPipette): the press, every move with the button held and the release take the
// colour of the full stitch under the pointer as the drawing colour. Empty cells, cells off the
// design, quarters and back stitches give nothing, so a drag that ends outside keeps the colour
// picked last on the design.
class PipetteTool : public Tool
{
protected:
    ToolFeedback onPress(ToolContext& context, const ToolPointer& pointer) override;
    ToolFeedback onMove(ToolContext& context, const ToolPointer& pointer) override;
    ToolFeedback onRelease(ToolContext& context, const ToolPointer& pointer) override;

private:
    static void pick(ToolContext& context, const ToolPointer& pointer);
};
