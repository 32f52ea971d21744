#pragma once
#include "conversion/ConversionChoices.h"
#include "conversion/ConversionWorker.h"
#include "conversion/PictureConversion.h"
#include "editing/RubberResize.h"
#include <QDialog>
#include <QElapsedTimer>
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
class WizardPipeline;

// "Wizard": a loaded picture becomes the raster of a new design in four pages (crop, adjust,
// size, colours). The window reads its controls and hands them to a WizardPipeline, which holds
// every raster; the caller reads `conversion()` after an accepted run.
//
// The long steps run on the conversion worker's thread: meanwhile every control still answers,
// the views keep their last picture, the cursor shows the work and, when it takes long, the
// progress window offers Cancel. A change made meanwhile cancels the running step and starts
// the new one; Finish waits for the running step.
//
// Call order of one run: loadPicture(file) -> ResetAll(doc) -> show modally -> on OK
// buildDesign of conversion() and shadowPicture() -> release(). The window is kept between runs:
// the dithering choice, its level and the colour count survive.
class TFWizzard : public QDialog
{
    Q_OBJECT
public:
    explicit TFWizzard(QWidget* parent = nullptr);
    ~TFWizzard() override;

    // Loads the picture on the worker, with the progress window and Cancel, before the window
    // is shown. False when it was cancelled or could not be read (which `warn` has told).
    bool loadPicture(const QString& fileName);
    void ResetAll(TStitch& doc);
    // Lets go of the picture and the rasters of the last run.
    void release();
    // A step is running or waiting on the worker.
    bool busy() const { return m_worker->busy(); }
    int Step() const { return FStep; }
    void setStep(int Value);
    double ZoomFactor() const { return FZoomFactor; }
    void setZoomFactor(double zoom);
    const QRectF& selectionRect() const { return SelectionRect; }
    PictureConversion& conversion();
    // The shadow picture of an accepted run.
    const QImage& shadowPicture() const;
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
    ConversionWorker* worker() { return m_worker; }

protected:
    // Every way out stops the delays and the worker: no step runs or completes after the run
    // has ended.
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
    // What the controls choose now, for a step about to be asked of the pipeline.
    ConversionChoices choices() const;
    // Asks the worker for one step of the pipeline, cancelling the running one; `shown` shows
    // its result. A failure is told to the user; `failed` may then leave the page.
    void run(std::function<Status(WizardPipeline&, ConversionProgress&)> step, std::function<void()> shown,
        std::function<void()> failed = {});
    void showColours();
    void workerBusy(bool busy);
    void showProgress();
    void finish();

    TStitch* m_doc = nullptr;
    TBitmap32 PictureSource;
    std::unique_ptr<WizardPipeline> m_pipeline;
    ConversionWorker* m_worker;
    QTimer* m_progressTimer;
    QElapsedTimer m_busyFor;
    double FZoomFactor = 1.0;
    // The zoom of the picture the crop view shows: the frame is in its pixels.
    double m_viewZoom = 1.0;
    // The colour count was typed for this palette; otherwise the proposal is taken.
    bool m_countTyped = false;
    int FStep = 0;
    QRectF SelectionRect;
    QList<QPair<QObject*, QString>> m_captions;
    std::function<QString(const QString&)> m_translate;
};
