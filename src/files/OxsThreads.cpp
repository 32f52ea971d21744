#include "files/OxsThreads.h"
#include "files/OxsFile.h"
#include "files/OxsValues.h"
#include "model/TStitch.h"
#include <QSet>

namespace {
// Numbers of a palette, in lower case, to their colour value.
QHash<QString, TColorRef> numbersOf(const TColorTable& palette)
{
    QHash<QString, TColorRef> numbers;
    for (const auto& [color, info] : palette) {
        if (!info.colorID.isEmpty())
            numbers.insert(info.colorID.toLower(), color);
    }
    return numbers;
}

QString brandOf(const OxsFile& file)
{
    for (const OxsFile::Thread& thread : file.threads) {
        if (const QString brand = OxsValues::threadBrand(thread.number); !brand.isEmpty())
            return brand;
    }
    return QString();
}

// The palette entry a thread matches, or null.
const TColorRef* match(const OxsFile::Thread& thread, const QHash<QString, TColorRef>& numbers, bool sameColor)
{
    const auto found = numbers.constFind(OxsValues::threadNumber(thread.number).toLower());
    if (found == numbers.constEnd() || (sameColor && *found != thread.color))
        return nullptr;
    return &*found;
}

int matchCount(const OxsFile& file, const TColorTable& palette)
{
    const QHash<QString, TColorRef> numbers = numbersOf(palette);
    int count = 0;
    for (const OxsFile::Thread& thread : file.threads)
        count += match(thread, numbers, false) != nullptr;
    return count;
}

int nextOrder(const TColorTable& table)
{
    int order = -1;
    for (const auto& [color, info] : table)
        order = std::max(order, info.orderID);
    return order + 1;
}

// The lowest symbol index no entry of the table has, or -1 when every one is taken.
class FreeSymbols
{
public:
    FreeSymbols(const TColorTable& table, int count)
        : m_count(count)
    {
        for (const auto& [color, info] : table)
            m_taken.insert(info.charID);
    }

    int take()
    {
        while (m_next < m_count && m_taken.contains(m_next))
            ++m_next;
        if (m_next >= m_count)
            return -1;
        m_taken.insert(m_next);
        return m_next++;
    }

private:
    int m_count;
    int m_next = 0;
    QSet<int> m_taken;
};
} // namespace

QString OxsThreads::choosePalette(const OxsFile& file, const TStitch& doc)
{
    if (doc.palette(file.ownPalette))
        return file.ownPalette;
    const QString fallback = keyOrSmallest(doc.ColorPalettes, doc.defaultPalette);
    const QString brand = brandOf(file);
    QString best;
    int bestCount = 0;
    for (const auto& [key, palette] : doc.ColorPalettes) {
        if (!brand.isEmpty() && !key.startsWith(brand, Qt::CaseInsensitive))
            continue;
        const int count = matchCount(file, palette);
        if (count > bestCount || (count == bestCount && count > 0 && key == fallback)) {
            best = key;
            bestCount = count;
        }
    }
    return bestCount > 0 ? best : fallback;
}

OxsThreads::Resolved OxsThreads::resolve(const OxsFile& file, const QString& key, int symbolCount, TStitch& doc)
{
    const TColorTable* palette = doc.palette(key);
    doc.Colors = palette ? *palette : TColorTable();
    doc.setColorsname(key);
    const QHash<QString, TColorRef> numbers = palette ? numbersOf(*palette) : QHash<QString, TColorRef>();
    const bool ownFile = !file.ownPalette.isEmpty() && key == file.ownPalette;
    int order = nextOrder(doc.Colors);
    FreeSymbols symbols(doc.Colors, symbolCount);
    Resolved resolved;
    QSet<TColorRef> taken;
    for (const OxsFile::Thread& thread : file.threads) {
        const TColorRef* matched = match(thread, numbers, ownFile);
        const TColorRef color = matched ? *matched : thread.color;
        resolved.colorOf.insert(thread.index, color);
        if (taken.contains(color)) {
            ++resolved.merged;
            continue;
        }
        taken.insert(color);
        TColorInfo* entry = doc.Colors.find(color);
        if (!matched) {
            // A thread of the file's own: an entry of the palette's colour value gives way to it.
            TColorInfo own = entry ? *entry : TColorInfo();
            own.colorName = thread.name;
            own.colorID = OxsValues::threadNumber(thread.number);
            own.matchColor = color;
            if (!entry) {
                own.orderID = order++;
                own.charID = symbols.take();
            }
            entry = &doc.Colors.insert(color, own);
        }
        if (thread.charId >= 0 && thread.charId < symbolCount)
            entry->charID = thread.charId;
    }
    return resolved;
}
