#pragma once
#include "imaging/ColorValues.h"
#include <QString>

// One run of equal full-stitch cells in one design row, for the stitch steps list.
struct TStitchListItem
{
    int Row = 0;             // design row counted from 1
    int Count = 0;           // run length
    TColorRef Color = 0;
    QString Symbol;
    TColor32 SymbolColor = 0;
    QString ColorName;
    bool isBackgroud = false; // a run of empty cells; the colour data is then not filled
};
