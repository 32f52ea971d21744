#pragma once
#include <QFont>
#include <QFontMetrics>
#include <QStyledItemDelegate>

// Paints a row of the symbol set editor's lists: the code's glyph in the chosen font (a dotted
// box when the font shows nothing for it) and, while IDs are shown, the code in the ID column.
class SymbolCodeDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int kGlyphBox = 28;
    static constexpr int kIdColumn = 40;

    explicit SymbolCodeDelegate(QObject* parent = nullptr);

    void setSymbolFont(const QString& family);
    void setShowIds(bool show) { m_showIds = show; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QFont m_font;
    QFontMetrics m_metrics;
    bool m_showIds = true;
};
