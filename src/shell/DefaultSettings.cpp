#include "shell/DefaultSettings.h"
#include "shell/Paths.h"
#include "shell/SettingsStore.h"
#include <QDir>

const char* const DefaultSettings::kDefaultPalette = "DMC Stranded Cotton v1";
const char* const DefaultSettings::kDefaultSymbolSet = "Standard";
const char* const DefaultSettings::kDefaultLanguage = "english.lang";

namespace {
struct ShippedFolder
{
    const char* valueName;
    const char* subfolder;
};

constexpr ShippedFolder kShipped[] = {
    {"CharactersPath", "characters"},
    {"PalettesPath", "palettes"},
    {"FontsPath", "fonts"},
    {"HelpPath", "help"},
    {"LanguagesPath", "languages"},
    {"RhodesPath", "rhodes"},
    {"InstallPath", ""},
};

constexpr const char* kLanguages[] = {"english", "deutsch", "francais"};
} // namespace

QString DefaultSettings::shippedFolder(const QString& valueName, const QString& dataFolder)
{
    for (const ShippedFolder& f : kShipped) {
        if (valueName.compare(QLatin1String(f.valueName), Qt::CaseInsensitive) == 0)
            return Paths::withSeparator(dataFolder + QLatin1String(f.subfolder));
    }
    return {};
}

void DefaultSettings::writeFirstStart(SettingsStore& store, const QString& dataFolder, const QString& userFolder)
{
    for (const ShippedFolder& f : kShipped)
        store.writeString(QLatin1String(f.valueName), shippedFolder(QLatin1String(f.valueName), dataFolder));
    const QString home = Paths::withSeparator(QDir::homePath());
    store.writeString(QStringLiteral("AppDataPath"), userFolder);
    store.writeString(QStringLiteral("LibraryPath"), userFolder + QStringLiteral("library/"));
    store.writeString(QStringLiteral("PicturesPath"), home);
    store.writeString(QStringLiteral("PatternsPath"), home);
    store.writeString(QStringLiteral("SavePath"), home);
    store.writeInteger(QStringLiteral("maxColors"), 500);
    store.writeString(QStringLiteral("DefaultColorTable"), QLatin1String(kDefaultPalette));
    store.writeString(QStringLiteral("DefaultCharacterMap"), QLatin1String(kDefaultSymbolSet));
    store.writeString(QStringLiteral("DefaultLanguage"), QLatin1String(kDefaultLanguage));
    for (const char* language : kLanguages)
        store.writeSubkeyString(QStringLiteral("Languages"), QLatin1String(language), QLatin1String(language));
}
