#include "printing/PagePictureSink.h"
#include "imaging/JpegRowWriter.h"
#include "imaging/PngRowWriter.h"
#include "model/Translatable.h"
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
Status notWritten(const QString& fileName, const QString& reason)
{
    return Status::error(TRANSLATABLE("Could not write the file %1: %2"), {fileName, reason});
}

bool streamRows(const QImage& picture, RowImageWriter& encoder)
{
    if (!encoder.start(picture.width(), picture.height()))
        return false;
    for (int y = 0; y < picture.height(); ++y) {
        if (!encoder.writeRow(reinterpret_cast<const TColor32*>(picture.constScanLine(y))))
            return false;
    }
    return encoder.finish();
}
} // namespace

PagePictureSink::PagePictureSink(QSize size, PageFileNames::PictureType type, int quality, Names names)
    : m_size(size), m_type(type), m_quality(quality), m_names(std::move(names))
{
    openPicture();
}

PagePictureSink::~PagePictureSink()
{
    abort();
}

void PagePictureSink::openPicture()
{
    m_picture = QImage(m_size, QImage::Format_RGB32);
    if (m_picture.isNull())
        return;
    ++m_held;
    m_mostHeld = std::max(m_mostHeld, m_held);
    m_picture.fill(Qt::white);
    const int dotsPerMeter = qRound(kResolution / 0.0254);
    m_picture.setDotsPerMeterX(dotsPerMeter);
    m_picture.setDotsPerMeterY(dotsPerMeter);
    m_painter = std::make_unique<QPainter>(&m_picture);
}

QPainter& PagePictureSink::painter()
{
    if (!m_painter) // a picture too large for memory: drawing goes nowhere and the page fails
        m_painter = std::make_unique<QPainter>();
    return *m_painter;
}

bool PagePictureSink::encode(QIODevice& device, QString& reason) const
{
    std::unique_ptr<RowImageWriter> rows;
    if (m_type == PageFileNames::PictureType::Jpeg)
        rows = std::make_unique<JpegRowWriter>(device, m_quality);
    else if (m_type == PageFileNames::PictureType::Png)
        rows = std::make_unique<PngRowWriter>(device);
    if (rows) {
        const bool ok = streamRows(m_picture, *rows);
        reason = rows->errorString();
        return ok;
    }
    QImageWriter writer(&device, "bmp");
    const bool ok = writer.write(m_picture);
    reason = writer.errorString();
    return ok;
}

// Encodes the open page into a temporary file beside its target and releases the picture.
bool PagePictureSink::storePicture()
{
    m_painter.reset();
    const int page = int(m_temporaries.size()) + 1;
    const QString target = m_names(page, page);
    if (m_picture.isNull()) {
        m_failure = notWritten(target, QStringLiteral("not enough memory"));
        return false;
    }
    QTemporaryFile file(QFileInfo(target).absolutePath() + QStringLiteral("/.threadwright-page-XXXXXX"));
    file.setAutoRemove(false);
    QString reason;
    errno = 0;
    bool ok = file.open();
    if (ok) {
        m_temporaries << file.fileName();
        ok = encode(file, reason) && file.flush() && file.error() == QFileDevice::NoError;
    }
    if (!ok) {
        const QString cause = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
        m_failure = notWritten(target, reason.isEmpty() ? cause : reason);
    }
    file.close();
    m_picture = QImage();
    --m_held;
    return ok;
}

bool PagePictureSink::newPage()
{
    if (!storePicture())
        return false;
    openPicture();
    return true;
}

Status PagePictureSink::finish()
{
    if (!storePicture()) {
        removeTemporaries();
        return m_failure;
    }
    const int count = int(m_temporaries.size());
    for (int i = 0; i < count; ++i) {
        const QString target = m_names(i + 1, count);
        if (std::rename(QFile::encodeName(m_temporaries[i]).constData(), QFile::encodeName(target).constData()) != 0) {
            m_failure = notWritten(target, QString::fromLocal8Bit(std::strerror(errno)));
            m_temporaries = m_temporaries.mid(i);
            removeTemporaries();
            return m_failure;
        }
        m_written << target;
    }
    m_temporaries.clear();
    return Status::ok();
}

void PagePictureSink::abort()
{
    m_painter.reset();
    if (!m_picture.isNull()) {
        m_picture = QImage();
        --m_held;
    }
    removeTemporaries();
}

void PagePictureSink::removeTemporaries()
{
    for (const QString& name : std::as_const(m_temporaries))
        QFile::remove(name);
    m_temporaries.clear();
}
