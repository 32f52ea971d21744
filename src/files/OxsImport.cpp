#include "model/Translatable.h"
#include "files/OxsImport.h"
#include "files/OxsFile.h"
#include "files/OxsReader.h"
#include "files/OxsThreads.h"
#include "model/ColorUsage.h"
#include "model/Design.h"
#include "model/DesignLimits.h"
#include "model/SymbolSetLoader.h"
#include <QMap>

namespace {
// What did not make it into the design, besides what the reader counted.
struct Dropped
{
    qint64 noColor = 0;
    qint64 outside = 0;
    qint64 linesMoved = 0;
};

class Placement
{
public:
    Placement(const OxsFile& file, const OxsThreads::Resolved& threads)
        : m_file(file)
        , m_colorOf(threads.colorOf)
    {
    }

    bool known(int palindex) const { return m_colorOf.contains(palindex); }
    TColorRef colorOf(int palindex) const { return m_colorOf.value(palindex); }

    // The design's size: the chart's, grown to the stitches' extent within the limits.
    QSize size() const
    {
        const QSize chart(std::max(1, m_file.chartWidth), std::max(1, m_file.chartHeight));
        QSize extent = chart;
        // A stitch beyond the largest side grows nothing: it is dropped.
        const auto reach = [&extent](qint64 x, qint64 y) {
            if (x <= DesignLimits::kMaxSide && y <= DesignLimits::kMaxSide)
                extent = extent.expandedTo(QSize(int(x), int(y)));
        };
        for (const OxsFile::Cell& c : m_file.full) {
            if (known(c.palindex) && c.at.x() >= 0 && c.at.y() >= 0)
                reach(c.at.x() + qint64(1), c.at.y() + qint64(1));
        }
        for (const OxsFile::Cell& c : m_file.quarters) {
            if (known(c.palindex) && c.at.x() >= 0 && c.at.y() >= 0)
                reach(c.at.x() / 2 + 1, c.at.y() / 2 + 1);
        }
        const auto reachPoint = [&reach](const QPoint& p) {
            if (p.x() >= 0 && p.y() >= 0)
                reach((p.x() + 1) / 2, (p.y() + 1) / 2);
        };
        for (const OxsFile::Line& line : m_file.lines) {
            if (known(line.palindex)) {
                reachPoint(line.from);
                reachPoint(line.to);
            }
        }
        for (const OxsFile::Cell& knot : m_file.knots) {
            if (known(knot.palindex))
                reachPoint(knot.at);
        }
        return DesignLimits::sizeAllowed(extent.width(), extent.height()) ? extent : chart;
    }

    void place(Design& design, Dropped& dropped) const
    {
        placeCells(m_file.full, design.CrossLayer, dropped);
        placeCells(m_file.quarters, design.QuarterLayer, dropped);
        placeLines(design, dropped);
        for (const OxsFile::Cell& knot : m_file.knots) {
            if (accept(knot.palindex, design.containsPoint(knot.at), dropped))
                design.FrenchKnotList.append({knot.at, colorOf(knot.palindex), 0});
        }
    }

private:
    bool accept(int palindex, bool inside, Dropped& dropped) const
    {
        if (!known(palindex))
            ++dropped.noColor;
        else if (!inside)
            ++dropped.outside;
        return known(palindex) && inside;
    }

    void placeCells(const std::vector<OxsFile::Cell>& cells, TBitmap32& layer, Dropped& dropped) const
    {
        const QRect inside(0, 0, layer.width(), layer.height());
        for (const OxsFile::Cell& c : cells) {
            if (accept(c.palindex, inside.contains(c.at), dropped))
                layer.setCanvasPixel(c.at.x(), c.at.y(), colorOf(c.palindex));
        }
    }

    // Rhode places whose lines all fit a rhode: one known thread, ends on the half-cell points
    // and on the design.
    QMap<int, bool> wholeRhodes(const Design& design) const
    {
        QMap<int, bool> whole;
        QHash<int, int> threadOf;
        for (const OxsFile::Line& line : m_file.lines) {
            if (line.rhode == 0)
                continue;
            const bool fits = known(line.palindex) && !line.moved && design.containsPoint(line.from) && design.containsPoint(line.to)
                && threadOf.value(line.rhode, line.palindex) == line.palindex;
            threadOf.insert(line.rhode, line.palindex);
            whole.insert(line.rhode, whole.value(line.rhode, true) && fits);
        }
        return whole;
    }

    void placeLines(Design& design, Dropped& dropped) const
    {
        const QMap<int, bool> whole = wholeRhodes(design);
        QMap<int, TRhodeRef> rhodes;
        for (const OxsFile::Line& line : m_file.lines) {
            const TBackStitch stitch{line.from, line.to, colorOf(line.palindex), 0};
            if (whole.value(line.rhode, false)) {
                TRhodeRef& rhode = rhodes[line.rhode];
                if (!rhode) {
                    rhode = std::make_shared<TRhode>();
                    rhode->color = stitch.Color;
                }
                rhode->stitches.append(stitch);
            } else if (accept(line.palindex, design.containsPoint(line.from) && design.containsPoint(line.to), dropped)) {
                design.BackStitchList.append(stitch);
                dropped.linesMoved += line.moved;
            }
        }
        for (const TRhodeRef& rhode : rhodes)
            design.RhodeList.append(rhode);
    }

    const OxsFile& m_file;
    const QHash<int, TColorRef>& m_colorOf;
};

TCharacterInfo symbolSetFor(const OxsFile& file, const TStitch& doc)
{
    if (doc.characters.contains(file.ownSymbols))
        return doc.characters.at(file.ownSymbols);
    const QString key = keyOrSmallest(doc.characters, doc.defaultCharacters);
    return key.isEmpty() ? SymbolSetLoader::builtInSet() : doc.characters.at(key);
}

void applySymbols(const TCharacterInfo& set, TStitch& doc)
{
    doc.chars = std::make_unique<TCharacters>(set.characters, &doc.listener());
    doc.chars->CharsName = set.Name;
    doc.chars->ffontcharset = quint8(set.fontCharset);
    doc.chars->SetFontName(set.fontName, doc.Colors);
}

void applyText(const OxsFile& file, TStitch& doc)
{
    doc.Title = file.title.isEmpty() ? doc.DefaultTitle : file.title;
    doc.comment.clear();
    if (!file.instructions.isEmpty()) {
        QString text = file.instructions;
        text.remove(QLatin1Char('\r'));
        doc.comment = text.split(QLatin1Char('\n'));
    }
    if (!file.author.isEmpty())
        doc.comment << QStringLiteral("Author: ") + file.author;
    if (!file.copyright.isEmpty())
        doc.comment << QStringLiteral("Copyright: ") + file.copyright;
    doc.len = file.len.value_or(doc.len);
    doc.backlen = file.backlen.value_or(doc.backlen);
    doc.baseLen = file.baseLen.value_or(doc.baseLen);
}

// The colour list's first used colour (palette order) becomes the drawing colour.
void drawWithFirstUsedColor(TStitch& doc)
{
    const TColorRef* first = nullptr;
    int lowest = 0;
    for (const auto& [color, info] : doc.Colors) {
        if (info.colorCount > 0 && (!first || info.orderID < lowest)) {
            first = &color;
            lowest = info.orderID;
        }
    }
    if (first)
        doc.setDrawcolor(*first);
    else if (!doc.Colors.isEmpty())
        doc.setDrawcolor(doc.Colors.begin()->first);
}

void note(QList<Status>* warnings, qint64 count, const QString& message, const QString& fileName, const QString& kind = QString())
{
    if (!warnings || count <= 0)
        return;
    QStringList args{fileName, QString::number(count)};
    if (!kind.isEmpty())
        args << kind;
    warnings->append(Status::error(message, args));
}

void noteAll(const OxsFile& file, const Dropped& dropped, qint64 merged, const QString& fileName, QList<Status>* warnings)
{
    note(warnings, file.incomplete + dropped.noColor,
        TRANSLATABLE("The file %1: %2 stitches without a position or a known thread were skipped."), fileName);
    for (auto it = file.leftOut.cbegin(); it != file.leftOut.cend(); ++it)
        note(warnings, it.value(), TRANSLATABLE("The file %1: %2 stitches of the kind %3 were left out."), fileName, it.key());
    note(warnings, dropped.outside, TRANSLATABLE("The file %1: %2 stitches outside the design were dropped."), fileName);
    note(warnings, dropped.linesMoved,
        TRANSLATABLE("The file %1: %2 back stitches were moved to the nearest half-cell point."), fileName);
    note(warnings, file.knotsMoved, TRANSLATABLE("The file %1: %2 french knots were moved to the nearest half-cell point."),
        fileName);
    note(warnings, file.zeroLength, TRANSLATABLE("The file %1: %2 back stitches of no length were dropped."), fileName);
    note(warnings, merged, TRANSLATABLE("The file %1: %2 threads of a colour already used were merged with it."), fileName);
    note(warnings, file.blends, TRANSLATABLE("The file %1: %2 blended threads were replaced by their main colour."), fileName);
    note(warnings, file.marked, TRANSLATABLE("The file %1: %2 progress marks were not kept."), fileName);
}
} // namespace

Status OxsImport::applyRecord(const OxsFile& file, Design& design, const QString& fileName, QList<Status>* warnings)
{
    TStitch& doc = design.stitch;
    const TCharacterInfo symbols = symbolSetFor(file, doc);
    const OxsThreads::Resolved threads =
        OxsThreads::resolve(file, OxsThreads::choosePalette(file, doc), int(symbols.characters.size()), doc);
    const Placement placement(file, threads);
    const QSize size = placement.size();
    if (!DesignLimits::sizeAllowed(size.width(), size.height())) {
        return Status::error(TRANSLATABLE("The file %1 holds a chart of %2 x %3 cells, larger than a design can be."),
            {fileName, QString::number(file.chartWidth), QString::number(file.chartHeight)});
    }
    doc.BackGroundColor = color32FromColorRef(file.background.value_or(makeColorRef(0xFF, 0xFF, 0xFF)));
    design.allocateLayers(size.width(), size.height());
    Dropped dropped;
    placement.place(design, dropped);
    applySymbols(symbols, doc);
    applyText(file, doc);
    noteAll(file, dropped, threads.merged, fileName, warnings);
    return Status::ok();
}

Status ReadOXS(const QString& fileName, Design& freshDesign, QList<Status>* warnings)
{
    OxsFile file;
    if (const Status read = OxsReader::read(file, fileName); !read)
        return read;
    if (const Status built = OxsImport::applyRecord(file, freshDesign, fileName, warnings); !built)
        return built;
    file = OxsFile();
    ColorUsage::CalcColorUsage(freshDesign);
    drawWithFirstUsedColor(freshDesign.stitch);
    return Status::ok();
}
