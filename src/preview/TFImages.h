#pragma once
#include "imaging/TBitmap32.h"

// The grey textures the real preview is built from. They are drawn here in code, the same bytes
// on every run, and multiplied by a thread colour when used (see PreviewTint.h).
//
// Thread pixels are grey (R = G = B), mostly 200 to 255 with darker edges, so tinting gives the
// thread colour shaded; the opaque magenta kMagenta marks every transparent pixel. The fabric
// is opaque. Every pixel has alpha 255.
class TFImages
{
public:
    static constexpr TColor32 kMagenta = 0xFFFF00FFu;
    static constexpr int kSize = 97;
    static constexpr int kQuarterSize = 49;

    TBitmap32 ImageBackGround; // 97 x 97 even-weave fabric, holes at the cell corners
    TBitmap32 ImageCross;      // 97 x 97 two twisted strands corner to corner
    TBitmap32 ImageQuarter;    // 49 x 49 the same cross
    TBitmap32 ImageFrenchKnot; // 97 x 97 a round wrapped knot in the middle
    TBitmap32 ImageBack;       // 97 x 97 a horizontal strand with domed ends
    TBitmap32 ImageBackM;      // 97 x 97 the same strand from edge to edge

    // Draws all six; the program uses the one set of instance(), made on first use.
    TFImages();
    static const TFImages& instance();
};
