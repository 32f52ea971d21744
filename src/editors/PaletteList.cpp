#include "editors/PaletteList.h"
#include "model/CatalogueFiles.h"
#include "model/TextFile.h"
#include "model/Windows1252.h"
#include <QFile>
#include <QFileInfo>

namespace {
// The first two lines only: the list shows the head of every palette without reading the colours.
QStringList headLines(const QString& path)
{
    QFile file(path);
    QStringList lines;
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    for (int i = 0; i < 2 && !file.atEnd(); ++i)
        lines << TextFile::splitLines(Windows1252::toUnicode(file.readLine())).value(0);
    return lines;
}

bool sameText(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool sameVersionElsewhere(const QList<PaletteFileEntry>& files, const PaletteList::Proposal& proposal)
{
    for (const PaletteFileEntry& f : files) {
        if (!sameText(f.fileName, proposal.fileName) && f.name == proposal.name && f.version == proposal.version)
            return true;
    }
    return false;
}
} // namespace

QList<PaletteFileEntry> PaletteList::readPalettes(const QString& userFolder, const QString& shippedFolder)
{
    QList<PaletteFileEntry> entries;
    const QStringList paths = CatalogueFiles::effective(userFolder, shippedFolder, QStringLiteral("*.ctb"));
    for (const QString& path : paths) {
        const QStringList lines = headLines(path);
        PaletteFileEntry e;
        e.fileName = QFileInfo(path).fileName();
        e.path = path;
        e.name = lines.value(0).mid(3);
        const QString second = lines.value(1);
        e.version = second.contains(QLatin1String(";$V")) ? second.mid(3) : second;
        entries << e;
    }
    return entries;
}

QString PaletteList::effectivePath(const QString& userFolder, const QString& shippedFolder, const QString& fileName)
{
    const QString own = userFolder + fileName;
    return QFileInfo::exists(own) ? own : shippedFolder + fileName;
}

QString PaletteList::withExtension(const QString& fileName)
{
    const QString ctb = QStringLiteral(".ctb");
    if (fileName.endsWith(ctb, Qt::CaseInsensitive))
        return fileName;
    const QFileInfo info(fileName);
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() ? fileName : fileName.left(fileName.size() - suffix.size() - 1);
    return base + ctb;
}

bool PaletteList::isPlainFileName(const QString& fileName)
{
    if (fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\')))
        return false;
    if (fileName == QLatin1String(".") || fileName == QLatin1String(".."))
        return false;
    return !fileName.trimmed().isEmpty() && !sameText(fileName.trimmed(), QStringLiteral(".ctb"));
}

PaletteList::OkStep PaletteList::okStep(const QList<PaletteFileEntry>& files, const Proposal& proposal,
    const Proposal& original, bool saved, bool overrideConfirmed)
{
    if (!isPlainFileName(proposal.fileName))
        return OkStep::BadFileName;
    const bool unchanged = saved && sameText(proposal.fileName, original.fileName) && sameText(proposal.name, original.name)
        && sameText(proposal.version, original.version);
    if (!unchanged && !overrideConfirmed) {
        for (const PaletteFileEntry& f : files) {
            if (f.fileName == proposal.fileName)
                return OkStep::AskOverride;
        }
    }
    return sameVersionElsewhere(files, proposal) ? OkStep::SameVersion : OkStep::Close;
}
