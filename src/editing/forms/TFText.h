#pragma once
#include "editing/TextStitches.h"
#include "imaging/ColorValues.h"
#include <QDialog>
#include <QImage>
#include <functional>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class TextPreview;

// "Insert text": a line of text, its font, size, style and thread colour, shown as it will be
// stitched. The ink mask is ImageTest; the preview paints it enlarged without ever holding the
// enlarged picture. One instance serves the whole run.
class TFText : public QDialog
{
    Q_OBJECT
public:
    explicit TFText(QWidget* parent = nullptr);

    struct Colour
    {
        TColorRef color;
        QString name;
    };
    // What each showing needs: the design's colours in palette order, the drawing colour, the
    // view's zoom and the design's background. Clears the text.
    void prepare(const QList<Colour>& colours, TColorRef drawColor, int zoom, TColorRef backgroundColor);
    void translate(const std::function<QString(const QString&)>& tr);

    // The rendered text and its colour.
    const QImage& mask() const { return ImageTest; }
    TColorRef textColor() const;

    QFontComboBox* ComboFont;
    QComboBox* ComboSize;
    QComboBox* ComboStyle;
    QComboBox* ComboColor;
    QLineEdit* EText;
    QImage ImageTest;
    TextPreview* ImagePreview;
    QScrollArea* ScrollBox1;
    QLabel* LSize;
    QCheckBox* CBAutoEnlarge;
    QPushButton* BOK;
    QPushButton* BCancel;
    QPushButton* BHelp;

    // Asked before OK closes the dialog with auto-enlarge on: grow the design to hold a text of
    // this size; false keeps the dialog open (the caller said why).
    std::function<bool(const QSize&)> enlarge;
    std::function<void(int)> showHelp;

private:
    void drawtext();
    void BOKClick();

    std::function<QString(const QString&)> m_translate;
    int m_points = 10;
    int m_zoom = 8;
    TColorRef m_background = 0xFFFFFF;
    QList<QPair<QLabel*, QString>> m_labels;
};
