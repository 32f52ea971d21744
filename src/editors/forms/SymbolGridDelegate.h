#pragma once
#include <QStyledItemDelegate>

// A cell of the change-symbol grid: grey when its symbol is in use, the symbol 2 pixels from
// the left edge at the top, and a frame around the chosen cell.
class SymbolGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int kGlyphLeft = 2;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
