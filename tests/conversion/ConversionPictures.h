#pragma once
#include "imaging/TBitmap32.h"
#include "model/UTypes.h"
#include <QList>
#include <vector>

// Small pictures and palettes for the conversion tests, written as tables of values.
namespace ConversionPictures {
constexpr TColorRef grey(int v) { return makeColorRef(v, v, v); }

// An opaque picture (as a decoder gives it) from rows of thread colour values.
TBitmap32 picture(const std::vector<std::vector<TColorRef>>& rows);
// The same from rows of grey values.
TBitmap32 greys(const std::vector<std::vector<int>>& rows);

// The picture's colours as rows of thread colour values, and as greys (red channel).
std::vector<std::vector<TColorRef>> colorsOf(const TBitmap32& bitmap);
std::vector<std::vector<int>> greysOf(const TBitmap32& bitmap);

// A palette of greys, in the order given.
TColorTable greyPalette(const QList<int>& values);
// Greys 0..99 and 161..255: a grey inside the gap is matched with an error, every grey outside
// it exactly, so a cell outside the gap shows exactly the error it received.
TColorTable gapPalette();
} // namespace ConversionPictures
