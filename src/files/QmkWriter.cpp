#include "model/Translatable.h"
#include "files/QmkWriter.h"
#include "files/QmkFile.h"
#include "files/SafeFileWriter.h"
#include "model/Design.h"
#include "model/Windows1252.h"
#include <QtEndian>
#include <algorithm>
#include <bit>
#include <cstring>

namespace {
// The file being assembled. Blocks are opened with their header and zero lengths and closed by
// patching both lengths with the bytes from the header's start to the current end.
class ByteSink
{
public:
    explicit ByteSink(qsizetype expected) { m_bytes.reserve(expected); }

    void raw(const char* text) { m_bytes.append(text, qsizetype(std::strlen(text))); }
    void u8(quint8 v) { m_bytes.append(char(v)); }
    void u16(quint16 v) { put(v); }
    void i32(qint32 v) { put(v); }
    void f64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, sizeof bits);
        put(bits);
    }
    void str(const QString& text)
    {
        const QByteArray bytes = Windows1252::fromUnicode(text).left(qmkFile::kMaxStringBytes);
        i32(qint32(bytes.size()));
        m_bytes.append(bytes);
    }

    qsizetype openBlock(const char* tag, quint8 version)
    {
        const qsizetype start = m_bytes.size();
        raw(tag);
        u8(version);
        u8(0); // compression
        u8(0); // sub-block type
        u8(0);
        i32(0);
        i32(0);
        return start;
    }
    void closeBlock(qsizetype start)
    {
        const qint32 length = qint32(m_bytes.size() - start);
        qToLittleEndian(length, m_bytes.data() + start + 8);
        qToLittleEndian(length, m_bytes.data() + start + 12);
    }

    // Room for n bytes written in place.
    char* grow(qsizetype n)
    {
        const qsizetype old = m_bytes.size();
        m_bytes.resize(old + n);
        return m_bytes.data() + old;
    }

    QByteArray take() { return std::move(m_bytes); }

private:
    template <typename T>
    void put(T v)
    {
        qToLittleEndian(v, grow(sizeof v));
    }

    QByteArray m_bytes;
};

// Stitch pixel -> colour position, for every cell of a large design: open addressing over a
// power-of-two table small enough to stay in the processor's cache.
class OrdTable
{
public:
    explicit OrdTable(int expected) { resize(std::bit_ceil(unsigned(qMax(16, 4 * expected)))); }

    void insert(quint32 key, qint32 ord)
    {
        if (2 * (m_count + 1) > m_keys.size())
            grow();
        size_t i = slot(key);
        while (m_keys[i] != kEmpty && m_keys[i] != key)
            i = (i + 1) & m_mask;
        m_count += m_keys[i] == kEmpty ? 1 : 0;
        m_keys[i] = key;
        m_ords[i] = ord;
    }

    bool find(quint32 key, qint32& ord) const
    {
        for (size_t i = slot(key);; i = (i + 1) & m_mask) {
            if (m_keys[i] == key) {
                ord = m_ords[i];
                return true;
            }
            if (m_keys[i] == kEmpty)
                return false;
        }
    }

private:
    // Keys are 24-bit colours, so this is never one.
    static constexpr quint32 kEmpty = 0xFFFFFFFFu;

    size_t slot(quint32 key) const { return (key * 0x9E3779B1u) >> m_shift; }

    void resize(unsigned capacity)
    {
        m_keys.assign(capacity, kEmpty);
        m_ords.assign(capacity, 0);
        m_mask = capacity - 1;
        m_shift = 32 - std::countr_zero(capacity);
        m_count = 0;
    }

    void grow()
    {
        const std::vector<quint32> keys = std::move(m_keys);
        const std::vector<qint32> ords = std::move(m_ords);
        resize(unsigned(keys.size()) * 2);
        for (size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] != kEmpty)
                insert(keys[i], ords[i]);
        }
    }

    std::vector<quint32> m_keys;
    std::vector<qint32> m_ords;
    size_t m_mask = 0;
    int m_shift = 0;
    size_t m_count = 0;
};

// The colour block: the design's colours in palette order, then nameless entries for stitch
// colours the table lacks.
struct ColorBlock
{
    std::vector<TColorRef> colors;
    std::vector<TColorRef> extra;

    int size() const { return int(colors.size() + extra.size()); }
};

// One attempt at the file. Stitch colours missing from the colour block are collected in
// `missing`; the caller then tries again with them added.
class QmkEncoder
{
public:
    QmkEncoder(Design& design, const QRect& cells, const TBitmap32& raster, bool excerpt, const ColorBlock& block)
        : m_design(design)
        , m_doc(design.stitch)
        , m_cells(cells)
        , m_raster(raster)
        , m_excerpt(excerpt)
        , m_block(block)
        , m_ords(block.size())
        , m_sink(5 * qsizetype(cells.width()) * cells.height() * 4 + 65536)
    {
    }

    QByteArray run();
    const std::vector<TColorRef>& missing() const { return m_missing; }

private:
    void writeHead();
    void writeColors();
    void writeCells(const TBitmap32& layer, const QRect& area);
    void writeBackStitches();
    void writeTitle();
    void writeFrenchKnots();
    void writeRhodes();

    qint32 ordOf(TColor32 pixel);
    bool inside(const QPoint& p) const;
    QPoint moved(const QPoint& p) const { return p - m_origin; }

    Design& m_design;
    TStitch& m_doc;
    QRect m_cells;
    const TBitmap32& m_raster;
    bool m_excerpt;
    const ColorBlock& m_block;
    OrdTable m_ords;
    ByteSink m_sink;
    QPoint m_origin;
    std::vector<TColorRef> m_missing;
};

void QmkEncoder::writeHead()
{
    const TCharacters* chars = m_doc.chars.get();
    const qsizetype head = m_sink.openBlock("HEAD", quint8(qmkFile::kCurrentVersion));
    m_sink.str(m_doc.colorsname());
    m_sink.str(chars ? chars->CharsName : QString());
    m_sink.str(chars ? chars->ffontname : QString());
    m_sink.u16(1);
    m_sink.u16(chars ? chars->ffontcharset : 0);
    m_sink.i32(m_doc.usedColors());
    m_sink.i32(0); // fWhite
    m_sink.i32(0); // fBlack
    m_sink.i32(m_cells.width());
    m_sink.i32(m_cells.height());
    m_sink.str(QString()); // the title and description live in the TITL block
    m_sink.str(QString());
    m_sink.str(QStringLiteral("Arial"));
    m_sink.i32(16);
    m_sink.u16(0);
    m_sink.u16(1);
    m_sink.str(QStringLiteral("Arial"));
    m_sink.i32(12);
    m_sink.u16(0);
    m_sink.u16(1);
    m_sink.f64(m_doc.len);
    m_sink.f64(m_doc.baseLen);
    m_sink.i32(qint32(colorRefFromColor32(m_doc.BackGroundColor)));
    m_sink.f64(m_doc.backlen);
    m_sink.closeBlock(head);
}

void QmkEncoder::writeColors()
{
    const qsizetype colo = m_sink.openBlock("COLO", 1);
    m_sink.i32(m_block.size());
    qint32 ord = 0;
    for (TColorRef color : m_block.colors) {
        const TColorInfo& info = m_doc.Colors.at(color);
        m_sink.str(info.colorName);
        m_sink.str(info.colorID);
        m_sink.i32(qint32(color));
        m_sink.i32(info.charID);
        m_ords.insert(stitchPixel(color), ord++);
    }
    for (TColorRef color : m_block.extra) {
        m_sink.str(QString());
        m_sink.str(QString());
        m_sink.i32(qint32(color));
        m_sink.i32(-1);
        m_ords.insert(stitchPixel(color), ord++);
    }
    m_sink.closeBlock(colo);
}

qint32 QmkEncoder::ordOf(TColor32 pixel)
{
    const quint32 key = pixel & 0x00FFFFFFu; // a stitch is stored with alpha 0
    qint32 ord;
    if (m_ords.find(key, ord))
        return ord;
    // Numbered after every known entry, so the cells written so far stay consistent.
    ord = qint32(m_block.size() + m_missing.size());
    m_missing.push_back(colorRefFromColor32(pixel));
    m_ords.insert(key, ord);
    return ord;
}

void QmkEncoder::writeCells(const TBitmap32& layer, const QRect& area)
{
    const TColor32 empty = m_doc.BackGroundColor;
    char* out = m_sink.grow(qsizetype(area.width()) * area.height() * 4);
    // Neighbouring cells often share a colour: remember the last one looked up.
    TColor32 lastPixel = empty;
    qint32 lastOrd = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const TColor32* line = layer.constScanLine(y);
        for (int x = area.left(); x <= area.right(); ++x, out += 4) {
            const TColor32 pixel = line[x];
            if (pixel != lastPixel) {
                lastPixel = pixel;
                lastOrd = pixel == empty ? -1 : ordOf(pixel);
            }
            qToLittleEndian(lastOrd, out);
        }
    }
}

bool QmkEncoder::inside(const QPoint& p) const
{
    if (!m_excerpt)
        return true;
    return p.x() >= 2 * m_cells.left() && p.x() <= 2 * (m_cells.right() + 1) && p.y() >= 2 * m_cells.top()
        && p.y() <= 2 * (m_cells.bottom() + 1);
}

void QmkEncoder::writeBackStitches()
{
    const qsizetype back = m_sink.openBlock("BACK", 0);
    QList<const TBackStitch*> kept;
    for (const TBackStitch& s : m_design.BackStitchList) {
        if (inside(s.FromPoint) && inside(s.ToPoint))
            kept << &s;
    }
    m_sink.i32(qint32(kept.size()));
    for (const TBackStitch* s : kept) {
        const QPoint from = moved(s->FromPoint), to = moved(s->ToPoint);
        m_sink.i32(from.x());
        m_sink.i32(from.y());
        m_sink.i32(to.x());
        m_sink.i32(to.y());
        m_sink.i32(qint32(s->Color));
    }
    m_sink.closeBlock(back);
}

void QmkEncoder::writeTitle()
{
    const qsizetype titl = m_sink.openBlock("TITL", 0);
    m_sink.str(m_doc.Title);
    m_sink.i32(qint32(m_doc.comment.size()));
    for (const QString& line : m_doc.comment)
        m_sink.str(line);
    m_sink.closeBlock(titl);
}

void QmkEncoder::writeFrenchKnots()
{
    const qsizetype frkn = m_sink.openBlock("FRKN", 0);
    QList<const TFrenchKnot*> kept;
    for (const TFrenchKnot& k : m_design.FrenchKnotList) {
        if (inside(k.Center))
            kept << &k;
    }
    m_sink.i32(qint32(kept.size()));
    for (const TFrenchKnot* k : kept) {
        const QPoint c = moved(k->Center);
        m_sink.i32(c.x());
        m_sink.i32(c.y());
        m_sink.i32(qint32(k->Color));
    }
    m_sink.closeBlock(frkn);
}

void QmkEncoder::writeRhodes()
{
    // The rhodes block carries the tag of the back stitches; readers know it by its place.
    const qsizetype rhodes = m_sink.openBlock("BACK", 0);
    QList<const TRhode*> kept;
    for (const TRhodeRef& r : m_design.RhodeList) {
        const bool whollyInside = std::all_of(r->stitches.begin(), r->stitches.end(),
            [&](const TBackStitch& s) { return inside(s.FromPoint) && inside(s.ToPoint); });
        if (whollyInside)
            kept << r.get();
    }
    m_sink.i32(qint32(kept.size()));
    for (const TRhode* r : kept) {
        m_sink.i32(r->width);
        m_sink.i32(r->height);
        m_sink.i32(qint32(r->color));
        m_sink.i32(qint32(r->stitches.size()));
        for (const TBackStitch& s : r->stitches) {
            const QPoint from = moved(s.FromPoint), to = moved(s.ToPoint);
            m_sink.i32(from.x());
            m_sink.i32(from.y());
            m_sink.i32(to.x());
            m_sink.i32(to.y());
        }
    }
    m_sink.closeBlock(rhodes);
}

QByteArray QmkEncoder::run()
{
    m_origin = m_excerpt ? 2 * m_cells.topLeft() : QPoint();
    m_sink.raw(qmkFile::kSignature);
    const qsizetype container = m_sink.openBlock("QMKT", 0);
    writeHead();
    const qsizetype chars = m_sink.openBlock("CHAR", 0);
    m_sink.str(m_doc.chars ? m_doc.chars->fcharacters : QString());
    m_sink.closeBlock(chars);
    writeColors();
    const qsizetype pixd = m_sink.openBlock("PIXD", 0);
    writeCells(m_raster, m_cells);
    m_sink.closeBlock(pixd);
    writeBackStitches();
    const qsizetype quar = m_sink.openBlock("QUAR", 0);
    const QRect quarters(2 * m_cells.left(), 2 * m_cells.top(), 2 * m_cells.width(), 2 * m_cells.height());
    writeCells(m_design.QuarterLayer, quarters);
    m_sink.closeBlock(quar);
    writeTitle();
    writeFrenchKnots();
    writeRhodes();
    m_sink.closeBlock(container);
    return m_sink.take();
}

// The design's colours in palette order (orderID; ties keep table order), each given its Ord.
std::vector<TColorRef> paletteOrder(TColorTable& colors)
{
    std::vector<std::pair<TColorRef, int>> entries;
    entries.reserve(size_t(colors.size()));
    for (const auto& [color, info] : colors)
        entries.emplace_back(color, info.orderID);
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    std::vector<TColorRef> order;
    order.reserve(entries.size());
    for (const auto& [color, orderID] : entries) {
        colors.at(color).Ord = int(order.size());
        order.push_back(color);
    }
    return order;
}

Status checkArea(const Design& design, const QRect& cells, const TBitmap32& raster)
{
    const QRect quarters(2 * cells.left(), 2 * cells.top(), 2 * cells.width(), 2 * cells.height());
    if (cells.isEmpty() || !QRect(0, 0, raster.width(), raster.height()).contains(cells)
        || !QRect(0, 0, design.QuarterLayer.width(), design.QuarterLayer.height()).contains(quarters)) {
        return Status::error(TRANSLATABLE("The part of the design to save (%1, %2 to %3, %4) lies outside the design."),
            {QString::number(cells.left()), QString::number(cells.top()), QString::number(cells.right() + 1),
                QString::number(cells.bottom() + 1)});
    }
    return Status::ok();
}
} // namespace

Status QmkWriter::encode(Design& design, const QRect& cells, const TBitmap32& raster, bool excerpt, QByteArray& bytes)
{
    const Status area = checkArea(design, cells, raster);
    if (!area)
        return area;
    ColorBlock block;
    block.colors = paletteOrder(design.stitch.Colors);
    for (;;) {
        if (block.size() > qmkFile::kMaxColorPositions) {
            return Status::error(TRANSLATABLE("The design has %1 colours; a design file holds at most %2."),
                {QString::number(block.size()), QString::number(qmkFile::kMaxColorPositions)});
        }
        QmkEncoder encoder(design, cells, raster, excerpt, block);
        bytes = encoder.run();
        if (encoder.missing().empty())
            return Status::ok();
        block.extra.insert(block.extra.end(), encoder.missing().begin(), encoder.missing().end());
    }
}

namespace {
Status save(Design& design, const QString& fileName, const QRect& cells, const TBitmap32& raster, bool excerpt)
{
    QByteArray bytes;
    const Status encoded = QmkWriter::encode(design, cells, raster, excerpt, bytes);
    if (!encoded)
        return encoded;
    return SafeFileWriter::writeBytes(fileName, bytes);
}
} // namespace

Status SaveQMK(Design& design, const QString& fileName)
{
    return save(design, fileName, QRect(0, 0, design.width(), design.height()), design.CrossLayer, false);
}

Status SaveQMK(Design& design, const QString& fileName, const QRect& cells, const TBitmap32& raster)
{
    return save(design, fileName, cells, raster, true);
}
