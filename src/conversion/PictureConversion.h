#pragma once
#include "conversion/ConversionChoices.h"
#include "conversion/PaletteMatching.h"
#include "conversion/TRGBMatrix.h"
#include "imaging/TBitmap32.h"
#include "model/Status.h"
#include "model/TCharacterInfo.h"

class ConversionProgress;
class Design;
class TStitch;

// A picture on its way to a design: crop -> adjust -> resize -> match -> reduce (or dither) ->
// design. The conversion wizard calls the steps one by one as the user moves through its pages
// and holds the rasters it shows; `run` makes every step at once with the choices given, which
// is what the command line does. Either way the same choices give the same design.
//
//   crop and adjustment pages  crop (ResamplePreAdjustments), adjust (BrightnessChange)
//   size page                  resize ("Set size"; counts the picture colours)
//   palette page               choosePalette (ComboPalettesChange), setUsedColors ("Set used
//                              colors"), recompute (dithering list and level changes)
//   finish                     buildDesign
//
// The document gives the catalogues, the "maxColors" setting and the Deltas list.
class PictureConversion
{
public:
    explicit PictureConversion(TStitch& doc);

    Status crop(const TBitmap32& PictureSource, const QRectF& SelectionRect);
    void adjust(int brightness, int contrast);
    // A copy of `picture` with the brightness and contrast of the adjustment page.
    static TBitmap32 adjusted(const TBitmap32& picture, int brightness, int contrast);
    // What a pass stopped by its progress returns.
    static Status cancelled();
    // The size rule with "Max width/height" S, or an exact size.
    Status resize(int S);
    Status resizeTo(const QSize& size);
    // Matches the resized picture to the palette and sets MaxColorsPossible; the names are the
    // catalogue's, an empty name takes the document's default.
    Status choosePalette(const QString& palette, const QString& symbols);
    // The typed maximum (none: MaxColorsPossible), then a recomputation.
    Status setUsedColors(std::optional<int> typed, ConversionProgress* progress = nullptr);
    // Recompute(MaxColorsChosen) with the dithering method and the level slider's position.
    Status recompute(ConversionProgress* progress = nullptr);
    void setDithering(DitherMethod method, int levelPosition);

    // All steps; a raster that cannot be held gives the out-of-memory message.
    Status run(const TBitmap32& PictureSource, const ConversionChoices& choices, ConversionProgress* progress = nullptr);

    // The finished design, built into a fresh one.
    Status buildDesign(Design& design) const;

    // The shadow picture a design converted from the adjusted picture keeps: the adjusted
    // picture scaled down to ConversionGeometry::shadowSize. Throws std::bad_alloc when it
    // cannot be held.
    QImage shadowPicture() const;

    // The dithering threshold of the current level position and matching.
    double LevelDithering() const;
    const QString& paletteName() const { return m_palette; }
    const QString& symbolSetName() const { return m_symbols.Name; }
    // How many colours the chosen symbol set can mark: no design gets more.
    int symbolCount() const { return int(m_symbols.characters.size()); }

    TBitmap32 preAdjustmentsBitmap;
    TBitmap32 ImageAdjustment;
    TBitmap32 ImageResized;
    TBitmap32 ImageFinal;
    PaletteMatching matching;
    bool PaletteMatched = false;

private:
    TStitch& m_doc;
    QString m_palette;
    TCharacterInfo m_symbols;
    DitherMethod m_dithering = DitherMethod::None;
    int m_levelPosition = 0;
};
