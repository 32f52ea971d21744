// The wizard's steps: what each page does on entry and on every change of its controls. The
// numbers all come from PictureConversion; these handlers read the controls and show rasters.
#include "conversion/ConversionGeometry.h"
#include "conversion/PictureLoader.h"
#include "conversion/forms/TFDitheringProgress.h"
#include "conversion/forms/TFWizzard.h"
#include "conversion/forms/WizardCropView.h"
#include "imaging/KernelResampler.h"
#include "model/TStitch.h"
#include "model/Translatable.h"
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <new>

namespace {
constexpr int kHelpFirstStep = 5100;

// The hourglass for as long as one step of the conversion runs.
struct BusyCursor
{
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};
} // namespace

void TFWizzard::ResetAll(TStitch& doc, const TBitmap32& picture)
{
    m_doc = &doc;
    PictureSource = &picture;
    m_conversion = std::make_unique<PictureConversion>(doc);
    // Each run starts without a palette and with the default symbol set.
    ComboPalettes->clear();
    ComboSymbols->clear();
    for (const auto& entry : doc.ColorPalettes)
        ComboPalettes->addItem(entry.first);
    for (const auto& entry : doc.characters)
        ComboSymbols->addItem(entry.first);
    ComboPalettes->setCurrentIndex(-1);
    ComboSymbols->setCurrentIndex(ComboSymbols->findText(doc.defaultCharacters));
    setStep(1);
    {
        const QSignalBlocker b(Brightness), c(Contrast);
        Brightness->setValue(0);
        Contrast->setValue(100);
    }
    // The fit needs the viewport's real size, before the window is first shown too.
    layout()->activate();
    const QSize size(picture.width(), picture.height());
    SelectionRect = QRectF(QPointF(0, 0), QSizeF(size));
    const double zoom = ConversionGeometry::fitZoom(size, ImageSelection->maximumViewportSize());
    {
        const QSignalBlocker block(GaugeBar3);
        GaugeBar3->setValue(qRound(zoom * 100));
    }
    setZoomFactor(zoom);
}

void TFWizzard::setStep(int Value)
{
    Timer1->stop();
    Timer2->stop();
    FStep = Value;
    BPrev->setEnabled(Value != 1);
    BGhostOnly->setEnabled(false);
    BNext->setEnabled(true);
    Pages->setCurrentIndex(Value - 1);
    if (Value == 2)
        enterAdjustment();
    else if (Value == 3)
        enterSize();
    else if (Value == 4)
        enterColours();
    translate(m_translate);
}

void TFWizzard::setZoomFactor(double zoom)
{
    FZoomFactor = zoom;
    ResizeMain();
}

// The view bitmap at the zoom, with the frame over the crop.
void TFWizzard::ResizeMain()
{
    if (!PictureSource || PictureSource->empty())
        return;
    const QSize size(PictureSource->width(), PictureSource->height());
    const QSize zoomed = ConversionGeometry::zoomedSize(size, FZoomFactor);
    try {
        // At zoom 1 the view shares the picture's pixels.
        Crop->setPicture(zoomed == size ? PictureSource->image()
                                        : KernelResampler::scaled(*PictureSource, zoomed).image());
    } catch (const std::bad_alloc&) {
        if (warn)
            warn(PictureLoader::outOfMemory().text(m_translate));
        return;
    }
    Crop->setFrame(ConversionGeometry::frameFromSelection(SelectionRect, {}, FZoomFactor));
}

void TFWizzard::RubberResize(TDragKind kind, const QRectF& proposed)
{
    const QSizeF view = Crop->size();
    const QRectF frame = ConversionGeometry::RubberResize(kind, Crop->frame(), proposed, {}, view, FZoomFactor);
    SelectionRect = ConversionGeometry::selectionFromFrame(frame, {}, FZoomFactor,
        QSize(PictureSource->width(), PictureSource->height()));
    Crop->setFrame(frame);
}

bool TFWizzard::attempt(const std::function<Status()>& step)
{
    // A pass that lets window messages run must not start a second one inside it.
    if (m_busy)
        return false;
    m_busy = true;
    Pages->setEnabled(false);
    m_buttons->setEnabled(false);
    Status status = Status::ok();
    try {
        const BusyCursor busy;
        status = step();
    } catch (const std::bad_alloc&) {
        status = PictureLoader::outOfMemory();
    }
    FDitheringProgress->end();
    Pages->setEnabled(true);
    m_buttons->setEnabled(true);
    m_busy = false;
    if (!status && warn)
        warn(status.text(m_translate));
    return bool(status);
}

void TFWizzard::showPicture(QLabel* view, const TBitmap32& raster)
{
    if (raster.empty()) {
        view->clear();
        return;
    }
    // Stitch pixels carry alpha 0: shown as they are, the result would be fully transparent.
    QImage opaque = raster.image().copy();
    opaque.reinterpretAsFormat(QImage::Format_RGB32);
    // Small rasters are shown enlarged with their pixels kept square and sharp.
    const QImage shown = opaque.convertToFormat(QImage::Format_RGB888)
                             .scaled(view->size(), Qt::KeepAspectRatio, Qt::FastTransformation);
    view->setPixmap(QPixmap::fromImage(shown));
}

void TFWizzard::enterAdjustment()
{
    const bool cropped = attempt([this] { return m_conversion->crop(*PictureSource, SelectionRect); });
    if (!cropped) {
        reject();
        return;
    }
    BrightnessChange();
}

void TFWizzard::BrightnessChange()
{
    if (FStep != 2 || !m_conversion)
        return;
    const bool adjusted = attempt([this] {
        m_conversion->adjust(Brightness->value(), Contrast->value());
        return Status::ok();
    });
    if (!adjusted) {
        reject();
        return;
    }
    showPicture(ImageAdjustment, m_conversion->ImageAdjustment);
}

void TFWizzard::Button5Click()
{
    Brightness->setValue(0);
    Contrast->setValue(100);
}

void TFWizzard::enterSize()
{
    const QSize adjusted(m_conversion->ImageAdjustment.width(), m_conversion->ImageAdjustment.height());
    {
        const QSignalBlocker block(EWidth);
        EWidth->setMaximum(std::max(2, ConversionGeometry::maxSizeLimit(adjusted)));
    }
    LSize->setText(QStringLiteral("%1 x %2").arg(adjusted.width()).arg(adjusted.height()));
    Button1Click();
}

void TFWizzard::Button1Click()
{
    Timer1->stop();
    if (!attempt([this] { return m_conversion->resize(EWidth->value()); }))
        return;
    const TBitmap32& resized = m_conversion->ImageResized;
    LNewSize->setText(QStringLiteral("%1 x %2").arg(resized.width()).arg(resized.height()));
    showPicture(ImageResized, resized);
}

// Every entry matches and recomputes, so the page never shows an earlier picture's result.
void TFWizzard::enterColours()
{
    ComboBoxDithering->setEnabled(true);
    if (ComboPalettes->count() > 0 && ComboPalettes->currentIndex() < 0)
        ComboPalettes->setCurrentIndex(ComboPalettes->findText(m_doc->defaultPalette));
    if (ComboPalettes->count() > 0 && ComboPalettes->currentIndex() < 0)
        ComboPalettes->setCurrentIndex(0);
    if (ComboPalettes->currentIndex() >= 0)
        ComboPalettesChange();
    BGhostOnly->setEnabled(true);
}

void TFWizzard::ComboPalettesChange()
{
    if (FStep != 4)
        return;
    m_conversion->setDithering(DitherMethod(std::max(0, ComboBoxDithering->currentIndex())), GaugeBar1->value());
    const bool matched = attempt([this] {
        const Status chosen = m_conversion->choosePalette(ComboPalettes->currentText(), ComboSymbols->currentText());
        return chosen ? m_conversion->setUsedColors(std::nullopt, progress()) : chosen;
    });
    BNext->setEnabled(m_conversion->PaletteMatched);
    if (!matched)
        return;
    LMaxColors->setText(QString::number(m_conversion->matching.MaxColorsPossible));
    {
        const QSignalBlocker block(EditMaxColors);
        EditMaxColors->setValue(m_conversion->matching.MaxColorsPossible);
    }
    showPicture(ImageFinal, m_conversion->ImageFinal);
}

void TFWizzard::Button2Click()
{
    Timer2->stop();
    if (FStep != 4 || !m_conversion->PaletteMatched)
        return;
    if (attempt([this] { return m_conversion->setUsedColors(EditMaxColors->value(), progress()); }))
        showPicture(ImageFinal, m_conversion->ImageFinal);
}

void TFWizzard::ComboBoxDitheringChange()
{
    GaugeBar1Change();
}

void TFWizzard::GaugeBar1Change()
{
    TimerLevel->stop();
    if (FStep != 4 || !m_conversion->PaletteMatched)
        return;
    m_conversion->setDithering(DitherMethod(std::max(0, ComboBoxDithering->currentIndex())), GaugeBar1->value());
    if (attempt([this] { return m_conversion->recompute(progress()); }))
        showPicture(ImageFinal, m_conversion->ImageFinal);
}

void TFWizzard::BNextClick()
{
    if (FStep == 4) {
        finish();
        return;
    }
    setStep(std::min(FStep + 1, 4));
}

void TFWizzard::BPrevClick()
{
    if (FStep > 1)
        setStep(FStep - 1);
}

// A colour count or level still waiting for its pause is taken before the wizard closes.
void TFWizzard::finish()
{
    if (!m_conversion->PaletteMatched)
        return;
    if (Timer2->isActive())
        Button2Click();
    if (TimerLevel->isActive())
        GaugeBar1Change();
    accept();
}

// The empty cells carry the new design's background, opaque white, whatever the open
// design's background is.
void TFWizzard::BGhostOnlyClick()
{
    if (FStep != 4)
        return;
    const TBitmap32& resized = m_conversion->ImageResized;
    const bool cleared = attempt([&] {
        m_conversion->ImageFinal = TBitmap32(resized.width(), resized.height(), 0xFFFFFFFF);
        m_conversion->matching.ReducedPaletteDic.clear();
        return Status::ok();
    });
    if (cleared)
        accept();
}

void TFWizzard::BHelpClick()
{
    if (showHelp)
        showHelp(kHelpFirstStep + (std::max(FStep, 1) - 1) * 100);
}

ConversionProgress* TFWizzard::progress()
{
    if (ComboBoxDithering->currentIndex() <= 0)
        return nullptr;
    return FDitheringProgress;
}
