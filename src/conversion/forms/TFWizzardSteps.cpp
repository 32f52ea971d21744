// The wizard's steps: what each page does on entry and on every change of its controls. The
// numbers all come from PictureConversion; these handlers read the controls and show rasters.
#include "conversion/ConversionGeometry.h"
#include "conversion/PictureLoader.h"
#include "conversion/WizardPipeline.h"
#include "conversion/forms/TFDitheringProgress.h"
#include "conversion/forms/TFWizzard.h"
#include "conversion/forms/WizardCropView.h"
#include "model/TStitch.h"
#include "model/Translatable.h"
#include <QEventLoop>
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
// A step shorter than this shows no progress window: it would only flicker.
constexpr int kProgressDelayMs = 250;
} // namespace

bool TFWizzard::loadPicture(const QString& fileName)
{
    auto picture = std::make_shared<TBitmap32>();
    std::optional<Status> loaded;
    QEventLoop loop;
    const QMetaObject::Connection idle = connect(m_worker, &ConversionWorker::busyChanged, &loop, [&loop](bool busy) {
        if (!busy)
            loop.quit();
    });
    const QMetaObject::Connection cancel =
        connect(FDitheringProgress->BCancel, &QPushButton::clicked, &loop, &QEventLoop::quit);
    m_worker->submit([fileName, picture](ConversionProgress&) { return PictureLoader::load(fileName, *picture); },
        [&loaded](const Status& status) { loaded = status; });
    // Nothing else may start a conversion while the picture loads.
    FDitheringProgress->setWindowModality(Qt::ApplicationModal);
    FDitheringProgress->showProgress(m_worker->progress());
    FDitheringProgress->show();
    if (m_worker->busy())
        loop.exec();
    disconnect(idle);
    disconnect(cancel);
    FDitheringProgress->hide();
    FDitheringProgress->setWindowModality(Qt::NonModal);
    if (!loaded) {
        m_worker->cancel();
        return false;
    }
    if (!*loaded) {
        if (warn)
            warn(loaded->text(m_translate));
        return false;
    }
    PictureSource = std::move(*picture);
    return true;
}

void TFWizzard::ResetAll(TStitch& doc)
{
    m_worker->cancelAndWait();
    m_doc = &doc;
    m_pipeline = std::make_unique<WizardPipeline>(doc, PictureSource);
    Crop->setPicture({});
    // No view yet, and none to remake on entering the crop page: the fit below makes it.
    m_viewZoom = FZoomFactor = 0;
    for (QLabel* view : {ImageAdjustment, ImageResized, ImageFinal})
        view->clear();
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
    const QSize size(PictureSource.width(), PictureSource.height());
    SelectionRect = QRectF(QPointF(0, 0), QSizeF(size));
    const double zoom = ConversionGeometry::fitZoom(size, ImageSelection->maximumViewportSize());
    {
        const QSignalBlocker block(GaugeBar3);
        GaugeBar3->setValue(qRound(zoom * 100));
    }
    setZoomFactor(zoom);
}

void TFWizzard::release()
{
    m_worker->cancelAndWait();
    m_pipeline.reset();
    PictureSource = TBitmap32();
    Crop->setPicture({});
}

PictureConversion& TFWizzard::conversion()
{
    return m_pipeline->conversion();
}

const QImage& TFWizzard::shadowPicture() const
{
    return m_pipeline->shadow();
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
    // Back on the crop page after a zoom whose view a later step cancelled.
    if (Value == 1 && m_viewZoom != FZoomFactor)
        ResizeMain();
    else if (Value == 2)
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

// The view bitmap at the zoom, with the frame over the crop. Until it is made the view shows
// the last one, and the frame stays in that one's pixels.
void TFWizzard::ResizeMain()
{
    if (PictureSource.empty() || !m_pipeline)
        return;
    const double zoom = FZoomFactor;
    auto view = std::make_shared<QImage>();
    run([this, zoom, view](WizardPipeline&, ConversionProgress&) {
        *view = WizardPipeline::cropView(PictureSource, zoom);
        return Status::ok();
    },
        [this, zoom, view] {
            m_viewZoom = zoom;
            Crop->setPicture(*view);
            Crop->setFrame(ConversionGeometry::frameFromSelection(SelectionRect, {}, zoom));
        });
}

void TFWizzard::RubberResize(TDragKind kind, const QRectF& proposed)
{
    const QSizeF view = Crop->size();
    const QRectF frame = ConversionGeometry::RubberResize(kind, Crop->frame(), proposed, {}, view, m_viewZoom);
    SelectionRect = ConversionGeometry::selectionFromFrame(frame, {}, m_viewZoom,
        QSize(PictureSource.width(), PictureSource.height()));
    Crop->setFrame(frame);
}

ConversionChoices TFWizzard::choices() const
{
    ConversionChoices c;
    c.SelectionRect = SelectionRect;
    c.brightness = Brightness->value();
    c.contrast = Contrast->value();
    c.maxSize = EWidth->value();
    c.palette = ComboPalettes->currentText();
    c.symbols = ComboSymbols->currentText();
    if (m_countTyped)
        c.maxColors = EditMaxColors->value();
    c.dithering = DitherMethod(std::max(0, ComboBoxDithering->currentIndex()));
    c.ditherLevel = GaugeBar1->value();
    return c;
}

void TFWizzard::run(std::function<Status(WizardPipeline&, ConversionProgress&)> step, std::function<void()> shown,
    std::function<void()> failed)
{
    WizardPipeline* pipeline = m_pipeline.get();
    m_worker->submit([pipeline, step](ConversionProgress& progress) { return step(*pipeline, progress); },
        [this, shown, failed](const Status& status) {
            if (status) {
                shown();
                return;
            }
            if (warn)
                warn(status.text(m_translate));
            if (failed)
                failed();
        });
}

void TFWizzard::workerBusy(bool busy)
{
    if (busy) {
        Pages->setCursor(Qt::BusyCursor);
        m_busyFor.start();
        m_progressTimer->start();
        return;
    }
    m_progressTimer->stop();
    Pages->unsetCursor();
    FDitheringProgress->showProgress(m_worker->progress());
    FDitheringProgress->hide();
    // A step that was cancelled or failed on the colour page leaves no result to finish with.
    if (FStep == 4 && m_pipeline)
        BNext->setEnabled(conversion().PaletteMatched);
}

void TFWizzard::showProgress()
{
    FDitheringProgress->showProgress(m_worker->progress());
    if (isVisible() && !FDitheringProgress->isVisible() && m_busyFor.elapsed() >= kProgressDelayMs) {
        // Below the pages, where it covers none of the pictures.
        FDitheringProgress->move(mapToGlobal(QPoint(width() / 2 - FDitheringProgress->width() / 2, height() - 40)));
        FDitheringProgress->show();
    }
}

void TFWizzard::showPicture(QLabel* view, const TBitmap32& raster)
{
    if (raster.empty()) {
        view->clear();
        return;
    }
    // Stitch pixels carry alpha 0: shown as they are, the result would be fully transparent.
    const QImage& image = raster.image();
    const QImage opaque(image.constBits(), image.width(), image.height(), image.bytesPerLine(), QImage::Format_RGB32);
    const QSize fitted = opaque.size().scaled(view->size(), Qt::KeepAspectRatio);
    // Small rasters are shown enlarged with their pixels kept square and sharp; large ones are
    // shown smoothed down. Either way the pixmap gets pixels of its own.
    const QImage shown = fitted == opaque.size() ? opaque.copy()
        : opaque.scaled(fitted, Qt::IgnoreAspectRatio,
              fitted.width() < opaque.width() ? Qt::SmoothTransformation : Qt::FastTransformation);
    view->setPixmap(QPixmap::fromImage(shown));
}

void TFWizzard::enterAdjustment()
{
    BrightnessChange();
}

// The sliders adjust a copy of the crop at the view's size; the full-size picture is adjusted
// when the size page needs it. A crop that cannot be made ends the run.
void TFWizzard::BrightnessChange()
{
    if (FStep != 2 || !m_pipeline)
        return;
    const ConversionChoices c = choices();
    const QSize view = ImageAdjustment->size();
    run([c, view](WizardPipeline& p, ConversionProgress& progress) { return p.adjustmentView(c, view, progress); },
        [this] { showPicture(ImageAdjustment, m_pipeline->AdjustmentView()); }, [this] { reject(); });
}

void TFWizzard::Button5Click()
{
    Brightness->setValue(0);
    Contrast->setValue(100);
}

void TFWizzard::enterSize()
{
    const QSize cropped =
        ConversionGeometry::cropOf(SelectionRect, QSize(PictureSource.width(), PictureSource.height())).size();
    {
        const QSignalBlocker block(EWidth);
        EWidth->setMaximum(std::max(2, ConversionGeometry::maxSizeLimit(cropped)));
    }
    LSize->setText(QStringLiteral("%1 x %2").arg(cropped.width()).arg(cropped.height()));
    Button1Click();
}

void TFWizzard::Button1Click()
{
    Timer1->stop();
    if (FStep != 3 || !m_pipeline)
        return;
    const ConversionChoices c = choices();
    run([c](WizardPipeline& p, ConversionProgress& progress) { return p.resized(c, progress); }, [this] {
        const TBitmap32& resized = conversion().ImageResized;
        LNewSize->setText(QStringLiteral("%1 x %2").arg(resized.width()).arg(resized.height()));
        showPicture(ImageResized, resized);
    });
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

// A new palette or symbol set: the colour count goes back to what the palette proposes.
void TFWizzard::ComboPalettesChange()
{
    if (FStep != 4 || !m_pipeline)
        return;
    m_countTyped = false;
    const ConversionChoices c = choices();
    run([c](WizardPipeline& p, ConversionProgress& progress) { return p.matched(c, progress); },
        [this] { showColours(); });
}

// Until a count is typed the field shows what the palette proposes.
void TFWizzard::showColours()
{
    const int proposed = conversion().matching.MaxColorsPossible;
    LMaxColors->setText(QString::number(proposed));
    if (!m_countTyped) {
        const QSignalBlocker block(EditMaxColors);
        EditMaxColors->setValue(proposed);
    }
    showPicture(ImageFinal, conversion().ImageFinal);
}

void TFWizzard::Button2Click()
{
    Timer2->stop();
    m_countTyped = true;
    GaugeBar1Change();
}

void TFWizzard::ComboBoxDitheringChange()
{
    GaugeBar1Change();
}

void TFWizzard::GaugeBar1Change()
{
    TimerLevel->stop();
    if (FStep != 4 || !m_pipeline)
        return;
    const ConversionChoices c = choices();
    run([c](WizardPipeline& p, ConversionProgress& progress) { return p.recomputed(c, progress); },
        [this] { showColours(); });
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

// A colour count or level still waiting for its pause is taken, and the running step is
// waited for, before the wizard closes.
void TFWizzard::finish()
{
    if (Timer2->isActive())
        Button2Click();
    if (TimerLevel->isActive())
        GaugeBar1Change();
    WizardPipeline* pipeline = m_pipeline.get();
    m_worker->enqueue([pipeline](ConversionProgress&) {
        return pipeline->conversion().PaletteMatched ? pipeline->finished() : Status::ok();
    }, [this](const Status& status) {
        if (!status && warn)
            warn(status.text(m_translate));
        else if (conversion().PaletteMatched)
            accept();
    });
}

void TFWizzard::BGhostOnlyClick()
{
    if (FStep != 4 || !m_pipeline)
        return;
    const ConversionChoices c = choices();
    run([c](WizardPipeline& p, ConversionProgress& progress) { return p.emptyTemplate(c, progress); },
        [this] { accept(); });
}

void TFWizzard::BHelpClick()
{
    if (showHelp)
        showHelp(kHelpFirstStep + (std::max(FStep, 1) - 1) * 100);
}
