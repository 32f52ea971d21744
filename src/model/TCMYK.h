#pragma once
#include "imaging/ColorValues.h"
#include "model/OrderedMap.h"

// A print colour correction of one thread colour: the ink percentages 0..100 and the thread
// colour value they print as (red in the low byte).
struct TCMYK
{
    int C = 0;
    int M = 0;
    int Y = 0;
    int K = 0;
    TColorRef RGBColor = 0;

    bool operator==(const TCMYK&) const = default;
};

// The print colour corrections, keyed by the TColor32 of the thread colour (0xFFRRGGBB). The
// order is the order of the file, then of the corrections typed since: it is the order the file
// is written in, so saving twice writes the same bytes.
using TCMYKMap = OrderedMap<TColor32, TCMYK>;
