#include "model/ColorDistance.h"
#include <algorithm>
#include <cmath>

namespace {
constexpr double kNoDistance = 16581375.0; // 255 * 255 * 255: farther than any two colours
}

double ColorDistance(int p1, int p2, int p3, int q1, int q2, int q3)
{
    const double m = (p1 + q1) / 2.0;
    const double d1 = q1 - p1;
    const double d2 = q2 - p2;
    const double d3 = q3 - p3;
    return std::sqrt((m / 256 + 2) * d1 * d1 + 4 * d2 * d2 + ((255 - m) / 256 + 2) * d3 * d3);
}

TColorRef NearestColor(TColorRef c, const TColorTable& table, QList<double>* deltas)
{
    double best = kNoDistance;
    TColorRef result = kNoColor;
    for (const auto& entry : table) {
        const TColorRef k = entry.first;
        const double d = ColorDistance(blueOf(c), greenOf(c), redOf(c), blueOf(k), greenOf(k), redOf(k));
        if (d == 0)
            return k;
        if (d < best) {
            best = d;
            result = k;
        }
    }
    if (deltas && best < kNoDistance)
        deltas->append(best);
    return result;
}

NearestColorSearch::NearestColorSearch(const TColorTable& table)
{
    int order = 0;
    for (const auto& entry : table) {
        const TColorRef k = entry.first;
        m_entries.push_back({blueOf(k), greenOf(k), redOf(k), order++, k});
    }
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) { return a.green < b.green; });
}

TColorRef NearestColorSearch::find(TColorRef c, double* distance) const
{
    const int b = blueOf(c), g = greenOf(c), r = redOf(c);
    double best = kNoDistance;
    int bestOrder = -1;
    TColorRef result = kNoColor;
    // Every weight is at least 2, so 2*db^2 + 4*dg^2 + 2*dr^2 never exceeds the squared distance;
    // the margin keeps rounding in the exact formula from pruning a candidate that ties.
    const auto consider = [&](const Entry& e) {
        const int db = e.blue - b, dg = e.green - g, dr = e.red - r;
        const double bound = 2.0 * db * db + 4.0 * dg * dg + 2.0 * dr * dr;
        if (bound > best * best * (1 + 1e-12) + 1e-9)
            return;
        const double d = ColorDistance(b, g, r, e.blue, e.green, e.red);
        if (d < best || (d == best && e.order < bestOrder)) {
            best = d;
            bestOrder = e.order;
            result = e.color;
        }
    };
    const auto beyond = [&](const Entry& e) {
        const double dg = e.green - g;
        return 4.0 * dg * dg > best * best * (1 + 1e-12) + 1e-9;
    };
    const auto start = std::lower_bound(m_entries.begin(), m_entries.end(), g,
        [](const Entry& e, int green) { return e.green < green; });
    auto up = start;
    auto down = start;
    while (up != m_entries.end() || down != m_entries.begin()) {
        if (up != m_entries.end()) {
            if (beyond(*up))
                up = m_entries.end();
            else
                consider(*up++);
        }
        if (down != m_entries.begin()) {
            if (beyond(*(down - 1)))
                down = m_entries.begin();
            else
                consider(*--down);
        }
    }
    if (distance)
        *distance = bestOrder < 0 ? kNoDistance : best;
    return result;
}
