#include "printing/SegmentClipper.h"

namespace {
enum : int { kBelow = 1, kAbove = 2, kRight = 4, kLeft = 8 };

int outcode(const QPoint& p, const QRect& r)
{
    int code = 0;
    if (p.y() > r.bottom())
        code |= kBelow;
    else if (p.y() < r.top())
        code |= kAbove;
    if (p.x() > r.right())
        code |= kRight;
    else if (p.x() < r.left())
        code |= kLeft;
    return code;
}

// Where the segment a-b crosses the edge of `code`; the segment does cross it.
QPoint crossing(const QPoint& a, const QPoint& b, int code, const QRect& r)
{
    const qint64 dx = b.x() - a.x();
    const qint64 dy = b.y() - a.y();
    if (code & (kBelow | kAbove)) {
        const int y = (code & kBelow) ? r.bottom() : r.top();
        return {int(a.x() + dx * (y - a.y()) / dy), y};
    }
    const int x = (code & kRight) ? r.right() : r.left();
    return {x, int(a.y() + dy * (x - a.x()) / dx)};
}
} // namespace

namespace SegmentClipper {
bool clip(QPoint& a, QPoint& b, const QRect& rect)
{
    int codeA = outcode(a, rect);
    int codeB = outcode(b, rect);
    while (true) {
        if ((codeA | codeB) == 0)
            return true;
        if (codeA & codeB)
            return false;
        if (codeA) {
            a = crossing(a, b, codeA, rect);
            codeA = outcode(a, rect);
        } else {
            b = crossing(a, b, codeB, rect);
            codeB = outcode(b, rect);
        }
    }
}
} // namespace SegmentClipper
