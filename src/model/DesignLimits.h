#pragma once
// The largest design the program makes, opens or converts. Every reader, dialog and command
// checks sizes against these before allocating: the quarter raster of the largest design
// already takes 256 MiB.
#include "model/Status.h"
#include "model/Translatable.h"
#include <QtGlobal>

namespace DesignLimits {
constexpr int kMaxSide = 32767;
#ifdef THREADWRIGHT_FUZZ_LIMITS
// Fuzz builds: a file may still claim any size, but building layers for millions of cells would
// hold every input for a tenth of a second; a small bound keeps thousands of inputs a second
// going through the same checks.
constexpr qint64 kMaxCells = 65536;
#else
constexpr qint64 kMaxCells = 16777216;
#endif

constexpr bool sizeAllowed(qint64 width, qint64 height)
{
    return width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide
        && width * height <= kMaxCells;
}

// The message for a size these limits refuse, naming them.
inline Status refusal()
{
    return Status::error(TRANSLATABLE("A design must be 1 to %1 cells wide and high, with at most %2 cells."),
        {QString::number(kMaxSide), QString::number(kMaxCells)});
}
} // namespace DesignLimits
