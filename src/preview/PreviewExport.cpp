#include "preview/PreviewExport.h"
#include "files/SafeFileWriter.h"
#include "imaging/JpegRowWriter.h"
#include "imaging/PngRowWriter.h"
#include "model/Translatable.h"
#include "preview/PreviewRenderer.h"
#include <QFileInfo>
#include <QImage>
#include <algorithm>

namespace {
// Bands of about this many bytes: large enough that stitches crossing band edges are turned
// rarely, small enough that the largest picture stays far below the memory of a desktop.
constexpr qint64 kBandBytes = qint64(8) << 20;

// Renders the bands and hands their rows to the encoder; false on a failure (`reason` says
// why) or a cancel.
bool streamRows(PreviewRenderer& renderer, RowImageWriter& encoder, const PreviewExport::Progress& progress, bool& cancelled,
    QString& reason)
{
    reason.clear();
    const auto failed = [&] {
        reason = encoder.errorString();
        return false;
    };
    const QSize size = renderer.pictureSize();
    if (!encoder.start(size.width(), size.height()))
        return failed();
    const qint64 rowBytes = qint64(size.width()) * 4 * renderer.FCellHeight;
    const int bandRows = int(std::max<qint64>(1, kBandBytes / rowBytes)) * renderer.FCellHeight;
    QImage band(size.width(), std::min(bandRows, size.height()), QImage::Format_RGB32);
    if (band.isNull()) {
        reason = QStringLiteral("not enough memory");
        return false;
    }
    for (int top = 0; top < size.height(); top += bandRows) {
        const int rows = std::min(bandRows, size.height() - top);
        renderer.DrawBitmap(band, QRect(0, top, size.width(), rows));
        for (int y = 0; y < rows; ++y) {
            if (!encoder.writeRow(reinterpret_cast<const TColor32*>(band.constScanLine(y))))
                return failed();
        }
        if (progress && !progress(top + rows, size.height())) {
            cancelled = true;
            return false;
        }
    }
    return encoder.finish() || failed();
}
} // namespace

std::optional<PreviewExport::Format> PreviewExport::formatOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return Format::Png;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return Format::Jpeg;
    return std::nullopt;
}

Status PreviewExport::checkSize(const QSize& size, Format format)
{
    if (format == Format::Jpeg && std::max(size.width(), size.height()) > JpegRowWriter::kMaxSide)
        return Status::error(TRANSLATABLE("The preview would be %1 x %2 pixels; a JPEG file holds at most 65500 pixels a side. Choose a smaller zoom."),
            {QString::number(size.width()), QString::number(size.height())});
    return Status::ok();
}

Status PreviewExport::write(PreviewRenderer& renderer, const QString& fileName, Format format, const Progress& progress,
    bool* cancelled)
{
    if (Status fits = checkSize(renderer.pictureSize(), format); !fits)
        return fits;
    bool stopped = false;
    QString reason;
    const Status written = SafeFileWriter::write(fileName, [&](QIODevice& device) {
        std::unique_ptr<RowImageWriter> encoder;
        if (format == Format::Png)
            encoder = std::make_unique<PngRowWriter>(device);
        else
            encoder = std::make_unique<JpegRowWriter>(device, kJpegQuality);
        return streamRows(renderer, *encoder, progress, stopped, reason);
    });
    if (cancelled)
        *cancelled = stopped;
    if (stopped)
        return Status::error(QString());
    if (!written && !reason.isEmpty())
        return Status::error(TRANSLATABLE("Could not write the file %1: %2"), {fileName, reason});
    return written;
}
