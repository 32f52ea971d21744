#include "PalettesCommand.h"
#include "CatalogueListing.h"
#include "imaging/HexColor.h"
#include "model/Design.h"
#include "model/PaletteLoader.h"
#include "shell/Paths.h"
#include <QJsonArray>
#include <QJsonObject>

namespace {
QJsonObject paletteJson(const QString& key, const QString& file, const TColorTable& table)
{
    QJsonArray colors;
    for (const auto& [color, info] : table) {
        colors.append(QJsonObject{
            {QStringLiteral("id"), info.colorID},
            {QStringLiteral("name"), info.colorName},
            {QStringLiteral("rgb"), hexColor(color)},
            {QStringLiteral("symbol_index"), info.charID},
            {QStringLiteral("order"), info.orderID},
        });
    }
    return {{QStringLiteral("key"), key}, {QStringLiteral("file"), file}, {QStringLiteral("colors"), colors}};
}
} // namespace

QString PalettesCommand::synopsis() const
{
    return QStringLiteral("[--json]  list the loaded thread palettes (key, colours, file)");
}

int PalettesCommand::run(const QStringList& arguments, CliDelegate& delegate)
{
    return CatalogueListing::run(name(), arguments, delegate, [](const Design& design) {
        const TStitch& doc = design.stitch;
        // The start-up catalogue does not keep file names: a second pass over the same folder,
        // with the same loader, finds the file of every key.
        TPaletteCatalogue again;
        TPaletteFiles files;
        PaletteLoader::loadFolders(Paths::userPalettesFolder(), doc.PalettesPath, again, &files);
        QList<CatalogueListing::Entry> entries;
        for (const auto& [key, table] : doc.ColorPalettes) {
            entries.append({paletteJson(key, files.value(key), table),
                QStringLiteral("%1\t%2 colours\t%3\n").arg(key).arg(table.size()).arg(files.value(key))});
        }
        return entries;
    });
}
