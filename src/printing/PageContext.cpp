#include "printing/PageContext.h"
#include "model/Design.h"
#include "printing/TPreview.h"
#include <QFileInfo>

PageContext::PageContext(const Design& d, const TPreview& l, const PageDrawOptions& o)
    : design(d), layout(l), options(o)
{
}

TColorRef PageContext::printColor(TColorRef color) const
{
    if (options.cmyk) {
        if (const TCMYK* correction = design.stitch.CMYK.find(color32FromColorRef(color)))
            return correction->RGBColor;
    }
    return color;
}

TColorRef PageContext::grey(TColorRef color)
{
    const int g = (redOf(color) + greenOf(color) + blueOf(color)) / 3;
    return makeColorRef(g, g, g);
}

TColorRef PageContext::light(TColorRef color)
{
    // v + (255 - v) * 50 / 100, the half taken away from zero.
    const auto half = [](int v) { return v + (255 - v + 1) / 2; };
    return makeColorRef(half(redOf(color)), half(greenOf(color)), half(blueOf(color)));
}

QColor PageContext::textOn(TColorRef color) const
{
    return options.useColors && lightnessOf(color) <= 128 ? QColor(Qt::white) : QColor(Qt::black);
}

QColor PageContext::qcolor(TColorRef color)
{
    return QColor::fromRgb(rgbOf(color));
}

std::optional<QChar> PageContext::symbolOf(TColorRef color) const
{
    const TColorInfo* info = design.stitch.Colors.find(color);
    if (!info || !design.stitch.chars)
        return std::nullopt;
    return design.stitch.chars->symbolOf(info->charID);
}

QString PageContext::symbolFont() const
{
    return design.stitch.chars ? design.stitch.chars->ffontname : QString();
}

QString PageContext::colorId(TColorRef color) const
{
    const TColorInfo* info = design.stitch.Colors.find(color);
    return info ? info->colorID : QString();
}

QString PageContext::translated(const QString& text) const
{
    return design.stitch.Language.value(text, text);
}

QMargins PageContext::margins() const
{
    return layout.inlineBorderPX;
}

bool PageContext::legendOnly() const
{
    return layout.options.legendOnly();
}

QString PageContext::title() const
{
    const QString& t = design.stitch.Title;
    return t.isEmpty() ? QFileInfo(design.stitch.filename()).fileName() : t;
}
