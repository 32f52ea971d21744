#include "support/QmkTestFiles.h"
#include "model/TCharacters.h"
#include "support/TestDesigns.h"
#include <QFile>
#include <QtEndian>
#include <cstring>

namespace {
class Bytes
{
public:
    QByteArray data;

    void u8(quint8 v) { data.append(char(v)); }
    void u16(quint16 v) { put(v); }
    void i32(qint32 v) { put(v); }
    void f64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        put(bits);
    }
    void str(const QByteArray& s)
    {
        i32(qint32(s.size()));
        data.append(s);
    }
    void ints(const QList<qint32>& values)
    {
        for (qint32 v : values)
            i32(v);
    }
    qsizetype open(const char* tag, quint8 version)
    {
        const qsizetype start = data.size();
        data.append(tag, 4);
        u8(version);
        u8(0);
        u8(0);
        u8(0);
        i32(0);
        i32(0);
        return start;
    }
    void close(qsizetype start)
    {
        const qint32 length = qint32(data.size() - start);
        qToLittleEndian(length, data.data() + start + 8);
        qToLittleEndian(length, data.data() + start + 12);
    }

private:
    template <typename T>
    void put(T v)
    {
        char b[sizeof v];
        qToLittleEndian(v, b);
        data.append(b, qsizetype(sizeof v));
    }
};

void head(Bytes& b, const QmkTestFiles::Content& c)
{
    const qsizetype block = b.open("HEAD", quint8(c.version));
    b.str(c.palette);
    b.str(c.charsName);
    b.str(c.font);
    b.u16(1);
    b.u16(c.fontCharset);
    b.i32(c.usedColors);
    b.i32(0);
    b.i32(0);
    b.i32(c.width);
    b.i32(c.height);
    b.str(c.headTitle);
    b.str(c.headDescription);
    b.str("Arial");
    b.i32(16);
    b.u16(0);
    b.u16(1);
    b.str("Arial");
    b.i32(12);
    b.u16(0);
    b.u16(1);
    if (c.version >= 1) {
        b.f64(c.stitchLen);
        b.f64(c.baseLen);
    }
    if (c.version >= 2)
        b.i32(c.bg);
    if (c.version >= 3)
        b.f64(c.backLen);
    b.close(block);
}

void cells(Bytes& b, const char* tag, const QList<qint32>& values, qint64 count)
{
    const qsizetype block = b.open(tag, 0);
    for (qint64 i = 0; i < count; ++i)
        b.i32(i < values.size() ? values[i] : -1);
    b.close(block);
}

void list(Bytes& b, const char* tag, const QList<QList<qint32>>& entries)
{
    const qsizetype block = b.open(tag, 0);
    b.i32(qint32(entries.size()));
    for (const auto& e : entries)
        b.ints(e);
    b.close(block);
}
} // namespace

QList<QmkTestFiles::Color> QmkTestFiles::paletteColors()
{
    return {
        {"Black", "310", 310, qint32(kBlack), 0},
        {"Red", "321", 321, qint32(kRed), 1},
        {"Green", "700", 700, qint32(kGreen), 2},
        {"White", "B5200", 5200, qint32(kWhite), 3},
    };
}

QByteArray QmkTestFiles::build(const Content& c)
{
    Bytes b;
    b.data.append("HDSF");
    const qsizetype container = b.open("QMKT", 0);
    head(b, c);
    const qsizetype chars = b.open("CHAR", 0);
    b.str(c.characters);
    b.close(chars);
    const qsizetype colo = b.open("COLO", quint8(c.colorVersion));
    b.i32(qint32(c.colors.size()));
    for (const Color& color : c.colors) {
        b.str(color.name.toLatin1());
        if (c.colorVersion >= 1)
            b.str(color.id.toLatin1());
        else
            b.i32(color.number);
        b.i32(color.matchColor);
        b.i32(color.charID);
    }
    b.close(colo);
    const qint64 area = qint64(c.width) * c.height;
    cells(b, "PIXD", c.pixels, area);
    if (c.version >= 3)
        list(b, "BACK", c.backStitches);
    if (c.version >= 4)
        cells(b, "QUAR", c.quarters, 4 * area);
    if (c.version >= 5) {
        const qsizetype titl = b.open("TITL", 0);
        b.str(c.title);
        b.i32(qint32(c.lines.size()));
        for (const QByteArray& line : c.lines)
            b.str(line);
        b.close(titl);
    }
    if (c.version >= 6) {
        list(b, "FRKN", c.knots);
        const qsizetype rhodes = b.open("BACK", 0);
        b.i32(qint32(c.rhodes.size()));
        for (const Rhode& r : c.rhodes) {
            b.ints({r.width, r.height, r.color, qint32(r.stitches.size())});
            for (const auto& s : r.stitches)
                b.ints(s);
        }
        b.close(rhodes);
    }
    b.close(container);
    return b.data;
}

QList<qsizetype> QmkTestFiles::blockOffsets(const QByteArray& file)
{
    QList<qsizetype> offsets;
    for (qsizetype at = 20; at + 16 <= file.size();) {
        offsets << at;
        const qint32 length = qFromLittleEndian<qint32>(file.constData() + at + 8);
        if (length < 16)
            break;
        at += length;
    }
    return offsets;
}

std::unique_ptr<Design> QmkTestFiles::freshDesign()
{
    auto d = std::make_unique<Design>();
    TStitch& doc = d->stitch;
    doc.ColorPalettes.insert(kPalette, TestDesigns::palette({kBlack, kRed, kGreen, kWhite}));
    TCharacterInfo standard;
    standard.Name = QStringLiteral("Standard");
    standard.fontName = QStringLiteral("VelwickArtSymbols110");
    standard.characters = QStringLiteral("ABCDEFGHIJ");
    TCharacterInfo other = standard;
    other.Name = QStringLiteral("Other");
    other.characters = QStringLiteral("0123456789");
    doc.characters.insert(standard.Name, standard);
    doc.characters.insert(other.Name, other);
    doc.defaultCharacters = standard.Name;
    doc.DefaultTitle = QStringLiteral("Untitled");
    doc.Title = doc.DefaultTitle;
    return d;
}

std::unique_ptr<Design> QmkTestFiles::sampleDesign()
{
    auto d = TestDesigns::fromRows(
        {
            "kr..g.w.",
            "kk......",
            "....rrr.",
            "w.......",
            "........",
            "g......k",
        },
        {{'k', kBlack}, {'r', kRed}, {'g', kGreen}, {'w', kWhite}});
    // Move the stitches onto a tinted background.
    const TColor32 tint = color32FromColorRef(0xD0E0F0);
    for (TBitmap32* layer : {&d->CrossLayer, &d->QuarterLayer}) {
        for (int y = 0; y < layer->height(); ++y) {
            for (int x = 0; x < layer->width(); ++x) {
                if (layer->pixel(x, y) == d->stitch.BackGroundColor)
                    layer->setPixel(x, y, tint);
            }
        }
    }
    TStitch& doc = d->stitch;
    doc.BackGroundColor = tint;
    d->QuarterLayer.setCanvasPixel(0, 0, kRed);
    d->QuarterLayer.setCanvasPixel(1, 1, kRed);
    d->QuarterLayer.setCanvasPixel(15, 11, kGreen);
    d->QuarterLayer.setCanvasPixel(2, 0, kBlack); // a quarter over a full stitch
    d->BackStitchList = {
        {QPoint(0, 0), QPoint(3, 4), kRed, 0},
        {QPoint(2, 2), QPoint(4, 2), kBlack, 0},
    };
    d->FrenchKnotList = {{QPoint(9, 5), kGreen, 0}};
    auto rhode = std::make_shared<TRhode>();
    rhode->width = 2;
    rhode->height = 2;
    rhode->color = kBlack;
    rhode->stitches = {{QPoint(10, 6), QPoint(12, 8), 0, 0}, {QPoint(12, 6), QPoint(10, 8), 0, 0}};
    d->RhodeList = {rhode};
    doc.Title = QStringLiteral("Rosen für Oma");
    doc.comment = {QStringLiteral("Grüße – 5 €"), QString(), QStringLiteral("third line")};
    doc.len = 0.005;
    doc.backlen = 0.0025;
    doc.baseLen = 0.1;
    doc.setColorsname(kPalette);
    doc.chars = std::make_unique<TCharacters>(QStringLiteral("ABCDEFGHIJ"));
    doc.chars->CharsName = QStringLiteral("Standard");
    doc.chars->ffontname = QStringLiteral("VelwickArtSymbols110");
    doc.chars->ffontcharset = 2;
    return d;
}

void QmkTestFiles::writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray QmkTestFiles::readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
