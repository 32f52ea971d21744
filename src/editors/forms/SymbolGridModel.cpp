#include "editors/forms/SymbolGridModel.h"
#include <QColor>

void SymbolGridModel::setSymbols(const QString& symbols, const std::vector<bool>& used)
{
    beginResetModel();
    m_symbols = symbols;
    m_used = used;
    endResetModel();
}

int SymbolGridModel::symbolIndex(const QModelIndex& index) const
{
    if (!index.isValid())
        return -1;
    const int i = index.row() * kColumns + index.column();
    return i < m_symbols.size() ? i : -1;
}

int SymbolGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(kMinimumRows, int((m_symbols.size() + kColumns - 1) / kColumns));
}

int SymbolGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant SymbolGridModel::data(const QModelIndex& index, int role) const
{
    const int i = symbolIndex(index);
    if (role == Qt::UserRole)
        return i;
    if (i < 0)
        return {};
    if (role == Qt::DisplayRole)
        return QString(m_symbols.at(i));
    if (role == Qt::BackgroundRole && size_t(i) < m_used.size() && m_used[size_t(i)])
        return QColor::fromRgb(kUsedGrey);
    return {};
}
