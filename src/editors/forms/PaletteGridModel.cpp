#include "editors/forms/PaletteGridModel.h"
#include "editors/PaletteDocument.h"
#include "editors/PaletteText.h"
#include <QColor>

PaletteGridModel::PaletteGridModel(const PaletteDocument& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
{
}

void PaletteGridModel::setHeaders(const QStringList& headers)
{
    m_headers = headers;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, 3);
}

void PaletteGridModel::refresh()
{
    beginResetModel();
    endResetModel();
}

int PaletteGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_document.colors().size());
}

int PaletteGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant PaletteGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_document.colors().size())
        return {};
    const TColorInfo& c = m_document.colors()[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case 0:
            return c.colorName;
        case 1:
            return c.colorID;
        case 2:
            return PaletteText::rgbText(c.matchColor);
        default:
            return c.charID >= 0 && c.charID < m_symbols.size() ? QString(m_symbols[c.charID]) : QString();
        }
    case Qt::BackgroundRole:
        return QColor::fromRgb(rgbOf(c.matchColor));
    case Qt::ToolTipRole:
        return m_document.isDuplicate(index.row()) ? m_duplicateHint : QVariant();
    default:
        return {};
    }
}

QVariant PaletteGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_headers.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
