#include "editing/tools/GridSegment.h"
#include <cmath>
#include <cstdlib>

QList<QPoint> GridSegment::points(const QPoint& from, const QPoint& to)
{
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const bool xMajor = std::abs(dx) > std::abs(dy);
    const int major = xMajor ? dx : dy;
    const int minor = xMajor ? dy : dx;
    const int step = major >= 0 ? 1 : -1;
    const double slope = major == 0 ? 0.0 : step * (double(minor) / major);
    double e = (xMajor ? from.y() : from.x()) + 0.5;
    QList<QPoint> cells{from};
    cells.reserve(std::abs(major) + 1);
    QPoint p = from;
    for (int i = 0; i < std::abs(major); ++i) {
        e += slope;
        const int across = int(std::floor(e));
        p = xMajor ? QPoint(p.x() + step, across) : QPoint(across, p.y() + step);
        cells.append(p);
    }
    return cells;
}
