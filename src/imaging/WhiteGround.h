#pragma once
#include <QImage>

// Pictures are laid on white, the background of a new design, as soon as they are decoded: a
// transparent area of a picture is meant as "nothing there", and left as stored it would read as
// black (its colour bytes are usually 0) to every step that ignores alpha.
namespace WhiteGround {
// Makes `image` opaque Format_ARGB32, each pixel blended over white by its alpha (rounded to
// the nearest unit). An opaque picture keeps its pixels; the work is done in place.
void compose(QImage& image);
} // namespace WhiteGround
