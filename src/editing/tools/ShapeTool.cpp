#include "editing/tools/ShapeTool.h"
#include "editing/HistoryFactories.h"
#include "editing/tools/ShapeCells.h"
#include "model/Design.h"

QList<QPoint> ShapeTool::cells(const ToolContext& context, const QPoint& first, const QPoint& second) const
{
    const Design& d = context.design;
    const int pen = d.stitch.pensize();
    switch (m_shape) {
    case Shape::line:
        return ShapeCells::line(first, second, pen);
    case Shape::rectangle:
        return ShapeCells::rectangle(first, second, pen, context.fillMode);
    case Shape::circle:
        return ShapeCells::circle(first, second, pen, context.fillMode, QSize(d.width(), d.height()));
    }
    return {};
}

bool ShapeTool::accepts(const ToolContext& context, const ToolPointer& pointer) const
{
    const Design& d = context.design;
    const QPoint c = pointer.cell;
    return !d.CrossLayer.empty() && c.x() >= 0 && c.y() >= 0 && c.x() <= d.width() && c.y() <= d.height();
}

TwoPointTool::Next ShapeTool::commit(ToolContext& context, const QPoint& first, const QPoint& second, const ToolPointer&)
{
    Design& d = context.design;
    HistoryFactories::actionLine(d, cells(context, first, second), d.stitch.drawcolor());
    if (m_shape != Shape::line || second == first)
        return Next::waitForFirst;
    return Next::goOnFromSecond;
}

ToolPreview ShapeTool::previewOf(const ToolContext& context, const QPoint& first, const ToolPointer& pointer) const
{
    ToolPreview preview;
    preview.cells = cells(context, first, pointer.cell);
    preview.cellColor = context.design.stitch.drawcolor();
    return preview;
}
