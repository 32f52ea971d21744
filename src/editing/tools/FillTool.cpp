#include "editing/tools/FillTool.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "editing/tools/RegionWalk.h"
#include "model/Design.h"

ToolFeedback FillTool::onPress(ToolContext& context, const ToolPointer& pointer)
{
    if (!pointer.cellInside)
        return {};
    Design& d = context.design;
    StitchOperations ops(d);
    const TColorRef color = d.stitch.drawcolor();
    const TColorRef old = ops.cellValue(pointer.cell.x(), pointer.cell.y());
    if (old == color)
        return {};
    const TColor32 bg = ops.background();
    QList<QPoint> points;
    CellCapture quarters;
    // An explicit stack: a region may hold every cell of the design.
    QList<QPoint> stack{pointer.cell};
    while (!stack.isEmpty()) {
        const QPoint p = stack.takeLast();
        if (!ops.hasCell(p.x(), p.y()) || ops.cellValue(p.x(), p.y()) != old)
            continue;
        points.append(p);
        ops.updatePixel(p.x(), p.y(), false, color);
        if (!context.allowQuarterOverCross) {
            for (int q = 0; q < 4; ++q) {
                const QPoint quarter(2 * p.x() + q % 2, 2 * p.y() + q / 2);
                const TColorRef value = ops.quarterValue(quarter.x(), quarter.y());
                if (value == bg)
                    continue;
                quarters.record(quarter, value);
                ops.updateQPixel(quarter.x(), quarter.y(), false, bg);
            }
        }
        for (int n = 0; n < 4; ++n)
            stack.append(p + RegionWalk::kNeighbours[n]);
    }
    HistoryFactories::actionFill(d, points, old, bg, quarters, color);
    return {};
}
