#include "EditState.h"
#include "editing/tools/Tool.h"
#include "model/Design.h"
#include "model/RhodeShapes.h"
#include "view/PointerMapping.h"

namespace {
constexpr int kZoom = 8;

// a div b rounded down, for positions left of or above the design.
int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
} // namespace

EditState::EditState(Design& design, bool allowQuarterOverCross, std::unique_ptr<RhodeShapes> rhodeShapes)
    : m_design(design), m_allowQuarterOverCross(allowQuarterOverCross), m_rhodeShapes(std::move(rhodeShapes))
{
}

EditState::~EditState() = default;

ToolContext EditState::context()
{
    return ToolContext{m_design, m_allowQuarterOverCross, true, true, m_rhodeShapes.get(), fillMode, roundCorners};
}

void EditState::enterMode(TMode mode)
{
    if (mode == m_mode)
        return;
    finishGesture();
    m_mode = mode;
    if (Tool* t = tool())
        t->reset();
}

void EditState::finishGesture()
{
    if (Tool* t = tool()) {
        ToolContext c = context();
        t->cancel(c);
    }
}

// The view is scrolled so that the position falls into its first cell, which keeps the pixel
// positive for positions left of or above the design as well.
ToolPointer EditState::pointerAt(const QPoint& position) const
{
    const ToolEntry* entry = ToolBox::entryFor(m_mode);
    const ToolGrid grid = entry ? entry->grid : ToolGrid::cells;
    ViewGeometry g = ViewGeometry::forZoom(kZoom, false);
    const int perCell = grid == ToolGrid::cells ? 1 : 2;
    g.h = floorDiv(position.x(), perCell);
    g.v = floorDiv(position.y(), perCell);
    const QPoint within = position - QPoint(g.h, g.v) * perCell;
    QPoint pixel;
    switch (grid) {
    case ToolGrid::cells:
        pixel = QPoint(g.CellWidth / 2, g.CellHeight / 2);
        break;
    case ToolGrid::quarters:
        pixel = QPoint(within.x() * g.halfWidth() + g.halfWidth() / 2, within.y() * g.halfHeight() + g.halfHeight() / 2);
        break;
    case ToolGrid::points:
        pixel = QPoint(within.x() * g.halfWidth(), within.y() * g.halfHeight());
        break;
    }
    return PointerMapping::at(g, pixel, m_design);
}
