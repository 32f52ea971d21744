#include "editors/forms/SymbolGridDelegate.h"
#include <QPainter>

void SymbolGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect cell = option.rect;
    const QVariant background = index.data(Qt::BackgroundRole);
    painter->fillRect(cell, background.isValid() ? background.value<QColor>() : option.palette.color(QPalette::Base));
    painter->save();
    painter->setPen(option.palette.color(QPalette::Text));
    painter->setFont(option.font);
    painter->drawText(cell.adjusted(kGlyphLeft, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_Selected) {
        painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2));
        painter->drawRect(cell.adjusted(1, 1, -1, -1));
    }
    painter->restore();
}
