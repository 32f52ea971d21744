#include "editing/tools/BorderTool.h"
#include "editing/HistoryFactories.h"
#include "editing/tools/ShapeCells.h"
#include "model/Design.h"

ToolFeedback BorderTool::onPress(ToolContext& context, const ToolPointer& pointer)
{
    Design& d = context.design;
    const QPoint c = pointer.cell;
    if (!pointer.cellInside)
        return {};
    const QList<QPoint> cells = m_side == Side::inside
        ? ShapeCells::regionBorder(d.CrossLayer, c, context.roundCorners)
        : ShapeCells::outlineBorder(d.CrossLayer, c, context.roundCorners);
    HistoryFactories::actionLine(d, cells, d.stitch.drawcolor());
    return {};
}
