#pragma once
#include "shell/GeneralSettings.h"
#include <QStringList>
#include <memory>

class Design;

// What every command that works on designs starts from: the settings (honouring
// THREADWRIGHT_CONFIG_DIR), the language and the catalogues of palettes and symbol sets,
// exactly as the program's start-up initialisation makes them, with the symbol font registered.
class CliSession
{
public:
    CliSession();

    // A fresh document with the catalogues loaded, as before every new or opened design.
    std::unique_ptr<Design> freshDesign();

    // Messages about catalogue files that were skipped while loading.
    const QStringList& warnings() const { return m_warnings; }
    const GeneralSettings& general() const { return m_general; }

private:
    GeneralSettings m_general;
    QStringList m_warnings;
};
