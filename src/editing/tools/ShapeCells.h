#pragma once
#include "editing/TMode.h"
#include <QList>
#include <QPoint>
#include <QSize>

class TBitmap32;

// The cells of the shape and border tools, as ordered lists without duplicates (the order is
// the order the cells are written and recorded in). Pure functions of the clicked positions,
// the pen size, the fill mode and, for regions, the full stitches.
//
// The shapes stamp the pen footprint (PenFootprint::around; rectangles the whole square) at
// every cell of their outline; a stamp adds only cells not yet listed. Line and rectangle lists
// may reach past the design's edges by the pen's extent; the line record writes only the cells
// inside.
namespace ShapeCells {
// The straight line between two cells (GridSegment), stamped at each of its cells.
QList<QPoint> line(const QPoint& from, const QPoint& to, int penSize);

// The box spanned by two cells, visited row by row: every cell stamped when filled, only the
// cells of its edges otherwise.
QList<QPoint> rectangle(const QPoint& from, const QPoint& to, int penSize, TFillMode fill);

// The midpoint circle around `centre` through the radius floor(distance to `rim`), stamped,
// clipped to the design; when filled, its inside flooded from the centre (4-connected, the ring
// as the wall, clipped to the design) unless the ring already holds the centre.
QList<QPoint> circle(const QPoint& centre, const QPoint& rim, int penSize, TFillMode fill, const QSize& design);

// The cells of the region at `start` (8-connected, same stored value) that touch a cell of
// another value or the design's edge through a side, and, unless `round`, also through a corner.
// Empty when `start` lies outside the design.
QList<QPoint> regionBorder(const TBitmap32& cells, const QPoint& start, bool round);

// The cells around the region at `start`: for each cell of its sharp border, its neighbours in
// the design that hold another value, through the sides and, unless `round`, the corners (a
// cell may appear more than once). Empty when `start` lies outside the design.
QList<QPoint> outlineBorder(const TBitmap32& cells, const QPoint& start, bool round);
} // namespace ShapeCells
