#pragma once
#include "editing/TRect.h"

class ClipboardBuffer;
class Design;

// What the selection does with the design and the application's clipboard buffer. The
// selection may lie partly outside the design: Copy and Cut take the part on the design (the
// rest of the buffer stays empty), Merge skips what falls outside.
//
// Back stitches and rhodes go with the content only while they are shown
// (`backStitchesVisible`); a back stitch or a rhode goes only when all its points lie on the
// selected part of the design, a knot when its centre does.
namespace SelectionOperations {
// The buffer becomes a copy of the selected content.
void Copy(const Design& design, ClipboardBuffer& buffer, const TRect& SelectionRect, bool backStitchesVisible);
// As Copy, and the content leaves the design in one cut record. False, with nothing recorded,
// when the selection held nothing.
bool Cut(Design& design, ClipboardBuffer& buffer, const TRect& SelectionRect, bool backStitchesVisible);
// Writes the buffer's content at the selection's top-left in one paste record; quarters win
// over a full stitch of the same cell. False, with nothing recorded, without a buffer or when
// nothing would change.
bool Merge(Design& design, const ClipboardBuffer& buffer, const TRect& SelectionRect);

// The transforms of floating content change the buffer only. The turns keep the selection's
// top-left and swap its width and height.
void MirrorHorizontal(ClipboardBuffer& buffer);
void MirrorVertical(ClipboardBuffer& buffer);
void RotateRight(ClipboardBuffer& buffer, TRect& SelectionRect);
void RotateLeft(ClipboardBuffer& buffer, TRect& SelectionRect);
} // namespace SelectionOperations
