#pragma once
#include <QAbstractTableModel>
#include <QRgb>
#include <vector>

// The change-symbol grid: the symbols of the design's string, 25 to a row, at least 25 rows. A
// cell past the string's end is blank. Under Qt::UserRole a cell gives its index in the string
// (-1 for a blank one), under Qt::BackgroundRole the grey of a symbol already in use.
class SymbolGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int kColumns = 25;
    static constexpr int kMinimumRows = 25;
    static constexpr QRgb kUsedGrey = 0xFFC0C0C0;

    using QAbstractTableModel::QAbstractTableModel;

    void setSymbols(const QString& symbols, const std::vector<bool>& used);
    // The string index of a cell, or -1 past the end.
    int symbolIndex(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QString m_symbols;
    std::vector<bool> m_used;
};
