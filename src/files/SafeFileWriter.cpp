#include "model/Translatable.h"
#include "files/SafeFileWriter.h"
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
Status failed(const QString& fileName, const QString& reason)
{
    return Status::error(TRANSLATABLE("Could not write the file %1: %2"), {fileName, reason});
}

// The cause of the step that just failed. The file device forgets the reason of a failed flush
// once it closes ("Unknown error"), so the system's own error number, taken right after the
// step, comes first.
QString causeOf(const QFileDevice& file, int error)
{
    return error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : file.errorString();
}
} // namespace

Status SafeFileWriter::write(const QString& fileName, const std::function<bool(QIODevice&)>& writer)
{
    QSaveFile file(fileName);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failed(fileName, causeOf(file, errno));
    errno = 0;
    // The bytes are flushed and synced here, where a full disk or a failing device still
    // reports its error number; the commit then only renames.
    if (!writer(file) || file.error() != QFileDevice::NoError || !file.flush() || ::fsync(file.handle()) != 0) {
        const QString reason = causeOf(file, errno);
        file.cancelWriting();
        return failed(fileName, reason);
    }
    errno = 0;
    if (!file.commit())
        return failed(fileName, causeOf(file, errno));
    return Status::ok();
}

Status SafeFileWriter::writeBytes(const QString& fileName, const QByteArray& bytes)
{
    return write(fileName, [&](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}
