#pragma once
#include "shell/GeneralSettings.h"
#include <QStringList>
#include <memory>

class CliDelegate;
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

    // A design file read into a fresh document; warnings go to the delegate's err. On failure
    // the error has been reported and `exitCode` is set; the result is null then.
    std::unique_ptr<Design> openDesign(const QString& fileName, CliDelegate& delegate, int* exitCode);

    // Messages about catalogue files that were skipped while loading.
    const QStringList& warnings() const { return m_warnings; }
    const GeneralSettings& general() const { return m_general; }

private:
    GeneralSettings m_general;
    QStringList m_warnings;
};
