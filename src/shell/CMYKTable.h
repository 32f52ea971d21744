#pragma once
#include "model/Status.h"
#include <QString>

class TStitch;

// Where the print colour corrections live. The user's file in `palettes/` of the per-user data
// folder is read first, the shipped one in the palettes folder (the setting PalettesPath) only
// when the user has none; corrections are always written to the user's folder, since the
// shipped folder of an installed program is read-only and is never written even when it is not.
namespace CMYKTable {
// The file the start-up reads: the user's, else the shipped one, else empty.
QString fileToRead(const QString& palettesPath);
// Part of the start-up initialisation, after the settings: reads the corrections into doc.CMYK.
Status load(TStitch& doc);
// Writes doc.CMYK to the user's file (the name it already has, "CMYK.ini" when there is none).
Status save(const TStitch& doc);
} // namespace CMYKTable
