#pragma once
#include "editing/TRect.h"
#include "view/ViewGeometry.h"
#include "view/ViewOptions.h"
#include <QImage>

class Design;

// The picture of a selection that Copy and Cut offer other programs: the selected cells that
// lie on the design, as the work view shows them (grid and symbols as set, no floating content
// or preview), at the view's cell size, made smaller when needed so that the longer side is at
// most kLongestSide pixels, but never below one pixel per cell.
namespace SelectionPicture {
constexpr int kLongestSide = 4096;

// The cell size the picture of `cells` columns x `rows` rows uses.
QSize cellSize(int columns, int rows, const ViewGeometry& view);
// A null image when the selection does not meet the design.
QImage render(const Design& design, const TRect& selection, const ViewGeometry& view, const ViewOptions& options);
} // namespace SelectionPicture
