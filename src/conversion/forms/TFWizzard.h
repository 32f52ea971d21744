#pragma once
#include "conversion/PictureConversion.h"
#include "editing/RubberResize.h"
#include <QDialog>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSlider;
class QSpinBox;
class QStackedWidget;
class QTimer;
class TFDitheringProgress;
class TStitch;
class WizardCropView;

// "Wizard": a loaded picture becomes the raster of a new design in four pages (crop, adjust,
// size, colours). The window reads its controls and calls PictureConversion, which holds every
// raster; the caller reads `conversion()` after an accepted run.
//
// Call order of one run: ResetAll(doc, picture) -> show modally -> on OK buildDesign and
// shadowPicture of conversion(). The window is kept between runs: the dithering choice, its
// level and the colour count survive.
class TFWizzard : public QDialog
{
    Q_OBJECT
public:
    explicit TFWizzard(QWidget* parent = nullptr);
    ~TFWizzard() override;

    void ResetAll(TStitch& doc, const TBitmap32& PictureSource);
    int Step() const { return FStep; }
    void setStep(int Value);
    double ZoomFactor() const { return FZoomFactor; }
    void setZoomFactor(double zoom);
    const QRectF& selectionRect() const { return SelectionRect; }
    PictureConversion& conversion() { return *m_conversion; }
    void translate(const std::function<QString(const QString&)>& tr);

    std::function<void(int topic)> showHelp;
    std::function<void(const QString& message)> warn;

    void BNextClick();
    void BPrevClick();
    void BGhostOnlyClick();
    void BHelpClick();
    void RubberResize(TDragKind kind, const QRectF& proposed);
    void BrightnessChange();
    void Button5Click();
    void Button1Click();
    void ComboPalettesChange();
    void Button2Click();
    void ComboBoxDitheringChange();
    void GaugeBar1Change();

    QStackedWidget* Pages;
    QSlider* GaugeBar3;
    QScrollArea* ImageSelection;
    WizardCropView* Crop;
    QSlider* Brightness;
    QSlider* Contrast;
    QPushButton* Button5;
    QLabel* ImageAdjustment;
    QLabel* LSize;
    QLabel* LNewSize;
    QSpinBox* EWidth;
    QPushButton* Button1;
    QLabel* ImageResized;
    QComboBox* ComboSymbols;
    QComboBox* ComboPalettes;
    QLabel* LMaxColors;
    QSpinBox* EditMaxColors;
    QPushButton* Button2;
    QComboBox* ComboBoxDithering;
    QSlider* GaugeBar1;
    QLabel* ImageFinal;
    QPushButton* BPrev;
    QPushButton* BNext;
    QPushButton* Button3;
    QPushButton* BHelp;
    QPushButton* BGhostOnly;
    QTimer* Timer1;
    QTimer* Timer2;
    QTimer* TimerLevel;
    TFDitheringProgress* FDitheringProgress;

protected:
    // Every way out stops the delays: none may run a step after the run has ended.
    void done(int result) override;

private:
    QWidget* cropPage();
    QWidget* adjustmentPage();
    QWidget* sizePage();
    QWidget* colourPage();
    QWidget* buttonRow();
    void ResizeMain();
    void enterAdjustment();
    void enterSize();
    void enterColours();
    void showPicture(QLabel* view, const TBitmap32& raster);
    // Runs one step of the conversion; a raster that cannot be held or a refused step is told
    // to the user. False when the step failed.
    bool attempt(const std::function<Status()>& step);
    void finish();
    // The progress window when the result is dithered (a pass long enough to need one).
    ConversionProgress* progress();

    TStitch* m_doc = nullptr;
    const TBitmap32* PictureSource = nullptr;
    std::unique_ptr<PictureConversion> m_conversion;
    double FZoomFactor = 1.0;
    int FStep = 0;
    QRectF SelectionRect;
    QList<QPair<QObject*, QString>> m_captions;
    std::function<QString(const QString&)> m_translate;
    QWidget* m_buttons = nullptr;
    bool m_busy = false;
};
