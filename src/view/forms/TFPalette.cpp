#include "view/forms/TFPalette.h"
#include "model/Design.h"
#include "view/PaletteGridLayout.h"
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kGridMargin = 26;
}

TFPalette::TFPalette(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , ComboShowText(new QComboBox(this))
    , Grid(new PaletteSwatches(this))
    , m_fade(new QTimer(this))
{
    setObjectName(QStringLiteral("TFPalette"));
    ComboShowText->setObjectName(QStringLiteral("ComboShowText"));
    ComboShowText->addItems({QString(), QString(), QString(), QString(), QString()});
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("LabelShowText"));
    auto* top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(ComboShowText);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(Grid, 1);
    m_fade->setInterval(8);
    connect(m_fade, &QTimer::timeout, this, &TFPalette::fadeStep);
    connect(ComboShowText, &QComboBox::currentIndexChanged, this, [this](int view) {
        Grid->setShowText(view);
        Q_EMIT showTextChanged(view);
    });
    connect(Grid, &PaletteSwatches::swatchClicked, this, [this](TColorRef color) {
        Q_EMIT colorChosen(color);
        fadeOut();
    });
}

void TFPalette::setDesign(Design* design)
{
    design->stitch.colorsList = PaletteGridLayout::colorsList(design->stitch.Colors);
    Grid->setColors(design, design->stitch.colorsList);
}

void TFPalette::setShowText(int view)
{
    ComboShowText->setCurrentIndex(std::clamp(view, 0, 4));
}

int TFPalette::showText() const
{
    return ComboShowText->currentIndex();
}

void TFPalette::fadeIn()
{
    m_opacity = 10;
    m_fadeDirection = 1;
    setWindowOpacity(m_opacity / 255.0);
    show();
    raise();
    activateWindow();
    m_fade->start();
}

void TFPalette::fadeOut()
{
    if (!isVisible())
        return;
    m_fadeDirection = -1;
    m_fade->start();
}

bool TFPalette::fading() const
{
    return m_fade->isActive();
}

void TFPalette::fadeStep()
{
    m_opacity += 10 * m_fadeDirection;
    if (m_fadeDirection > 0 && m_opacity >= 221) {
        m_fade->stop();
        m_opacity = 255;
    } else if (m_fadeDirection < 0 && m_opacity <= 19) {
        m_fade->stop();
        hide();
        m_opacity = 255;
    }
    setWindowOpacity(m_opacity / 255.0);
}

void TFPalette::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible() && m_fadeDirection >= 0) {
        Q_EMIT closedByFocusLoss();
        fadeOut();
    }
}

void PaletteSwatches::setColors(const Design* design, const QList<TSimpleColorInfo>& colors)
{
    m_design = design;
    m_colors = colors;
    update();
}

void PaletteSwatches::setShowText(int view)
{
    m_showText = view;
    update();
}

TColorRef PaletteSwatches::colorAt(const QPoint& pixel, bool* found) const
{
    const PaletteGridLayout grid(int(m_colors.size()), width(), TFPalette::kSwatch.width());
    const int entry = grid.entryAt(pixel.x() / (TFPalette::kSwatch.width() + 1), pixel.y() / (TFPalette::kSwatch.height() + 1));
    *found = entry >= 0;
    return entry >= 0 ? m_colors[entry].color : 0;
}

QString PaletteSwatches::textOf(const TSimpleColorInfo& entry, QFont& font, int cellWidth) const
{
    const int height = TFPalette::kSwatch.height() - 6;
    switch (m_showText) {
    case TFPalette::showNumber:
        font = QFont(QStringLiteral("Arial"));
        font.setPixelSize(height);
        return entry.colorID;
    case TFPalette::showUsage: {
        font = QFont(QStringLiteral("Arial"));
        font.setPixelSize(height);
        const TColorInfo* info = m_design ? m_design->stitch.Colors.find(entry.color) : nullptr;
        return info && info->colorCount > 0 ? QString::number(info->colorCount) : QString();
    }
    case TFPalette::showName: {
        font = QFont(QStringLiteral("Tahoma"));
        // The largest height at which the name fits the swatch.
        for (int h = height; h > 1; --h) {
            font.setPixelSize(h);
            if (QFontMetrics(font).horizontalAdvance(entry.colorName) <= cellWidth)
                break;
        }
        return entry.colorName;
    }
    case TFPalette::showSymbol: {
        if (!m_design || !m_design->stitch.chars)
            return {};
        font = QFont(m_design->stitch.chars->ffontname);
        font.setPixelSize(height);
        const auto symbol = m_design->stitch.chars->symbolOf(entry.charID);
        return symbol ? QString(*symbol) : QString();
    }
    default:
        return {};
    }
}

void PaletteSwatches::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QSize cell = TFPalette::kSwatch;
    const PaletteGridLayout grid(int(m_colors.size()), width(), cell.width());
    for (int c = 0; c < grid.columns(); ++c) {
        for (int r = 0; r < grid.rows(); ++r) {
            const QRect rect(c * (cell.width() + 1), r * (cell.height() + 1), cell.width(), cell.height());
            const int entry = grid.entryAt(c, r);
            if (entry < 0) {
                p.fillRect(rect, QBrush(QColor(0xC0, 0xC0, 0xC0), Qt::DiagCrossPattern));
                continue;
            }
            const TSimpleColorInfo& info = m_colors[entry];
            p.fillRect(rect, QColor::fromRgb(rgbOf(info.color)));
            QFont font;
            const QString text = textOf(info, font, cell.width());
            if (text.isEmpty())
                continue;
            p.setFont(font);
            p.setPen(lightnessOf(info.color) < 129 ? Qt::white : Qt::black);
            p.drawText(rect, Qt::AlignCenter, text);
        }
    }
}

void PaletteSwatches::mousePressEvent(QMouseEvent* event)
{
    bool found = false;
    const TColorRef color = colorAt(event->position().toPoint(), &found);
    if (found)
        Q_EMIT swatchClicked(color);
}
