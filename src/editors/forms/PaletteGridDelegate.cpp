#include "editors/forms/PaletteGridDelegate.h"
#include "imaging/ColorValues.h"
#include <QPainter>

void PaletteGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QColor color = index.data(Qt::BackgroundRole).value<QColor>();
    const TColorRef value = makeColorRef(color.red(), color.green(), color.blue());
    const bool selected = option.state & QStyle::State_Selected;
    const QColor text = selected ? color : (lightnessOf(value) <= 128 ? QColor(Qt::white) : QColor::fromRgb(rgbOf(0x000002)));
    painter->save();
    painter->fillRect(option.rect, selected ? QColor::fromRgb(rgbOf(0xFF0000)) : color);
    if (!index.data(Qt::ToolTipRole).isNull() && index.column() == 0)
        painter->fillRect(QRect(option.rect.topLeft(), QSize(4, option.rect.height())), Qt::red);
    painter->setPen(text);
    if (index.column() == 3)
        painter->setFont(m_symbolFont);
    const int align = index.column() == 3 ? Qt::AlignCenter : int(Qt::AlignVCenter | Qt::AlignLeft);
    painter->drawText(option.rect.adjusted(6, 0, -2, 0), align, index.data(Qt::DisplayRole).toString());
    painter->restore();
}
