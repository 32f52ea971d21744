#include "model/UTypes.h"
#include <algorithm>
#include <cmath>

int stitchLength(const QPoint& from, const QPoint& to)
{
    // Subtracting as doubles: two far-apart points would overflow an int.
    const double dx = double(from.x()) - double(to.x());
    const double dy = double(from.y()) - double(to.y());
    return int(std::min(std::floor(std::sqrt(dx * dx + dy * dy)), double(kMaxStitchLength)));
}
