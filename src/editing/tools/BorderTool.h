#pragma once
#include "editing/tools/Tool.h"

// The border tools, one-click tools on cells with 0 <= x <= W and 0 <= y <= H:
// - inline border (modInlineBorder): the border cells of the clicked region (8-connected),
//   with round corners only those touching another value or the edge through a side;
// - outline border (modOutlineBorder): the cells around the clicked region, through the sides
//   and, with sharp corners, the corners too.
// The cells get the drawing colour as one line record; a click that changes nothing (a click
// at x = W or y = H, where there is no region) records nothing.
class BorderTool : public Tool
{
public:
    enum class Side { inside, outside };

    explicit BorderTool(Side side) : m_side(side) {}

protected:
    ToolFeedback onPress(ToolContext& context, const ToolPointer& pointer) override;

private:
    Side m_side;
};
