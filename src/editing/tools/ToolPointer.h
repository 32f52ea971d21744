#pragma once
#include "editing/tools/ToolGrid.h"
#include <QPoint>
#include <QSize>
#include <Qt>

class Design;

// Where the pointer is, in every grid a tool may work in: the cell, the quarter cell and the
// nearest half-cell grid point under it, each with a flag telling whether it lies on the design.
// The eraser's hit test of back stitches and knots works in pixels of the whole design at the
// current cell size, so those travel along too. The view builds this value from a view pixel
// (PointerMapping); the tools never see a widget.
struct ToolPointer
{
    QPoint cell;
    QPoint quarter;
    QPoint point;
    // The pointer in pixels of the whole design (the view pixel plus the scrolled-away part).
    QPoint designPixel;
    QSize cellSize{8, 8};
    bool cellInside = false;
    bool quarterInside = false;
    bool pointInside = false;
    // The keys held with the pointer event (Shift, Ctrl, Alt).
    Qt::KeyboardModifiers modifiers;

    // The position in a grid, and whether it lies on the design.
    QPoint in(ToolGrid grid) const;
    bool insideIn(ToolGrid grid) const;

    // A pointer at the given positions, with the flags set against the design.
    static ToolPointer locate(const Design& design, const QPoint& cell, const QPoint& quarter, const QPoint& point,
        const QPoint& designPixel, const QSize& cellSize);
};
