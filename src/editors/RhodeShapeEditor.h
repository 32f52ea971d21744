#pragma once
#include "model/Status.h"
#include "model/TRhode.h"
#include <QImage>
#include <QLine>
#include <QPointF>
#include <optional>

class QPainter;
class RhodeShapes;

// The rhodes editor's document: the shape library being edited, the shape shown on the drawing
// surface, the box size and zoom, the mode and the drawing tool. The window hands pointer
// positions in surface pixels to click() and pendingLine(), and shows what surface() paints.
//
// Protocol: select() a list item (or -1) shows a shape in modNone. beginNew() or beginEdit()
// enter modAdd or modEdit; clicks then draw or erase stitches of a working copy, which confirm()
// stores into the library (appended, or written over the edited shape) and cancel() drops, so
// the library changes only at confirm() and deleteSelected(). changed() tells whether the
// library must be saved when the editor closes.
class RhodeShapeEditor
{
public:
    enum TMode { modNone, modAdd, modEdit };
    enum class Tool { draw, erase };
    // Why confirm() refused the shape; the checks run in this order.
    enum class Refusal { none, noName, sameName, noStitches };

    static constexpr int kStartZoom = 50;
    static constexpr int kMinZoom = 2;
    // The longest side of the surface without its closing grid line: the surface stays at most
    // 4097 pixels a side.
    static constexpr int kMaxSurface = 4096;

    explicit RhodeShapeEditor(RhodeShapes& shapes);

    const RhodeShapes& shapes() const { return m_shapes; }
    TMode mode() const { return fMode; }
    Tool tool() const { return m_tool; }
    void setTool(Tool tool);
    // The shape on the surface: the working copy while adding or editing, else the selected
    // shape of the library; null when none is selected.
    const TRhode* current() const;
    int selected() const { return m_selected; }
    bool changed() const { return m_changed; }
    std::optional<QPoint> pendingStart() const { return m_pending; }

    bool canNew() const { return fMode == modNone; }
    bool canEdit() const;
    bool canDelete() const { return canEdit(); }
    // OK, Cancel, Draw and Erase.
    bool canConfirm() const { return fMode != modNone; }

    // Shows a library shape (or none for -1) and takes its box size; only in modNone.
    void select(int index);
    void beginNew();
    void beginEdit();
    Refusal confirm(const QString& name);
    void cancel();
    // Removes the selected shape when it is not original; nothing is selected afterwards.
    bool deleteSelected();

    // The box in cells and the zoom in pixels per cell. Setters clamp to the bounds below; a box
    // that grows lowers the zoom when the surface would pass its largest size.
    int cellsX() const { return fcellsX; }
    int cellsY() const { return fCellsY; }
    int zoom() const { return fZoom; }
    void setCellsX(int cells);
    void setCellsY(int cells);
    void setZoom(int zoom);
    // The smallest box that holds every stitch of the shape shown, at least 1 cell.
    int minCellsX() const;
    int minCellsY() const;
    int maxZoom() const;

    // The half-cell grid point under a surface pixel, kept inside the box.
    QPoint pointAt(const QPointF& pixel) const;
    // Where a grid point is drawn on the surface.
    QPoint pixelOf(const QPoint& point) const;
    // A press on the surface with the current tool; true when the stitches changed.
    bool click(const QPointF& pixel);
    // The line from the pending start point to the point under the pointer, in surface pixels.
    std::optional<QLine> pendingLine(const QPointF& pixel) const;

    QSize surfaceSize() const;
    // The surface: white, the grey grid and the stitches of the shape shown.
    QImage surface() const;
    // The pending line as the overlay draws it, and the pixels it covers.
    static void paintPending(QPainter& painter, const QLine& line);
    static QRect pendingBounds(const QLine& line);

    // Writes a library into the user's rhodes file `fileName`, making its folder first.
    static Status save(RhodeShapes& shapes, const QString& fileName);

private:
    void showShape(const TRhode* shape);
    void enterEditing(TMode mode, const TRhode& start);
    void fitZoom();
    bool erase(const QPointF& pixel);

    RhodeShapes& m_shapes;
    TMode fMode = modNone;
    Tool m_tool = Tool::draw;
    int fcellsX = 2;
    int fCellsY = 2;
    int fZoom = kStartZoom;
    int m_selected = -1;
    // The shape being added or edited; the library keeps its own until confirm().
    TRhode m_working;
    std::optional<QPoint> m_pending;
    bool m_changed = false;
};
