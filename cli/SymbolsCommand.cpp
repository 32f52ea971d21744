#include "SymbolsCommand.h"
#include "CatalogueListing.h"
#include "model/Design.h"
#include <QJsonArray>
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
    return CatalogueListing::run(name(), arguments, delegate, [](const Design& design) {
        QList<CatalogueListing::Entry> entries;
        for (const auto& [name, info] : design.stitch.characters) {
            entries.append({setJson(info), QStringLiteral("%1\t%2 symbols\t%3\t%4\n")
                                               .arg(name)
                                               .arg(info.characters.size())
                                               .arg(info.fontName, info.fileName)});
        }
        return entries;
    });
}
