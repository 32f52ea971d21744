#include "conversion/WizardPipeline.h"
#include "conversion/ConversionGeometry.h"
#include "conversion/ConversionProgress.h"
#include "imaging/KernelResampler.h"

namespace {
// Steps a call reports: crop, view or full adjustment, resize, matching.
constexpr int kSteps = 4;
} // namespace

WizardPipeline::WizardPipeline(TStitch& doc, const TBitmap32& PictureSource)
    : m_picture(PictureSource), m_conversion(doc)
{
}

QImage WizardPipeline::cropView(const TBitmap32& PictureSource, double zoom)
{
    const QSize size(PictureSource.width(), PictureSource.height());
    const QSize zoomed = ConversionGeometry::zoomedSize(size, zoom);
    if (zoomed == size)
        return PictureSource.image();
    return KernelResampler::scaled(PictureSource, zoomed).image();
}

Status WizardPipeline::cropped(const ConversionChoices& choices)
{
    if (m_crop == choices.SelectionRect)
        return Status::ok();
    m_crop.reset();
    m_viewSource = TBitmap32();
    m_adjustment.reset();
    m_size.reset();
    m_conversion.PaletteMatched = false;
    const Status status = m_conversion.crop(m_picture, choices.SelectionRect);
    if (status)
        m_crop = choices.SelectionRect;
    return status;
}

Status WizardPipeline::adjustmentView(const ConversionChoices& choices, const QSize& view, ConversionProgress& progress)
{
    progress.begin(kSteps);
    Status status = cropped(choices);
    if (!status)
        return status;
    if (!progress.advance())
        return PictureConversion::cancelled();
    const TBitmap32& crop = m_conversion.preAdjustmentsBitmap;
    if (m_viewSource.empty() || m_viewSize != view) {
        const QSize size(crop.width(), crop.height());
        const QSize shown = size.width() <= view.width() && size.height() <= view.height()
            ? size
            : size.scaled(view, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        m_viewSource = shown == size ? crop : KernelResampler::scaled(crop, shown);
        m_viewSize = view;
    }
    if (!progress.advance())
        return PictureConversion::cancelled();
    m_adjustmentView = PictureConversion::adjusted(m_viewSource, choices.brightness, choices.contrast);
    return Status::ok();
}

Status WizardPipeline::adjusted(const ConversionChoices& choices, ConversionProgress& progress)
{
    Status status = cropped(choices);
    if (!status)
        return status;
    if (!progress.advance())
        return PictureConversion::cancelled();
    const std::pair adjustment(choices.brightness, choices.contrast);
    if (m_adjustment == adjustment)
        return Status::ok();
    m_adjustment.reset();
    m_size.reset();
    m_conversion.PaletteMatched = false;
    m_conversion.adjust(choices.brightness, choices.contrast);
    m_adjustment = adjustment;
    return Status::ok();
}

Status WizardPipeline::resized(const ConversionChoices& choices, ConversionProgress& progress)
{
    progress.begin(kSteps);
    Status status = adjusted(choices, progress);
    if (!status)
        return status;
    if (!progress.advance())
        return PictureConversion::cancelled();
    if (m_size == choices.maxSize)
        return Status::ok();
    m_size.reset();
    m_conversion.PaletteMatched = false;
    status = m_conversion.resize(choices.maxSize);
    if (status)
        m_size = choices.maxSize;
    return status;
}

Status WizardPipeline::matched(const ConversionChoices& choices, ConversionProgress& progress)
{
    Status status = resized(choices, progress);
    if (!status)
        return status;
    if (!progress.advance())
        return PictureConversion::cancelled();
    m_conversion.PaletteMatched = false;
    m_conversion.setDithering(choices.dithering, choices.ditherLevel);
    status = m_conversion.choosePalette(choices.palette, choices.symbols);
    if (status)
        status = m_conversion.setUsedColors(choices.maxColors, &progress);
    // A reduction that stopped half way is no result to finish with.
    if (!status)
        m_conversion.PaletteMatched = false;
    return status;
}

Status WizardPipeline::recomputed(const ConversionChoices& choices, ConversionProgress& progress)
{
    if (!m_conversion.PaletteMatched)
        return matched(choices, progress);
    m_conversion.setDithering(choices.dithering, choices.ditherLevel);
    return m_conversion.setUsedColors(choices.maxColors, &progress);
}

Status WizardPipeline::emptyTemplate(const ConversionChoices& choices, ConversionProgress& progress)
{
    Status status = m_conversion.PaletteMatched ? resized(choices, progress) : matched(choices, progress);
    if (!status)
        return status;
    // The empty cells carry the new design's background, opaque white, whatever the open
    // design's background is.
    const TBitmap32& resized = m_conversion.ImageResized;
    m_conversion.ImageFinal = TBitmap32(resized.width(), resized.height(), 0xFFFFFFFF);
    m_conversion.matching.ReducedPaletteDic.clear();
    return finished();
}

Status WizardPipeline::finished()
{
    m_shadow = m_conversion.shadowPicture();
    return Status::ok();
}
