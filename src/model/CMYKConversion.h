#pragma once
#include "model/TCMYK.h"
#include <QString>

// The conversions between thread colours and ink percentages, in double precision, every
// fraction taken to an integer with rnd (ties to even).
namespace CMYKConversion {
// The computed print value of a thread colour; its RGBColor is the colour itself.
TCMYK fromColor(TColorRef color);
// The colour that the percentages print as.
TColorRef toColor(int c, int m, int y, int k);
// A correction made of percentages, with the colour they print as.
TCMYK correction(int c, int m, int y, int k);

// "C,M,Y,K" as the correction table shows and reads it.
QString text(const TCMYK& value);
// "#RRGGBB" in capitals.
QString hashText(TColorRef color);
} // namespace CMYKConversion
