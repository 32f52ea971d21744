#pragma once
#include "model/Design.h"
#include <memory>

// Designs for the real preview's tests.
namespace PreviewDesigns {
constexpr TColorRef kRed = 0x2020D0;
constexpr TColorRef kGreen = 0x30A040;
constexpr TColorRef kBlue = 0xC04010;
// In no colour table: the preview draws any colour it meets.
constexpr TColorRef kStray = 0x10C0C0;

// 8 x 6 cells with crosses, quarters (also over crosses and alone), french knots on edges and
// corners, back stitches of every direction (long ones, a vertical, a zero-length one) and a
// rhode, so that every layer crosses the edges of most rectangles.
std::unique_ptr<Design> everyKind();

void addBackStitch(Design& d, QPoint from, QPoint to, TColorRef color);
void addKnot(Design& d, QPoint center, TColorRef color);
void setQuarter(Design& d, int qx, int qy, TColorRef color);
} // namespace PreviewDesigns
