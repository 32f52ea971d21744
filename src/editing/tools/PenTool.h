#pragma once
#include "editing/tools/PenStrokeTool.h"

// The pen (modDraw): full stitches in the drawing colour under the pen footprint. Unless full
// and quarter stitches may share a cell, each cell it writes loses its quarters.
class PenTool : public PenStrokeTool
{
protected:
    TMode mode() const override { return modDraw; }
    QPoint centreOf(const ToolPointer& pointer) const override { return pointer.cell; }
    bool centreInside(const ToolPointer& pointer) const override { return pointer.cellInside; }
    void paint(const CellCoexistence& rule, const QPoint& cell, bool skipTouched) override;
};
