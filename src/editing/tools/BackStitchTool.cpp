#include "editing/tools/BackStitchTool.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

namespace {
constexpr int kPreviewWidth = 5;
} // namespace

TwoPointTool::Next BackStitchTool::commit(ToolContext& context, const QPoint& first, const QPoint& second, const ToolPointer&)
{
    if (second == first)
        return Next::waitForFirst;
    Design& d = context.design;
    const TColorRef color = d.stitch.drawcolor();
    if (color == d.stitch.BackGroundColor)
        return Next::keepFirst;
    const TBackStitch stitch{first, second, color, int(d.BackStitchList.size())};
    StitchOperations(d).backStitchesAdd(stitch, true);
    HistoryFactories::actionDrawBackStitch(d, stitch);
    return context.backStitchesContinue ? Next::goOnFromSecond : Next::waitForFirst;
}

ToolPreview BackStitchTool::previewOf(const ToolContext& context, const QPoint& first, const ToolPointer& pointer) const
{
    ToolPreview preview;
    preview.lines.append({first, pointer.point, context.design.stitch.drawcolor(), kPreviewWidth});
    return preview;
}
