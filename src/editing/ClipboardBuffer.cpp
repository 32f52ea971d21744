#include "editing/ClipboardBuffer.h"
#include <algorithm>

void ClipboardBuffer::reset(int width, int height, TColor32 backgroundValue)
{
    clear();
    background = backgroundValue;
    width = std::max(1, width);
    height = std::max(1, height);
    bitmap = TBitmap32(width, height, background);
    qbitmap = TBitmap32(2 * width, 2 * height, background);
}

void ClipboardBuffer::clear()
{
    bitmap.Clear();
    qbitmap.Clear();
    BackStitches.clear();
    Rhodes.clear();
    FrenchKnots.clear();
}
