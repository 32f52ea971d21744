#pragma once
#include "editing/tools/Tool.h"

// The pipette (modPipette): the press, every move with the button held and the release take the
// colour of the full stitch under the pointer as the drawing colour. Empty cells, cells off the
// design, quarters and back stitches give nothing, so a drag that ends outside keeps the colour
// picked last on the design.
class PipetteTool : public Tool
{
public:
    ToolFeedback press(ToolContext& context, const ToolPointer& pointer) override;
    ToolFeedback move(ToolContext& context, const ToolPointer& pointer) override;
    ToolFeedback release(ToolContext& context, const ToolPointer& pointer) override;

private:
    static void pick(ToolContext& context, const ToolPointer& pointer);
};
