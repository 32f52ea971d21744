#pragma once
#include <QList>
#include <QPoint>

// The grid positions of the straight segment from `from` to `to`, both included, one for each
// step along the longer axis (y when both are equal). The other coordinate starts at the centre
// of `from` (+ 0.5), grows by the slope, computed once in double precision, at every step and
// is rounded down. A freehand stroke between two pointer positions and a drawn line take their
// cells this way.
namespace GridSegment {
QList<QPoint> points(const QPoint& from, const QPoint& to);
} // namespace GridSegment
