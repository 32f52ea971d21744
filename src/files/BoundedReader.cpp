#include "model/Translatable.h"
#include "files/BoundedReader.h"
#include "files/TwoThreads.h"
#include "imaging/HugePages.h"
#include "model/Windows1252.h"
#include <QFile>
#include <QtEndian>
#include <cstring>

namespace {
Status tooLarge(const QString& fileName)
{
    return Status::error(TRANSLATABLE("The file %1 is too large to open."), {fileName});
}

Status unreadable(const QString& fileName, const QString& reason)
{
    return Status::error(TRANSLATABLE("Could not read the file %1: %2"), {fileName, reason});
}

// A device of unknown length (a pipe) is read in pieces up to the limit.
Status readSequential(QIODevice& device, const QString& fileName, QByteArray& bytes)
{
    constexpr qint64 kPiece = qint64(1) << 20;
    bytes.clear();
    for (;;) {
        if (bytes.size() > BoundedReader::kMaxInputBytes)
            return tooLarge(fileName);
        const qint64 old = bytes.size();
        bytes.resize(old + kPiece);
        const qint64 got = device.read(bytes.data() + old, kPiece);
        if (got < 0)
            return unreadable(fileName, device.errorString());
        bytes.resize(old + got);
        if (got == 0 && (device.atEnd() || !device.waitForReadyRead(-1)))
            return Status::ok();
    }
}

// Files of at least this size are read by two threads.
constexpr qint64 kBytesForTwoThreads = qint64(8) << 20;

// Exactly `length` bytes from `offset` of a device that can seek into `target`.
Status readRange(QIODevice& device, const QString& fileName, qint64 offset, qint64 length, char* target)
{
    if (device.pos() != offset && !device.seek(offset))
        return unreadable(fileName, device.errorString());
    qint64 done = 0;
    while (done < length) {
        const qint64 got = device.read(target + done, length - done);
        if (got <= 0)
            return unreadable(fileName, got < 0 ? device.errorString() : QStringLiteral("end of file"));
        done += got;
    }
    return Status::ok();
}

// The same through a handle of its own, for a second thread.
Status readRange(const QString& fileName, qint64 offset, qint64 length, char* target)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(fileName, file.errorString());
    return readRange(file, fileName, offset, length, target);
}
} // namespace

BoundedReader::BoundedReader(QByteArray bytes)
    : m_bytes(std::move(bytes))
{
}

Status BoundedReader::readAll(QIODevice& device, const QString& fileName, QByteArray& bytes)
{
    if (device.isSequential())
        return readSequential(device, fileName, bytes);
    const qint64 left = device.size() - device.pos();
    if (left > kMaxInputBytes)
        return tooLarge(fileName);
    // Exactly the size needed: growing an empty array would reserve room to spare.
    bytes = QByteArray(qMax<qint64>(left, 0), Qt::Uninitialized);
    adviseHugePages(bytes.data(), size_t(bytes.size()));
    return readRange(device, fileName, device.pos(), left, bytes.data());
}

Status BoundedReader::readFile(const QString& fileName, QByteArray& bytes)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(fileName, file.errorString());
    const qint64 size = file.size();
    if (size < kBytesForTwoThreads || size > kMaxInputBytes || !twoThreadsAvailable())
        return readAll(file, fileName, bytes);
    // A large file comes in two halves read at the same time: copying from the system's file
    // cache is bound by what one core can copy.
    bytes = QByteArray(size, Qt::Uninitialized);
    char* data = bytes.data();
    adviseHugePages(data, size_t(size));
    const qint64 half = size / 2;
    Status first;
    Status second;
    runOnTwoThreads([&] { second = readRange(fileName, half, size - half, data + half); },
        [&] { first = readRange(file, fileName, 0, half, data); });
    if (!first)
        return first;
    return second;
}

bool BoundedReader::fits(qint64 count, qint64 itemBytes)
{
    if (m_refused)
        return false;
    // Dividing instead of multiplying keeps a huge count from overflowing.
    const bool fitting = count >= 0 && itemBytes > 0 && count <= claimedLeft() / itemBytes;
    if (!fitting)
        m_refused = true;
    return fitting;
}

bool BoundedReader::fits(qint64 count, qint64 itemBytes, qint64 maxCount)
{
    if (count > maxCount)
        m_refused = true;
    return fits(count, itemBytes);
}

qint64 BoundedReader::itemsPresent(qint64 count, qint64 itemBytes) const
{
    if (count <= 0 || itemBytes <= 0)
        return 0;
    return qMin(count, qMax<qint64>(bytesLeft(), 0) / itemBytes);
}

const uchar* BoundedReader::next(qint64 n)
{
    if (m_refused || m_truncated || n < 0)
        return nullptr;
    if (n > bytesLeft()) {
        m_truncated = true;
        m_pos = size();
        return nullptr;
    }
    const uchar* p = reinterpret_cast<const uchar*>(m_bytes.constData()) + m_pos;
    m_pos += n;
    return p;
}

quint8 BoundedReader::u8()
{
    const uchar* p = next(kU8Bytes);
    return p ? *p : 0;
}

quint16 BoundedReader::u16()
{
    const uchar* p = next(kU16Bytes);
    return p ? qFromLittleEndian<quint16>(p) : 0;
}

qint32 BoundedReader::i32()
{
    const uchar* p = next(kI32Bytes);
    return p ? qFromLittleEndian<qint32>(p) : 0;
}

quint32 BoundedReader::u32()
{
    const uchar* p = next(kI32Bytes);
    return p ? qFromLittleEndian<quint32>(p) : 0;
}

double BoundedReader::f64()
{
    const uchar* p = next(kF64Bytes);
    if (!p)
        return 0.0;
    const quint64 bits = qFromLittleEndian<quint64>(p);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

quint16 BoundedReader::u16BE()
{
    const uchar* p = next(kU16Bytes);
    return p ? qFromBigEndian<quint16>(p) : 0;
}

qint32 BoundedReader::i32BE()
{
    const uchar* p = next(kI32Bytes);
    return p ? qFromBigEndian<qint32>(p) : 0;
}

quint32 BoundedReader::u32BE()
{
    const uchar* p = next(kI32Bytes);
    return p ? qFromBigEndian<quint32>(p) : 0;
}

double BoundedReader::f64BE()
{
    const uchar* p = next(kF64Bytes);
    if (!p)
        return 0.0;
    const quint64 bits = qFromBigEndian<quint64>(p);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QString BoundedReader::str()
{
    const qint32 n = i32();
    if (!ok() || n == 0)
        return QString();
    if (!fits(n, kU8Bytes))
        return QString();
    const uchar* p = next(n);
    return p ? Windows1252::toUnicode(QByteArray(reinterpret_cast<const char*>(p), n)) : QString();
}

QByteArray BoundedReader::bytes(qint64 n)
{
    const uchar* p = next(n);
    return p ? QByteArray(reinterpret_cast<const char*>(p), n) : QByteArray();
}

QByteArrayView BoundedReader::take(qint64 n)
{
    if (m_refused || m_truncated || n <= 0)
        return {};
    const qint64 present = qMin(n, bytesLeft());
    const QByteArrayView view(m_bytes.constData() + m_pos, present);
    m_pos += present;
    if (present < n)
        m_truncated = true;
    return view;
}
