#include "editors/forms/SymbolCodeDelegate.h"
#include "editors/SymbolSetText.h"
#include <QApplication>
#include <QPainter>

namespace {
constexpr int kGlyphPixels = 20;
}

SymbolCodeDelegate::SymbolCodeDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
    , m_metrics(m_font)
{
}

void SymbolCodeDelegate::setSymbolFont(const QString& family)
{
    m_font = QFont(family);
    m_font.setPixelSize(kGlyphPixels);
    m_metrics = QFontMetrics(m_font);
}

void SymbolCodeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    const bool selected = option.state & QStyle::State_Selected;
    const QColor text = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const int code = index.data(Qt::UserRole).toInt();
    const QRect glyph(option.rect.left() + 4, option.rect.top() + 2, kGlyphBox - 6, option.rect.height() - 4);
    painter->save();
    painter->setPen(text);
    if (SymbolSetText::hasVisibleGlyph(m_metrics, code)) {
        painter->setFont(m_font);
        painter->drawText(glyph, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
    } else {
        painter->setPen(QPen(text, 1, Qt::DotLine));
        painter->drawRect(glyph.adjusted(2, 2, -3, -3));
    }
    if (m_showIds) {
        painter->setPen(text);
        painter->setFont(option.font);
        const QRect id(option.rect.left() + kIdColumn, option.rect.top(), option.rect.width() - kIdColumn, option.rect.height());
        painter->drawText(id, Qt::AlignLeft | Qt::AlignVCenter, QString::number(code));
    }
    painter->restore();
}

QSize SymbolCodeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(kIdColumn + option.fontMetrics.horizontalAdvance(QStringLiteral("00000")) + 8,
        std::max(m_metrics.height(), option.fontMetrics.height()) + 4);
}
