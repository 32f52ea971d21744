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

bool RasterSurface::suits(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image)
        return false;
    const auto* image = static_cast<const QImage*>(device);
    const QImage::Format f = image->format();
    if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 && f != QImage::Format_ARGB32_Premultiplied)
        return false;
    const QTransform t = painter.deviceTransform();
    if (t.type() > QTransform::TxTranslate || !whole(t.dx()) || !whole(t.dy()))
        return false;
    return !painter.hasClipping() || painter.clipRegion().rectCount() <= 1;
}

void RasterSurface::begin(QPainter& painter, const QRect& clip)
{
    auto* image = static_cast<QImage*>(painter.device());
    m_pixels = FramePixels(*image);
    const QTransform t = painter.deviceTransform();
    m_shift = QPoint(int(t.dx()), int(t.dy()));
    QRect allowed = clip;
    if (painter.hasClipping())
        allowed &= painter.clipRegion().boundingRect();
    m_clip = allowed.translated(m_shift) & image->rect();
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

void RasterSurface::setSymbolFont(SymbolSize size, const QString& family, int pixelSize)
{
    m_glyphs[size].setFont(family, pixelSize);
}

void RasterSurface::drawSymbol(SymbolSize size, const QPoint& topLeft, QChar symbol, quint32 color)
{
    m_glyphs[size].draw(m_pixels, m_clip, topLeft.x() + m_shift.x(), topLeft.y() + m_shift.y(), symbol, color | 0xFF000000u);
}
