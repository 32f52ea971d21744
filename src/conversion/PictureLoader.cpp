#include "model/Translatable.h"
#include "conversion/PictureLoader.h"
#include "imaging/WhiteGround.h"
#include <QDir>
#include <QImageReader>
#include <new>

bool PictureLoader::sizeAllowed(const QSize& size)
{
    return qint64(size.width()) * qint64(size.height()) <= kMaxPixels;
}

Status PictureLoader::outOfMemory()
{
    return Status::error(TRANSLATABLE("Out of Memory. Picture is very big!"));
}

Status PictureLoader::load(const QString& fileName, TBitmap32& PictureSource)
{
    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    // In MiB: Qt's own limit must not refuse a picture that ours allows (4 bytes per pixel).
    reader.setAllocationLimit(256);
    const QSize header = reader.size();
    if (header.isValid() && !sizeAllowed(header))
        return outOfMemory();
    QImage image;
    try {
        if (!reader.read(&image)) {
            return Status::error(TRANSLATABLE("The picture %1 could not be read: %2"),
                {QDir::toNativeSeparators(fileName), reader.errorString()});
        }
        if (!sizeAllowed(image.size()))
            return outOfMemory();
        WhiteGround::compose(image);
        if (image.isNull())
            return outOfMemory();
    } catch (const std::bad_alloc&) {
        return outOfMemory();
    }
    PictureSource.image() = image;
    return Status::ok();
}
