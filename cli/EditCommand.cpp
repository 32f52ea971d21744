#include "EditCommand.h"
#include "CliArguments.h"
#include "CliDelegate.h"
#include "CliSession.h"
#include "CommandProcessor.h"
#include "EditState.h"
#include "EditSteps.h"
#include "conversion/DesignCreation.h"
#include "model/Design.h"
#include "model/RhodeShapes.h"
#include "shell/Startup.h"
#include <QRegularExpression>

namespace {
int usage(CliDelegate& delegate, const QString& error)
{
    delegate.err(QStringLiteral("threadwright-cli edit: %1 (see threadwright-cli --help)").arg(error));
    return CommandProcessor::Usage;
}

std::optional<QSize> newSize(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return QSize(m.captured(1).toInt(), m.captured(2).toInt());
}

// A new design as the window's "New" makes it, from a fresh document; a palette or symbol set
// that is not loaded is refused rather than silently replaced by another.
std::unique_ptr<Design> createDesign(CliSession& session, const QSize& size, const CliArguments& args, CliDelegate& delegate)
{
    auto design = session.freshDesign();
    TStitch& doc = design->stitch;
    const QString palette = args.value(QStringLiteral("--palette"), doc.defaultPalette);
    const QString symbols = args.value(QStringLiteral("--symbols"), doc.defaultCharacters);
    QString problem;
    if (args.has(QStringLiteral("--palette")) && !doc.palette(palette))
        problem = QStringLiteral("no palette \"%1\" is loaded").arg(palette);
    else if (args.has(QStringLiteral("--symbols")) && !doc.characters.contains(symbols))
        problem = QStringLiteral("no symbol set \"%1\" is loaded").arg(symbols);
    if (problem.isEmpty()) {
        const Status created = DesignCreation::CreateNewTemplate(*design, size.width(), size.height(), symbols, palette);
        if (!created)
            problem = created.text([&doc](const QString& text) { return doc.translate(text); });
    }
    if (problem.isEmpty())
        return design;
    delegate.err(QStringLiteral("threadwright-cli edit: %1").arg(problem));
    return nullptr;
}
} // namespace

QString EditCommand::synopsis() const
{
    return QStringLiteral("(DESIGN | --new WxH [--palette KEY] [--symbols NAME]) -o OUT.qmk STEP...  "
                          "drives the window's tools, one argument per step: mode NAME, color ID, pen N, "
                          "fill-mode full|none, corner round|sharp, click X,Y, press X,Y, move X,Y, release X,Y, "
                          "key esc|enter, undo, redo");
}

int EditCommand::run(const QStringList& arguments, CliDelegate& delegate)
{
    QString error;
    const auto args = CliArguments::parse(arguments,
        {QStringLiteral("-o"), QStringLiteral("--new"), QStringLiteral("--palette"), QStringLiteral("--symbols")}, {},
        &error);
    if (!args)
        return usage(delegate, error);
    const bool fresh = args->has(QStringLiteral("--new"));
    const std::optional<QSize> size = fresh ? newSize(args->value(QStringLiteral("--new"))) : std::nullopt;
    QStringList steps = args->positional();
    if (fresh && !size)
        return usage(delegate, QStringLiteral("--new takes WIDTHxHEIGHT, for example 30x20"));
    if (!fresh && steps.isEmpty())
        return usage(delegate, QStringLiteral("needs a design file or --new WxH"));
    if (!fresh && (args->has(QStringLiteral("--palette")) || args->has(QStringLiteral("--symbols"))))
        return usage(delegate, QStringLiteral("--palette and --symbols go with --new"));
    if (!args->has(QStringLiteral("-o")))
        return usage(delegate, QStringLiteral("needs -o OUT.qmk"));
    const QString in = fresh ? QString() : steps.takeFirst();
    const std::optional<std::vector<EditSteps::Action>> actions = EditSteps::parse(steps, &error);
    if (!actions)
        return usage(delegate, error);

    CliSession session;
    int exitCode = CommandProcessor::Failed;
    std::unique_ptr<Design> design =
        fresh ? createDesign(session, *size, *args, delegate) : session.openDesign(in, delegate, &exitCode);
    if (!design)
        return CommandProcessor::Failed;
    auto shapes = std::make_unique<RhodeShapes>();
    Startup::loadRhodeShapes(design->stitch.RhodesPath, *shapes);
    EditState state(*design, session.allowQuarterOverCross(), std::move(shapes));
    if (!EditSteps::run(state, *actions, &error)) {
        delegate.err(QStringLiteral("threadwright-cli edit: %1").arg(error));
        return CommandProcessor::Failed;
    }
    const QString out = args->value(QStringLiteral("-o"));
    if (!session.save(*design, out, delegate))
        return CommandProcessor::Failed;
    delegate.out(QStringLiteral("%1: %2 x %3 cells, %4 undo records\n")
                     .arg(out)
                     .arg(design->width())
                     .arg(design->height())
                     .arg(design->History.position() + 1));
    return CommandProcessor::Success;
}
