#include "model/TCharacters.h"
#include "model/DesignListener.h"
#include <QFont>
#include <QPainter>

TCharacters::TCharacters(const QString& characters, DesignListener* listener)
    : fcharacters(characters)
    , CharsUsed(size_t(characters.size()), 0)
    , m_listener(listener)
{
    for (int size = kSmallestSize; size <= kLargestSize; ++size)
        dic.insert(size, {});
}

std::optional<QChar> TCharacters::symbolOf(int charID) const
{
    if (charID < 0 || charID >= fcharacters.size())
        return std::nullopt;
    return fcharacters.at(charID);
}

TBitmap32 TCharacters::CharToBitmap(TColorRef color, const TColorInfo& info, int size) const
{
    const int side = 2 * size - 1;
    TBitmap32 raster(side, side, 0);
    const std::optional<QChar> symbol = symbolOf(info.charID);
    if (!symbol)
        return raster;
    QFont font(ffontname);
    font.setPointSize(size);
    font.setStyleStrategy(QFont::NoAntialias);
    QPainter painter(&raster.image());
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(lightnessOf(color) <= 128 ? QColor(255, 255, 255) : QColor(1, 0, 0));
    painter.drawText(QRect(0, 0, side, side), Qt::AlignLeft | Qt::AlignTop, QString(*symbol));
    return raster;
}

void TCharacters::SetFontName(const QString& name, const TColorTable& colors)
{
    ffontname = name;
    for (auto& inner : dic) {
        inner.clear();
        for (const auto& [color, info] : colors)
            inner.insert(color, SymbolEntry{info.colorCount >= 1, std::nullopt});
    }
    if (m_listener)
        m_listener->symbolSetChanged();
}

void TCharacters::clearCharsused()
{
    std::fill(CharsUsed.begin(), CharsUsed.end(), 0);
}

void TCharacters::renderColor(TColorRef color, const TColorInfo&)
{
    for (auto& inner : dic)
        inner.insert(color, SymbolEntry{true, std::nullopt});
}

void TCharacters::clearColor(TColorRef color)
{
    for (auto& inner : dic)
        inner.insert(color, SymbolEntry{});
}

bool TCharacters::inUse(TColorRef color) const
{
    const auto& list = dic[kListSize];
    const auto it = list.constFind(color);
    return it != list.constEnd() && it->used;
}

const TBitmap32* TCharacters::symbolRaster(TColorRef color, const TColorInfo& info, int size) const
{
    const auto inner = dic.constFind(size);
    if (inner == dic.constEnd())
        return nullptr;
    const auto it = inner->constFind(color);
    if (it == inner->constEnd() || !it->used)
        return nullptr;
    if (!it->raster)
        it->raster = CharToBitmap(color, info, size);
    return &*it->raster;
}

void TCharacters::setUsed(int charID, bool used)
{
    if (charID >= 0 && charID < int(CharsUsed.size()))
        CharsUsed[size_t(charID)] = used ? 1 : 0;
}
