#pragma once
#include "editing/tools/ToolPointer.h"
#include "view/ViewGeometry.h"

class Design;

// Turns a pixel of the work view into the grid positions the tools take: the cell, the quarter
// cell and the nearest half-cell grid point under it (ViewGeometry's rules), the pixel in the
// whole design, and the cell size.
namespace PointerMapping {
ToolPointer at(const ViewGeometry& geometry, const QPoint& viewPixel, const Design& design);
} // namespace PointerMapping
