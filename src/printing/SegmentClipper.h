#pragma once
#include <QPoint>
#include <QRect>

// Cuts a line segment to a rectangle (edges included) with integer arithmetic, the outcode way:
// an end outside is moved to where the segment crosses the edge it is beyond, until both ends
// are inside or both are beyond the same edge.
namespace SegmentClipper {
// False when no part of the segment lies in the rectangle; otherwise a and b are the cut ends.
bool clip(QPoint& a, QPoint& b, const QRect& rect);
} // namespace SegmentClipper
