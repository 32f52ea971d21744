#pragma once
#include "editing/TRect.h"
#include "view/ChartRenderer.h"
#include "view/ViewGeometry.h"
#include "view/ViewOptions.h"
#include <QAbstractScrollArea>

class Design;
class SelectionSession;

// The work view: the open design at the current zoom, scrolled by whole cells. It keeps one
// rendered frame of its own size and re-renders only the rectangles that change; the pixels
// come from the core's ChartRenderer. Pointer events leave as view pixels for the tools.
class TWorkView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit TWorkView(QWidget* parent = nullptr);

    void setDesign(Design* design);
    void setZoom(int zoom, bool knitting);
    void setGridVisible(bool visible);
    void setSymbolsVisible(bool visible);
    void setBackStitchesVisible(bool visible);
    void setHighlight(bool on, TColorRef color);
    // The shadow picture over the chart at an opacity 0..255; a null picture takes it away.
    void setShadow(const QImage& picture, int opacity);

    const ViewGeometry& geometry() const { return m_geometry; }
    const ViewOptions& options() const { return m_options; }
    int cellWidth() const { return m_geometry.CellWidth; }
    int cellHeight() const { return m_geometry.CellHeight; }
    void scrollTo(int h, int v);

    // Repaints after a change of the design: one cell, one quarter, or everything.
    void cellChanged(int x, int y);
    void quarterChanged(int qx, int qy);
    // A batch of changes: every cell of the rectangle is rendered again, in one pass.
    void cellsChanged(const QRect& cells);
    void redrawAll();
    // Back stitches or rhodes were added, removed or moved.
    void stitchesChanged();
    // The tool's preview, drawn over the design; only the pixels it leaves and covers repaint.
    void setPreview(const ToolPreview& preview);

    // The window's selection: its floating content and, while it is shown, its frame over
    // everything. Call selectionChanged() after the frame moved or the content changed.
    void setSelection(const SelectionSession* selection);
    void selectionChanged();
    // The frame's stipple moves on one phase; only the frame's pixels repaint.
    void advanceStipple();
    int stipplePhase() const { return m_phase; }

    // The rendered frame (tests compare its pixels).
    const QImage& frame();

Q_SIGNALS:
    void pointerPressed(const QPoint& pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void pointerMoved(const QPoint& pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void pointerReleased(const QPoint& pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void zoomRequested(int steps);
    void scrolled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void updateScrollRanges();
    void renderRegion(const QRect& region);
    void repaintRect(const QRect& rect);
    void ensureFrame();
    QRegion shownFrameRegion() const;

    Design* m_design = nullptr;
    ViewGeometry m_geometry;
    ViewOptions m_options;
    ChartRenderer m_renderer;
    QImage m_frame;
    bool m_frameValid = false;
    int m_phase = 0;
    // The selection as it was last shown, to repaint where it leaves.
    struct ShownSelection
    {
        bool frame = false;
        bool floating = false;
        TRect rect;
    } m_shown;
};
