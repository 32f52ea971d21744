#pragma once
#include "model/TRhode.h"
#include "model/UTypes.h"
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// The 16-byte header in front of every block of a design file.
struct TBlockHeader
{
    static constexpr int kBytes = 16;

    std::array<char, 4> ID{};
    quint8 version = 0;
    quint8 compression = 0;
    quint8 subblocktype = 0;
    quint8 unused = 0;
    qint32 LLength = 0; // counts the header itself
    qint32 PLength = 0; // always equal to LLength

    QByteArray tag() const { return QByteArray(ID.data(), int(ID.size())); }
};

// The in-memory image of one design file (".qmk", ".qmkp"), filled by ReadQMK and turned into
// a design by LoadQMK. It lives for one read.
//
// The cell blocks are kept as flat vectors in point order (index y * width + x) rather than as
// maps from points: the same information, at a fraction of the cost for large designs. Each
// cell holds the low 16 bits of the stored value as a signed number: -1 for an empty cell,
// otherwise a position in `Colors`. `Colors` is indexed by position in the colour block.
//
// The HEAD fields `Title` and `Description` are what the header holds (empty in every file the
// program writes, and what the design library shows); the design's own title and description
// lines come from the TITL block and are carried separately in `titleBlockTitle` and
// `titleBlockLines`, present when `hasTitleBlock`.
class qmkFile
{
public:
    static constexpr char kSignature[] = "HDSF";
    // The version of the HEAD block, and so of the whole file, that the writer writes.
    static constexpr int kCurrentVersion = 6;
    // The longest string a file can carry: the original reader's buffer holds 10 000 bytes
    // with a terminator, so the writer clips longer texts.
    static constexpr int kMaxStringBytes = 9999;
    // Cells are read as signed 16-bit numbers, so only this many colour positions can be named.
    static constexpr int kMaxColorPositions = 32767;

    QByteArray Header;
    TBlockHeader FileHeader;
    TBlockHeader MainBlockHeader;

    // HEAD fields, in file order.
    QString colorsname;
    QString CharsName;
    QString fontname;
    quint16 fontstyle = 0;
    quint16 fontCharset = 0;
    qint32 usedColors = 0;
    qint32 fWhite = 0;
    qint32 fBlack = 0;
    qint32 width = 0;
    qint32 height = 0;
    QString Title;
    QString Description;
    QString tfontname;
    qint32 tfontSize = 0;
    quint16 TFontStyle = 0;
    quint16 TFontCharset = 0;
    QString cfontname;
    qint32 cfontSize = 0;
    quint16 cfontStyle = 0;
    quint16 cfontCharset = 0;
    double stitchLen = 0.0;
    double stitchBaseLen = 0.0;
    qint32 bg = 0;
    double stitchBackLen = 0.0;

    TBlockHeader CharactersBlockHeader;
    QString characters;

    TBlockHeader ColorsBlockHeader;
    std::vector<TColorInfo> Colors;

    TBlockHeader PixelsBlockHeader;
    std::vector<qint16> Pixels;

    TBlockHeader BackStitchesBlockHeader;
    QList<TBackStitch> BackStitches;

    TBlockHeader QuarterStitchesBlockHeader;
    std::vector<qint16> QuarterStitchesPixels;

    TBlockHeader TitleBlockHeader;
    bool hasTitleBlock = false;
    QString titleBlockTitle;
    QStringList titleBlockLines;

    TBlockHeader FrenchKnotsBlockHeader;
    QList<TFrenchKnot> frenchKnots;

    TBlockHeader RhodesBlockHeader;
    std::vector<TRhode> Rhodes;

    // The file ended before everything was read; what stands after the cut is empty.
    bool truncated = false;

    // The version of the whole file is the HEAD block's.
    int version() const { return MainBlockHeader.version; }

    qint16 pixel(int x, int y) const { return Pixels[size_t(y) * size_t(width) + size_t(x)]; }
    qint16 quarterPixel(int qx, int qy) const
    {
        return QuarterStitchesPixels[size_t(qy) * size_t(2 * width) + size_t(qx)];
    }
};
