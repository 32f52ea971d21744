#pragma once
// The roundings of the page layout, kept inside the int range so that no input, however
// large, makes a conversion undefined.
#include <QtGlobal>
#include <climits>
#include <cmath>

namespace LayoutMath {
inline int clamped(double x)
{
    if (std::isnan(x))
        return 0;
    return x <= double(INT_MIN) ? INT_MIN : (x >= double(INT_MAX) ? INT_MAX : int(x));
}

// Nearest integer, halves to the even neighbour.
inline int nearest(double x)
{
    return clamped(std::nearbyint(x));
}

// floor(a / b) for b > 0.
inline int floorDiv(double a, double b)
{
    return clamped(std::floor(a / b));
}

// ceil(a / b) for a >= 0 and b >= 1.
inline int ceilDiv(qint64 a, qint64 b)
{
    return int((a + b - 1) / b);
}
} // namespace LayoutMath
