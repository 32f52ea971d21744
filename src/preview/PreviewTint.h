#pragma once
#include "imaging/ColorValues.h"
#include "imaging/TBitmap32.h"

// Tinting: a grey texture pixel multiplied by a thread colour, channel by channel, each product
// shifted right by 8. Pixels are ARGB (TColor32) and colours thread colour values, so the red
// byte of one meets the red byte of the other. The result is opaque.
//
// A tinted pixel is never magenta (a red or blue channel reaches at most 254), so magenta stays
// the one transparent value after tinting.
namespace PreviewTint {
constexpr TColor32 kMagenta = 0xFFFF00FFu;

constexpr bool isMagenta(TColor32 p)
{
    return (p | 0xFF000000u) == kMagenta;
}

constexpr TColor32 tint(TColor32 p, TColorRef c)
{
    const TColor32 r = (((p >> 16) & 0xFF) * TColor32(redOf(c))) >> 8;
    const TColor32 g = (((p >> 8) & 0xFF) * TColor32(greenOf(c))) >> 8;
    const TColor32 b = ((p & 0xFF) * TColor32(blueOf(c))) >> 8;
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// Every pixel tinted (the fabric) or every pixel but the magenta ones (threads).
void tintAll(TBitmap32& image, TColorRef c);
void tintThread(TBitmap32& image, TColorRef c);

// `source` drawn over `target` at (x, y), its magenta pixels left out.
void drawTransparent(TBitmap32& target, const TBitmap32& source, int x, int y);
} // namespace PreviewTint
