#include "support/TestEnvironment.h"
#include "shell/Paths.h"
#include "shell/Startup.h"
#include <QDir>
#include <QTemporaryDir>

namespace {
QTemporaryDir& configDir()
{
    static QTemporaryDir dir;
    return dir;
}
} // namespace

void TestEnvironment::prepareProcess()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("THREADWRIGHT_CONFIG_DIR", configDir().path().toLocal8Bit());
}

void TestEnvironment::prepareApplication()
{
    Paths::setDataFolder(sourceData());
    Startup::registerSymbolFont(sourceData(QStringLiteral("fonts/")));
}

QString TestEnvironment::fixture(const QString& name)
{
    return QStringLiteral(THREADWRIGHT_FIXTURES_DIR "/") + name;
}

QString TestEnvironment::sourceData(const QString& relative)
{
    return QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/") + relative;
}
