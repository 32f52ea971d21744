#include "model/Windows1252.h"
#include <QHash>

namespace {
// Code points of the bytes 0x80 to 0x9F.
constexpr char16_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

const QHash<char16_t, unsigned char>& reverseTable()
{
    static const QHash<char16_t, unsigned char> table = [] {
        QHash<char16_t, unsigned char> t;
        for (int i = 0; i < 32; ++i)
            t.insert(kHighTable[i], static_cast<unsigned char>(0x80 + i));
        return t;
    }();
    return table;
}
} // namespace

QChar Windows1252::charOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHighTable[byte - 0x80]);
    return QChar(char16_t(byte));
}

bool Windows1252::holds(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return true;
    return reverseTable().contains(u);
}

QString Windows1252::toUnicode(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes)
        text.append(charOf(static_cast<unsigned char>(c)));
    return text;
}

QByteArray Windows1252::fromUnicode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80) { // most text: no table look-up
            bytes.append(char(u));
            continue;
        }
        const auto it = reverseTable().constFind(u);
        if (it != reverseTable().constEnd())
            bytes.append(char(*it));
        else if (u < 0x100 && !(u >= 0x80 && u <= 0x9F))
            bytes.append(char(u));
        else
            bytes.append('?');
    }
    return bytes;
}
