#pragma once
#include "model/Status.h"
#include "model/UTypes.h"
#include <QString>
#include <QStringList>

using TPaletteCatalogue = OrderedMap<QString, TColorTable>;
// Palette key -> path of the file it was loaded from, in catalogue order.
using TPaletteFiles = OrderedMap<QString, QString>;

// Thread palette files (".ctb"): line 1 ";$N" and the name, line 2 ";$V" and the version, then
// one colour per line with five fields (number, red, green, blue, symbol) or six (name first).
// The key of a palette is "name vVERSION", or the bare name without a version line.
namespace PaletteLoader {
// Loads one file into the catalogue. A palette whose key is already catalogued is ignored
// without looking at its colour lines. A file that cannot be read or has a field that is not a
// whole number adds nothing and returns a message naming the file and line. With `files`, the
// file of a palette that was added is recorded under its key.
Status loadFile(const QString& fileName, TPaletteCatalogue& catalogue, TPaletteFiles* files = nullptr);
// Loads every "*.ctb" of the folder in name order; returns the messages of skipped files.
QStringList loadFolder(const QString& folder, TPaletteCatalogue& catalogue, TPaletteFiles* files = nullptr);
// Loads the union of the user's and the shipped folder (see CatalogueFiles) in name order.
QStringList loadFolders(const QString& userFolder, const QString& shippedFolder, TPaletteCatalogue& catalogue,
    TPaletteFiles* files = nullptr);
// The key that the first two lines of a file give: the name, plus " v" and the version when
// the second line is a version line.
QString keyOf(const QStringList& lines);
// Parses the lines of one file; on success fills key and table.
Status parse(const QStringList& lines, const QString& fileName, QString& key, TColorTable& table);
} // namespace PaletteLoader
