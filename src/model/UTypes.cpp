#include "model/UTypes.h"
#include <cmath>

int stitchLength(const QPoint& from, const QPoint& to)
{
    const double dx = from.x() - to.x();
    const double dy = from.y() - to.y();
    return int(std::floor(std::sqrt(dx * dx + dy * dy)));
}
