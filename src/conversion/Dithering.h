#pragma once
#include "conversion/DitherKernel.h"
#include "imaging/TBitmap32.h"
#include "model/UTypes.h"

class ConversionProgress;
class PaletteMatching;

// Error diffusion onto a palette, thresholded by a level: a pixel passes its error on only when
// the distance to its chosen colour exceeds 1.2 times the level, so the level moves the result
// from plain nearest-colour mapping (level = the largest matching distance) to full diffusion
// (level 0).
//
// Rows run top to bottom, pixels always left to right. A share of error goes only to neighbours
// inside the picture that are neither in its last column nor in its last row; shares are
// truncated toward zero and every channel is clamped to 0..255.
namespace Dithering {
// The level of the dithering slider (0..100): position 0 gives MaxLevelDithering, 100 gives 0.
double levelFromPosition(int position, double MaxLevelDithering);

// One pass over the bitmap: every pixel becomes its nearest colour of the map. Progress: a
// pass of trunc((height - 1) / 10) + 1 steps, one step every ten rows. Returns false when the
// progress callback cancelled; the bitmap is then unchanged. An empty map changes nothing.
bool DitherBitmap(TBitmap32& bitmap, const TColorTable& map, DitherMethod K, double FLevelDithering,
    ConversionProgress* progress = nullptr);

// Counts the pixels of the bitmap into the map; a colour that is not a key counts for its
// nearest key.
void FillPaletteDic(const TBitmap32& bitmap, TColorTable& map);

// Recompute(N) with a kernel: dither with the whole palette, count, and when N is below
// MaxColorsPossible keep the N most used colours (never one without pixels) and dither again
// with those. PaletteDic then holds the counts of the full pass and ReducedPaletteDic the kept
// colours with the counts of the reduced pass; when the full pass is the result,
// ReducedPaletteDic holds the colours present in it, most used first. On cancel nothing
// changes and false is returned.
bool recompute(PaletteMatching& matching, const TBitmap32& ImageResized, int N, DitherMethod K,
    double FLevelDithering, TBitmap32& ImageFinal, ConversionProgress* progress = nullptr);
} // namespace Dithering
