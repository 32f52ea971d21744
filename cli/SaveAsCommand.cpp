#include "SaveAsCommand.h"
#include "CliArguments.h"
#include "CliDelegate.h"
#include "CliSession.h"
#include "CommandProcessor.h"
#include "model/Design.h"

QString SaveAsCommand::synopsis() const
{
    return QStringLiteral("DESIGN OUT.qmk  read a design file and write it as a .qmk design");
}

int SaveAsCommand::run(const QStringList& arguments, CliDelegate& delegate)
{
    QString error;
    const std::optional<CliArguments> args = CliArguments::parse(arguments, {}, {}, &error);
    if (args && args->positional().size() != 2)
        error = QStringLiteral("needs a design file and an output file");
    if (!error.isEmpty()) {
        delegate.err(QStringLiteral("threadwright-cli save-as: %1 (see threadwright-cli --help)").arg(error));
        return CommandProcessor::Usage;
    }
    const QString input = args->positional().at(0);
    const QString output = args->positional().at(1);
    CliSession session;
    int exitCode = CommandProcessor::Success;
    const auto design = session.openDesign(input, delegate, &exitCode);
    if (!design)
        return exitCode;
    if (!session.save(*design, output, delegate))
        return CommandProcessor::Failed;
    delegate.out(QStringLiteral("%1 -> %2 (%3 x %4 cells, %5 colours used)\n")
                     .arg(input, output)
                     .arg(design->width())
                     .arg(design->height())
                     .arg(design->stitch.usedColors()));
    return CommandProcessor::Success;
}
