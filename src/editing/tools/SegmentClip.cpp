#include "editing/tools/SegmentClip.h"

namespace {
enum : int { kLeft = 1, kRight = 2, kTop = 4, kBottom = 8 };

int outCode(const QPoint& p, const QRect& box)
{
    int code = 0;
    if (p.x() < box.left())
        code |= kLeft;
    else if (p.x() > box.right())
        code |= kRight;
    if (p.y() < box.top())
        code |= kTop;
    else if (p.y() > box.bottom())
        code |= kBottom;
    return code;
}

// The point of the line through a and b at `at` along one axis; products in 64 bits, since
// design pixels at a large zoom overflow 32-bit products.
int across(int a0, int a1, int b0, int b1, int at)
{
    return int(a0 + qint64(a1 - a0) * (at - b0) / (b1 - b0));
}
} // namespace

bool SegmentClip::meets(QPoint a, QPoint b, const QRect& box)
{
    int codeA = outCode(a, box);
    int codeB = outCode(b, box);
    // Every pass clips one end to one edge; four edges per end bound the passes.
    for (int pass = 0; pass < 8; ++pass) {
        if ((codeA | codeB) == 0)
            return true;
        if ((codeA & codeB) != 0)
            return false;
        const bool clipA = codeA != 0;
        const int code = clipA ? codeA : codeB;
        QPoint p;
        if (code & kTop)
            p = QPoint(across(a.x(), b.x(), a.y(), b.y(), box.top()), box.top());
        else if (code & kBottom)
            p = QPoint(across(a.x(), b.x(), a.y(), b.y(), box.bottom()), box.bottom());
        else if (code & kRight)
            p = QPoint(box.right(), across(a.y(), b.y(), a.x(), b.x(), box.right()));
        else
            p = QPoint(box.left(), across(a.y(), b.y(), a.x(), b.x(), box.left()));
        if (clipA) {
            a = p;
            codeA = outCode(a, box);
        } else {
            b = p;
            codeB = outCode(b, box);
        }
    }
    return false;
}
