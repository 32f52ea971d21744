#pragma once
#include <QFont>
#include <QStyledItemDelegate>

// Paints a palette row in its own colour with contrasting text; the selected row is blue with
// its text in the row's colour, and rows that repeat an earlier colour value carry a red mark.
class PaletteGridDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setSymbolFont(const QFont& font) { m_symbolFont = font; }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QFont m_symbolFont;
};
