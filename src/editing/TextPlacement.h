#pragma once
#include "imaging/ColorValues.h"
#include "model/Status.h"
#include <QSize>

class ClipboardBuffer;
class Design;
class QImage;

// Placing a text's stitches in the design.
namespace TextPlacement {
// Grows the design to hold a text of `size` stitches at its top left: new columns on the right,
// rows at the bottom, one undo step. Nothing changes when it already fits; a size beyond the
// design limits is refused with a message naming them.
Status enlargeFor(Design& design, const QSize& size);

// The buffer becomes the text alone: a full stitch of `color` for every ink pixel of the mask,
// empty quarters of twice the size and no back stitches, rhodes or knots. `background` is the
// design's background value.
void fillBuffer(ClipboardBuffer& buffer, const QImage& mask, TColorRef color, TColor32 background);
} // namespace TextPlacement
