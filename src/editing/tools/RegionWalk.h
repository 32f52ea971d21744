#pragma once
#include <QList>
#include <QPoint>

class TBitmap32;

// The region of full stitches at a start cell: the connected cells holding the start cell's
// stored value (the same thread colour, or all empty). The walk keeps a work list in order:
// every cell that joins appends its neighbours not yet listed (left, right, up, down, then for
// 8 neighbours the corners top-left, top-right, bottom-left, bottom-right), so the region comes
// out in that order. Empty when the start lies outside the design.
namespace RegionWalk {
QList<QPoint> region(const TBitmap32& cells, const QPoint& start, bool eightConnected);

// The four side neighbours, then the four corner neighbours, in the walk's order.
extern const QPoint kNeighbours[8];

// True when `p` lies outside the design or holds another stored value than `value`.
bool differs(const TBitmap32& cells, const QPoint& p, quint32 value);
} // namespace RegionWalk
