#include "view/forms/TWorkView.h"
#include "model/Design.h"
#include <QPainter>
#include <QScrollBar>

TWorkView::TWorkView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("Image"));
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void TWorkView::setDesign(Design* design)
{
    m_design = design;
    updateScrollRanges();
    viewport()->update();
}

void TWorkView::setCellSize(int width, int height)
{
    m_cellWidth = std::max(1, width);
    m_cellHeight = std::max(1, height);
    updateScrollRanges();
    viewport()->update();
}

void TWorkView::setGridVisible(bool visible)
{
    m_grid = visible;
    viewport()->update();
}

void TWorkView::updateScrollRanges()
{
    const int w = m_design ? m_design->width() : 0;
    const int h = m_design ? m_design->height() : 0;
    horizontalScrollBar()->setRange(0, std::max(0, w - 1));
    verticalScrollBar()->setRange(0, std::max(0, h - 1));
    horizontalScrollBar()->setPageStep(std::max(1, viewport()->width() / m_cellWidth));
    verticalScrollBar()->setPageStep(std::max(1, viewport()->height() / m_cellHeight));
}

void TWorkView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRanges();
}

void TWorkView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void TWorkView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), QColor(0x7F, 0x7F, 0x7F));
    if (!m_design || m_design->CrossLayer.empty())
        return;
    const int h = horizontalScrollBar()->value();
    const int v = verticalScrollBar()->value();
    const int columns = std::min(viewport()->width() / m_cellWidth + 1, m_design->width() - h);
    const int rows = std::min(viewport()->height() / m_cellHeight + 1, m_design->height() - v);
    if (columns <= 0 || rows <= 0)
        return;
    QImage cells = m_design->CrossLayer.image().copy(h, v, columns, rows).convertToFormat(QImage::Format_RGB32);
    painter.drawImage(QRect(0, 0, columns * m_cellWidth, rows * m_cellHeight), cells);
    if (!m_grid)
        return;
    painter.setPen(QColor(0x80, 0x80, 0x80));
    for (int c = 0; c < columns; ++c)
        painter.drawLine(c * m_cellWidth, 0, c * m_cellWidth, rows * m_cellHeight - 1);
    for (int r = 0; r < rows; ++r)
        painter.drawLine(0, r * m_cellHeight, columns * m_cellWidth - 1, r * m_cellHeight);
}
