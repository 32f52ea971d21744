#include "CliSession.h"
#include "CliDelegate.h"
#include "CommandProcessor.h"
#include "files/DesignFiles.h"
#include "model/Design.h"
#include "shell/CMYKTable.h"
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
    if (const Status cmyk = CMYKTable::load(design->stitch); !cmyk)
        m_warnings << cmyk.text();
    Startup::registerSymbolFont(design->stitch.FontsPath);
    store.sync();
    return design;
}

std::unique_ptr<Design> CliSession::openDesign(const QString& fileName, CliDelegate& delegate, int* exitCode)
{
    auto design = freshDesign();
    const auto translate = [&design](const QString& text) { return design->stitch.translate(text); };
    const DesignFiles::LoadResult loaded = DesignFiles::load(fileName, *design);
    if (!loaded.status) {
        delegate.err(QStringLiteral("threadwright-cli: %1").arg(loaded.status.text(translate)));
        *exitCode = CommandProcessor::Failed;
        return nullptr;
    }
    for (const Status& warning : loaded.warnings)
        delegate.err(QStringLiteral("threadwright-cli: warning: %1").arg(warning.text(translate)));
    *exitCode = CommandProcessor::Success;
    return design;
}
