#pragma once
#include <QAbstractTableModel>
#include <QStyledItemDelegate>

class ColorList;
class Design;

// The colour list rows as a table for the colour panel: the colour with its symbol, the
// colour's name and its count.
class ColorListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setSource(ColorList* list, Design* design);
    // The rows changed in number or order: everything is read again.
    void reload();
    // Only counts or symbols changed: the visible cells are repainted.
    void repaint();
    // The counts of these rows changed: only their count cells are repainted.
    void countsChanged(const QList<int>& rows);
    // The caption of a column (1 the name, 2 the count), translated by the window.
    void setCaption(int section, const QString& text);

    ColorList* list() const { return m_list; }
    Design* design() const { return m_design; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ColorList* m_list = nullptr;
    Design* m_design = nullptr;
    QString m_captions[3] = {QString(), QStringLiteral("Number"), QStringLiteral("Pixel")};
};

// Column 0 of the colour list: the cell filled with the colour and, for a colour with stitches
// and a symbol, the symbol centred in the symbol font at size 16, white on dark colours.
class ColorSymbolDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    ColorSymbolDelegate(ColorListModel* model, QObject* parent) : QStyledItemDelegate(parent), m_model(model) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    ColorListModel* m_model;
};
