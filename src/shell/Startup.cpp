#include "shell/Startup.h"
#include "files/RhodesFile.h"
#include "model/Design.h"
#include "model/PaletteLoader.h"
#include "model/RhodeShapes.h"
#include "model/SymbolSetLoader.h"
#include "shell/GeneralSettings.h"
#include "shell/Languages.h"
#include "shell/Paths.h"
#include "shell/PendingUpdates.h"
#include "shell/SettingsStore.h"
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QSet>

QString Startup::installFolder(SettingsStore& store)
{
    const QString stored = store.readString(QStringLiteral("InstallPath"));
    return stored.isEmpty() ? Paths::dataFolder() : Paths::withSeparator(stored);
}

QList<Status> Startup::applyPendingUpdates(const QString& installFolder, const QString& downloadFolder)
{
    PendingUpdates updates(installFolder, downloadFolder);
    return updates.pending() ? updates.apply() : QList<Status>();
}

std::unique_ptr<Design> Startup::createDocument(SettingsStore& store, GeneralSettings& general)
{
    auto design = std::make_unique<Design>();
    design->stitch.setFileSaved(false);
    design->stitch.ReadGeneralSettings(store, general);
    TStitch& doc = design->stitch;
    doc.selectLanguage(doc.DefaultLanguage.isEmpty() ? QString::fromLatin1(Languages::kEnglish) : doc.DefaultLanguage, &store);
    return design;
}

QStringList Startup::loadCatalogues(Design& design)
{
    TStitch& doc = design.stitch;
    doc.ColorPalettes.clear();
    doc.characters.clear();
    QStringList messages = PaletteLoader::loadFolders(Paths::userPalettesFolder(), doc.PalettesPath, doc.ColorPalettes);
    messages += SymbolSetLoader::loadFolders(Paths::userCharactersFolder(), doc.CharactersPath, doc.characters);
    return messages;
}

Status Startup::loadRhodeShapes(const QString& rhodesPath, RhodeShapes& shapes, QStringList* files)
{
    const QString own = RhodesFile::fileIn(Paths::userRhodesFolder());
    const QString shipped = RhodesFile::fileIn(rhodesPath);
    const bool hasOwn = QFileInfo::exists(own);
    const Status loaded = RhodesFile::load(hasOwn ? own : shipped, shapes);
    if (files)
        *files = QStringList(shapes.size(), hasOwn ? own : shipped);
    if (!hasOwn)
        return loaded;
    // Shapes shipped after the user's file was written join it, found by name.
    RhodeShapes originals;
    if (!RhodesFile::load(shipped, originals))
        return loaded;
    QSet<QString> names;
    for (const TRhodeRef& shape : shapes.shapes())
        names.insert(shape->name);
    for (const TRhodeRef& shape : originals.shapes()) {
        if (!shape->original || names.contains(shape->name))
            continue;
        shapes.append(shape);
        if (files)
            files->append(shipped);
    }
    return loaded;
}

bool Startup::registerSymbolFont(const QString& fontsPath)
{
    // Fonts exist only for a GUI application; a program that paints nothing has none to add.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    static QHash<QString, bool> registered;
    const QString file = fontsPath + QStringLiteral("VelwickArtSymbols110.ttf");
    const auto it = registered.constFind(file);
    if (it != registered.constEnd())
        return *it;
    const bool added = QFontDatabase::addApplicationFont(file) >= 0;
    registered.insert(file, added);
    return added;
}
