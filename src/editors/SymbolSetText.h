#pragma once
#include "model/Status.h"
#include <QByteArray>
#include <QList>
#include <QString>

class QFontMetrics;

// The symbol set editor's side of the ".chr" format. Files are read through the catalogue's own
// reader, so the editor refuses exactly what the catalogue would skip, and every set written
// here reads back through it equal.
namespace SymbolSetText {
struct Contents
{
    QString name;
    QString description;
    QString font;
    QList<int> codes;    // the symbols' character codes in set order, each once
    QList<int> repeated; // codes a file listed more than once (kept at their first place)
};

// Reads a whole file aside; on failure `contents` is untouched and the message names the file
// (and the line of a bad code).
Status read(const QString& fileName, Contents& contents);

// The file in Windows-1252 with CR LF line ends: the name, the description, the font as a comma
// field followed by ",,53", then one decimal code per line. Refuses an empty set and a name,
// description or font that the code page cannot hold or that holds a line break.
Status encode(const Contents& contents, QByteArray& bytes);

// Whether the code shows something in the font: a character the font has that is neither a
// blank (the no-break space, code 160) nor invisible by nature (the soft hyphen, code 173, and
// control characters).
bool hasVisibleGlyph(const QFontMetrics& metrics, int code);
} // namespace SymbolSetText
