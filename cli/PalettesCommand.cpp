#include "PalettesCommand.h"
#include "CatalogueListing.h"
#include "CliDelegate.h"
#include "CliSession.h"
#include "CommandProcessor.h"
#include "HexColor.h"
#include "model/Design.h"
#include "model/PaletteLoader.h"
#include "shell/Paths.h"
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
    const std::optional<bool> json = CatalogueListing::jsonOption(name(), arguments, delegate);
    if (!json)
        return CommandProcessor::Usage;
    CliSession session;
    const auto design = session.freshDesign();
    const TStitch& doc = design->stitch;
    // The start-up catalogue does not keep file names: a second pass over the same folder,
    // with the same loader, finds the file of every key.
    TPaletteCatalogue again;
    TPaletteFiles files;
    PaletteLoader::loadFolders(Paths::userPalettesFolder(), doc.PalettesPath, again, &files);
    CatalogueListing::reportSkipped(session.warnings(), delegate);

    QJsonArray array;
    for (const auto& [key, table] : doc.ColorPalettes) {
        if (*json)
            array.append(paletteJson(key, files.value(key), table));
        else
            delegate.out(QStringLiteral("%1\t%2 colours\t%3\n").arg(key).arg(table.size()).arg(files.value(key)));
    }
    if (*json)
        CatalogueListing::printJson(array, delegate);
    return CommandProcessor::Success;
}
