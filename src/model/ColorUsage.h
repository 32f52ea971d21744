#pragma once
#include "imaging/ColorValues.h"
#include <utility>
#include <vector>

class Design;

// The counts of the colour table against the stitches.
namespace ColorUsage {
// Recounts every colour from the layers and lists: full stitches 1 each, two quarters one
// (rounded up), back stitches and rhode stitches their length, french knots 1 each. Marks the
// symbols in use, renders the symbols of the used colours and sets usedColors. A stitch colour
// that is not in the colour table gets a nameless entry without symbol, so nothing is lost;
// returns how many such entries were added.
int CalcColorUsage(Design& design);

// Stitched cells per colour, for a reader that counted them while it built the layers.
struct LayerCounts
{
    std::vector<std::pair<TColorRef, qint64>> cross;
    std::vector<std::pair<TColorRef, qint64>> quarters;
};
// The same recount with the layers' counts given instead of counted again.
int CalcColorUsage(Design& design, const LayerCounts& counted);

// The two transitions: a colour's count rising from 0, and falling to 0.
void colorBecameUsed(Design& design, TColorRef color);
void colorBecameUnused(Design& design, TColorRef color, bool resort);

// Makes sure a stitch colour is a key of the colour table (see CalcColorUsage).
bool ensureColor(Design& design, TColorRef color);
} // namespace ColorUsage
