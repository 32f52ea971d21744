#pragma once
#include "model/TRhode.h"
#include "model/UTypes.h"
#include <QByteArray>
#include <QtEndian>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <utility>
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
// The cell blocks are kept in point order (index y * width + x) rather than as maps from
// points: the same information, at a fraction of the cost for large designs. They are not even
// copied: `Cells` looks at the file's own bytes. A cell's value is the low 16 bits of the
// stored number, read as signed: -1 for an empty cell, otherwise a position in `Colors`.
// `Colors` is indexed by position in the colour block.
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
    // The longest string the writer writes: earlier versions of the program keep a string in a
    // buffer of 10 000 bytes with a terminator. Our reader takes any length the file holds.
    static constexpr int kMaxStringBytes = 9999;
    // Cells are read as signed 16-bit numbers, so only this many colour positions can be named.
    static constexpr int kMaxColorPositions = 32767;

    // The cells of a cell block, in the bytes of the file they were read from. A file cut short
    // holds fewer cells than the block has (`present`); the others are empty.
    class Cells
    {
    public:
        Cells() = default;
        Cells(QByteArray file, qint64 offset, qint64 count, qint64 present)
            : m_file(std::move(file))
            , m_offset(offset)
            , m_count(count)
            , m_present(present)
        {
        }

        qint64 size() const { return m_count; }
        qint64 present() const { return m_present; }
        qint16 at(qint64 i) const { return i < m_present ? valueAt(data(), i) : qint16(-1); }

        // The stored cells, 4 bytes each; only the first `present` are there.
        const uchar* data() const { return reinterpret_cast<const uchar*>(m_file.constData()) + m_offset; }
        static qint16 valueAt(const uchar* cells, qint64 i)
        {
            return qFromLittleEndian<qint16>(cells + 4 * i);
        }

    private:
        QByteArray m_file;
        qint64 m_offset = 0;
        qint64 m_count = 0;
        qint64 m_present = 0;
    };

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
    Cells Pixels;

    TBlockHeader BackStitchesBlockHeader;
    QList<TBackStitch> BackStitches;

    TBlockHeader QuarterStitchesBlockHeader;
    Cells QuarterStitchesPixels;

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

    qint16 pixel(int x, int y) const { return Pixels.at(qint64(y) * width + x); }
    qint16 quarterPixel(int qx, int qy) const { return QuarterStitchesPixels.at(qint64(qy) * 2 * width + qx); }
};
