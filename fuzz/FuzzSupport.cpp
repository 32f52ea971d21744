#include "FuzzSupport.h"
#include "model/Design.h"
#include "shell/GeneralSettings.h"
#include "shell/Paths.h"
#include "shell/SettingsStore.h"
#include "shell/Startup.h"
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {
struct Process
{
    std::unique_ptr<QTemporaryDir> config;
    std::unique_ptr<QTemporaryDir> scratch;
    // Never destroyed: taking the application down after main() has returned, with the font
    // cache's thread storage already gone, crashes inside Qt.
    QGuiApplication* app = nullptr;
    OrderedMap<QString, TColorTable> palettes;
    OrderedMap<QString, TCharacterInfo> symbolSets;
};

Process& process()
{
    static Process p;
    return p;
}

// Memory-backed when the machine has it: targets write every input to a file.
QString scratchParent()
{
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
}
} // namespace

void FuzzSupport::initialize(int* argc, char*** argv)
{
    Process& p = process();
    if (p.app)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own warnings (fonts, XML) would drown the fuzzer's output.
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
    p.config = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/threadwright-fuzz-config-XXXXXX"));
    p.scratch = std::make_unique<QTemporaryDir>(scratchParent() + QStringLiteral("/threadwright-fuzz-XXXXXX"));
    if (!p.config->isValid() || !p.scratch->isValid())
        fail("no temporary folder");
    qputenv("THREADWRIGHT_CONFIG_DIR", p.config->path().toLocal8Bit());
    p.app = new QGuiApplication(*argc, *argv);
    Paths::setDataFolder(QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR));
    Startup::registerSymbolFont(QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/fonts/"));

    SettingsStore store(Paths::settingsFile());
    GeneralSettings general;
    auto design = Startup::createDocument(store, general);
    const QStringList skipped = Startup::loadCatalogues(*design);
    if (!skipped.isEmpty() || design->stitch.ColorPalettes.isEmpty())
        fail("the shipped catalogues did not load", skipped.join(QLatin1Char('\n')));
    store.sync();
    p.palettes = design->stitch.ColorPalettes;
    p.symbolSets = design->stitch.characters;
}

std::unique_ptr<Design> FuzzSupport::freshDesign()
{
    SettingsStore store(Paths::settingsFile());
    GeneralSettings general;
    auto design = Startup::createDocument(store, general);
    design->stitch.ColorPalettes = process().palettes;
    design->stitch.characters = process().symbolSets;
    return design;
}

QString FuzzSupport::scratchFolder()
{
    return process().scratch->path() + QLatin1Char('/');
}

QString FuzzSupport::writeInput(const uint8_t* data, size_t size, const QString& name)
{
    const QString path = scratchFolder() + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes(data, size)) != qint64(size))
        fail("cannot write the input", path);
    return path;
}

QByteArray FuzzSupport::bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

void FuzzSupport::checkNamesFile(const Status& status, const QString& fileName)
{
    if (!status && !status.text().contains(fileName))
        fail("a refusal does not name the file", status.text());
}

void FuzzSupport::fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "fuzz target: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}
