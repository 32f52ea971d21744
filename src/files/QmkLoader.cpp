#include "model/Translatable.h"
#include "files/QmkLoader.h"
#include "files/QmkFile.h"
#include "files/QmkReader.h"
#include "files/TwoThreads.h"
#include "model/ColorUsage.h"
#include "model/Design.h"
#include "model/SymbolSetLoader.h"
#include <algorithm>
#include <cstring>

namespace {
// The drawing colour until the colour table gives one: no colour has been chosen yet.
constexpr TColorRef kNoDrawColorYet = 0xFFFFFF;

// How many cell values name a colour: the positions of the colour block a 16-bit cell can hold.
size_t namedPositions(const qmkFile& file)
{
    return qMin(file.Colors.size(), size_t(qmkFile::kMaxColorPositions) + 1);
}

// The pixel of every possible 16-bit cell value: the colour of a colour-block position, or
// the background for -1 and for every value that names no colour.
std::vector<TColor32> cellPixels(const qmkFile& file, TColor32 background)
{
    std::vector<TColor32> pixels(size_t(1) << 16, background);
    const size_t named = namedPositions(file);
    for (size_t k = 0; k < named; ++k)
        pixels[k] = stitchPixel(file.Colors[k].matchColor);
    return pixels;
}

// Cell counts per stored value, kept in four tables that neighbouring cells take turns on:
// a design's runs of one colour would otherwise make every increment wait for the one before.
// Only values below `named` name a colour; every other value is counted in one last slot, so
// the tables stay as small as the colour block.
class ValueCounter
{
public:
    explicit ValueCounter(size_t named = 0)
        : m_values(named + 1)
        , m_tables(size_t(kLanes) * m_values, 0)
    {
    }

    // Writes the pixels of `count` stored cells to `line` and counts their values.
    void decode(const uchar* row, int count, const std::vector<TColor32>& pixels, TColor32* line)
    {
        quint32* counts = m_tables.data();
        const size_t last = m_values - 1;
        const auto slot = [last](quint16 value) { return std::min(size_t(value), last); };
        int x = 0;
        for (; x + kLanes <= count; x += kLanes) {
            // Two pixels go out in one store: the loop is bound by stores, one per count.
            for (int lane = 0; lane < kLanes; lane += 2) {
                const quint16 first = quint16(qmkFile::Cells::valueAt(row, x + lane));
                const quint16 second = quint16(qmkFile::Cells::valueAt(row, x + lane + 1));
                const quint64 a = pixels[first], b = pixels[second];
                const quint64 pair = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? a | b << 32 : b | a << 32;
                std::memcpy(line + x + lane, &pair, sizeof pair);
                ++counts[lane * m_values + slot(first)];
                ++counts[(lane + 1) * m_values + slot(second)];
            }
        }
        for (; x < count; ++x) {
            const quint16 value = quint16(qmkFile::Cells::valueAt(row, x));
            line[x] = pixels[value];
            ++counts[slot(value)];
        }
    }

    // The cells of a value below `named`.
    qint64 count(size_t value) const
    {
        qint64 sum = 0;
        for (size_t lane = 0; lane < size_t(kLanes); ++lane)
            sum += m_tables[lane * m_values + value];
        return sum;
    }

private:
    static constexpr int kLanes = 4;
    size_t m_values;
    // 32 bits hold the count of a value: a layer has at most 4 x 16 777 216 cells.
    std::vector<quint32> m_tables;
};

// The counts of one layer's cells, taken in parts that are added up.
using LayerValueCounts = std::vector<ValueCounter>;

qint64 countOf(const LayerValueCounts& parts, size_t value)
{
    qint64 sum = 0;
    for (const ValueCounter& part : parts)
        sum += part.count(value);
    return sum;
}

// Designs of at least this many cells (both layers) are built by two threads: the cell loop is
// bound by the stores of one core, so a second core nearly halves it.
constexpr qint64 kCellsForTwoThreads = qint64(1) << 18;

// Builds a layer from the file's cells and counts the cells of every cell value on the way, so
// the recount does not have to visit millions of pixels again. The rows are split into `parts`
// bands of their own counts, which different threads may fill at the same time.
class LayerFill
{
public:
    LayerFill(TBitmap32& layer, int width, int height, const qmkFile::Cells& cells, const std::vector<TColor32>& pixels,
        size_t named, int parts)
        : m_width(width)
        , m_height(height)
        , m_cells(cells)
        , m_pixels(pixels)
        , m_lines(static_cast<size_t>(height))
        , m_counts(size_t(parts), ValueCounter(named))
    {
        layer.SetSize(width, height);
        // The line addresses are taken here, once: asking the image for a line from two
        // threads at once is not safe.
        for (int y = 0; y < height; ++y)
            m_lines[size_t(y)] = layer.scanLine(y);
    }

    void fill(int part)
    {
        const int parts = int(m_counts.size());
        const int top = int(qint64(m_height) * part / parts);
        const int bottom = int(qint64(m_height) * (part + 1) / parts);
        ValueCounter& counter = m_counts[size_t(part)];
        const TColor32 empty = m_pixels[quint16(-1)];
        for (int y = top; y < bottom; ++y) {
            TColor32* line = m_lines[size_t(y)];
            const qint64 first = qint64(y) * m_width;
            const int present = int(qBound(qint64(0), m_cells.present() - first, qint64(m_width)));
            if (present > 0)
                counter.decode(m_cells.data() + 4 * first, present, m_pixels, line);
            std::fill(line + present, line + m_width, empty);
        }
    }

    const LayerValueCounts& counts() const { return m_counts; }

private:
    int m_width;
    int m_height;
    const qmkFile::Cells& m_cells;
    const std::vector<TColor32>& m_pixels;
    std::vector<TColor32*> m_lines;
    LayerValueCounts m_counts;
};

// The cell counts of the values that name a colour, as colours.
ColorUsage::LayerCounts countsOf(const qmkFile& file, const LayerValueCounts& crossValues, const LayerValueCounts& quarterValues)
{
    ColorUsage::LayerCounts counted;
    const size_t named = namedPositions(file);
    for (size_t k = 0; k < named; ++k) {
        const TColorRef color = colorRefFromColor32(stitchPixel(file.Colors[k].matchColor));
        if (const qint64 n = countOf(crossValues, k); n > 0)
            counted.cross.emplace_back(color, n);
        if (const qint64 n = countOf(quarterValues, k); n > 0)
            counted.quarters.emplace_back(color, n);
    }
    return counted;
}

void appendLists(const qmkFile& file, Design& design)
{
    design.BackStitchList.append(file.BackStitches);
    design.FrenchKnotList.append(file.frenchKnots);
    for (const TRhode& stored : file.Rhodes) {
        auto rhode = std::make_shared<TRhode>();
        rhode->width = stored.width;
        rhode->height = stored.height;
        rhode->color = stored.color;
        rhode->stitches = stored.stitches;
        design.RhodeList.append(rhode);
    }
}

// Colours in colour-block order. A colour that appears twice keeps its first entry, unless
// only a later one has a symbol.
void buildColorTable(const qmkFile& file, TStitch& doc)
{
    for (const TColorInfo& entry : file.Colors) {
        const TColorRef color = entry.matchColor;
        const TColorInfo* present = doc.Colors.find(color);
        if (!present) {
            doc.Colors.insert(color, entry);
            if (doc.drawcolor() == kNoDrawColorYet)
                doc.setDrawcolor(color);
        } else if (entry.charID != -1 && present->charID == -1) {
            doc.Colors.insert(color, entry);
        }
    }
}

// A catalogued palette completes the table; an unknown one is catalogued as the file has it.
void completePalette(const QString& key, TStitch& doc)
{
    const TColorTable* palette = doc.palette(key);
    if (!palette) {
        doc.ColorPalettes.insert(key, doc.Colors);
        return;
    }
    for (const auto& [color, info] : *palette) {
        if (!doc.Colors.contains(color))
            doc.Colors.insert(color, info);
    }
}

bool isOneOf(const QString& name, std::initializer_list<const char*> names)
{
    for (const char* n : names) {
        if (name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The old built-in set names and names the catalogue lacks fall back to the default set, and
// that to the first set or the built-in one, as for a new design.
TCharacterInfo symbolSetFor(const QString& name, const TStitch& doc)
{
    if (!isOneOf(name, {"Standard Art Symbole", "Standard Symbole"}) && doc.characters.contains(name))
        return doc.characters.at(name);
    const QString fallback = keyOrSmallest(doc.characters, doc.defaultCharacters);
    return fallback.isEmpty() ? SymbolSetLoader::builtInSet() : doc.characters.at(fallback);
}

// Every older name of the program's symbol font means the current one.
QString symbolFontFor(const QString& name)
{
    if (isOneOf(name, {"VelwickStitchSymbols", "VelwickArtSymbols110", "VelwickArtSymbols"}))
        return QStringLiteral("VelwickArtSymbols110");
    return name;
}

void applySymbols(const qmkFile& file, TStitch& doc)
{
    const TCharacterInfo set = symbolSetFor(file.CharsName, doc);
    doc.chars = std::make_unique<TCharacters>(set.characters, &doc.listener());
    doc.setColorsname(file.colorsname);
    doc.chars->SetFontName(symbolFontFor(file.fontname), doc.Colors);
    doc.chars->CharsName = file.CharsName;
    doc.chars->ffontcharset = quint8(file.fontCharset);
}

// The colour of the colour list's first row after a load: the list is sorted by palette.
void drawWithFirstColor(TStitch& doc)
{
    const TColorRef* first = nullptr;
    int lowest = 0;
    for (const auto& [color, info] : doc.Colors) {
        if (!first || info.orderID < lowest) {
            first = &color;
            lowest = info.orderID;
        }
    }
    if (first)
        doc.setDrawcolor(*first);
}
} // namespace

ColorUsage::LayerCounts QmkLoader::applyRecord(const qmkFile& file, Design& design)
{
    TStitch& doc = design.stitch;
    doc.Title = doc.DefaultTitle;
    doc.comment.clear();
    doc.BackGroundColor = color32FromColorRef(TColorRef(file.bg));
    const std::vector<TColor32> pixels = cellPixels(file, doc.BackGroundColor);
    const size_t named = namedPositions(file);
    const bool twoThreads = 5 * qint64(file.width) * file.height >= kCellsForTwoThreads && twoThreadsAvailable();
    const int parts = twoThreads ? 2 : 1;
    LayerFill cross(design.CrossLayer, file.width, file.height, file.Pixels, pixels, named, parts);
    LayerFill quarters(design.QuarterLayer, 2 * file.width, 2 * file.height, file.QuarterStitchesPixels, pixels, named, parts);
    const auto fillUpper = [&] {
        cross.fill(0);
        quarters.fill(0);
    };
    if (twoThreads) {
        runOnTwoThreads(
            [&] {
                cross.fill(1);
                quarters.fill(1);
            },
            fillUpper);
    } else {
        fillUpper();
    }
    const ColorUsage::LayerCounts counted = countsOf(file, cross.counts(), quarters.counts());
    appendLists(file, design);

    doc.setColorsname(file.colorsname);
    doc.setDrawcolor(kNoDrawColorYet);
    buildColorTable(file, doc);
    completePalette(file.colorsname, doc);
    applySymbols(file, doc);

    doc.len = file.stitchLen;
    doc.backlen = file.stitchBackLen;
    doc.baseLen = file.stitchBaseLen;
    if (file.hasTitleBlock) {
        doc.Title = file.titleBlockTitle;
        doc.comment = file.titleBlockLines;
    }
    return counted;
}

int QmkLoader::finish(Design& design, const ColorUsage::LayerCounts& counted)
{
    const int added = ColorUsage::CalcColorUsage(design, counted);
    drawWithFirstColor(design.stitch);
    return added;
}

Status LoadQMK(const QString& fileName, Design& freshDesign, QList<Status>* warnings)
{
    qmkFile file;
    const Status read = ReadQMK(file, fileName);
    if (!read)
        return read;
    const ColorUsage::LayerCounts counted = QmkLoader::applyRecord(file, freshDesign);
    const bool truncated = file.truncated;
    file = qmkFile();
    const int added = QmkLoader::finish(freshDesign, counted);
    if (!warnings)
        return Status::ok();
    if (truncated) {
        warnings->append(Status::error(
            TRANSLATABLE("The file %1 is cut short; everything after the cut was left empty."), {fileName}));
    }
    if (added > 0) {
        warnings->append(Status::error(
            TRANSLATABLE("The file %1 has stitches in %2 colours missing from its colour table; they were added without a name or symbol."),
            {fileName, QString::number(added)}));
    }
    return Status::ok();
}
