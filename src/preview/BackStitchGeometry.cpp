#include "preview/BackStitchGeometry.h"
#include <algorithm>
#include <cmath>

QPoint BackStitchGeometry::leftEnd(const QPoint& from, const QPoint& to)
{
    return to.x() < from.x() ? to : from;
}

std::optional<TBackRec> BackStitchGeometry::key(const QPoint& from, const QPoint& to, TColorRef color)
{
    const QPoint left = leftEnd(from, to);
    const QPoint right = left == from ? to : from;
    const double dx = double(right.x()) - left.x();
    const double dy = double(right.y()) - left.y();
    if (dx == 0 && dy == 0)
        return std::nullopt;
    TBackRec rec;
    rec.length = std::sqrt(dx * dx + dy * dy) / 2;
    rec.angle = std::asin(std::clamp(dy / 2 / rec.length, -1.0, 1.0)) * 57.295779513082320877;
    rec.color = color;
    return rec;
}
