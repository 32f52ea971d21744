#pragma once
#include "imaging/ColorValues.h"
#include "printing/PageDrawOptions.h"
#include <QColor>
#include <QMargins>
#include <QString>
#include <optional>

class Design;
class TPreview;

// What every page painter reads: the design, the calculated layout and the drawing options, with
// the colour rules shared by all printed pages.
//
// Colour rules: the print colour of a thread colour is its CMYK correction's colour when "Use
// CMYK Colors" is on and a correction exists, else the colour itself. Text on a colour is black
// above lightness 128 and white otherwise; without colours all text is black.
struct PageContext
{
    PageContext(const Design& design, const TPreview& layout, const PageDrawOptions& options);

    const Design& design;
    const TPreview& layout;
    PageDrawOptions options;

    TColorRef printColor(TColorRef color) const;
    // (R + G + B) div 3 in every channel: lines drawn without colours.
    static TColorRef grey(TColorRef color);
    // Half-way to white, each channel rounded half away from zero.
    static TColorRef light(TColorRef color);
    // Black or white text on `color`; black without colours.
    QColor textOn(TColorRef color) const;
    static QColor qcolor(TColorRef color);

    // The symbol of a colour of the design's table, or none (no table entry, no symbol, or an
    // index outside the symbol set).
    std::optional<QChar> symbolOf(TColorRef color) const;
    QString symbolFont() const;
    // The thread number of a colour; empty for a colour outside the table.
    QString colorId(TColorRef color) const;
    QString translated(const QString& text) const;
    // The page margins in device px; all 0 when margins are off.
    QMargins margins() const;
    bool legendOnly() const;
    // The design's title, or its file name when the title is empty.
    QString title() const;
};
