#include "editors/forms/SymbolCodeModel.h"
#include "model/SymbolSetLoader.h"

SymbolCodeModel::SymbolCodeModel(Codes codes, QObject* parent)
    : QAbstractListModel(parent)
    , m_codes(std::move(codes))
{
}

int SymbolCodeModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_codes().size());
}

QVariant SymbolCodeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_codes().size())
        return {};
    const int code = m_codes().at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return QString(SymbolSetLoader::characterOf(code));
    case Qt::UserRole:
        return code;
    default:
        return {};
    }
}

void SymbolCodeModel::refresh()
{
    beginResetModel();
    endResetModel();
}
