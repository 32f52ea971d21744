#pragma once
#include "imaging/TBitmap32.h"
#include "model/Status.h"
#include "model/UTypes.h"
#include <QString>

class Design;

// Builds the design of a finished conversion: the result raster becomes the CrossLayer, the
// kept colours and then the whole palette the colour table, the chosen symbol set the symbol
// assignment, and the colour usage is counted from the layers.
namespace ConvertedDesign {
// `design` is a fresh one from the start-up initialisation. The colour table starts with the
// keys of ReducedPaletteDic in their order (the first is the drawing colour), followed by every
// other colour of the palette with count 0; every colour keeps the symbol index of its palette
// entry. Pixels of the result that hold no stitch (not stored as a stitch colour) become empty
// cells of the new background, opaque white. A result size outside the design limits is
// refused and leaves the design as it was.
Status build(Design& design, const TBitmap32& ImageFinal, const TColorTable& ReducedPaletteDic,
    const QString& paletteName, const QString& symbolSetName);
} // namespace ConvertedDesign
