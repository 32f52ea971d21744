#include "PreviewCommand.h"
#include "CliArguments.h"
#include "CliDelegate.h"
#include "CliSession.h"
#include "CommandProcessor.h"
#include "model/Design.h"
#include "preview/PreviewExport.h"
#include "preview/PreviewRenderer.h"
#include "preview/TFImages.h"

QString PreviewCommand::synopsis() const
{
    return QStringLiteral("DESIGN -o OUT.png|OUT.jpg [--zoom Z] [--knitting]  the real preview of the whole design (zoom 5 to 50, default 8; JPEG at quality 90)");
}

int PreviewCommand::run(const QStringList& arguments, CliDelegate& delegate)
{
    QString error;
    const auto args = CliArguments::parse(arguments, {QStringLiteral("-o"), QStringLiteral("--zoom")},
        {QStringLiteral("--knitting")}, &error);
    std::optional<int> zoom;
    std::optional<PreviewExport::Format> format;
    if (args) {
        zoom = args->integer(QStringLiteral("--zoom"), PreviewRenderer::kDefaultZoom, PreviewRenderer::kMinZoom,
            PreviewRenderer::kMaxZoom, &error);
        format = PreviewExport::formatOf(args->value(QStringLiteral("-o")));
        if (error.isEmpty() && (args->positional().size() != 1 || !format))
            error = QStringLiteral("needs one design file and -o OUT.png or OUT.jpg");
    }
    if (!error.isEmpty()) {
        delegate.err(QStringLiteral("threadwright-cli preview: %1 (see threadwright-cli --help)").arg(error));
        return CommandProcessor::Usage;
    }
    CliSession session;
    int exitCode = 0;
    const auto design = session.openDesign(args->positional().first(), delegate, &exitCode);
    if (!design)
        return exitCode;

    PreviewRenderer renderer(TFImages::instance());
    renderer.prepare(*design, *zoom, args->has(QStringLiteral("--knitting")));
    const QSize size = renderer.pictureSize();
    Status fits = PreviewExport::checkSize(size, *format);
    if (fits && qint64(size.width()) * size.height() > kMaxPixels)
        fits = Status::error(QStringLiteral("The preview would be %1 x %2 pixels, more than 400000000. Choose a smaller zoom."),
            {QString::number(size.width()), QString::number(size.height())});
    const Status written = fits ? PreviewExport::write(renderer, args->value(QStringLiteral("-o")), *format) : fits;
    if (!written) {
        delegate.err(QStringLiteral("threadwright-cli preview: %1").arg(written.text()));
        return CommandProcessor::Failed;
    }
    return CommandProcessor::Success;
}
