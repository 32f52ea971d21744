#include "SaveAsCommand.h"
#include "CliArguments.h"
#include "CliDelegate.h"
#include "CliSession.h"
#include "CommandProcessor.h"
#include "files/DesignFiles.h"
#include "files/OxsWriter.h"
#include "files/QmkWriter.h"
#include "model/Design.h"
#include <QFileInfo>

QString SaveAsCommand::synopsis() const
{
    return QStringLiteral("DESIGN OUT.qmk|OUT.oxs  read a design file and write it as a .qmk design or an .oxs chart");
}

namespace {
using Writer = Status (*)(Design& design, const QString& fileName);

Status saveOxs(Design& design, const QString& fileName)
{
    return SaveOXS(design, fileName);
}

Status saveQmk(Design& design, const QString& fileName)
{
    return SaveQMK(design, fileName);
}

// The writer for the output's extension, or null for one no writer makes.
Writer writerFor(const QString& output)
{
    const QString extension = QFileInfo(output).suffix().toLower();
    if (extension == QLatin1String("qmk"))
        return saveQmk;
    if (extension == QLatin1String("oxs"))
        return saveOxs;
    return nullptr;
}
} // namespace

int SaveAsCommand::run(const QStringList& arguments, CliDelegate& delegate)
{
    QString error;
    const std::optional<CliArguments> args = CliArguments::parse(arguments, {}, {}, &error);
    if (args && args->positional().size() != 2)
        error = QStringLiteral("needs a design file and an output file");
    else if (args && !writerFor(args->positional().at(1)))
        error = QStringLiteral("the output file must end in .qmk or .oxs");
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
    const Status saved = writerFor(output)(*design, output);
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
