#include "model/Translatable.h"
#include "files/StvReader.h"
#include "files/BoundedReader.h"
#include "model/DesignLimits.h"
#include "model/Windows1252.h"
#include <optional>

namespace {
constexpr qint64 kPaletteEntryBytes = 4;
constexpr qint64 kColorEntryBytes = 9;

// One pass over the file in file order.
class StvParser
{
public:
    StvParser(TSTVFile& file, const QByteArray& bytes, const QString& fileName)
        : m_file(file)
        , m_bytes(bytes)
        , m_in(bytes)
        , m_fileName(fileName)
    {
    }

    Status run();

private:
    Status readHeader();
    bool readHeaderEntry(const QByteArray& keyword);
    Status checkSize() const;
    Status readData();
    // False when the section does not fit in the file.
    bool readSection(const QByteArray& keyword);
    void readPalette();
    void readColors();
    void readPixels();

    // The bytes up to the next byte 0, which is passed over; none when the file ends first.
    std::optional<QByteArray> rawText();
    std::optional<QString> text();

    Status headerUnfinished() const;
    Status dataUnfinished() const;
    Status sectionTooLong(const QByteArray& keyword, qint64 at) const;

    TSTVFile& m_file;
    QByteArray m_bytes;
    BoundedReader m_in;
    QString m_fileName;
};

std::optional<QByteArray> StvParser::rawText()
{
    const qsizetype end = m_bytes.indexOf('\0', m_in.pos());
    if (end < 0) {
        m_in.skip(m_in.bytesLeft() + 1);
        return std::nullopt;
    }
    const QByteArrayView content = m_in.take(end - m_in.pos());
    m_in.skip(1);
    return content.toByteArray();
}

std::optional<QString> StvParser::text()
{
    const std::optional<QByteArray> raw = rawText();
    if (!raw)
        return std::nullopt;
    return Windows1252::toUnicode(*raw);
}

Status StvParser::headerUnfinished() const
{
    return Status::error(TRANSLATABLE("The file %1 ends before the end of its header."), {m_fileName});
}

Status StvParser::dataUnfinished() const
{
    return Status::error(TRANSLATABLE("The file %1 ends before the end of its data."), {m_fileName});
}

Status StvParser::sectionTooLong(const QByteArray& keyword, qint64 at) const
{
    return Status::error(TRANSLATABLE("The file %1 is damaged: the section %2 at byte %3 is longer than the file."),
        {m_fileName, QString::fromLatin1(keyword), QString::number(at)});
}

// A keyword the table does not know carries no value.
bool StvParser::readHeaderEntry(const QByteArray& keyword)
{
    TSTVFile& f = m_file;
    if (keyword == "WIDTH") {
        f.imagewidth = m_in.u16BE();
    } else if (keyword == "HEIGHT") {
        f.imageheight = m_in.u16BE();
    } else if (keyword == "COLORS") {
        f.colorscount = m_in.u16BE();
    } else if (keyword == "BACKCOLOR") {
        f.backcolor = m_in.u16BE();
    } else if (keyword == "FONT") {
        const std::optional<QString> name = text();
        if (!name)
            return false;
        f.fontname = *name;
        f.fontstyle = m_in.u16BE();
    } else if (keyword == "COLORTABEL") {
        const std::optional<QString> name = text();
        if (!name)
            return false;
        f.colortablename = *name;
    }
    return m_in.ok();
}

Status StvParser::readHeader()
{
    TSTVFile& f = m_file;
    const std::optional<QString> filetype = text();
    const bool second = filetype && rawText();
    f.version = m_in.u16BE();
    if (!second || !m_in.ok() || !rawText())
        return headerUnfinished();
    f.filetype = *filetype;
    for (;;) {
        const std::optional<QByteArray> keyword = rawText();
        if (!keyword)
            return headerUnfinished();
        if (*keyword == "ENDHEADER")
            return Status::ok();
        if (!readHeaderEntry(*keyword))
            return headerUnfinished();
    }
}

Status StvParser::checkSize() const
{
    const TSTVFile& f = m_file;
    if (DesignLimits::sizeAllowed(f.imagewidth, f.imageheight))
        return Status::ok();
    return Status::error(
        TRANSLATABLE("The design in %1 is %2 x %3 cells; a design must be 1 to %4 cells wide and high, with at most %5 cells."),
        {m_fileName, QString::number(f.imagewidth), QString::number(f.imageheight),
            QString::number(DesignLimits::kMaxSide), QString::number(DesignLimits::kMaxCells)});
}

void StvParser::readPalette()
{
    m_file.Palette.resize(m_file.colorscount);
    for (TColorRef& color : m_file.Palette) {
        const QByteArrayView b = m_in.take(kPaletteEntryBytes);
        color = TColorRef(quint8(b[0])) << 16 | TColorRef(quint8(b[1])) << 8 | TColorRef(quint8(b[2]));
    }
}

void StvParser::readColors()
{
    m_file.Colors.resize(m_file.colorscount);
    for (TPixelInfo& entry : m_file.Colors) {
        const QByteArrayView b = m_in.take(kColorEntryBytes);
        entry.isWhite = b[0] != 0;
        entry.aChar = quint8(b[1]);
        entry.aGrayCol = quint8(b[2]);
        entry.aRgbColor = makeColorRef(quint8(b[3]), quint8(b[4]), quint8(b[5]));
        entry.aColNumber = quint16(quint8(b[7]) | quint8(b[8]) << 8);
    }
}

void StvParser::readPixels()
{
    const qint64 cells = qint64(m_file.imagewidth) * m_file.imageheight;
    const QByteArrayView b = m_in.take(cells);
    m_file.Pixels.assign(b.begin(), b.end());
}

// Every section's size is known from the header; it must stand in the file before it is read.
bool StvParser::readSection(const QByteArray& keyword)
{
    const TSTVFile& f = m_file;
    if (keyword == "PALETTE") {
        if (!m_in.fits(f.colorscount, kPaletteEntryBytes))
            return false;
        readPalette();
    } else if (keyword == "STICKCOL") {
        if (!m_in.fits(f.colorscount, kColorEntryBytes))
            return false;
        readColors();
    } else if (keyword == "DATA") {
        if (!m_in.fits(qint64(f.imagewidth) * f.imageheight, BoundedReader::kU8Bytes))
            return false;
        readPixels();
    }
    return true;
}

Status StvParser::readData()
{
    // The text that opens the data part is normally "BEGINDATA"; any text will do.
    if (!rawText())
        return dataUnfinished();
    for (;;) {
        const qint64 at = m_in.pos();
        const std::optional<QByteArray> keyword = rawText();
        if (!keyword)
            return dataUnfinished();
        if (keyword->isEmpty() || *keyword == "END" || *keyword == "ENDDATA")
            return Status::ok();
        if (*keyword == "CHARACTERS") {
            const std::optional<QString> characters = text();
            if (!characters)
                return dataUnfinished();
            m_file.characters = *characters;
        } else if (!readSection(*keyword)) {
            return sectionTooLong(*keyword, at);
        }
    }
}

Status StvParser::run()
{
    Status s = readHeader();
    if (s)
        s = checkSize();
    if (s)
        s = readData();
    return s;
}
} // namespace

Status StvReader::read(TSTVFile& file, const QByteArray& bytes, const QString& fileName)
{
    StvParser parser(file, bytes, fileName);
    return parser.run();
}

Status StvReader::read(TSTVFile& file, const QString& fileName)
{
    QByteArray bytes;
    const Status read = BoundedReader::readFile(fileName, bytes);
    if (!read)
        return read;
    return StvReader::read(file, bytes, fileName);
}
