#pragma once
// The two colour encodings of a design, and the conversions between them.
//
// A thread colour value (TColorRef) names one thread colour everywhere outside the stitch
// rasters: red in bits 0-7, green 8-15, blue 16-23, top byte zero. A TColor32 is a raster pixel
// in ARGB order (alpha 24-31, red 16-23, green 8-15, blue 0-7). The background of a design is an
// opaque TColor32 (alpha 255); a stitch is stored with alpha 0, so a white stitch (00FFFFFF)
// never equals a white background (FFFFFFFF).
#include <QtGlobal>

using TColorRef = quint32;
using TColor32 = quint32;

// A value that is never a thread colour: the "no colour found" answer of the colour searches.
constexpr TColorRef kNoColor = 0xFF000000u;

constexpr int redOf(TColorRef c) { return int(c & 0xFF); }
constexpr int greenOf(TColorRef c) { return int((c >> 8) & 0xFF); }
constexpr int blueOf(TColorRef c) { return int((c >> 16) & 0xFF); }

constexpr TColorRef makeColorRef(int r, int g, int b)
{
    return TColorRef(r & 0xFF) | (TColorRef(g & 0xFF) << 8) | (TColorRef(b & 0xFF) << 16);
}

// Background value of a colour the user picked: red and blue swapped, alpha 255.
constexpr TColor32 color32FromColorRef(TColorRef c)
{
    return 0xFF000000u | (TColor32(redOf(c)) << 16) | (TColor32(greenOf(c)) << 8) | TColor32(blueOf(c));
}

// The colour of a raster pixel as a thread colour value; the alpha byte is dropped.
constexpr TColorRef colorRefFromColor32(TColor32 v)
{
    return makeColorRef(int((v >> 16) & 0xFF), int((v >> 8) & 0xFF), int(v & 0xFF));
}

// How a stitch of thread colour c is stored in a raster: ARGB order with alpha 0.
constexpr TColor32 stitchPixel(TColorRef c)
{
    return (TColor32(redOf(c)) << 16) | (TColor32(greenOf(c)) << 8) | TColor32(blueOf(c));
}

// A value no layer pixel ever holds: stitches have alpha 0 and the background is opaque.
constexpr TColor32 kNoLayerPixel = 0x7F000000u;

// Colour of a thread colour value as the QRgb that Qt paints with (opaque).
constexpr quint32 rgbOf(TColorRef c) { return color32FromColorRef(c); }

// Lightness used to choose white or black text on a colour: (max + min) / 2, integer division.
constexpr int lightnessOf(TColorRef c)
{
    const int r = redOf(c), g = greenOf(c), b = blueOf(c);
    const int mx = r > g ? (r > b ? r : b) : (g > b ? g : b);
    const int mn = r < g ? (r < b ? r : b) : (g < b ? g : b);
    return (mx + mn) / 2;
}
