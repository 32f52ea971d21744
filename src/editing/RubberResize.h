#pragma once
#include "editing/TRect.h"
#include <QSize>

// How the selection frame is being dragged: by its inside (move), by one edge or by a corner.
enum TDragKind { dkMove, dkLeft, dkTop, dkRight, dkBottom, dkTopLeft, dkTopRight, dkBottomLeft, dkBottomRight };

// The snapping of the selection frame: given the frame's current cells `old` and the cells the
// pointer proposes (`proposed`, each edge already converted from pixels), the cells to use.
//
// - A resize while content floats keeps `old`: pasted content cannot be resized.
// - A move keeps the size and leaves at least one column and one row on the design.
// - A dragged edge stops at the design's last column or row (left and top edges) or at column or
//   row 1 (right and bottom edges), never passes the opposite edge (at least one cell stays
//   selected), and reaches at most one design size beyond the design, which bounds the buffer a
//   selection can make.
// - The edges a drag kind does not move are taken from `old`.
TRect RubberResize(TDragKind kind, const TRect& old, const TRect& proposed, const QSize& design, bool floating);

// True for the kinds that move the left (top, right, bottom) edge.
bool dragsLeft(TDragKind kind);
bool dragsTop(TDragKind kind);
bool dragsRight(TDragKind kind);
bool dragsBottom(TDragKind kind);
