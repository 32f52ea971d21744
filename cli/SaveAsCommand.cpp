#include "SaveAsCommand.h"
#include "CliArguments.h"
#include "CliDelegate.h"
#include "CliSession.h"
#include "CommandProcessor.h"
#include "files/OxsWriter.h"
#include "model/Design.h"
#include <QFileInfo>

QString SaveAsCommand::synopsis() const
{
    return QStringLiteral("DESIGN OUT.qmk|OUT.oxs  read a design file and write it as a .qmk design or an .oxs chart");
}

namespace {
enum class Output { None, Qmk, Oxs };

// The writer for the output's extension; None for one no writer makes.
Output outputFor(const QString& fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (extension == QLatin1String("qmk"))
        return Output::Qmk;
    if (extension == QLatin1String("oxs"))
        return Output::Oxs;
    return Output::None;
}

// An exported chart leaves the design's own name and saved state alone, as the window's export
// does; a design file goes through the one save path.
bool write(CliSession& session, Design& design, const QString& fileName, CliDelegate& delegate)
{
    if (outputFor(fileName) == Output::Qmk)
        return session.save(design, fileName, delegate);
    const Status saved = SaveOXS(design, fileName);
    if (!saved)
        delegate.err(QStringLiteral("threadwright-cli: %1").arg(saved.text([&design](const QString& text) {
            return design.stitch.translate(text);
        })));
    return bool(saved);
}
} // namespace

int SaveAsCommand::run(const QStringList& arguments, CliDelegate& delegate)
{
    QString error;
    const std::optional<CliArguments> args = CliArguments::parse(arguments, {}, {}, &error);
    if (args && args->positional().size() != 2)
        error = QStringLiteral("needs a design file and an output file");
    else if (args && outputFor(args->positional().at(1)) == Output::None)
        error = QStringLiteral("the output file must end in .qmk or .oxs");
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
    if (!write(session, *design, output, delegate))
        return CommandProcessor::Failed;
    delegate.out(QStringLiteral("%1 -> %2 (%3 x %4 cells, %5 colours used)\n")
                     .arg(input, output)
                     .arg(design->width())
                     .arg(design->height())
                     .arg(design->stitch.usedColors()));
    return CommandProcessor::Success;
}
