#include "SaveAsCommand.h"
#include "CliArguments.h"
#include "CliDelegate.h"
#include "CliSession.h"
#include "CommandProcessor.h"
#include "files/DesignFiles.h"
#include "files/QmkWriter.h"
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
    const auto design = session.freshDesign();
    const auto translate = [&](const QString& text) { return design->stitch.translate(text); };
    const DesignFiles::LoadResult loaded = DesignFiles::load(input, *design);
    if (!loaded.status) {
        delegate.err(QStringLiteral("threadwright-cli: %1").arg(loaded.status.text(translate)));
        return CommandProcessor::Failed;
    }
    for (const Status& warning : loaded.warnings)
        delegate.err(QStringLiteral("threadwright-cli: warning: %1").arg(warning.text(translate)));
    const Status saved = SaveQMK(*design, output);
    if (!saved) {
        delegate.err(QStringLiteral("threadwright-cli: %1").arg(saved.text(translate)));
        return CommandProcessor::Failed;
    }
    delegate.out(QStringLiteral("%1 -> %2 (%3 x %4 cells, %5 colours used)\n")
                     .arg(input, output)
                     .arg(design->width())
                     .arg(design->height())
                     .arg(design->stitch.usedColors()));
    return CommandProcessor::Success;
}
