// The update lists of the install folder ("updates.xml", and "CurrentVersion.xml" after a line
// "--CurrentVersion--" in the input) applied as the start-up applies them. The folders are
// laid anew for every input; a file outside the install folder, or inside the download folder,
// must never change.
#include "FuzzSupport.h"
#include "shell/PendingUpdates.h"
#include <QDir>
#include <QFile>

namespace {
const QByteArray kSeparator = "\n--CurrentVersion--\n";
const QByteArray kKept = "kept as it is";

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        FuzzSupport::fail("cannot lay out the folders", path);
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// install/ with a help page and a palette, download/ with a new page, and a file beside them.
void layFolders(const QString& root, const QByteArray& updates, const QByteArray& current)
{
    QDir(root).removeRecursively();
    writeFile(root + QStringLiteral("install/help/english.html"), "old help");
    writeFile(root + QStringLiteral("install/palettes/dmc.ctb"), ";$NDMC");
    writeFile(root + QStringLiteral("install/incoming/new.ctb"), ";$NNew");
    writeFile(root + QStringLiteral("download/deutsch.html"), kKept);
    writeFile(root + QStringLiteral("outside.txt"), kKept);
    writeFile(root + QStringLiteral("install/updates.xml"), updates);
    if (!current.isNull())
        writeFile(root + QStringLiteral("install/CurrentVersion.xml"), current);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = FuzzSupport::bytes(data, size);
    const qsizetype split = input.indexOf(kSeparator);
    const QByteArray updates = split < 0 ? input : input.left(split);
    const QByteArray current = split < 0 ? QByteArray() : input.mid(split + kSeparator.size());
    const QString root = FuzzSupport::scratchFolder() + QStringLiteral("updates/");
    layFolders(root, updates, current);

    PendingUpdates pending(root + QStringLiteral("install"), root + QStringLiteral("download"));
    if (!pending.pending())
        FuzzSupport::fail("the waiting updates were not seen");
    pending.apply();
    if (pending.pending())
        FuzzSupport::fail("the update list was left behind");
    if (contentOf(root + QStringLiteral("outside.txt")) != kKept
        || contentOf(root + QStringLiteral("download/deutsch.html")) != kKept)
        FuzzSupport::fail("an update wrote outside the install folder");
    if (QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size() != 3)
        FuzzSupport::fail("an update made a file outside the install folder");
    return 0;
}
