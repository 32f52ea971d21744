#include "editing/forms/TextPreview.h"
#include <QPaintEvent>
#include <QPainter>

TextPreview::TextPreview(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ImagePreview"));
}

void TextPreview::display(const QImage& mask, QRgb ink, QRgb background, int zoom)
{
    m_zoom = std::max(1, zoom);
    m_picture = QImage(mask.size(), QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y) {
        const uchar* in = mask.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(m_picture.scanLine(y));
        for (int x = 0; x < mask.width(); ++x)
            out[x] = in[x] ? ink : background;
    }
    setFixedSize(mask.isNull() ? QSize(1, 1) : mask.size() * m_zoom);
    update();
}

void TextPreview::paintEvent(QPaintEvent* event)
{
    if (m_picture.isNull())
        return;
    // The stitches under the exposed rectangle, drawn as blocks.
    const QRect area = event->rect();
    const QRect stitches = QRect(QPoint(area.left() / m_zoom, area.top() / m_zoom),
        QPoint(area.right() / m_zoom, area.bottom() / m_zoom)).intersected(m_picture.rect());
    QPainter painter(this);
    painter.drawImage(QRect(stitches.topLeft() * m_zoom, stitches.size() * m_zoom), m_picture, stitches);
}
