#include "CatalogueListing.h"
#include "CliArguments.h"
#include "CliDelegate.h"
#include "CliSession.h"
#include "CommandProcessor.h"
#include "model/Design.h"
#include <QJsonArray>
#include <QJsonDocument>

namespace {
// Whether --json was given; nullopt after reporting wrong usage of `command`.
std::optional<bool> jsonOption(const QString& command, const QStringList& arguments, CliDelegate& delegate)
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
} // namespace

int CatalogueListing::run(const QString& command, const QStringList& arguments, CliDelegate& delegate,
    const std::function<QList<Entry>(const Design& design)>& entries)
{
    const std::optional<bool> json = jsonOption(command, arguments, delegate);
    if (!json)
        return CommandProcessor::Usage;
    CliSession session;
    const auto design = session.freshDesign();
    for (const QString& m : session.warnings())
        delegate.err(QStringLiteral("threadwright-cli: skipped: %1").arg(m));
    QJsonArray array;
    for (const Entry& entry : entries(*design)) {
        if (*json)
            array.append(entry.json);
        else
            delegate.out(entry.line);
    }
    if (*json)
        delegate.out(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
    return CommandProcessor::Success;
}
