#include "view/RasterSurface.h"
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
bool whole(qreal v)
{
    return v == std::floor(v) && std::abs(v) < 1e9;
}
} // namespace

bool RasterSurface::begin(QPainter& painter, const QRect& clip)
{
    QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image)
        return false;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format f = image->format();
    if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 && f != QImage::Format_ARGB32_Premultiplied)
        return false;
    const QTransform t = painter.deviceTransform();
    if (t.type() > QTransform::TxTranslate || !whole(t.dx()) || !whole(t.dy()))
        return false;
    QRect allowed = clip;
    if (painter.hasClipping()) {
        const QRegion region = painter.clipRegion();
        if (region.rectCount() > 1)
            return false;
        allowed &= region.boundingRect();
    }
    m_pixels = FramePixels(*image);
    m_shift = QPoint(int(t.dx()), int(t.dy()));
    m_clip = allowed.translated(m_shift) & image->rect();
    return true;
}

void RasterSurface::fill(const QRect& rect, quint32 color)
{
    const QRect r = rect.translated(m_shift) & m_clip;
    if (r.isEmpty())
        return;
    color |= 0xFF000000u;
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::fill_n(m_pixels.line(y) + r.left(), r.width(), color);
}

void RasterSurface::fillSpans(int top, int bottom, const Spans& spans)
{
    const int first = std::max(top + m_shift.y(), m_clip.top());
    const int last = std::min(bottom + m_shift.y(), m_clip.bottom() + 1);
    if (first >= last)
        return;
    // The spans in image pixels, cut to the clip once for all rows.
    m_cut.clear();
    bool joined = true;
    for (const Span& span : spans) {
        joined = joined && (m_cut.empty() || span.left + m_shift.x() == m_cut.back().right);
        const int left = std::max(span.left + m_shift.x(), m_clip.left());
        const int right = std::min(span.right + m_shift.x(), m_clip.right() + 1);
        if (left < right)
            m_cut.push_back({left, right, span.color | 0xFF000000u});
    }
    if (m_cut.empty())
        return;
    const auto fillLine = [this](quint32* line) {
        for (const Span& span : m_cut) {
            if (span.right - span.left == 1)
                line[span.left] = span.color;
            else
                std::fill(line + span.left, line + span.right, span.color);
        }
    };
    if (!joined) {
        for (int y = first; y < last; ++y)
            fillLine(m_pixels.line(y));
        return;
    }
    // Spans that join into one run are written once and copied to the other rows.
    quint32* const written = m_pixels.line(first);
    fillLine(written);
    const int left = m_cut.front().left;
    const int right = m_cut.back().right;
    for (int y = first + 1; y < last; ++y)
        std::copy(written + left, written + right, m_pixels.line(y) + left);
}

void RasterSurface::setSymbolFont(SymbolSize size, const QString& family, int pixelSize)
{
    m_glyphs[size].setFont(family, pixelSize);
}

void RasterSurface::drawSymbol(SymbolSize size, const QPoint& topLeft, QChar symbol, quint32 color)
{
    m_glyphs[size].draw(m_pixels, m_clip, topLeft.x() + m_shift.x(), topLeft.y() + m_shift.y(), symbol, color | 0xFF000000u);
}
