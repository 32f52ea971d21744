#include "CliSession.h"
#include "model/Design.h"
#include "shell/Paths.h"
#include "shell/SettingsStore.h"
#include "shell/Startup.h"

CliSession::CliSession() = default;

std::unique_ptr<Design> CliSession::freshDesign()
{
    SettingsStore store(Paths::settingsFile());
    m_general = GeneralSettings();
    auto design = Startup::createDocument(store, m_general);
    m_warnings = Startup::loadCatalogues(*design);
    Startup::registerSymbolFont(design->stitch.FontsPath);
    store.sync();
    return design;
}
