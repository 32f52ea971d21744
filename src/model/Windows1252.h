#pragma once
#include <QByteArray>
#include <QString>

// The 8-bit code page of every text side file and of the strings in design files. Bytes
// 0x80-0x9F go through the code page's table; every other byte is its own code point. Bytes
// the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their own value, so every
// byte string survives a round trip.
namespace Windows1252 {
QString toUnicode(const QByteArray& bytes);
QChar charOf(unsigned char byte);
// Whether the code page holds the character, so that it survives a round trip.
bool holds(QChar c);
// Characters the code page cannot hold become '?'.
QByteArray fromUnicode(const QString& text);
} // namespace Windows1252
