#pragma once
#include "editing/tools/ToolContext.h"
#include "editing/tools/ToolFeedback.h"
#include "editing/tools/ToolPointer.h"
#include "editing/tools/ToolPreview.h"

// One tool of the work view. The window maps every pointer event to grid positions and hands
// it to the tool of the current mode:
//
//   press -> move* -> release       one gesture; moves also arrive with no button held
//   cancel                          the gesture ends without a pointer event (Escape, leaving
//                                   the mode, undo while the button is held)
//   reset                           the design the tool worked on was replaced
//
// Press, move, release and cancel each run inside one change batch, so whatever one pointer
// event writes reaches the design's listener as one repaint and one count change; the tool's
// own part is onPress, onMove, onRelease and onCancel.
//
// A tool writes the design only through the stitch primitives, which tell the design's
// listener what changed, and hands the history one record per gesture: the freehand tools at
// release (or cancel), the one-click tools at the press. What the tool shows without writing it
// is its preview. A gesture whose records would change nothing records nothing.
class Tool
{
public:
    virtual ~Tool() = default;

    ToolFeedback press(ToolContext& context, const ToolPointer& pointer);
    ToolFeedback move(ToolContext& context, const ToolPointer& pointer);
    ToolFeedback release(ToolContext& context, const ToolPointer& pointer);
    // Ends the gesture in progress. What it already wrote goes to the history as at release,
    // so the history always matches the design; a waiting state and the preview are dropped.
    void cancel(ToolContext& context);
    // Forgets the gesture without touching any design or history.
    virtual void reset();

    virtual ToolPreview preview() const;
    // Escape ends the gesture (cancel): the back-stitch tool's chain, the line tool's polyline.
    virtual bool cancelsOnEscape() const { return false; }
    // True while a press of this tool waits for its release.
    bool buttonHeld() const { return m_held; }

protected:
    virtual ToolFeedback onPress(ToolContext& context, const ToolPointer& pointer) = 0;
    virtual ToolFeedback onMove(ToolContext& context, const ToolPointer& pointer);
    virtual ToolFeedback onRelease(ToolContext& context, const ToolPointer& pointer);
    virtual void onCancel(ToolContext& context);

    bool m_held = false;
};
