#include "editing/tools/PenFootprint.h"

namespace {
QList<QPoint> offsets(const QPoint& centre, int size, bool withCorners)
{
    const int k = (size - 1) / 2;
    const int last = size - 1 - k;
    QList<QPoint> cells;
    for (int dy = -k; dy <= last; ++dy) {
        for (int dx = -k; dx <= last; ++dx) {
            const bool corner = (dx == -k || dx == last) && (dy == -k || dy == last);
            if (!withCorners && size > 2 && corner)
                continue;
            cells.append(centre + QPoint(dx, dy));
        }
    }
    return cells;
}
} // namespace

QList<QPoint> PenFootprint::around(const QPoint& centre, int size)
{
    return offsets(centre, size, false);
}

QList<QPoint> PenFootprint::square(const QPoint& centre, int size)
{
    return offsets(centre, size, true);
}
