#pragma once
#include "editing/tools/Tool.h"

// The cursor tool (modCursor): the press keeps the cell under the pointer as the anchor, and
// every move with the button held asks the view to scroll by the anchor minus the cell now
// under the pointer, which brings the anchor cell back under it: the design follows the
// pointer. It never writes the design.
class PanTool : public Tool
{
protected:
    ToolFeedback onPress(ToolContext& context, const ToolPointer& pointer) override;
    ToolFeedback onMove(ToolContext& context, const ToolPointer& pointer) override;

private:
    QPoint m_anchor;
};
