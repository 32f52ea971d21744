#pragma once
#include "model/Status.h"
#include <QString>

class Design;

namespace DesignCreation {
// Builds an empty X x Y design in `design` (a fresh one from the start-up initialisation) with
// the named symbol set and palette. A name that is not catalogued falls back to the catalogued
// name first in ordinal order; with no symbol sets at all the built-in set is used. The design
// is named "New file.qmk" (translated), unnamed and saved. Sizes outside the design limits are
// refused and leave the design as it was.
Status CreateNewTemplate(Design& design, int X, int Y, const QString& characters, const QString& palette);

// Gives the design the symbol set of that name (with the same fallbacks).
void assignSymbolSet(Design& design, const QString& characters);
} // namespace DesignCreation
