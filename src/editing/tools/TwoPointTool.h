#pragma once
#include "editing/tools/PreviewSlot.h"
#include "editing/tools/Tool.h"
#include <optional>

// The two-point tools (back stitches; lines and shapes): a press on a position the tool accepts
// sets the first point; the next accepted press gives the second, and the tool commits what
// lies between the two. After that it waits for a new first point, carries on from the second
// (a chain), or keeps its first point when the commit had to be refused. While a first point is
// set, moves show the preview from it to the pointer, worked out once per position of the
// pointer in the tool's grid (a move within the same cell asks for nothing). Nothing is written before the second
// press, so cancel (Escape, leaving the mode) only drops the first point and the preview, and
// the design and the history stay exactly as they were.
class TwoPointTool : public Tool
{
public:
    void reset() override;
    ToolPreview preview() const override { return m_preview.current(); }

    bool waitingForFirst() const { return m_waitingForFirst; }

protected:
    enum class Next { waitForFirst, goOnFromSecond, keepFirst };

    // `holdsButton`: a press marks the button held until the release (the shape tools).
    explicit TwoPointTool(ToolGrid grid, bool holdsButton = false) : m_grid(grid), m_holdsButton(holdsButton) {}

    // Whether a press there sets a point; by default a position of the tool's grid on the design.
    virtual bool accepts(const ToolContext& context, const ToolPointer& pointer) const;
    // Writes and records what lies between the points; `pointer` is the second press (its keys).
    virtual Next commit(ToolContext& context, const QPoint& first, const QPoint& second, const ToolPointer& pointer) = 0;
    virtual ToolPreview previewOf(const ToolContext& context, const QPoint& first, const ToolPointer& pointer) const = 0;

private:
    ToolFeedback onPress(ToolContext& context, const ToolPointer& pointer) final;
    ToolFeedback onMove(ToolContext& context, const ToolPointer& pointer) final;
    void onCancel(ToolContext& context) final;
    ToolFeedback waitForFirst();
    void setFirst(const QPoint& first);

    ToolGrid m_grid;
    bool m_holdsButton;
    bool m_waitingForFirst = true;
    QPoint m_first;
    // The pointer position the preview was worked out for, while it still holds.
    std::optional<QPoint> m_previewAt;
    PreviewSlot m_preview;
};
