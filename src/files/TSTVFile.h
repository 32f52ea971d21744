#pragma once
#include "imaging/ColorValues.h"
#include <QString>
#include <vector>

// One colour entry of the STICKCOL section. Only `aChar` and `aRgbColor` are used by the import.
struct TPixelInfo
{
    bool isWhite = false;
    quint8 aChar = 0;     // the colour's symbol, an 8-bit character
    quint8 aGrayCol = 0;
    TColorRef aRgbColor = 0;
    quint16 aColNumber = 0;
};

// The content of one Tapisto design file (".stv"), filled by StvReader and turned into a design
// by ReadSTV. It lives for one import.
//
// The three maps of the format are kept as vectors: `Palette` and `Colors` are indexed by
// entry number (0 .. colorscount - 1), `Pixels` by cell in point order (y * imagewidth + x).
// A section missing from the file leaves its vector empty.
class TSTVFile
{
public:
    QString filetype;
    quint16 version = 0;
    quint16 imagewidth = 0;
    quint16 imageheight = 0;
    quint16 colorscount = 0;
    quint16 backcolor = 0;
    QString fontname;
    quint16 fontstyle = 0;
    QString colortablename;
    QString characters;
    std::vector<TColorRef> Palette;
    std::vector<TPixelInfo> Colors;
    std::vector<quint8> Pixels;

    // The STICKCOL entry a DATA cell names, or null when the index names none.
    const TPixelInfo* colorOf(quint8 index) const;
    // How many DATA cells name no STICKCOL entry.
    qint64 cellsWithoutColor() const;
};
