#include "editing/tools/ToolPointer.h"
#include "model/Design.h"

ToolPointer ToolPointer::locate(const Design& design, const QPoint& cell, const QPoint& quarter, const QPoint& point,
    const QPoint& designPixel, const QSize& cellSize)
{
    ToolPointer p;
    p.cell = cell;
    p.quarter = quarter;
    p.point = point;
    p.designPixel = designPixel;
    p.cellSize = cellSize;
    p.cellInside = design.CrossLayer.contains(cell.x(), cell.y());
    p.quarterInside = design.QuarterLayer.contains(quarter.x(), quarter.y());
    p.pointInside = !design.CrossLayer.empty() && design.containsPoint(point);
    return p;
}

QPoint ToolPointer::in(ToolGrid grid) const
{
    return grid == ToolGrid::quarters ? quarter : grid == ToolGrid::points ? point : cell;
}

bool ToolPointer::insideIn(ToolGrid grid) const
{
    return grid == ToolGrid::quarters ? quarterInside : grid == ToolGrid::points ? pointInside : cellInside;
}
