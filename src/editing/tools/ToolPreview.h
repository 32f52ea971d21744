#pragma once
#include "imaging/ColorValues.h"
#include <QList>
#include <QPoint>

// What a tool shows over the design without writing it: lines between half-cell grid points
// (the back-stitch tool's rubber line, the outline of a rhode under the pointer) and whole cells
// (the line, rectangle and circle that the next click would draw). The view draws them on top
// of everything else, cells as plain rectangles; the design never holds them.
struct ToolPreview
{
    struct Line
    {
        QPoint from;
        QPoint to;
        TColorRef color = 0;
        int width = 1; // in screen pixels

        bool operator==(const Line&) const = default;
    };

    QList<Line> lines;
    QList<QPoint> cells;
    TColorRef cellColor = 0;

    bool isEmpty() const { return lines.isEmpty() && cells.isEmpty(); }
    bool operator==(const ToolPreview&) const = default;
};
