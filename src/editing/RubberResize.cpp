#include "editing/RubberResize.h"
#include <algorithm>

bool dragsLeft(TDragKind kind)
{
    return kind == dkLeft || kind == dkTopLeft || kind == dkBottomLeft;
}

bool dragsTop(TDragKind kind)
{
    return kind == dkTop || kind == dkTopLeft || kind == dkTopRight;
}

bool dragsRight(TDragKind kind)
{
    return kind == dkRight || kind == dkTopRight || kind == dkBottomRight;
}

bool dragsBottom(TDragKind kind)
{
    return kind == dkBottom || kind == dkBottomLeft || kind == dkBottomRight;
}

namespace {
// One axis of a move: `start` proposed, the old span oStart..oEnd kept in size, and at least
// one cell of it on the design's 0..size - 1.
void moveAxis(int proposedStart, int oStart, int oEnd, int size, int& start, int& end)
{
    start = proposedStart;
    end = oEnd + start - oStart;
    if (end <= 0) {
        end = 1;
        start = oStart - oEnd + 1;
    }
    if (start > size - 1) {
        start = size - 1;
        end = oEnd + (size - 1) - oStart;
    }
}
} // namespace

TRect RubberResize(TDragKind kind, const TRect& old, const TRect& proposed, const QSize& design, bool floating)
{
    const int W = std::max(1, design.width());
    const int H = std::max(1, design.height());
    if (kind == dkMove) {
        TRect r;
        moveAxis(proposed.Left, old.Left, old.Right, W, r.Left, r.Right);
        moveAxis(proposed.Top, old.Top, old.Bottom, H, r.Top, r.Bottom);
        return r;
    }
    if (floating)
        return old;
    TRect r = old;
    if (dragsLeft(kind))
        r.Left = std::min(std::max(proposed.Left, -W), std::min(W - 1, old.Right - 1));
    if (dragsTop(kind))
        r.Top = std::min(std::max(proposed.Top, -H), std::min(H - 1, old.Bottom - 1));
    if (dragsRight(kind))
        r.Right = std::max(std::min(proposed.Right, 2 * W), std::max(1, old.Left + 1));
    if (dragsBottom(kind))
        r.Bottom = std::max(std::min(proposed.Bottom, 2 * H), std::max(1, old.Top + 1));
    return r;
}
