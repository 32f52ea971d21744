#pragma once
#include <QString>
#include <QStringList>

// The files a catalogue is built from: the user's own folder laid over the shipped one. A user
// file shadows the shipped file of the same name, so a user can replace a shipped palette or
// symbol set without writing into the shipped folder.
namespace CatalogueFiles {
// Full paths of the files matching `pattern` in either folder, sorted by file name; each name
// is taken from `userFolder` when it holds it, else from `shippedFolder`. An empty or missing
// folder contributes nothing.
QStringList effective(const QString& userFolder, const QString& shippedFolder, const QString& pattern);
} // namespace CatalogueFiles
