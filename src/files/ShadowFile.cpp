#include "model/Translatable.h"
#include "files/ShadowFile.h"
#include "files/SafeFileWriter.h"
#include "imaging/PictureLimits.h"
#include "imaging/WhiteGround.h"
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <new>

namespace {
Status unreadable(const QString& fileName, const QString& reason)
{
    return Status::error(TRANSLATABLE("The shadow picture %1 could not be read: %2"),
        {QDir::toNativeSeparators(fileName), reason});
}

Status tooLarge(const QString& fileName, const QSize& size)
{
    return Status::error(TRANSLATABLE("The shadow picture %1 (%2 x %3 pixels) is too large to load."),
        {QDir::toNativeSeparators(fileName), QString::number(size.width()), QString::number(size.height())});
}
} // namespace

QString ShadowFile::sideFileName(const QString& designFile)
{
    const QFileInfo file(designFile);
    return file.path() + QLatin1Char('/') + file.completeBaseName() + QStringLiteral(".png");
}

Status ShadowFile::read(const QString& fileName, QImage* picture)
{
    *picture = QImage();
    if (!QFileInfo(fileName).isFile())
        return Status::ok();
    QImageReader reader(fileName);
    // In MiB: Qt's own limit must not refuse what ours allows.
    reader.setAllocationLimit(256);
    const QSize header = reader.size();
    if (header.isValid() && qint64(header.width()) * header.height() > kMaxPicturePixels)
        return tooLarge(fileName, header);
    QImage image;
    try {
        if (!reader.read(&image))
            return unreadable(fileName, reader.errorString());
        WhiteGround::compose(image);
    } catch (const std::bad_alloc&) {
        image = QImage();
    }
    if (image.isNull())
        return tooLarge(fileName, header);
    *picture = image;
    return Status::ok();
}

Status ShadowFile::write(const QString& fileName, const QImage& picture)
{
    return SafeFileWriter::write(fileName, [&picture](QIODevice& device) {
        QImageWriter writer(&device, "png");
        writer.setText(QString::fromLatin1(kSoftwareKey), QString::fromLatin1(kMarker));
        return writer.write(picture);
    });
}

bool ShadowFile::isMarked(const QString& fileName)
{
    QImageReader reader(fileName, "png");
    return reader.canRead() && reader.text(QString::fromLatin1(kSoftwareKey)) == QLatin1String(kMarker);
}
