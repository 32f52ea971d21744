#include "CatalogueListing.h"
#include "CliArguments.h"
#include "CliDelegate.h"
#include <QJsonDocument>

std::optional<bool> CatalogueListing::jsonOption(const QString& command, const QStringList& arguments, CliDelegate& delegate)
{
    QString error;
    const std::optional<CliArguments> args = CliArguments::parse(arguments, {}, {QStringLiteral("--json")}, &error);
    if (args && !args->positional().isEmpty())
        error = QStringLiteral("unexpected argument '%1'").arg(args->positional().first());
    if (!error.isEmpty()) {
        delegate.err(QStringLiteral("threadwright-cli %1: %2 (see threadwright-cli --help)").arg(command, error));
        return std::nullopt;
    }
    return args->has(QStringLiteral("--json"));
}

void CatalogueListing::reportSkipped(const QStringList& messages, CliDelegate& delegate)
{
    for (const QString& m : messages)
        delegate.err(QStringLiteral("threadwright-cli: skipped: %1").arg(m));
}

void CatalogueListing::printJson(const QJsonArray& array, CliDelegate& delegate)
{
    delegate.out(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
}
