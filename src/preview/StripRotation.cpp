#include "preview/StripRotation.h"
#include "preview/PreviewTint.h"
#include <algorithm>
#include <cmath>

StripRotation::StripRotation(const BackStrip& strip, const TBackRec& key)
    : m_strip(strip)
    , m_color(key.color)
    , m_stripWidth(strip.stripWidth(key.length))
    , m_side(std::max(m_stripWidth, strip.height()))
    , m_center(m_side / 2)
{
    const int left = (m_side - m_stripWidth) / 2, top = (m_side - strip.height()) / 2;
    m_stripRect = QRect(left, top, m_stripWidth, strip.height());
    m_p1 = QPoint(left, top + strip.height() / 2);
    m_p2 = QPoint(left + m_stripWidth, m_p1.y());
    for (int x = 0; x < m_stripWidth; ++x)
        m_columns.push_back(strip.column(m_stripWidth, x));
    const double t = -key.angle / 57.295779513082320877;
    m_cos = std::cos(t);
    m_sin = std::sin(t);
}

TColor32 StripRotation::pixel(int i, int j) const
{
    return colourAt(source(i, j));
}

TColor32 StripRotation::colourAt(const QPoint& s) const
{
    if (!onStrip(s))
        return PreviewTint::kMagenta;
    const TColor32 p = m_columns[size_t(s.x() - m_stripRect.left())][(s.y() - m_stripRect.top()) * m_strip.stride()];
    return PreviewTint::isMagenta(p) ? PreviewTint::kMagenta : PreviewTint::tint(p, m_color);
}

TRotateRec StripRotation::build() const
{
    TRotateRec rec{m_p1, m_p2, TBitmap32(m_side, m_side, PreviewTint::kMagenta)};
    bool foundP1 = false;
    // Only the pixels near the strip can show it or have an end as their source; the scan
    // keeps its order among them.
    for (int j = m_side - 1; j >= 0; --j) {
        TColor32* line = rec.imagerotated.scanLine(j);
        const auto [first, last] = stripSpan(j);
        for (int i = last; i >= first; --i) {
            const QPoint s = source(i, j);
            if (s == m_p1) {
                rec.p1 = QPoint(i, j);
                foundP1 = true;
            }
            if (s == m_p2)
                rec.p2 = QPoint(i, j);
            line[i] = colourAt(s);
        }
    }
    // Nearest-pixel turning skips a few source pixels; when p1 is one of them, the strip is
    // still anchored where p1 turned to, not at its place before turning.
    if (!foundP1)
        rec.p1 = turnedPlace();
    return rec;
}

QPoint StripRotation::turnedPlace() const
{
    // Turning back by +angle: the inverse of the mapping in source().
    const double sx = 2.0 * m_p1.x() - 2.0 * m_center + 1, sy = 2.0 * m_p1.y() - 2.0 * m_center + 1;
    const double u = sx * m_cos + sy * m_sin, v = -sx * m_sin + sy * m_cos;
    return QPoint(int(std::lround((u - 1) / 2 + m_center)), int(std::lround((v - 1) / 2 + m_center)));
}

QPoint StripRotation::turnedP1() const
{
    const QPoint place = turnedPlace();
    for (int j = place.y() - 2; j <= place.y() + 2; ++j) {
        for (int i = place.x() - 2; i <= place.x() + 2; ++i) {
            if (i >= 0 && j >= 0 && i < m_side && j < m_side && source(i, j) == m_p1)
                return QPoint(i, j); // the top row first and its leftmost pixel: the scan's last
        }
    }
    return place;
}

std::pair<int, int> StripRotation::stripSpan(int j) const
{
    // The source coordinates are linear in u = 2i - 2c + 1 along a row; each must fall within
    // the strip or on the column right of it, where p2 lies (with a margin for the rounding),
    // which bounds u on both axes.
    const double v = 2.0 * j - 2.0 * m_center + 1;
    double uLo = -1e18, uHi = 1e18;
    const auto bound = [&](double a, double b, int lo, int hi) {
        const double from = 2.0 * (lo - m_center) - 3, to = 2.0 * (hi - m_center) + 3;
        if (std::abs(a) < 1e-12) {
            if (b < from || b > to)
                uHi = uLo - 1;
            return;
        }
        const double u1 = (from - b) / a, u2 = (to - b) / a;
        uLo = std::max(uLo, std::min(u1, u2));
        uHi = std::min(uHi, std::max(u1, u2));
    };
    bound(m_cos, -v * m_sin, m_stripRect.left(), m_stripRect.right() + 1);
    bound(m_sin, v * m_cos, m_stripRect.top(), m_stripRect.bottom() + 1);
    if (uHi < uLo)
        return {0, -1};
    const double first = std::floor((uLo - 1) / 2 + m_center) - 1, last = std::ceil((uHi - 1) / 2 + m_center) + 1;
    return {int(std::max(first, 0.0)), int(std::min(last, double(m_side - 1)))};
}

void StripRotation::drawDirect(const PictureRegion& region, const QPoint& origin) const
{
    const QRect area = region.rect.intersected(QRect(origin, QSize(m_side, m_side)));
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int j = y - origin.y();
        const auto [first, last] = stripSpan(j);
        const int from = std::max(first + origin.x(), area.left()), to = std::min(last + origin.x(), area.right());
        TColor32* line = region.line(y);
        for (int x = from; x <= to; ++x) {
            const TColor32 p = pixel(x - origin.x(), j);
            if (!PreviewTint::isMagenta(p))
                line[x] = p;
        }
    }
}
