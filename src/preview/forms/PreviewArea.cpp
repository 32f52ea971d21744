#include "preview/forms/PreviewArea.h"
#include "preview/PreviewRenderer.h"
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

PreviewArea::PreviewArea(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewArea::setRenderer(PreviewRenderer* renderer)
{
    m_renderer = renderer;
    pictureChanged();
}

void PreviewArea::pictureChanged()
{
    const QSize picture = m_renderer ? m_renderer->pictureSize() : QSize();
    const QSize shown = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, picture.width() - shown.width()));
    verticalScrollBar()->setRange(0, std::max(0, picture.height() - shown.height()));
    horizontalScrollBar()->setPageStep(shown.width());
    verticalScrollBar()->setPageStep(shown.height());
    const int step = m_renderer ? std::max(m_renderer->FCellWidth, 1) : 1;
    horizontalScrollBar()->setSingleStep(step);
    verticalScrollBar()->setSingleStep(step);
    viewport()->update();
}

void PreviewArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QSize picture = m_renderer ? m_renderer->pictureSize() : QSize();
    const QRect shownPicture = QRect(-scroll, picture).intersected(event->rect());
    for (const QRect& grey : QRegion(event->rect()).subtracted(shownPicture))
        painter.fillRect(grey, QColor::fromRgb(kOutside));
    if (shownPicture.isEmpty())
        return;
    QImage part(shownPicture.size(), QImage::Format_RGB32);
    m_renderer->DrawBitmap(part, shownPicture.translated(scroll));
    painter.drawImage(shownPicture.topLeft(), part);
}

void PreviewArea::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    pictureChanged();
}

void PreviewArea::scrollContentsBy(int, int)
{
    viewport()->update();
}

void PreviewArea::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta != 0)
        Q_EMIT wheelTurned(event->position().toPoint(), delta > 0 ? 1 : -1);
    event->accept();
}
