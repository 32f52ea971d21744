#pragma once
#include "editing/tools/TwoPointTool.h"
#include "model/UTypes.h"

// The back-stitch tool (modBackStitch): chains of back stitches between half-cell grid points,
// one click per point.
//
//   waiting for a start --press at p--> waiting for the end, start p
//   waiting for the end --press at the start--> waiting for a start (the chain ends)
//   waiting for the end --press at another p--> the stitch is added and recorded; the next one
//       starts at p while stitches continue, else the tool waits for a start
//   waiting for the end --cancel (Escape)--> waiting for a start
//
// Presses off the design's grid are ignored, and so are ends while the drawing colour is the
// background value (the eraser's colour), which no thread has. While it waits for the end the
// preview is the rubber line from the start to the point under the pointer, 5 pixels wide.
class BackStitchTool : public TwoPointTool
{
public:
    BackStitchTool() : TwoPointTool(ToolGrid::points) {}
    bool cancelsOnEscape() const override { return true; }

protected:
    Next commit(ToolContext& context, const QPoint& first, const QPoint& second, const ToolPointer& pointer) override;
    ToolPreview previewOf(const ToolContext& context, const QPoint& first, const ToolPointer& pointer) const override;
};
