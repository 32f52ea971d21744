#pragma once
#include "imaging/ColorValues.h"
#include <QChar>
#include <optional>

// One row of the colour list: a colour, its symbol, and whether it has stitches (its symbol is
// rendered in the symbol cache exactly then).
struct TColorSymbols
{
    TColorRef Color = 0;
    std::optional<QChar> Symbol;
    bool SymbolBitmap = false;

    bool operator==(const TColorSymbols&) const = default;
};
