#pragma once
#include <QPoint>
#include <QRect>

// Whether the segment from a to b meets a box, by Cohen-Sutherland clipping in integers with
// truncating division. The box's edges belong to it: a point on an edge counts as inside. The
// eraser tests back stitches against a box of screen pixels with it, the replace-colour tool
// against a cell in half-cell units.
namespace SegmentClip {
bool meets(QPoint a, QPoint b, const QRect& box);
} // namespace SegmentClip
