#include "editing/tools/RhodeTool.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"
#include "model/RhodeShapes.h"

namespace {
constexpr int kPreviewWidth = 3;
} // namespace

TRhodeRef RhodeTool::placement(const ToolContext& context, const ToolPointer& pointer)
{
    const Design& d = context.design;
    const TColorRef color = d.stitch.drawcolor();
    if (!pointer.pointInside || color == d.stitch.BackGroundColor || !context.rhodeShapes)
        return nullptr;
    const TRhodeRef shape = context.rhodeShapes->current();
    if (!shape)
        return nullptr;
    return RhodeShapes::place(*shape, pointer.point, color, int(d.RhodeList.size()), d.width(), d.height());
}

ToolFeedback RhodeTool::onPress(ToolContext& context, const ToolPointer& pointer)
{
    const TRhodeRef rhode = placement(context, pointer);
    if (!rhode)
        return {};
    StitchOperations(context.design).RhodeAdd(rhode, true);
    // The record keeps its own copy, so nothing done to the placed rhode reaches it.
    HistoryFactories::actionDrawRhode(context.design, *rhode);
    return {};
}

ToolFeedback RhodeTool::onMove(ToolContext& context, const ToolPointer& pointer)
{
    ToolPreview preview;
    if (const TRhodeRef rhode = placement(context, pointer)) {
        for (const TBackStitch& s : rhode->stitches)
            preview.lines.append({s.FromPoint, s.ToPoint, rhode->color, kPreviewWidth});
    }
    return m_preview.show(preview);
}

void RhodeTool::onCancel(ToolContext&)
{
    m_preview.clear();
}

void RhodeTool::reset()
{
    m_preview.clear();
}
