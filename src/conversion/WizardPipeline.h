#pragma once
#include "conversion/ConversionChoices.h"
#include "conversion/PictureConversion.h"
#include <QImage>
#include <optional>

class ConversionProgress;

// The wizard's conversion, made on the worker thread as the pages ask for it. Each call brings
// what its page shows up to date with the choices, redoing only what a changed choice touches:
// the crop, the adjustment page's view-sized copy, the full-size adjustment (made when the size
// page needs it), the resize, the matching. Between those steps it checks whether it is to stop;
// a call that stops keeps what it finished and remembers what it did not, so any later call
// starts from there. A later call therefore never builds on a cancelled one's half-made rasters.
class WizardPipeline
{
public:
    WizardPipeline(TStitch& doc, const TBitmap32& PictureSource);

    // The crop page's picture at a zoom; at zoom 1 it shares the picture's pixels.
    static QImage cropView(const TBitmap32& PictureSource, double zoom);

    // The adjustment page: the crop scaled to fit `view`, adjusted (AdjustmentView).
    Status adjustmentView(const ConversionChoices& choices, const QSize& view, ConversionProgress& progress);
    // The size page: the full-size adjustment resized by the size rule (ImageResized).
    Status resized(const ConversionChoices& choices, ConversionProgress& progress);
    // The colour page: matches the resized picture to the palette again and reduces it to the
    // typed count, or to what the palette proposes when none is typed.
    Status matched(const ConversionChoices& choices, ConversionProgress& progress);
    // A new colour count, dithering or level: only the reduction is made again, unless the
    // matching itself is missing (a newer step cancelled it), which is then made first.
    Status recomputed(const ConversionChoices& choices, ConversionProgress& progress);
    // "Create empty template": the resized picture's size with every cell empty.
    Status emptyTemplate(const ConversionChoices& choices, ConversionProgress& progress);
    // The shadow picture of the finished conversion (`shadow`), made here because scaling a
    // large adjusted picture down takes a while.
    Status finished();

    PictureConversion& conversion() { return m_conversion; }
    const TBitmap32& AdjustmentView() const { return m_adjustmentView; }
    const QImage& shadow() const { return m_shadow; }

private:
    Status cropped(const ConversionChoices& choices);
    Status adjusted(const ConversionChoices& choices, ConversionProgress& progress);

    const TBitmap32& m_picture;
    PictureConversion m_conversion;
    // What the rasters were last made from; none: still to make.
    std::optional<QRectF> m_crop;
    QSize m_viewSize;
    TBitmap32 m_viewSource;
    TBitmap32 m_adjustmentView;
    std::optional<std::pair<int, int>> m_adjustment;
    std::optional<int> m_size;
    QImage m_shadow;
};
