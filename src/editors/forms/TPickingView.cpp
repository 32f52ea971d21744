#include "editors/forms/TPickingView.h"
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
// The pulse of the outline: dark to light and back, in thread colour values.
constexpr TColorRef kPulse[12] = {0x030201, 0x61441A, 0x9C6D2A, 0xCF994B, 0xE0BD8B, 0xF0DEC6, 0xFDFAF7, 0xF0DEC6,
    0xE0BD8B, 0xCF994B, 0x9C6D2A, 0x61441A};
constexpr int kWheelNotch = 120;
} // namespace

TPickingView::TPickingView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("Image"));
    horizontalScrollBar()->setObjectName(QStringLiteral("HScroll"));
    verticalScrollBar()->setObjectName(QStringLiteral("VScroll"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setMouseTracking(true);
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % 12;
        viewport()->update();
    });
}

void TPickingView::setPicture(const TBitmap32& picture)
{
    m_picture = picture;
    m_shown = picture.image().convertToFormat(QImage::Format_RGB32);
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
}

void TPickingView::setCircle(bool circle)
{
    m_circle = circle;
    viewport()->update();
}

void TPickingView::setCursorSize(int size)
{
    m_size = std::clamp(size, 0, 100);
    viewport()->update();
}

QPoint TPickingView::pictureAt(const QPoint& viewportPixel) const
{
    return viewportPixel + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

// Each bar moves only when the picture is larger than the view that way; QScrollBar keeps the
// position within the range, so the view never runs past the picture.
void TPickingView::updateScrollBars()
{
    const QSize view = viewport()->size();
    const QSize picture(m_picture.width(), m_picture.height());
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setRange(0, std::max(0, picture.width() - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, picture.height() - view.height()));
    horizontalScrollBar()->setEnabled(picture.width() > view.width());
    verticalScrollBar()->setEnabled(picture.height() > view.height());
}

void TPickingView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().window());
    const QPoint origin(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    painter.drawImage(origin, m_shown);
    if (!m_inside)
        return;
    painter.setPen(QColor::fromRgb(rgbOf(kPulse[m_step])));
    const int half = m_size / 2;
    const QRect outline(m_at + origin - QPoint(half, half), QSize(2 * half, 2 * half));
    if (m_circle)
        painter.drawEllipse(outline);
    else
        painter.drawRect(outline);
}

void TPickingView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = pictureAt(event->position().toPoint());
    m_inside = m_picture.contains(at.x(), at.y());
    if (m_inside) {
        m_at = at;
        if (!m_timer.isActive())
            m_timer.start();
    } else {
        m_timer.stop();
    }
    viewport()->update();
}

void TPickingView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = pictureAt(event->position().toPoint());
    if (m_picture.contains(at.x(), at.y()))
        Q_EMIT picked(at);
}

void TPickingView::hideOutline()
{
    m_timer.stop();
    m_inside = false;
    viewport()->update();
}

// Leaving the picture's view, or closing the editor, stops the pulse.
bool TPickingView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave)
        hideOutline();
    return QAbstractScrollArea::viewportEvent(event);
}

void TPickingView::hideEvent(QHideEvent* event)
{
    hideOutline();
    QAbstractScrollArea::hideEvent(event);
}

// One notch changes the size by one; high-resolution wheels send parts of a notch, which add up.
void TPickingView::wheelEvent(QWheelEvent* event)
{
    m_wheel += event->angleDelta().y();
    const int notches = m_wheel / kWheelNotch;
    m_wheel %= kWheelNotch;
    if (notches != 0)
        Q_EMIT cursorSizeRequested(std::clamp(m_size + notches, 0, 100));
    event->accept();
}

void TPickingView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TPickingView::scrollContentsBy(int, int)
{
    viewport()->update();
}
