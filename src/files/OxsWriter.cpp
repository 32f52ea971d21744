#include "files/OxsWriter.h"
#include "files/OxsOutput.h"
#include "files/OxsValues.h"
#include "files/SafeFileWriter.h"
#include "model/Design.h"
#include <QHash>
#include <QXmlStreamWriter>
#include <algorithm>

namespace {
const char* const kFormatComments[13] = {
    "chart: one design; its elements below come in this order",
    "properties: chart size in cells, title, instructions (lines joined by line feeds), stitches per inch",
    "palette: palette_item index 0 is the cloth, 1 and up the threads that the stitches name by palindex",
    "palette_item: number is the brand and the thread number, color is RRGGBB, symbol a Unicode code",
    "fullstitches: stitch x y are the column and row of a cell, counted from 0 at the top left",
    "backstitches: backstitch x1 y1 x2 y2 are its ends in cells, on whole or half cells",
    "backstitch: sequence counts the stitches in the order they were made",
    "ornaments_inc_knots_and_beads: object items, placed in cells like back stitch ends",
    "object quarter: x1 y1 are the top-left corner of the quarter cell it fills",
    "object knot: x1 y1 are the centre of the french knot",
    "positions and sizes are numbers with a full stop as the decimal mark",
    "attributes that start with threadwright_ belong to the program that wrote the file",
    "a reader passes over elements and attributes it does not know",
};

// Calls `visit(x, y, colour)` for every stitched pixel of a layer, row by row.
template <typename Visit>
void forEachStitch(const TBitmap32& layer, TColor32 background, Visit visit)
{
    for (int y = 0; y < layer.height(); ++y) {
        const TColor32* line = layer.constScanLine(y);
        for (int x = 0; x < layer.width(); ++x) {
            if (line[x] != background)
                visit(x, y, colorRefFromColor32(line[x]));
        }
    }
}

// The colours the stitches use, each with its palette index from 1, in palette order.
class UsedColors
{
public:
    explicit UsedColors(const Design& design)
    {
        const auto add = [this](TColorRef c) {
            if (!m_index.contains(c))
                m_index.insert(c, 0);
        };
        for (const TBitmap32* layer : {&design.CrossLayer, &design.QuarterLayer}) {
            // Neighbours often share a colour: the table is asked only when it changes.
            TColorRef last = kNoColor;
            forEachStitch(*layer, design.stitch.BackGroundColor, [&](int, int, TColorRef c) {
                if (c != last)
                    add(c);
                last = c;
            });
        }
        for (const TBackStitch& s : design.BackStitchList)
            add(s.Color);
        for (const TFrenchKnot& k : design.FrenchKnotList)
            add(k.Color);
        for (const TRhodeRef& r : design.RhodeList)
            add(r->color);
        order(design.stitch.Colors);
    }

    const QList<TColorRef>& colors() const { return m_colors; }
    int indexOf(TColorRef c) const { return m_index.value(c); }
    QString indexText(TColorRef c) const { return QString::number(indexOf(c)); }

private:
    // Palette order; colours the table lacks come last, by value.
    void order(const TColorTable& table)
    {
        m_colors = m_index.keys();
        const auto rank = [&table](TColorRef c) {
            const TColorInfo* info = table.find(c);
            return std::pair(info ? 0 : 1, info ? qint64(info->orderID) : qint64(c));
        };
        std::stable_sort(m_colors.begin(), m_colors.end(), [&](TColorRef a, TColorRef b) {
            return rank(a) < rank(b) || (rank(a) == rank(b) && table.indexOf(a) < table.indexOf(b));
        });
        for (int i = 0; i < m_colors.size(); ++i)
            m_index.insert(m_colors[i], i + 1);
    }

    QHash<TColorRef, int> m_index;
    QList<TColorRef> m_colors;
};

class Writer
{
public:
    Writer(const Design& design, OxsOutput& out)
        : m_design(design)
        , m_doc(design.stitch)
        , m_used(design)
        , m_out(out)
        , m_xml(&out)
    {
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(1);
    }

    void write()
    {
        m_xml.writeStartDocument();
        m_xml.writeStartElement(QStringLiteral("chart"));
        writeFormat();
        writeProperties();
        writePalette();
        writeFullStitches();
        writeBackStitches();
        writeOrnaments();
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    }

    bool failed() const { return m_xml.hasError(); }

private:
    void attribute(const QString& name, const QString& value) { m_xml.writeAttribute(name, value); }
    void text(const QString& name, const QString& value) { attribute(name, OxsValues::xmlText(value)); }

    void writeFormat()
    {
        m_xml.writeStartElement(QStringLiteral("format"));
        for (int i = 0; i < 13; ++i)
            m_xml.writeAttribute(QStringLiteral("comments%1").arg(i + 1, 2, 10, QLatin1Char('0')), QLatin1String(kFormatComments[i]));
        m_xml.writeEndElement();
    }

    void writeProperties()
    {
        m_xml.writeStartElement(QStringLiteral("properties"));
        attribute(QStringLiteral("oxsversion"), QStringLiteral("1.0"));
        attribute(QStringLiteral("software"), QStringLiteral("Threadwright"));
        attribute(QStringLiteral("software_version"), QStringLiteral(THREADWRIGHT_VERSION));
        attribute(QStringLiteral("chartwidth"), QString::number(m_design.width()));
        attribute(QStringLiteral("chartheight"), QString::number(m_design.height()));
        text(QStringLiteral("charttitle"), m_doc.Title);
        text(QStringLiteral("instructions"), m_doc.comment.join(QLatin1Char('\n')));
        attribute(QStringLiteral("stitchesperinch"), QStringLiteral("14"));
        attribute(QStringLiteral("stitchesperinch_y"), QStringLiteral("14"));
        attribute(QStringLiteral("palettecount"), QString::number(m_used.colors().size()));
        text(QStringLiteral("threadwright_palette"), m_doc.colorsname());
        text(QStringLiteral("threadwright_symbols"), m_doc.chars ? m_doc.chars->CharsName : QString());
        attribute(QStringLiteral("threadwright_len"), OxsValues::numberText(m_doc.len));
        attribute(QStringLiteral("threadwright_backlen"), OxsValues::numberText(m_doc.backlen));
        attribute(QStringLiteral("threadwright_baselen"), OxsValues::numberText(m_doc.baseLen));
        m_xml.writeEndElement();
    }

    void writePalette()
    {
        const QString brand = m_doc.colorsname().section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        m_xml.writeStartElement(QStringLiteral("palette"));
        m_xml.writeEmptyElement(QStringLiteral("palette_item"));
        attribute(QStringLiteral("index"), QStringLiteral("0"));
        attribute(QStringLiteral("color"), OxsValues::colorText(colorRefFromColor32(m_doc.BackGroundColor)));
        for (TColorRef c : m_used.colors()) {
            const TColorInfo info = m_doc.Colors.value(c);
            m_xml.writeEmptyElement(QStringLiteral("palette_item"));
            attribute(QStringLiteral("index"), m_used.indexText(c));
            if (!info.colorID.isEmpty())
                text(QStringLiteral("number"), brand.isEmpty() ? info.colorID : brand + QLatin1Char(' ') + info.colorID);
            text(QStringLiteral("name"), info.colorName);
            attribute(QStringLiteral("color"), OxsValues::colorText(c));
            writeSymbol(info.charID);
        }
        m_xml.writeEndElement();
    }

    void writeSymbol(int charID)
    {
        if (!m_doc.chars || charID < 0)
            return;
        if (const std::optional<QChar> symbol = m_doc.chars->symbolOf(charID)) {
            attribute(QStringLiteral("symbol"), QString::number(symbol->unicode()));
            text(QStringLiteral("fontname"), m_doc.chars->ffontname);
        }
        attribute(QStringLiteral("threadwright_charid"), QString::number(charID));
    }

    // The stitch sections are written as lines of their own, in the layout the stream writer
    // gives the sections before them.
    void writeFullStitches()
    {
        m_out.append("\n <fullstitches>");
        forEachStitch(m_design.CrossLayer, m_doc.BackGroundColor, [this](int x, int y, TColorRef c) {
            m_out.append("\n  <stitch x=\"").number(x).append("\" y=\"").number(y);
            m_out.append("\" palindex=\"").number(m_used.indexOf(c)).append("\"/>");
        });
        m_out.append("\n </fullstitches>");
    }

    void writeLine(const TBackStitch& s, TColorRef color, int rhode)
    {
        m_out.append("\n  <backstitch x1=\"").cells(s.FromPoint.x()).append("\" y1=\"").cells(s.FromPoint.y());
        m_out.append("\" x2=\"").cells(s.ToPoint.x()).append("\" y2=\"").cells(s.ToPoint.y());
        m_out.append("\" palindex=\"").number(m_used.indexOf(color));
        m_out.append("\" objecttype=\"backstitch\" sequence=\"").number(++m_sequence).append("\"");
        if (rhode > 0)
            m_out.append(" threadwright_rhode=\"").number(rhode).append("\"");
        m_out.append("/>");
    }

    void writeBackStitches()
    {
        m_out.append("\n <backstitches>");
        for (const TBackStitch& s : m_design.BackStitchList)
            writeLine(s, s.Color, 0);
        for (int k = 0; k < m_design.RhodeList.size(); ++k) {
            const TRhode& rhode = *m_design.RhodeList[k];
            for (const TBackStitch& s : rhode.stitches)
                writeLine(s, rhode.color, k + 1);
        }
        m_out.append("\n </backstitches>");
    }

    // A quarter or a knot: its corner or centre in cells.
    void writePlaced(std::string_view type, const QPoint& halfPoint, TColorRef color, std::string_view more)
    {
        m_out.append("\n  <object objecttype=\"").append(type).append("\" x1=\"").cells(halfPoint.x());
        m_out.append("\" y1=\"").cells(halfPoint.y()).append("\" palindex=\"").number(m_used.indexOf(color));
        m_out.append("\"").append(more).append("/>");
    }

    void writeOrnaments()
    {
        m_out.append("\n <ornaments_inc_knots_and_beads>");
        forEachStitch(m_design.QuarterLayer, m_doc.BackGroundColor,
            [this](int x, int y, TColorRef c) { writePlaced("quarter", QPoint(x, y), c, " petit=\"true\""); });
        for (const TFrenchKnot& knot : m_design.FrenchKnotList)
            writePlaced("knot", knot.Center, knot.Color, "");
        m_out.append("\n </ornaments_inc_knots_and_beads>");
    }

    const Design& m_design;
    const TStitch& m_doc;
    UsedColors m_used;
    OxsOutput& m_out;
    QXmlStreamWriter m_xml;
    int m_sequence = 0;
};
} // namespace

bool OxsWriter::write(const Design& design, QIODevice& device)
{
    OxsOutput out(device);
    Writer writer(design, out);
    writer.write();
    return !writer.failed() && out.flushBlock();
}

Status SaveOXS(const Design& design, const QString& fileName)
{
    return SafeFileWriter::write(fileName, [&design](QIODevice& device) { return OxsWriter::write(design, device); });
}
