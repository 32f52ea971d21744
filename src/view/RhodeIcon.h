#pragma once
#include <QImage>

class TRhode;

// The 36 x 36 picture of a rhodes shape in the rhodes tool's menu and on its button: white, a
// grey ($808080) line at every cell boundary, and the shape's stitches 3 pixels wide in the
// colour value 2198006 (an orange). Half-cell coordinates are scaled by 35 div the largest X
// (and Y) coordinate of the shape, at least 1, so the shape fills the picture.
namespace RhodeIcon {
constexpr int kSize = 36;
QImage draw(const TRhode& shape);
} // namespace RhodeIcon
