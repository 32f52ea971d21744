#pragma once
#include <QString>
#include <QStringList>

// Reading the 8-bit text side files: the lines of a file, split at CR LF (a lone LF or CR also
// ends a line). The last line needs no line end; a final line end adds no empty line.
namespace TextFile {
// The largest file read: fifty times the largest shipped palette. Such files come from outside,
// and every line of them is kept, so a larger one is refused rather than read.
constexpr qint64 kMaxFileBytes = qint64(1) << 20;

// Lines of a file in the Windows-1252 code page. False, with the reason in `error`, when the
// file cannot be read or is larger than kMaxFileBytes.
bool readLines(const QString& fileName, QStringList& lines, QString* error = nullptr);
// Lines of a file whose byte-order mark selects UTF-8 or UTF-16; Windows-1252 without one.
bool readLinesWithBom(const QString& fileName, QStringList& lines, QString* error = nullptr);
QStringList splitLines(const QString& text);
// A text that one line of a side file carries unchanged: every character in the code page, and
// no line break, which would split the line.
bool isStorableLine(const QString& text);
// A whole number in a field: optional blanks and sign, then decimal digits.
bool parseInteger(const QString& text, int& value);
} // namespace TextFile
