#pragma once
#include "model/Status.h"
#include <QStringList>
#include <memory>

class Design;
class RhodeShapes;
class SettingsStore;
struct GeneralSettings;

// The pieces of the start-up initialisation, which runs before every new, opened or converted
// design: a fresh document that has read the settings and the language, and the catalogues of
// palettes and symbol sets. DesignSession puts them together for both programs.
namespace Startup {
// The install folder from the settings, and the updates waiting in it.
QString installFolder(SettingsStore& store);
QList<Status> applyPendingUpdates(const QString& installFolder, const QString& downloadFolder);

// A new document, marked unsaved, with the settings and the language read.
std::unique_ptr<Design> createDocument(SettingsStore& store, GeneralSettings& general);

// Palettes and symbol sets. Returns one message per file that was skipped.
QStringList loadCatalogues(Design& design);

// The rhodes shapes of the rhodes tool: the user's own rhodes file when it exists, else the
// shipped one in the rhodes folder (the setting RhodesPath); the first shape becomes current.
// Shipped original shapes missing by name from the user's file are appended, so shapes shipped
// later appear, also when the user's file cannot be read. A file that cannot be read gives the
// one message to show, and the library never saves over that file without keeping it aside.
// `files`, when given, receives the file each shape was read from.
Status loadRhodeShapes(const QString& rhodesPath, RhodeShapes& shapes, QStringList* files = nullptr);

// The shipped symbol font, registered once per run; false when no font was added.
bool registerSymbolFont(const QString& fontsPath);
} // namespace Startup
