#pragma once
#include <QStyledItemDelegate>

// Paints the cells of the print colour corrections table: the colour column as a swatch with
// the colour's symbol in the symbol font (white on dark colours), the texts small and three
// pixels in from the cell's corner, the editable column on light blue.
class CMYKCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int kColorColumn = 0;
    static constexpr int kEditColumn = 4;
    // Item data of the colour column: the thread colour value and the symbol.
    static constexpr int kColorRole = Qt::UserRole;
    static constexpr int kSymbolRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void setSymbolFont(const QString& family) { m_symbolFamily = family; }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void paintSwatch(QPainter* painter, const QRect& cell, const QModelIndex& index) const;

    QString m_symbolFamily;
};
