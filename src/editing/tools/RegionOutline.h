#pragma once
#include "model/UTypes.h"
#include <QList>
#include <QPoint>

class TBitmap32;

// The back stitches that outline the region at a cell (4-connected, same stored value): one
// stitch of length 2 along every side of a region cell whose neighbour there lies outside the
// design or holds another value, each running counter-clockwise around its cell on screen, in
// region order (left, right, top, bottom side of each cell). They are then chained and merged:
//
//   chain  for each stitch in turn, the first later stitch that starts where it ends becomes
//          the next one (the others keep their order); none found, the next stays;
//   merge  from the end of the list back, a stitch and the next one that continues it along the
//          same row or column become one.
//
// The chain takes the stitches not yet placed from a queue per start point, in list order, so
// a million stitches chain in linear time. Index of the stitches is left 0; empty when the cell
// lies outside the design.
namespace RegionOutline {
QList<TBackStitch> stitches(const TBitmap32& cells, const QPoint& start, TColorRef color);

// The two steps on their own (the tests hold them against a plain transcription).
QList<TBackStitch> chained(const QList<TBackStitch>& sides);
QList<TBackStitch> merged(const QList<TBackStitch>& chain);
} // namespace RegionOutline
