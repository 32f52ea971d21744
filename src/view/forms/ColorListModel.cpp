#include "view/forms/ColorListModel.h"
#include "model/Design.h"
#include "view/ColorList.h"
#include <QPainter>

void ColorListModel::setSource(ColorList* list, Design* design)
{
    beginResetModel();
    m_list = list;
    m_design = design;
    endResetModel();
}

void ColorListModel::reload()
{
    beginResetModel();
    endResetModel();
}

void ColorListModel::repaint()
{
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 2));
}

void ColorListModel::countsChanged(const QList<int>& rows)
{
    for (int row : rows) {
        const QModelIndex count = index(row, 2);
        Q_EMIT dataChanged(count, count, {Qt::DisplayRole});
    }
}

void ColorListModel::setCaption(int section, const QString& text)
{
    m_captions[section] = text;
    Q_EMIT headerDataChanged(Qt::Horizontal, section, section);
}

int ColorListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_list ? 0 : int(m_list->rows().size());
}

int ColorListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant ColorListModel::data(const QModelIndex& index, int role) const
{
    if (!m_list || !m_design || index.row() >= m_list->rows().size())
        return {};
    const TColorSymbols& row = m_list->rows()[index.row()];
    const TColorInfo* info = m_design->stitch.Colors.find(row.Color);
    if (!info)
        return {};
    if (role == Qt::DisplayRole) {
        if (index.column() == 1)
            return info->colorName;
        if (index.column() == 2)
            return info->colorCount;
    }
    if (role == Qt::ToolTipRole)
        return QStringLiteral("%1 %2").arg(info->colorID, info->colorName);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant ColorListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section >= 0 && section < 3 ? m_captions[section] : QString();
}

void ColorSymbolDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (index.column() != 0 || !m_model->list()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const TColorSymbols& row = m_model->list()->rows().at(index.row());
    painter->fillRect(option.rect, QColor::fromRgb(rgbOf(row.Color)));
    const Design* design = m_model->design();
    if (!row.SymbolBitmap || !row.Symbol || !design || !design->stitch.chars)
        return;
    QFont font(design->stitch.chars->ffontname);
    font.setPointSize(16);
    font.setStyleStrategy(QFont::NoAntialias);
    painter->setFont(font);
    painter->setPen(lightnessOf(row.Color) < 129 ? Qt::white : Qt::black);
    painter->drawText(option.rect, Qt::AlignCenter, QString(*row.Symbol));
}
