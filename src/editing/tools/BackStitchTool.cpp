#include "editing/tools/BackStitchTool.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

namespace {
constexpr int kPreviewWidth = 5;
} // namespace

ToolFeedback BackStitchTool::press(ToolContext& context, const ToolPointer& pointer)
{
    if (!pointer.pointInside)
        return {};
    if (m_waitingForStart) {
        m_stitch.FromPoint = pointer.point;
        m_waitingForStart = false;
        return {};
    }
    if (pointer.point == m_stitch.FromPoint)
        return endChain();
    Design& d = context.design;
    const TColorRef color = d.stitch.drawcolor();
    if (color == d.stitch.BackGroundColor)
        return {};
    m_stitch.ToPoint = pointer.point;
    m_stitch.Color = color;
    m_stitch.Index = int(d.BackStitchList.size());
    StitchOperations(d).backStitchesAdd(m_stitch, true);
    HistoryFactories::actionDrawBackStitch(d, m_stitch);
    if (context.backStitchesContinue) {
        m_stitch.FromPoint = pointer.point;
        return {};
    }
    return endChain();
}

ToolFeedback BackStitchTool::move(ToolContext& context, const ToolPointer& pointer)
{
    if (m_waitingForStart)
        return {};
    ToolPreview preview;
    preview.lines.append({m_stitch.FromPoint, pointer.point, context.design.stitch.drawcolor(), kPreviewWidth});
    ToolFeedback feedback;
    feedback.previewChanged = !(preview == m_preview);
    m_preview = preview;
    return feedback;
}

ToolFeedback BackStitchTool::endChain()
{
    m_waitingForStart = true;
    ToolFeedback feedback;
    feedback.previewChanged = !m_preview.isEmpty();
    m_preview = {};
    return feedback;
}

void BackStitchTool::cancel(ToolContext&)
{
    endChain();
}

void BackStitchTool::reset()
{
    endChain();
}
