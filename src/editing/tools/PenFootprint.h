#pragma once
#include <QList>
#include <QPoint>

// The cells a pen of size s covers around a centre, in the grid of its tool (cells for the pen
// and the eraser, quarter cells for the quarter pen): with k = (s - 1) div 2 the offsets from -k
// to s - 1 - k both ways, row by row, and for s > 2 without the four corners. Size 1 is one
// cell, 2 a 2 x 2 block reaching right and down, 3 a plus of 5 cells, 4 a 4 x 4 block without
// its corners (12 cells).
namespace PenFootprint {
QList<QPoint> around(const QPoint& centre, int size);
// The whole s x s square of the same offsets, corners included (the rectangle tool's stamp).
QList<QPoint> square(const QPoint& centre, int size);
} // namespace PenFootprint
