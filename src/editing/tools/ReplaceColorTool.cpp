#include "editing/tools/ReplaceColorTool.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "editing/tools/SegmentClip.h"
#include "model/Design.h"

TColorRef ReplaceColorTool::oldColor(const Design& design, const QPoint& cell, bool backStitchesVisible)
{
    if (backStitchesVisible) {
        // The cell's box in half-cell units, edges included: stitches through or along it.
        const QRect box(QPoint(2 * cell.x(), 2 * cell.y()), QPoint(2 * cell.x() + 2, 2 * cell.y() + 2));
        for (const TBackStitch& s : design.BackStitchList) {
            if (SegmentClip::meets(s.FromPoint, s.ToPoint, box))
                return s.Color;
        }
    }
    const TColor32 value = design.CrossLayer.pixel(cell.x(), cell.y());
    return value == design.stitch.BackGroundColor ? value : colorRefFromColor32(value);
}

ToolFeedback ReplaceColorTool::onPress(ToolContext& context, const ToolPointer& pointer)
{
    if (!pointer.cellInside)
        return {};
    Design& d = context.design;
    const TColorRef newColor = d.stitch.drawcolor();
    const TColorRef old = oldColor(d, pointer.cell, context.backStitchesVisible);
    if (old == newColor)
        return {};
    StitchOperations ops(d);
    QList<QPoint> points;
    for (int y = 0; y < d.height(); ++y) {
        for (int x = 0; x < d.width(); ++x) {
            if (ops.cellValue(x, y) != old)
                continue;
            points.append(QPoint(x, y));
            ops.updatePixel(x, y, false, newColor);
        }
    }
    QList<int> backStitches;
    if (newColor != d.stitch.BackGroundColor) {
        for (int i = 0; i < d.BackStitchList.size(); ++i) {
            if (d.BackStitchList[i].Color != old)
                continue;
            backStitches.append(i);
            ops.backStitchesSetColor(i, newColor, false);
        }
    }
    if (points.isEmpty() && backStitches.isEmpty())
        return {};
    HistoryFactories::actionReplaceColor(d, points, backStitches, newColor, old);
    return {};
}
