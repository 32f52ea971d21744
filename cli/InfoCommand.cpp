#include "InfoCommand.h"
#include "CliArguments.h"
#include "CliDelegate.h"
#include "CliSession.h"
#include "CommandProcessor.h"
#include "files/DesignSummary.h"
#include "model/Design.h"
#include <QJsonDocument>

QString InfoCommand::synopsis() const
{
    return QStringLiteral("DESIGN [--json]  summary of a design file (size, palette, colours and their stitches)");
}

int InfoCommand::run(const QStringList& arguments, CliDelegate& delegate)
{
    QString error;
    const std::optional<CliArguments> args = CliArguments::parse(arguments, {}, {QStringLiteral("--json")}, &error);
    if (args && args->positional().size() != 1)
        error = QStringLiteral("needs exactly one design file");
    if (!error.isEmpty()) {
        delegate.err(QStringLiteral("threadwright-cli info: %1 (see threadwright-cli --help)").arg(error));
        return CommandProcessor::Usage;
    }
    const QString fileName = args->positional().first();
    CliSession session;
    int exitCode = CommandProcessor::Success;
    const auto design = session.openDesign(fileName, delegate, &exitCode);
    if (!design)
        return exitCode;
    if (args->has(QStringLiteral("--json")))
        delegate.out(QString::fromUtf8(QJsonDocument(DesignSummary::json(*design)).toJson(QJsonDocument::Indented)));
    else
        delegate.out(DesignSummary::text(fileName, *design));
    return CommandProcessor::Success;
}
