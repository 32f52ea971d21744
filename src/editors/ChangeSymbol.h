#pragma once
#include <vector>

class Design;
class TStitch;

// Giving the drawing colour another symbol of the design's symbol set. An index of the symbol
// string is in use when a colour with stitches (colorCount >= 1) has it; two colours may share
// one, so an index stays in use for the other colour when one of them leaves it. The change is
// not an undoable edit: it marks the design changed and tells the listener that the colour list
// and the symbols must be shown again.
namespace ChangeSymbol {
// The drawing colour has stitches of some kind, so it shows a symbol that can be changed.
bool canChange(const TStitch& doc);
// One flag per index of the symbol string.
std::vector<bool> usedIndexes(const TStitch& doc);
// An index inside the string that no colour with stitches has.
bool canChoose(const std::vector<bool>& used, int index);
// Gives the drawing colour the symbol at `index`; false, changing nothing, when the colour
// cannot change or the index cannot be chosen.
bool apply(Design& design, int index);
} // namespace ChangeSymbol
