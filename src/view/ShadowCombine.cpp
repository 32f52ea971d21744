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

// Shadow pictures are opaque, so every pixel uses the tables of the one opacity; a pixel with
// alpha would switch tables, which stays correct, only slower.
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

void ShadowCombine::apply(QImage& frame, const QRect& area, const QImage& picture, const Placement& placement,
    TColor32 background, int opacity)
{
    const QRect target = area.intersected(frame.rect());
    if (target.isEmpty() || picture.isNull() || opacity <= 0)
        return;
    const QImage source = picture.format() == QImage::Format_ARGB32 ? picture : picture.convertToFormat(QImage::Format_ARGB32);
    const QSize designPixels = placement.designPixels;
    std::vector<int> columns(size_t(target.width()));
    for (int x = 0; x < target.width(); ++x)
        columns[size_t(x)] = sourceIndex(placement.scroll.x() + target.left() + x, designPixels.width(), source.width());
    const int weight = std::min(opacity, 255);
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const int sy = sourceIndex(placement.scroll.y() + y, designPixels.height(), source.height());
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        auto* out = reinterpret_cast<QRgb*>(frame.scanLine(y)) + target.left();
        for (int x = 0; x < target.width(); ++x) {
            const QRgb f = in[columns[size_t(x)]];
            if (f == background)
                continue;
            if (qAlpha(f) != 255 || weight == 255) {
                out[x] = blend(f, out[x], qAlpha(f), weight);
                continue;
            }
            // The common case, an opaque pixel below full opacity, straight from the tables.
            prepareTables(weight);
            const QRgb b = out[x];
            out[x] = 0xFF000000u | (uint(m_front[qRed(f)] + m_back[qRed(b)]) << 16)
                | (uint(m_front[qGreen(f)] + m_back[qGreen(b)]) << 8) | uint(m_front[qBlue(f)] + m_back[qBlue(b)]);
        }
    }
}
