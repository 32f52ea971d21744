#pragma once
#include "editing/tools/Tool.h"

// The replace-colour tool (modReplaceColor), a one-click tool. The old colour is the colour of
// the first back stitch in the list that passes through or touches the clicked cell (while back
// stitches are shown), otherwise the clicked cell's value, which is the background value for an
// empty cell. When it differs from the drawing colour, every cell of the old colour, scanned row
// by row, gets the drawing colour (so picking an empty cell fills every empty cell) and every
// back stitch of the old colour is recoloured; quarters, knots and rhodes keep their colours.
// The drawing colour may be the background value (the eraser's colour): cells of the old colour
// are then emptied, and back stitches, which cannot be empty, keep their colour. One click is
// one replace-colour record; a click that changed nothing records nothing.
class ReplaceColorTool : public Tool
{
public:
    // The colour the click at `cell` replaces.
    static TColorRef oldColor(const Design& design, const QPoint& cell, bool backStitchesVisible);

protected:
    ToolFeedback onPress(ToolContext& context, const ToolPointer& pointer) override;
};
