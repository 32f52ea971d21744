#include "model/Translatable.h"
#include "files/QmkReader.h"
#include "files/BoundedReader.h"
#include "model/DesignLimits.h"
#include "model/Windows1252.h"
#include <QFile>
#include <cstring>
#include <limits>

namespace {
constexpr qint64 kCellBytes = BoundedReader::kI32Bytes;
constexpr qint64 kBackStitchBytes = 5 * BoundedReader::kI32Bytes;
constexpr qint64 kFrenchKnotBytes = 3 * BoundedReader::kI32Bytes;
// The smallest colour entry: two empty strings (or a string and a number) and two numbers.
constexpr qint64 kColorEntryBytes = 4 * BoundedReader::kI32Bytes;
// The smallest rhode: four numbers and no stitches; each stitch adds four.
constexpr qint64 kRhodeBytes = 4 * BoundedReader::kI32Bytes;
constexpr qint64 kRhodeStitchBytes = 4 * BoundedReader::kI32Bytes;
// The smallest description line: an empty string.
constexpr qint64 kLineBytes = BoundedReader::kI32Bytes;

// What a design file can make the reader hold besides its cells, which DesignLimits bound.
// Back stitches and french knots take about as many bytes in memory as in the file, so the
// file's size bounds them, and so it bounds strings (any length up to the bytes left is read,
// though the writer clips at qmkFile::kMaxStringBytes). The items below take several times their
// smallest size in the file and have their own limits, each far beyond what the program writes;
// a larger count refuses the file.
// - Colours: the table holds the design's palette, a few hundred colours.
constexpr qint32 kMaxColors = 1 << 16;
// - Description lines of the title block.
constexpr qint32 kMaxDescriptionLines = 1 << 16;
// - Rhodes: a million, far more than a chart can show.
constexpr qint32 kMaxRhodes = 1 << 20;

// How far a stitch point may lie from the design's corner, in half cells. A saved excerpt keeps
// the stitches outside it, moved with it, so points do lie off the design, but never further
// than a few times the largest design; a point beyond this is damage, and the view's arithmetic
// on it would overflow.
constexpr qint32 kMaxPointDistance = 1 << 24;

bool pointAllowed(const QPoint& p)
{
    return qAbs(qint64(p.x())) <= kMaxPointDistance && qAbs(qint64(p.y())) <= kMaxPointDistance;
}

// Colour values in files are thread colour values; only the low three bytes mean anything.
TColorRef colorValue(qint32 stored)
{
    return TColorRef(stored) & 0x00FFFFFFu;
}

// One pass over a design file in file order. A refused value stops the parse; the first one
// decides the message.
class QmkParser
{
public:
    QmkParser(qmkFile& file, const QByteArray& bytes, const QString& fileName)
        : m_file(file)
        , m_in(bytes)
        , m_fileName(fileName)
    {
    }

    Status run();
    // Reads the head only; the size is known when this says so.
    bool runHead() { return readHead() && m_sizeRead; }

private:
    bool readHead();
    Status checkSize();
    void readCharacters();
    void readColors();
    qmkFile::Cells readCells(qint64 count);
    void readBackStitches();
    void readTitle();
    void readFrenchKnots();
    void readRhodes();

    TBlockHeader header();
    QString text();
    // A count of items of at least `itemBytes` each, at most `maxCount`; 0 when the file ended
    // before it or refused it.
    qint32 count(qint64 itemBytes, qint64 maxCount = std::numeric_limits<qint32>::max());
    Status damaged() const;

    qmkFile& m_file;
    BoundedReader m_in;
    QString m_fileName;
    // Why the parse stopped, and at which byte.
    enum class Refusal { None, BeyondFile, BeyondLimit, FarPoint };
    void refuseAt(qint64 at, Refusal why);
    // Refuses a stitch whose points lie too far off the design; false then.
    bool checkPoints(qint64 at, const QPoint& from, const QPoint& to);

    Refusal m_refusal = Refusal::None;
    qint64 m_badAt = -1;
    bool m_sizeRead = false;
};

TBlockHeader QmkParser::header()
{
    TBlockHeader h;
    const QByteArray id = m_in.bytes(4);
    if (id.size() == 4)
        std::memcpy(h.ID.data(), id.constData(), 4);
    h.version = m_in.u8();
    h.compression = m_in.u8();
    h.subblocktype = m_in.u8();
    h.unused = m_in.u8();
    h.LLength = m_in.i32();
    h.PLength = m_in.i32();
    return h;
}

QString QmkParser::text()
{
    const qint64 at = m_in.pos();
    const qint32 length = m_in.i32();
    if (!m_in.ok() || length == 0)
        return QString();
    if (!m_in.fits(length, BoundedReader::kU8Bytes)) {
        refuseAt(at, Refusal::BeyondFile);
        return QString();
    }
    return Windows1252::toUnicode(m_in.bytes(length));
}

qint32 QmkParser::count(qint64 itemBytes, qint64 maxCount)
{
    const qint64 at = m_in.pos();
    const qint32 n = m_in.i32();
    if (!m_in.ok())
        return 0;
    if (!m_in.fits(n, itemBytes, maxCount)) {
        refuseAt(at, n > maxCount ? Refusal::BeyondLimit : Refusal::BeyondFile);
        return 0;
    }
    return n;
}

void QmkParser::refuseAt(qint64 at, Refusal why)
{
    m_in.refuse();
    if (m_refusal != Refusal::None)
        return;
    m_refusal = why;
    m_badAt = at;
}

bool QmkParser::checkPoints(qint64 at, const QPoint& from, const QPoint& to)
{
    if (pointAllowed(from) && pointAllowed(to))
        return true;
    refuseAt(at, Refusal::FarPoint);
    return false;
}

Status QmkParser::damaged() const
{
    if (m_refusal == Refusal::BeyondLimit) {
        return Status::error(TRANSLATABLE("The file %1 is damaged: the count or length at byte %2 is larger than any design file holds."),
            {m_fileName, QString::number(m_badAt)});
    }
    if (m_refusal == Refusal::FarPoint) {
        return Status::error(TRANSLATABLE("The file %1 is damaged: the stitch at byte %2 lies far outside any design."),
            {m_fileName, QString::number(m_badAt)});
    }
    return Status::error(TRANSLATABLE("The file %1 is damaged: the count or length at byte %2 does not fit in the file."),
        {m_fileName, QString::number(m_badAt)});
}

bool QmkParser::readHead()
{
    qmkFile& f = m_file;
    f.Header = m_in.bytes(4);
    if (f.Header != QByteArray(qmkFile::kSignature))
        return false;
    f.FileHeader = header();
    // The container spans the whole file after the signature, as it was when written.
    m_in.claimSize(qint64(f.FileHeader.LLength) + 4);
    f.MainBlockHeader = header();
    const int v = f.version();
    f.colorsname = text();
    f.CharsName = text();
    f.fontname = text();
    f.fontstyle = m_in.u16();
    f.fontCharset = m_in.u16();
    f.usedColors = m_in.i32();
    f.fWhite = m_in.i32();
    f.fBlack = m_in.i32();
    f.width = m_in.i32();
    f.height = m_in.i32();
    m_sizeRead = m_in.ok();
    f.Title = text();
    f.Description = text();
    f.tfontname = text();
    f.tfontSize = m_in.i32();
    f.TFontStyle = m_in.u16();
    f.TFontCharset = m_in.u16();
    f.cfontname = text();
    f.cfontSize = m_in.i32();
    f.cfontStyle = m_in.u16();
    f.cfontCharset = m_in.u16();
    if (v >= 1) {
        f.stitchLen = m_in.f64();
        f.stitchBaseLen = m_in.f64();
    }
    if (v >= 2)
        f.bg = m_in.i32();
    if (v >= 3)
        f.stitchBackLen = m_in.f64();
    return true;
}

Status QmkParser::checkSize()
{
    qmkFile& f = m_file;
    if (!m_sizeRead)
        return Status::error(TRANSLATABLE("The file %1 ends before the size of the design."), {m_fileName});
    if (!DesignLimits::sizeAllowed(f.width, f.height)) {
        return Status::error(
            TRANSLATABLE("The design in %1 is %2 x %3 cells; a design must be 1 to %4 cells wide and high, with at most %5 cells."),
            {m_fileName, QString::number(f.width), QString::number(f.height), QString::number(DesignLimits::kMaxSide),
                QString::number(DesignLimits::kMaxCells)});
    }
    // Full stitches, and quarter stitches from version 4 on, must fit in the file.
    const qint64 cells = qint64(f.width) * f.height * (f.version() >= 4 ? 5 : 1);
    if (!m_in.fits(cells, kCellBytes)) {
        return Status::error(TRANSLATABLE("The file %1 is damaged: a design of %2 x %3 cells does not fit in it."),
            {m_fileName, QString::number(f.width), QString::number(f.height)});
    }
    return Status::ok();
}

void QmkParser::readCharacters()
{
    m_file.CharactersBlockHeader = header();
    m_file.characters = text();
}

void QmkParser::readColors()
{
    m_file.ColorsBlockHeader = header();
    const bool numberAsText = m_file.ColorsBlockHeader.version >= 1;
    const qint32 n = count(kColorEntryBytes, kMaxColors);
    m_file.Colors.reserve(size_t(m_in.itemsPresent(n, kColorEntryBytes)));
    for (qint32 k = 0; k < n; ++k) {
        TColorInfo info;
        info.colorName = text();
        info.colorID = numberAsText ? text() : QString::number(m_in.i32());
        info.matchColor = colorValue(m_in.i32());
        info.charID = m_in.i32();
        info.orderID = k;
        if (!m_in.ok())
            break;
        m_file.Colors.push_back(info);
    }
}

// Cells are kept where they are in the file; the cells a cut file lacks read as empty.
qmkFile::Cells QmkParser::readCells(qint64 count)
{
    const qint64 at = m_in.pos();
    const qint64 present = m_in.take(count * kCellBytes).size() / kCellBytes;
    return qmkFile::Cells(m_in.buffer(), at, count, present);
}

void QmkParser::readBackStitches()
{
    m_file.BackStitchesBlockHeader = header();
    // Files before version 6 count back-stitch points in whole cells.
    const quint32 scale = m_file.version() < 6 ? 2 : 1;
    const qint32 n = count(kBackStitchBytes);
    m_file.BackStitches.reserve(m_in.itemsPresent(n, kBackStitchBytes));
    for (qint32 k = 0; k < n; ++k) {
        TBackStitch s;
        const qint64 at = m_in.pos();
        const qint32 x1 = m_in.i32(), y1 = m_in.i32(), x2 = m_in.i32(), y2 = m_in.i32();
        s.FromPoint = QPoint(qint32(quint32(x1) * scale), qint32(quint32(y1) * scale));
        s.ToPoint = QPoint(qint32(quint32(x2) * scale), qint32(quint32(y2) * scale));
        s.Color = colorValue(m_in.i32());
        if (!m_in.ok() || !checkPoints(at, s.FromPoint, s.ToPoint))
            break;
        m_file.BackStitches.append(s);
    }
}

void QmkParser::readTitle()
{
    m_file.TitleBlockHeader = header();
    if (!m_in.ok())
        return;
    m_file.hasTitleBlock = true;
    m_file.titleBlockTitle = text();
    const qint32 n = count(kLineBytes, kMaxDescriptionLines);
    for (qint32 k = 0; k < n; ++k) {
        const QString line = text();
        if (!m_in.ok())
            break;
        m_file.titleBlockLines.append(line);
    }
}

void QmkParser::readFrenchKnots()
{
    m_file.FrenchKnotsBlockHeader = header();
    const qint32 n = count(kFrenchKnotBytes);
    m_file.frenchKnots.reserve(m_in.itemsPresent(n, kFrenchKnotBytes));
    for (qint32 k = 0; k < n; ++k) {
        TFrenchKnot knot;
        const qint64 at = m_in.pos();
        const qint32 x = m_in.i32(), y = m_in.i32();
        knot.Center = QPoint(x, y);
        knot.Color = colorValue(m_in.i32());
        if (!m_in.ok() || !checkPoints(at, knot.Center, knot.Center))
            break;
        m_file.frenchKnots.append(knot);
    }
}

void QmkParser::readRhodes()
{
    m_file.RhodesBlockHeader = header();
    const qint32 n = count(kRhodeBytes, kMaxRhodes);
    m_file.Rhodes.reserve(size_t(m_in.itemsPresent(n, kRhodeBytes)));
    for (qint32 k = 0; k < n; ++k) {
        TRhode rhode;
        rhode.width = m_in.i32();
        rhode.height = m_in.i32();
        rhode.color = colorValue(m_in.i32());
        const qint32 stitches = count(kRhodeStitchBytes);
        rhode.stitches.reserve(m_in.itemsPresent(stitches, kRhodeStitchBytes));
        for (qint32 i = 0; i < stitches; ++i) {
            TBackStitch s;
            const qint64 at = m_in.pos();
            const qint32 x1 = m_in.i32(), y1 = m_in.i32(), x2 = m_in.i32(), y2 = m_in.i32();
            s.FromPoint = QPoint(x1, y1);
            s.ToPoint = QPoint(x2, y2);
            s.Color = rhode.color;
            if (!m_in.ok() || !checkPoints(at, s.FromPoint, s.ToPoint))
                break;
            rhode.stitches.append(s);
        }
        // A rhode cut short would have a shape it never had: only whole rhodes are kept.
        if (!m_in.ok())
            break;
        m_file.Rhodes.push_back(std::move(rhode));
    }
}

Status QmkParser::run()
{
    if (!readHead())
        return Status::error(TRANSLATABLE("The file %1 is not a design file."), {m_fileName});
    if (m_in.refused())
        return damaged();
    const Status size = checkSize();
    if (!size)
        return size;
    qmkFile& f = m_file;
    const int v = f.version();
    const qint64 cells = qint64(f.width) * f.height;
    readCharacters();
    readColors();
    f.PixelsBlockHeader = header();
    f.Pixels = readCells(cells);
    if (v >= 3)
        readBackStitches();
    if (v >= 4) {
        f.QuarterStitchesBlockHeader = header();
        f.QuarterStitchesPixels = readCells(4 * cells);
    } else {
        f.QuarterStitchesPixels = qmkFile::Cells(QByteArray(), 0, 4 * cells, 0);
    }
    if (v >= 5)
        readTitle();
    if (v >= 6) {
        readFrenchKnots();
        readRhodes();
    }
    if (m_in.refused())
        return damaged();
    f.truncated = m_in.truncated();
    return Status::ok();
}
} // namespace

Status ReadQMK(qmkFile& file, const QByteArray& bytes, const QString& fileName)
{
    QmkParser parser(file, bytes, fileName);
    return parser.run();
}

Status ReadQMK(qmkFile& file, const QString& fileName)
{
    QByteArray bytes;
    const Status read = BoundedReader::readFile(fileName, bytes);
    if (!read)
        return read;
    return ReadQMK(file, bytes, fileName);
}

std::optional<QSize> ReadQMKSize(const QString& fileName)
{
    // The head holds three strings before the size; the writer keeps each under 10 000 bytes.
    constexpr qint64 kHeadBytes = 64 * 1024;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    qmkFile head;
    QmkParser parser(head, file.read(kHeadBytes), fileName);
    if (!parser.runHead())
        return std::nullopt;
    return QSize(head.width, head.height);
}
