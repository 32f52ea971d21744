#include "editing/tools/OutlineTool.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "editing/tools/RegionOutline.h"
#include "model/Design.h"

ToolFeedback OutlineTool::onPress(ToolContext& context, const ToolPointer& pointer)
{
    Design& d = context.design;
    const TColorRef color = d.stitch.drawcolor();
    if (!pointer.cellInside || color == d.stitch.BackGroundColor)
        return {};
    QList<TBackStitch> stitches = RegionOutline::stitches(d.CrossLayer, pointer.cell, color);
    StitchOperations ops(d);
    for (TBackStitch& stitch : stitches) {
        stitch.Index = int(d.BackStitchList.size());
        ops.backStitchesAdd(stitch, false);
    }
    HistoryFactories::actionOutline(d, stitches, color);
    return {};
}
