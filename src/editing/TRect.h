#pragma once

// A rectangle of cells as the selection keeps it: the cells Left .. Right - 1 and
// Top .. Bottom - 1 (right and bottom exclusive). It may lie partly outside the design.
struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int width() const { return Right - Left; }
    int height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};
