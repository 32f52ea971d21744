#pragma once
#include "editing/tools/PreviewSlot.h"
#include "editing/tools/Tool.h"
#include "model/TRhode.h"

// The rhodes tool (modRhode), a one-click tool: a press on a half-cell grid point places a copy
// of the library's current shape with its box centred on the point, in the drawing colour, and
// records it. A shape that would put a stitch point off the design's half-cell grid is not
// placed, and neither is anything while the library is empty or the drawing colour is the
// background value. Moves show the outline of what a press would place there.
class RhodeTool : public Tool
{
public:
    void reset() override;
    ToolPreview preview() const override { return m_preview.current(); }

    // The rhode a press at `pointer` would place, or null.
    static TRhodeRef placement(const ToolContext& context, const ToolPointer& pointer);

protected:
    ToolFeedback onPress(ToolContext& context, const ToolPointer& pointer) override;
    ToolFeedback onMove(ToolContext& context, const ToolPointer& pointer) override;
    void onCancel(ToolContext& context) override;

private:
    PreviewSlot m_preview;
};
