#include "editing/tools/EraserTool.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "editing/tools/PenFootprint.h"
#include "editing/tools/SegmentClip.h"
#include "model/Design.h"

namespace {
// Where a half-cell grid point is drawn, in pixels of the whole design.
QPoint pixelOf(const QPoint& point, const QSize& cell)
{
    return {point.x() * cell.width() / 2, point.y() * cell.height() / 2};
}

bool stitchMeets(const TBackStitch& s, const QRect& box, const QSize& cell)
{
    return SegmentClip::meets(pixelOf(s.FromPoint, cell), pixelOf(s.ToPoint, cell), box);
}
} // namespace

QRect EraserTool::hitBox(const ToolPointer& pointer)
{
    const QPoint& p = pointer.designPixel;
    return QRect(QPoint(p.x() - 2, p.y() - 2), QPoint(p.x() + 2, p.y() + 2));
}

bool EraserTool::holdsNothing() const
{
    return m_cross.isEmpty() && m_quarters.isEmpty() && m_backStitches.isEmpty() && m_rhodes.isEmpty()
        && m_knots.isEmpty();
}

bool EraserTool::takeBackStitch(Design& d, const ToolPointer& pointer)
{
    StitchOperations ops(d);
    const QList<TBackStitch>& list = d.BackStitchList;
    const QRect box = hitBox(pointer);
    for (int i = int(list.size()) - 1; i >= 0; --i) {
        if (!stitchMeets(list[i], box, pointer.cellSize))
            continue;
        TBackStitch taken = ops.backStitchesDelete(i, true);
        taken.Index = i;
        m_backStitches.append({i, taken});
        return true;
    }
    return false;
}

bool EraserTool::takeRhode(Design& d, const ToolPointer& pointer)
{
    StitchOperations ops(d);
    const QList<TRhodeRef>& list = d.RhodeList;
    const QRect box = hitBox(pointer);
    for (int i = int(list.size()) - 1; i >= 0; --i) {
        const QList<TBackStitch>& stitches = list[i]->stitches;
        for (auto s = stitches.crbegin(); s != stitches.crend(); ++s) {
            if (!stitchMeets(*s, box, pointer.cellSize))
                continue;
            // The record keeps the rhode the list lets go of, not a copy of it.
            TRhodeRef taken = ops.RhodeDelete(i, true);
            taken->index = i;
            m_rhodes.append({i, std::move(taken)});
            return true;
        }
    }
    return false;
}

bool EraserTool::takeFrenchKnot(Design& d, const ToolPointer& pointer)
{
    StitchOperations ops(d);
    const QList<TFrenchKnot>& list = d.FrenchKnotList;
    const QPoint& p = pointer.designPixel;
    for (int i = int(list.size()) - 1; i >= 0; --i) {
        // Left and top edges of the box inclusive, right and bottom exclusive.
        const QPoint c = pixelOf(list[i].Center, pointer.cellSize);
        if (c.x() < p.x() - 2 || c.x() >= p.x() + 2 || c.y() < p.y() - 2 || c.y() >= p.y() + 2)
            continue;
        TFrenchKnot taken = ops.frenchKnotDelete(i, true);
        taken.Index = i;
        m_knots.append({i, taken});
        return true;
    }
    return false;
}

// The quarters of the footprint around `centre`, when that one holds a stitch; already empty
// quarters are left alone.
bool EraserTool::emptyQuarters(Design& d, const QPoint& centre, int size)
{
    StitchOperations ops(d);
    if (!ops.hasQuarter(centre.x(), centre.y()) || ops.quarterValue(centre.x(), centre.y()) == ops.background())
        return false;
    return emptyFootprint(d, centre, size, true);
}

bool EraserTool::emptyCells(Design& d, const QPoint& centre, int size)
{
    return emptyFootprint(d, centre, size, false);
}

// Records and empties the stitched positions of the footprint in the quarter or the cell grid.
bool EraserTool::emptyFootprint(Design& d, const QPoint& centre, int size, bool quarters)
{
    StitchOperations ops(d);
    const TColor32 bg = ops.background();
    bool emptied = false;
    for (const QPoint& p : PenFootprint::around(centre, size)) {
        const bool inside = quarters ? ops.hasQuarter(p.x(), p.y()) : ops.hasCell(p.x(), p.y());
        const TColorRef value = !inside ? bg : quarters ? ops.quarterValue(p.x(), p.y()) : ops.cellValue(p.x(), p.y());
        if (value == bg)
            continue;
        if (quarters) {
            m_quarters.record(p, value);
            ops.updateQPixel(p.x(), p.y(), true, bg);
        } else {
            m_cross.record(p, value);
            ops.updatePixel(p.x(), p.y(), true, bg);
        }
        emptied = true;
    }
    return emptied;
}

ToolFeedback EraserTool::startStroke(ToolContext& context, const ToolPointer& at)
{
    forgetStroke();
    Design& d = context.design;
    const int size = d.stitch.pensize();
    if (context.backStitchesVisible) {
        takeBackStitch(d, at);
        takeRhode(d, at);
    }
    takeFrenchKnot(d, at);
    emptyQuarters(d, at.quarter, size);
    if (at.cellInside)
        emptyCells(d, at.cell, size);
    return {};
}

ToolFeedback EraserTool::continueStroke(ToolContext& context, const ToolPointer& from, const ToolPointer& to)
{
    Design& d = context.design;
    const int size = d.stitch.pensize();
    bool quartersEmptied = false;
    for (const QPoint& q : stepsBetween(from.quarter, to.quarter))
        quartersEmptied = emptyQuarters(d, q, size) || quartersEmptied;
    if (to.cell == from.cell && !quartersEmptied) {
        ToolFeedback feedback;
        feedback.showPosition = false;
        return feedback;
    }
    if (context.backStitchesVisible)
        takeBackStitch(d, to);
    for (const QPoint& cell : stepsBetween(from.cell, to.cell))
        emptyCells(d, cell, size);
    return {};
}

void EraserTool::recordStroke(ToolContext& context)
{
    Design& d = context.design;
    HistoryFactories::actionErase(d, m_cross, m_quarters, d.stitch.BackGroundColor, m_knots, m_rhodes, m_backStitches);
    forgetStroke();
}

void EraserTool::forgetStroke()
{
    m_cross.clear();
    m_quarters.clear();
    m_backStitches.clear();
    m_rhodes.clear();
    m_knots.clear();
}
