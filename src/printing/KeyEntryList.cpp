#include "KeyEntryList.h"
#include "model/Design.h"
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <numeric>

namespace {
constexpr TColor32 kBlack = 0xFF000000u;
constexpr TColor32 kWhite = 0xFFFFFFFFu;

// Indexes of the colour table's entries in ascending orderID (table order for ties).
std::vector<int> byOrderID(const TColorTable& colors)
{
    std::vector<int> order(size_t(colors.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return colors.entryAt(a).second.orderID < colors.entryAt(b).second.orderID;
    });
    return order;
}

TMyColor entryFor(const Design& design, TColorRef color, const TColorInfo& info, TColorType type, qint64 count)
{
    TMyColor e;
    e.Name = info.colorName;
    e.Color = color;
    if (design.stitch.chars) {
        if (const auto symbol = design.stitch.chars->symbolOf(info.charID))
            e.Symbol = QString(*symbol);
    }
    e.Count = int(std::min<qint64>(count, INT_MAX));
    e.ColorType = type;
    if (type == ctCross)
        e.SymbolColor = lightnessOf(color) > 128 ? kBlack : kWhite;
    return e;
}

// Summed back-stitch length per colour, back stitches first, then the stitches of placed
// rhodes; `firstUse` keeps the colours in the order they were met.
QHash<TColorRef, qint64> backLengths(const Design& design, QList<TColorRef>& firstUse)
{
    QHash<TColorRef, qint64> sums;
    const auto add = [&](TColorRef color, qint64 length) {
        if (!sums.contains(color))
            firstUse << color;
        sums[color] += length;
    };
    for (const TBackStitch& s : design.BackStitchList)
        add(s.Color, stitchLength(s.FromPoint, s.ToPoint));
    for (const TRhodeRef& r : design.RhodeList) {
        if (r)
            add(r->color, r->totalLength());
    }
    return sums;
}

// A colour's number or name as a sort key: whole 32-bit decimal numbers before other text.
struct TextKey
{
    bool isNumber = false;
    qint32 number = 0;
    QString text;

    explicit TextKey(const QString& value)
    {
        static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
        bool ok = false;
        const qint32 n = decimal.match(value).hasMatch() ? value.toInt(&ok) : 0;
        isNumber = ok;
        number = n;
        text = value;
    }
    // -1, 0 or 1 as this sorts before, with, or after the other.
    int compare(const TextKey& other) const
    {
        if (isNumber != other.isNumber)
            return isNumber ? -1 : 1;
        if (isNumber)
            return number < other.number ? -1 : (number > other.number ? 1 : 0);
        return text < other.text ? -1 : (other.text < text ? 1 : 0);
    }
};
} // namespace

QList<TMyColor> KeyEntryList::build(const Design& design)
{
    const TColorTable& colors = design.stitch.Colors;
    const std::vector<int> order = byOrderID(colors);
    QList<TMyColor> entries;
    for (int i : order) {
        const auto& [color, info] = colors.entryAt(i);
        const int crossUnits = info.colorCount - info.backStitchesCount;
        if (crossUnits >= 1)
            entries << entryFor(design, color, info, ctCross, crossUnits);
    }
    QList<TColorRef> firstUse;
    const QHash<TColorRef, qint64> back = backLengths(design, firstUse);
    for (int i : order) {
        const auto& [color, info] = colors.entryAt(i);
        if (back.contains(color))
            entries << entryFor(design, color, info, ctBack, back.value(color));
    }
    // A stitch colour missing from the table still gets its entry.
    for (TColorRef color : firstUse) {
        if (!colors.contains(color))
            entries << entryFor(design, color, TColorInfo{}, ctBack, back.value(color));
    }
    return entries;
}

void KeyEntryList::sort(QList<TMyColor>& entries, const TColorTable& colors, ColorList::SortOrder order)
{
    struct Key
    {
        TColorInfo info;
        TextKey text;
    };
    std::vector<Key> keys;
    keys.reserve(size_t(entries.size()));
    for (const TMyColor& e : entries) {
        const TColorInfo* found = colors.find(e.Color);
        TColorInfo info = found ? *found : TColorInfo{};
        if (!found)
            info.orderID = INT_MAX;
        const QString& text = order == ColorList::byNumber ? info.colorID : info.colorName;
        keys.push_back({info, TextKey(text)});
    }
    std::vector<int> index(keys.size());
    std::iota(index.begin(), index.end(), 0);
    std::stable_sort(index.begin(), index.end(), [&](int a, int b) {
        const Key& ka = keys[size_t(a)];
        const Key& kb = keys[size_t(b)];
        switch (order) {
        case ColorList::byUsage:
            if (ka.info.colorCount != kb.info.colorCount)
                return ka.info.colorCount > kb.info.colorCount;
            break;
        case ColorList::byName:
        case ColorList::byNumber:
            if (const int c = ka.text.compare(kb.text))
                return c < 0;
            break;
        case ColorList::byPalette:
            break;
        }
        return ka.info.orderID < kb.info.orderID;
    });
    QList<TMyColor> sorted;
    sorted.reserve(entries.size());
    for (int i : index)
        sorted << entries[i];
    entries = sorted;
}
