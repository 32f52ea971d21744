#pragma once
#include "conversion/DitherKernel.h"
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>

// Everything the user chooses in the four steps of a conversion, with the wizard's starting
// values.
struct ConversionChoices
{
    QRectF SelectionRect;  // the crop in picture pixels; a null rectangle: the whole picture
    int brightness = 0;    // -255..255
    int contrast = 100;    // 0..255, percent
    int maxSize = 100;     // "Max width/height" of the size rule
    QSize size;            // when valid, this size instead of the size rule
    QString palette;       // palette key; empty: the document's default palette
    QString symbols;       // symbol set name; empty: the document's default set
    std::optional<int> maxColors; // the typed maximum; none: what the palette page proposes
    DitherMethod dithering = DitherMethod::None;
    int ditherLevel = 0;   // position of the dithering-level slider, 0..100
};
