#pragma once
#include "imaging/ColorValues.h"
#include <QHash>
#include <QString>

class TStitch;
struct OxsFile;

// The threads of an Open Cross Stitch file against the catalogued palettes (see OxsImport for
// the rules).
namespace OxsThreads {
// The key of the palette the file's threads fit best; empty only for an empty catalogue.
QString choosePalette(const OxsFile& file, const TStitch& doc);

struct Resolved
{
    QHash<int, TColorRef> colorOf; // palette index -> colour value of the design
    qint64 merged = 0;             // threads that landed on a colour value already taken
};

// Makes the design's colour table the palette `key` (already in the catalogue, or empty)
// plus the file's threads, with symbol indexes below `symbolCount`.
Resolved resolve(const OxsFile& file, const QString& key, int symbolCount, TStitch& doc);
} // namespace OxsThreads
