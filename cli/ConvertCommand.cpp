#include "ConvertCommand.h"
#include "CliArguments.h"
#include "CliDelegate.h"
#include "CliSession.h"
#include "CommandProcessor.h"
#include "conversion/ConversionChoices.h"
#include "conversion/PictureConversion.h"
#include "conversion/PictureLoader.h"
#include "files/ShadowFile.h"
#include "model/Design.h"
#include "model/DesignLimits.h"
#include <QRegularExpression>

namespace {
QString usageLine(const QString& error)
{
    return QStringLiteral("threadwright-cli convert: %1 (see threadwright-cli --help)").arg(error);
}

// The choices from the options, or an error text for a usage error.
std::optional<ConversionChoices> choicesFrom(const CliArguments& args, QString* error)
{
    ConversionChoices c;
    const auto integer = [&](const char* option, int fallback, int min, int max) {
        return args.integer(QString::fromLatin1(option), fallback, min, max, error);
    };
    const std::optional<int> brightness = integer("--brightness", c.brightness, -255, 255);
    const std::optional<int> contrast = integer("--contrast", c.contrast, 0, 255);
    const std::optional<int> maxSize = integer("--max-size", c.maxSize, 2, DesignLimits::kMaxSide);
    const std::optional<int> level = integer("--dither-level", c.ditherLevel, 0, 100);
    const std::optional<int> maxColors = integer("--max-colors", 0, 1, 100000);
    if (!brightness || !contrast || !maxSize || !level || !maxColors)
        return std::nullopt;
    c.brightness = *brightness;
    c.contrast = *contrast;
    c.maxSize = *maxSize;
    c.ditherLevel = *level;
    if (args.has(QStringLiteral("--max-colors")))
        c.maxColors = *maxColors;
    if (args.has(QStringLiteral("--size"))) {
        if (args.has(QStringLiteral("--max-size"))) {
            *error = QStringLiteral("--size and --max-size exclude each other");
            return std::nullopt;
        }
        static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
        const QRegularExpressionMatch m = pattern.match(args.value(QStringLiteral("--size")));
        if (!m.hasMatch()) {
            *error = QStringLiteral("--size takes WIDTHxHEIGHT, for example 120x80");
            return std::nullopt;
        }
        c.size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    }
    if (args.has(QStringLiteral("--dither"))
        && !DitherKernel::fromName(args.value(QStringLiteral("--dither")), &c.dithering)) {
        *error = QStringLiteral("--dither takes none, floyd-steinberg, jarvis-judice-ninke, stucki or sierra-lite");
        return std::nullopt;
    }
    // Asking for a kernel without a level means dithering at full strength: at the wizard's
    // starting level 0 no error would be diffused at all.
    if (c.dithering != DitherMethod::None && !args.has(QStringLiteral("--dither-level")))
        c.ditherLevel = 100;
    c.palette = args.value(QStringLiteral("--palette"));
    c.symbols = args.value(QStringLiteral("--symbols"));
    return c;
}
// Asking for more colours than the symbol set can mark, or than the "maxColors" setting allows,
// gives fewer colours: the user is told which bound held.
void warnAboutColourCap(const ConversionChoices& choices, const PictureConversion& conversion, int setting,
    CliDelegate& delegate)
{
    if (!choices.maxColors)
        return;
    const int symbols = conversion.symbolCount();
    const int cap = std::min(symbols, setting);
    if (*choices.maxColors <= cap)
        return;
    const QString bound = symbols <= setting
        ? QStringLiteral("the symbol set \"%1\" can mark only %2 colours").arg(conversion.symbolSetName()).arg(symbols)
        : QStringLiteral("the maxColors setting allows only %1 colours").arg(setting);
    delegate.err(QStringLiteral("threadwright-cli: warning: --max-colors %1 is capped at %2: %3")
                     .arg(*choices.maxColors)
                     .arg(cap)
                     .arg(bound));
}

// The adjusted picture becomes the design's shadow picture, saved beside it; a picture of the
// user's own under the side file's name is never replaced, which is said. False when the
// picture cannot be held.
bool keepShadow(const PictureConversion& conversion, Design& design, const QString& output, CliDelegate& delegate)
{
    try {
        design.shadowPicture = conversion.shadowPicture();
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (DesignSession::sideFileIsForeign(design, output)) {
        delegate.err(QStringLiteral("threadwright-cli: warning: %1 is not a shadow picture written by this program "
                                    "and is left as it is; the design is saved without its shadow picture")
                         .arg(ShadowFile::sideFileName(output)));
    }
    return true;
}
} // namespace

QString ConvertCommand::synopsis() const
{
    return QStringLiteral(
        "PICTURE -o OUT.qmk [--palette KEY] [--symbols NAME] [--max-size N | --size WxH] [--max-colors N] "
        "[--dither none|floyd-steinberg|jarvis-judice-ninke|stucki|sierra-lite] [--dither-level 0..100, default 100] "
        "[--brightness B] [--contrast C] [--knitting] [--shadow]  picture -> design with the conversion wizard's steps "
        "(--shadow: the adjusted picture, at most 1000 pixels a side, saved beside OUT as its shadow picture, OUT "
        "with .png)");
}

int ConvertCommand::run(const QStringList& arguments, CliDelegate& delegate)
{
    QString error;
    const std::optional<CliArguments> args = CliArguments::parse(arguments,
        {QStringLiteral("-o"), QStringLiteral("--palette"), QStringLiteral("--symbols"), QStringLiteral("--max-size"),
            QStringLiteral("--size"), QStringLiteral("--max-colors"), QStringLiteral("--dither"),
            QStringLiteral("--dither-level"), QStringLiteral("--brightness"), QStringLiteral("--contrast")},
        {QStringLiteral("--knitting"), QStringLiteral("--shadow")}, &error);
    std::optional<ConversionChoices> choices;
    if (args && args->positional().size() != 1)
        error = QStringLiteral("needs exactly one picture");
    else if (args && !args->has(QStringLiteral("-o")))
        error = QStringLiteral("needs -o OUT.qmk");
    else if (args)
        choices = choicesFrom(*args, &error);
    if (!error.isEmpty()) {
        delegate.err(usageLine(error));
        return CommandProcessor::Usage;
    }
    const QString output = args->value(QStringLiteral("-o"));
    CliSession session;
    const auto design = session.freshDesign();
    const auto translate = [&](const QString& text) { return design->stitch.translate(text); };
    const auto failed = [&](const Status& status) {
        delegate.err(QStringLiteral("threadwright-cli: %1").arg(status.text(translate)));
        return CommandProcessor::Failed;
    };

    TBitmap32 PictureSource;
    Status status = PictureLoader::load(args->positional().first(), PictureSource);
    if (!status)
        return failed(status);
    PictureConversion conversion(design->stitch);
    status = conversion.run(PictureSource, *choices);
    if (!status)
        return failed(status);
    PictureSource.Clear();
    warnAboutColourCap(*choices, conversion, design->stitch.maxColors, delegate);
    status = conversion.buildDesign(*design);
    design->stitch.Deltas.clear();
    if (!status)
        return failed(status);
    if (args->has(QStringLiteral("--shadow")) && !keepShadow(conversion, *design, output, delegate))
        return failed(PictureLoader::outOfMemory());
    if (!session.save(*design, output, delegate))
        return CommandProcessor::Failed;
    delegate.out(QStringLiteral("%1 -> %2 (%3 x %4 cells, %5 colours of %6, symbols %7)\n")
                     .arg(args->positional().first(), output)
                     .arg(design->width())
                     .arg(design->height())
                     .arg(design->stitch.usedColors())
                     .arg(conversion.paletteName(), conversion.symbolSetName()));
    return CommandProcessor::Success;
}
