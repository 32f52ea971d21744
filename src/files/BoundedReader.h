#pragma once
#include "model/Status.h"
#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

// A cursor over the bytes of one binary file that never reads outside them. Every binary
// reader of the program reads through it.
//
// Protocol: read the whole input into memory with readAll/readFile, make a reader over the
// bytes, then read values in file order. Before reading a count, a length or a size, ask
// `fits` whether that many items can stand in the rest of the input; only then allocate, and
// never more than the bytes really present (`itemsPresent`) can fill.
//
// Two things can go wrong, and both stick until the end of the reader:
// - truncated: a read ran past the end of the bytes. That read and every later one delivers
//   zero (numbers) or nothing (strings, byte runs); the caller keeps what it read before.
// - refused: `fits` was asked about a negative count or about more than the input can hold, or
//   a string length was one of those. Later reads deliver zero; the caller gives up.
//
// A file that was cut short still claims its old size in its headers. `claimSize` tells the
// reader that size, so that counts and lengths written before the cut are judged against what
// the file held when it was written, while reads still stop at the real end.
class BoundedReader
{
public:
    // The largest input read into memory. The largest design the program opens takes about
    // 336 MB in a design file; anything beyond this limit is refused before it is read.
    static constexpr qint64 kMaxInputBytes = qint64(1) << 30;

    // Sizes of the encoded values, for `fits`.
    static constexpr qint64 kU8Bytes = 1;
    static constexpr qint64 kU16Bytes = 2;
    static constexpr qint64 kI32Bytes = 4;
    static constexpr qint64 kF64Bytes = 8;

    explicit BoundedReader(QByteArray bytes);

    // Reads what is left of a device, or a whole file, into `bytes`; fails with a message
    // naming `fileName` when it cannot be read or exceeds kMaxInputBytes.
    static Status readAll(QIODevice& device, const QString& fileName, QByteArray& bytes);
    static Status readFile(const QString& fileName, QByteArray& bytes);

    // The input itself (shared, not copied), for readers that keep parts of it.
    const QByteArray& buffer() const { return m_bytes; }
    qint64 pos() const { return m_pos; }
    qint64 size() const { return m_bytes.size(); }
    qint64 bytesLeft() const { return size() - m_pos; }
    // Bytes left up to the claimed size (at least the bytes really left).
    qint64 claimedLeft() const { return qMax(m_claimed, size()) - m_pos; }
    void claimSize(qint64 bytes) { m_claimed = qMax(m_claimed, bytes); }

    bool truncated() const { return m_truncated; }
    bool refused() const { return m_refused; }
    bool ok() const { return !m_truncated && !m_refused; }

    // Whether `count` items of `itemBytes` each can stand in the claimed rest of the input;
    // refuses (and marks the reader) when not. The position does not move.
    bool fits(qint64 count, qint64 itemBytes);
    // The same, and refuses a count beyond `maxCount` too: a format's own limit.
    bool fits(qint64 count, qint64 itemBytes, qint64 maxCount);
    // Refuses the input for a value the caller's format does not allow.
    void refuse() { m_refused = true; }
    // How many whole items of `itemBytes` are really present, at most `count`: the most a
    // caller may reserve after `fits` said yes.
    qint64 itemsPresent(qint64 count, qint64 itemBytes) const;

    // Little-endian values.
    quint8 u8();
    quint16 u16();
    qint32 i32();
    quint32 u32();
    double f64();
    // Big-endian values.
    quint16 u16BE();
    qint32 i32BE();
    quint32 u32BE();
    double f64BE();

    // An i32 byte count n, then n bytes of Windows-1252 text. A negative n, or one beyond the
    // claimed rest, refuses; one beyond the real rest is truncated and gives an empty string.
    QString str();

    // Exactly n bytes, or none when fewer are left (truncated).
    QByteArray bytes(qint64 n);
    // Up to n bytes in place: fewer when the input ends first (truncated). The view stays
    // valid as long as the reader.
    QByteArrayView take(qint64 n);
    void skip(qint64 n) { take(n); }

private:
    // The next n bytes, or null (and truncated) when they are not all there.
    const uchar* next(qint64 n);

    QByteArray m_bytes;
    qint64 m_pos = 0;
    qint64 m_claimed = 0;
    bool m_truncated = false;
    bool m_refused = false;
};
