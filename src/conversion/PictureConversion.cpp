#include "model/Translatable.h"
#include "conversion/PictureConversion.h"
#include "conversion/ConversionGeometry.h"
#include "conversion/ConvertedDesign.h"
#include "conversion/Dithering.h"
#include "conversion/PictureLoader.h"
#include "imaging/KernelResampler.h"
#include "model/Design.h"
#include "model/SymbolSetLoader.h"
#include "model/TStitch.h"
#include <new>

PictureConversion::PictureConversion(TStitch& doc) : matching(doc.Deltas), m_doc(doc) {}

Status PictureConversion::crop(const TBitmap32& PictureSource, const QRectF& SelectionRect)
{
    const QRect rect = ConversionGeometry::cropOf(SelectionRect, QSize(PictureSource.width(), PictureSource.height()));
    return ConversionGeometry::cropPicture(PictureSource, rect, preAdjustmentsBitmap);
}

void PictureConversion::adjust(int brightness, int contrast)
{
    ImageAdjustment = adjusted(preAdjustmentsBitmap, brightness, contrast);
}

TBitmap32 PictureConversion::adjusted(const TBitmap32& picture, int brightness, int contrast)
{
    TRGBMatrix Matrix;
    Matrix.ChangeContrast(contrast);
    Matrix.ChangeRGBOffset(brightness, brightness, brightness);
    TBitmap32 result = picture;
    // The identity maps every pixel onto itself: the copy is the result.
    if (!Matrix.IsMatrixIdent())
        Matrix.ApplyToBitmap32(result);
    return result;
}

Status PictureConversion::cancelled()
{
    return Status::error(TRANSLATABLE("The conversion was cancelled."));
}

Status PictureConversion::resize(int S)
{
    return resizeTo(ConversionGeometry::stitchSize(QSize(ImageAdjustment.width(), ImageAdjustment.height()), S));
}

Status PictureConversion::resizeTo(const QSize& size)
{
    const Status allowed = ConversionGeometry::checkDesignSize(size);
    if (!allowed)
        return allowed;
    if (size == QSize(ImageAdjustment.width(), ImageAdjustment.height()))
        ImageResized = ImageAdjustment;
    else
        ImageResized = KernelResampler::scaled(ImageAdjustment, size);
    matching.loadUsedColors(ImageResized);
    return Status::ok();
}

Status PictureConversion::choosePalette(const QString& palette, const QString& symbols)
{
    const QString key = palette.isEmpty() ? keyOrSmallest(m_doc.ColorPalettes, m_doc.defaultPalette) : palette;
    const TColorTable* table = m_doc.palette(key);
    if (!table)
        return Status::error(TRANSLATABLE("No palette named \"%1\" is loaded."), {palette.isEmpty() ? m_doc.defaultPalette : palette});
    if (table->isEmpty())
        return Status::error(TRANSLATABLE("The palette \"%1\" has no colours."), {key});
    if (!symbols.isEmpty() && !m_doc.characters.isEmpty() && !m_doc.characters.contains(symbols))
        return Status::error(TRANSLATABLE("No symbol set named \"%1\" is loaded."), {symbols});
    const QString set = keyOrSmallest(m_doc.characters, symbols.isEmpty() ? m_doc.defaultCharacters : symbols);
    m_symbols = set.isEmpty() ? SymbolSetLoader::builtInSet() : m_doc.characters.at(set);
    m_palette = key;
    matching.setPalette(*table);
    matching.paletteChange(ImageResized, int(m_symbols.characters.size()), ImageFinal);
    PaletteMatched = true;
    return Status::ok();
}

Status PictureConversion::setUsedColors(std::optional<int> typed, ConversionProgress* progress)
{
    matching.chooseMaxColors(typed.value_or(matching.MaxColorsPossible), m_doc.maxColors);
    return recompute(progress);
}

void PictureConversion::setDithering(DitherMethod method, int levelPosition)
{
    m_dithering = method;
    m_levelPosition = levelPosition;
}

double PictureConversion::LevelDithering() const
{
    return Dithering::levelFromPosition(m_levelPosition, matching.MaxLevelDithering);
}

Status PictureConversion::recompute(ConversionProgress* progress)
{
    const int N = matching.MaxColorsChosen;
    if (m_dithering == DitherMethod::None) {
        matching.recompute(ImageResized, N, ImageFinal);
        return Status::ok();
    }
    if (!Dithering::recompute(matching, ImageResized, N, m_dithering, LevelDithering(), ImageFinal, progress))
        return cancelled();
    return Status::ok();
}

Status PictureConversion::run(const TBitmap32& PictureSource, const ConversionChoices& choices, ConversionProgress* progress)
{
    try {
        Status status = crop(PictureSource, choices.SelectionRect);
        if (!status)
            return status;
        adjust(choices.brightness, choices.contrast);
        status = choices.size.isValid() ? resizeTo(choices.size) : resize(choices.maxSize);
        if (!status)
            return status;
        setDithering(choices.dithering, choices.ditherLevel);
        status = choosePalette(choices.palette, choices.symbols);
        if (!status)
            return status;
        return setUsedColors(choices.maxColors, progress);
    } catch (const std::bad_alloc&) {
        return PictureLoader::outOfMemory();
    }
}

Status PictureConversion::buildDesign(Design& design) const
{
    try {
        return ConvertedDesign::build(design, ImageFinal, matching.ReducedPaletteDic, m_palette, m_symbols.Name);
    } catch (const std::bad_alloc&) {
        return PictureLoader::outOfMemory();
    }
}

QImage PictureConversion::shadowPicture() const
{
    const QSize adjusted(ImageAdjustment.width(), ImageAdjustment.height());
    const QSize size = ConversionGeometry::shadowSize(adjusted);
    if (size == adjusted)
        return ImageAdjustment.image().copy();
    return KernelResampler::scaled(ImageAdjustment, size).image();
}
