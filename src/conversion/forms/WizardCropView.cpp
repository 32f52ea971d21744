#include "conversion/forms/WizardCropView.h"
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {
constexpr double kGrip = 5.0;
}

WizardCropView::WizardCropView(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void WizardCropView::setPicture(const QImage& picture)
{
    m_picture = picture;
    setFixedSize(picture.size());
    update();
}

void WizardCropView::setFrame(const QRectF& frame)
{
    m_frame = frame;
    update();
}

void WizardCropView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, m_picture);
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(m_frame.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    const QRectF f = m_frame;
    for (const QPointF& c : {f.topLeft(), f.topRight(), f.bottomLeft(), f.bottomRight(), QPointF(f.center().x(), f.top()),
             QPointF(f.center().x(), f.bottom()), QPointF(f.left(), f.center().y()), QPointF(f.right(), f.center().y())})
        p.drawRect(QRectF(c.x() - 3, c.y() - 3, 6, 6));
}

// Near a corner: that corner; near an edge: that edge; inside: the whole frame.
std::optional<TDragKind> WizardCropView::kindAt(const QPointF& pos) const
{
    const QRectF f = m_frame;
    const bool left = std::abs(pos.x() - f.left()) <= kGrip, right = std::abs(pos.x() - f.right()) <= kGrip;
    const bool top = std::abs(pos.y() - f.top()) <= kGrip, bottom = std::abs(pos.y() - f.bottom()) <= kGrip;
    const bool withinX = pos.x() >= f.left() - kGrip && pos.x() <= f.right() + kGrip;
    const bool withinY = pos.y() >= f.top() - kGrip && pos.y() <= f.bottom() + kGrip;
    if (!withinX || !withinY)
        return std::nullopt;
    if (top && left)
        return dkTopLeft;
    if (top && right)
        return dkTopRight;
    if (bottom && left)
        return dkBottomLeft;
    if (bottom && right)
        return dkBottomRight;
    if (left)
        return dkLeft;
    if (right)
        return dkRight;
    if (top)
        return dkTop;
    if (bottom)
        return dkBottom;
    return dkMove;
}

QRectF WizardCropView::proposal(const QPointF& pos) const
{
    const QPointF d = pos - m_pressed;
    QRectF r = m_pressedFrame;
    if (*m_drag == dkMove)
        return r.translated(d);
    if (dragsLeft(*m_drag))
        r.setLeft(r.left() + d.x());
    if (dragsRight(*m_drag))
        r.setRight(r.right() + d.x());
    if (dragsTop(*m_drag))
        r.setTop(r.top() + d.y());
    if (dragsBottom(*m_drag))
        r.setBottom(r.bottom() + d.y());
    return r;
}

void WizardCropView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_drag = kindAt(event->position());
    m_pressed = event->position();
    m_pressedFrame = m_frame;
}

void WizardCropView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_drag) {
        const auto kind = kindAt(event->position());
        setCursor(!kind ? Qt::ArrowCursor : *kind == dkMove ? Qt::SizeAllCursor : Qt::CrossCursor);
        return;
    }
    if (frameDragged)
        frameDragged(*m_drag, proposal(event->position()));
}

void WizardCropView::mouseReleaseEvent(QMouseEvent*)
{
    m_drag.reset();
}
