#pragma once
#include "editing/tools/Tool.h"
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
class BackStitchTool : public Tool
{
public:
    ToolFeedback press(ToolContext& context, const ToolPointer& pointer) override;
    ToolFeedback move(ToolContext& context, const ToolPointer& pointer) override;
    void cancel(ToolContext& context) override;
    void reset() override;
    ToolPreview preview() const override { return m_preview; }

    bool waitingForStart() const { return m_waitingForStart; }
    // The stitch under construction: its start while waiting for the end.
    const TBackStitch& current() const { return m_stitch; }

private:
    ToolFeedback endChain();

    bool m_waitingForStart = true;
    TBackStitch m_stitch;
    ToolPreview m_preview;
};
