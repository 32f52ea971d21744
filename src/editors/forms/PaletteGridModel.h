#pragma once
#include <QAbstractTableModel>

class PaletteDocument;

// The colours of the palette being edited as four columns: name, number, $RRGGBB and symbol.
// The symbol column shows the character of the design's symbol string.
class PaletteGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit PaletteGridModel(const PaletteDocument& document, QObject* parent = nullptr);

    void setSymbols(const QString& symbols) { m_symbols = symbols; }
    void setHeaders(const QStringList& headers);
    void setDuplicateHint(const QString& hint) { m_duplicateHint = hint; }
    // The document's list changed as a whole.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const PaletteDocument& m_document;
    QString m_symbols;
    QStringList m_headers;
    QString m_duplicateHint;
};
