#include "model/Translatable.h"
#include "files/SafeFileWriter.h"
#include <QSaveFile>

Status SafeFileWriter::write(const QString& fileName, const std::function<bool(QIODevice&)>& writer)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return Status::error(TRANSLATABLE("Could not write the file %1: %2"), {fileName, file.errorString()});
    if (!writer(file) || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Status::error(TRANSLATABLE("Could not write the file %1: %2"), {fileName, reason});
    }
    if (!file.commit())
        return Status::error(TRANSLATABLE("Could not write the file %1: %2"), {fileName, file.errorString()});
    return Status::ok();
}

Status SafeFileWriter::writeBytes(const QString& fileName, const QByteArray& bytes)
{
    return write(fileName, [&](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}
