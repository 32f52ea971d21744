#include "view/PointerMapping.h"

ToolPointer PointerMapping::at(const ViewGeometry& g, const QPoint& viewPixel, const Design& design)
{
    const QPoint designPixel(viewPixel.x() + g.h * g.CellWidth, viewPixel.y() + g.v * g.CellHeight);
    return ToolPointer::locate(design, g.cellAt(viewPixel), g.quarterAt(viewPixel), g.halfPointAt(viewPixel),
        designPixel, QSize(g.CellWidth, g.CellHeight));
}
