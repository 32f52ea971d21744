#include "editing/tools/PenFootprint.h"

QList<QPoint> PenFootprint::around(const QPoint& centre, int size)
{
    const int k = (size - 1) / 2;
    const int last = size - 1 - k;
    QList<QPoint> cells;
    for (int dy = -k; dy <= last; ++dy) {
        for (int dx = -k; dx <= last; ++dx) {
            const bool corner = (dx == -k || dx == last) && (dy == -k || dy == last);
            if (size > 2 && corner)
                continue;
            cells.append(centre + QPoint(dx, dy));
        }
    }
    return cells;
}
