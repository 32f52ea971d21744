#pragma once
#include "model/Status.h"
#include <QStringList>
#include <memory>

class Design;
class SettingsStore;
struct GeneralSettings;

// Start-up, opening and saving as the window and the command-line program both do them. Every
// new or opened design starts from a fresh document that has read the settings and the
// language, with the catalogues of palettes and symbol sets and the symbol font; the rules that
// name and mark a design around a read or a write live here, so the two programs cannot drift.
class DesignSession
{
public:
    // Which program starts. The window also installs the updates waiting in the install folder
    // and tells of a symbol font that could not be installed; the command-line program must not
    // change the installation, and most of its commands draw no symbols.
    enum class Program { Window, CommandLine };

    DesignSession(SettingsStore& store, GeneralSettings& general, Program program);

    // A fresh design, as before every new or opened one; problems met on the way (catalogue
    // files skipped, settings replaced by defaults, the font missing) go to `messages`.
    std::unique_ptr<Design> freshDesign(QStringList* messages);

    struct Opened
    {
        // Null when the file could not be read; `error` says why, translated.
        std::unique_ptr<Design> design;
        QString error;
        // Problems that did not stop the read, translated.
        QStringList warnings;
    };
    // Reads a design file of any kind into a fresh design (see freshDesign for `messages`),
    // named like the file with ".qmk" (an imported file is saved beside itself, never over
    // itself) and marked saved, with the shadow picture of its side file when there is one (a
    // side file that cannot be read is a warning: the design opens without it).
    Opened openDesign(const QString& fileName, QStringList* messages);

    // What a save does with a side file that is a picture of the user's own: one this program
    // did not write as a shadow picture, nor the one the design's shadow was read from.
    enum class ForeignSideFile { Keep, Replace };

    // Writes the whole design; on success it is named `fileName`, marked saved and remembered
    // among the recent files. Then the shadow picture, if the design has one, goes to the side
    // file (a file that already holds it is left alone). A side file that could not be written
    // leaves the design saved: why goes to `warnings`, translated.
    Status save(Design& design, const QString& fileName, ForeignSideFile foreign = ForeignSideFile::Keep,
        QStringList* warnings = nullptr);

    // True when saving the design as `fileName` would replace a picture of the user's own with
    // its shadow picture, which only happens when the user says so.
    static bool sideFileIsForeign(const Design& design, const QString& fileName);

    // The recent files: true when the list changed.
    bool remember(const QString& fileName);

    // The name a design is saved under when the user chose `chosen`: ".qmk" appended unless the
    // name already ends in it (in any case).
    static QString designFileName(const QString& chosen);
    // The name of a design read from `fileName`: its extension replaced by ".qmk".
    static QString nameAfterOpening(const QString& fileName);

private:
    static void writeShadow(Design& design, const QString& fileName, ForeignSideFile foreign, QStringList* warnings);

    SettingsStore& m_store;
    GeneralSettings& m_general;
    Program m_program;
    bool m_fontReported = false;
};
