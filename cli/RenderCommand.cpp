#include "RenderCommand.h"
#include "CliArguments.h"
#include "CliDelegate.h"
#include "CliSession.h"
#include "CommandProcessor.h"
#include "files/SafeFileWriter.h"
#include "model/Design.h"
#include "view/ChartRenderer.h"
#include <QFileInfo>
#include <QImageWriter>

QString RenderCommand::synopsis() const
{
    return QStringLiteral("DESIGN -o OUT.png [--zoom Z] [--grid] [--symbols] [--knitting]  the work view of the whole design as a picture (zoom 2 to 60, default 8)");
}

int RenderCommand::run(const QStringList& arguments, CliDelegate& delegate)
{
    QString error;
    const auto args = CliArguments::parse(arguments, {QStringLiteral("-o"), QStringLiteral("--zoom")},
        {QStringLiteral("--grid"), QStringLiteral("--symbols"), QStringLiteral("--knitting")}, &error);
    std::optional<int> zoom;
    if (args) {
        zoom = args->integer(QStringLiteral("--zoom"), 8, 2, 60, &error);
        if (error.isEmpty() && (args->positional().size() != 1 || args->value(QStringLiteral("-o")).isEmpty()))
            error = QStringLiteral("needs one design file and -o OUT.png");
    }
    if (!error.isEmpty()) {
        delegate.err(QStringLiteral("threadwright-cli render: %1 (see threadwright-cli --help)").arg(error));
        return CommandProcessor::Usage;
    }
    CliSession session;
    int exitCode = 0;
    const auto design = session.openDesign(args->positional().first(), delegate, &exitCode);
    if (!design)
        return exitCode;

    ViewOptions options;
    options.grid = args->has(QStringLiteral("--grid"));
    options.symbols = args->has(QStringLiteral("--symbols"));
    options.zoom = *zoom;
    const ViewGeometry geometry = ViewGeometry::forZoom(*zoom, args->has(QStringLiteral("--knitting")));
    const QRect area = ChartRenderer::designRect(*design, geometry);
    if (qint64(area.width()) * area.height() > kMaxPixels) {
        delegate.err(QStringLiteral("threadwright-cli render: the picture would have %1 x %2 pixels; choose a smaller zoom")
                         .arg(area.width())
                         .arg(area.height()));
        return CommandProcessor::Failed;
    }
    QImage frame(area.size(), QImage::Format_RGB32);
    if (frame.isNull()) {
        delegate.err(QStringLiteral("threadwright-cli render: not enough memory for the picture"));
        return CommandProcessor::Failed;
    }
    ChartRenderer().render(frame, frame.rect(), *design, geometry, options);
    const QString out = args->value(QStringLiteral("-o"));
    const QByteArray format = QFileInfo(out).suffix().toLower().toLatin1();
    const Status written = SafeFileWriter::write(out, [&](QIODevice& device) {
        QImageWriter writer(&device, format.isEmpty() ? QByteArray("png") : format);
        return writer.write(frame);
    });
    if (!written) {
        delegate.err(QStringLiteral("threadwright-cli render: %1").arg(written.text()));
        return CommandProcessor::Failed;
    }
    return CommandProcessor::Success;
}
