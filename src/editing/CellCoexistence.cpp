#include "editing/CellCoexistence.h"
#include "editing/StitchOperations.h"

namespace {
// The four quarters of cell (x, y), in the quarter grid.
constexpr QPoint kQuarterOffsets[4] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
} // namespace

CellCoexistence::CellCoexistence(StitchOperations& ops, bool allowQuarterOverCross)
    : m_ops(ops)
    , m_allowQuarterOverCross(allowQuarterOverCross)
{
}

void CellCoexistence::clearQuartersOfCell(int x, int y, bool refresh, CellCapture& quarters) const
{
    const TColor32 bg = m_ops.background();
    for (const QPoint& offset : kQuarterOffsets) {
        const QPoint q(2 * x + offset.x(), 2 * y + offset.y());
        const TColorRef value = m_ops.quarterValue(q.x(), q.y());
        if (value == bg)
            continue;
        quarters.record(q, value);
        m_ops.updateQPixel(q.x(), q.y(), refresh, bg);
    }
}

void CellCoexistence::clearCrossOfQuarter(int qx, int qy, bool refresh, CellCapture& cross) const
{
    const TColor32 bg = m_ops.background();
    const QPoint cell(qx / 2, qy / 2);
    const TColorRef value = m_ops.cellValue(cell.x(), cell.y());
    if (value == bg)
        return;
    cross.record(cell, value);
    m_ops.updatePixel(cell.x(), cell.y(), refresh, bg);
}

bool CellCoexistence::mergeQuarters(int qx, int qy, TColorRef color, bool refresh, StrokeCapture& stroke) const
{
    const TColor32 bg = m_ops.background();
    if (color == bg)
        return false;
    const QPoint cell(qx / 2, qy / 2);
    for (const QPoint& offset : kQuarterOffsets) {
        if (m_ops.quarterValue(2 * cell.x() + offset.x(), 2 * cell.y() + offset.y()) != color)
            return false;
    }
    for (const QPoint& offset : kQuarterOffsets) {
        const QPoint q(2 * cell.x() + offset.x(), 2 * cell.y() + offset.y());
        stroke.quarter.record(q, color);
        m_ops.updateQPixel(q.x(), q.y(), refresh, bg);
    }
    stroke.crossFromQuarter.record(cell, m_ops.cellValue(cell.x(), cell.y()));
    m_ops.updatePixel(cell.x(), cell.y(), refresh, color);
    return true;
}

void CellCoexistence::drawCross(int x, int y, TColorRef color, bool refresh, StrokeCapture& stroke) const
{
    if (!m_ops.hasCell(x, y))
        return;
    stroke.cross.record(QPoint(x, y), m_ops.cellValue(x, y));
    m_ops.updatePixel(x, y, refresh, color);
    if (!m_allowQuarterOverCross)
        clearQuartersOfCell(x, y, refresh, stroke.quarter);
}

bool CellCoexistence::drawQuarter(int qx, int qy, TColorRef color, bool refresh, StrokeCapture& stroke) const
{
    if (!m_ops.hasQuarter(qx, qy) || stroke.crossFromQuarter.contains(QPoint(qx / 2, qy / 2)))
        return false;
    stroke.quarter.record(QPoint(qx, qy), m_ops.quarterValue(qx, qy));
    if (!m_allowQuarterOverCross)
        clearCrossOfQuarter(qx, qy, refresh, stroke.cross);
    m_ops.updateQPixel(qx, qy, refresh, color);
    return mergeQuarters(qx, qy, color, refresh, stroke);
}
