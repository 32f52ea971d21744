#include "SymbolsCommand.h"
#include "CatalogueListing.h"
#include "CliDelegate.h"
#include "CliSession.h"
#include "CommandProcessor.h"
#include "model/Design.h"
#include <QJsonObject>

namespace {
QJsonObject setJson(const TCharacterInfo& info)
{
    QJsonArray codes;
    for (const QChar c : info.characters)
        codes.append(int(c.unicode()));
    return {
        {QStringLiteral("name"), info.Name},
        {QStringLiteral("description"), info.altName},
        {QStringLiteral("font"), info.fontName},
        {QStringLiteral("charset"), info.fontCharset},
        {QStringLiteral("file"), info.fileName},
        {QStringLiteral("codes"), codes},
    };
}
} // namespace

QString SymbolsCommand::synopsis() const
{
    return QStringLiteral("[--json]  list the loaded symbol sets (name, symbols, font, file)");
}

int SymbolsCommand::run(const QStringList& arguments, CliDelegate& delegate)
{
    const std::optional<bool> json = CatalogueListing::jsonOption(name(), arguments, delegate);
    if (!json)
        return CommandProcessor::Usage;
    CliSession session;
    const auto design = session.freshDesign();
    CatalogueListing::reportSkipped(session.warnings(), delegate);

    QJsonArray array;
    for (const auto& [name, info] : design->stitch.characters) {
        if (*json)
            array.append(setJson(info));
        else
            delegate.out(QStringLiteral("%1\t%2 symbols\t%3\t%4\n").arg(name).arg(info.characters.size()).arg(info.fontName, info.fileName));
    }
    if (*json)
        CatalogueListing::printJson(array, delegate);
    return CommandProcessor::Success;
}
