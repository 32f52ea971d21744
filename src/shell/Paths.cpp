#include "shell/Paths.h"
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}

QString configDirFromEnvironment()
{
    return qEnvironmentVariable("THREADWRIGHT_CONFIG_DIR");
}
} // namespace

QString Paths::withSeparator(const QString& folder)
{
    if (folder.isEmpty())
        return folder;
    QString f = QDir::fromNativeSeparators(folder);
    while (f.endsWith(QLatin1Char('/')) && f.size() > 1)
        f.chop(1);
    return f == QLatin1String("/") ? f : f + QLatin1Char('/');
}

void Paths::setDataFolder(const QString& folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : withSeparator(QDir(folder).absolutePath());
}

bool Paths::holdsCatalogues(const QString& folder)
{
    const auto holds = [&folder](const char* subfolder, const char* pattern) {
        const QDir dir(folder + QLatin1Char('/') + QLatin1String(subfolder));
        return !dir.entryList({QLatin1String(pattern)}, QDir::Files).isEmpty();
    };
    return holds("palettes", "*.ctb") || holds("characters", "*.chr");
}

QString Paths::dataFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    const QString exeDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    const QString candidates[] = {
        exeDir + QStringLiteral("/data"),
        exeDir + QStringLiteral("/../share/threadwright"),
        QStringLiteral(THREADWRIGHT_INSTALL_DATADIR),
    };
    for (const QString& c : candidates) {
        if (QDir(c).exists())
            return withSeparator(QDir(c).canonicalPath());
    }
    return {};
}

QString Paths::settingsFile()
{
    const QString dir = configDirFromEnvironment();
    if (!dir.isEmpty())
        return withSeparator(dir) + QStringLiteral("Threadwright.ini");
    return withSeparator(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        + QStringLiteral("Velwick/Threadwright.ini");
}

QString Paths::userDataFolder()
{
    const QString dir = configDirFromEnvironment();
    if (!dir.isEmpty())
        return withSeparator(dir) + QStringLiteral("userdata/");
    return withSeparator(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        + QStringLiteral("Velwick/Threadwright/");
}

QString Paths::userPalettesFolder()
{
    return userDataFolder() + QStringLiteral("palettes/");
}

QString Paths::userCharactersFolder()
{
    return userDataFolder() + QStringLiteral("characters/");
}

QString Paths::userRhodesFolder()
{
    return userDataFolder() + QStringLiteral("rhodes/");
}
