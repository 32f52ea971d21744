#include "shell/forms/GhostImage.h"
#include <QPaintEvent>
#include <QPainter>

GhostImage::GhostImage(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(false);
}

void GhostImage::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void GhostImage::setScale(double scale)
{
    m_scale = scale;
    update();
}

void GhostImage::setOffset(const QPoint& offset)
{
    m_offset = offset;
    update();
}

void GhostImage::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), Qt::gray);
    if (m_picture.isNull())
        return;
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QSizeF size(m_picture.width() * m_scale, m_picture.height() * m_scale);
    p.drawImage(QRectF(QPointF(m_offset), size), m_picture);
}

void GhostImage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Q_EMIT resized();
}
