#include "RenderCommand.h"
#include "CliArguments.h"
#include "CliDelegate.h"
#include "CliSession.h"
#include "CommandProcessor.h"
#include "files/QmkReader.h"
#include "files/SafeFileWriter.h"
#include "imaging/PngRowWriter.h"
#include "model/Design.h"
#include "model/DesignLimits.h"
#include "view/ChartRenderer.h"
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

namespace {
QSize pictureSize(const QSize& cells, const ViewGeometry& g)
{
    return QSize(cells.width() * g.CellWidth, cells.height() * g.CellHeight);
}

bool tooLarge(const QSize& picture)
{
    return qint64(picture.width()) * picture.height() > RenderCommand::kMaxPixels;
}

int refuseSize(const QSize& picture, CliDelegate& delegate)
{
    delegate.err(QStringLiteral("threadwright-cli render: the picture would have %1 x %2 pixels; choose a smaller zoom")
                     .arg(picture.width())
                     .arg(picture.height()));
    return CommandProcessor::Failed;
}

// The picture in bands of whole cell rows, each painted into one reused image and handed to
// the PNG writer row by row.
bool writePng(QIODevice& device, const Design& d, const ViewGeometry& g, const ChartOptions& o, QString* error)
{
    const QSize size = pictureSize(QSize(d.width(), d.height()), g);
    const qint64 bandRowBytes = qint64(size.width()) * 4 * g.CellHeight;
    const int rowsPerBand = int(std::clamp<qint64>(RenderCommand::kBandBytes / bandRowBytes, 1, d.height()));
    QImage band(size.width(), rowsPerBand * g.CellHeight, QImage::Format_RGB32);
    if (band.isNull()) {
        *error = QStringLiteral("not enough memory for the picture");
        return false;
    }
    PngRowWriter png(device);
    if (!png.start(size.width(), size.height())) {
        *error = png.errorString();
        return false;
    }
    ChartPainter painter;
    for (int top = 0; top < d.height(); top += rowsPerBand) {
        const int rows = std::min(rowsPerBand, d.height() - top);
        {
            QPainter p(&band);
            const ChartPainter::Placement at{QPointF(0, -top * g.CellHeight), QSizeF(g.CellWidth, g.CellHeight)};
            painter.paint(p, d, QRect(0, top, d.width(), rows), at, o);
        }
        for (int y = 0; y < rows * g.CellHeight; ++y) {
            if (!png.writeRow(reinterpret_cast<const TColor32*>(band.constScanLine(y))))
                break;
        }
    }
    if (png.finish())
        return true;
    *error = png.errorString();
    return false;
}

// Formats other than PNG go through Qt's writers, which need the whole picture.
bool writeWhole(QIODevice& device, const QByteArray& format, const Design& d, const ViewGeometry& g,
    const ChartOptions& o, QString* error)
{
    QImage frame(pictureSize(QSize(d.width(), d.height()), g), QImage::Format_RGB32);
    if (frame.isNull()) {
        *error = QStringLiteral("not enough memory for the picture");
        return false;
    }
    {
        QPainter p(&frame);
        ChartPainter().paint(p, d, QRect(0, 0, d.width(), d.height()), ChartRenderer::placement(g), o);
    }
    QImageWriter writer(&device, format);
    if (writer.write(frame))
        return true;
    *error = writer.errorString();
    return false;
}
} // namespace

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
    const QString in = args->positional().first();
    const ViewGeometry geometry = ViewGeometry::forZoom(*zoom, args->has(QStringLiteral("--knitting")));
    // A size no design may have is left to the reader to refuse, with its own message.
    const std::optional<QSize> cells = ReadQMKSize(in);
    if (cells && DesignLimits::sizeAllowed(cells->width(), cells->height()) && tooLarge(pictureSize(*cells, geometry)))
        return refuseSize(pictureSize(*cells, geometry), delegate);

    CliSession session;
    int exitCode = 0;
    const auto design = session.openDesign(in, delegate, &exitCode);
    if (!design)
        return exitCode;
    // Files without a head to read the size from are measured once loaded.
    const QSize picture = pictureSize(QSize(design->width(), design->height()), geometry);
    if (tooLarge(picture))
        return refuseSize(picture, delegate);

    ViewOptions view;
    view.grid = args->has(QStringLiteral("--grid"));
    view.symbols = args->has(QStringLiteral("--symbols"));
    view.zoom = *zoom;
    const ChartOptions options = ChartRenderer::chartOptions(view);
    const QString out = args->value(QStringLiteral("-o"));
    const QByteArray format = QFileInfo(out).suffix().toLower().toLatin1();
    QString reason;
    const Status written = SafeFileWriter::write(out, [&](QIODevice& device) {
        if (format.isEmpty() || format == "png")
            return writePng(device, *design, geometry, options, &reason);
        return writeWhole(device, format, *design, geometry, options, &reason);
    });
    if (!written) {
        delegate.err(QStringLiteral("threadwright-cli render: %1").arg(reason.isEmpty() ? written.text() : reason));
        return CommandProcessor::Failed;
    }
    return CommandProcessor::Success;
}
