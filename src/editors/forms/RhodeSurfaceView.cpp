#include "editors/forms/RhodeSurfaceView.h"
#include "editors/RhodeShapeEditor.h"
#include <QMouseEvent>
#include <QPainter>

RhodeSurfaceView::RhodeSurfaceView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Image"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RhodeSurfaceView::setSurface(const QImage& surface)
{
    m_surface = surface;
    setFixedSize(surface.size());
    update();
}

void RhodeSurfaceView::setPending(const std::optional<QLine>& line)
{
    if (line == m_pending)
        return;
    QRect dirty;
    if (m_pending)
        dirty = RhodeShapeEditor::pendingBounds(*m_pending);
    if (line)
        dirty |= RhodeShapeEditor::pendingBounds(*line);
    m_pending = line;
    update(dirty);
}

QImage RhodeSurfaceView::composed() const
{
    QImage image = m_surface.copy();
    if (m_pending) {
        QPainter painter(&image);
        RhodeShapeEditor::paintPending(painter, *m_pending);
    }
    return image;
}

void RhodeSurfaceView::paintEvent(QPaintEvent* event)
{
    const QRect area = event->rect();
    QPainter painter(this);
    painter.drawImage(area, m_surface, area);
    if (m_pending && area.intersects(RhodeShapeEditor::pendingBounds(*m_pending))) {
        painter.setClipRect(area);
        RhodeShapeEditor::paintPending(painter, *m_pending);
    }
}

void RhodeSurfaceView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT pressed(event->position());
}

void RhodeSurfaceView::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT moved(event->position());
}
