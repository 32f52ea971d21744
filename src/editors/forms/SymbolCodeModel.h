#pragma once
#include <QAbstractListModel>
#include <functional>

// One of the symbol set editor's two lists: a row per character code of a list the document
// owns. The display text is the code's symbol; the code itself is under Qt::UserRole. The
// rows are painted by SymbolCodeDelegate.
class SymbolCodeModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using Codes = std::function<const QList<int>&()>;

    SymbolCodeModel(Codes codes, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The list changed as a whole.
    void refresh();

private:
    Codes m_codes;
};
