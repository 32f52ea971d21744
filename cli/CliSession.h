#pragma once
#include "shell/DesignSession.h"
#include "shell/GeneralSettings.h"
#include "shell/SettingsStore.h"
#include <QStringList>
#include <memory>

class CliDelegate;
class Design;

// What every command that works on designs starts from: the window's start-up, opening and
// saving (DesignSession) over the settings file (honouring THREADWRIGHT_CONFIG_DIR), leaving
// any updates waiting in the install folder alone.
class CliSession
{
public:
    CliSession();

    // A fresh document with the catalogues loaded, as before every new or opened design.
    std::unique_ptr<Design> freshDesign();

    // A design file read into a fresh document; warnings go to the delegate's err. On failure
    // the error has been reported and `exitCode` is set; the result is null then.
    std::unique_ptr<Design> openDesign(const QString& fileName, CliDelegate& delegate, int* exitCode);

    // Writes the design and its shadow picture (never over a picture of the user's own); a
    // failure is reported and false returned, a side file that could not be written is warned
    // about.
    bool save(Design& design, const QString& fileName, CliDelegate& delegate);

    // The setting that lets full and quarter stitches share a cell.
    bool allowQuarterOverCross() const { return m_general.AllowQuarterOverCross; }

    // Messages about catalogue files that were skipped while loading.
    const QStringList& warnings() const { return m_warnings; }

private:
    SettingsStore m_store;
    GeneralSettings m_general;
    DesignSession m_session;
    QStringList m_warnings;
};
