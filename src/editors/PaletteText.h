#pragma once
#include "model/Status.h"
#include "model/UTypes.h"
#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>

// The palette editor's side of the ".ctb" format: the text it writes and the way it reads a file
// back. The catalogue loader reads what is written here; every list written reads back through
// it equal, which is why names are quoted whenever the field splitting would change them.
namespace PaletteText {
// One colour line: "name", number, red, green, blue, symbol; without the name when it equals
// the number. A name or number is quoted, with inner quotes doubled, when it is empty or holds a
// comma, a blank, a control character or a quote; otherwise written as it is.
QString colorLine(const TColorInfo& color);
void appendColorLine(QString& out, const TColorInfo& color);
// The whole file in Windows-1252 with CR LF line ends. Refuses, with a message naming the colour,
// a text the code page cannot hold or a line break in a text (either would change the palette
// on reading), an empty list, and a file too large for the loader to read back.
Status encode(const QString& name, const QString& version, const QList<TColorInfo>& colors, QByteArray& bytes);

// A colour as "$RRGGBB" (upper-case hexadecimal, red first).
QString rgbText(TColorRef color);
// "$RRGGBB" or "#RRGGBB"; nothing for any other text.
std::optional<TColorRef> parseRgb(const QString& text);

// What the editor keeps of a file.
struct Contents
{
    QList<TColorInfo> colors;   // every colour line, duplicates included, in file order
    QStringList notKept;        // "line N: text" of every line that is not a colour line
};
// The lines after the first two: colour lines of five or six fields with whole numbers become
// colours with orderID = their position among those lines; blank lines are passed over; every
// other line is listed in notKept.
Contents decode(const QStringList& lines);
} // namespace PaletteText
