#pragma once
#include "model/Status.h"
#include <QStringList>
#include <memory>

class Design;
class RhodeShapes;
class SettingsStore;
struct GeneralSettings;

// The headless part of the start-up initialisation, which runs before every new, opened or
// converted design: a fresh document that has read the settings and the language, and the
// catalogues of palettes and symbol sets. The main window adds its own steps around these (see
// TFMain::FormCreate); the command-line program uses them as they are.
namespace Startup {
// Steps 2 to 4: the install folder from the settings, and the updates waiting in it.
QString installFolder(SettingsStore& store);
QList<Status> applyPendingUpdates(const QString& installFolder, const QString& downloadFolder);

// Step 6: a new document, marked unsaved, with the settings and the language read.
std::unique_ptr<Design> createDocument(SettingsStore& store, GeneralSettings& general);

// Step 8: palettes and symbol sets. Returns one message per file that was skipped.
QStringList loadCatalogues(Design& design);

// The rhodes shapes of the rhodes tool from the file in the rhodes folder (the setting
// RhodesPath); the first shape becomes current. A file that cannot be read leaves the library
// empty and gives the one message to show; the library then never saves over that file empty.
Status loadRhodeShapes(const QString& rhodesPath, RhodeShapes& shapes);

// Step 14: the program's symbol font, registered once per run; false when no font was added.
bool registerSymbolFont(const QString& fontsPath);
} // namespace Startup
