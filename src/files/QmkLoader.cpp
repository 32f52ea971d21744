#include "model/Translatable.h"
#include "files/QmkLoader.h"
#include "files/QmkFile.h"
#include "files/QmkReader.h"
#include "model/ColorUsage.h"
#include "model/Design.h"
#include "model/SymbolSetLoader.h"
#include <algorithm>
#include <cstring>

namespace {
// The drawing colour until the colour table gives one: no colour has been chosen yet.
constexpr TColorRef kNoDrawColorYet = 0xFFFFFF;

// The pixel of every possible 16-bit cell value: the colour of a colour-block position, or
// the background for -1 and for every value that names no colour.
std::vector<TColor32> cellPixels(const qmkFile& file, TColor32 background)
{
    std::vector<TColor32> pixels(size_t(1) << 16, background);
    const size_t named = qMin(file.Colors.size(), size_t(qmkFile::kMaxColorPositions) + 1);
    for (size_t k = 0; k < named; ++k)
        pixels[k] = stitchPixel(file.Colors[k].matchColor);
    return pixels;
}

// Cell counts per stored value, kept in four tables that neighbouring cells take turns on:
// a design's runs of one colour would otherwise make every increment wait for the one before.
class ValueCounter
{
public:
    ValueCounter()
        : m_tables(kLanes * kValues, 0)
    {
    }

    // Writes the pixels of `count` stored cells to `line` and counts their values.
    void decode(const uchar* row, int count, const std::vector<TColor32>& pixels, TColor32* line)
    {
        quint32* counts = m_tables.data();
        int x = 0;
        for (; x + kLanes <= count; x += kLanes) {
            // Two pixels go out in one store: the loop is bound by stores, one per count.
            for (int lane = 0; lane < kLanes; lane += 2) {
                const quint16 first = quint16(qmkFile::Cells::valueAt(row, x + lane));
                const quint16 second = quint16(qmkFile::Cells::valueAt(row, x + lane + 1));
                const quint64 a = pixels[first], b = pixels[second];
                const quint64 pair = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? a | b << 32 : b | a << 32;
                std::memcpy(line + x + lane, &pair, sizeof pair);
                ++counts[lane * kValues + first];
                ++counts[(lane + 1) * kValues + second];
            }
        }
        for (; x < count; ++x) {
            const quint16 value = quint16(qmkFile::Cells::valueAt(row, x));
            line[x] = pixels[value];
            ++counts[value];
        }
    }

    qint64 count(size_t value) const
    {
        qint64 sum = 0;
        for (int lane = 0; lane < kLanes; ++lane)
            sum += m_tables[lane * kValues + value];
        return sum;
    }

private:
    static constexpr int kLanes = 4;
    static constexpr size_t kValues = size_t(1) << 16;
    // 32 bits hold the count of a value: a layer has at most 4 x 16 777 216 cells.
    std::vector<quint32> m_tables;
};

// Builds a layer from the file's cells and counts the cells of every cell value on the way, so
// the recount does not have to visit millions of pixels again.
void fillLayer(TBitmap32& layer, int width, int height, const qmkFile::Cells& cells, const std::vector<TColor32>& pixels,
    ValueCounter& counter)
{
    layer.SetSize(width, height);
    const uchar* stored = cells.data();
    const TColor32 empty = pixels[quint16(-1)];
    for (int y = 0; y < height; ++y) {
        TColor32* line = layer.scanLine(y);
        const qint64 first = qint64(y) * width;
        const int present = int(qBound(qint64(0), cells.present() - first, qint64(width)));
        if (present > 0)
            counter.decode(stored + 4 * first, present, pixels, line);
        std::fill(line + present, line + width, empty);
    }
}

// The cell counts of the values that name a colour, as colours.
ColorUsage::LayerCounts countsOf(const qmkFile& file, const ValueCounter& crossValues, const ValueCounter& quarterValues)
{
    ColorUsage::LayerCounts counted;
    const size_t named = qMin(file.Colors.size(), size_t(qmkFile::kMaxColorPositions) + 1);
    for (size_t k = 0; k < named; ++k) {
        const TColorRef color = colorRefFromColor32(stitchPixel(file.Colors[k].matchColor));
        if (const qint64 n = crossValues.count(k); n > 0)
            counted.cross.emplace_back(color, n);
        if (const qint64 n = quarterValues.count(k); n > 0)
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
    ValueCounter crossValues;
    ValueCounter quarterValues;
    fillLayer(design.CrossLayer, file.width, file.height, file.Pixels, pixels, crossValues);
    fillLayer(design.QuarterLayer, 2 * file.width, 2 * file.height, file.QuarterStitchesPixels, pixels, quarterValues);
    const ColorUsage::LayerCounts counted = countsOf(file, crossValues, quarterValues);
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
