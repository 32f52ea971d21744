#pragma once
#include "model/Status.h"
#include "model/TCMYK.h"
#include <QByteArray>
#include <QString>
#include <QStringList>

// The print colour corrections file, an INI file: section `main` with `count`, then one section
// `color1` .. `colorN` per correction with `rgb` ("$RRGGBB"), `CValue`, `MValue`, `YValue` and
// `KValue` (percentages 0..100). Section and key names are matched without regard to case, and
// the file's name too, since older files were written as "cmyk.ini" and read as "CMYK.ini".
//
// Reading keeps what can be trusted and reports the rest once: only sections `color1` ..
// `colorN` (N = `count`) that exist and have an `rgb` are read, so a `count` far beyond the
// sections costs nothing and invents no black corrections; a section whose `rgb` is not a
// hexadecimal colour or whose percentage is outside 0..100 is left out, and so is a later
// section for a colour that an earlier one already corrected (the first wins). Missing
// percentages read as 0.
class CMYKFile
{
public:
    static constexpr char kFileName[] = "CMYK.ini";

    // The file of a folder whose name is "cmyk.ini" in any case ("CMYK.ini" first when several
    // are present), or empty when there is none.
    static QString findIn(const QString& folder);
    // The file to write in a folder: the one findIn finds, otherwise kFileName.
    static QString fileFor(const QString& folder);

    // Replaces the corrections with those of the file. A missing file gives none and no message;
    // an unreadable one gives none and its message; left-out sections give one message naming
    // the file and keep the others.
    static Status load(const QString& fileName, TCMYKMap& corrections);
    static Status parse(const QStringList& lines, const QString& fileName, TCMYKMap& corrections);

    // The file's bytes: CR LF line ends, sections in the map's order.
    static QByteArray format(const TCMYKMap& corrections);
    // Writes the file atomically, making its folder when needed; the old file stays whole on
    // failure.
    static Status save(const QString& fileName, const TCMYKMap& corrections);
};
