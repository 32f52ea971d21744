#pragma once
#include <QString>

// Where the program finds its shipped data and keeps the user's own files.
namespace Paths {
// The shipped data folder: `data/` beside the executable (the build tree), then
// `../share/threadwright` beside it (an installed tree), then the install prefix the program was
// built for. Empty when none exists. Always ends with '/'.
QString dataFolder();
// Overrides the search (the command-line program's --data).
void setDataFolder(const QString& folder);
// Whether a folder can serve as the shipped data: it holds palettes ("palettes/*.ctb") or
// symbol sets ("characters/*.chr").
bool holdsCatalogues(const QString& folder);

// The settings file. THREADWRIGHT_CONFIG_DIR moves it (tests always set it, so no test touches
// a real user's settings).
QString settingsFile();

// The per-user data folder (library, downloads); under THREADWRIGHT_CONFIG_DIR when that is set.
QString userDataFolder();
// The user's own palettes, symbol sets and rhodes shapes: they are laid over the shipped folders
// of the same kind, and the editors write only here (shipped folders are never written). They
// are made on the first write.
QString userPalettesFolder();
QString userCharactersFolder();
QString userRhodesFolder();

// A folder path with exactly one trailing '/'.
QString withSeparator(const QString& folder);
} // namespace Paths
