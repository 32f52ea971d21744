#include "view/ShadowCombine.h"
#include "imaging/Rounding.h"
#include <algorithm>
#include <vector>

int ShadowCombine::sourceIndex(int d, int designSide, int pictureSide)
{
    if (designSide <= 0 || pictureSide <= 0)
        return 0;
    const qint64 index = ((2 * qint64(d) + 1) * pictureSide) / (2 * qint64(designSide));
    return int(std::clamp<qint64>(index, 0, pictureSide - 1));
}

void ShadowCombine::prepareTables(int weight)
{
    if (weight == m_weight)
        return;
    for (int c = 0; c < 256; ++c) {
        m_front[c] = quint8(rnd(c * weight / 255.0));
        m_back[c] = quint8(rnd(c * (255 - weight) / 255.0));
    }
    m_weight = weight;
}

// For picture pixels with alpha only: opaque ones take the packed path of `apply`.
QRgb ShadowCombine::blend(QRgb front, QRgb back, int alpha, int opacity)
{
    const int weight = alpha == 255 ? opacity : rnd(opacity * alpha / 255.0);
    if (weight == 0)
        return back;
    if (weight == 255)
        return front | 0xFF000000u;
    prepareTables(weight);
    return qRgb(m_front[qRed(front)] + m_back[qRed(back)], m_front[qGreen(front)] + m_back[qGreen(back)],
        m_front[qBlue(front)] + m_back[qBlue(back)]);
}

namespace {
// What a view row's pixel takes from the picture, worked out once per picture row: the front
// part of the table blend of each channel, packed as a colour (top byte 0), or one of these.
constexpr quint32 kSeeThrough = 0x01000000u;
constexpr quint32 kOwnBlend = 0x02000000u;

// The packed front part plus the back part of the table blend; pixels whose part is a mark keep
// the chart's colour. Front and back parts of a channel add up to at most 255, so the packed
// parts add without carrying into the next channel. Along a row the chart colour stays the same
// for most of a cell: its back part is looked up once.
void combineRow(const quint32* parts, QRgb* out, size_t width, const std::array<quint8, 256>& back)
{
    // Black's back part is 0 at every weight.
    QRgb lastBack = 0;
    quint32 backPart = 0;
    for (size_t x = 0; x < width; ++x) {
        const quint32 part = parts[x];
        if (part & 0xFF000000u)
            continue;
        const QRgb b = out[x];
        if (b != lastBack) {
            lastBack = b;
            backPart = (uint(back[qRed(b)]) << 16) | (uint(back[qGreen(b)]) << 8) | uint(back[qBlue(b)]);
        }
        out[x] = 0xFF000000u | (part + backPart);
    }
}
} // namespace

void ShadowCombine::apply(QImage& frame, const QRect& area, const QImage& picture, const Placement& placement,
    TColor32 background, int opacity)
{
    const QRect target = area.intersected(frame.rect());
    if (target.isEmpty() || picture.isNull() || opacity <= 0)
        return;
    const QImage source = picture.format() == QImage::Format_ARGB32 ? picture : picture.convertToFormat(QImage::Format_ARGB32);
    const QSize designPixels = placement.designPixels;
    const size_t width = size_t(target.width());
    std::vector<int> columns(width);
    for (size_t x = 0; x < width; ++x)
        columns[x] = sourceIndex(placement.scroll.x() + target.left() + int(x), designPixels.width(), source.width());
    const int weight = std::min(opacity, 255);
    prepareTables(weight);
    const std::array<quint8, 256> front = m_front, back = m_back;
    std::vector<quint32> fronts(width);
    int lastSourceRow = -1;
    bool ownBlends = false;
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const int sy = sourceIndex(placement.scroll.y() + y, designPixels.height(), source.height());
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        // At zoom 2 and above several view rows show the same picture row.
        if (sy != lastSourceRow) {
            ownBlends = false;
            for (size_t x = 0; x < width; ++x) {
                const QRgb f = in[columns[x]];
                const bool opaque = qAlpha(f) == 255;
                ownBlends = ownBlends || (!opaque && f != background);
                fronts[x] = f == background ? kSeeThrough
                    : !opaque ? kOwnBlend
                              : (uint(front[qRed(f)]) << 16) | (uint(front[qGreen(f)]) << 8) | uint(front[qBlue(f)]);
            }
            lastSourceRow = sy;
        }
        auto* out = reinterpret_cast<QRgb*>(frame.scanLine(y)) + target.left();
        combineRow(fronts.data(), out, width, back);
        // Picture pixels with alpha have a weight of their own.
        for (size_t x = 0; ownBlends && x < width; ++x) {
            if (fronts[x] == kOwnBlend) {
                const QRgb f = in[columns[x]];
                out[x] = blend(f, out[x], qAlpha(f), weight);
            }
        }
    }
}
