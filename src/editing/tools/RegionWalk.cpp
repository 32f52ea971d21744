#include "editing/tools/RegionWalk.h"
#include "editing/tools/PointSet.h"
#include "imaging/TBitmap32.h"

const QPoint RegionWalk::kNeighbours[8] = {
    {-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

bool RegionWalk::differs(const TBitmap32& cells, const QPoint& p, quint32 value)
{
    return !cells.contains(p.x(), p.y()) || cells.pixel(p.x(), p.y()) != value;
}

QList<QPoint> RegionWalk::region(const TBitmap32& cells, const QPoint& start, bool eightConnected)
{
    if (!cells.contains(start.x(), start.y()))
        return {};
    const quint32 value = cells.pixel(start.x(), start.y());
    const int neighbours = eightConnected ? 8 : 4;
    // The work list reaches one cell past the design's edges.
    PointSet listed(QRect(-1, -1, cells.width() + 2, cells.height() + 2));
    QList<QPoint> work{start};
    listed.insert(start);
    QList<QPoint> region;
    for (qsizetype i = 0; i < work.size(); ++i) {
        const QPoint p = work[i];
        if (differs(cells, p, value))
            continue;
        region.append(p);
        for (int n = 0; n < neighbours; ++n) {
            const QPoint next = p + kNeighbours[n];
            if (listed.insert(next))
                work.append(next);
        }
    }
    return region;
}
