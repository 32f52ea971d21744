#pragma once
#include "editing/tools/Tool.h"
#include <QList>

// The freehand tools (pen, quarter pen, eraser): a press starts a stroke at the pointer, every
// move with the button held carries it on from the previous pointer position to the new one,
// and release or cancel hands what the stroke wrote to the history as one record. A press
// while a stroke is still held ends that stroke first. Moves without the button do nothing.
//
// A stroke covers the straight segment between two successive pointer positions (stepsBetween),
// so a fast drag that skips cells between two pointer events leaves no gap.
class FreehandTool : public Tool
{
public:
    void reset() override;

protected:
    // The grid positions a stroke covers going on from `from` to `to`: those of the segment
    // after `from`, or `to` alone when both are the same.
    static QList<QPoint> stepsBetween(const QPoint& from, const QPoint& to);

    virtual ToolFeedback startStroke(ToolContext& context, const ToolPointer& at) = 0;
    virtual ToolFeedback continueStroke(ToolContext& context, const ToolPointer& from, const ToolPointer& to) = 0;
    // Hands the stroke to the history (nothing when it changed nothing) and lets go of it.
    virtual void recordStroke(ToolContext& context) = 0;
    virtual void forgetStroke() = 0;

private:
    ToolFeedback onPress(ToolContext& context, const ToolPointer& pointer) final;
    ToolFeedback onMove(ToolContext& context, const ToolPointer& pointer) final;
    ToolFeedback onRelease(ToolContext& context, const ToolPointer& pointer) final;
    void onCancel(ToolContext& context) final;
    void finish(ToolContext& context);

    ToolPointer m_last;
};
