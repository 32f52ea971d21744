#pragma once
#include <QString>

class SettingsStore;

// What a first start writes when the store has no key yet: the folders of the shipped data and
// of the user's own files, the colour limit, the default palette, symbol set and language, and
// the registered languages. The program then goes on as if installed.
namespace DefaultSettings {
extern const char* const kDefaultPalette;
extern const char* const kDefaultSymbolSet;
extern const char* const kDefaultLanguage;

void writeFirstStart(SettingsStore& store, const QString& dataFolder, const QString& userFolder);

// Shipped-data folder values that must name an existing folder; a stale one (the data moved
// since it was written) is replaced by the folder under the current data folder.
QString shippedFolder(const QString& valueName, const QString& dataFolder);
} // namespace DefaultSettings
