#include "view/forms/TWorkView.h"
#include "editing/SelectionSession.h"
#include "model/Design.h"
#include "view/SelectionLayer.h"
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

TWorkView::TWorkView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("Image"));
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setSingleStep(1);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &TWorkView::scrolled);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TWorkView::scrolled);
}

void TWorkView::setDesign(Design* design)
{
    m_design = design;
    m_renderer.invalidateStitchIndex();
    updateScrollRanges();
    redrawAll();
}

void TWorkView::setZoom(int zoom, bool knitting)
{
    m_options.zoom = zoom;
    m_geometry = ViewGeometry::forZoom(zoom, knitting, m_geometry.h, m_geometry.v);
    updateScrollRanges();
    redrawAll();
}

void TWorkView::setGridVisible(bool visible)
{
    m_options.grid = visible;
    redrawAll();
}

void TWorkView::setSymbolsVisible(bool visible)
{
    m_options.symbols = visible;
    redrawAll();
}

void TWorkView::setBackStitchesVisible(bool visible)
{
    m_options.backStitches = visible;
    redrawAll();
}

void TWorkView::setHighlight(bool on, TColorRef color)
{
    m_options.highlight = on;
    m_options.highlightColor = color;
    redrawAll();
}

void TWorkView::setShadow(const QImage& picture, int opacity)
{
    m_options.shadow = picture;
    m_options.shadowOpacity = opacity;
    redrawAll();
}

void TWorkView::scrollTo(int h, int v)
{
    horizontalScrollBar()->setValue(h);
    verticalScrollBar()->setValue(v);
}

void TWorkView::updateScrollRanges()
{
    const int w = m_design ? m_design->width() : 0;
    const int h = m_design ? m_design->height() : 0;
    horizontalScrollBar()->setRange(0, std::max(0, w - 1));
    verticalScrollBar()->setRange(0, std::max(0, h - 1));
    horizontalScrollBar()->setPageStep(std::max(1, viewport()->width() / m_geometry.CellWidth));
    verticalScrollBar()->setPageStep(std::max(1, viewport()->height() / m_geometry.CellHeight));
    m_geometry.h = horizontalScrollBar()->value();
    m_geometry.v = verticalScrollBar()->value();
}

void TWorkView::redrawAll()
{
    m_frameValid = false;
    viewport()->update();
}

void TWorkView::stitchesChanged()
{
    m_renderer.invalidateStitchIndex();
    redrawAll();
}

void TWorkView::setPreview(const ToolPreview& preview)
{
    if (preview == m_options.preview)
        return;
    const QRect before = ChartRenderer::previewRect(m_options.preview, m_geometry);
    m_options.preview = preview;
    if (!m_frameValid)
        return;
    for (const QRect& changed : {before, ChartRenderer::previewRect(preview, m_geometry)}) {
        const QRect rect = changed.intersected(m_frame.rect());
        if (rect.isEmpty())
            continue;
        renderRegion(rect);
        viewport()->update(rect);
    }
}

void TWorkView::setSelection(const SelectionSession* selection)
{
    m_options.selection = selection;
    m_shown = {};
    selectionChanged();
    redrawAll();
}

QRegion TWorkView::shownFrameRegion() const
{
    return m_shown.frame ? SelectionLayer::frameRegion(m_shown.rect, m_geometry) : QRegion();
}

void TWorkView::selectionChanged()
{
    const SelectionSession* s = m_options.selection;
    const ShownSelection now{s && s->frameShown(), s && s->floating(), s ? s->SelectionRect() : TRect{}};
    viewport()->update(shownFrameRegion());
    // Floating content is part of the rendered frame: where it was and where it is now.
    for (const ShownSelection& content : {m_shown, now}) {
        if (content.floating)
            repaintRect(SelectionLayer::frameRect(content.rect, m_geometry).adjusted(-3, -3, 3, 3));
    }
    m_shown = now;
    viewport()->update(shownFrameRegion());
}

void TWorkView::advanceStipple()
{
    m_phase = (m_phase + 1) % SelectionLayer::kPhases;
    viewport()->update(shownFrameRegion());
}

void TWorkView::renderRegion(const QRect& region)
{
    if (m_design)
        m_renderer.render(m_frame, region, *m_design, m_geometry, m_options);
    else
        m_frame.fill(ChartRenderer::kOutside);
}

void TWorkView::ensureFrame()
{
    // One pixel more each way than the view, so a cell cut by the edge is whole in the frame.
    const QSize size = viewport()->size() + QSize(1, 1);
    if (m_frame.size() != size) {
        m_frame = QImage(size, QImage::Format_RGB32);
        m_frameValid = false;
    }
    if (!m_frameValid) {
        renderRegion(m_frame.rect());
        m_frameValid = true;
    }
}

const QImage& TWorkView::frame()
{
    ensureFrame();
    return m_frame;
}

void TWorkView::repaintRect(const QRect& rect)
{
    if (!m_frameValid)
        return;
    const QRect inside = rect.intersected(m_frame.rect());
    if (inside.isEmpty())
        return;
    renderRegion(inside);
    viewport()->update(inside);
}

void TWorkView::cellChanged(int x, int y)
{
    repaintRect(ChartRenderer::cellRepaintRect(m_geometry, x, y));
}

void TWorkView::quarterChanged(int qx, int qy)
{
    repaintRect(ChartRenderer::quarterRepaintRect(m_geometry, qx, qy));
}

void TWorkView::cellsChanged(const QRect& cells)
{
    if (cells.isEmpty())
        return;
    repaintRect(ChartRenderer::cellRepaintRect(m_geometry, cells.left(), cells.top())
                    .united(ChartRenderer::cellRepaintRect(m_geometry, cells.right(), cells.bottom())));
}

void TWorkView::paintEvent(QPaintEvent* event)
{
    ensureFrame();
    QPainter painter(viewport());
    painter.drawImage(event->rect(), m_frame, event->rect());
    if (m_shown.frame)
        SelectionLayer::drawFrame(painter, m_shown.rect, m_geometry, m_phase, event->rect());
}

void TWorkView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRanges();
    redrawAll();
}

void TWorkView::scrollContentsBy(int, int)
{
    m_geometry.h = horizontalScrollBar()->value();
    m_geometry.v = verticalScrollBar()->value();
    redrawAll();
}

void TWorkView::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT pointerPressed(event->position().toPoint(), event->buttons(), event->modifiers());
}

void TWorkView::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT pointerMoved(event->position().toPoint(), event->buttons(), event->modifiers());
}

void TWorkView::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT pointerReleased(event->position().toPoint(), event->buttons(), event->modifiers());
}

void TWorkView::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (event->modifiers() & Qt::ControlModifier) {
        if (steps != 0)
            Q_EMIT zoomRequested(steps);
    } else if (event->modifiers() & Qt::ShiftModifier) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - 3 * steps);
    } else {
        verticalScrollBar()->setValue(verticalScrollBar()->value() - 3 * steps);
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - event->angleDelta().x() / 40);
    }
    event->accept();
}
