#include "model/Translatable.h"
#include "files/QmkWriter.h"
#include "files/QmkFile.h"
#include "files/SafeFileWriter.h"
#include "imaging/ColorKeyTable.h"
#include "model/Design.h"
#include "model/Windows1252.h"
#include <QBuffer>
#include <QtEndian>
#include <algorithm>
#include <bit>
#include <limits>
#include <cstring>
#include <functional>

namespace {
constexpr int kHeaderBytes = 16;

// The 16-byte header of a block whose length is known.
QByteArray blockHeader(const char* tag, quint8 version, qint64 length)
{
    QByteArray h(kHeaderBytes, '\0');
    std::memcpy(h.data(), tag, 4);
    h[4] = char(version);
    qToLittleEndian(qint32(length), h.data() + 8);
    qToLittleEndian(qint32(length), h.data() + 12);
    return h;
}

// A block small enough to build in memory; `bytes` patches its lengths once it is complete.
class Block
{
public:
    Block(const char* tag, quint8 version)
        : m_bytes(blockHeader(tag, version, 0))
    {
    }

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
    void point(const QPoint& p)
    {
        i32(p.x());
        i32(p.y());
    }

    QByteArray bytes()
    {
        qToLittleEndian(qint32(m_bytes.size()), m_bytes.data() + 8);
        qToLittleEndian(qint32(m_bytes.size()), m_bytes.data() + 12);
        return m_bytes;
    }

private:
    template <typename T>
    void put(T v)
    {
        char b[sizeof v];
        qToLittleEndian(v, b);
        m_bytes.append(b, qsizetype(sizeof v));
    }

    QByteArray m_bytes;
};

// Cell key -> colour position, for every cell of a large design. Keys are 25-bit (see
// QmkEncoder::keyOf), so this marker is never a key.
constexpr quint32 kNoKey = 0xFFFFFFFFu;
using OrdTable = ColorKeyTable<qint32>;

// The colour block: the design's colours in palette order, then nameless entries for stitch
// colours the table lacks.
struct ColorBlock
{
    std::vector<TColorRef> colors;
    std::vector<TColorRef> extra;

    int size() const { return int(colors.size() + extra.size()); }
};

// One attempt at the file, written in file order to a device. The small blocks are built in
// memory first, so that every length is known before the first byte goes out; the two cell
// blocks are encoded a slice at a time. A stitch colour missing from the colour block makes the
// attempt fail after both layers were searched for all such colours (`missing`); the caller
// then tries again with them added.
class QmkEncoder
{
public:
    QmkEncoder(const Design& design, const QRect& cells, const TBitmap32& raster, bool excerpt, const ColorBlock& block,
        const QmkTexts& texts)
        : m_design(design)
        , m_doc(design.stitch)
        , m_texts(texts)
        , m_cells(cells)
        , m_raster(raster)
        , m_excerpt(excerpt)
        , m_block(block)
        , m_ords(kNoKey, 4 * size_t(block.size())) // a sparse table keeps the probes short
        , m_empty(design.stitch.BackGroundColor)
        , m_origin(excerpt ? 2 * cells.topLeft() : QPoint())
    {
        *m_ords.insert(keyOf(m_empty, m_empty)) = -1;
    }

    bool write(QIODevice& out);
    const std::vector<TColorRef>& missing() const { return m_missing; }

    // A stitch is keyed by its colour; the empty cell has bit 24 set on top, so it never
    // meets a stitch. Written without a branch: on a busy design empty and stitched cells
    // alternate unpredictably.
    static quint32 keyOf(TColor32 pixel, TColor32 empty)
    {
        return (pixel & 0x00FFFFFFu) | (quint32(pixel == empty) << 24);
    }

private:
    QByteArray head() const;
    QByteArray colors();
    QByteArray backStitches() const;
    QByteArray title() const;
    QByteArray frenchKnots() const;
    QByteArray rhodes() const;
    // Writes the cells when `out` is given, else only looks for missing colours.
    bool writeCells(QIODevice* out, const char* tag, const TBitmap32& layer, const QRect& area);
    qint32 ordOfNewColor(TColor32 pixel);
    bool inside(const QPoint& p) const;
    QPoint moved(const QPoint& p) const { return p - m_origin; }

    const Design& m_design;
    const TStitch& m_doc;
    const QmkTexts& m_texts;
    QRect m_cells;
    const TBitmap32& m_raster;
    bool m_excerpt;
    const ColorBlock& m_block;
    OrdTable m_ords;
    TColor32 m_empty;
    QPoint m_origin;
    std::vector<TColorRef> m_missing;
};

QByteArray QmkEncoder::head() const
{
    const TCharacters* chars = m_doc.chars.get();
    Block b("HEAD", quint8(qmkFile::kCurrentVersion));
    b.str(m_doc.colorsname());
    b.str(chars ? chars->CharsName : QString());
    b.str(chars ? chars->ffontname : QString());
    b.u16(1);
    b.u16(chars ? chars->ffontcharset : 0);
    b.i32(m_doc.usedColors());
    b.i32(0); // fWhite
    b.i32(0); // fBlack
    b.i32(m_cells.width());
    b.i32(m_cells.height());
    b.str(QString()); // the title and description live in the TITL block
    b.str(QString());
    b.str(QStringLiteral("Arial"));
    b.i32(16);
    b.u16(0);
    b.u16(1);
    b.str(QStringLiteral("Arial"));
    b.i32(12);
    b.u16(0);
    b.u16(1);
    b.f64(m_doc.len);
    b.f64(m_doc.baseLen);
    b.i32(qint32(colorRefFromColor32(m_doc.BackGroundColor)));
    b.f64(m_doc.backlen);
    return b.bytes();
}

QByteArray QmkEncoder::colors()
{
    Block b("COLO", 1);
    b.i32(m_block.size());
    qint32 ord = 0;
    for (TColorRef color : m_block.colors) {
        const TColorInfo& info = m_doc.Colors.at(color);
        b.str(info.colorName);
        b.str(info.colorID);
        b.i32(qint32(color));
        b.i32(info.charID);
        *m_ords.insert(stitchPixel(color)) = ord++; // a stitch's key: its pixel without alpha
    }
    for (TColorRef color : m_block.extra) {
        b.str(QString());
        b.str(QString());
        b.i32(qint32(color));
        b.i32(-1);
        *m_ords.insert(stitchPixel(color)) = ord++;
    }
    return b.bytes();
}

qint32 QmkEncoder::ordOfNewColor(TColor32 pixel)
{
    const qint32 ord = qint32(m_block.size() + m_missing.size());
    m_missing.push_back(colorRefFromColor32(pixel));
    *m_ords.insert(keyOf(pixel, m_empty)) = ord;
    return ord;
}

// Positions of one run of cells, up to the first cell whose colour the table lacks; returns
// how many were done. Kept apart so the compiler holds everything in registers.
int encodeRun(const TColor32* line, int count, TColor32 empty, OrdTable::View table, qint32* out)
{
    for (int x = 0; x < count; ++x) {
        const qint32* ord = table.find(QmkEncoder::keyOf(line[x], empty));
        if (!ord)
            return x;
        out[x] = *ord;
    }
    return count;
}

bool QmkEncoder::writeCells(QIODevice* out, const char* tag, const TBitmap32& layer, const QRect& area)
{
    const int width = area.width();
    const qsizetype rowBytes = qsizetype(width) * 4;
    if (out && out->write(blockHeader(tag, 0, kHeaderBytes + rowBytes * area.height())) != kHeaderBytes)
        return false;
    // Rows are encoded into a slice that stays in the cache and written a slice at a time.
    const int rowsPerSlice = qMax(1, (1 << 16) / qMax(1, width));
    std::vector<qint32> slice(size_t(rowsPerSlice) * size_t(width));
    int rowsInSlice = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const TColor32* line = layer.constScanLine(y) + area.left();
        qint32* cells = slice.data() + size_t(rowsInSlice) * size_t(width);
        for (int x = 0; (x += encodeRun(line + x, width - x, m_empty, m_ords.view(), cells + x)) < width; ++x)
            cells[x] = ordOfNewColor(line[x]);
        if (++rowsInSlice < rowsPerSlice && y < area.bottom())
            continue;
        const qsizetype bytes = rowsInSlice * rowBytes;
        qToLittleEndian<qint32>(slice.data(), rowsInSlice * qsizetype(width), slice.data());
        if (out && m_missing.empty() && out->write(reinterpret_cast<const char*>(slice.data()), bytes) != bytes)
            return false;
        rowsInSlice = 0;
    }
    return m_missing.empty();
}

bool QmkEncoder::inside(const QPoint& p) const
{
    if (!m_excerpt)
        return true;
    return p.x() >= 2 * m_cells.left() && p.x() <= 2 * (m_cells.right() + 1) && p.y() >= 2 * m_cells.top()
        && p.y() <= 2 * (m_cells.bottom() + 1);
}

QByteArray QmkEncoder::backStitches() const
{
    QList<const TBackStitch*> kept;
    for (const TBackStitch& s : m_design.BackStitchList) {
        if (inside(s.FromPoint) && inside(s.ToPoint))
            kept << &s;
    }
    Block b("BACK", 0);
    b.i32(qint32(kept.size()));
    for (const TBackStitch* s : kept) {
        b.point(moved(s->FromPoint));
        b.point(moved(s->ToPoint));
        b.i32(qint32(s->Color));
    }
    return b.bytes();
}

QByteArray QmkEncoder::title() const
{
    Block b("TITL", 0);
    b.str(m_texts.title);
    b.i32(qint32(m_texts.comment.size()));
    for (const QString& line : m_texts.comment)
        b.str(line);
    return b.bytes();
}

QByteArray QmkEncoder::frenchKnots() const
{
    QList<const TFrenchKnot*> kept;
    for (const TFrenchKnot& k : m_design.FrenchKnotList) {
        if (inside(k.Center))
            kept << &k;
    }
    Block b("FRKN", 0);
    b.i32(qint32(kept.size()));
    for (const TFrenchKnot* k : kept) {
        b.point(moved(k->Center));
        b.i32(qint32(k->Color));
    }
    return b.bytes();
}

QByteArray QmkEncoder::rhodes() const
{
    QList<const TRhode*> kept;
    for (const TRhodeRef& r : m_design.RhodeList) {
        const bool whollyInside = std::all_of(r->stitches.begin(), r->stitches.end(),
            [&](const TBackStitch& s) { return inside(s.FromPoint) && inside(s.ToPoint); });
        if (whollyInside)
            kept << r.get();
    }
    // The rhodes block carries the tag of the back stitches; readers know it by its place.
    Block b("BACK", 0);
    b.i32(qint32(kept.size()));
    for (const TRhode* r : kept) {
        b.i32(r->width);
        b.i32(r->height);
        b.i32(qint32(r->color));
        b.i32(qint32(r->stitches.size()));
        for (const TBackStitch& s : r->stitches) {
            b.point(moved(s.FromPoint));
            b.point(moved(s.ToPoint));
        }
    }
    return b.bytes();
}

bool QmkEncoder::write(QIODevice& out)
{
    const QRect quarters(2 * m_cells.left(), 2 * m_cells.top(), 2 * m_cells.width(), 2 * m_cells.height());
    Block chars("CHAR", 0);
    chars.str(m_doc.chars ? m_doc.chars->fcharacters : QString());
    const QByteArray before = head() + chars.bytes() + colors();
    const QByteArray back = backStitches();
    const QByteArray after = title() + frenchKnots() + rhodes();
    const qint64 cells = kHeaderBytes + 4 * qint64(m_cells.width()) * m_cells.height();
    const qint64 quarterCells = kHeaderBytes + 4 * qint64(quarters.width()) * quarters.height();
    const qint64 container = kHeaderBytes + before.size() + cells + back.size() + quarterCells + after.size();

    const auto put = [&](const QByteArray& bytes) { return out.write(bytes) == bytes.size(); };
    bool ok = put(QByteArray(qmkFile::kSignature) + blockHeader("QMKT", 0, container)) && put(before);
    ok = writeCells(ok ? &out : nullptr, "PIXD", m_raster, m_cells) && ok;
    ok = ok && put(back);
    ok = writeCells(ok ? &out : nullptr, "QUAR", m_design.QuarterLayer, quarters) && ok;
    return ok && put(after);
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

namespace {
// Writes the file through `write`, which the encoder feeds; when stitch colours turn out to be
// missing from the colour block, the attempt is dropped and made again with them added.
Status writeQmk(Design& design, const QRect& cells, const TBitmap32& raster, bool excerpt, const QmkTexts* texts,
    const std::function<Status(const std::function<bool(QIODevice&)>&)>& write)
{
    const QmkTexts own{design.stitch.Title, design.stitch.comment};
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
        QmkEncoder encoder(design, cells, raster, excerpt, block, texts ? *texts : own);
        const Status written = write([&](QIODevice& device) { return encoder.write(device); });
        if (encoder.missing().empty())
            return written;
        block.extra.insert(block.extra.end(), encoder.missing().begin(), encoder.missing().end());
    }
}
} // namespace

Status QmkWriter::encode(Design& design, const QRect& cells, const TBitmap32& raster, bool excerpt, QByteArray& bytes)
{
    return writeQmk(design, cells, raster, excerpt, nullptr, [&](const std::function<bool(QIODevice&)>& writer) {
        bytes.clear();
        bytes.reserve(20 * qsizetype(cells.width()) * cells.height() + 65536);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        // A buffer takes every byte: a false answer only means colours were missing, and the
        // encoder tries again.
        writer(buffer);
        return Status::ok();
    });
}

namespace {
Status save(Design& design, const QString& fileName, const QRect& cells, const TBitmap32& raster, bool excerpt,
    const QmkTexts* texts = nullptr)
{
    return writeQmk(design, cells, raster, excerpt, texts, [&](const std::function<bool(QIODevice&)>& writer) {
        return SafeFileWriter::write(fileName, writer);
    });
}
} // namespace

Status SaveQMK(Design& design, const QString& fileName)
{
    return save(design, fileName, QRect(0, 0, design.width(), design.height()), design.CrossLayer, false);
}

Status SaveQMK(Design& design, const QString& fileName, const QRect& cells, const TBitmap32& raster,
    const QmkTexts* texts)
{
    return save(design, fileName, cells, raster, true, texts);
}
