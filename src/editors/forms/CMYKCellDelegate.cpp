#include "editors/forms/CMYKCellDelegate.h"
#include "imaging/ColorValues.h"
#include <QPainter>

namespace {
constexpr int kTextPointSize = 8;
constexpr int kSymbolPointSize = 16;
constexpr int kTextInset = 3;
// Symbols are white on colours darker than this lightness.
constexpr int kDarkBelow = 129;
const QColor kEditBackground(0xD6, 0xE9, 0xFE);
} // namespace

void CMYKCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    if (index.column() == kColorColumn) {
        paintSwatch(painter, option.rect, index);
    } else {
        const QColor background = index.column() == kEditColumn ? kEditBackground : option.palette.base().color();
        painter->fillRect(option.rect, background);
        QFont font = option.font;
        font.setPointSize(kTextPointSize);
        painter->setFont(font);
        painter->setPen(option.palette.text().color());
        painter->drawText(option.rect.adjusted(kTextInset, kTextInset, 0, 0), Qt::AlignLeft | Qt::AlignTop,
            index.data(Qt::DisplayRole).toString());
    }
    if (option.state & QStyle::State_Selected) {
        painter->setPen(QPen(option.palette.highlight().color(), 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

void CMYKCellDelegate::paintSwatch(QPainter* painter, const QRect& cell, const QModelIndex& index) const
{
    const TColorRef color = index.data(kColorRole).toUInt();
    painter->fillRect(cell, QColor::fromRgb(rgbOf(color)));
    const QString symbol = index.data(kSymbolRole).toString();
    if (symbol.isEmpty())
        return;
    QFont font(m_symbolFamily);
    font.setPointSize(kSymbolPointSize);
    font.setStyleStrategy(QFont::NoAntialias);
    painter->setFont(font);
    painter->setPen(lightnessOf(color) < kDarkBelow ? Qt::white : Qt::black);
    painter->drawText(cell, Qt::AlignCenter, symbol);
}
