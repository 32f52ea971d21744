#pragma once
#include "editors/TCMYKColor.h"
#include "model/TCMYK.h"
#include <QList>
#include <optional>

class TStitch;

// The rows of the print colour corrections table and the rule that takes an edited correction.
namespace CMYKRows {
// One row per entry of the design's colour table, used or not, sorted by palette position
// (stable), each with the correction the map holds for it.
QList<TCMYKColor> build(const TStitch& doc);

// Four comma-separated integers 0..100 (quoted parts respected, blanks around a part ignored),
// or nothing.
std::optional<TCMYK> parse(const QString& text);

// An edited "C,M,Y,K" of a row: a valid text becomes the colour's correction (replacing an
// earlier one in its place) and is kept as typed; anything else removes the correction.
void commit(TCMYKColor& row, const QString& text, TCMYKMap& corrections);
} // namespace CMYKRows
