#include "editors/PaletteDocument.h"
#include "editors/PaletteText.h"
#include "files/SafeFileWriter.h"
#include "model/TextFile.h"
#include "model/Translatable.h"
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {
// "By number": whole numbers first, in numeric order, then every other number in code-unit
// order; equal keys keep the palette order. A strict weak order, so the sort is well defined
// for any mix of numbers such as "310", "B5200" and "Ecru".
bool numberLess(const TColorInfo& a, const TColorInfo& b)
{
    bool aInt = false, bInt = false;
    const qlonglong x = a.colorID.toLongLong(&aInt);
    const qlonglong y = b.colorID.toLongLong(&bInt);
    if (aInt != bInt)
        return aInt;
    if (aInt && x != y)
        return x < y;
    if (!aInt) {
        const int c = a.colorID.compare(b.colorID);
        if (c != 0)
            return c < 0;
    }
    return a.orderID < b.orderID;
}
} // namespace

void PaletteDocument::setCurrent(int row)
{
    m_current = m_colors.isEmpty() ? -1 : std::clamp(row, 0, int(m_colors.size()) - 1);
}

void PaletteDocument::clear()
{
    *this = PaletteDocument();
}

Status PaletteDocument::loadpalette(const QString& fileName, QStringList* notKept)
{
    QStringList lines;
    QString error;
    if (!TextFile::readLines(fileName, lines, &error))
        return Status::error(TRANSLATABLE("The palette file %1 could not be read: %2"), {fileName, error});
    PaletteText::Contents contents = PaletteText::decode(lines);
    clear();
    m_colors = std::move(contents.colors);
    if (notKept)
        *notKept = contents.notKept;
    setCurrent(0);
    m_saved = true;
    return Status::ok();
}

Status PaletteDocument::savePalette(const QString& fileName, const QString& name, const QString& version)
{
    QByteArray bytes;
    const Status encoded = PaletteText::encode(name, version, m_colors, bytes);
    if (!encoded)
        return encoded;
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder))
        return Status::error(TRANSLATABLE("Could not make the folder %1."), {folder});
    const Status written = SafeFileWriter::writeBytes(fileName, bytes);
    if (!written)
        return written;
    m_changed = false;
    m_saved = true;
    return Status::ok();
}

bool PaletteDocument::canUp() const
{
    return canEdit() && m_sort == PaletteSort::ByPalette && m_current > 0;
}

bool PaletteDocument::canDown() const
{
    return canEdit() && m_sort == PaletteSort::ByPalette && m_current >= 0 && m_current < m_colors.size() - 1;
}

int PaletteDocument::beginNew(int symbolCount)
{
    m_state = PaletteEditState::NewColor;
    if (m_colors.isEmpty())
        return 0;
    const int next = m_colors.last().charID + 1;
    return next >= 0 && next < symbolCount ? next : 0;
}

void PaletteDocument::beginEdit()
{
    if (canEdit())
        m_state = PaletteEditState::EditColor;
}

void PaletteDocument::cancel()
{
    m_state = PaletteEditState::Browse;
}

TColorInfo PaletteDocument::valuesOf(const QString& name, const QString& number, TColorRef color, int charID)
{
    TColorInfo values;
    values.colorID = number.trimmed();
    values.colorName = name.trimmed().isEmpty() ? values.colorID : name;
    values.matchColor = color;
    values.charID = charID;
    return values;
}

PaletteRefusal PaletteDocument::check(const TColorInfo& values, int* row) const
{
    for (int i = 0; i < m_colors.size(); ++i) {
        if (m_state == PaletteEditState::EditColor && i == m_current)
            continue;
        const TColorInfo& c = m_colors[i];
        PaletteRefusal refusal = PaletteRefusal::None;
        if (c.colorName == values.colorName)
            refusal = PaletteRefusal::Name;
        else if (c.colorID == values.colorID)
            refusal = PaletteRefusal::Number;
        else if (c.matchColor == values.matchColor)
            refusal = PaletteRefusal::Rgb;
        if (refusal != PaletteRefusal::None) {
            if (row)
                *row = i;
            return refusal;
        }
    }
    return PaletteRefusal::None;
}

bool PaletteDocument::symbolUsedByOther(int charID) const
{
    for (int i = 0; i < m_colors.size(); ++i) {
        if (m_colors[i].charID == charID && !(m_state == PaletteEditState::EditColor && i == m_current))
            return true;
    }
    return false;
}

void PaletteDocument::store(const TColorInfo& values)
{
    if (m_state == PaletteEditState::NewColor) {
        TColorInfo added = values;
        int last = -1;
        for (const TColorInfo& c : m_colors)
            last = std::max(last, c.orderID);
        added.orderID = last + 1;
        m_colors << added;
        m_current = int(m_colors.size()) - 1;
    } else if (m_state == PaletteEditState::EditColor && m_current >= 0) {
        const int order = m_colors[m_current].orderID;
        m_colors[m_current] = values;
        m_colors[m_current].orderID = order;
    }
    m_state = PaletteEditState::Browse;
    m_changed = true;
}

void PaletteDocument::deleteCurrent()
{
    if (!canDelete() || m_current < 0)
        return;
    m_colors.removeAt(m_current);
    setCurrent(m_current);
    m_changed = true;
}

// A move swaps the palette positions too, so that sorting "by palette" later keeps the order
// the user made.
void PaletteDocument::swapWith(int other)
{
    std::swap(m_colors[m_current].orderID, m_colors[other].orderID);
    m_colors.swapItemsAt(m_current, other);
    m_current = other;
    m_changed = true;
}

void PaletteDocument::moveUp()
{
    if (canUp())
        swapWith(m_current - 1);
}

void PaletteDocument::moveDown()
{
    if (canDown())
        swapWith(m_current + 1);
}

// The shown colour stays shown: it is found again by its palette position.
void PaletteDocument::sortBy(PaletteSort sort)
{
    m_sort = sort;
    const int shown = m_current >= 0 ? m_colors[m_current].orderID : -1;
    switch (sort) {
    case PaletteSort::ByPalette:
        std::stable_sort(m_colors.begin(), m_colors.end(),
            [](const TColorInfo& a, const TColorInfo& b) { return a.orderID < b.orderID; });
        break;
    case PaletteSort::ByName:
        std::stable_sort(m_colors.begin(), m_colors.end(),
            [](const TColorInfo& a, const TColorInfo& b) { return a.colorName.compare(b.colorName) < 0; });
        break;
    case PaletteSort::ByNumber:
        std::stable_sort(m_colors.begin(), m_colors.end(), numberLess);
        break;
    }
    const auto it = std::find_if(m_colors.cbegin(), m_colors.cend(), [shown](const TColorInfo& c) { return c.orderID == shown; });
    if (it != m_colors.cend())
        m_current = int(it - m_colors.cbegin());
}

bool PaletteDocument::isDuplicate(int row) const
{
    for (int i = 0; i < row && row < m_colors.size(); ++i) {
        if (m_colors[i].matchColor == m_colors[row].matchColor)
            return true;
    }
    return false;
}
