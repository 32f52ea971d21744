#pragma once
#include "editing/tools/TwoPointTool.h"

// The line, rectangle and circle tools (modLine, modRectangle, modCircle): two clicks on cells
// with 0 <= x <= W and 0 <= y <= H give the shape's cells (ShapeCells, with the pen size and,
// for rectangles and circles, the fill mode), drawn in the drawing colour as one line record.
//
//   waiting for the first --press at c--> first c
//   line:   --press at c--> the line is drawn; waiting for the first when c is the first
//           point, else the polyline goes on from c (clicking its last cell again ends it and
//           records nothing, since it changes nothing)
//   shapes: --press at c--> the shape is drawn; waiting for the first
//
// Escape drops the line's first point; a rectangle's or circle's first point stays. While a
// first point is set, the preview shows the cells the next click would draw.
class ShapeTool : public TwoPointTool
{
public:
    enum class Shape { line, rectangle, circle };

    explicit ShapeTool(Shape shape) : TwoPointTool(ToolGrid::cells, shape != Shape::line), m_shape(shape) {}

    bool cancelsOnEscape() const override { return m_shape == Shape::line; }

    // The cells between two clicked cells with the context's pen size and fill mode.
    QList<QPoint> cells(const ToolContext& context, const QPoint& first, const QPoint& second) const;

protected:
    bool accepts(const ToolContext& context, const ToolPointer& pointer) const override;
    Next commit(ToolContext& context, const QPoint& first, const QPoint& second, const ToolPointer& pointer) override;
    ToolPreview previewOf(const ToolContext& context, const QPoint& first, const ToolPointer& pointer) const override;

private:
    Shape m_shape;
};
