#include "model/Translatable.h"
#include "model/PaletteLoader.h"
#include "model/CatalogueFiles.h"
#include "model/CommaText.h"
#include "model/TextFile.h"

namespace {
Status badLine(const QString& fileName, int lineNumber)
{
    return Status::error(TRANSLATABLE("The palette file %1 has a value that is not a whole number on line %2. The palette was not loaded."),
        {fileName, QString::number(lineNumber)});
}
} // namespace

Status PaletteLoader::parse(const QStringList& lines, const QString& fileName, QString& key, TColorTable& table)
{
    if (lines.isEmpty())
        return Status::error(TRANSLATABLE("The palette file %1 is empty. The palette was not loaded."), {fileName});
    key = keyOf(lines);
    // The second line is never a colour line, even when it is not a version line.
    const int first = 2;
    table.clear();
    for (int i = first; i < lines.size(); ++i) {
        const QStringList f = splitCommaText(lines[i]);
        if (f.size() != 5 && f.size() != 6)
            continue;
        const int o = f.size() - 5; // offset of the number field
        int rgbs[4];
        for (int k = 0; k < 4; ++k) {
            if (!TextFile::parseInteger(f[o + 1 + k], rgbs[k]))
                return badLine(fileName, i + 1);
        }
        const TColorRef color = makeColorRef(rgbs[0], rgbs[1], rgbs[2]);
        if (table.contains(color))
            continue;
        TColorInfo info;
        info.colorName = f[0];
        info.colorID = f[o];
        info.matchColor = color;
        info.charID = rgbs[3];
        info.orderID = i - first;
        table.insert(color, info);
    }
    return Status::ok();
}

QString PaletteLoader::keyOf(const QStringList& lines)
{
    QString key = lines.value(0).mid(3);
    if (lines.size() > 1 && lines[1].contains(QLatin1String(";$V")))
        key += QStringLiteral(" v") + lines[1].mid(3);
    return key;
}

Status PaletteLoader::loadFile(const QString& fileName, TPaletteCatalogue& catalogue, TPaletteFiles* files)
{
    QStringList lines;
    QString error;
    if (!TextFile::readLines(fileName, lines, &error))
        return Status::error(TRANSLATABLE("The palette file %1 could not be read: %2"), {fileName, error});
    if (!lines.isEmpty() && catalogue.contains(keyOf(lines)))
        return Status::ok();
    QString key;
    TColorTable table;
    const Status parsed = parse(lines, fileName, key, table);
    if (!parsed)
        return parsed;
    catalogue.insert(key, std::move(table));
    if (files)
        files->insert(key, fileName);
    return Status::ok();
}

QStringList PaletteLoader::loadFolder(const QString& folder, TPaletteCatalogue& catalogue, TPaletteFiles* files)
{
    return loadFolders(QString(), folder, catalogue, files);
}

QStringList PaletteLoader::loadFolders(const QString& userFolder, const QString& shippedFolder,
    TPaletteCatalogue& catalogue, TPaletteFiles* files)
{
    QStringList messages;
    const QStringList paths = CatalogueFiles::effective(userFolder, shippedFolder, QStringLiteral("*.ctb"));
    for (const QString& path : paths) {
        const Status s = loadFile(path, catalogue, files);
        if (!s)
            messages << s.text();
    }
    return messages;
}
