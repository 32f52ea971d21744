#include "ExportCommand.h"
#include "CliArguments.h"
#include "CliDelegate.h"
#include "CliSession.h"
#include "CommandProcessor.h"
#include "LayoutRequest.h"
#include "model/Design.h"
#include "printing/ChartBook.h"
#include "printing/PagePictureSink.h"
#include "printing/PdfPageTarget.h"
#include "printing/PrintRun.h"
#include "printing/TPreview.h"
#include <QFileInfo>

namespace {
// The drawing flags and the options of PageDrawOptions they turn off (or on).
struct DrawFlag
{
    const char* name;
    bool PageDrawOptions::*option;
    bool value;
};
const DrawFlag kDrawFlags[] = {
    {"--no-colors", &PageDrawOptions::useColors, false},
    {"--real", &PageDrawOptions::real, true},
    {"--cmyk", &PageDrawOptions::cmyk, true},
    {"--no-backstitch", &PageDrawOptions::backStitches, false},
    {"--no-back-symbol", &PageDrawOptions::backSymbol, false},
    {"--circles", &PageDrawOptions::circles, true},
    {"--light-circles", &PageDrawOptions::lightCircles, true},
    {"--no-rhodes", &PageDrawOptions::rhodes, false},
    {"--no-grid", &PageDrawOptions::grid, false},
    {"--no-symbols", &PageDrawOptions::symbols, false},
    {"--no-ruler", &PageDrawOptions::ruler, false},
};

std::optional<PageFileNames::PictureType> pictureType(const QString& suffix)
{
    if (suffix == QLatin1String("png"))
        return PageFileNames::PictureType::Png;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return PageFileNames::PictureType::Jpeg;
    if (suffix == QLatin1String("bmp"))
        return PageFileNames::PictureType::Bmp;
    return std::nullopt;
}

// The value after "-o", empty when there is none.
QString outputOf(const QStringList& arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("-o"));
    return at >= 0 ? arguments.value(at + 1) : QString();
}

QPageLayout paperLayout(const PrinterGeometry& paper)
{
    const QSizeF portrait(std::min(paper.pagewidthmm, paper.pageheightmm), std::max(paper.pagewidthmm, paper.pageheightmm));
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
        paper.pagewidthmm > paper.pageheightmm ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

int failed(CliDelegate& delegate, const QString& message)
{
    delegate.err(QStringLiteral("threadwright-cli export: %1").arg(message));
    return CommandProcessor::Failed;
}
} // namespace

QString ExportCommand::synopsis() const
{
    return QStringLiteral(
        "DESIGN -o OUT.pdf|OUT.png|OUT.jpg|OUT.jpeg|OUT.bmp [every option of layout but --json] [--quality Q] "
        "[--no-colors] [--real] [--cmyk] [--no-backstitch] [--no-back-symbol] [--circles] [--light-circles] "
        "[--no-rhodes] [--no-grid] [--no-symbols] [--no-ruler]  the printed pages as one PDF or one picture per page "
        "('#' or %d in OUT takes the page number; JPEG quality 10 to 100, default 70)");
}

int ExportCommand::run(const QStringList& arguments, CliDelegate& delegate)
{
    const auto usage = [&](const QString& message) {
        delegate.err(QStringLiteral("threadwright-cli export: %1 (see threadwright-cli --help)").arg(message));
        return int(CommandProcessor::Usage);
    };
    const QString out = outputOf(arguments);
    const QString suffix = QFileInfo(out).suffix().toLower();
    const bool pdf = suffix == QLatin1String("pdf");
    const std::optional<PageFileNames::PictureType> type = pictureType(suffix);
    QStringList drawFlags;
    for (const DrawFlag& flag : kDrawFlags)
        drawFlags << QString::fromLatin1(flag.name);
    QString error;
    std::optional<CliArguments> args;
    const std::optional<LayoutRequest> request = LayoutRequest::parse(
        arguments, &error, {{QStringLiteral("-o"), QStringLiteral("--quality")}, drawFlags, pdf}, &args);
    if (!request)
        return usage(error);
    if (out.isEmpty() || (!pdf && !type))
        return usage(QStringLiteral("-o takes a file ending in .pdf, .png, .jpg, .jpeg or .bmp"));
    if (!pdf && args->has(QStringLiteral("--paper")))
        return usage(QStringLiteral("--paper needs a .pdf output"));
    const std::optional<int> quality = args->integer(QStringLiteral("--quality"), 70, 10, 100, &error);
    if (!quality)
        return usage(error);
    PageDrawOptions drawing;
    for (const DrawFlag& flag : kDrawFlags) {
        if (args->has(QString::fromLatin1(flag.name)))
            drawing.*flag.option = flag.value;
    }

    CliSession session;
    int exitCode = 0;
    const auto design = session.openDesign(request->design, delegate, &exitCode);
    if (!design)
        return exitCode;
    TPreview preview;
    request->layOut(preview, *design);
    if (!preview.status)
        return failed(delegate, preview.status.text());
    const ChartBook book(*design, preview, drawing);
    if (book.pageCount() < 1)
        return failed(delegate, QStringLiteral("the options select no pages"));

    std::unique_ptr<RunTarget> target;
    PagePictureSink* pictures = nullptr;
    if (pdf) {
        auto file = std::make_unique<PdfPageTarget>(out, paperLayout(*request->printer), request->printer->pixelsPerInch,
            PrintRun::documentTitle(design->stitch));
        if (const Status opened = file->open(); !opened)
            return failed(delegate, opened.text());
        target = std::move(file);
    } else {
        const QFileInfo file(out);
        if (const Status folder = PageFileNames::makeFolder(file.absolutePath()); !folder)
            return failed(delegate, QStringLiteral("cannot make the folder %1").arg(file.absolutePath()));
        const QString folder = out.left(out.size() - file.fileName().size());
        auto sink = std::make_unique<PagePictureSink>(QSize(preview.pagewidthReal, preview.pageheightReal), *type, *quality,
            [folder, name = file.fileName()](int page, int count) {
                return folder + PageFileNames::numbered(name, page, count, true);
            });
        pictures = sink.get();
        target = std::move(sink);
    }
    const Status done = PrintRun::drawAndFinish(book, *target);
    if (!done)
        return failed(delegate, pictures && !pictures->failure() ? pictures->failure().text() : done.text());
    for (const QString& name : pictures ? pictures->written() : QStringList{out})
        delegate.out(name + QLatin1Char('\n'));
    return CommandProcessor::Success;
}
