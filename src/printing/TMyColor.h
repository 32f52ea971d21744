#pragma once
#include "imaging/ColorValues.h"
#include "printing/PrintTypes.h"
#include <QString>

// One key entry: a colour's full stitches (ctCross) or its back stitches (ctBack).
struct TMyColor
{
    QString Name;
    TColorRef Color = 0;
    QString Symbol;          // the colour's symbol character; empty when it has none
    int Count = 0;           // full stitches, or for ctBack the summed back-stitch length
    TColor32 SymbolColor = 0; // black or white text on the colour; not set for ctBack
    TColorType ColorType = ctCross;
};
