#pragma once
#include "model/UTypes.h"
#include <QWidget>

class Design;
class QComboBox;
class QTimer;
class PaletteSwatches;

// The large palette window: every colour of the design as a swatch, running down the columns,
// with a choice of what to write on the swatches. A borderless window that stays on top, fades
// in when shown and fades out when a colour is chosen or the window loses the focus.
class TFPalette : public QWidget
{
    Q_OBJECT
public:
    enum ShowText { showNone, showNumber, showUsage, showName, showSymbol };
    static constexpr QSize kSwatch{36, 24};

    explicit TFPalette(QWidget* parent = nullptr);

    void setDesign(Design* design);
    void setShowText(int view);
    int showText() const;
    void fadeIn();
    void fadeOut();
    bool fading() const;

    QComboBox* ComboShowText;
    PaletteSwatches* Grid;

Q_SIGNALS:
    void colorChosen(TColorRef color);
    void showTextChanged(int view);
    void closedByFocusLoss();

protected:
    void changeEvent(QEvent* event) override;

private:
    void fadeStep();

    QTimer* m_fade;
    int m_opacity = 255;
    int m_fadeDirection = 0;
};

// The grid of swatches inside the large palette window.
class PaletteSwatches : public QWidget
{
    Q_OBJECT
public:
    explicit PaletteSwatches(QWidget* parent = nullptr) : QWidget(parent) {}

    void setColors(const Design* design, const QList<TSimpleColorInfo>& colors);
    void setShowText(int view);
    TColorRef colorAt(const QPoint& pixel, bool* found) const;

Q_SIGNALS:
    void swatchClicked(TColorRef color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString textOf(const TSimpleColorInfo& entry, QFont& font, int cellWidth) const;

    const Design* m_design = nullptr;
    QList<TSimpleColorInfo> m_colors;
    int m_showText = 0;
};
