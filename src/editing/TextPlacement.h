#pragma once
#include "model/Status.h"
#include <QSize>

class Design;

// Placing a text's stitches in the design.
namespace TextPlacement {
// Grows the design to hold a text of `size` stitches at its top left: new columns on the right,
// rows at the bottom, one undo step. Nothing changes when it already fits; a size beyond the
// design limits is refused with a message naming them.
Status enlargeFor(Design& design, const QSize& size);
} // namespace TextPlacement
